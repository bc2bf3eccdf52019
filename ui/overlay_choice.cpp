// The see-through and hotkey choices: parsing and spelling the key, the opacity rule, the item texts.
#include "overlay_choice.h"

#include <algorithm>
#include <cctype>

namespace {

// The modifiers in the order of the key's spelling.
struct Modifier {
    const char* name;
    unsigned bit;
};
constexpr Modifier kModifiers[] = {{"Ctrl", kModCtrl}, {"Alt", kModAlt}, {"Shift", kModShift}, {"Win", kModWin}};

bool SameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool AllDigits(std::string_view text)
{
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return !text.empty();
}

// The key code of the last part of a key's text, or 0.
int KeyCode(std::string_view name)
{
    if (name.size() == 1) {
        const int c = std::toupper(static_cast<unsigned char>(name[0]));
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? c : 0;
    }
    // F1 to F24, without leading zeros.
    if ((name[0] != 'F' && name[0] != 'f') || name.size() > 3 || !AllDigits(name.substr(1)) || name[1] == '0')
        return 0;
    const int number = std::stoi(std::string(name.substr(1)));
    return number <= 24 ? kKeyF1 + number - 1 : 0;
}

} // namespace

std::optional<Hotkey> ParseHotkey(std::string_view text)
{
    Hotkey hotkey;
    for (std::size_t start = 0;;) {
        const std::size_t plus = text.find('+', start);
        const std::string_view part = text.substr(start, plus == std::string_view::npos ? plus : plus - start);
        if (part.empty())
            return std::nullopt;
        if (plus == std::string_view::npos) {
            hotkey.key = KeyCode(part);
            break;
        }
        unsigned bit = 0;
        for (const Modifier& modifier : kModifiers)
            if (SameLetters(part, modifier.name))
                bit = modifier.bit;
        if (bit == 0 || (hotkey.modifiers & bit) != 0)
            return std::nullopt;
        hotkey.modifiers |= bit;
        start = plus + 1;
    }
    // Shift alone would take a character from typing everywhere.
    if (hotkey.key == 0 || (hotkey.modifiers & (kModCtrl | kModAlt | kModWin)) == 0)
        return std::nullopt;
    return hotkey;
}

std::string HotkeyText(Hotkey hotkey)
{
    std::string text;
    for (const Modifier& modifier : kModifiers)
        if (hotkey.modifiers & modifier.bit)
            text += std::string(modifier.name) + "+";
    if (hotkey.key >= kKeyF1)
        return text + "F" + std::to_string(hotkey.key - kKeyF1 + 1);
    return text + static_cast<char>(hotkey.key);
}

int SeeThroughPercent(std::string_view stored)
{
    if (!AllDigits(stored))
        return kDefaultSeeThrough;
    int percent = 0;
    for (const char digit : stored)
        percent = std::min(percent * 10 + (digit - '0'), 1000); // any length, leading zeros too
    return percent >= kMinSeeThrough && percent <= kMaxSeeThrough ? percent : kDefaultSeeThrough;
}

int SeeThroughAlpha(int percent)
{
    return (percent * 255 + 50) / 100;
}

HotkeyChoice StoredHotkeyChoice(const std::optional<std::string>& stored)
{
    HotkeyChoice choice;
    if (!stored)
        return choice;
    if (const std::optional<Hotkey> hotkey = ParseHotkey(*stored)) {
        choice.hotkey = *hotkey;
        choice.on = true;
    } else {
        choice.notAKey = stored;
    }
    return choice;
}

std::string HotkeyItemText(const HotkeyChoice& choice)
{
    if (choice.notAKey)
        return "Hot&key: \"" + *choice.notAKey + "\" in vk.ini is not a key";
    return "Hot&key " + HotkeyText(choice.hotkey) + (choice.taken ? " (taken by another program)" : "");
}
