// Start-up: the main window's class, the single-instance rule, creation at the stored place,
// and the texts by which other windows of the program find the main window.
#include "win_app.h"
#include "win_startup.h"

#include <string>
#include <vector>

#include "dispatch.h"
#include "settings_values.h"
#include "win_main_window.h"
#include "win_settings.h"

namespace {

// Read once at start-up and kept for the run: the look-ups and the saving use them.
std::string g_className = kDefaultClassName;
std::string g_title = kDefaultTitle;

// Collects every monitor's rectangle and work area.
BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        MonitorArea area;
        area.monitor = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
        area.work = {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
        reinterpret_cast<std::vector<MonitorArea>*>(data)->push_back(area);
    }
    return TRUE;
}

// The stored position, moved onto the nearest monitor's work area only when the window would
// lie wholly outside every monitor (one since removed); a partly visible place is kept.
ScreenPoint VisiblePosition(int x, int y)
{
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return PlaceOnScreen(MainWindowRect(x, y), monitors.data(), monitors.size());
}

} // namespace

ATOM RegisterMainClass(HINSTANCE instance)
{
    const std::string path = CurrentSettingsPath();
    g_className = ReadSettingText(path, "App", "ClassName", kDefaultClassName);

    // A stored name that cannot be registered (empty) or that names a class the process already
    // has (the panel's own "Edit", "Button", ...) would keep vk from ever showing its window, or
    // make every control a main window. Use the default instead; it is saved back at the end,
    // which repairs the file.
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (g_className.empty() || GetClassInfoExA(instance, g_className.c_str(), &existing)) {
        g_className = kDefaultClassName;
    }

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MYICON");
    windowClass.hCursor = static_cast<HCURSOR>(
        LoadImageA(nullptr, MAKEINTRESOURCEA(32512), IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = g_className.c_str();
    windowClass.hIconSm = nullptr;
    return RegisterClassExA(&windowClass);
}

void LoadMainTitle()
{
    g_title = ReadSettingText(CurrentSettingsPath(), "App", "AppTitle", kDefaultTitle);
}

bool ClaimSingleInstance()
{
    // The handle stays open for the life of the process: the name marks that a copy runs.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "Multiple");
    return mutex != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
}

HWND OpenMainWindow(HINSTANCE instance, int showCommand)
{
    const std::string path = CurrentSettingsPath();
    int y = ReadSettingInt(path, "Pos", "Y", kDefaultY);
    int x = ReadSettingInt(path, "Pos", "X", kDefaultX);
    ScreenPoint place = VisiblePosition(x, y);

    HWND window = CreateWindowExA(0, g_className.c_str(), g_title.c_str(), WS_CAPTION | WS_SYSMENU,
                                  static_cast<int>(place.x), static_cast<int>(place.y), kMainWidth,
                                  kMainHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return nullptr;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}

int CreateMainWindow(HINSTANCE instance, int showCommand)
{
    LoadMainTitle();
    if (!ClaimSingleInstance())
        return 0; // another copy runs: end silently, leave it untouched
    return OpenMainWindow(instance, showCommand) != nullptr ? 1 : 0;
}

const char* MainClassName()
{
    return g_className.c_str();
}

const char* MainTitle()
{
    return g_title.c_str();
}

HWND FindMainWindow()
{
    return FindWindowA(g_className.c_str(), g_title.c_str());
}

void SendCalcCommand()
{
    HWND mainWindow = FindMainWindow();
    if (mainWindow != nullptr)
        SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(kCalcCommandId, 0), 0);
}
