// The main window: its procedure, the panel of 34 controls, the two fonts and the painted labels.
#pragma once

#include <windows.h>

#include <cstddef>

// Window procedure of the main window's class.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// One painted label: the top-left corner of its text in client pixels, and the text in code page 932.
struct PanelLabel {
    int x, y;
    const char* text;
};

// The 26 labels in painting order; count receives their number.
const PanelLabel* PanelLabels(std::size_t* count);
