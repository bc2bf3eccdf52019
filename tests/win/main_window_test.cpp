// The main window created with no settings file: place, title, the 34 controls, lists, fonts,
// focus, labels, minimising, and the file written on closing.
#include <cstring>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "controls.h"
#include "win_fixture.h"
#include "win_main_window.h"

namespace {

using vktest::MainWindowFixture;

class MainWindowDefaults : public MainWindowFixture {};

TEST_F(MainWindowDefaults, PlacedAt20And30With120By745AndDefaultTitle)
{
    ASSERT_NE(OpenWindow(), nullptr);
    RECT r;
    GetWindowRect(Window(), &r);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 120);
    EXPECT_EQ(r.bottom - r.top, 745);
    char title[64] = {};
    GetWindowTextA(Window(), title, sizeof title);
    EXPECT_STREQ(title, "vk ver2.43a");
    EXPECT_STREQ(MainTitle(), "vk ver2.43a");
    EXPECT_STREQ(MainClassName(), "vk ver2.43a");
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(FindMainWindow(), Window());
}

TEST_F(MainWindowDefaults, StyleHasCaptionAndSystemMenuOnly)
{
    ASSERT_NE(OpenWindow(), nullptr);
    LONG_PTR style = GetWindowLongPtrA(Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindowLongPtrA(Window(), GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_WINDOWEDGE), 0);
}

