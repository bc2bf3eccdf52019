// The direction dial: drawn by the main window's paint handling, driven by its mouse messages.
#pragma once

#include <windows.h>

// Draws the dial picture and the wind and slope lines at the panel's scale (dpi, pixels per inch);
// writes a pointed value into the fields.
void DrawDial(HWND window, HDC dc, int dpi);

// Handles WM_LBUTTONDOWN, WM_RBUTTONDOWN and WM_MOUSEMOVE of the main window laid out at dpi.
void DialMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int dpi);
