// The panel's input controls as data, in the manner of a settings schema: per input its control,
// settings key, kind, items, start-up value and typing filter, and beside them the facts every
// reader of a control shares. The list fillers, loading and saving the inputs, the start-up panel
// reading and vkcalc's options all read it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dispatch.h"

// A field's text is read through a buffer of kFieldBufferSize characters, its terminator
// included: at most kFieldTextMax characters count for calculating, mirroring and saving.
constexpr std::size_t kFieldTextMax = 8;
constexpr std::size_t kFieldBufferSize = kFieldTextMax + 1;

// The radios of a group are the controls id, id + kRadioStep, id + 2 * kRadioStep, ...
constexpr int kRadioStep = 10;

// A key of the settings file vk.ini.
struct SettingKey {
    const char* section;
    const char* key;
};

enum class InputKind {
    List,   // a drop-down list; its text is the selected item
    Text,   // an edit field
    Check,  // a check box; a stored one has the stored words for unticked and ticked
    Radios, // a radio group, one item per radio; a stored group is a pair
};

// Which typed characters an edit field lets through.
enum class CharFilter {
    None,     // not an edit field: every character passes
    Unsigned, // digits, '.' and backspace
    Signed,   // digits, '-', '.' and backspace
};

// One input, made by the factories of panel_inputs.cpp (List, Text, Check, Radios, RadioPair):
// each names its kind and sets the members that kind reads; the others keep these values.
struct PanelInput {
    const char* name = nullptr;                // vkcalc's option and CSV column
    int id = 0;                                // the control; of a radio group its first radio
    InputKind kind = InputKind::Text;
    const char* section = nullptr;             // settings section and key; nullptr when not stored
    const char* key = nullptr;
    const char* const* items = nullptr;        // List, Radios: in panel order; a stored Check: its words
    int itemCount = 0;
    const char* start = nullptr;               // the start-up text or item, also the stored default
    int mirror = 0;                            // Text: the Navigation field shown the same stored value, or 0
    CharFilter filter = CharFilter::None;      // Text: what typing lets through
    std::string PanelReading::*text = nullptr; // List, Text: the text the dispatcher reads
    bool PanelReading::*ticked = nullptr;      // Check
    unsigned PanelReading::*checked = nullptr; // Radios: bit i for radio i
    const char* meaning = nullptr;             // what the input is, for vkcalc's help

    // This edit field with a mirror: the Navigation field that shows the same stored value.
    constexpr PanelInput MirroredIn(int field) const
    {
        PanelInput input = *this;
        input.mirror = field;
        return input;
    }
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

// The item a stored text selects in a list, searched by text as the platform's lists are: from
// the second item to the last, then the first, the first whose text begins with stored (letter
// case ignored; an empty text begins every item). -1 when none does.
int StoredItem(const PanelInput& input, std::string_view stored);

// The choice a stored text makes for a check box or a pair of radios: true (ticked, the second
// radio) when its first character is the first character of the second item.
bool StoredChoosesSecond(const PanelInput& input, const char* stored);

// True when filter lets the typed character code through (the whole code, unsigned).
constexpr bool FilterAccepts(CharFilter filter, std::uintptr_t code)
{
    if (filter == CharFilter::None || (code >= '0' && code <= '9') || code == '.' || code == 8) {
        return true;
    }
    return code == '-' && filter == CharFilter::Signed;
}
