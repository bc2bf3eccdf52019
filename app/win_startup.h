// The steps of start-up below CreateMainWindow, separate so that tests can open the window in-process.
#pragma once

#include <windows.h>

// Reads the title ("App", "AppTitle") from the settings file and keeps it for the run.
void LoadMainTitle();

// Creates the named mutex "Multiple" (held until the process ends); false when it already existed.
bool ClaimSingleInstance();

// Creates the main window at its stored position (brought back onto a monitor only when wholly
// outside every one), shows it with showCommand and paints it. Null when creation failed.
HWND OpenMainWindow(HINSTANCE instance, int showCommand);
