// In-process tests of the subclass procedures: keys, filtering, select-all, mirroring, recalculation, minimising.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "calc_spy.h"
#include "controls.h"
#include "key_table_cases.h"
#include "win_fixture.h"

namespace {

using vktest::CalcSpy;

using keycases::kKeyTable;
using keycases::KeyRow;
using keycases::PASS;

class Subclass : public vktest::MainWindowFixture {
protected:
    void SetUp() override
    {
        vktest::MainWindowFixture::SetUp();
        ASSERT_NE(OpenWindow(), nullptr);
    }

    // Puts the focus on id and handles what follows, so that a test starts from a quiet panel.
    void FocusOn(int id)
    {
        SetFocus(Control(id));
        vktest::PumpMessages();
        ASSERT_EQ(GetFocus(), Control(id)) << id;
    }

    LRESULT Key(int id, WPARAM key) { return SendMessageA(Control(id), WM_KEYDOWN, key, 1); }
    void KeyUp(int id, WPARAM key) { SendMessageA(Control(id), WM_KEYUP, key, 0xC0000001); }
    void Type(int id, const std::string& text)
    {
        for (char c : text) {
            SendMessageA(Control(id), WM_CHAR, static_cast<unsigned char>(c), 1);
        }
    }
    DWORD EditSelection(int id)
    {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(Control(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return MAKELONG(start, end);
    }
    void Restore()
    {
        ShowWindow(Window(), SW_RESTORE);
        vktest::PumpMessages();
    }
};

constexpr int kKeys[7] = {VK_TAB, VK_RETURN, VK_SPACE, VK_DOWN, VK_UP, VK_RIGHT, VK_LEFT};

TEST_F(Subclass, KeyTableEveryControlAndKey)
{
    CalcSpy spy(Window());
    for (const KeyRow& row : kKeyTable) {
        for (int column = 0; column < 7; ++column) {
            const int key = kKeys[column];
            const int target = row.target[column];
            FocusOn(row.id);
            spy.Reset();
            const LRESULT result = Key(row.id, key);
            KeyUp(row.id, key); // ends a check box's Space press
            vktest::PumpMessages();
            if (target != PASS) {
                EXPECT_EQ(result, 0) << row.id << " key " << key;
                EXPECT_EQ(GetDlgCtrlID(GetFocus()), target) << row.id << " key " << key;
                // The control that lost the focus recalculated; the button's Enter and Space again.
                const bool twice = row.id == 400 && (key == VK_RETURN || key == VK_SPACE);
                EXPECT_EQ(spy.Count(), twice ? 2 : 1) << row.id << " key " << key;
            } else {
                EXPECT_EQ(GetFocus(), Control(row.id)) << row.id << " key " << key;
                EXPECT_EQ(spy.Count(), 0) << row.id << " key " << key;
            }
        }
    }
}

TEST_F(Subclass, PassedKeysReachTheStandardBehaviour)
{
    // Down and Up change a list's selection.
    FocusOn(IDC_WIND_POWER);
    Select(IDC_WIND_POWER, 3);
    Key(IDC_WIND_POWER, VK_DOWN);
    EXPECT_EQ(Selection(IDC_WIND_POWER), 4);
    Key(IDC_WIND_POWER, VK_UP);
    Key(IDC_WIND_POWER, VK_UP);
    EXPECT_EQ(Selection(IDC_WIND_POWER), 2);

    // Left and Right move an edit's caret, ending the whole-text selection.
    SetText(IDC_HEIGHT, "123");
    FocusOn(IDC_HEIGHT);
    EXPECT_EQ(EditSelection(IDC_HEIGHT), MAKELONG(0, 3));
    Key(IDC_HEIGHT, VK_LEFT);
    const DWORD afterLeft = EditSelection(IDC_HEIGHT);
    EXPECT_EQ(LOWORD(afterLeft), HIWORD(afterLeft)) << "the selection ends in a caret";
    EXPECT_LT(LOWORD(afterLeft), 3);
    Key(IDC_HEIGHT, VK_RIGHT);
    EXPECT_EQ(EditSelection(IDC_HEIGHT), MAKELONG(LOWORD(afterLeft) + 1, LOWORD(afterLeft) + 1));

    // Space toggles a check box.
    FocusOn(IDC_RAIN);
    EXPECT_FALSE(Checked(IDC_RAIN));
    Key(IDC_RAIN, VK_SPACE);
    KeyUp(IDC_RAIN, VK_SPACE);
    EXPECT_TRUE(Checked(IDC_RAIN));
}

TEST_F(Subclass, ModifiersIgnoredShiftTabMovesForward)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE held[256];
    CopyMemory(held, keys, sizeof held);
    held[VK_SHIFT] = 0x80;
    held[VK_CONTROL] = 0x80;
    SetKeyboardState(held);
    FocusOn(IDC_HEIGHT);
    Key(IDC_HEIGHT, VK_TAB);
    const int focused = GetDlgCtrlID(GetFocus());
    SetKeyboardState(keys);
    EXPECT_EQ(focused, IDC_DIRECTION);
}

struct FilterCase {
    int id;
    const char* typed;
    const char* shown;
};

TEST_F(Subclass, FilterEveryField)
{
    const FilterCase cases[] = {
        {320, "1a8,5", "185"},        {320, "-12.5", "12.5"},       {320, "9\b7", "7"},
        {320, "1e5+x 2", "152"},      {330, "-12.5", "-12.5"},      {330, "3m,q", "3"},
        {340, "-45.5", "-45.5"},      {340, "4\t5\r6 ", "456"},     {350, "-1.2-", "-1.2-"},
        {350, "x1y", "1"},            {810, "12", "12"},            {810, "ab-c", "-"},
        {820, "-0.5", "-0.5"},        {820, "\x03\x16\x18" "7", "7"},
    };
    for (const FilterCase& c : cases) {
        SetText(c.id, "");
        FocusOn(c.id);
        Type(c.id, c.typed);
        EXPECT_EQ(Text(c.id), c.shown) << c.id << " typed " << c.typed;
    }
}

TEST_F(Subclass, FilterDropsBytesAboveAscii)
{
    SetText(IDC_HEIGHT, "");
    FocusOn(IDC_HEIGHT);
    for (WPARAM code : {WPARAM{0x82}, WPARAM{0xB1}, WPARAM{0xDF}, WPARAM{0x130}, WPARAM{0x10031}}) {
        SendMessageA(Control(IDC_HEIGHT), WM_CHAR, code, 1);
    }
    EXPECT_EQ(Text(IDC_HEIGHT), "");
}

TEST_F(Subclass, ListsAndButtonsUnfiltered)
{
    // Typing a letter in the club list still selects by its first character.
    FocusOn(IDC_CLUB);
    SendMessageA(Control(IDC_CLUB), WM_CHAR, '3', 1);
    EXPECT_EQ(Text(IDC_CLUB), "3W");
}

TEST_F(Subclass, SelectAllOnFocusByKeyAndByClick)
{
    const int fields[] = {320, 330, 340, 350, 810, 820};
    for (int id : fields) {
        SetText(id, "12.25");
        FocusOn(IDC_CALCULATE);
        FocusOn(id);
        EXPECT_EQ(EditSelection(id), MAKELONG(0, 5)) << id << " focus";

        // A click: the press puts the caret, the release selects everything.
        SendMessageA(Control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));
        const DWORD pressed = EditSelection(id);
        SendMessageA(Control(id), WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
        EXPECT_EQ(LOWORD(pressed), HIWORD(pressed)) << id << " after the press";
        EXPECT_EQ(EditSelection(id), MAKELONG(0, 5)) << id << " click";
    }
    // Moving in by key selects as well.
    SetText(IDC_HEIGHT, "-3");
    FocusOn(IDC_DISTANCE);
    Key(IDC_DISTANCE, VK_TAB);
    EXPECT_EQ(EditSelection(IDC_HEIGHT), MAKELONG(0, 2));
}

struct MirrorCase {
    int from;
    int to;
};

TEST_F(Subclass, MirroringCopiesThenRecalculatesThenRedraws)
{
    const MirrorCase cases[] = {{340, 810}, {810, 340}, {350, 820}, {820, 350}};
    CalcSpy spy(Window());
    for (const MirrorCase& c : cases) {
        FocusOn(c.from);
        SetText(c.from, "45");
        SetText(c.to, "0");
        ValidateRect(Window(), nullptr);
        spy.Reset();
        FocusOn(IDC_DISTANCE); // c.from loses the focus
        ASSERT_EQ(spy.Count(), 1) << c.from;
        const vktest::CalcSnapshot& seen = spy.Snapshots()[0];
        // The recalculation already saw the copy in both fields, and no redraw was asked yet.
        if (c.from == 340 || c.from == 810) {
            EXPECT_EQ(seen.direction, "45") << c.from;
            EXPECT_EQ(seen.navDirection, "45") << c.from;
        } else {
            EXPECT_EQ(seen.slope, "45") << c.from;
            EXPECT_EQ(seen.navSlope, "45") << c.from;
        }
        EXPECT_FALSE(seen.updatePending) << c.from;
        EXPECT_EQ(Text(c.to), "45");
    }
}

TEST_F(Subclass, MirroringInvalidatesTheMainWindow)
{
    FocusOn(IDC_DIRECTION);
    SetText(IDC_DIRECTION, "12");
    vktest::PumpMessages();
    ValidateRect(Window(), nullptr);
    SetFocus(Control(IDC_SLOPE));
    RECT update = {};
    EXPECT_TRUE(GetUpdateRect(Window(), &update, FALSE));
    RECT client = {};
    GetClientRect(Window(), &client);
    EXPECT_TRUE(EqualRect(&update, &client));
    EXPECT_EQ(Text(IDC_NAV_DIRECTION), "12");

    // A field without a mirror does not redraw the panel.
    vktest::PumpMessages();
    ValidateRect(Window(), nullptr);
    FocusOn(IDC_DISTANCE);
    FocusOn(IDC_HEIGHT);
    EXPECT_FALSE(GetUpdateRect(Window(), &update, FALSE));
}

TEST_F(Subclass, MirroringCopiesEightCharacters)
{
    FocusOn(IDC_NAV_SLOPE);
    SetText(IDC_NAV_SLOPE, "123456789");
    FocusOn(IDC_DISTANCE);
    EXPECT_EQ(Text(IDC_SLOPE), "12345678");
    EXPECT_EQ(Text(IDC_NAV_SLOPE), "123456789");
}

TEST_F(Subclass, RecalculationCounts)
{
    CalcSpy spy(Window());
    // Tab from 350 moves to the button: once (350 loses the focus).
    FocusOn(IDC_SLOPE);
    spy.Reset();
    Key(IDC_SLOPE, VK_TAB);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_CALCULATE);
    EXPECT_EQ(spy.Count(), 1);
    // Tab from the button moves to 310: once (the button loses the focus).
    spy.Reset();
    Key(IDC_CALCULATE, VK_TAB);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_WIND_POWER);
    EXPECT_EQ(spy.Count(), 1);
    // Enter and Space on the button move to 310: twice (the loss of focus, then the key).
    for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_SPACE}}) {
        FocusOn(IDC_CALCULATE);
        spy.Reset();
        Key(IDC_CALCULATE, key);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_WIND_POWER);
        EXPECT_EQ(spy.Count(), 2) << key;
    }
    // Every subclassed control recalculates once when it loses the focus.
    for (const KeyRow& row : kKeyTable) {
        FocusOn(row.id);
        spy.Reset();
        FocusOn(row.id == IDC_DISTANCE ? IDC_HEIGHT : IDC_DISTANCE);
        EXPECT_EQ(spy.Count(), 1) << row.id;
    }
}