TEST_F(MainWindowDefaults, SystemMenuKeepsMoveAndCloseOnly)
{
    ASSERT_NE(OpenWindow(), nullptr);
    HMENU menu = GetSystemMenu(Window(), FALSE);
    ASSERT_NE(menu, nullptr);
    for (UINT removed : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE})
        EXPECT_EQ(GetMenuState(menu, removed, MF_BYCOMMAND), static_cast<UINT>(-1)) << std::hex << removed;
    EXPECT_NE(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

// Each control as it must be created: an independent copy of the panel's layout.
struct ExpectedControl {
    int id;
    const char* className;
    const char* shown; // the text shown with no settings file (lists: the selected item)
    DWORD style; // besides WS_CHILD and WS_VISIBLE
    int x, y, width, height;
    bool bold;
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const ExpectedControl& c, std::ostream* os)
{
    *os << c.id;
}


constexpr DWORD kList = WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kFrame = WS_GROUP | BS_GROUPBOX;

const ExpectedControl kExpected[] = {
    {100, "Button", "Charactor", kFrame, 3, 3, 109, 110, false},
    {110, "ComboBox", "25", kList, 57, 20, 40, 180, false},
    {120, "ComboBox", "7", kList, 57, 42, 40, 200, false},
    {130, "ComboBox", "1W", kList, 57, 64, 40, 200, false},
    {140, "Button", "Crimson Ring", BS_AUTOCHECKBOX | BS_LEFTTEXT, 11, 87, 85, 20, false},
    {200, "Button", "Condition", kFrame, 3, 114, 109, 116, false},
    {210, "Button", " Rain / Snow", BS_AUTOCHECKBOX, 9, 129, 80, 20, false},
    {220, "Button", "Fareway - 100%", WS_GROUP | BS_AUTORADIOBUTTON, 7, 148, 100, 20, false},
    {230, "Button", "95%", BS_AUTORADIOBUTTON, 7, 167, 40, 20, false},
    {240, "Button", "90%", BS_AUTORADIOBUTTON, 59, 167, 40, 20, false},
    {250, "Button", "85%", BS_AUTORADIOBUTTON, 7, 186, 40, 20, false},
    {260, "Button", "80%", BS_AUTORADIOBUTTON, 59, 186, 40, 20, false},
    {270, "Button", "75%", BS_AUTORADIOBUTTON, 7, 205, 40, 20, false},
    {300, "Button", "Situation", kFrame, 3, 231, 109, 126, false},
    {310, "ComboBox", "1", kList, 57, 248, 40, 200, false},
    {320, "Edit", "230", ES_RIGHT, 58, 274, 38, 13, false},
    {330, "Edit", "0", ES_RIGHT, 58, 294, 38, 13, false},
    {340, "Edit", "0", ES_RIGHT, 58, 314, 38, 13, false},
    {350, "Edit", "0", ES_RIGHT, 58, 334, 38, 13, false},
    {400, "Button", "Calculation!!", BS_PUSHBUTTON, 3, 359, 109, 19, false},
    {500, "Button", "Tomahawk", kFrame, 3, 379, 109, 60, false},
    {510, "Edit", "", ES_READONLY | ES_RIGHT, 55, 397, 38, 13, true},
    {520, "Edit", "", ES_READONLY | ES_RIGHT, 55, 417, 38, 13, true},
    {600, "Button", "Back Spin", kFrame, 3, 440, 109, 60, false},
    {610, "Edit", "", ES_READONLY | ES_RIGHT, 55, 458, 38, 13, false},
    {620, "Edit", "", ES_READONLY | ES_RIGHT, 55, 478, 38, 13, false},
    {700, "Button", "Beam Impact", kFrame, 3, 501, 109, 82, false},
    {710, "Button", "6I", BS_AUTORADIOBUTTON, 45, 517, 30, 20, false},
    {720, "Button", "9I", BS_AUTORADIOBUTTON, 77, 517, 30, 20, false},
    {730, "Edit", "", ES_READONLY | ES_RIGHT, 55, 540, 38, 13, false},
    {740, "Edit", "", ES_READONLY | ES_RIGHT, 55, 560, 38, 13, false},
    {800, "Button", "Navigation", kFrame, 3, 584, 109, 133, false},
    {810, "Edit", "0", ES_RIGHT, 15, 699, 38, 13, false},
    {820, "Edit", "0", ES_RIGHT, 62, 699, 38, 13, false},
};

TEST_F(MainWindowDefaults, ThirtyFourControlsInCreationOrder)
{
    ASSERT_NE(OpenWindow(), nullptr);
    // Z order of siblings is creation order: walk the children from the first.
    std::vector<int> ids;
    for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    ASSERT_EQ(ids.size(), std::size(kExpected));
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(ids[i], kExpected[i].id) << "position " << i;
    // The identifiers' own list agrees.
    for (int i = 0; i < kControlCount; ++i)
        EXPECT_EQ(kControlIds[i], kExpected[i].id);
}

// The creation parameters of every window made on this thread while a hook is installed.
struct Creation {
    HWND window;
    HWND parent;
    std::string className, text;
    DWORD style, exStyle;
    int x, y, width, height;
    INT_PTR id;
    HINSTANCE instance;
};

std::vector<Creation>* g_creations = nullptr;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_creations != nullptr) {
        const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        Creation c;
        c.window = reinterpret_cast<HWND>(wParam);
        c.parent = cs->hwndParent;
        c.className = IS_INTRESOURCE(cs->lpszClass) ? "#atom" : cs->lpszClass;
        c.text = cs->lpszName != nullptr ? cs->lpszName : "";
        c.style = static_cast<DWORD>(cs->style);
        c.exStyle = cs->dwExStyle;
        c.x = cs->x;
        c.y = cs->y;
        c.width = cs->cx;
        c.height = cs->cy;
        c.id = reinterpret_cast<INT_PTR>(cs->hMenu);
        c.instance = cs->hInstance;
        g_creations->push_back(c);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MainWindowDefaults, ControlsCreatedExactlyAsTheTableSays)
{
    std::vector<Creation> creations;
    g_creations = &creations;
    HHOOK hook = SetWindowsHookExA(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    HWND window = OpenWindow();
    UnhookWindowsHookEx(hook);
    g_creations = nullptr;
    ASSERT_NE(window, nullptr);

    // The main window itself: style, place and size as start-up passes them.
    ASSERT_FALSE(creations.empty());
    EXPECT_EQ(creations[0].window, window);
    EXPECT_EQ(creations[0].style, static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(creations[0].exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0u); // the edge comes with the caption
    EXPECT_EQ(creations[0].x, 20);
    EXPECT_EQ(creations[0].y, 30);
    EXPECT_EQ(creations[0].width, 120);
    EXPECT_EQ(creations[0].height, 745);

    std::vector<Creation> children;
    for (const Creation& c : creations)
        if (c.parent == window)
            children.push_back(c);
    ASSERT_EQ(children.size(), std::size(kExpected));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Creation& c = children[i];
        const ExpectedControl& e = kExpected[i];
        SCOPED_TRACE(e.id);
        EXPECT_EQ(c.id, e.id);
        EXPECT_STRCASEEQ(c.className.c_str(), e.className);
        // Lists are created empty and filled; every other text is the creation text.
        EXPECT_EQ(c.text, std::strcmp(e.className, "Button") == 0 ? e.shown : "");
        EXPECT_EQ(c.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE) | e.style) << std::hex << c.style;
        EXPECT_EQ(c.exStyle, 0u);
        EXPECT_EQ(c.x, e.x);
        EXPECT_EQ(c.y, e.y);
        EXPECT_EQ(c.width, e.width);
        EXPECT_EQ(c.height, e.height);
        EXPECT_EQ(c.instance, GetModuleHandleA(nullptr));
    }
}

