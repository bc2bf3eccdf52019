// The hotkey's text as the player may write it, its one spelling, and the stored opacity.
#include <gtest/gtest.h>

#include "overlay_choice.h"

namespace {

// A text and the spelling of the key it names; "" where it names none.
const std::pair<const char*, const char*> kHotkeyTexts[] = {
    {"Ctrl+Alt+F9", "Ctrl+Alt+F9"},   {"alt+CTRL+f9", "Ctrl+Alt+F9"}, {"Win+Shift+Alt+Ctrl+z", "Ctrl+Alt+Shift+Win+Z"},
    {"Shift+Win+0", "Shift+Win+0"}, {"Ctrl+F24", "Ctrl+F24"},     {"Alt+F1", "Alt+F1"},
    {"Ctrl+Alt+F25", ""}, {"Ctrl+F0", ""},   {"Ctrl+F09", ""},     {"Shift+A", ""},   {"F9", ""},
    {"Ctrl+Ctrl+A", ""},  {"Ctrl++A", ""},   {"Ctrl+", ""},        {"", ""},          {"Ctrl+AB", ""},
    {"Ctrl+Alt", ""},     {"A+Ctrl", ""},    {"Control+A", ""},    {"Ctrl + A", ""},  {"Ctrl+Alt+-", ""},
    {"Ctrl+A", "Ctrl+A"}, {"Ctrl+9", "Ctrl+9"}, {"Ctrl+F1x", ""},   {"Ctrl+Fx", ""},   {"Xtrl+A", ""},
};

TEST(Hotkey, AcceptedTextsAndTheirSpelling)
{
    for (const auto& [text, spelling] : kHotkeyTexts) {
        const std::optional<Hotkey> hotkey = ParseHotkey(text);
        EXPECT_EQ(hotkey ? HotkeyText(*hotkey) : "", spelling) << text;
    }
}

// The stored text (none: no key), whether the key is on, and the menu item's text.
TEST(Hotkey, StoredChoiceAndItsItem)
{
    const std::tuple<std::optional<std::string>, bool, const char*> rows[] = {
        {std::nullopt, false, "Hot&key Ctrl+Alt+F9"}, {"alt+ctrl+k", true, "Hot&key Ctrl+Alt+K"},
        {"Ctrl+F99", false, "Hot&key: \"Ctrl+F99\" in vk.ini is not a key"}};
    for (const auto& [stored, on, item] : rows) {
        const HotkeyChoice choice = StoredHotkeyChoice(stored);
        EXPECT_EQ(std::make_pair(choice.on, HotkeyItemText(choice)), std::make_pair(on, std::string(item))) << item;
    }
}

TEST(SeeThrough, StoredOpacityAndItsAlpha)
{
    // The stored text, the opacity it reads as, and that opacity's alpha.
    const std::tuple<const char*, int, int> rows[] = {
        {"20", 20, 51}, {"35", 35, 89}, {"60", 60, 153}, {"90", 90, 230}, {"19", 60, 153}, {"91", 60, 153},
        {"5", 60, 153}, {"035", 35, 89}, {"35.0", 60, 153}, {"-40", 60, 153}, {"", 60, 153}, {"0090", 90, 230},
    };
    for (const auto& [stored, percent, alpha] : rows)
        EXPECT_EQ(std::make_pair(SeeThroughPercent(stored), SeeThroughAlpha(SeeThroughPercent(stored))),
                  std::make_pair(percent, alpha)) << stored;
}

} // namespace
