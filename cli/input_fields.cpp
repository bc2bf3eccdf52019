// The inputs vkcalc accepts: the panel's description, and the checks that keep every value to
// what the panel can hold.
#include "input_fields.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

// A text the field's typing lets through (backspace aside): digits, '.' and for some '-'.
bool IsNumberText(const PanelInput& input, std::string_view value)
{
    for (const char c : value) {
        if (c == '\b' || !FilterAccepts(input.filter, static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

} // namespace

const std::vector<const PanelInput*>& OptionInputs()
{
    // The inputs are taken from the description and only ranked by this list, so each one is
    // listed exactly once; a name missing here would put its input last.
    static const std::string_view kOrder[] = {"club", "power", "spin", "ring", "fairway", "rain",
                                              "wind", "distance", "height", "direction", "slope", "beam"};
    static const std::vector<const PanelInput*> inputs = [] {
        std::vector<const PanelInput*> ordered;
        for (const PanelInput& input : PanelInputs()) {
            ordered.push_back(&input);
        }
        const auto rank = [](const PanelInput* input) {
            return std::find(std::begin(kOrder), std::end(kOrder), input->name) - std::begin(kOrder);
        };
        std::stable_sort(ordered.begin(), ordered.end(),
                         [&](const PanelInput* a, const PanelInput* b) { return rank(a) < rank(b); });
        return ordered;
    }();
    return inputs;
}

std::size_t InputIndex(const PanelInput& input)
{
    return static_cast<std::size_t>(&input - PanelInputs().begin());
}

bool ApplyInputField(const PanelInput& input, std::string_view value, PanelReading& panel, std::string& problem)
{
    if (value.empty()) {
        problem = "empty; accepted are " + DescribeAccepted(input);
        return false;
    }
    if (input.kind == InputKind::Text && value.size() > kFieldTextMax) {
        problem = "longer than " + std::to_string(kFieldTextMax) + " characters; accepted are " +
                  DescribeAccepted(input);
        return false;
    }
    // A field's text goes to the dispatcher as typed; it reads the leading number as the panel does.
    if ((input.kind == InputKind::Text && !IsNumberText(input, value)) || !SetPanelInput(input, value, panel)) {
        problem = "accepted are " + DescribeAccepted(input);
        return false;
    }
    return true;
}

std::string PanelValueText(const PanelInput& input, const PanelReading& panel)
{
    if (input.ticked != nullptr) {
        return panel.*input.ticked ? "ticked" : "not ticked";
    }
    if (input.text != nullptr) {
        return panel.*input.text;
    }
    for (int i = 0; i < input.itemCount; ++i) {
        if (panel.*input.checked & (1u << i)) {
            return input.items[i];
        }
    }
    return "none";
}

std::string DescribeAccepted(const PanelInput& input)
{
    if (input.kind == InputKind::Check) {
        return "0 or 1";
    }
    if (input.kind == InputKind::Text) {
        return "1 to " + std::to_string(kFieldTextMax) + " characters, each a digit" +
               (input.filter == CharFilter::Signed ? ", '.' or '-'" : " or '.'");
    }
    // Numbers one apart as a range ("20 to 35"), any other items one by one.
    const int n = input.itemCount;
    bool range = n > 2;
    bool letters = false;
    for (int i = 0; i < n; ++i) {
        range = range && (i == 0 || std::atoi(input.items[i]) == std::atoi(input.items[i - 1]) + 1);
        for (const char* c = input.items[i]; *c != '\0'; ++c) {
            letters = letters || (*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z');
        }
    }
    range = range && !letters;
    std::string text = range ? std::string(input.items[0]) + " to " + input.items[n - 1] : input.items[0];
    for (int i = 1; i < n && !range; ++i) {
        text += (i + 1 < n ? ", " : " or ") + std::string(input.items[i]);
    }
    return letters ? text + " (letter case ignored)" : text;
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
