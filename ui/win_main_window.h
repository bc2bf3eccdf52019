// The main window: its procedure, the panel of 34 controls, the two fonts and the painted labels.
#pragma once

#include <windows.h>

// Window procedure of the main window's class.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints the main window's dial, at the scale the panel is laid out at, without erasing.
void RepaintMainDial(HWND window);

// Lays the panel out at the scale at which the whole window fits its monitor's work area (the
// monitor's own scale where it fits) and sizes the window to it; a fitted window is moved up
// until its bottom lies inside the work area.
void FitMainWindow(HWND window);

// True while the window is kept above all others.
bool IsTopMost(HWND window);