TEST_F(Subclass, ButtonRecalculatesOnMouseReleaseEvenOutside)
{
    CalcSpy spy(Window());
    for (LPARAM release : {MAKELPARAM(20, 8), MAKELPARAM(300, 400)}) {
        FocusOn(IDC_DISTANCE);
        SendMessageA(Control(IDC_CALCULATE), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 8));
        EXPECT_EQ(GetFocus(), Control(IDC_CALCULATE));
        spy.Reset();
        SendMessageA(Control(IDC_CALCULATE), WM_LBUTTONUP, 0, release);
        EXPECT_EQ(spy.Count(), 1);
    }
}

struct ChoiceCase {
    int id;
    const char* what;
};

TEST_F(Subclass, ChoicesTakeEffectOnlyWhenFocusLeaves)
{
    // Distance 230 with 1W: the Tomahawk and Back Spin models run. A change of fairway, rain,
    // ring or power changes their texts, but only once the chosen control loses the focus.
    const ChoiceCase cases[] = {
        {IDC_FAIRWAY_90, "radio 90%"},
        {IDC_RAIN, "check box Rain / Snow"},
        {IDC_CRIMSON_RING, "check box Crimson Ring"},
        {IDC_POWER, "list Power"},
    };
    CalcSpy spy(Window());
    for (const ChoiceCase& c : cases) {
        FocusOn(c.id);
        const std::string drift = Text(IDC_TOMAHAWK_DRIFT);
        const std::string shot = Text(IDC_TOMAHAWK_SHOT);
        ASSERT_FALSE(shot.empty()) << c.what;
        spy.Reset();
        if (c.id == IDC_POWER) {
            Key(c.id, VK_DOWN);
        } else {
            SendMessageA(Control(c.id), BM_CLICK, 0, 0);
            EXPECT_TRUE(Checked(c.id)) << c.what;
        }
        vktest::PumpMessages();
        EXPECT_EQ(spy.Count(), 0) << c.what;
        EXPECT_EQ(Text(IDC_TOMAHAWK_DRIFT), drift) << c.what;
        EXPECT_EQ(Text(IDC_TOMAHAWK_SHOT), shot) << c.what;

        Key(c.id, VK_TAB);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_WIND_POWER) << c.what;
        EXPECT_EQ(spy.Count(), 1) << c.what;
        EXPECT_NE(Text(IDC_TOMAHAWK_SHOT), shot) << c.what;
    }
}

