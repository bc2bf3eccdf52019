// The settings file vk.ini and every key of it, read and written only through the profile functions
// so that the platform keeps its format (CRLF line ends, keys replaced in place, unknown keys kept).
#include "win_settings.h"

#include <string>
#include <vector>

#include "panel_inputs.h"
#include "settings_file.h"
#include "win_dpi.h"
#include "win_main_window.h"
#include "win_overlay.h"
#include "win_panel.h"

namespace {

// The window's own keys, in the order a save writes them before the panel's inputs (whose keys
// the inputs' description holds), and the values taken when they are missing.
constexpr SettingKey kTitleKey{"App", "AppTitle"};
constexpr SettingKey kClassNameKey{"App", "ClassName"};
constexpr SettingKey kPosXKey{"Pos", "X"};
constexpr SettingKey kPosYKey{"Pos", "Y"};
// Whether the window is kept above all others: "1" while on, no key while off.
constexpr SettingKey kTopMostKey{"Pos", "TopMost"};
// While on, the window's opacity in percent when another window is active: "SeeThrough=N".
constexpr SettingKey kSeeThroughKey{"Pos", "SeeThrough"};
// While on, the key that brings vk up and sends it back: "Hotkey=Ctrl+Alt+F9".
constexpr SettingKey kHotkeyKey{"Pos", "Hotkey"};
// The title and the class name are both the program's name and version.
constexpr const char* kDefaultTitle = "vk ver" VK_VERSION_TEXT;
constexpr const char* kDefaultClassName = kDefaultTitle;
constexpr int kDefaultX = 20;
constexpr int kDefaultY = 30;

// The names by which the panel's windows find the main window, set at start-up for the run.
std::string g_className;
std::string g_title;

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

// The settings file's path, built afresh: the current directory (of any length and any name) and
// "\vk.ini". The keys and values are texts of the system code page.
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

// A stored text (at most 254 characters), or defaultText when the key or file is missing, or when
// the path is too long for the profile functions.
std::string ReadSettingText(const std::wstring& path, SettingKey key, const char* defaultText)
{
    if (!SettingsPathUsable(path))
        return defaultText;
    wchar_t buffer[kSettingBufferSize] = {};
    GetPrivateProfileStringW(Wide(key.section).c_str(), Wide(key.key).c_str(), Wide(defaultText).c_str(), buffer,
                             kSettingBufferSize, path.c_str());
    return Narrow(buffer);
}

// A stored integer as GetPrivateProfileInt reads it (leading digits with an optional minus; a text
// without a leading number reads as 0), or defaultValue when missing or the path is too long.
int ReadSettingInt(const std::wstring& path, SettingKey key, int defaultValue)
{
    if (!SettingsPathUsable(path))
        return defaultValue;
    return static_cast<int>(
        GetPrivateProfileIntW(Wide(key.section).c_str(), Wide(key.key).c_str(), defaultValue, path.c_str()));
}

// A stored text (at most 254 characters), also an empty one, or none when the key or the file is
// missing: two reads with different defaults tell a missing key from any value.
std::optional<std::string> StoredSetting(const std::wstring& path, SettingKey key)
{
    const std::string first = ReadSettingText(path, key, "");
    if (!first.empty() || ReadSettingText(path, key, "-") == first)
        return first;
    return std::nullopt;
}

// Creates or replaces one key in place, or removes it when value is null. False when the file could
// not be written or the path is too long for the profile functions, with the reason in GetLastError.
bool WriteSettingText(const std::wstring& path, SettingKey key, const char* value)
{
    if (!SettingsPathUsable(path)) {
        SetLastError(path.empty() ? ERROR_PATH_NOT_FOUND : ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    const std::wstring text = value != nullptr ? Wide(value) : std::wstring();
    return WritePrivateProfileStringW(Wide(key.section).c_str(), Wide(key.key).c_str(),
                                      value != nullptr ? text.c_str() : nullptr, path.c_str()) != FALSE;
}

} // namespace

const char* MainClassName()
{
    return g_className.c_str();
}

const char* MainTitle()
{
    return g_title.c_str();
}

void LoadMainClassName(HINSTANCE instance)
{
    // A stored name that cannot be registered (empty) or that names a class the process already
    // has (the panel's own "Edit", "Button", ...) would keep vk from ever showing its window, or
    // make every control a main window. The default is taken instead; it is saved back at the end,
    // which repairs the file.
    g_className = ReadSettingText(CurrentSettingsPath(), kClassNameKey, kDefaultClassName);
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (g_className.empty() || GetClassInfoExA(instance, g_className.c_str(), &existing))
        g_className = kDefaultClassName;
}

void LoadMainTitle()
{
    g_title = ReadSettingText(CurrentSettingsPath(), kTitleKey, kDefaultTitle);
}

WindowStart StoredWindowStart()
{
    const std::wstring path = CurrentSettingsPath();
    return {ReadSettingInt(path, kPosXKey, kDefaultX), ReadSettingInt(path, kPosYKey, kDefaultY),
            ReadSettingInt(path, kTopMostKey, 0) == 1};
}

OverlaySettings StoredOverlay()
{
    const std::wstring path = CurrentSettingsPath();
    return {StoredSetting(path, kSeeThroughKey), StoredSetting(path, kHotkeyKey)};
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
    if (!WriteSettingText(path, key, value) && !g_failedSave.failed)
        g_failedSave = {true, path, GetLastError()};
}

// Writes a key that is there only while its option is on, or removes it (null value) when it is
// there: a missing key is never removed, so no system's answer to that can fail the save.
void SaveOptionalKey(const std::wstring& path, SettingKey key, const std::optional<std::string>& value)
{
    if (value || StoredSetting(path, key))
        SaveKey(path, key, value ? value->c_str() : nullptr);
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

// The left and top of the restored window in screen coordinates. The restored rectangle is in the
// coordinates of the work area of its monitor: that monitor's is added back.
ScreenPoint StoredPlace(HWND mainWindow)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(mainWindow, &placement);
    const RECT& restored = placement.rcNormalPosition;
    return StoredPosition(restored.left, restored.top, NearestMonitor(restored));
}

} // namespace

void LoadStoredInputs(HWND mainWindow)
{
    const std::wstring path = CurrentSettingsPath();
    for (const PanelInput& input : PanelInputs()) {
        if (input.section == nullptr)
            continue;
        const std::string stored = ReadSettingText(path, {input.section, input.key}, input.start);
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
            if (StoredChoosesSecond(input, stored.c_str()))
                CheckButton(mainWindow, input.id);
            break;
        case InputKind::Radios:
            CheckButton(mainWindow, input.id + (StoredChoosesSecond(input, stored.c_str()) ? kRadioStep : 0));
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

    const ScreenPoint position = StoredPlace(mainWindow);
    SaveKey(path, kPosXKey, std::to_string(position.x).c_str());
    SaveKey(path, kPosYKey, std::to_string(position.y).c_str());
    const bool topMost = IsTopMost(mainWindow);
    // Off: no key, as in a first run's file.
    SaveOptionalKey(path, kTopMostKey, topMost ? "1" : std::optional<std::string>());
    const OverlaySettings overlay = OverlayToSave();
    SaveOptionalKey(path, kSeeThroughKey, overlay.seeThrough);
    if (!overlay.keepHotkey)
        SaveOptionalKey(path, kHotkeyKey, overlay.hotkey);

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
