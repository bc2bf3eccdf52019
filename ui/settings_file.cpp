// The settings file's path rules and the stored position's taskbar correction.
#include "settings_file.h"

std::string SettingsPath(const std::string& currentDirectory)
{
    return currentDirectory + "\\vk.ini";
}

bool SettingsPathUsable(const std::string& path)
{
    return !path.empty() && path.size() <= kMaxProfilePath;
}

ScreenPoint CorrectForTaskbar(std::int64_t left, std::int64_t top, const ScreenRect& taskbar)
{
    ScreenPoint p{left, top};
    if (taskbar.left < 5 && taskbar.top < 5) {
        std::int64_t height = taskbar.bottom - taskbar.top;
        std::int64_t width = taskbar.right - taskbar.left;
        if (height < width)
            p.y += height; // along the top edge
        else
            p.x += width; // along the left edge (an all-zero rectangle adds 0)
    }
    return p;
}