class ControlLayoutTest : public MainWindowFixture, public testing::WithParamInterface<ExpectedControl> {};

TEST_P(ControlLayoutTest, ClassTextRectangleAndFont)
{
    const ExpectedControl& e = GetParam();
    ASSERT_NE(OpenWindow(), nullptr);
    HWND control = Control(e.id);
    ASSERT_NE(control, nullptr);

    char className[32] = {};
    GetClassNameA(control, className, sizeof className);
    EXPECT_STRCASEEQ(className, e.className);
    EXPECT_EQ(Text(e.id), e.shown);

    // No tab stops of our own; the platform gives one to a checked radio button only.
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    bool radio = std::strcmp(e.className, "Button") == 0 && (e.style & 0x0f) == BS_AUTORADIOBUTTON;
    EXPECT_EQ((style & WS_TABSTOP) != 0, radio && Checked(e.id)) << std::hex << style;

    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, Window(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, e.x);
    EXPECT_EQ(r.top, e.y);
    EXPECT_EQ(r.right - r.left, e.width);
    if (std::strcmp(e.className, "ComboBox") != 0) { // a closed list's height is the platform's
        EXPECT_EQ(r.bottom - r.top, e.height);
    }

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTA info = {};
    ASSERT_EQ(GetObjectA(font, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.lfHeight, 13);
    EXPECT_EQ(info.lfWidth, 0);
    EXPECT_EQ(info.lfWeight, e.bold ? FW_BOLD : 0);
    EXPECT_FALSE(info.lfItalic);
    EXPECT_FALSE(info.lfUnderline);
    EXPECT_EQ(info.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(info.lfPitchAndFamily, DEFAULT_PITCH | FF_DONTCARE);
    EXPECT_STREQ(info.lfFaceName, "tahoma");
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlLayoutTest, testing::ValuesIn(kExpected),
                         [](const testing::TestParamInfo<ExpectedControl>& info) {
                             return "Id" + std::to_string(info.param.id);
                         });

struct ListCase {
    int id;
    std::vector<std::string> items;
    int selected;
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << c.id;
}


class ListFillerTest : public MainWindowFixture, public testing::WithParamInterface<ListCase> {};

TEST_P(ListFillerTest, ItemsInOrderAndInitialSelection)
{
    ASSERT_NE(OpenWindow(), nullptr);
    HWND list = Control(GetParam().id);
    const std::vector<std::string>& items = GetParam().items;
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        char text[16] = {};
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(text, items[i]) << i;
    }
    EXPECT_EQ(Selection(GetParam().id), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListFillerTest,
    testing::Values(ListCase{IDC_POWER, {"20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32",
                                         "33", "34", "35"}, 5},
                    ListCase{IDC_SPIN, {"7"}, 0},
                    ListCase{IDC_CLUB, {"1W", "2W", "3W", "2I"}, 0},
                    ListCase{IDC_WIND_POWER, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, 0}),
    [](const testing::TestParamInfo<ListCase>& info) { return "Id" + std::to_string(info.param.id); });

TEST_F(MainWindowDefaults, CheckStatesFocusAndEmptyResults)
{
    ASSERT_NE(OpenWindow(), nullptr);
    EXPECT_TRUE(Checked(IDC_FAIRWAY_100));
    for (int id : {IDC_FAIRWAY_95, IDC_FAIRWAY_90, IDC_FAIRWAY_85, IDC_FAIRWAY_80, IDC_FAIRWAY_75})
        EXPECT_FALSE(Checked(id)) << id;
    EXPECT_FALSE(Checked(IDC_RAIN));
    EXPECT_FALSE(Checked(IDC_CRIMSON_RING));
    EXPECT_TRUE(Checked(IDC_BEAM_6I));
    EXPECT_FALSE(Checked(IDC_BEAM_9I));
    EXPECT_EQ(GetFocus(), Control(IDC_WIND_POWER));
    for (int id : {510, 520, 610, 620, 730, 740})
        EXPECT_EQ(Text(id), "") << id;
}

TEST_F(MainWindowDefaults, FocusReturnsToWindPowerWhenTheWindowGetsIt)
{
    ASSERT_NE(OpenWindow(), nullptr);
    SetFocus(Control(IDC_DISTANCE));
    ASSERT_EQ(GetFocus(), Control(IDC_DISTANCE));
    SetFocus(Window());
    EXPECT_EQ(GetFocus(), Control(IDC_WIND_POWER));
}

TEST_F(MainWindowDefaults, RadioGroupsFollowTheGroupFlags)
{
    ASSERT_NE(OpenWindow(), nullptr);
    // The dialog navigation functions walk a group from its WS_GROUP control to the next one.
    HWND first = GetNextDlgGroupItem(Window(), Control(IDC_FAIRWAY_75), FALSE);
    std::vector<int> group;
    HWND item = Control(IDC_FAIRWAY_100);
    do {
        group.push_back(GetDlgCtrlID(item));
        item = GetNextDlgGroupItem(Window(), item, FALSE);
    } while (item != nullptr && item != Control(IDC_FAIRWAY_100) && group.size() < 10);
    EXPECT_EQ(group, (std::vector<int>{220, 230, 240, 250, 260, 270}));
    EXPECT_EQ(first, Control(IDC_FAIRWAY_100));
    EXPECT_EQ(GetNextDlgGroupItem(Window(), Control(IDC_BEAM_9I), FALSE), Control(IDC_BEAM_DRIFT));
}

TEST_F(MainWindowDefaults, EscapeMinimisesAndKeepsTheWindow)
{
    ASSERT_NE(OpenWindow(), nullptr);
    EXPECT_EQ(SendMessageA(Window(), WM_KEYDOWN, VK_ESCAPE, 0), 0);
    vktest::PumpMessages();
    EXPECT_TRUE(IsIconic(Window()));
    EXPECT_TRUE(IsWindow(Window()));
}

TEST_F(MainWindowDefaults, OtherKeysAreConsumedWithoutEffect)
{
    ASSERT_NE(OpenWindow(), nullptr);
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_F4), WPARAM('A'), WPARAM(VK_SPACE)})
        EXPECT_EQ(SendMessageA(Window(), WM_KEYDOWN, key, 0), 0);
    vktest::PumpMessages();
    EXPECT_FALSE(IsIconic(Window()));
    EXPECT_TRUE(IsWindow(Window()));
}

