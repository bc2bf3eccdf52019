// The main window over a game: see-through while another window is active (a layered window and
// a poll of the pointer) and one key to bring it up and send it back (a registered hotkey), with
// their two system menu items.
#pragma once

#include <windows.h>

#include "overlay_choice.h"

// At creation: reads both choices from the settings file, puts their items into the system menu
// right after the item of afterCommand, registers the key and makes the window layered as chosen.
void StartOverlay(HWND window, UINT afterCommand);

// A system menu command (low four bits cleared): true when it was one of the two items, toggled.
bool OverlayCommand(HWND window, UINT command);

// The window became active or inactive (WM_ACTIVATE).
void OverlayActivated(HWND window, bool active);

// A timer of the main window went off (WM_TIMER).
void OverlayTimer(HWND window, UINT_PTR timer);

// A registered key was pressed (WM_HOTKEY).
void OverlayHotkey(HWND window, WPARAM id);

// Both choices as they are to be saved.
OverlaySettings OverlayToSave();

// At destruction, after the save: the key is given back and the poll stopped.
void StopOverlay(HWND window);
