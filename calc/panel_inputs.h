// The panel's input controls as data, in the manner of a settings schema: per input its control,
// settings key, kind, items, start-up value and typing filter. The list fillers, loading and
// saving the stored inputs, the start-up panel reading and vkcalc's options all read it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dispatch.h"

enum class InputKind {
    List,   // a drop-down list; its text is the selected item
    Text,   // an edit field
    Check,  // a check box; its items are the stored words for unticked and ticked
    Radios, // a radio group: one item per radio, whose controls are id, id + 10, ...
};

// Which typed characters an edit field lets through.
enum class CharFilter {
    None,     // not an edit field: every character passes
    Unsigned, // digits, '.' and backspace
    Signed,   // digits, '-', '.' and backspace
};

struct PanelInput {
    const char* name;                // vkcalc's option and CSV column
    int id;                          // the control; of a radio group its first radio
    InputKind kind;
    const char* section;             // settings section and key; nullptr when not stored
    const char* key;
    const char* const* items;        // List, Radios: in panel order; Check: the stored words
    int itemCount;
    const char* start;               // the start-up text or item, also the stored default
    int mirror;                      // Text: the Navigation field shown the same stored value, or 0
    CharFilter filter;               // Text: what typing lets through
    std::string PanelReading::*text; // List, Text: the text the dispatcher reads
    bool PanelReading::*ticked;      // Check
    unsigned PanelReading::*checked; // Radios: bit i for radio i
    const char* meaning;             // what the input is, for vkcalc's help
};

struct PanelInputRange {
    const PanelInput* first;
    std::size_t count;
    const PanelInput* begin() const { return first; }
    const PanelInput* end() const { return first + count; }
};

// The inputs in the panel's creation order.
PanelInputRange PanelInputs();

// The input named name, or nullptr.
const PanelInput* FindPanelInput(std::string_view name);

// The reading of the panel at start-up: every input at its start value, both boxes unticked.
PanelReading StartupReading();

// Sets input in panel to value: a list's item (letter case ignored, stored in the list's own
// spelling), an edit field's text as given, a check box by "1" (ticked) or "0", a radio group's
// radio by its item. False, and panel unchanged, when value is none of these.
bool SetPanelInput(const PanelInput& input, std::string_view value, PanelReading& panel);

// The choice a stored text makes for a check box or a pair of radios: 1 (ticked, the second
// radio) when its first character is the first character of the second item, otherwise 0.
int StoredChoice(const PanelInput& input, const char* stored);

// True when filter lets the typed character code through (the whole code, unsigned).
bool FilterAccepts(CharFilter filter, std::uintptr_t code);