TEST_F(MainWindowDefaults, MiddleButtonReleaseMinimises)
{
    ASSERT_NE(OpenWindow(), nullptr);
    EXPECT_EQ(SendMessageA(Window(), WM_MBUTTONUP, 0, MAKELPARAM(50, 600)), 0);
    vktest::PumpMessages();
    EXPECT_TRUE(IsIconic(Window()));
}

TEST_F(MainWindowDefaults, ClosingWritesTheWholeFileInOrder)
{
    ASSERT_NE(OpenWindow(), nullptr);
    ASSERT_FALSE(vktest::FileExists(IniPath())); // nothing is written while the program runs
    CloseWindow();
    EXPECT_TRUE(QuitPosted());
    EXPECT_EQ(ReadIni(), vktest::Crlf("[App]\n"
                                      "AppTitle=vk ver2.43a\n"
                                      "ClassName=vk ver2.43a\n"
                                      "[Pos]\n"
                                      "X=20\n"
                                      "Y=30\n"
                                      "[Chara]\n"
                                      "Power=25\n"
                                      "Spin=7\n"
                                      "Club=1W\n"
                                      "CrimsonRing=unchecked\n"
                                      "[Situation]\n"
                                      "WindPower=1\n"
                                      "Distance=230\n"
                                      "Height=0\n"
                                      "Direction=0\n"
                                      "Slope=0\n"
                                      "[Beam]\n"
                                      "Club=6I\n"));
}

