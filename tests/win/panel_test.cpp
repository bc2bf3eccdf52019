// The panel as a whole on the Windows runtime: the situations through the real controls, commands
// that must change nothing, paints and recalculations that keep the GDI objects flat, and the real
// vk.exe as a single instance. VKSOAK_ROUNDS and VKSOAK_COPIES make the last two a soak run.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fixture.h"
#include "situations.h"

#include <psapi.h>
#include <winternl.h>

namespace {

using vktest::Pump;

class WholePanel : public vktest::Panel {
protected:
    void SetUp() override
    {
        Panel::SetUp();
        ASSERT_NE(Open(), nullptr);
    }
    std::string Results() const
    {
        std::string texts;
        for (int id : {510, 520, 610, 620, 730, 740})
            texts += Text(id) + "|";
        return texts;
    }
};

int Soak(const char* name, int normal)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : normal;
}

TEST_F(WholePanel, SituationsAsTheFieldsShowThem)
{
    const int radios[] = {IDC_FAIRWAY_100, IDC_FAIRWAY_95, IDC_FAIRWAY_90, IDC_FAIRWAY_85, IDC_FAIRWAY_80, IDC_FAIRWAY_75};
    const char* const fairways[] = {"100", "95", "90", "85", "80", "75"};
    for (const situations::Situation& s : situations::kSituations) {
        SendMessageA(Control(IDC_CLUB), CB_SELECTSTRING, WPARAM(-1), LPARAM(s.club));
        SendMessageA(Control(IDC_POWER), CB_SELECTSTRING, WPARAM(-1), LPARAM(s.power));
        SendMessageA(Control(IDC_WIND_POWER), CB_SELECTSTRING, WPARAM(-1), LPARAM(s.wind));
        for (int i = 0; i < 6; ++i)
            SendMessageA(Control(radios[i]), BM_SETCHECK, std::strcmp(s.fairway, fairways[i]) == 0, 0);
        SendMessageA(Control(IDC_CRIMSON_RING), BM_SETCHECK, s.ring, 0);
        SendMessageA(Control(IDC_RAIN), BM_SETCHECK, s.rain, 0);
        SendMessageA(Control(IDC_BEAM_6I), BM_SETCHECK, s.beam[0] == '6', 0);
        SendMessageA(Control(IDC_BEAM_9I), BM_SETCHECK, s.beam[0] == '9', 0);
        SetText(IDC_DISTANCE, s.distance);
        SetText(IDC_HEIGHT, s.height);
        SetText(IDC_DIRECTION, s.direction);
        SetText(IDC_SLOPE, s.slope);
        Recalculate();
        const int fields[3][2] = {{510, 520}, {610, 620}, {730, 740}};
        for (int g = 0; g < 3; ++g) {
            const std::string drift = Text(fields[g][0]);
            EXPECT_EQ(drift == "---" && Text(fields[g][1]) == "---", s.groups[g] == 'C') << s.club << " " << s.distance;
            if (g == s.group) {
                EXPECT_EQ(drift, s.driftText) << s.club << " " << s.distance;
                EXPECT_EQ(Text(fields[g][1]), s.shotText) << s.club << " " << s.distance;
            }
        }
    }
}

TEST_F(WholePanel, OnlyTheRecalculationRequestWritesTheResults)
{
    for (WPARAM command : {MAKEWPARAM(19, 1), MAKEWPARAM(400, 0), MAKEWPARAM(18, 0)})
        SendMessageA(Window(), WM_COMMAND, command, 0);
    EXPECT_EQ(Results(), "||||||");
    SetText(IDC_DISTANCE, "80");
    SendMessageA(Control(IDC_BEAM_6I), BM_SETCHECK, BST_UNCHECKED, 0);
    SetText(IDC_BEAM_DRIFT, "kept");
    Recalculate(); // neither iron: the Beam Impact fields keep what they show
    EXPECT_EQ(Results().substr(0, 16), "---|---|---|---|");
    EXPECT_EQ(Text(IDC_BEAM_DRIFT), "kept");
}

