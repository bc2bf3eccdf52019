// The calculator's view of the panel: reads the inputs, writes the result texts, and the
// recalculation request that the panel's windows send to the main window.
#pragma once

#include <windows.h>

#include <string>

#include "dispatch.h"

// The text of the main window's control id, at most its first 8 characters (the length that
// counts for calculating, mirroring and saving).
std::string FieldText(HWND mainWindow, int id);

// True when the check box or radio id of the main window is checked.
bool IsChecked(HWND mainWindow, int id);

// The eight input texts (at most 8 characters each) and the check states (exactly 1 is checked).
PanelReading ReadPanel(HWND mainWindow);

// Writes each group's outcome: the model's two texts, "---" when cleared, nothing when unchanged.
void WritePanelOutcome(HWND mainWindow, const DispatchOutcome& outcome);

// The main window's command handling: recalculates on CalcCommand only, touching nothing
// for any other command. Returns 0.
LRESULT DispatchCommand(HWND mainWindow, int notificationCode, int identifier, LPARAM other);

// The main window: the first top-level window with the run's class name and title that belongs
// to this thread (null when there is none), so a window of another program with the same names
// is passed by.
HWND FindMainWindow();

// Sends the recalculation request to the main window and returns when it is done.
void SendCalcCommand();
