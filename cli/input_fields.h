// The inputs vkcalc accepts, as options and CSV columns: the panel's inputs, each value checked
// against what the panel's control can hold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "panel_inputs.h"

// Every input once, in the order vkcalc's help and documentation list them: the club first.
const std::vector<const PanelInput*>& OptionInputs();

// The place of input in the panel's description, for marking the inputs already given.
std::size_t InputIndex(const PanelInput& input);

// Checks value for input and stores it into panel (list items in their panel spelling, letter
// case ignored). A check box takes "0" or "1". On rejection returns false and sets problem to a
// text such as "accepted are 1W, 2W, 3W or 2I (letter case ignored)"; panel is then unchanged.
bool ApplyInputField(const PanelInput& input, std::string_view value, PanelReading& panel, std::string& problem);

// The value input has in panel, as an option would give it ("25", "100", "6I"; "ticked" or
// "not ticked" for a check box).
std::string PanelValueText(const PanelInput& input, const PanelReading& panel);

// What input accepts, as the end of an error message ("1W, 2W, 3W or 2I (letter case ignored)").
std::string DescribeAccepted(const PanelInput& input);

// value in double quotes for an error message: printable ASCII as is, '"' and '\' escaped,
// other bytes as \xNN; longer values are cut after 40 characters with "...".
std::string QuoteForMessage(std::string_view value);
