// The panel's keyboard navigation table, the assignment of subclass procedures to controls and the
// mirrored fields.
#include "key_table.h"

#include "controls.h"
#include "panel_inputs.h"

namespace {

// Key columns of the table, in this order.
constexpr int kKeys[7] = {kKeyTab, kKeyEnter, kKeySpace, kKeyDown, kKeyUp, kKeyRight, kKeyLeft};
constexpr int kPass = 0; // the key goes on to the control's standard behaviour

// The controls that one row applies to: up to ten identifiers, the unused ones 0.
using ControlIds = int[10];

struct ControlRow {
    ControlIds ids;
    ControlProcedure procedure;
    int target[7]; // per key column; kPass to pass
    bool thenCalc[7]; // per key column: recalculate after moving the focus
};

// One row per kind of subclassed control. Lists, check boxes and radios lead into the cycle
// 310, 320, 330, 340, 350, 400; the Navigation pair leads into it from below.
// Key columns:    Tab, Enter, Space, Down, Up, Right, Left
constexpr ControlRow kRows[] = {
    {{IDC_POWER, IDC_SPIN, IDC_CLUB}, ControlProcedure::CharaCombo,
     {IDC_WIND_POWER, IDC_WIND_POWER, IDC_WIND_POWER, kPass, kPass, kPass, kPass}, {}},
    {{IDC_CRIMSON_RING, IDC_RAIN, IDC_FAIRWAY_100, IDC_FAIRWAY_95, IDC_FAIRWAY_90, IDC_FAIRWAY_85, IDC_FAIRWAY_80,
      IDC_FAIRWAY_75, IDC_BEAM_6I, IDC_BEAM_9I},
     ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, kPass, IDC_WIND_POWER, IDC_CALCULATE, kPass, kPass}, {}},
    {{IDC_WIND_POWER}, ControlProcedure::WindCombo,
     {IDC_DISTANCE, IDC_DISTANCE, IDC_DISTANCE, kPass, kPass, kPass, kPass}, {}},
    {{IDC_DISTANCE}, ControlProcedure::DistanceEdit,
     {IDC_HEIGHT, IDC_HEIGHT, IDC_HEIGHT, IDC_HEIGHT, IDC_WIND_POWER, kPass, kPass}, {}},
    {{IDC_HEIGHT}, ControlProcedure::HeightEdit,
     {IDC_DIRECTION, IDC_DIRECTION, IDC_DIRECTION, IDC_DIRECTION, IDC_DISTANCE, kPass, kPass}, {}},
    {{IDC_DIRECTION}, ControlProcedure::DirectionEdit,
     {IDC_SLOPE, IDC_SLOPE, IDC_SLOPE, IDC_SLOPE, IDC_HEIGHT, kPass, kPass}, {}},
    {{IDC_SLOPE}, ControlProcedure::SlopeEdit,
     {IDC_CALCULATE, IDC_CALCULATE, IDC_CALCULATE, IDC_CALCULATE, IDC_DIRECTION, kPass, kPass}, {}},
    {{IDC_CALCULATE}, ControlProcedure::CalcButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, IDC_WIND_POWER, IDC_WIND_POWER, IDC_SLOPE, kPass, kPass},
     {false, true, true, false, false, false, false}},
    {{IDC_NAV_DIRECTION}, ControlProcedure::NavDirectionEdit,
     {IDC_NAV_SLOPE, IDC_NAV_SLOPE, IDC_NAV_SLOPE, IDC_NAV_SLOPE, IDC_DIRECTION, IDC_NAV_SLOPE, IDC_DIRECTION}, {}},
    {{IDC_NAV_SLOPE}, ControlProcedure::NavSlopeEdit,
     {IDC_CALCULATE, IDC_CALCULATE, IDC_CALCULATE, IDC_CALCULATE, IDC_NAV_DIRECTION, IDC_CALCULATE,
      IDC_NAV_DIRECTION},
     {}},
};

const ControlRow* FindRow(int id)
{
    for (const ControlRow& row : kRows) {
        for (const int rowId : row.ids) {
            if (rowId == id && id != 0)
                return &row;
        }
    }
    return nullptr;
}

} // namespace

KeyAction NavigationKey(int id, int virtualKey)
{
    KeyAction action;
    const ControlRow* row = FindRow(id);
    if (row == nullptr) {
        return action;
    }
    for (int column = 0; column < 7; ++column) {
        if (kKeys[column] == virtualKey) {
            action.target = row->target[column];
            action.thenCalc = row->thenCalc[column];
        }
    }
    return action;
}

ControlProcedure ProcedureKindOf(int id)
{
    const ControlRow* row = FindRow(id);
    return row == nullptr ? ControlProcedure::None : row->procedure;
}

int MirrorTarget(int id)
{
    for (const PanelInput& input : PanelInputs()) {
        if (input.mirror != 0 && input.id == id)
            return input.mirror;
        if (input.mirror != 0 && input.mirror == id)
            return input.id;
    }
    return 0;
}
