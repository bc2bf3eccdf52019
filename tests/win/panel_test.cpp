// The panel as a whole on the Windows runtime: a situation through the real controls, commands
// that must change nothing, and paints and recalculations that keep the GDI objects flat
// (VKSOAK_ROUNDS makes that a soak run).
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "fixture.h"
#include "win_dial.h"
#include "win_panel.h"

#include <psapi.h>

namespace {

using vktest::Pump;

using WholePanel = vktest::OpenPanel;

// A situation unlike the start-up one in every kind of input, set in the controls: the panel reads
// it (a field's first 8 characters), and the result fields show what the calculator makes of it.
TEST_F(WholePanel, ASituationAsTheFieldsShowIt)
{
    const PanelReading expected{"33", "7", "2I", "7", "85.00000", "-6", "120", "0.5", true, true, 1u << 1, 1u << 1}; // 95 %, 9I
    for (const auto& [id, item] : {std::make_pair(IDC_CLUB, "2I"), {IDC_POWER, "33"}, {IDC_WIND_POWER, "7"}})
        SendMessageA(Control(id), CB_SELECTSTRING, WPARAM(-1), LPARAM(item));
    for (const auto& [id, checked] : {std::make_pair(IDC_CRIMSON_RING, true), {IDC_RAIN, true}, {IDC_FAIRWAY_100, false},
                                      {IDC_FAIRWAY_95, true}, {IDC_BEAM_6I, false}, {IDC_BEAM_9I, true}})
        Check(id, checked);
    for (const auto& [id, text] : {std::make_pair(IDC_DISTANCE, "85.000001"), {IDC_HEIGHT, "-6"}, {IDC_DIRECTION, "120"}, {IDC_SLOPE, "0.5"}})
        SetText(id, text);
    const auto fields = [](const PanelReading& p) {
        return std::make_tuple(p.power, p.spin, p.club, p.windPower, p.distance, p.height, p.direction, p.slope, p.crimsonRing, p.rain, p.fairway, p.beam);
    };
    EXPECT_EQ(fields(ReadPanel(Window())), fields(expected));
    Recalculate();
    const DispatchOutcome outcome = Calculate(expected);
    std::string calculated;
    for (const GroupOutcome* group : {&outcome.tomahawk, &outcome.backSpin, &outcome.beam})
        calculated += group->action == GroupAction::Written ? std::string(group->result.driftText) + " " + group->result.shotText + " " : "--- --- ";
    EXPECT_EQ(Text(510) + " " + Text(520) + " " + Text(610) + " " + Text(620) + " " + Text(730) + " " + Text(740) + " ", calculated);
}

TEST_F(WholePanel, OnlyTheRecalculationRequestWritesTheResults)
{
    const auto results = [this] { return Text(510) + Text(520) + Text(610) + Text(620) + Text(730) + Text(740); };
    for (WPARAM command : {MAKEWPARAM(19, 1), MAKEWPARAM(400, 0), MAKEWPARAM(18, 0)})
        SendMessageA(Window(), WM_COMMAND, command, 0);
    EXPECT_EQ(results(), "");
    SetText(IDC_DISTANCE, "80");
    Check(IDC_BEAM_6I, false);
    SetText(IDC_BEAM_DRIFT, "kept");
    Recalculate(); // neither iron: the Beam Impact fields keep what they show
    EXPECT_EQ(results(), "------------kept");
}

// The recalculation requests that reach a window of another thread.
std::atomic<int> g_foreignRequests{0};

LRESULT CALLBACK CountRequests(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_foreignRequests += message == WM_COMMAND && wParam == 19;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window of another thread with vk's class name and title, first in Z order, gets no
// recalculation request, and vk's own panel still recalculates.
TEST_F(WholePanel, RequestsPassByAWindowOfAnotherThread)
{
    WNDCLASSA foreign = {}; // registered for another module, so that it may have vk's class name
    foreign.lpfnWndProc = CountRequests;
    foreign.hInstance = GetModuleHandleA("kernel32.dll");
    foreign.lpszClassName = MainClassName();
    ASSERT_TRUE(RegisterClassA(&foreign));
    std::atomic<DWORD> thread{0};
    std::thread other([&] {
        HWND window = CreateWindowExA(0, MainClassName(), MainTitle(), WS_POPUP, 0, 0, 9, 9, nullptr, nullptr,
                                      foreign.hInstance, nullptr);
        thread = GetCurrentThreadId();
        for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0;)
            DispatchMessageA(&message);
        DestroyWindow(window);
    });
    while (thread == 0)
        Sleep(1);
    SendMessageA(Control(IDC_CALCULATE), WM_LBUTTONUP, 0, 0);
    PostThreadMessageA(thread, WM_QUIT, 0, 0);
    other.join();
    UnregisterClassA(MainClassName(), foreign.hInstance);
    EXPECT_EQ(g_foreignRequests, 0);
    EXPECT_NE(Text(IDC_TOMAHAWK_SHOT), ""); // empty until the first recalculation
}

// Every pen the process can still make, held while it lives: a count of the GDI objects still free
// (the system's own limit less the live ones, where GetGuiResources may answer 0).
struct AllPens {
    std::vector<HPEN> pens;
    AllPens() { for (HPEN pen; (pen = CreatePen(PS_SOLID, 1, 0)) != nullptr;) pens.push_back(pen); }
    ~AllPens() { for (HPEN pen : pens) DeleteObject(pen); }
};

// With no pen to be had, the dial draws no line and the device context keeps its own pen.
TEST_F(WholePanel, WithoutPensTheDialDrawsNothing)
{
    HDC screen = GetDC(Window());
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(dc, CreateCompatibleBitmap(screen, 120, 745));
    ReleaseDC(Window(), screen);
    PatBlt(dc, 0, 0, 120, 745, WHITENESS);
    HPEN own = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(dc, own);
    {
        const AllPens taken;
        DrawDial(Window(), dc, 96); // direction and slope 0: both lines pass (80, 648)
    }
    EXPECT_EQ(std::make_pair(GetPixel(dc, 80, 648), GetCurrentObject(dc, OBJ_PEN)), std::make_pair(RGB(255, 255, 255), HGDIOBJ(own)));
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
    DeleteObject(own);
}

TEST_F(WholePanel, PaintsAndRecalculationsKeepTheObjectsFlat)
{
    const char* soak = std::getenv("VKSOAK_ROUNDS");
    const int rounds = soak != nullptr ? std::atoi(soak) : 200;
    std::size_t freeObjects[2] = {};
    SIZE_T bytes[2] = {};
    for (int round = -50; round <= rounds; ++round) {
        if (round == 0 || round == rounds) {
            freeObjects[round != 0] = AllPens().pens.size(); // first: making them grows the heap
            PROCESS_MEMORY_COUNTERS memory = {};
            GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
            bytes[round != 0] = memory.PagefileUsage;
            std::printf("after %d rounds: %zu GDI objects free, %zu KiB private\n", round, freeObjects[round != 0], bytes[round != 0] / 1024);
        }
        SetText(IDC_DISTANCE, round % 2 ? "80" : "200");
        Recalculate();
        SendMessageA(Window(), round % 3 ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, 0, MAKELPARAM(60 + round % 40, 630));
        UpdateWindow(Window());
        Pump();
    }
    EXPECT_GE(freeObjects[1] + 8, freeObjects[0]);
    EXPECT_LE(bytes[1], bytes[0] + 4 * 1024 * 1024); // the first rounds settle the heap
    EXPECT_EQ(Text(IDC_BEAM_DRIFT), "---"); // the last round recalculated at 200 yards
}

} // namespace
