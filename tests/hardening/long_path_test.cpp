// The real vk.exe in working directories whose paths are longer than 248 and than 260 characters:
// it uses the settings file while its path fits the profile functions (259 characters) and the
// defaults beyond, recalculates, exits 0, and never writes under a cut path.
#include "vk_harness.h"

#include <psapi.h>

namespace {

using hard::Panel;
using hard::VkProcess;

// Longest settings path the profile functions accept (MAX_PATH less the terminator).
constexpr std::size_t kLongestProfilePath = 259;
// Length of "\vk.ini".
constexpr std::size_t kFileNameLength = 7;

// Makes nested directories under base until the full path has exactly length characters
// (parts of at most 60 characters; never one left a single character long).
std::string MakeDirOfLength(const std::string& base, std::size_t length)
{
    std::string dir = base;
    while (dir.size() + 1 < length) {
        std::size_t remaining = length - dir.size() - 1;
        std::size_t part = remaining < 60 ? remaining : 60;
        if (remaining - part == 1)
            --part;
        dir += "\\" + std::string(part, static_cast<char>('a' + dir.size() % 26));
        if (!hard::MakeDirectory(dir))
            return std::string();
    }
    return dir;
}

// Has the running program change its own working directory: a thread started in it runs
// SetCurrentDirectoryW on the path, copied into its memory. True when that call succeeded.
bool MoveWorkingDirectory(HANDLE process, const std::string& dir)
{
    // The entry point in the program: kernel32's base there plus the offset seen here.
    HMODULE local = GetModuleHandleA("kernel32.dll");
    const char* entry = reinterpret_cast<const char*>(GetProcAddress(local, "SetCurrentDirectoryW"));
    HMODULE modules[512];
    DWORD needed = 0;
    if (entry == nullptr || !EnumProcessModulesEx(process, modules, sizeof modules, &needed, LIST_MODULES_ALL))
        return false;
    const char* remoteBase = nullptr;
    for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 512; ++i) {
        char name[MAX_PATH] = {};
        GetModuleBaseNameA(process, modules[i], name, sizeof name);
        if (lstrcmpiA(name, "kernel32.dll") == 0)
            remoteBase = reinterpret_cast<const char*>(modules[i]);
    }
    if (remoteBase == nullptr)
        return false;
    const void* remoteEntry = remoteBase + (entry - reinterpret_cast<const char*>(local));

    const std::wstring path = hard::Wide(dir);
    const SIZE_T bytes = (path.size() + 1) * sizeof(wchar_t);
    void* text = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (text == nullptr || !WriteProcessMemory(process, text, path.c_str(), bytes, nullptr))
        return false;
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(remoteEntry),
                                       text, 0, nullptr);
    DWORD result = 0;
    if (thread != nullptr) {
        WaitForSingleObject(thread, hard::kReplyTimeout);
        GetExitCodeThread(thread, &result);
        CloseHandle(thread);
    }
    VirtualFreeEx(process, text, 0, MEM_RELEASE);
    return result == TRUE;
}

// How the program comes to run in the long directory.
enum class Way {
    Started, // started there
    Moved,   // started in a short directory, then moved there while running
};

struct LongPathCase {
    const char* name;
    std::size_t length; // of the working directory
    Way way;
};

// 249: just over the 248 characters beyond which a 255-character path buffer would overflow.
// 252: the longest directory whose settings path (259) the profile functions take; 253 one more.
// 258: the longest working directory a program can be started in (MAX_PATH less a backslash
// and the terminator). Beyond it the platform cannot start a program there: Wine 8 corrupts the
// new process's memory and starts it in the Windows directory instead (259 fails outright), so
// such directories are reached by moving the running program. 252 moved shows that moving works.
const LongPathCase kCases[] = {
    {"Started249", 249, Way::Started},
    {"Started252SettingsPathAtTheLimit", 252, Way::Started},
    {"Started253SettingsPathOneTooLong", 253, Way::Started},
    {"Started258LongestWorkingDirectory", 258, Way::Started},
    {"Moved252SettingsPathAtTheLimit", 252, Way::Moved},
    {"Moved261BeyondMaxPath", 261, Way::Moved},
    {"Moved400", 400, Way::Moved},
};

class LongPath : public testing::TestWithParam<LongPathCase> {};

const char* const kStored = "[Chara]\r\nPower=30\r\n[Situation]\r\nDistance=99\r\n";

TEST_P(LongPath, UsesTheFileOrTheDefaultsAndClosesCleanly)
{
    const LongPathCase& c = GetParam();
    hard::WorkDir base;
    ASSERT_FALSE(base.Path().empty());
    const std::string dir = MakeDirOfLength(base.Path(), c.length);
    ASSERT_EQ(dir.size(), c.length);
    const std::string ini = dir + "\\vk.ini";
    ASSERT_TRUE(hard::WriteBytes(ini, kStored));
    const bool fits = ini.size() <= kLongestProfilePath;

    // Step 1: the program runs in that directory.
    VkProcess vk;
    ASSERT_TRUE(vk.Start(c.way == Way::Started ? dir : base.Path())) << "error " << vk.StartError();
    HWND window = vk.WaitForWindow();
    ASSERT_NE(window, nullptr) << "no window; exited: " << !vk.Running();
    EXPECT_EQ(hard::WindowText(window), hard::kDefaultName);
    if (c.way == Way::Moved) {
        ASSERT_TRUE(MoveWorkingDirectory(vk.Handle(), dir));
    }

    // Step 2: started there, it shows the stored values while the settings path fits, else the defaults.
    Panel shown = hard::ReadPanel(window);
    hard::ExpectPanelUsable(shown);
    if (c.way == Way::Started) {
        EXPECT_EQ(shown.power, fits ? "30" : "25");
        EXPECT_EQ(shown.distance, fits ? "99" : "230");
    }

    // Step 3: recalculate, change a field, close: exit code 0.
    ASSERT_TRUE(hard::Recalculate(window));
    hard::ExpectResultsFilled(hard::ReadPanel(window));
    ASSERT_TRUE(hard::SetControlText(window, IDC_DISTANCE, "187"));
    Panel closing = hard::ReadPanel(window);
    RECT place = {};
    GetWindowRect(window, &place);
    DWORD code = 99;
    ASSERT_TRUE(vk.Close(&code)) << "vk.exe did not exit after WM_CLOSE";
    EXPECT_EQ(code, 0u);

    // Step 4: the file written in full where its path fits, untouched beyond; nothing else
    // written, neither in the directory nor under a cut path in any directory above it.
    if (fits) {
        hard::ExpectFourteenKeys(ini, closing, place, hard::kDefaultName, hard::kDefaultName);
    } else {
        EXPECT_EQ(hard::ReadBytes(ini), kStored);
    }
    EXPECT_EQ(hard::ListNames(dir), std::vector<std::string>{"vk.ini"});
    for (std::string above = dir; above.size() > base.Path().size();) {
        above = above.substr(0, above.find_last_of('\\'));
        EXPECT_EQ(hard::ListNames(above).size(), 1u) << above; // only the next directory down
    }
}

INSTANTIATE_TEST_SUITE_P(Directories, LongPath, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<LongPathCase>& info) { return info.param.name; });

} // namespace
