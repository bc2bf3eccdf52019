// The main window: its procedure, the panel of 34 controls, the two fonts and the painted labels.
#pragma once

#include <windows.h>

// Window procedure of the main window's class.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints the main window's dial, at the scale the panel is laid out at, without erasing.
void RepaintMainDial(HWND window);
