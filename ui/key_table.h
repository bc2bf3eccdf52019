// The panel's keyboard navigation as data: where each navigation key moves the focus, per control.
#pragma once

// Virtual-key codes of the keys the panel reacts to (the platform's numbers).
constexpr int kKeyTab = 9;
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

// What one key does in one control.
struct KeyAction {
    int target = 0;        // control that receives the focus (key consumed); 0: the key passes on
    bool thenCalc = false; // after moving the focus, request a recalculation (the button's Enter, Space)
};

// The action of virtualKey (WM_KEYDOWN code, modifiers ignored) in control id.
// Keys and controls outside the table pass on.
KeyAction NavigationKey(int id, int virtualKey);

// The ten subclass procedures of the panel; None for controls that have none.
enum class ControlProcedure {
    None, CharaCombo, OptionButton, WindCombo, DistanceEdit, HeightEdit,
    DirectionEdit, SlopeEdit, CalcButton, NavDirectionEdit, NavSlopeEdit,
};

// Which of the ten subclass procedures is installed on control id.
ControlProcedure ProcedureKindOf(int id);

// The field that id's text is copied into when id loses the focus, and that shows the same stored
// value: an edit field's Navigation mirror and back (340 and 810, 350 and 820); 0 for none.
int MirrorTarget(int id);
