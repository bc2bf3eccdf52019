// Drives the real vk.exe from another process: working directories, vk.ini bytes, start, panel read-out, close.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../win_files.h"
#include "controls.h"

namespace hard {

// Default window class name and title of the main window.
constexpr const char* kDefaultName = "vk ver2.43a";
// Outer size of the main window in pixels.
constexpr int kWindowWidth = 120;
constexpr int kWindowHeight = 745;
// Milliseconds to wait for a start, a reply to one message, or an exit.
constexpr DWORD kStartTimeout = 15000;
constexpr DWORD kReplyTimeout = 10000;
constexpr DWORD kExitTimeout = 20000;

// --- paths and files (wide, "\\?\"-prefixed, so that paths beyond MAX_PATH work too) --------

inline std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end()); // every path here is ASCII
}

// The extended-length form of an absolute path, accepted by the file functions at any length.
inline std::wstring LongForm(const std::string& path)
{
    return L"\\\\?\\" + Wide(path);
}

// vk.exe to test: VKHARD_PROGRAM from the test runner (Wine does not pass on names beginning
// with VK_; a Unix path under Wine is reached through
// drive Z:), else the vk.exe beside this program.
inline std::string VkProgram()
{
    std::string path;
    if (const char* fromRunner = std::getenv("VKHARD_PROGRAM"))
        path = fromRunner;
    if (path.empty()) {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, sizeof self);
        path = self;
        path = path.substr(0, path.find_last_of("\\/") + 1) + "vk.exe";
    }
    if (path[0] == '/')
        path = "Z:" + path;
    for (char& c : path)
        c = (c == '/') ? '\\' : c;
    return path;
}

inline DWORD Attributes(const std::string& path)
{
    return GetFileAttributesW(LongForm(path).c_str());
}

