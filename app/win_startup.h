// Start-up of the program: the main window's class, the single-instance rule and creation at the
// stored place; its steps below CreateMainWindow are separate so that tests can open the window
// in-process.
#pragma once

#include <windows.h>

// Registers the main window's class under the class name read from the settings file; 0 on failure.
ATOM RegisterMainClass(HINSTANCE instance);

// Creates and shows the main window unless another copy runs; 1 when shown, 0 otherwise.
int CreateMainWindow(HINSTANCE instance, int showCommand);

// Creates the named mutex "Multiple" (held until ReleaseSingleInstance); false when it already
// existed (another copy runs, or a mutex of that name exists that this process may not open),
// true also when the name is held by another kind of object.
bool ClaimSingleInstance();

// Closes the mutex once the window is gone, so that a new copy can start while this one still
// shows a message.
void ReleaseSingleInstance();

// Creates the main window at its stored position (brought back onto a monitor when the top of
// its title bar would lie on no work area), shows it with showCommand and paints it. Null when
// creation failed.
HWND OpenMainWindow(HINSTANCE instance, int showCommand);
