// In-process tests of the direction dial: presses and drags in and outside it, and the lines it draws.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "calc_spy.h"
#include "controls.h"
#include "win_dial.h"
#include "win_fixture.h"

namespace {

using vktest::CalcSpy;

constexpr COLORREF kWind = RGB(0, 255, 255);
constexpr COLORREF kSlope = RGB(0, 255, 64);
constexpr COLORREF kPaper = RGB(255, 255, 255);

class Dial : public vktest::MainWindowFixture {
protected:
    void SetUp() override
    {
        vktest::MainWindowFixture::SetUp();
        ASSERT_NE(OpenWindow(), nullptr);
        SetFocus(Control(IDC_HEIGHT));
        vktest::PumpMessages();
    }

    void Mouse(UINT message, WPARAM buttons, int x, int y)
    {
        SendMessageA(Window(), message, buttons, MAKELPARAM(x, y));
    }

    bool UpdatePending()
    {
        RECT update;
        return GetUpdateRect(Window(), &update, FALSE) != FALSE;
    }

    // Handles the pending paint, as the message loop would.
    void Paint() { UpdateWindow(Window()); }
};

// Draws the dial on white paper of the client's size and keeps the picture for GetPixel.
class Paper {
public:
    explicit Paper(HWND window)
    {
        HDC screen = GetDC(window);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, 120, 745);
        ReleaseDC(window, screen);
        previous_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, 120, 745, WHITENESS);
        pen_ = GetCurrentObject(dc_, OBJ_PEN);
    }
    ~Paper()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Paper(const Paper&) = delete;
    Paper& operator=(const Paper&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    bool PenGivenBack() const { return GetCurrentObject(dc_, OBJ_PEN) == pen_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    HGDIOBJ pen_;
};

struct PressCase {
    int x, y;
    const char* text;
};

TEST_F(Dial, LeftPressesInsideSetTheDirection)
{
    const PressCase cases[] = {
        {57, 610, "90.00"}, {57, 690, "-90.00"}, {100, 648, "0"}, {20, 648, "-180.00"},
        {57, 648, "0"},     {77, 628, "45.00"},  {10, 601, "135.00"}, {105, 696, "-45.00"},
    };
    CalcSpy spy(Window());
    for (const PressCase& c : cases) {
        SetText(IDC_DIRECTION, "7");
        SetText(IDC_NAV_DIRECTION, "7");
        Paint();
        spy.Reset();
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, c.x, c.y);
        // The press only records the point and asks for a repaint.
        EXPECT_TRUE(UpdatePending()) << c.x << "," << c.y;
        EXPECT_EQ(spy.Count(), 0);
        EXPECT_EQ(Text(IDC_DIRECTION), "7");
        Paint();
        EXPECT_EQ(Text(IDC_DIRECTION), c.text) << c.x << "," << c.y;
        EXPECT_EQ(Text(IDC_NAV_DIRECTION), c.text) << c.x << "," << c.y;
        EXPECT_EQ(spy.Count(), 1) << c.x << "," << c.y;
        ASSERT_EQ(spy.Snapshots().size(), 1u);
        EXPECT_EQ(spy.Snapshots()[0].direction, c.text); // the recalculation saw the new value
        EXPECT_EQ(GetFocus(), Control(IDC_HEIGHT)) << "a press on the dial keeps the focus";
        // The next paint shows the field again and requests nothing.
        InvalidateRect(Window(), nullptr, FALSE);
        Paint();
        EXPECT_EQ(spy.Count(), 1);
    }
}

TEST_F(Dial, RightPressesInsideSetTheSlope)
{
    const PressCase cases[] = {
        {77, 668, "9.00"},   {77, 628, "-9.00"}, {37, 668, "-8.99"}, {57, 610, "17.99"},
        {57, 690, "-17.99"}, {20, 648, "0"},     {100, 648, "0"},
    };
    CalcSpy spy(Window());
    for (const PressCase& c : cases) {
        SetText(IDC_SLOPE, "3");
        SetText(IDC_NAV_SLOPE, "3");
        Paint();
        spy.Reset();
        Mouse(WM_RBUTTONDOWN, MK_RBUTTON, c.x, c.y);
        EXPECT_TRUE(UpdatePending());
        Paint();
        EXPECT_EQ(Text(IDC_SLOPE), c.text) << c.x << "," << c.y;
        EXPECT_EQ(Text(IDC_NAV_SLOPE), c.text) << c.x << "," << c.y;
        EXPECT_EQ(Text(IDC_DIRECTION), "0") << "the wind direction stays";
        EXPECT_EQ(spy.Count(), 1);
        EXPECT_EQ(GetFocus(), Control(IDC_HEIGHT));
    }
}

TEST_F(Dial, PressesOutsideRecalculateAndFocusWindPower)
{
    const PressCase cases[] = {{106, 696, nullptr}, {105, 697, nullptr}, {9, 648, nullptr},
                               {57, 600, nullptr},  {5, 5, nullptr},     {60, 720, nullptr}};
    CalcSpy spy(Window());
    for (UINT message : {UINT{WM_LBUTTONDOWN}, UINT{WM_RBUTTONDOWN}}) {
        for (const PressCase& c : cases) {
            SetFocus(Control(IDC_HEIGHT));
            Paint();
            spy.Reset();
            Mouse(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, c.x, c.y);
            EXPECT_EQ(spy.Count(), 2) << c.x << "," << c.y; // the press, then 330 losing the focus
            EXPECT_EQ(GetFocus(), Control(IDC_WIND_POWER)) << c.x << "," << c.y;
            EXPECT_FALSE(UpdatePending()) << c.x << "," << c.y;
            Paint();
            EXPECT_EQ(Text(IDC_DIRECTION), "0");
            EXPECT_EQ(Text(IDC_SLOPE), "0");
        }
    }
    // From the wind power list itself the press requests exactly one recalculation.
    SetFocus(Control(IDC_WIND_POWER));
    spy.Reset();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 106, 696);
    EXPECT_EQ(spy.Count(), 1);
}

