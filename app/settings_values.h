// What the start-up needs without the platform: the main window's size, and the place it is
// created at from the stored position (the keys and their defaults are in panel_inputs.h).
#pragma once

#include <cstddef>

#include "settings_file.h"

// Outer size of the main window in pixels, title bar and frame included.
constexpr int kMainWidth = 120;
constexpr int kMainHeight = 745;

// The main window's outer rectangle when its top-left corner is at (x, y).
ScreenRect MainWindowRect(int x, int y);

// A monitor: its whole rectangle and its work area (less the taskbar).
struct MonitorArea {
    ScreenRect monitor;
    ScreenRect work;
};

// The place to create the window at: window unchanged when it overlaps any monitor, even by one
// pixel; when it lies wholly outside every monitor, moved onto the work area of the nearest one
// (kept whole where it fits, else its top-left corner at the work area's). count 0: unchanged.
ScreenPoint PlaceOnScreen(const ScreenRect& window, const MonitorArea* monitors, std::size_t count);
