// The single-instance rule with the real program: a second vk.exe ends at once with exit code 0
// and leaves the first copy and its window as they were; the first exits 0 and saves on closing.
#include <string>

#include "win_fixture.h"

namespace {

struct Process {
    PROCESS_INFORMATION info = {};
    bool started = false;

    ~Process()
    {
        if (!started)
            return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 1);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
};

bool Start(Process& process, const std::string& program, const std::string& directory)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    process.started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                     directory.c_str(), &startup, &process.info) != 0;
    return process.started;
}

// The top-level windows of the default class and title, and the one owned by processId.
struct Found {
    int count = 0;
    HWND ofProcess = nullptr;
    DWORD processId = 0;
};

BOOL CALLBACK CountMainWindows(HWND window, LPARAM data)
{
    Found* found = reinterpret_cast<Found*>(data);
    char className[64] = {}, title[64] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (std::string(className) == "vk ver2.43a" && std::string(title) == "vk ver2.43a") {
        ++found->count;
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == found->processId)
            found->ofProcess = window;
    }
    return TRUE;
}

Found FindWindows(DWORD processId)
{
    Found found;
    found.processId = processId;
    EnumWindows(CountMainWindows, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(SingleInstance, SecondCopyExitsZeroAndFirstKeepsItsWindow)
{
    const std::string program = vktest::BesideThisProgram("vk.exe");
    ASSERT_TRUE(vktest::FileExists(program)) << program;
    const std::string dir = vktest::MakeTempDir();
    ASSERT_FALSE(dir.empty());

    Process first;
    ASSERT_TRUE(Start(first, program, dir));
    HWND window = nullptr;
    for (int i = 0; i < 200 && window == nullptr; ++i) {
        window = FindWindows(first.info.dwProcessId).ofProcess;
        if (window == nullptr)
            Sleep(50);
    }
    ASSERT_NE(window, nullptr) << "the first copy showed no window";
    WaitForInputIdle(first.info.hProcess, 5000);
    RECT before;
    GetWindowRect(window, &before);

    Process second;
    ASSERT_TRUE(Start(second, program, dir));
    ASSERT_EQ(WaitForSingleObject(second.info.hProcess, 10000), WAIT_OBJECT_0) << "the second copy kept running";
    DWORD code = 1;
    GetExitCodeProcess(second.info.hProcess, &code);
    EXPECT_EQ(code, 0u);

    // The first copy runs on with its one window where it was; the second made none.
    EXPECT_EQ(WaitForSingleObject(first.info.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    Found after = FindWindows(first.info.dwProcessId);
    EXPECT_EQ(after.count, 1);
    EXPECT_EQ(after.ofProcess, window);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    RECT now;
    GetWindowRect(window, &now);
    EXPECT_TRUE(EqualRect(&before, &now));
    EXPECT_FALSE(vktest::FileExists(dir + "\\vk.ini")); // nothing written while running

    // Closing the first: exit code 0 and the settings written.
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(first.info.hProcess, 10000), WAIT_OBJECT_0);
    code = 1;
    GetExitCodeProcess(first.info.hProcess, &code);
    EXPECT_EQ(code, 0u);
    std::string ini = vktest::ReadFileBytes(dir + "\\vk.ini");
    EXPECT_EQ(ini.substr(0, 50), "[App]\r\nAppTitle=vk ver2.43a\r\nClassName=vk ver2.43a");
    EXPECT_NE(ini.find("[Beam]\r\nClub=6I\r\n"), std::string::npos) << ini;

    // With the first gone, a new copy starts again (the name is freed with the process).
    Process third;
    ASSERT_TRUE(Start(third, program, dir));
    HWND again = nullptr;
    for (int i = 0; i < 200 && again == nullptr; ++i) {
        again = FindWindows(third.info.dwProcessId).ofProcess;
        if (again == nullptr)
            Sleep(50);
    }
    EXPECT_NE(again, nullptr);
    if (again != nullptr) {
        PostMessageA(again, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(third.info.hProcess, 10000), WAIT_OBJECT_0);
    }
    vktest::RemoveTree(dir);
}

} // namespace
