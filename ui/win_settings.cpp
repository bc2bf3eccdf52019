// The settings file vk.ini: read and written only through the profile functions, so the
// platform keeps its format (CRLF line ends, keys replaced in place, unknown keys kept).
#include "win_settings.h"

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "panel_inputs.h"
#include "settings_file.h"
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

std::string CurrentSettingsPath()
{
    // Ask for the length first: a directory of any length is taken whole, never cut or overrun.
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buffer(needed + 1, '\0');
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0 || length >= buffer.size())
        return std::string(); // changed between the two calls or failed: acts as a missing file
    return SettingsPath(std::string(buffer.data(), length));
}

std::string ReadSettingText(const std::string& path, const char* section, const char* key, const char* defaultText)
{
    if (!SettingsPathUsable(path))
        return defaultText;
    char buffer[kSettingBufferSize] = {};
    GetPrivateProfileStringA(section, key, defaultText, buffer, sizeof buffer, path.c_str());
    return buffer;
}

int ReadSettingInt(const std::string& path, const char* section, const char* key, int defaultValue)
{
    if (!SettingsPathUsable(path))
        return defaultValue;
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, path.c_str()));
}

bool WriteSettingText(const std::string& path, const char* section, const char* key, const char* value)
{
    if (!SettingsPathUsable(path)) {
        SetLastError(path.empty() ? ERROR_PATH_NOT_FOUND : ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    return WritePrivateProfileStringA(section, key, value, path.c_str()) != FALSE;
}

namespace {

// The first key that the last save could not write: the file and the system's error code.
struct FailedSave {
    bool failed = false;
    std::string path;
    DWORD error = 0;
};
FailedSave g_failedSave;

// Writes one key of the save; keeps the first failure.
void SaveKey(const std::string& path, SettingKey key, const char* value)
{
    if (!WriteSettingText(path, key.section, key.key, value) && !g_failedSave.failed)
        g_failedSave = {true, path, GetLastError()};
}

// The system's text for an error code, without its line end.
std::string SystemReason(DWORD error)
{
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' '))
        text[--length] = '\0';
    return length > 0 ? std::string(text) : "Error " + std::to_string(error) + ".";
}

void CheckButton(HWND mainWindow, int id)
{
    SendDlgItemMessageA(mainWindow, id, BM_SETCHECK, BST_CHECKED, 0);
}

// The left and top of the restored window in screen coordinates.
ScreenPoint StoredPosition(HWND mainWindow)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(mainWindow, &placement);

    // The restored rectangle is relative to the work area: add back a taskbar at the top or left.
    APPBARDATA taskbar = {};
    taskbar.cbSize = sizeof taskbar;
    SHAppBarMessage(ABM_GETTASKBARPOS, &taskbar);
    ScreenRect bar{taskbar.rc.left, taskbar.rc.top, taskbar.rc.right, taskbar.rc.bottom};
    return CorrectForTaskbar(placement.rcNormalPosition.left, placement.rcNormalPosition.top, bar);
}

} // namespace

void LoadStoredInputs(HWND mainWindow)
{
    const std::string path = CurrentSettingsPath();
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
    const std::string path = CurrentSettingsPath();
    g_failedSave = FailedSave{};

    SaveKey(path, kTitleKey, MainTitle());
    SaveKey(path, kClassNameKey, MainClassName());

    ScreenPoint position = StoredPosition(mainWindow);
    char number[24];
    std::snprintf(number, sizeof number, "%lld", static_cast<long long>(position.x));
    SaveKey(path, kPosXKey, number);
    std::snprintf(number, sizeof number, "%lld", static_cast<long long>(position.y));
    SaveKey(path, kPosYKey, number);
    const bool topMost = (GetWindowLongPtrA(mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SaveKey(path, kTopMostKey, topMost ? "1" : nullptr); // off: no key, as in a first run's file

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
    return !g_failedSave.failed;
}

void ReportFailedSave()
{
    if (!g_failedSave.failed)
        return;
    const std::string text = "Your inputs could not be saved to\n" + g_failedSave.path + "\n\n" +
                             SystemReason(g_failedSave.error) +
                             "\n\nStart vk from a folder you can write to, or make vk.ini writable.";
    MessageBoxA(nullptr, text.c_str(), "vk", MB_OK | MB_ICONWARNING);
}