// The live GDI objects of this process, from the handle table the platform maps into it (Wine's
// GetGuiResources answers 0): 24-byte entries, the object's type in byte 14, 0 when free.
long LiveGdiObjects()
{
    using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr);
    const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    const unsigned char* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
    long live = 0;
    for (int i = 0; table != nullptr && i < 0x10000; ++i) {
        unsigned short owner;
        std::memcpy(&owner, table + 24 * i + 8, sizeof owner);
        live += table[24 * i + 14] != 0 && (owner == 0 || owner == (GetCurrentProcessId() & 0xFFFF));
    }
    return live;
}

TEST_F(WholePanel, PaintsAndRecalculationsKeepTheObjectsFlat)
{
    const int rounds = Soak("VKSOAK_ROUNDS", 200);
    PROCESS_MEMORY_COUNTERS memory = {};
    DWORD handles = 0;
    long gdi = 0;
    for (int round = -50; round <= rounds; ++round) {
        if (round == 0 || round == rounds) {
            const long before = gdi;
            const DWORD handlesBefore = handles;
            const SIZE_T bytesBefore = memory.PagefileUsage;
            gdi = LiveGdiObjects();
            GetProcessHandleCount(GetCurrentProcess(), &handles);
            GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
            std::printf("after %d rounds: %ld GDI objects, %lu handles, %zu KiB private\n", round, gdi,
                        static_cast<unsigned long>(handles), memory.PagefileUsage / 1024);
            if (round == rounds) {
                EXPECT_LE(gdi, before + 8);
                EXPECT_LE(handles, handlesBefore + 8);
                EXPECT_LE(memory.PagefileUsage, bytesBefore + 2 * 1024 * 1024);
            }
        }
        SetText(IDC_DISTANCE, round % 2 ? "80" : "200");
        Recalculate();
        SendMessageA(Window(), round % 3 ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, 0, MAKELPARAM(60 + round % 40, 630));
        UpdateWindow(Window());
        Pump();
    }
    EXPECT_EQ(Text(IDC_BEAM_DRIFT), "---"); // the last round recalculated at 200 yards
}

// The real vk.exe: of several copies started at once exactly one shows its window and the
// others end with code 0; closed, it ends with code 0 and has written its settings.
class Program : public vktest::Panel {};

TEST_F(Program, OneCopyRunsAtATime)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string program = self;
    program = program.substr(0, program.find_last_of('\\') + 1) + "vk.exe";
    std::vector<PROCESS_INFORMATION> copies(static_cast<std::size_t>(Soak("VKSOAK_COPIES", 3)));
    for (PROCESS_INFORMATION& copy : copies) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, Dir().c_str(),
                                   &startup, &copy));
    }
    HWND window = nullptr;
    for (int i = 0; i < 300 && window == nullptr; ++i, Sleep(100))
        window = FindWindowA("vk ver2.43a", "vk ver2.43a");
    ASSERT_NE(window, nullptr);
    DWORD shown = 0;
    GetWindowThreadProcessId(window, &shown);
    int others = 0;
    for (PROCESS_INFORMATION& copy : copies) {
        others += copy.dwProcessId != shown;
        EXPECT_TRUE(copy.dwProcessId == shown || WaitForSingleObject(copy.hProcess, 20000) == WAIT_OBJECT_0);
    }
    EXPECT_EQ(others, int(copies.size()) - 1);
    PostMessageA(window, WM_CLOSE, 0, 0);
    for (PROCESS_INFORMATION& copy : copies) {
        DWORD code = 99;
        EXPECT_EQ(WaitForSingleObject(copy.hProcess, 20000), WAIT_OBJECT_0);
        EXPECT_TRUE(GetExitCodeProcess(copy.hProcess, &code) && code == 0);
        CloseHandle(copy.hProcess);
        CloseHandle(copy.hThread);
    }
    EXPECT_NE(Ini().find("[Beam]\r\nClub=6I\r\n"), std::string::npos);
}

} // namespace
