// Values of the settings file vk.ini that need no platform: its path, the buffers its texts are
// read through, and the stored window position from the window's monitor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "dpi_scale.h"

// Size of the buffers that stored texts are read into: at most 254 characters are taken.
constexpr std::size_t kSettingBufferSize = 255;
// Longest path, in UTF-16 units, that the profile functions accept (MAX_PATH less the terminator).
constexpr std::size_t kMaxProfilePath = 259;

// The settings file's path (UTF-16, so that any folder name is kept): the current directory
// followed by "\vk.ini", no separator added or removed (a directory ending in a backslash gives a
// doubled one). Any length: nothing is cut.
std::wstring SettingsPath(const std::wstring& currentDirectory);

// True when the profile functions can use path; a longer one acts as a missing file.
bool SettingsPathUsable(const std::wstring& path);

// The stored (screen) position of a window whose restored rectangle starts at (left, top) in the
// coordinates of its monitor's work area: offset by the work area's corner within the monitor, so
// a taskbar at the top or left counts, an auto-hidden one (which reserves nothing) does not.
ScreenPoint StoredPosition(std::int64_t left, std::int64_t top, const MonitorArea& monitor);
