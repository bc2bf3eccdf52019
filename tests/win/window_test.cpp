// The main window opened without a settings file: its place and menu, the 34 controls with their
// lists and fonts, every text whole in its control, minimising, and the file written when it closes.
#include <cstdio>

#include "dial_math.h"
#include "fixture.h"
#include "win_dpi.h"

namespace {

using vktest::Panel;

std::vector<std::string> Items(HWND list)
{
    std::vector<std::string> items;
    for (LRESULT i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
        char item[16] = {};
        SendMessageA(list, CB_GETLBTEXT, i, LPARAM(item));
        items.push_back(item);
    }
    return items;
}

// A font as its face, character set, height and weight.
std::string Described(HGDIOBJ font)
{
    LOGFONTA f = {};
    GetObjectA(font, sizeof f, &f);
    return std::string(f.lfFaceName) + " " + std::to_string(f.lfCharSet) + " " + std::to_string(f.lfHeight) + " " + std::to_string(f.lfWeight);
}

// The labels painted through TextOutA while RecordTextOut stands in its import slot: each one's
// place, its text read in code page 932 (as UTF-8) and the font selected.
std::string g_painted;
decltype(&TextOutA) g_textOut = nullptr;

BOOL WINAPI RecordTextOut(HDC dc, int x, int y, LPCSTR text, int length)
{
    wchar_t wide[32] = {};
    char utf8[96] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, length, wide, 32), utf8, sizeof utf8, nullptr, nullptr);
    g_painted += std::to_string(x) + "," + std::to_string(y) + " " + utf8 + " " + Described(GetCurrentObject(dc, OBJ_FONT)) + "|";
    return g_textOut(dc, x, y, text, length);
}

// Puts replacement into each of this program's import slots that holds function.
void SwapImport(void* function, void* replacement)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); dll->Name != 0; ++dll) {
        for (auto* slot = reinterpret_cast<ULONG_PTR*>(base + dll->FirstThunk); *slot != 0; ++slot) {
            DWORD access = 0;
            if (*slot == reinterpret_cast<ULONG_PTR>(function) && VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &access)) {
                *slot = reinterpret_cast<ULONG_PTR>(replacement);
                VirtualProtect(slot, sizeof *slot, access, &access);
            }
        }
    }
}

// The window with its menu, lists, choices and focus as start-up makes them, and the file written
// when it closes.
TEST_F(Panel, CreatedWithTheStartUpValues)
{
    ASSERT_NE(Open(), nullptr); // its size is checked at each scale, its place as saved at the end
    const LONG_PTR style = GetWindowLongPtrA(Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_CAPTION | WS_SYSMENU);
    for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_MOVE, SC_CLOSE})
        EXPECT_EQ(GetMenuState(GetSystemMenu(Window(), FALSE), command, MF_BYCOMMAND) == UINT(-1),
                  command != SC_MOVE && command != SC_CLOSE);

    // The lists with their items.
    std::string items;
    for (int id : {110, 120, 130, 310})
        for (const std::string& item : Items(Control(id)))
            items += item + " ";
    EXPECT_EQ(items, "20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 7 1W 2W 3W 2I 1 2 3 4 5 6 7 8 9 ");
    EXPECT_EQ(std::make_tuple(Checked(IDC_RAIN), Checked(IDC_FAIRWAY_100), Checked(IDC_BEAM_6I)), std::make_tuple(false, true, true));
    SetFocus(Window()); // the main window gives the focus on to the wind power list
    EXPECT_EQ(GetFocus(), Control(IDC_WIND_POWER));

    EXPECT_EQ(Ini(), ""); // nothing is written while the window lives
    EXPECT_TRUE(Close());
    EXPECT_EQ(Ini(), vktest::Crlf("[App]\nAppTitle=vk ver2.43a\nClassName=vk ver2.43a\n[Pos]\nX=20\nY=30\n"
                                  "[Chara]\nPower=25\nSpin=7\nClub=1W\nCrimsonRing=unchecked\n[Situation]\n"
                                  "WindPower=1\nDistance=230\nHeight=0\nDirection=0\nSlope=0\n[Beam]\nClub=6I\n"));
}

