// The subclass procedures and the dial with real messages: focus moves and recalculations by key,
// mirrors copied before the recalculation and the redraw, choices counted only when left,
// minimising from every kind of control, and pointing. Typing, the filter and the whole text
// selected on a click or a Tab are checked with real input end to end.
#include "fixture.h"
#include "key_table_cases.h"

namespace {

using vktest::Pump;
using vktest::Spy;

class Input : public vktest::Panel {
protected:
    void SetUp() override
    {
        Panel::SetUp();
        ASSERT_NE(Open(), nullptr);
    }
};

// Every control of the key table with Tab and Up, and Right and Left (the button: Enter and
// Space): the focus target, and one recalculation by the control left, two by the button's keys.
TEST_F(Input, KeysMoveTheFocusAndRecalculate)
{
    Spy spy(Window());
    for (const keycases::KeyRow& row : keycases::kKeyTable) {
        for (int column : {0, 4, row.id == 400 ? 1 : 5, row.id == 400 ? 2 : 6}) {
            const int key = keycases::kKeys[column];
            const int target = row.target[column] == keycases::PASS ? row.id : row.target[column];
            Focus(row.id);
            spy.calcs.clear();
            Key(row.id, key);
            SendMessageA(Control(row.id), WM_KEYUP, key, 0xC0000001);
            Pump();
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), target) << row.id << " key " << key;
            const std::size_t calcs = target == row.id ? 0 : row.id == 400 && column != 0 && column != 4 ? 2 : 1;
            EXPECT_EQ(spy.calcs.size(), calcs) << row.id << " key " << key;
        }
    }
}

TEST_F(Input, MirrorsCopyThenRecalculateThenRedraw)
{
    Spy spy(Window());
    Focus(IDC_DIRECTION);
    spy.calcs.clear();
    SetText(IDC_DIRECTION, "45");
    ValidateRect(Window(), nullptr);
    SetFocus(Control(IDC_SLOPE));
    ASSERT_EQ(spy.calcs.size(), 1u);
    // Copied before the recalculation, the dial redrawn after it.
    EXPECT_TRUE(spy.calcs[0].navDirection == "45" && !spy.calcs[0].repaintPending && GetUpdateRect(Window(), nullptr, FALSE));
    Focus(IDC_NAV_DIRECTION);
    SetText(IDC_NAV_DIRECTION, "123456789");
    Focus(IDC_NAV_SLOPE);
    EXPECT_TRUE(Text(IDC_DIRECTION) == "12345678" && spy.calcs.back().direction == "12345678");
}

TEST_F(Input, ChoicesTakeEffectWhenTheyAreLeft)
{
    SetText(IDC_DISTANCE, "150");
    Recalculate();
    const std::string before = Text(IDC_TOMAHAWK_SHOT);
    Focus(IDC_FAIRWAY_90);
    SendMessageA(Control(IDC_FAIRWAY_90), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(Checked(IDC_FAIRWAY_90) && !Checked(IDC_FAIRWAY_100) && Checked(IDC_BEAM_6I));
    EXPECT_EQ(Text(IDC_TOMAHAWK_SHOT), before);
    Key(IDC_FAIRWAY_90, VK_TAB);
    Pump();
    EXPECT_NE(Text(IDC_TOMAHAWK_SHOT), before);
    // The button recalculates on the mouse release, even one outside it.
    Spy spy(Window());
    SendMessageA(Control(IDC_CALCULATE), WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    EXPECT_EQ(spy.calcs.size(), 1u);
}

TEST_F(Input, EscapeAndMiddleButtonMinimiseFromEveryKindOfControl)
{
    Spy spy(Window());
    for (int id : {110, 140, 310, 320, 330, 340, 350, 400, 810, 820}) {
        Key(id, VK_ESCAPE);
        SendMessageA(Control(id), WM_MBUTTONUP, 0, 0);
    }
    EXPECT_TRUE(spy.minimises == 20 && IsIconic(Window()));
}

TEST_F(Input, PointingOnTheDial)
{
    Spy spy(Window());
    const struct {
        UINT message;
        WPARAM buttons;
        int x, y, field;
        const char* text;
    } presses[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON, 77, 628, IDC_DIRECTION, "45.00"}, {WM_RBUTTONDOWN, MK_RBUTTON, 77, 668, IDC_SLOPE, "9.00"},
        {WM_MOUSEMOVE, MK_LBUTTON, 57, 610, IDC_DIRECTION, "90.00"},   {WM_MOUSEMOVE, MK_RBUTTON, 37, 668, IDC_SLOPE, "-8.99"},
        {WM_LBUTTONDOWN, MK_LBUTTON, 105, 696, IDC_DIRECTION, "-45.00"},
    };
    for (const auto& p : presses) {
        spy.calcs.clear();
        SendMessageA(Window(), p.message, p.buttons, MAKELPARAM(p.x, p.y));
        UpdateWindow(Window());
        const std::string text = p.text; // in the field, in its Navigation mirror (470 on), one recalculation
        EXPECT_EQ(Text(p.field) + " " + Text(p.field + 470) + " " + std::to_string(spy.calcs.size()), text + " " + text + " 1");
    }
    // Outside the dial: a recalculation and the focus on the wind power list (the field left
    // recalculates too); a drag outside changes nothing.
    Focus(IDC_DISTANCE);
    spy.calcs.clear();
    SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(106, 696));
    SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 700));
    UpdateWindow(Window());
    EXPECT_TRUE(spy.calcs.size() == 2 && GetFocus() == Control(IDC_WIND_POWER) && Text(IDC_DIRECTION) == "-45.00");
}

} // namespace
