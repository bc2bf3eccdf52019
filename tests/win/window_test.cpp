// The main window opened without a settings file: its place and menu, the 34 controls with their
// lists and fonts, every text whole in its control, minimising, and the file written when it closes.
#include "fixture.h"

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

TEST_F(Panel, CreatedWithTheStartUpValues)
{
    ASSERT_NE(Open(), nullptr);
    RECT r;
    GetWindowRect(Window(), &r);
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right - r.left, r.bottom - r.top}), (std::vector<LONG>{20, 30, 120, 745}));
    EXPECT_EQ(FindWindowA("vk ver2.43a", "vk ver2.43a"), Window());
    const LONG_PTR style = GetWindowLongPtrA(Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_CAPTION | WS_SYSMENU);
    for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_MOVE, SC_CLOSE})
        EXPECT_EQ(GetMenuState(GetSystemMenu(Window(), FALSE), command, MF_BYCOMMAND) == UINT(-1),
                  command != SC_MOVE && command != SC_CLOSE);

    // The controls in creation order (the order of the siblings) at their places, visible, with
    // no tab stop but the one the platform gives a checked radio, in 13-pixel "tahoma" of code
    // page 932, bold in 510 and 520. A closed list's height (0 here) is the platform's.
    const int controls[][5] = {
        {100, 3, 3, 109, 110},  {110, 57, 20, 40, 0},    {120, 57, 42, 40, 0},    {130, 57, 64, 40, 0},
        {140, 11, 87, 85, 20},  {200, 3, 114, 109, 116}, {210, 9, 129, 80, 20},   {220, 7, 148, 100, 20},
        {230, 7, 167, 40, 20},  {240, 59, 167, 40, 20},  {250, 7, 186, 40, 20},   {260, 59, 186, 40, 20},
        {270, 7, 205, 40, 20},  {300, 3, 231, 109, 126}, {310, 57, 248, 40, 0},   {320, 58, 274, 38, 13},
        {330, 58, 294, 38, 13}, {340, 58, 314, 38, 13},  {350, 58, 334, 38, 13},  {400, 3, 359, 109, 19},
        {500, 3, 379, 109, 60}, {510, 55, 397, 38, 13},  {520, 55, 417, 38, 13},  {600, 3, 440, 109, 60},
        {610, 55, 458, 38, 13}, {620, 55, 478, 38, 13},  {700, 3, 501, 109, 82},  {710, 45, 517, 30, 20},
        {720, 77, 517, 30, 20}, {730, 55, 540, 38, 13},  {740, 55, 560, 38, 13},  {800, 3, 584, 109, 133},
        {810, 15, 699, 38, 13}, {820, 62, 699, 38, 13},
    };
    HWND child = GetWindow(Window(), GW_CHILD);
    for (const auto& c : controls) {
        ASSERT_EQ(GetDlgCtrlID(child), c[0]);
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(HWND_DESKTOP, Window(), reinterpret_cast<POINT*>(&place), 2);
        const LONG height = c[4] != 0 ? place.bottom - place.top : 0;
        EXPECT_EQ((std::vector<LONG>{place.left, place.top, place.right - place.left, height}),
                  (std::vector<LONG>{c[1], c[2], c[3], c[4]})) << c[0];
        EXPECT_EQ(GetWindowLongPtrA(child, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_TABSTOP),
                  WS_CHILD | WS_VISIBLE | (c[0] == 220 || c[0] == 710 ? WS_TABSTOP : 0)) << c[0];
        LOGFONTA font = {};
        GetObjectA(HFONT(SendMessageA(child, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_TRUE(font.lfHeight == 13 && font.lfCharSet == SHIFTJIS_CHARSET && font.lfFaceName == std::string("tahoma") &&
                    font.lfWeight == (c[0] == 510 || c[0] == 520 ? FW_BOLD : 0)) << c[0];
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
    EXPECT_EQ(Items(Control(IDC_POWER)), (std::vector<std::string>{"20", "21", "22", "23", "24", "25", "26", "27", "28",
                                                                   "29", "30", "31", "32", "33", "34", "35"}));
    EXPECT_EQ(Items(Control(IDC_SPIN)), std::vector<std::string>{"7"});
    EXPECT_EQ(Items(Control(IDC_CLUB)), (std::vector<std::string>{"1W", "2W", "3W", "2I"}));
    EXPECT_EQ(Items(Control(IDC_WIND_POWER)), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    std::string shown;
    for (int id : {110, 120, 130, 310, 320, 330, 340, 350, 810, 820, 510, 520, 610, 620, 730, 740})
        shown += Text(id) + "|";
    EXPECT_EQ(shown, "25|7|1W|1|230|0|0|0|0|0|||||||");
    for (int id : {140, 210, 220, 230, 240, 250, 260, 270, 710, 720})
        EXPECT_EQ(Checked(id), id == 220 || id == 710) << id;
    SetFocus(Window()); // the main window gives the focus on to the wind power list
    EXPECT_EQ(GetFocus(), Control(IDC_WIND_POWER));

    EXPECT_EQ(Ini(), ""); // nothing is written while the window lives
    EXPECT_TRUE(Close());
    EXPECT_EQ(Ini(), vktest::Crlf("[App]\nAppTitle=vk ver2.43a\nClassName=vk ver2.43a\n[Pos]\nX=20\nY=30\n"
                                  "[Chara]\nPower=25\nSpin=7\nClub=1W\nCrimsonRing=unchecked\n[Situation]\n"
                                  "WindPower=1\nDistance=230\nHeight=0\nDirection=0\nSlope=0\n[Beam]\nClub=6I\n"));
}

// Every control's text, each list's items and each result field's widest texts fit the room their
// control leaves them, in the control's own font (the Japanese labels are looked at on screenshots).
TEST_F(Panel, EveryTextFitsItsControl)
{
    ASSERT_NE(Open(), nullptr);
    for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        std::vector<std::string> texts = {std::string(256, '\0')};
        texts[0].resize(GetWindowTextA(child, &texts[0][0], 256));
        RECT room = {};
        GetClientRect(child, &room);
        HDC dc = GetDC(child);
        HGDIOBJ old = SelectObject(dc, HFONT(SendMessageA(child, WM_GETFONT, 0, 0)));
        SIZE digit = {};
        GetTextExtentPoint32A(dc, "0", 1, &digit);
        const LONG_PTR kind = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiA(className, "ComboBox") == 0) {
            texts = Items(child);
            COMBOBOXINFO info = {};
            info.cbSize = sizeof info;
            GetComboBoxInfo(child, &info);
            room = info.rcItem;
            room.right -= 3; // the selection's frame and margin
        } else if (lstrcmpiA(className, "Edit") == 0) {
            if (id >= 510 && id <= 740)
                texts = {"-12.70", "111.56", "-0.580", "---"};
            SendMessageA(child, EM_GETRECT, 0, LPARAM(&room));
        } else {
            // A frame keeps its corners free, a push button its edges; a check box or a radio
            // draws its 13-pixel mark and half a digit's gap before the text.
            room.right -= kind == BS_GROUPBOX ? 15 : kind == BS_PUSHBUTTON ? 4 : 13 + digit.cx / 2 + 1;
        }
        for (const std::string& text : texts) {
            SIZE size = {};
            GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
            EXPECT_LE(size.cx, room.right - room.left) << id << " \"" << text << "\"";
        }
        SelectObject(dc, old);
        ReleaseDC(child, dc);
    }
}

TEST_F(Panel, EscapeAndMiddleButtonMinimiseAndTheRestoredPlaceIsStored)
{
    ASSERT_NE(Open(), nullptr);
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM('A'), WPARAM(VK_F4)})
        SendMessageA(Window(), WM_KEYDOWN, key, 0);
    EXPECT_FALSE(IsIconic(Window()));
    SendMessageA(Window(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(IsIconic(Window()));
    ShowWindow(Window(), SW_RESTORE);
    SetWindowPos(Window(), nullptr, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(Window(), WM_MBUTTONUP, 0, MAKELPARAM(50, 600));
    EXPECT_TRUE(IsIconic(Window()));
    SetText(IDC_DISTANCE, "185");
    SendMessageA(Window(), WM_ENDSESSION, FALSE, 0); // the session goes on: nothing saved
    EXPECT_EQ(Ini(), "");
    SendMessageA(Window(), WM_ENDSESSION, TRUE, 0); // it ends without closing the window: saved now
    EXPECT_TRUE(Ini().find("X=200\r\nY=100\r\n") != std::string::npos && Ini().find("Distance=185\r\n") != std::string::npos)
        << Ini();
}

} // namespace
