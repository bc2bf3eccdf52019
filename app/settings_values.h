// Values of the settings file vk.ini that need no platform: its path, the stored-text rules and the window position.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Defaults of the keys that are missing from the file (or when there is no file).
constexpr const char* kDefaultTitle = "vk ver2.43a";
constexpr const char* kDefaultClassName = "vk ver2.43a";
constexpr int kDefaultX = 20;
constexpr int kDefaultY = 30;

// Outer size of the main window in pixels, title bar and frame included.
constexpr int kMainWidth = 120;
constexpr int kMainHeight = 745;

// Size of the buffers that stored texts are read into: at most 254 characters are taken.
constexpr std::size_t kSettingBufferSize = 255;
// Size of the buffers that field texts are read into: at most 8 characters are stored.
constexpr std::size_t kFieldBufferSize = 9;
// Longest path, in characters, that the profile functions accept (MAX_PATH less the terminator).
constexpr std::size_t kMaxProfilePath = 259;

// The settings file's path: the current directory followed by "\vk.ini", no separator added or
// removed (a directory ending in a backslash gives a doubled one). Any length: nothing is cut.
std::string SettingsPath(const std::string& currentDirectory);

// True when the profile functions can use path; a longer one acts as a missing file.
bool SettingsPathUsable(const std::string& path);

// The Crimson Ring is ticked when the stored value's first character is a lower-case 'c'.
bool CrimsonRingTicked(const char* stored);
// The stored text of the Crimson Ring: "checked" for check state 1, "unchecked" otherwise.
const char* CrimsonRingText(bool ticked);

// The Beam Impact club is 9I when the stored value's first character is '9', otherwise 6I.
bool BeamClubIs9I(const char* stored);
// The stored text of the Beam Impact club: "9I" when the 9I radio is selected, else "6I".
const char* BeamClubText(bool nineSelected);

// A rectangle in screen pixels: left and top inside, right and bottom just outside.
// 64-bit, so that a stored position near the ends of the int range plus the size cannot overflow.
struct ScreenRect {
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;
};

struct ScreenPoint {
    std::int64_t x = 0, y = 0;
};

// The main window's outer rectangle when its top-left corner is at (x, y).
ScreenRect MainWindowRect(int x, int y);

// The stored position of a window whose restored rectangle starts at (left, top) of the work
// area: a taskbar at the top edge (left and top below 5, wider than high) adds its height to
// the top, one at the left edge adds its width to the left; any other taskbar adds nothing.
ScreenPoint CorrectForTaskbar(std::int64_t left, std::int64_t top, const ScreenRect& taskbar);

// A monitor: its whole rectangle and its work area (less the taskbar).
struct MonitorArea {
    ScreenRect monitor;
    ScreenRect work;
};

// The place to create the window at: window unchanged when it overlaps any monitor, even by one
// pixel; when it lies wholly outside every monitor, moved onto the work area of the nearest one
// (kept whole where it fits, else its top-left corner at the work area's). count 0: unchanged.
ScreenPoint PlaceOnScreen(const ScreenRect& window, const MonitorArea* monitors, std::size_t count);
