// The subclass procedures that give the panel's input controls their keyboard and focus behaviour.
#pragma once

#include <windows.h>

// Subclasses control (a child of the main window) with the procedure its identifier calls for,
// keeping the control's previous procedure to pass messages on. Controls without one are left
// alone, and so is a control whose previous procedure cannot be kept.
void InstallSubclass(HWND control);
