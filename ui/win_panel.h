// The calculator's view of the panel: reads the inputs, writes the result texts, and the
// recalculation request that the panel's windows send to the main window.
#pragma once

#include <windows.h>

#include "dispatch.h"

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
