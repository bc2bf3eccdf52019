// The display scale of a window and the size of a frame at a scale. GetDpiForWindow and
// AdjustWindowRectExForDpi exist from Windows 10 (1607) on: they are looked up at run time, so
// that vk still starts on older systems, where the whole screen has one scale.
#include "win_dpi.h"

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// A function of user32.dll by name; null where the system lacks it.
template <typename Function>
Function User32Function(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

} // namespace

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window)
{
    static const DpiForWindow dpiForWindow = User32Function<DpiForWindow>("GetDpiForWindow");
    const int dpi = dpiForWindow != nullptr ? static_cast<int>(dpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}

PixelSize FrameSizeAt(int dpi, DWORD style)
{
    static const AdjustForDpi adjustForDpi = User32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT r = {0, 0, 0, 0};
    if (adjustForDpi != nullptr && adjustForDpi(&r, style, FALSE, 0, static_cast<UINT>(dpi)))
        return {r.right - r.left, r.bottom - r.top};
    // Without it the frame is the screen's: scaled from the screen's scale to dpi.
    AdjustWindowRectEx(&r, style, FALSE, 0);
    const int screenDpi = ScreenDpi();
    return {MulDiv(r.right - r.left, dpi, screenDpi), MulDiv(r.bottom - r.top, dpi, screenDpi)};
}

ScreenRect ToScreenRect(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

MonitorArea NearestMonitor(const RECT& place)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &info);
    return {ToScreenRect(info.rcMonitor), ToScreenRect(info.rcWork)};
}
