// Pixel figures of the panel at a display's scale: every figure is given for 96 DPI and scaled.
#pragma once

// The scale that the panel's figures are given for: 96 pixels per inch (100 %).
constexpr int kBaseDpi = 96;

struct PixelSize {
    int width = 0;
    int height = 0;
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
