// The panel's input controls as data, and the rules that read it.
#include "panel_inputs.h"

#include <iterator>

#include "controls.h"

namespace {

constexpr const char* kPowers[] = {"20", "21", "22", "23", "24", "25", "26", "27",
                                   "28", "29", "30", "31", "32", "33", "34", "35"};
constexpr const char* kSpins[] = {"7"};
constexpr const char* kClubs[] = {"1W", "2W", "3W", "2I"};
constexpr const char* kRingWords[] = {"unchecked", "checked"};
constexpr const char* kFairways[] = {"100", "95", "90", "85", "80", "75"};
constexpr const char* kWinds[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr const char* kIrons[] = {"6I", "9I"};

static_assert(IDC_FAIRWAY_75 == IDC_FAIRWAY_100 + 5 * kRadioStep && IDC_BEAM_9I == IDC_BEAM_6I + kRadioStep,
              "the radios of a group lie kRadioStep apart");

// ---- The factories: one per kind, each taking what that kind reads. ----

// What every input has.
constexpr PanelInput Input(InputKind kind, const char* name, int id, const char* meaning)
{
    PanelInput input;
    input.kind = kind;
    input.name = name;
    input.id = id;
    input.meaning = meaning;
    return input;
}

// input, kept in the settings file under stored.
constexpr PanelInput Stored(PanelInput input, SettingKey stored)
{
    input.section = stored.section;
    input.key = stored.key;
    return input;
}

// input with its items and the one it starts at.
template <std::size_t N>
constexpr PanelInput WithItems(PanelInput input, const char* const (&items)[N], const char* start)
{
    input.items = items;
    input.itemCount = static_cast<int>(N);
    input.start = start;
    return input;
}

// A drop-down list of items, at start when the program starts.
template <std::size_t N>
constexpr PanelInput List(const char* name, int id, std::string PanelReading::*text, const char* const (&items)[N],
                          const char* start, SettingKey stored, const char* meaning)
{
    PanelInput input = Stored(WithItems(Input(InputKind::List, name, id, meaning), items, start), stored);
    input.text = text;
    return input;
}

// An edit field whose typing passes filter, holding start when the program starts.
constexpr PanelInput Text(const char* name, int id, std::string PanelReading::*text, CharFilter filter,
                          const char* start, SettingKey stored, const char* meaning)
{
    PanelInput input = Stored(Input(InputKind::Text, name, id, meaning), stored);
    input.text = text;
    input.filter = filter;
    input.start = start;
    return input;
}

// A check box, unticked when the program starts and not stored.
constexpr PanelInput Check(const char* name, int id, bool PanelReading::*ticked, const char* meaning)
{
    PanelInput input = Input(InputKind::Check, name, id, meaning);
    input.ticked = ticked;
    return input;
}

// A stored check box: words[1] is stored when it is ticked, words[0] (also the default) when not.
constexpr PanelInput Check(const char* name, int id, bool PanelReading::*ticked, const char* const (&words)[2],
                           SettingKey stored, const char* meaning)
{
    return Stored(WithItems(Check(name, id, ticked, meaning), words, words[0]), stored);
}

// A group of radios, one per item from id on, kRadioStep apart, start checked; not stored.
template <std::size_t N>
constexpr PanelInput Radios(const char* name, int id, unsigned PanelReading::*checked, const char* const (&items)[N],
                            const char* start, const char* meaning)
{
    PanelInput input = WithItems(Input(InputKind::Radios, name, id, meaning), items, start);
    input.checked = checked;
    return input;
}

// A stored pair of radios: the second item is stored when the second radio is checked.
constexpr PanelInput RadioPair(const char* name, int id, unsigned PanelReading::*checked, const char* const (&items)[2],
                               const char* start, SettingKey stored, const char* meaning)
{
    return Stored(Radios(name, id, checked, items, start, meaning), stored);
}

// The inputs in the panel's creation order, which is also the order the settings file keeps.
constexpr PanelInput kInputs[] = {
    List("power", IDC_POWER, &PanelReading::power, kPowers, "25", {"Chara", "Power"}, "character power"),
    List("spin", IDC_SPIN, &PanelReading::spin, kSpins, "7", {"Chara", "Spin"}, "character spin"),
    List("club", IDC_CLUB, &PanelReading::club, kClubs, "1W", {"Chara", "Club"}, "club"),
    Check("ring", IDC_CRIMSON_RING, &PanelReading::crimsonRing, kRingWords, {"Chara", "CrimsonRing"}, "Crimson Ring"),
    Check("rain", IDC_RAIN, &PanelReading::rain, "Rain / Snow"),
    Radios("fairway", IDC_FAIRWAY_100, &PanelReading::fairway, kFairways, "100", "fairway percent"),
    List("wind", IDC_WIND_POWER, &PanelReading::windPower, kWinds, "1", {"Situation", "WindPower"}, "wind power"),
    Text("distance", IDC_DISTANCE, &PanelReading::distance, CharFilter::Unsigned, "230", {"Situation", "Distance"},
         "distance, yards"),
    Text("height", IDC_HEIGHT, &PanelReading::height, CharFilter::Signed, "0", {"Situation", "Height"},
         "height difference, metres"),
    Text("direction", IDC_DIRECTION, &PanelReading::direction, CharFilter::Signed, "0", {"Situation", "Direction"},
         "wind direction, degrees").MirroredIn(IDC_NAV_DIRECTION),
    Text("slope", IDC_SLOPE, &PanelReading::slope, CharFilter::Signed, "0", {"Situation", "Slope"}, "slope")
        .MirroredIn(IDC_NAV_SLOPE),
    RadioPair("beam", IDC_BEAM_6I, &PanelReading::beam, kIrons, "6I", {"Beam", "Club"}, "Beam Impact iron"),
};

char FoldCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when item begins with value, letter case ignored (without measuring item first: lists are
// read for every batch row).
bool BeginsWith(const char* item, std::string_view value)
{
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (item[i] == '\0' || FoldCase(value[i]) != FoldCase(item[i])) {
            return false;
        }
    }
    return true;
}

bool SameItem(std::string_view value, const char* item)
{
    return BeginsWith(item, value) && item[value.size()] == '\0';
}

} // namespace

PanelInputRange PanelInputs()
{
    return {kInputs, std::size(kInputs)};
}

const PanelInput* FindPanelInput(std::string_view name)
{
    for (const PanelInput& input : kInputs) {
        if (name == input.name) {
            return &input;
        }
    }
    return nullptr;
}

PanelReading StartupReading()
{
    PanelReading panel;
    for (const PanelInput& input : kInputs) {
        if (input.kind == InputKind::List || input.kind == InputKind::Text) {
            panel.*input.text = input.start;
        }
        for (int i = 0; i < input.itemCount && input.kind == InputKind::Radios; ++i) {
            if (std::string_view(input.items[i]) == input.start) {
                panel.*input.checked = 1u << i;
            }
        }
    }
    return panel;
}

bool SetPanelInput(const PanelInput& input, std::string_view value, PanelReading& panel)
{
    if (input.kind == InputKind::Text) {
        panel.*input.text = std::string(value);
        return true;
    }
    if (input.kind == InputKind::Check) {
        if (value != "0" && value != "1") {
            return false;
        }
        panel.*input.ticked = value == "1";
        return true;
    }
    for (int i = 0; i < input.itemCount; ++i) {
        if (SameItem(value, input.items[i])) {
            if (input.kind == InputKind::List) {
                panel.*input.text = input.items[i];
            } else {
                panel.*input.checked = 1u << i;
            }
            return true;
        }
    }
    return false;
}

int StoredItem(const PanelInput& input, std::string_view stored)
{
    for (int n = 1; n <= input.itemCount; ++n) {
        const int i = n % input.itemCount; // the second item to the last, then the first
        if (BeginsWith(input.items[i], stored))
            return i;
    }
    return -1;
}

bool StoredChoosesSecond(const PanelInput& input, const char* stored)
{
    return stored[0] == input.items[1][0];
}