// At the scale the panel is laid out at every control has "tahoma" of code page 932, 13 pixels
// high at 96 DPI, bold in 510 and 520; each list's items and each result field's widest texts fit
// the room their control leaves them; the 26 labels are painted in order at their places in the
// normal font.
TEST_F(Panel, FontsLabelsAndTheTextsThatMustFit)
{
    ASSERT_NE(Open(), nullptr);
    const int dpi = LayoutDpi();
    const std::string normal = "tahoma 128 " + std::to_string(ScaleToDpi(13, dpi)) + " ";
    for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        EXPECT_EQ(Described(HGDIOBJ(SendMessageA(child, WM_GETFONT, 0, 0))), normal + (id == 510 || id == 520 ? "700" : "0")) << id;
    }
    for (int id : {110, 120, 130, 310, 510, 520, 610, 620, 730, 740}) {
        HDC dc = GetDC(Control(id));
        HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageA(Control(id), WM_GETFONT, 0, 0)));
        RECT room = {};
        COMBOBOXINFO list = {sizeof list, {}, {}, {}, {}, {}, {}};
        if (GetComboBoxInfo(Control(id), &list))
            room = {list.rcItem.left, 0, list.rcItem.right - MulDiv(3, dpi, 96), 0}; // the selection's frame and margin
        else
            SendMessageA(Control(id), EM_GETRECT, 0, LPARAM(&room));
        for (const std::string& text : id < 500 ? Items(Control(id)) : std::vector<std::string>{"-12.70", "111.56", "-0.580", "---"}) {
            SIZE size = {};
            GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
            EXPECT_LE(size.cx, room.right - room.left) << id << " \"" << text << "\"";
        }
        SelectObject(dc, old);
        ReleaseDC(Control(id), dc);
    }
    g_textOut = TextOutA;
    SwapImport(reinterpret_cast<void*>(g_textOut), reinterpret_cast<void*>(RecordTextOut));
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SwapImport(reinterpret_cast<void*>(RecordTextOut), reinterpret_cast<void*>(g_textOut));
    const char* labels = "13,25 パワー|13,47 スピン|13,69 クラブ|12,253 風力|97,253 m|12,274 残距離|97,274 y|12,294 高低差|97,294 m|"
                         "12,314 風向き|97,314 ﾟ|12,334 傾斜|12,398 横ズレ|94,397 y|12,417 ショット|94,417 %|12,459 横ズレ|93,458 y|"
                         "12,478 ショット|93,478 %|13,520 クラブ|12,541 横ズレ|93,540 y|12,560 ショット|93,560 %|54,699 ﾟ|";
    std::string expected;
    int x = 0, y = 0, used = 0;
    char text[32] = {};
    for (; std::sscanf(labels, "%d,%d %31[^|]|%n", &x, &y, text, &used) == 3; labels += used)
        expected += std::to_string(ScaleToDpi(x, dpi)) + "," + std::to_string(ScaleToDpi(y, dpi)) + " " + text + " " + normal + "0|";
    EXPECT_EQ(g_painted, expected);
}

// The frame and title bar that the system gives the main window's style at dpi.
SIZE SystemFrame(int dpi)
{
    RECT r = {};
    AdjustWindowRectExForDpi(&r, WS_CAPTION | WS_SYSMENU, FALSE, 0, dpi);
    return {r.right - r.left, r.bottom - r.top};
}

