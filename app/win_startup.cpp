// Start-up: the main window's class, the single-instance rule and creation at the stored place,
// with the class name, title and position read from the settings file.
#include "win_startup.h"

#include <string>
#include <vector>

#include "panel_inputs.h"
#include "settings_values.h"
#include "win_dpi.h"
#include "win_main_window.h"
#include "win_settings.h"

namespace {

// Title bar, frame and system menu only: no sizing border, no minimise or maximise box.
constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU;

// The main window's outer size at dpi: 120 by 745 at 96 DPI.
PixelSize MainSizeAt(int dpi)
{
    return MainWindowSize(dpi, FrameSizeAt(kBaseDpi, kMainStyle), FrameSizeAt(dpi, kMainStyle));
}

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
ScreenPoint VisiblePosition(int x, int y, PixelSize size)
{
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return PlaceOnScreen(MainWindowRect(x, y, size), monitors.data(), monitors.size());
}

} // namespace

ATOM RegisterMainClass(HINSTANCE instance)
{
    const std::string path = CurrentSettingsPath();
    std::string className = ReadSettingText(path, kClassNameKey.section, kClassNameKey.key, kDefaultClassName);

    // A stored name that cannot be registered (empty) or that names a class the process already
    // has (the panel's own "Edit", "Button", ...) would keep vk from ever showing its window, or
    // make every control a main window. Use the default instead; it is saved back at the end,
    // which repairs the file.
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (className.empty() || GetClassInfoExA(instance, className.c_str(), &existing)) {
        className = kDefaultClassName;
    }
    SetMainClassName(className); // kept for the run: the look-ups and the saving use it

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
    windowClass.lpszClassName = MainClassName();
    windowClass.hIconSm = nullptr;
    return RegisterClassExA(&windowClass);
}

void LoadMainTitle()
{
    SetMainTitle(ReadSettingText(CurrentSettingsPath(), kTitleKey.section, kTitleKey.key, kDefaultTitle));
}

bool ClaimSingleInstance()
{
    // The handle stays open for the life of the process: the name marks that a copy runs. Only an
    // existing mutex of that name means another copy, also one this process may not open (a copy
    // run by another user or elevated); the name held by another kind of object does not keep vk
    // from starting.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "Multiple");
    const DWORD error = GetLastError();
    if (mutex == nullptr)
        return error != ERROR_ACCESS_DENIED;
    return error != ERROR_ALREADY_EXISTS;
}

HWND OpenMainWindow(HINSTANCE instance, int showCommand)
{
    const std::string path = CurrentSettingsPath();
    int y = ReadSettingInt(path, kPosYKey.section, kPosYKey.key, kDefaultY);
    int x = ReadSettingInt(path, kPosXKey.section, kPosXKey.key, kDefaultX);
    const bool topMost = ReadSettingInt(path, kTopMostKey.section, kTopMostKey.key, 0) == 1;
    const PixelSize size = MainSizeAt(ScreenDpi());
    ScreenPoint place = VisiblePosition(x, y, size);

    HWND window = CreateWindowExA(topMost ? WS_EX_TOPMOST : 0, MainClassName(), MainTitle(), kMainStyle,
                                  static_cast<int>(place.x), static_cast<int>(place.y), size.width, size.height,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return nullptr;
    // On a display of another scale than the screen's (each monitor its own), the window's own.
    const PixelSize fitted = MainSizeAt(WindowDpi(window));
    if (fitted.width != size.width || fitted.height != size.height)
        SetWindowPos(window, nullptr, 0, 0, fitted.width, fitted.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
