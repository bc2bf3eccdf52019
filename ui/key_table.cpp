// The panel's keyboard navigation table and the assignment of subclass procedures to controls.
#include "key_table.h"

#include "controls.h"

namespace {

// Key columns of the table, in this order.
constexpr int kKeys[7] = {kKeyTab, kKeyEnter, kKeySpace, kKeyDown, kKeyUp, kKeyRight, kKeyLeft};
constexpr int P = 0; // pass: the key goes on to the control's standard behaviour

struct ControlRow {
    int id;
    ControlProcedure procedure;
    int target[7]; // per key column; P to pass
    bool thenCalc[7]; // per key column: recalculate after moving the focus
    int mirror;
};

// One row per subclassed control. Lists, check boxes and radios lead into the cycle
// 310, 320, 330, 340, 350, 400; the Navigation pair leads into it from below.
// Key columns:    Tab, Enter, Space, Down, Up, Right, Left
constexpr ControlRow kRows[] = {
    {IDC_POWER, ControlProcedure::CharaCombo,
     {IDC_WIND_POWER, IDC_WIND_POWER, IDC_WIND_POWER, P, P, P, P}, {}, 0},
    {IDC_SPIN, ControlProcedure::CharaCombo,
     {IDC_WIND_POWER, IDC_WIND_POWER, IDC_WIND_POWER, P, P, P, P}, {}, 0},
    {IDC_CLUB, ControlProcedure::CharaCombo,
     {IDC_WIND_POWER, IDC_WIND_POWER, IDC_WIND_POWER, P, P, P, P}, {}, 0},
    {IDC_CRIMSON_RING, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_RAIN, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_FAIRWAY_100, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_FAIRWAY_95, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_FAIRWAY_90, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_FAIRWAY_85, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_FAIRWAY_80, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_FAIRWAY_75, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_BEAM_6I, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_BEAM_9I, ControlProcedure::OptionButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, P, IDC_WIND_POWER, IDC_CALCULATE, P, P}, {}, 0},
    {IDC_WIND_POWER, ControlProcedure::WindCombo,
     {IDC_DISTANCE, IDC_DISTANCE, IDC_DISTANCE, P, P, P, P}, {}, 0},
    {IDC_DISTANCE, ControlProcedure::DistanceEdit,
     {IDC_HEIGHT, IDC_HEIGHT, IDC_HEIGHT, IDC_HEIGHT, IDC_WIND_POWER, P, P}, {}, 0},
    {IDC_HEIGHT, ControlProcedure::HeightEdit,
     {IDC_DIRECTION, IDC_DIRECTION, IDC_DIRECTION, IDC_DIRECTION, IDC_DISTANCE, P, P}, {}, 0},
    {IDC_DIRECTION, ControlProcedure::DirectionEdit,
     {IDC_SLOPE, IDC_SLOPE, IDC_SLOPE, IDC_SLOPE, IDC_HEIGHT, P, P}, {}, IDC_NAV_DIRECTION},
    {IDC_SLOPE, ControlProcedure::SlopeEdit,
     {IDC_CALCULATE, IDC_CALCULATE, IDC_CALCULATE, IDC_CALCULATE, IDC_DIRECTION, P, P}, {},
     IDC_NAV_SLOPE},
    {IDC_CALCULATE, ControlProcedure::CalcButton,
     {IDC_WIND_POWER, IDC_WIND_POWER, IDC_WIND_POWER, IDC_WIND_POWER, IDC_SLOPE, P, P},
     {false, true, true, false, false, false, false}, 0},
    {IDC_NAV_DIRECTION, ControlProcedure::NavDirectionEdit,
     {IDC_NAV_SLOPE, IDC_NAV_SLOPE, IDC_NAV_SLOPE, IDC_NAV_SLOPE, IDC_DIRECTION, IDC_NAV_SLOPE,
      IDC_DIRECTION},
     {}, IDC_DIRECTION},
    {IDC_NAV_SLOPE, ControlProcedure::NavSlopeEdit,
     {IDC_CALCULATE, IDC_CALCULATE, IDC_CALCULATE, IDC_CALCULATE, IDC_NAV_DIRECTION, IDC_CALCULATE,
      IDC_NAV_DIRECTION},
     {}, IDC_SLOPE},
};

const ControlRow* FindRow(int id)
{
    for (const ControlRow& row : kRows) {
        if (row.id == id) {
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

ControlProcedure ProcedureOf(int id)
{
    const ControlRow* row = FindRow(id);
    return row == nullptr ? ControlProcedure::None : row->procedure;
}

int MirrorTarget(int id)
{
    const ControlRow* row = FindRow(id);
    return row == nullptr ? 0 : row->mirror;
}
