// Start-up of the program and the process-wide texts that other windows use to find the main window.
#pragma once

#include <windows.h>

// Registers the main window's class under the class name read from the settings file; 0 on failure.
ATOM RegisterMainClass(HINSTANCE instance);

// Creates and shows the main window unless another copy runs; 1 when shown, 0 otherwise.
int CreateMainWindow(HINSTANCE instance, int showCommand);

// The class name and title read at start-up and kept for the whole run.
const char* MainClassName();
const char* MainTitle();

// The main window, looked up by class name and title (null when it cannot be found).
HWND FindMainWindow();

// Sends the recalculation request to the main window and returns when it is done.
void SendCalcCommand();
