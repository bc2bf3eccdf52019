// Thin Win32 adapter between the panel's controls and the platform-free dispatcher, and the
// recalculation request that reaches it through the main window.
#include "win_panel.h"

#include "controls.h"
#include "panel_inputs.h"
#include "settings_file.h"
#include "win_settings.h"

namespace {

void WriteGroup(HWND mainWindow, int driftId, int shotId, const GroupOutcome& group)
{
    switch (group.action) {
    case GroupAction::Unchanged:
        break;
    case GroupAction::Cleared:
        SetWindowTextA(GetDlgItem(mainWindow, driftId), kClearedText);
        SetWindowTextA(GetDlgItem(mainWindow, shotId), kClearedText);
        break;
    case GroupAction::Written:
        SetWindowTextA(GetDlgItem(mainWindow, driftId), group.result.driftText);
        SetWindowTextA(GetDlgItem(mainWindow, shotId), group.result.shotText);
        break;
    }
}

} // namespace

std::string FieldText(HWND mainWindow, int id)
{
    char text[kFieldBufferSize] = {};
    GetDlgItemTextA(mainWindow, id, text, sizeof text);
    return text;
}

bool IsChecked(HWND mainWindow, int id)
{
    return SendDlgItemMessageA(mainWindow, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

PanelReading ReadPanel(HWND mainWindow)
{
    PanelReading panel;
    for (const PanelInput& input : PanelInputs()) {
        if (input.text != nullptr)
            panel.*input.text = FieldText(mainWindow, input.id);
        if (input.ticked != nullptr)
            panel.*input.ticked = IsChecked(mainWindow, input.id);
        for (int i = 0; i < input.itemCount && input.checked != nullptr; ++i)
            panel.*input.checked |= IsChecked(mainWindow, input.id + kRadioStep * i) ? 1u << i : 0u;
    }
    return panel;
}

void WritePanelOutcome(HWND mainWindow, const DispatchOutcome& outcome)
{
    WriteGroup(mainWindow, IDC_TOMAHAWK_DRIFT, IDC_TOMAHAWK_SHOT, outcome.tomahawk);
    WriteGroup(mainWindow, IDC_BACKSPIN_DRIFT, IDC_BACKSPIN_SHOT, outcome.backSpin);
    WriteGroup(mainWindow, IDC_BEAM_DRIFT, IDC_BEAM_SHOT, outcome.beam);
}

LRESULT DispatchCommand(HWND mainWindow, int notificationCode, int identifier, LPARAM)
{
    if (!IsCalcCommand(notificationCode, identifier))
        return 0;
    WritePanelOutcome(mainWindow, Calculate(ReadPanel(mainWindow)));
    return 0;
}

HWND FindMainWindow()
{
    const char* className = MainClassName();
    const char* title = MainTitle();
    for (HWND found = FindWindowA(className, title); found != nullptr;
         found = FindWindowExA(nullptr, found, className, title)) {
        if (GetWindowThreadProcessId(found, nullptr) == GetCurrentThreadId())
            return found;
    }
    return nullptr;
}

void SendCalcCommand()
{
    HWND mainWindow = FindMainWindow();
    if (mainWindow != nullptr)
        SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(kCalcCommandId, 0), 0);
}
