// The settings file vk.ini: read and written only through the profile functions, so the
// platform keeps its format (CRLF line ends, keys replaced in place, unknown keys kept).
#include "win_settings.h"

#include <cstdio>
#include <string>
#include <vector>

#include "panel_inputs.h"
#include "settings_file.h"
#include "win_overlay.h"
#include "win_panel.h"

namespace {

// The names by which the panel's windows find the main window, set at start-up for the run.
std::string g_className;
std::string g_title;

} // namespace

void SetMainClassName(const std::string& className)
{
    g_className = className;
}

void SetMainTitle(const std::string& title)
{
    g_title = title;
}

const char* MainClassName()
{
    return g_className.c_str();
}

const char* MainTitle()
{
    return g_title.c_str();
}

namespace {

// A text of the system code page in UTF-16, and back: the file's bytes stay those of the code
// page, while the path keeps every character of any folder name.
std::wstring Wide(const char* text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

std::string Narrow(const wchar_t* text)
{
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(length > 0 ? length : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    return narrow;
}

} // namespace

std::wstring CurrentSettingsPath()
{
    // Ask for the length first: a directory of any length is taken whole, never cut or overrun.
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0 || length >= buffer.size())
        return std::wstring(); // changed between the two calls or failed: acts as a missing file
    return SettingsPath(std::wstring(buffer.data(), length));
}

std::string ReadSettingText(const std::wstring& path, const char* section, const char* key, const char* defaultText)
{
    if (!SettingsPathUsable(path))
        return defaultText;
    wchar_t buffer[kSettingBufferSize] = {};
    GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(defaultText).c_str(), buffer,
                             kSettingBufferSize, path.c_str());
    return Narrow(buffer);
}

int ReadSettingInt(const std::wstring& path, const char* section, const char* key, int defaultValue)
{
    if (!SettingsPathUsable(path))
        return defaultValue;
    return static_cast<int>(GetPrivateProfileIntW(Wide(section).c_str(), Wide(key).c_str(), defaultValue, path.c_str()));
}

std::optional<std::string> StoredSetting(const std::wstring& path, SettingKey key)
{
    const std::string first = ReadSettingText(path, key.section, key.key, "");
    if (!first.empty() || ReadSettingText(path, key.section, key.key, "-") == first)
        return first;
    return std::nullopt;
}

bool WriteSettingText(const std::wstring& path, const char* section, const char* key, const char* value)
{
    if (!SettingsPathUsable(path)) {
        SetLastError(path.empty() ? ERROR_PATH_NOT_FOUND : ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    const std::wstring text = value != nullptr ? Wide(value) : std::wstring();
    return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), value != nullptr ? text.c_str() : nullptr,
                                      path.c_str()) != FALSE;
}

namespace {

// The first key that the last save could not write: the file and the system's error code.
struct FailedSave {
    bool failed = false;
    std::wstring path;
    DWORD error = 0;
    bool topMost = false; // the window was kept above all others: so is the message
};
FailedSave g_failedSave;

// Writes one key of the save; keeps the first failure.
void SaveKey(const std::wstring& path, SettingKey key, const char* value)
{
    if (!WriteSettingText(path, key.section, key.key, value) && !g_failedSave.failed)
        g_failedSave = {true, path, GetLastError()};
}

// Writes a key that is there only while its option is on, or removes it (null value) when it is
// there: a missing key is never removed, so no system's answer to that can fail the save.
void SaveOptionalKey(const std::wstring& path, SettingKey key, const char* value)
{
    if (value != nullptr || StoredSetting(path, key))
        SaveKey(path, key, value);
}

// The system's text for an error code, without its line end.
std::wstring SystemReason(DWORD error)
{
    wchar_t text[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  512, nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' '))
        text[--length] = L'\0';
    return length > 0 ? std::wstring(text) : L"Error " + std::to_wstring(error) + L".";
}

void CheckButton(HWND mainWindow, int id)
{
    SendDlgItemMessageA(mainWindow, id, BM_SETCHECK, BST_CHECKED, 0);
}

