// The main window: its procedure, the panel of 34 controls, the two fonts and the painted labels.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// The class name and title that the panel's windows find the main window by: read from the
// settings file at start-up, kept for the whole run and written back at its end.
void SetMainWindowNames(const std::string& className, const std::string& title);
const char* MainClassName();
const char* MainTitle();

// The main window, looked up by class name and title (null when it cannot be found).
HWND FindMainWindow();

// Sends the recalculation request to the main window and returns when it is done.
void SendCalcCommand();

// Window procedure of the main window's class.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// One painted label: the top-left corner of its text in client pixels, and the text in code page 932.
struct PanelLabel {
    int x, y;
    const char* text;
};

// The 26 labels in painting order; count receives their number.
const PanelLabel* PanelLabels(std::size_t* count);
