// Thin Win32 adapter between the panel's controls and the platform-free dispatcher.
#include "win_panel.h"

#include "controls.h"
#include "settings_values.h"

namespace {

std::string FieldText(HWND mainWindow, int id)
{
    char text[kFieldBufferSize] = {};
    GetDlgItemTextA(mainWindow, id, text, sizeof text);
    return text;
}

bool IsChecked(HWND mainWindow, int id)
{
    return SendMessageA(GetDlgItem(mainWindow, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

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

PanelReading ReadPanel(HWND mainWindow)
{
    PanelReading panel;
    panel.power = FieldText(mainWindow, IDC_POWER);
    panel.spin = FieldText(mainWindow, IDC_SPIN);
    panel.club = FieldText(mainWindow, IDC_CLUB);
    panel.windPower = FieldText(mainWindow, IDC_WIND_POWER);
    panel.distance = FieldText(mainWindow, IDC_DISTANCE);
    panel.height = FieldText(mainWindow, IDC_HEIGHT);
    panel.direction = FieldText(mainWindow, IDC_DIRECTION);
    panel.slope = FieldText(mainWindow, IDC_SLOPE);

    static const int fairwayIds[6] = {IDC_FAIRWAY_100, IDC_FAIRWAY_95, IDC_FAIRWAY_90,
                                      IDC_FAIRWAY_85,  IDC_FAIRWAY_80, IDC_FAIRWAY_75};
    for (int i = 0; i < 6; ++i)
        panel.fairway[i] = IsChecked(mainWindow, fairwayIds[i]);
    panel.rain = IsChecked(mainWindow, IDC_RAIN);
    panel.crimsonRing = IsChecked(mainWindow, IDC_CRIMSON_RING);
    panel.beam6I = IsChecked(mainWindow, IDC_BEAM_6I);
    panel.beam9I = IsChecked(mainWindow, IDC_BEAM_9I);
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
