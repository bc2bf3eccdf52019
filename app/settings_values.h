// What the start-up needs without the platform: the main window's size, and the place it is
// created at from the stored position (the keys and their defaults are in panel_inputs.h).
#pragma once

#include <cstddef>

#include "dpi_scale.h"
#include "settings_file.h"

// Outer size of the main window in pixels at 96 DPI, title bar and frame included.
constexpr int kMainWidth = 120;
constexpr int kMainHeight = 745;

// Outer size of the main window at dpi, given its frame and title bar (outer size less client
// size) at 96 DPI and at dpi: the client area that 120 by 745 leave at 96 DPI, scaled to dpi,
// inside the frame at dpi. At 96 DPI exactly 120 by 745.
PixelSize MainWindowSize(int dpi, PixelSize frame96, PixelSize frameAtDpi);

// The main window's outer rectangle of the given size when its top-left corner is at (x, y).
ScreenRect MainWindowRect(int x, int y, PixelSize size);

// A monitor: its whole rectangle and its work area (less the taskbar).
struct MonitorArea {
    ScreenRect monitor;
    ScreenRect work;
};

// The place to create the window at: window unchanged when it overlaps any monitor, even by one
// pixel; when it lies wholly outside every monitor, moved onto the work area of the nearest one
// (kept whole where it fits, else its top-left corner at the work area's). count 0: unchanged.
ScreenPoint PlaceOnScreen(const ScreenRect& window, const MonitorArea* monitors, std::size_t count);