inline bool Exists(const std::string& path)
{
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

inline bool IsDirectory(const std::string& path)
{
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline bool MakeDirectory(const std::string& path)
{
    return CreateDirectoryW(LongForm(path).c_str(), nullptr) != 0;
}

// Writes a file's bytes exactly as given.
inline bool WriteBytes(const std::string& path, const std::string& bytes)
{
    return vkfiles::WriteBytes(LongForm(path), bytes);
}

// A file's bytes; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path)
{
    return vkfiles::ReadBytes(LongForm(path));
}

using vkfiles::Crlf;

// The names in a directory, "." and ".." left out.
inline std::vector<std::string> ListNames(const std::string& dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((LongForm(dir) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(std::string(name.begin(), name.end()));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Deletes a directory and everything below it (read-only files included).
inline void RemoveTree(const std::string& dir)
{
    for (const std::string& name : ListNames(dir)) {
        std::string full = dir + "\\" + name;
        if (IsDirectory(full)) {
            RemoveTree(full);
        } else {
            SetFileAttributesW(LongForm(full).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(LongForm(full).c_str());
        }
    }
    RemoveDirectoryW(LongForm(dir).c_str());
}

// A new empty directory under the temporary folder; deleted with everything in it when the
// object goes.
class WorkDir {
public:
    WorkDir()
    {
        static unsigned counter = 0;
        char base[MAX_PATH] = {};
        GetTempPathA(sizeof base, base);
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            std::string dir = std::string(base) + "vkhard-" + std::to_string(GetCurrentProcessId()) + "-" +
                              std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
            if (MakeDirectory(dir))
                path_ = dir;
        }
    }
    ~WorkDir()
    {
        if (!path_.empty())
            RemoveTree(path_);
    }
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string Ini() const { return path_ + "\\vk.ini"; }

private:
    std::string path_;
};

// --- the settings file as the profile functions read it --------------------------------------

// Stands for a key that the file does not hold.
constexpr const char* kMissing = "\x01(missing)";

// One value as the profile functions return it (whole, however long), kMissing when absent.
inline std::string ProfileValue(const std::string& path, const char* section, const char* key)
{
    std::vector<char> buffer(1 << 21, '\0');
    GetPrivateProfileStringA(section, key, kMissing, buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    return buffer.data();
}

// --- the running program -------------------------------------------------------------------

// What the panel shows: list texts and indices, field texts, check states, results.
struct Panel {
    std::string power, spin, club, wind;
    int powerIndex = -1, spinIndex = -1, clubIndex = -1, windIndex = -1;
    std::string distance, height, direction, slope, navDirection, navSlope;
    LRESULT crimson = -1, rain = -1, fairway100 = -1, beam6 = -1, beam9 = -1;
    std::string results[6]; // 510, 520, 610, 620, 730, 740
};

constexpr int kResultIds[6] = {IDC_TOMAHAWK_DRIFT, IDC_TOMAHAWK_SHOT, IDC_BACKSPIN_DRIFT,
                               IDC_BACKSPIN_SHOT, IDC_BEAM_DRIFT, IDC_BEAM_SHOT};

// One copy of vk.exe started by the harness; terminated (failing the test) if still running at the end.
class VkProcess {
public:
    VkProcess() = default;
    VkProcess(const VkProcess&) = delete;
    VkProcess& operator=(const VkProcess&) = delete;
    ~VkProcess()
    {
        if (!started_)
            return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            ADD_FAILURE() << "vk.exe was still running at the end of the case";
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, kExitTimeout);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }

    // Starts program in directory (any length: it is passed as given). False when the platform refused.
    bool Start(const std::string& directory, const std::string& program = VkProgram())
    {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + Wide(program) + L"\"";
        std::wstring dir = Wide(directory);
        started_ = CreateProcessW(Wide(program).c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  directory.empty() ? nullptr : dir.c_str(), &startup, &info_) != 0;
        startError_ = started_ ? 0 : GetLastError();
        return started_;
    }

    DWORD StartError() const { return startError_; }
    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const { return started_ && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

    // Waits for the process's visible top-level window; nullptr when none came (or it exited).
    HWND WaitForWindow(DWORD timeout = kStartTimeout)
    {
        const DWORD start = GetTickCount();
        WaitForInputIdle(info_.hProcess, timeout);
        while (window_ == nullptr && GetTickCount() - start < timeout) {
            EnumWindows(FindOwnWindow, reinterpret_cast<LPARAM>(this));
            if (window_ == nullptr) {
                if (!Running())
                    break;
                Sleep(20);
            }
        }
        return window_;
    }

    HWND Window() const { return window_; }

    // Posts WM_CLOSE and waits for the exit; true with the exit code when the process ended in time.
    bool Close(DWORD* exitCode)
    {
        if (window_ != nullptr)
            PostMessageA(window_, WM_CLOSE, 0, 0);
        return WaitForExit(exitCode);
    }

    bool WaitForExit(DWORD* exitCode, DWORD timeout = kExitTimeout)
    {
        if (!started_ || WaitForSingleObject(info_.hProcess, timeout) != WAIT_OBJECT_0)
            return false;
        GetExitCodeProcess(info_.hProcess, exitCode);
        return true;
    }

private:
    static BOOL CALLBACK FindOwnWindow(HWND window, LPARAM data)
    {
        VkProcess* self = reinterpret_cast<VkProcess*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == self->info_.dwProcessId && IsWindowVisible(window)) {
            self->window_ = window;
            return FALSE;
        }
        return TRUE;
    }

    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
    DWORD startError_ = 0;
    HWND window_ = nullptr;
};

// Sends a message to another process's window; false when it did not answer in time (a hang).
inline bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kReplyTimeout, &answer))
        return false;
    if (result != nullptr)
        *result = static_cast<LRESULT>(answer);
    return true;
}

// The whole text of a window of another process (the system copies it across).
inline std::string WindowText(HWND window)
{
    LRESULT length = 0;
    if (!Send(window, WM_GETTEXTLENGTH, 0, 0, &length) || length < 0)
        return kMissing;
    std::vector<char> text(static_cast<std::size_t>(length) + 2, '\0');
    LRESULT copied = 0;
    Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied);
    return std::string(text.data());
}

inline std::string ControlText(HWND mainWindow, int id)
{
    return WindowText(GetDlgItem(mainWindow, id));
}

inline LRESULT ControlMessage(HWND mainWindow, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    LRESULT result = -1;
    Send(GetDlgItem(mainWindow, id), message, wParam, lParam, &result);
    return result;
}

inline bool SetControlText(HWND mainWindow, int id, const char* text)
{
    return Send(GetDlgItem(mainWindow, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// The recalculation request, as the panel's controls send it: WM_COMMAND, identifier 19, notification 0.
inline bool Recalculate(HWND mainWindow)
{
    return Send(mainWindow, WM_COMMAND, MAKEWPARAM(19, 0), 0);
}

inline Panel ReadPanel(HWND w)
{
    Panel p;
    p.power = ControlText(w, IDC_POWER);
    p.spin = ControlText(w, IDC_SPIN);
    p.club = ControlText(w, IDC_CLUB);
    p.wind = ControlText(w, IDC_WIND_POWER);
    p.powerIndex = static_cast<int>(ControlMessage(w, IDC_POWER, CB_GETCURSEL));
    p.spinIndex = static_cast<int>(ControlMessage(w, IDC_SPIN, CB_GETCURSEL));
    p.clubIndex = static_cast<int>(ControlMessage(w, IDC_CLUB, CB_GETCURSEL));
    p.windIndex = static_cast<int>(ControlMessage(w, IDC_WIND_POWER, CB_GETCURSEL));
    p.distance = ControlText(w, IDC_DISTANCE);
    p.height = ControlText(w, IDC_HEIGHT);
    p.direction = ControlText(w, IDC_DIRECTION);
    p.slope = ControlText(w, IDC_SLOPE);
    p.navDirection = ControlText(w, IDC_NAV_DIRECTION);
    p.navSlope = ControlText(w, IDC_NAV_SLOPE);
    p.crimson = ControlMessage(w, IDC_CRIMSON_RING, BM_GETCHECK);
    p.rain = ControlMessage(w, IDC_RAIN, BM_GETCHECK);
    p.fairway100 = ControlMessage(w, IDC_FAIRWAY_100, BM_GETCHECK);
    p.beam6 = ControlMessage(w, IDC_BEAM_6I, BM_GETCHECK);
    p.beam9 = ControlMessage(w, IDC_BEAM_9I, BM_GETCHECK);
    for (int i = 0; i < 6; ++i)
        p.results[i] = ControlText(w, kResultIds[i]);
    return p;
}

// The longest text a stored value can put into a field: the profile buffer holds 254 characters.
constexpr std::size_t kLongestStoredText = 254;

// Checks that the panel shows only what its controls allow: a list item selected in every list
// (the item at the selected index), one Beam club, the Condition group as at every start, the
// mirrors equal to their fields, field texts no longer than a stored value can be.
inline void ExpectPanelUsable(const Panel& p)
{
    static const char* const powers[] = {"20", "21", "22", "23", "24", "25", "26", "27",
                                         "28", "29", "30", "31", "32", "33", "34", "35"};
    static const char* const clubs[] = {"1W", "2W", "3W", "2I"};
    ASSERT_TRUE(p.powerIndex >= 0 && p.powerIndex < 16) << p.powerIndex;
    EXPECT_EQ(p.power, powers[p.powerIndex]);
    EXPECT_EQ(p.spinIndex, 0);
    EXPECT_EQ(p.spin, "7");
    ASSERT_TRUE(p.clubIndex >= 0 && p.clubIndex < 4) << p.clubIndex;
    EXPECT_EQ(p.club, clubs[p.clubIndex]);
    ASSERT_TRUE(p.windIndex >= 0 && p.windIndex < 9) << p.windIndex;
    EXPECT_EQ(p.wind, std::string(1, static_cast<char>('1' + p.windIndex)));
    EXPECT_TRUE(p.crimson == BST_CHECKED || p.crimson == BST_UNCHECKED) << p.crimson;
    EXPECT_EQ(p.rain, BST_UNCHECKED);
    EXPECT_EQ(p.fairway100, BST_CHECKED);
    EXPECT_EQ((p.beam6 == BST_CHECKED) + (p.beam9 == BST_CHECKED), 1) << p.beam6 << " " << p.beam9;
    EXPECT_EQ(p.navDirection, p.direction);
    EXPECT_EQ(p.navSlope, p.slope);
    for (const std::string* text : {&p.distance, &p.height, &p.direction, &p.slope})
        EXPECT_LE(text->size(), kLongestStoredText);
}

// Checks that every result field holds a text that fits the narrow field (at most six characters).
inline void ExpectResultsFilled(const Panel& p)
{
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(p.results[i].empty()) << "result field " << kResultIds[i];
        EXPECT_LE(p.results[i].size(), 6u) << "result field " << kResultIds[i] << ": " << p.results[i];
    }
}

// The first 8 characters of a field: what the program stores of it.
inline std::string Stored(const std::string& text)
{
    return text.substr(0, 8);
}

// Checks that the settings file holds the fourteen keys with the values of the panel as it was
// closed, the position of the window and the class name and title it ran with.
inline void ExpectFourteenKeys(const std::string& ini, const Panel& p, const RECT& place, const std::string& title,
                               const std::string& className)
{
    EXPECT_EQ(ProfileValue(ini, "App", "AppTitle"), title);
    EXPECT_EQ(ProfileValue(ini, "App", "ClassName"), className);
    EXPECT_EQ(ProfileValue(ini, "Pos", "X"), std::to_string(place.left));
    EXPECT_EQ(ProfileValue(ini, "Pos", "Y"), std::to_string(place.top));
    EXPECT_EQ(ProfileValue(ini, "Chara", "Power"), Stored(p.power));
    EXPECT_EQ(ProfileValue(ini, "Chara", "Spin"), Stored(p.spin));
    EXPECT_EQ(ProfileValue(ini, "Chara", "Club"), Stored(p.club));
    EXPECT_EQ(ProfileValue(ini, "Chara", "CrimsonRing"), p.crimson == BST_CHECKED ? "checked" : "unchecked");
    EXPECT_EQ(ProfileValue(ini, "Situation", "WindPower"), Stored(p.wind));
    EXPECT_EQ(ProfileValue(ini, "Situation", "Distance"), Stored(p.distance));
    EXPECT_EQ(ProfileValue(ini, "Situation", "Height"), Stored(p.height));
    EXPECT_EQ(ProfileValue(ini, "Situation", "Direction"), Stored(p.direction));
    EXPECT_EQ(ProfileValue(ini, "Situation", "Slope"), Stored(p.slope));
    EXPECT_EQ(ProfileValue(ini, "Beam", "Club"), p.beam9 == BST_CHECKED ? "9I" : "6I");
}

// True when the rectangle overlaps some monitor; whole is set when it lies inside that monitor.
inline bool OnAMonitor(const RECT& r, bool* whole)
{
    HMONITOR monitor = MonitorFromRect(&r, MONITOR_DEFAULTTONULL);
    if (monitor == nullptr)
        return false;
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    const RECT& m = info.rcMonitor;
    *whole = r.left >= m.left && r.top >= m.top && r.right <= m.right && r.bottom <= m.bottom;
    return true;
}

} // namespace hard