TEST_F(Dial, DraggingInsideUpdatesOutsideChangesNothing)
{
    CalcSpy spy(Window());
    Paint();
    spy.Reset();
    // Left drag across the dial.
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 57, 610);
    Paint();
    EXPECT_EQ(Text(IDC_DIRECTION), "90.00");
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 20, 648);
    Paint();
    EXPECT_EQ(Text(IDC_NAV_DIRECTION), "-180.00");
    EXPECT_EQ(spy.Count(), 2);
    // Outside: nothing recorded for use, no repaint, no recalculation.
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 110, 648);
    EXPECT_FALSE(UpdatePending());
    Paint();
    EXPECT_EQ(Text(IDC_DIRECTION), "-180.00");
    EXPECT_EQ(spy.Count(), 2);
    // Without a button held, moves do nothing.
    Mouse(WM_MOUSEMOVE, 0, 57, 690);
    EXPECT_FALSE(UpdatePending());
    // Both buttons held: both lines follow the one move.
    spy.Reset();
    Mouse(WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, 77, 668);
    Paint();
    EXPECT_EQ(Text(IDC_DIRECTION), "-45.00");
    EXPECT_EQ(Text(IDC_SLOPE), "9.00");
    EXPECT_EQ(Text(IDC_NAV_SLOPE), "9.00");
    EXPECT_EQ(spy.Count(), 2);
}

struct WindDrawCase {
    const char* direction;
    int onX, onY;   // a pixel of the line next to its end
    int offX, offY; // the neighbour that an end one pixel off would have drawn instead
};

TEST_F(Dial, WindLineEndsWithTheExactnessCorrection)
{
    // The slope stays diagonal (9) so that it does not cross these pixels.
    const WindDrawCase cases[] = {
        {"90", 57, 604, 56, 604},
        {"270", 57, 692, 56, 692},
        {"180", 13, 648, 13, 647},
        {"0", 101, 648, 101, 647},
        {"-90", 57, 692, 58, 692},
    };
    for (const WindDrawCase& c : cases) {
        SetText(IDC_DIRECTION, c.direction);
        SetText(IDC_SLOPE, "9");
        Paper paper(Window());
        DrawDial(Window(), paper.Dc());
        EXPECT_EQ(paper.At(c.onX, c.onY), kWind) << c.direction;
        EXPECT_NE(paper.At(c.offX, c.offY), kWind) << c.direction;
        EXPECT_TRUE(paper.PenGivenBack());
    }
}

struct SlopeDrawCase {
    const char* slope;
    int onX, onY;
    COLORREF expected;
};

TEST_F(Dial, SlopeLineCorrectedOnTheValue)
{
    // The wind points down-left (225) so that it stays off these pixels.
    const SlopeDrawCase cases[] = {
        {"0", 97, 648, kSlope},  // second stroke starts at the right end
        {"0", 18, 648, kSlope},
        {"0", 17, 648, kPaper},  // the last end point is not drawn
        {"90", 57, 609, kSlope}, // corrected: both ends on the centre's column
        {"180", 95, 648, kSlope},
        {"18", 57, 609, kPaper}, // not corrected: the far end lies one column left
        {"18", 56, 609, kSlope},
    };
    for (const SlopeDrawCase& c : cases) {
        SetText(IDC_DIRECTION, "225");
        SetText(IDC_SLOPE, c.slope);
        Paper paper(Window());
        DrawDial(Window(), paper.Dc());
        EXPECT_EQ(paper.At(c.onX, c.onY), c.expected) << c.slope << " at " << c.onX << "," << c.onY;
        EXPECT_TRUE(paper.PenGivenBack());
    }
}

TEST_F(Dial, NotANumberDrawnAsZero)
{
    SetText(IDC_DIRECTION, "abc");
    SetText(IDC_SLOPE, "-");
    Paper paper(Window());
    DrawDial(Window(), paper.Dc());
    EXPECT_EQ(paper.At(100, 648), kWind); // the wind line points right, past the slope's end
    EXPECT_EQ(paper.At(20, 648), kSlope); // the slope lies level
    EXPECT_EQ(paper.At(57, 620), kPaper);
}

TEST_F(Dial, RegressionHugeValuesDrawWithoutFault)
{
    // Beyond the 32-bit range times 10000, and beyond the double range.
    const char* texts[] = {"99999990", "-9999999", "1e999", "-1e999", "9e307", "1e300"};
    for (const char* text : texts) {
        SetText(IDC_DIRECTION, text);
        SetText(IDC_SLOPE, text);
        Paper paper(Window());
        DrawDial(Window(), paper.Dc());
        EXPECT_TRUE(paper.PenGivenBack()) << text;
    }
    // 99999990 is 90 modulo 180: the wind line ends straight below on the centre's column.
    SetText(IDC_DIRECTION, "99999990");
    SetText(IDC_SLOPE, "9");
    Paper paper(Window());
    DrawDial(Window(), paper.Dc());
    EXPECT_EQ(paper.At(57, 692), kWind);
    EXPECT_NE(paper.At(56, 692), kWind);
}

} // namespace
