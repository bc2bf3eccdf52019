// The inputs vkcalc accepts (options and CSV columns): what each accepts and where it goes in the panel reading.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dispatch.h"

// How a value is checked and what it sets.
enum class FieldKind {
    List,   // one item of the panel's drop-down list (or radio labels)
    Flag,   // a check box: an option without value, or a CSV cell "0" / "1"
    Number, // an edit field: 1..8 characters, each one the field's typing filter lets through
};

// The panel control an input sets.
enum class FieldTarget { Club, Power, Spin, Ring, Fairway, Rain, Wind, Distance, Height, Direction, Slope, Beam };

struct InputField {
    const char* name;          // option name without "--", and CSV column name
    FieldKind kind;
    FieldTarget target;
    const char* const* items;  // List: the accepted items, in panel order
    std::size_t itemCount;
    bool ignoreCase;           // List: letter case ignored (clubs and irons)
    const char* numberChars;   // Number: the characters the field's typing filter accepts
    const char* accepted;      // what the field accepts, for error messages and the help
    const char* meaning;       // what the field is, for the help
};

// The most characters the panel reads from an edit field (a buffer of 9 with its terminator).
constexpr std::size_t kFieldTextMax = 8;

// All inputs, in the order of the CSV column list.
const InputField* InputFields();
std::size_t InputFieldCount();

// The input named name (exact, lower case), or nullptr.
const InputField* FindInputField(std::string_view name);

// Checks value for field and stores it into panel (list items in their panel spelling).
// For a Flag, value is "0" or "1". On rejection returns false and sets problem to a text such as
// "accepted are 1W, 2W, 3W or 2I (letter case ignored)"; panel is then unchanged.
bool ApplyInputField(const InputField& field, std::string_view value, PanelReading& panel, std::string& problem);

// Sets a Flag field's check box (option form, no value).
void SetInputFlag(const InputField& field, bool checked, PanelReading& panel);

// The value field has in panel, as an option would give it ("25", "100", "6I"; "ticked" or
// "not ticked" for a flag).
std::string PanelValueText(const InputField& field, const PanelReading& panel);

// What field accepts, as the end of an error message ("1W, 2W, 3W or 2I (letter case ignored)").
std::string DescribeAccepted(const InputField& field);

// value in double quotes for an error message: printable ASCII as is, '"' and '\' escaped,
// other bytes as \xNN; longer values are cut after 40 characters with "...".
std::string QuoteForMessage(std::string_view value);
