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

// The place to create the window at: unchanged when the top strip of its title bar (stripHeight
// pixels high) meets one of the count work areas; otherwise moved into nearestWork, the work
// area of the monitor nearest to it, by the smallest move (kept whole where it fits, else its
// top-left corner at the work area's). count 0: unchanged.
ScreenPoint PlaceOnScreen(const ScreenRect& window, std::int64_t stripHeight, const ScreenRect* workAreas,
                          std::size_t count, const ScreenRect& nearestWork);
