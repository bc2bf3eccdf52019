// The panel's input controls as data, and the rules that read it.
#include "panel_inputs.h"

#include <iterator>

#include "controls.h"

namespace {

const char* const kPowers[] = {"20", "21", "22", "23", "24", "25", "26", "27",
                               "28", "29", "30", "31", "32", "33", "34", "35"};
const char* const kSpins[] = {"7"};
const char* const kClubs[] = {"1W", "2W", "3W", "2I"};
const char* const kRingWords[] = {"unchecked", "checked"};
const char* const kFairways[] = {"100", "95", "90", "85", "80", "75"};
const char* const kWinds[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
const char* const kIrons[] = {"6I", "9I"};

#define VK_ITEMS(items) items, static_cast<int>(std::size(items))

using R = PanelReading;
constexpr CharFilter kNoFilter = CharFilter::None;

const PanelInput kInputs[] = {
    {"power", IDC_POWER, InputKind::List, "Chara", "Power", VK_ITEMS(kPowers), "25", 0, kNoFilter, &R::power,
     nullptr, nullptr, "character power"},
    {"spin", IDC_SPIN, InputKind::List, "Chara", "Spin", VK_ITEMS(kSpins), "7", 0, kNoFilter, &R::spin, nullptr,
     nullptr, "character spin"},
    {"club", IDC_CLUB, InputKind::List, "Chara", "Club", VK_ITEMS(kClubs), "1W", 0, kNoFilter, &R::club, nullptr,
     nullptr, "club"},
    {"ring", IDC_CRIMSON_RING, InputKind::Check, "Chara", "CrimsonRing", VK_ITEMS(kRingWords), "unchecked", 0,
     kNoFilter, nullptr, &R::crimsonRing, nullptr, "Crimson Ring"},
    {"rain", IDC_RAIN, InputKind::Check, nullptr, nullptr, nullptr, 0, nullptr, 0, kNoFilter, nullptr, &R::rain,
     nullptr, "Rain / Snow"},
    {"fairway", IDC_FAIRWAY_100, InputKind::Radios, nullptr, nullptr, VK_ITEMS(kFairways), "100", 0, kNoFilter,
     nullptr, nullptr, &R::fairway, "fairway percent"},
    {"wind", IDC_WIND_POWER, InputKind::List, "Situation", "WindPower", VK_ITEMS(kWinds), "1", 0, kNoFilter,
     &R::windPower, nullptr, nullptr, "wind power"},
    {"distance", IDC_DISTANCE, InputKind::Text, "Situation", "Distance", nullptr, 0, "230", 0, CharFilter::Unsigned,
     &R::distance, nullptr, nullptr, "distance, yards"},
    {"height", IDC_HEIGHT, InputKind::Text, "Situation", "Height", nullptr, 0, "0", 0, CharFilter::Signed,
     &R::height, nullptr, nullptr, "height difference, metres"},
    {"direction", IDC_DIRECTION, InputKind::Text, "Situation", "Direction", nullptr, 0, "0", IDC_NAV_DIRECTION,
     CharFilter::Signed, &R::direction, nullptr, nullptr, "wind direction, degrees"},
    {"slope", IDC_SLOPE, InputKind::Text, "Situation", "Slope", nullptr, 0, "0", IDC_NAV_SLOPE, CharFilter::Signed,
     &R::slope, nullptr, nullptr, "slope"},
    {"beam", IDC_BEAM_6I, InputKind::Radios, "Beam", "Club", VK_ITEMS(kIrons), "6I", 0, kNoFilter, nullptr, nullptr,
     &R::beam, "Beam Impact iron"},
};

#undef VK_ITEMS

char FoldCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when value is item, letter case ignored (without measuring item first: lists are read
// for every batch row).
bool SameItem(std::string_view value, const char* item)
{
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (item[i] == '\0' || FoldCase(value[i]) != FoldCase(item[i])) {
            return false;
        }
    }
    return item[value.size()] == '\0';
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
        if (input.text != nullptr) {
            panel.*input.text = input.start;
        }
        for (int i = 0; i < input.itemCount && input.checked != nullptr; ++i) {
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
            if (input.text != nullptr) {
                panel.*input.text = input.items[i];
            } else {
                panel.*input.checked = 1u << i;
            }
            return true;
        }
    }
    return false;
}

int StoredChoice(const PanelInput& input, const char* stored)
{
    return stored[0] == input.items[1][0] ? 1 : 0;
}

bool FilterAccepts(CharFilter filter, std::uintptr_t code)
{
    if (filter == CharFilter::None || (code >= '0' && code <= '9') || code == '.' || code == 8) {
        return true;
    }
    return code == '-' && filter == CharFilter::Signed;
}
