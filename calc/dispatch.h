// Calculation dispatch: the panel's texts and check states in, one outcome per shot group out.
#pragma once

#include <string>

#include "shot_inputs.h"

// The command that requests a recalculation: WM_COMMAND with notification 0 and identifier 19.
constexpr int kCalcCommandId = 19;

// Everything the dispatcher reads from the panel, as the panel returns it (the start-up panel is
// StartupReading of panel_inputs.h). Texts are those of the controls; only their first
// kFieldTextMax characters (panel_inputs.h) are used. A radio group's check states are bits,
// bit i for its radio i.
struct PanelReading {
    std::string power, spin, club, windPower, distance, height, direction, slope;
    bool crimsonRing = false;
    bool rain = false;
    unsigned fairway = 0; // the radios 100, 95, 90, 85, 80, 75
    unsigned beam = 0;    // the radios 6I, 9I
};

enum class GroupAction { Unchanged, Cleared, Written };

// What happens to one shot group's two fields.
struct GroupOutcome {
    GroupAction action = GroupAction::Unchanged;
    ShotResult result; // meaningful when action is Written
};

struct DispatchOutcome {
    GroupOutcome tomahawk; // fields 510, 520
    GroupOutcome backSpin; // fields 610, 620
    GroupOutcome beam;     // fields 730, 740
};

// True for the recalculation request (notification code 0, identifier 19).
bool IsCalcCommand(int notificationCode, int identifier);

// Turns the panel's texts and check states into the values of one calculation.
ShotInputs ReadShotInputs(const PanelReading& panel);

// Runs one complete calculation: decides each group by club and distance and runs its models.
DispatchOutcome Calculate(const PanelReading& panel);

// The text written into both fields of a group whose shot is not offered.
constexpr const char* kClearedText = "---";