TEST_F(Subclass, EscAndMiddleButtonMinimiseFromEveryControl)
{
    CalcSpy spy(Window());
    for (const KeyRow& row : kKeyTable) {
        for (UINT message : {UINT{WM_KEYDOWN}, UINT{WM_MBUTTONUP}}) {
            Restore();
            FocusOn(row.id);
            spy.Reset();
            if (message == WM_KEYDOWN) {
                Key(row.id, VK_ESCAPE);
            } else {
                SendMessageA(Control(row.id), WM_MBUTTONUP, 0, MAKELPARAM(3, 3));
            }
            vktest::PumpMessages();
            EXPECT_TRUE(IsIconic(Window())) << row.id << " message " << message;
            EXPECT_EQ(spy.Minimises(), 1) << row.id << " message " << message;
        }
    }
    Restore();
    EXPECT_FALSE(IsIconic(Window()));
}

TEST_F(Subclass, EscIsPassedOnToTheControl)
{
    // An open list closes on Esc: the key reaches the list after the main window is minimised.
    Restore();
    FocusOn(IDC_WIND_POWER);
    SendMessageA(Control(IDC_WIND_POWER), CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(SendMessageA(Control(IDC_WIND_POWER), CB_GETDROPPEDSTATE, 0, 0));
    Key(IDC_WIND_POWER, VK_ESCAPE);
    EXPECT_FALSE(SendMessageA(Control(IDC_WIND_POWER), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(IsIconic(Window()));
    Restore();
}

TEST_F(Subclass, RegressionTypedDistanceRecalculatesOnTab)
{
    // Type 185 with a letter and a minus into the distance, Tab to the height: the field shows
    // 185, the focus moves on and the results are those of 185 yards (1W clears below 110).
    SetText(IDC_DISTANCE, "");
    FocusOn(IDC_DISTANCE);
    Type(IDC_DISTANCE, "1a8-5");
    CalcSpy spy(Window());
    Key(IDC_DISTANCE, VK_TAB);
    EXPECT_EQ(Text(IDC_DISTANCE), "185");
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_HEIGHT);
    EXPECT_EQ(spy.Count(), 1);
    EXPECT_NE(Text(IDC_TOMAHAWK_SHOT), "---");
    EXPECT_EQ(Text(IDC_BEAM_SHOT), "---");
}

} // namespace
