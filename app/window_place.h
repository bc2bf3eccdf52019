// The size and place of the main window on the monitors, without the platform: where it is
// created from the stored position.
#pragma once

#include <cstddef>

#include "dpi_scale.h"

// The main window's outer rectangle of the given size when its top-left corner is at (x, y).
ScreenRect MainWindowRect(int x, int y, PixelSize size);

// The place to create the window at: unchanged when the top strip of its title bar (stripHeight
// pixels high) meets one of the count work areas; otherwise moved into nearestWork, the work
// area of the monitor nearest to it, by the smallest move (kept whole where it fits, else its
// top-left corner at the work area's). count 0: unchanged.
ScreenPoint PlaceOnScreen(const ScreenRect& window, std::int64_t stripHeight, const ScreenRect* workAreas,
                          std::size_t count, const ScreenRect& nearestWork);
