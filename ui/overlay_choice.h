// The see-through and hotkey choices without the platform: the stored values read and written
// back, the key's text in its one spelling, and the system menu items' texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Both options as the settings file holds them: a text while the option is on, none while off.
struct OverlaySettings {
    std::optional<std::string> seeThrough; // the opacity in percent when another window is active
    std::optional<std::string> hotkey;     // the key that brings vk up and sends it back
    bool keepHotkey = false;               // on saving: a stored text that names no key stays as it is
};

// Opacity the item turns on with, and the stored values kept; any other reads as the default.
constexpr int kDefaultSeeThrough = 60;
constexpr int kMinSeeThrough = 20;
constexpr int kMaxSeeThrough = 90;

// Modifier bits and key codes as the platform's hotkey registration takes them.
constexpr unsigned kModAlt = 0x1;
constexpr unsigned kModCtrl = 0x2;
constexpr unsigned kModShift = 0x4;
constexpr unsigned kModWin = 0x8;
constexpr int kKeyF1 = 0x70; // F2 to F24 follow; letters and digits are their upper-case characters

// One key with its modifiers.
struct Hotkey {
    unsigned modifiers = 0;
    int key = 0;
};
constexpr Hotkey kDefaultHotkey{kModCtrl | kModAlt, kKeyF1 + 8}; // Ctrl+Alt+F9

// The key a text names: modifiers from Ctrl, Alt, Shift and Win (each once, any order and letter
// case) joined by '+', then one of A-Z, 0-9, F1-F24; at least one of Ctrl, Alt and Win. Nothing else.
std::optional<Hotkey> ParseHotkey(std::string_view text);

// The key's one spelling, modifiers in the order Ctrl, Alt, Shift, Win: "Ctrl+Alt+F9".
std::string HotkeyText(Hotkey hotkey);

// The opacity a stored text gives: a whole number from 20 to 90 (digits only), else 60.
int SeeThroughPercent(std::string_view stored);

// The layered window's alpha for an opacity in percent: percent * 255 / 100, rounded.
int SeeThroughAlpha(int percent);

constexpr const char* kSeeThroughItemText = "&See-through when inactive";

// The hotkey as the player chose it and as the platform took it.
struct HotkeyChoice {
    Hotkey hotkey = kDefaultHotkey; // the key the item names and turns on
    bool on = false;                // the player's choice, saved while on
    bool taken = false;             // on, but another program holds the key
    std::optional<std::string> notAKey; // a stored text that names no key, kept in the file as it is
};

// The choice a run starts with: off without a stored key; on with a key that names one; off, with
// the text kept, with one that does not.
HotkeyChoice StoredHotkeyChoice(const std::optional<std::string>& stored);

// The hotkey item's text: "Hot&key Ctrl+Alt+F9", with " (taken by another program)" when taken,
// or naming the stored text that is not a key.
std::string HotkeyItemText(const HotkeyChoice& choice);