// A platform rectangle as a screen rectangle.
ScreenRect ToScreenRect(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

// The left and top of the restored window in screen coordinates. The restored rectangle is in the
// coordinates of the work area of its monitor: that monitor's is added back.
ScreenPoint StoredPlace(HWND mainWindow)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(mainWindow, &placement);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &info);
    return StoredPosition(placement.rcNormalPosition.left, placement.rcNormalPosition.top,
                          {ToScreenRect(info.rcMonitor), ToScreenRect(info.rcWork)});
}

} // namespace

void LoadStoredInputs(HWND mainWindow)
{
    const std::wstring path = CurrentSettingsPath();
    for (const PanelInput& input : PanelInputs()) {
        if (input.section == nullptr)
            continue;
        const std::string stored = ReadSettingText(path, input.section, input.key, input.start);
        switch (input.kind) {
        case InputKind::List:
            // Searched here rather than by CB_SELECTSTRING, which not every platform answers for an
            // empty text; no match keeps the filler's selection.
            if (const int item = StoredItem(input, stored); item >= 0)
                SendDlgItemMessageA(mainWindow, input.id, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
            break;
        case InputKind::Text:
            SetDlgItemTextA(mainWindow, input.id, stored.c_str());
            if (input.mirror != 0)
                SetDlgItemTextA(mainWindow, input.mirror, stored.c_str());
            break;
        case InputKind::Check:
            if (StoredChoice(input, stored.c_str()) == 1)
                CheckButton(mainWindow, input.id);
            break;
        case InputKind::Radios:
            CheckButton(mainWindow, input.id + kRadioStep * StoredChoice(input, stored.c_str()));
            break;
        }
    }
}

bool SaveSettings(HWND mainWindow)
{
    const std::wstring path = CurrentSettingsPath();
    g_failedSave = FailedSave{};

    SaveKey(path, kTitleKey, MainTitle());
    SaveKey(path, kClassNameKey, MainClassName());

    ScreenPoint position = StoredPlace(mainWindow);
    char number[24];
    std::snprintf(number, sizeof number, "%lld", static_cast<long long>(position.x));
    SaveKey(path, kPosXKey, number);
    std::snprintf(number, sizeof number, "%lld", static_cast<long long>(position.y));
    SaveKey(path, kPosYKey, number);
    const bool topMost = (GetWindowLongPtrA(mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SaveOptionalKey(path, kTopMostKey, topMost ? "1" : nullptr); // off: no key, as in a first run's file
    SaveOverlayKeys(path, SaveOptionalKey);

    for (const PanelInput& input : PanelInputs()) {
        if (input.section == nullptr)
            continue;
        if (input.kind == InputKind::List || input.kind == InputKind::Text) {
            // At most the field's first kFieldTextMax characters are stored.
            SaveKey(path, {input.section, input.key}, FieldText(mainWindow, input.id).c_str());
        } else {
            // A check box, or a pair of radios: the second word when it (the second) is checked.
            const int second = input.kind == InputKind::Check ? input.id : input.id + kRadioStep;
            SaveKey(path, {input.section, input.key}, input.items[IsChecked(mainWindow, second) ? 1 : 0]);
        }
    }
    g_failedSave.topMost = topMost;
    return !g_failedSave.failed;
}

void ReportFailedSave()
{
    if (!g_failedSave.failed)
        return;
    const std::wstring text = L"Your inputs could not be saved to\n" + g_failedSave.path + L"\n\n" +
                              SystemReason(g_failedSave.error) +
                              L"\n\nStart vk from a folder you can write to, or make vk.ini writable.";
    // In front, also of a full-screen game, so that vk never looks dead behind it.
    const UINT onTop = g_failedSave.topMost ? MB_TOPMOST : 0;
    MessageBoxW(nullptr, text.c_str(), L"vk", MB_OK | MB_ICONWARNING | MB_SETFOREGROUND | onTop);
}
