// The inputs vkcalc accepts: the table of fields and the checks that keep every value to what the panel can hold.
#include "input_fields.h"

#include <cstring>

namespace {

// Items of the panel's lists and radio groups, in panel order.
const char* const kClubItems[] = {"1W", "2W", "3W", "2I"};
const char* const kPowerItems[] = {"20", "21", "22", "23", "24", "25", "26", "27",
                                   "28", "29", "30", "31", "32", "33", "34", "35"};
const char* const kSpinItems[] = {"7"};
const char* const kWindItems[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
// Fairway radios 100, 95, 90, 85, 80, 75: the index is the radio's place in PanelReading::fairway.
const char* const kFairwayItems[] = {"100", "95", "90", "85", "80", "75"};
const char* const kBeamItems[] = {"6I", "9I"};

// Typing filter of the edit fields: distance takes no sign, the others do.
const char* const kDistanceChars = "0123456789.";
const char* const kSignedChars = "0123456789.-";

#define VK_ITEMS(a) a, sizeof(a) / sizeof(a[0])

// The CSV column order of the batch header.
const InputField kFields[] = {
    {"club", FieldKind::List, FieldTarget::Club, VK_ITEMS(kClubItems), true, nullptr,
     "1W, 2W, 3W or 2I (letter case ignored)", "club"},
    {"power", FieldKind::List, FieldTarget::Power, VK_ITEMS(kPowerItems), false, nullptr, "20 to 35", "character power"},
    {"spin", FieldKind::List, FieldTarget::Spin, VK_ITEMS(kSpinItems), false, nullptr, "7", "character spin"},
    {"ring", FieldKind::Flag, FieldTarget::Ring, nullptr, 0, false, nullptr, "0 or 1", "Crimson Ring"},
    {"fairway", FieldKind::List, FieldTarget::Fairway, VK_ITEMS(kFairwayItems), false, nullptr,
     "100, 95, 90, 85, 80 or 75", "fairway percent"},
    {"rain", FieldKind::Flag, FieldTarget::Rain, nullptr, 0, false, nullptr, "0 or 1", "Rain / Snow"},
    {"wind", FieldKind::List, FieldTarget::Wind, VK_ITEMS(kWindItems), false, nullptr, "1 to 9", "wind power"},
    {"distance", FieldKind::Number, FieldTarget::Distance, nullptr, 0, false, kDistanceChars,
     "1 to 8 characters, each a digit or '.'", "distance, yards"},
    {"height", FieldKind::Number, FieldTarget::Height, nullptr, 0, false, kSignedChars,
     "1 to 8 characters, each a digit, '.' or '-'", "height difference, metres"},
    {"direction", FieldKind::Number, FieldTarget::Direction, nullptr, 0, false, kSignedChars,
     "1 to 8 characters, each a digit, '.' or '-'", "wind direction, degrees"},
    {"slope", FieldKind::Number, FieldTarget::Slope, nullptr, 0, false, kSignedChars,
     "1 to 8 characters, each a digit, '.' or '-'", "slope"},
    {"beam", FieldKind::List, FieldTarget::Beam, VK_ITEMS(kBeamItems), true, nullptr,
     "6I or 9I (letter case ignored)", "Beam Impact iron"},
};

#undef VK_ITEMS

char FoldCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when value is item (without measuring item first: lists are read for every batch row).
bool SameItem(std::string_view value, const char* item, bool ignoreCase)
{
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (item[i] == '\0') {
            return false;
        }
        const char a = ignoreCase ? FoldCase(value[i]) : value[i];
        const char b = ignoreCase ? FoldCase(item[i]) : item[i];
        if (a != b) {
            return false;
        }
    }
    return item[value.size()] == '\0';
}

// Index of value among the field's items, or -1.
int FindItem(const InputField& field, std::string_view value)
{
    for (std::size_t i = 0; i < field.itemCount; ++i) {
        if (SameItem(value, field.items[i], field.ignoreCase)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The text member of the panel reading that an edit field or text list fills, or nullptr
// (for a const or non-const panel reading alike).
template <typename Panel>
auto TextOf(FieldTarget target, Panel& panel) -> decltype(&panel.club)
{
    switch (target) {
    case FieldTarget::Club: return &panel.club;
    case FieldTarget::Power: return &panel.power;
    case FieldTarget::Spin: return &panel.spin;
    case FieldTarget::Wind: return &panel.windPower;
    case FieldTarget::Distance: return &panel.distance;
    case FieldTarget::Height: return &panel.height;
    case FieldTarget::Direction: return &panel.direction;
    case FieldTarget::Slope: return &panel.slope;
    default: return nullptr;
    }
}

// Stores list item number index of field, of length length, into the panel.
void StoreItem(const InputField& field, int index, std::size_t length, PanelReading& panel)
{
    switch (field.target) {
    case FieldTarget::Fairway:
        for (int i = 0; i < 6; ++i) {
            panel.fairway[i] = (i == index);
        }
        break;
    case FieldTarget::Beam:
        panel.beam6I = (index == 0);
        panel.beam9I = (index == 1);
        break;
    default:
        if (std::string* text = TextOf(field.target, panel)) {
            text->assign(field.items[index], length);
        }
        break;
    }
}

bool IsNumberText(const InputField& field, std::string_view value)
{
    for (const char c : value) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && (c == '\0' || std::strchr(field.numberChars, c) == nullptr)) {
            return false;
        }
    }
    return true;
}

} // namespace

const InputField* InputFields()
{
    return kFields;
}

std::size_t InputFieldCount()
{
    return sizeof(kFields) / sizeof(kFields[0]);
}

const InputField* FindInputField(std::string_view name)
{
    for (const InputField& field : kFields) {
        if (name == field.name) {
            return &field;
        }
    }
    return nullptr;
}

void SetInputFlag(const InputField& field, bool checked, PanelReading& panel)
{
    if (field.target == FieldTarget::Ring) {
        panel.crimsonRing = checked;
    } else if (field.target == FieldTarget::Rain) {
        panel.rain = checked;
    }
}

bool ApplyInputField(const InputField& field, std::string_view value, PanelReading& panel, std::string& problem)
{
    if (value.empty()) {
        problem = "empty; accepted are " + DescribeAccepted(field);
        return false;
    }
    switch (field.kind) {
    case FieldKind::List: {
        const int index = FindItem(field, value);
        if (index < 0) {
            problem = "accepted are " + DescribeAccepted(field);
            return false;
        }
        StoreItem(field, index, value.size(), panel);
        return true;
    }
    case FieldKind::Flag:
        if (value != "0" && value != "1") {
            problem = "accepted are " + DescribeAccepted(field);
            return false;
        }
        SetInputFlag(field, value == "1", panel);
        return true;
    case FieldKind::Number:
        if (value.size() > kFieldTextMax) {
            problem = "longer than 8 characters; accepted are " + DescribeAccepted(field);
            return false;
        }
        if (!IsNumberText(field, value)) {
            problem = "accepted are " + DescribeAccepted(field);
            return false;
        }
        // The text goes to the dispatcher as typed; it reads the leading number as the panel does.
        TextOf(field.target, panel)->assign(value.data(), value.size());
        return true;
    }
    return false;
}

std::string PanelValueText(const InputField& field, const PanelReading& panel)
{
    switch (field.target) {
    case FieldTarget::Ring: return panel.crimsonRing ? "ticked" : "not ticked";
    case FieldTarget::Rain: return panel.rain ? "ticked" : "not ticked";
    case FieldTarget::Fairway:
        for (int i = 0; i < 6; ++i) {
            if (panel.fairway[i]) {
                return field.items[i];
            }
        }
        return "none";
    case FieldTarget::Beam:
        return panel.beam9I ? field.items[1] : panel.beam6I ? field.items[0] : "none";
    default:
        return *TextOf(field.target, panel);
    }
}

std::string DescribeAccepted(const InputField& field)
{
    return field.accepted;
}

std::string QuoteForMessage(std::string_view value)
{
    static const char kHex[] = "0123456789ABCDEF";
    const std::size_t kShown = 40;
    std::string text = "\"";
    for (std::size_t i = 0; i < value.size() && i < kShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            text += static_cast<char>(c);
        } else {
            text += "\\x";
            text += kHex[c >> 4];
            text += kHex[c & 0xF];
        }
    }
    if (value.size() > kShown) {
        text += "...";
    }
    text += '"';
    return text;
}
