// The settings file vk.ini: every key, its default and the order of writing; the window's names,
// place and options read at start-up, and the panel's inputs and the window loaded and saved.
#pragma once

#include <windows.h>

#include <string>

#include "overlay_choice.h"

// The class name and title that the panel's windows find the main window by: read from the
// settings file at start-up, kept for the whole run and written back at its end. The class name
// is the default (the program's name and version) when it is missing, empty or names a class the
// process already has; so is the title when it is missing.
void LoadMainClassName(HINSTANCE instance);
void LoadMainTitle();
const char* MainClassName();
const char* MainTitle();

// Where and how the window starts: its left and top (screen coordinates, read as
// GetPrivateProfileInt reads them) and whether it is kept above all others.
struct WindowStart {
    int x, y;
    bool topMost;
};
WindowStart StoredWindowStart();

// The see-through and hotkey options as stored.
OverlaySettings StoredOverlay();

// Sets the stored inputs into the main window's controls (texts exactly as stored).
void LoadStoredInputs(HWND mainWindow);

// Writes every setting in the file's fixed order: title, class name, restored position
// (in screen coordinates), whether the window is kept on top, see-through and the hotkey, then the
// stored inputs in the panel's order. False when any key could not be written; the first failure
// is kept for ReportFailedSave.
bool SaveSettings(HWND mainWindow);

// When the last save failed: says so in a message box without owner, brought to the front and
// kept on top when the window was (the file's path, the system's reason and what the player can
// do), and returns when the player has closed it.
void ReportFailedSave();
