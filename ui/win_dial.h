// The direction dial: drawn by the main window's paint handling, driven by its mouse messages.
#pragma once

#include <windows.h>

#include "dial_math.h"

// Which value a mouse button points: the left one the wind direction, the right one the slope.
enum class DialButton { Wind, Slope };

// Draws the dial picture and the wind and slope lines at the panel's scale (dpi, pixels per inch);
// writes a pointed value into the fields.
void DrawDial(HWND window, HDC dc, int dpi);

// A press at p on the panel laid out at dpi: inside the dial it records the point and repaints
// with erasing; outside it recalculates and gives the focus to the wind power list.
void DialPress(HWND window, DialButton button, DialPoint p, int dpi);

// A move to p with the button held: records the point; inside the dial it repaints the dial.
void DialDrag(HWND window, DialButton button, DialPoint p, int dpi);

// Repaints the dial of the panel laid out at dpi without erasing: only its rectangle, in which no
// label lies, so that the labels are drawn once per erase.
void RepaintDial(HWND window, int dpi);
