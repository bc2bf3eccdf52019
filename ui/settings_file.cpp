// The settings file's path rules and the stored position from the window's monitor.
#include "settings_file.h"

std::wstring SettingsPath(const std::wstring& currentDirectory)
{
    return currentDirectory + L"\\vk.ini";
}

bool SettingsPathUsable(const std::wstring& path)
{
    return !path.empty() && path.size() <= kMaxProfilePath;
}

ScreenPoint StoredPosition(std::int64_t left, std::int64_t top, const MonitorArea& monitor)
{
    return {left + monitor.work.left - monitor.monitor.left, top + monitor.work.top - monitor.monitor.top};
}