// At the run's display scale, or where the window would be taller than its work area at the
// largest scale down to 75 % at which it fits: the client area (the outer size is it with the
// system's frame, inside the work area), every control inside it and three controls' rectangles;
// on the dial the cross-hair above the centre, the wind line (field 0: to the right) to its end,
// then the picture, and the slope line (field 0: level) left of the centre; the place 45 degrees
// up and to the right pointing 45 degrees. Then moved to a
// display of the next larger scale: the panel laid out again in the rectangle the system suggests
// (Wine keeps a window no narrower than its screen's scale allows, so not to a smaller one).
TEST_F(Panel, LaidOutAtTheDisplaysScale)
{
    // Client width and height; x, y, width and height of 140, 320 and 820: at 96 DPI, and at dpi each
    // figure to the nearest pixel as the system's MulDiv rounds.
    const auto scaled = [](int dpi) {
        std::vector<LONG> figures;
        for (int v : {114, 720, 11, 87, 85, 20, 58, 274, 38, 13, 62, 699, 38, 13})
            figures.push_back(MulDiv(v, dpi, kBaseDpi));
        return figures;
    };
    const int run = vktest::RunDpi();
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(WindowDpi(Window()), run); // the run's display is at that scale
    RECT work; // of the one monitor
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const auto fits = [&work, run](int dpi) { return MulDiv(kClientHeight, dpi, kBaseDpi) + SystemFrame(run).cy <= work.bottom - work.top; };
    const int dpi = LayoutDpi();
    EXPECT_TRUE(fits(run) ? dpi == run : dpi >= run * 3 / 4 && dpi < run && fits(dpi) && !fits(dpi + 1)) << dpi;
    const auto places = [this, &work] {
        RECT client, r, outer;
        GetClientRect(Window(), &client);
        std::vector<LONG> found = {client.right, client.bottom};
        for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
            if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom)
                found.push_back(-GetDlgCtrlID(child)); // outside the client area
        }
        for (int id : {IDC_CRIMSON_RING, IDC_DISTANCE, IDC_NAV_SLOPE}) {
            GetWindowRect(Control(id), &r);
            MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
            found.insert(found.end(), {r.left, r.top, r.right - r.left, r.bottom - r.top});
        }
        GetWindowRect(Window(), &outer);
        const SIZE frame = SystemFrame(WindowDpi(Window()));
        EXPECT_EQ(std::make_tuple(outer.right - outer.left, outer.bottom - outer.top, outer.top >= work.top && outer.bottom <= work.bottom),
                  std::make_tuple(client.right + frame.cx, client.bottom + frame.cy, true));
        return found;
    };
    EXPECT_EQ(places(), scaled(dpi));
    const DialGeometry dial = DialAt(dpi);
    HDC dc = GetDC(Window());
    EXPECT_EQ((std::vector<COLORREF>{GetPixel(dc, dial.centre.x, dial.centre.y - dial.windLength / 2),
                                     GetPixel(dc, dial.centre.x + dial.windLength - 1, dial.centre.y),
                                     GetPixel(dc, dial.centre.x + dial.windLength + 2, dial.centre.y),
                                     GetPixel(dc, dial.centre.x - dial.slopeLength / 2, dial.centre.y)}),
              (std::vector<COLORREF>{0xFF00FF, 0xFFFF00, 0xA0A0A0, 0x40FF00}));
    ReleaseDC(Window(), dc);
    const int side = dial.windLength / 2;
    SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(dial.centre.x + side, dial.centre.y - side));
    UpdateWindow(Window());
    EXPECT_EQ(Text(IDC_DIRECTION), "45.00");
    if (const int next = run == 96 ? 120 : run == 120 ? 144 : 192; run < 192 && dpi == run) {
        const SIZE frame = SystemFrame(WindowDpi(Window())); // the message alone leaves the frame as it is
        RECT suggested = {0, 0, scaled(next)[0] + frame.cx, scaled(next)[1] + frame.cy};
        SendMessageA(Window(), WM_DPICHANGED, MAKEWPARAM(next, next), LPARAM(&suggested));
        EXPECT_EQ(places(), scaled(next));
    }
}

// The name "Multiple" held by another kind of object is not a copy of vk running: vk starts.
TEST(SingleInstance, TheNameHeldByAnEventIsNoCopy)
{
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, "Multiple");
    ASSERT_NE(event, nullptr);
    EXPECT_TRUE(ClaimSingleInstance());
    CloseHandle(event);
}

// Refuses to make the panel's last control.
LRESULT CALLBACK RefuseTheLastControl(int code, WPARAM wParam, LPARAM lParam)
{
    const bool last = code == HCBT_CREATEWND && reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->hMenu == HMENU(IDC_NAV_SLOPE);
    return last ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

// A control that cannot be made fails the main window's creation: no half-built panel is shown.
TEST_F(Panel, WithoutEveryControlNoWindow)
{
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseTheLastControl, nullptr, GetCurrentThreadId());
    EXPECT_EQ(Open(), nullptr);
    UnhookWindowsHookEx(hook);
}

// Closed (or its session ended) while minimised, the window stores its restored place.
TEST_F(Panel, MinimisedTheRestoredPlaceIsStored)
{
    ASSERT_NE(Open(), nullptr);
    SetWindowPos(Window(), nullptr, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(Window(), SW_MINIMIZE);
    SetText(IDC_DISTANCE, "185");
    SendMessageA(Window(), WM_ENDSESSION, FALSE, 0); // the session goes on: nothing saved
    EXPECT_EQ(Ini(), "");
    SendMessageA(Window(), WM_ENDSESSION, TRUE, 0); // it ends without closing the window: saved now
    EXPECT_EQ(std::make_pair(Ini().find("X=200\r\nY=100\r\n") != std::string::npos, Ini().find("Distance=185\r\n") != std::string::npos),
              std::make_pair(true, true)) << Ini();
}

} // namespace
