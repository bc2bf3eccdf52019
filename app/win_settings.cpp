// The settings file vk.ini: read and written only through the profile functions, so the
// platform keeps its format (CRLF line ends, keys replaced in place, unknown keys kept).
#include "win_settings.h"

#include <shellapi.h>

#include <cstdio>
#include <vector>

#include "controls.h"
#include "settings_values.h"
#include "win_app.h"

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

void WriteSettingText(const std::string& path, const char* section, const char* key, const char* value)
{
    if (!SettingsPathUsable(path))
        return;
    WritePrivateProfileStringA(section, key, value, path.c_str());
}

namespace {

// One field's text as stored: at most its first 8 characters.
void WriteFieldText(const std::string& path, HWND mainWindow, int id, const char* section, const char* key)
{
    char text[kFieldBufferSize] = {};
    GetDlgItemTextA(mainWindow, id, text, sizeof text);
    WriteSettingText(path, section, key, text);
}

bool IsChecked(HWND mainWindow, int id)
{
    return SendMessageA(GetDlgItem(mainWindow, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
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

void SaveSettings(HWND mainWindow)
{
    const std::string path = CurrentSettingsPath();

    WriteSettingText(path, "App", "AppTitle", MainTitle());
    WriteSettingText(path, "App", "ClassName", MainClassName());

    ScreenPoint position = StoredPosition(mainWindow);
    char number[24];
    std::snprintf(number, sizeof number, "%lld", static_cast<long long>(position.x));
    WriteSettingText(path, "Pos", "X", number);
    std::snprintf(number, sizeof number, "%lld", static_cast<long long>(position.y));
    WriteSettingText(path, "Pos", "Y", number);

    WriteFieldText(path, mainWindow, IDC_POWER, "Chara", "Power");
    WriteFieldText(path, mainWindow, IDC_SPIN, "Chara", "Spin");
    WriteFieldText(path, mainWindow, IDC_CLUB, "Chara", "Club");
    WriteSettingText(path, "Chara", "CrimsonRing", CrimsonRingText(IsChecked(mainWindow, IDC_CRIMSON_RING)));

    WriteFieldText(path, mainWindow, IDC_WIND_POWER, "Situation", "WindPower");
    WriteFieldText(path, mainWindow, IDC_DISTANCE, "Situation", "Distance");
    WriteFieldText(path, mainWindow, IDC_HEIGHT, "Situation", "Height");
    WriteFieldText(path, mainWindow, IDC_DIRECTION, "Situation", "Direction");
    WriteFieldText(path, mainWindow, IDC_SLOPE, "Situation", "Slope");

    WriteSettingText(path, "Beam", "Club", BeamClubText(IsChecked(mainWindow, IDC_BEAM_9I)));
}
