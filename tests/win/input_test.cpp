// The subclass procedures and the dial with real messages: focus moves and recalculations by key,
// mirrors copied before the recalculation and the redraw, choices counted only when left,
// minimising from every kind of control, and pointing. Typing, the filter and the whole text
// selected on a click or a Tab are checked with real input end to end.
#include "fixture.h"

namespace {

using vktest::Pump;
using vktest::Spy;

using Input = vktest::OpenPanel;

// The part of the main window waiting to be repainted: left, top, right, bottom.
std::vector<LONG> Pending(HWND window)
{
    RECT r = {};
    GetUpdateRect(window, &r, FALSE);
    return {r.left, r.top, r.right, r.bottom};
}
const std::vector<LONG> kDialArea = {10, 601, 106, 697}; // no label lies in it

// Keys move the focus as the key table says (checked there for every control and key) and the
// control left recalculates; the button's Enter and Space recalculate once more; a key that
// passes, or any key in a result field (which has no subclass procedure), leaves the focus and
// recalculates nothing.
TEST_F(Input, KeysMoveTheFocusAndRecalculate)
{
    Spy spy(Window());
    const int rows[][4] = {{350, VK_TAB, 400, 1}, {400, VK_TAB, 310, 1}, {400, VK_RETURN, 310, 2}, {400, VK_SPACE, 310, 2},
                           {310, VK_UP, 310, 0},  {320, VK_UP, 310, 1},  {810, VK_LEFT, 340, 1},   {140, VK_SPACE, 140, 0}, {510, VK_TAB, 510, 0}};
    for (const auto& row : rows) {
        Focus(row[0]);
        spy.calcs.clear();
        Key(row[0], row[1]);
        SendMessageA(Control(row[0]), WM_KEYUP, row[1], 0xC0000001);
        Pump();
        EXPECT_EQ(std::make_pair(GetDlgCtrlID(GetFocus()), int(spy.calcs.size())), std::make_pair(row[2], row[3])) << row[0] << " key " << row[1];
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
    // Copied before the recalculation, the dial (alone) redrawn after it.
    EXPECT_EQ(std::make_tuple(spy.calcs[0].navDirection, spy.calcs[0].repaintPending, Pending(Window())),
              std::make_tuple(std::string("45"), false, kDialArea));
    Focus(IDC_NAV_DIRECTION);
    SetText(IDC_NAV_DIRECTION, "123456789");
    Focus(IDC_NAV_SLOPE);
    EXPECT_EQ(Text(IDC_DIRECTION) + " " + spy.calcs.back().direction, "12345678 12345678");
}

TEST_F(Input, ChoicesTakeEffectWhenTheyAreLeft)
{
    SetText(IDC_DISTANCE, "150");
    Recalculate();
    const std::string before = Text(IDC_TOMAHAWK_SHOT);
    Focus(IDC_FAIRWAY_90);
    SendMessageA(Control(IDC_FAIRWAY_90), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(std::make_tuple(Checked(IDC_FAIRWAY_90), Checked(IDC_FAIRWAY_100), Checked(IDC_BEAM_6I)), std::make_tuple(true, false, true));
    EXPECT_EQ(Text(IDC_TOMAHAWK_SHOT), before);
    Key(IDC_FAIRWAY_90, VK_TAB);
    Pump();
    EXPECT_NE(Text(IDC_TOMAHAWK_SHOT), before);
    // The button recalculates on the mouse release, even one outside it.
    Spy spy(Window());
    SendMessageA(Control(IDC_CALCULATE), WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    EXPECT_EQ(spy.calcs.size(), 1u);
}

TEST_F(Input, EscapeAndMiddleButtonMinimiseFromEveryKindOfControlAndTheWindow)
{
    Spy spy(Window());
    SendMessageA(Control(IDC_POWER), CB_SHOWDROPDOWN, TRUE, 0);
    const bool opened = SendMessageA(Control(IDC_POWER), CB_GETDROPPEDSTATE, 0, 0) != 0;
    Key(IDC_POWER, VK_ESCAPE); // minimises, and goes on to the list, which closes
    EXPECT_EQ(std::make_pair(opened, SendMessageA(Control(IDC_POWER), CB_GETDROPPEDSTATE, 0, 0) != 0), std::make_pair(true, false));
    for (int id : {110, 140, 310, 320, 330, 340, 350, 400, 810, 820}) {
        Key(id, VK_ESCAPE);
        SendMessageA(Control(id), WM_MBUTTONUP, 0, 0);
    }
    // The main window itself: Esc and the middle button minimise it, other keys do nothing.
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM('A'), WPARAM(VK_F4), WPARAM(VK_ESCAPE)})
        SendMessageA(Window(), WM_KEYDOWN, key, 0);
    SendMessageA(Window(), WM_MBUTTONUP, 0, MAKELPARAM(50, 600));
    EXPECT_EQ(std::make_pair(spy.minimises, IsIconic(Window()) != FALSE), std::make_pair(23, true));
}

// A left drag points the direction, a right press the slope, a drag with both buttons both: in the
// field, in its Navigation mirror (470 on), with one recalculation each. A press inside the dial
// leaves the focus; a press outside recalculates and gives the focus to the wind power list (the
// field left recalculates too); a drag outside changes nothing.
TEST_F(Input, PointingOnTheDial)
{
    Focus(IDC_DISTANCE);
    Spy spy(Window());
    ValidateRect(Window(), nullptr);
    SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(57, 610)); // both lines
    EXPECT_EQ(Pending(Window()), kDialArea); // the dial alone, not erased
    UpdateWindow(Window()); // the paint writes the pointed texts and recalculates
    EXPECT_EQ(Text(IDC_DIRECTION) + Text(IDC_SLOPE) + " " + std::to_string(spy.calcs.size()), "90.0017.99 2");
    SendMessageA(Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(37, 668));
    UpdateWindow(Window());
    EXPECT_EQ(Text(IDC_DIRECTION) + Text(IDC_NAV_DIRECTION) + Text(IDC_SLOPE) + Text(IDC_NAV_SLOPE), "90.0090.00-8.99-8.99");
    // A press inside the dial leaves the keyboard focus where it was.
    EXPECT_EQ(std::make_pair(spy.calcs.size(), GetDlgCtrlID(GetFocus())), std::make_pair(std::size_t(3), IDC_DISTANCE));
    spy.calcs.clear();
    SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(106, 696));
    SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 700));
    UpdateWindow(Window());
    EXPECT_EQ(std::make_tuple(spy.calcs.size(), GetDlgCtrlID(GetFocus()), Text(IDC_DIRECTION)), std::make_tuple(std::size_t(2), IDC_WIND_POWER, std::string("90.00")));
}

} // namespace
