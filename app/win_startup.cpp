// Start-up: the main window's class, the single-instance rule and creation at the stored place,
// with the class name, title and position read from the settings file.
#include "win_startup.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "win_dpi.h"
#include "win_main_window.h"
#include "win_settings.h"
#include "window_place.h"

namespace {

// Title bar, frame and system menu only: no sizing border, no minimise or maximise box.
constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU;

// The top strip of the title bar that must stay on a work area, in pixels at 96 DPI.
constexpr int kTitleStripHeight = 20;

// The main window's outer size at dpi: the panel's client area with the frame the system gives
// at that scale (120 by 745 at 96 DPI where the frame is 6 by 25).
PixelSize MainSizeAt(int dpi)
{
    return MainWindowSize(dpi, FrameSizeAt(dpi, kMainStyle));
}

// Collects every monitor's work area.
BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<ScreenRect>*>(data)->push_back(ToScreenRect(info.rcWork));
    return TRUE;
}

// A screen coordinate within the platform's range.
LONG ToLong(std::int64_t v)
{
    return static_cast<LONG>(std::clamp<std::int64_t>(v, LONG_MIN, LONG_MAX));
}

// The stored position, kept while the top strip of the title bar (20 pixels at dpi) meets some
// monitor's work area, so that the window can be taken by its title bar; else moved onto the work
// area of the monitor nearest to it (one since removed, or a place no title bar can be reached at).
ScreenPoint VisiblePosition(int x, int y, PixelSize size, int dpi)
{
    std::vector<ScreenRect> workAreas;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&workAreas));
    const ScreenRect window = MainWindowRect(x, y, size);
    const RECT r = {ToLong(window.left), ToLong(window.top), ToLong(window.right), ToLong(window.bottom)};
    return PlaceOnScreen(window, ScaleToDpi(kTitleStripHeight, dpi), workAreas.data(), workAreas.size(),
                         NearestMonitor(r).work);
}

} // namespace

ATOM RegisterMainClass(HINSTANCE instance)
{
    LoadMainClassName(instance); // kept for the run: the look-ups and the saving use it

    // The fields left zero: no extra bytes, no menu, and the small icon made from the large one.
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MYICON");
    windowClass.hCursor = static_cast<HCURSOR>(
        LoadImageA(nullptr, MAKEINTRESOURCEA(32512), IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = MainClassName();
    return RegisterClassExA(&windowClass);
}

namespace {

// The single-instance mutex while this copy's window lives.
HANDLE g_instanceMutex = nullptr;

} // namespace

bool ClaimSingleInstance()
{
    // The handle stays open while the window lives: the name marks that a copy runs. Only an
    // existing mutex of that name means another copy, also one this process may not open (a copy
    // run by another user or elevated); the name held by another kind of object does not keep vk
    // from starting.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "Multiple");
    const DWORD error = GetLastError();
    if (mutex == nullptr)
        return error != ERROR_ACCESS_DENIED;
    g_instanceMutex = mutex;
    return error != ERROR_ALREADY_EXISTS;
}

void ReleaseSingleInstance()
{
    if (g_instanceMutex != nullptr)
        CloseHandle(g_instanceMutex);
    g_instanceMutex = nullptr;
}

HWND OpenMainWindow(HINSTANCE instance, int showCommand)
{
    const WindowStart start = StoredWindowStart();
    const int dpi = ScreenDpi();
    const PixelSize size = MainSizeAt(dpi);
    const ScreenPoint place = VisiblePosition(start.x, start.y, size, dpi);

    HWND window = CreateWindowExA(start.topMost ? WS_EX_TOPMOST : 0, MainClassName(), MainTitle(), kMainStyle,
                                  static_cast<int>(place.x), static_cast<int>(place.y), size.width, size.height,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return nullptr;
    // On a display of another scale than the screen's (each monitor its own), the window's own;
    // on a work area too low for the window, fitted to it.
    FitMainWindow(window);
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
