// The settings file vk.ini through the platform's profile functions: reading and writing keys,
// and the panel's inputs and the window's names and place loaded and saved by the description.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "panel_inputs.h"

// The class name and title that the panel's windows find the main window by: read from the
// settings file at start-up, kept for the whole run and written back at its end.
void SetMainClassName(const std::string& className);
void SetMainTitle(const std::string& title);
const char* MainClassName();
const char* MainTitle();

// The settings file's path, built afresh: the current directory (of any length and any name) and
// "\vk.ini". The keys and values are texts of the system code page.
std::wstring CurrentSettingsPath();

// A stored text (at most 254 characters), or defaultText when the key or file is missing,
// or when the path is too long for the profile functions.
std::string ReadSettingText(const std::wstring& path, const char* section, const char* key, const char* defaultText);

// A stored integer as GetPrivateProfileInt reads it (leading digits with an optional minus; a
// text without a leading number reads as 0), or defaultValue when missing or the path is too long.
int ReadSettingInt(const std::wstring& path, const char* section, const char* key, int defaultValue);

// A stored text (at most 254 characters), also an empty one, or none when the key or the file is
// missing: two reads with different defaults tell a missing key from any value.
std::optional<std::string> StoredSetting(const std::wstring& path, SettingKey key);

// Creates or replaces one key in place, or removes it when value is null. False when the file
// could not be written or the path is too long for the profile functions, with the reason in
// GetLastError.
bool WriteSettingText(const std::wstring& path, const char* section, const char* key, const char* value);

// Sets the stored inputs into the main window's controls (texts exactly as stored).
void LoadStoredInputs(HWND mainWindow);

// Writes every setting in the file's fixed order: title, class name, restored position
// (in screen coordinates), whether the window is kept on top, see-through and the hotkey, then the stored inputs in the
// panel's order. False when any key could not be written; the first failure is kept for
// ReportFailedSave.
bool SaveSettings(HWND mainWindow);

// When the last save failed: says so in a message box without owner, brought to the front and
// kept on top when the window was (the file's path, the system's reason and what the player can
// do), and returns when the player has closed it.
void ReportFailedSave();
