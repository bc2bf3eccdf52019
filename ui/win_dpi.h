// The display scale of a window and the size of a frame at a scale, from the platform's
// per-monitor functions where the system has them and from the screen's scale where not.
#pragma once

#include <windows.h>

#include "dpi_scale.h"

// Pixels per inch of the whole screen (the system's scale); 96 when the system tells none.
int ScreenDpi();

// Pixels per inch of the display that window is on; the screen's where the system cannot tell.
int WindowDpi(HWND window);

// Frame and title bar of a top-level window of the given style at dpi: its outer size less
// its client size.
PixelSize FrameSizeAt(int dpi, DWORD style);

// A platform rectangle as a screen rectangle.
ScreenRect ToScreenRect(const RECT& r);

// The monitor nearest to place: its whole rectangle and work area (all zero when the system tells none).
MonitorArea NearestMonitor(const RECT& place);
