// Pixel figures of the panel at a display's scale (every figure is given for 96 DPI and scaled),
// and the rectangles of windows and monitors on the screen.
#pragma once

#include <cstdint>

// The scale that the panel's figures are given for: 96 pixels per inch (100 %).
constexpr int kBaseDpi = 96;

struct PixelSize {
    int width = 0;
    int height = 0;
};

// A rectangle in screen pixels: left and top inside, right and bottom just outside.
// 64-bit, so that a stored position near the ends of the int range plus the size cannot overflow.
struct ScreenRect {
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;
};

struct ScreenPoint {
    std::int64_t x = 0, y = 0;
};

// A monitor: its whole rectangle and its work area (less the taskbar and other desktop bars).
struct MonitorArea {
    ScreenRect monitor;
    ScreenRect work;
};

// v pixels at 96 DPI at dpi pixels per inch, to the nearest pixel with halves away from zero,
// as the platform's MulDiv(v, dpi, 96) rounds. dpi is positive.
int ScaleToDpi(int v, int dpi);

// The panel's client area at 96 DPI, in pixels; the window is this plus the frame and title bar
// that the system gives it.
constexpr int kClientWidth = 114;
constexpr int kClientHeight = 720;

// Outer size of the main window whose panel is laid out at dpi, inside a frame and title bar of
// frame pixels (outer size less client size): the client area scaled to dpi plus the frame.
PixelSize MainWindowSize(int dpi, PixelSize frame);

// The scale to lay the panel out at on a monitor of monitorDpi pixels per inch whose work area is
// workHeight pixels high, for a window whose frame and title bar are frameHeight pixels high there:
// the monitor's own when the whole window fits the work area, else the largest whole DPI below it
// at which it fits, but never below 75 % of the monitor's.
int FittedDpi(int monitorDpi, int workHeight, int frameHeight);