TEST_F(MainWindowDefaults, MinimisedThenClosedStoresTheRestoredPosition)
{
    ASSERT_NE(OpenWindow(), nullptr);
    SetWindowPos(Window(), nullptr, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(Window(), WM_KEYDOWN, VK_ESCAPE, 0);
    vktest::PumpMessages();
    ASSERT_TRUE(IsIconic(Window()));
    CloseWindow();
    std::string ini = ReadIni();
    EXPECT_NE(ini.find("X=200\r\nY=100\r\n"), std::string::npos) << ini;
}

TEST_F(MainWindowDefaults, SessionEndSavesAsClosingDoes)
{
    ASSERT_NE(OpenWindow(), nullptr);
    SetText(IDC_DISTANCE, "185");
    SendMessageA(Window(), WM_ENDSESSION, FALSE, 0); // the session goes on: nothing saved
    EXPECT_FALSE(vktest::FileExists(IniPath()));
    SendMessageA(Window(), WM_ENDSESSION, TRUE, 0);
    std::string ini = ReadIni();
    EXPECT_NE(ini.find("Distance=185\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("[Beam]\r\nClub=6I\r\n"), std::string::npos) << ini;
    EXPECT_TRUE(IsWindow(Window())); // saving does not close the window
}

// --- labels -----------------------------------------------------------------------------

// The label texts decoded from code page 932, compared with the Japanese they must show.
TEST(PanelLabelTable, TwentySixLabelsDecodeToTheirJapanese)
{
    struct {
        int x, y;
        const wchar_t* text;
    } expected[] = {
        {13, 25, L"\u30d1\u30ef\u30fc"},       {13, 47, L"\u30b9\u30d4\u30f3"},
        {13, 69, L"\u30af\u30e9\u30d6"},       {12, 253, L"\u98a8\u529b"},
        {97, 253, L"m"},                       {12, 274, L"\u6b8b\u8ddd\u96e2"},
        {97, 274, L"y"},                       {12, 294, L"\u9ad8\u4f4e\u5dee"},
        {97, 294, L"m"},                       {12, 314, L"\u98a8\u5411\u304d"},
        {97, 314, L"\uff9f"},                  {12, 334, L"\u50be\u659c"},
        {12, 398, L"\u6a2a\u30ba\u30ec"},      {94, 397, L"y"},
        {12, 417, L"\u30b7\u30e7\u30c3\u30c8"}, {94, 417, L"%"},
        {12, 459, L"\u6a2a\u30ba\u30ec"},      {93, 458, L"y"},
        {12, 478, L"\u30b7\u30e7\u30c3\u30c8"}, {93, 478, L"%"},
        {13, 520, L"\u30af\u30e9\u30d6"},      {12, 541, L"\u6a2a\u30ba\u30ec"},
        {93, 540, L"y"},                       {12, 560, L"\u30b7\u30e7\u30c3\u30c8"},
        {93, 560, L"%"},                       {54, 699, L"\uff9f"},
    };
    std::size_t count = 0;
    const PanelLabel* labels = PanelLabels(&count);
    ASSERT_EQ(count, std::size(expected));
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(labels[i].x, expected[i].x) << i;
        EXPECT_EQ(labels[i].y, expected[i].y) << i;
        wchar_t decoded[16] = {};
        int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, labels[i].text, -1, decoded, 16);
        ASSERT_GT(n, 0) << i;
        EXPECT_STREQ(decoded, expected[i].text) << i;
    }
}

} // namespace
