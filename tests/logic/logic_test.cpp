// Tests of the program's platform-free logic: the key table, the typing filter, the dial's angle
// maths and the settings file's values.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "char_filter.h"
#include "dial_math.h"
#include "key_table.h"
#include "settings_file.h"
#include "window_place.h"

// A pixel in failure messages as x,y.
void PrintTo(DialPoint p, std::ostream* os) { *os << p.x << "," << p.y; }

namespace {

// The panel's keyboard navigation as its users know it, independent of the code's own table.
// The key columns below: Tab, Enter, Space, Down, Up, Right, Left (virtual-key codes).
constexpr int kKeys[7] = {9, 13, 32, 40, 38, 39, 37};

// A target of PASS: the focus stays and the key goes on to the control's standard behaviour.
constexpr int PASS = 0;

// Where each navigation key moves the focus from the subclassed controls of one row: the
// controls, then the target of each key column.
const std::pair<std::vector<int>, std::vector<int>> kKeyTable[] = {
    {{110, 120, 130}, {310, 310, 310, PASS, PASS, PASS, PASS}}, // lists
    {{140, 210, 220, 230, 240, 250, 260, 270, 710, 720}, {310, 310, PASS, 310, 400, PASS, PASS}}, // boxes, radios
    {{310}, {320, 320, 320, PASS, PASS, PASS, PASS}}, {{320}, {330, 330, 330, 330, 310, PASS, PASS}},
    {{330}, {340, 340, 340, 340, 320, PASS, PASS}},   {{340}, {350, 350, 350, 350, 330, PASS, PASS}},
    {{350}, {400, 400, 400, 400, 340, PASS, PASS}},   {{400}, {310, 310, 310, 310, 350, PASS, PASS}},
    {{810}, {820, 820, 820, 820, 340, 820, 340}},     {{820}, {400, 400, 400, 400, 810, 400, 810}},
};

TEST(KeyTable, EveryControlAndKey)
{
    for (const auto& [ids, targets] : kKeyTable) {
        for (const int id : ids) {
            for (int column = 0; column < 7; ++column) {
                const KeyAction action = NavigationKey(id, kKeys[column]);
                // Only the button's Enter and Space recalculate after moving the focus.
                EXPECT_EQ(std::make_pair(action.target, action.thenCalc),
                          std::make_pair(targets[column], id == 400 && (column == 1 || column == 2))) << id << " key " << kKeys[column];
            }
        }
    }
    // The field a focus loss copies to: each Navigation field and the field it shows, both ways.
    EXPECT_EQ((std::vector<int>{MirrorTarget(340), MirrorTarget(810), MirrorTarget(350), MirrorTarget(820), MirrorTarget(320)}),
              (std::vector<int>{810, 340, 820, 350, 0}));
}

TEST(CharFilter, EveryFieldAndCharacterCode)
{
    for (int id : {320, 330, 340, 350, 810, 820}) {
        const std::string accepted = id == 320 ? "0123456789." : "0123456789.-"; // besides backspace
        const CharFilter filter = FilterOf(id);
        for (std::uintptr_t code = 0; code < 256; ++code) {
            const bool accept = code == 8 || (code != 0 && accepted.find(char(code)) != std::string::npos);
            EXPECT_EQ(FilterChar(filter, code), accept ? code : 0u) << id << " code " << code;
        }
        // The whole code is compared: wide codes whose low byte is a digit are dropped.
        for (std::uintptr_t code : {0x130u, 0x8130u, 0x10039u})
            EXPECT_EQ(FilterChar(filter, code), 0u) << id << " code " << code;
    }
    for (int id : {110, 310, 400, 510, 0})
        EXPECT_EQ(std::make_pair(FilterOf(id), FilterChar(FilterOf(id), 'a')), std::make_pair(CharFilter::None, std::uintptr_t('a'))) << id;
}

const DialGeometry kDial = DialAt(96);

// The paint at 96 DPI with the left button's point wind, the right button's slope and the fields'
// texts; (0, 0) is no point.
DialPaint Paint(DialPoint wind, DialPoint slope, const char* directionText = "12", const char* slopeText = "9")
{
    return PlanDialPaint(96, wind, slope, directionText, slopeText);
}

TEST(Dial, PointedDirectionsAndSlopes)
{
    // The pointed pixel, the direction's text and the wind line's end.
    const std::tuple<DialPoint, const char*, DialPoint> winds[] = {
        {{57, 610}, "90.00", {57, 603}},  {{57, 690}, "-90.00", {57, 693}}, {{100, 648}, "0", {102, 648}},
        {{20, 648}, "-180.00", {12, 648}}, {{57, 648}, "0", {102, 648}},    {{77, 628}, "45.00", {88, 616}},
        {{10, 601}, "135.00", {25, 616}}, {{105, 696}, "-45.00", {88, 679}},
    };
    for (const auto& [p, text, end] : winds)
        EXPECT_EQ(std::make_pair(std::string(Paint(p, {}).wind.text), Paint(p, {}).windEnd), std::make_pair(std::string(text), end))
            << p.x << "," << p.y;
    // The pointed pixel, the slope's text and the slope line's ends.
    const std::tuple<DialPoint, const char*, DialPoint, DialPoint> slopes[] = {
        {{77, 668}, "9.00", {85, 676}, {28, 619}},    {{77, 628}, "-9.00", {85, 619}, {28, 676}},
        {{37, 668}, "-8.99", {28, 676}, {85, 619}},   {{57, 610}, "17.99", {57, 608}, {57, 688}},
        {{57, 690}, "-17.99", {57, 688}, {56, 608}},
    };
    for (const auto& [p, text, end1, end2] : slopes) {
        const DialPaint paint = Paint({}, p);
        EXPECT_EQ(std::make_tuple(std::string(paint.slope.text), paint.slopeLine.end1, paint.slopeLine.end2), std::make_tuple(std::string(text), end1, end2))
            << p.x << "," << p.y;
    }
    // On the centre's row the slope is exactly level, not a remainder of the half turn.
    for (int x : {10, 20, 56, 57, 58, 105})
        EXPECT_STREQ(Paint({}, {x, 648}).slope.text, "0") << x;
}

TEST(Dial, AreaAndMousePoint)
{
    const std::pair<DialPoint, bool> cases[] = { // the pixel, and whether it lies in the area
        {{10, 601}, true},  {{105, 696}, true},  {{105, 601}, true},  {{10, 696}, true},   {{106, 696}, false},
        {{105, 697}, false}, {{9, 648}, false},  {{57, 600}, false},  {{0, 0}, false},
    };
    for (const auto& [p, inside] : cases)
        EXPECT_EQ(InDialArea(kDial, p), inside) << p.x << "," << p.y;
    EXPECT_EQ(DialPointFromLParam(0x02880039u), (DialPoint{57, 648}));
    EXPECT_EQ(DialPointFromLParam(0xFFFFFFFEu), (DialPoint{65534, 65535})); // left of and above the client
}

TEST(Dial, LinesFromTheFieldTexts)
{
    const std::pair<const char*, DialPoint> winds[] = { // the direction's text, the wind line's end
        {"0", {102, 648}},   {"90", {57, 603}},    {"180", {12, 648}},      {"-90", {57, 693}},
        {"45", {88, 616}},   {"12", {101, 638}},   {"abc", {102, 648}},     {"45.5.5", {88, 615}},
        {"1e999", {102, 648}},
        // Beyond the 32-bit range the correction follows the same rule on the exact value.
        {"99999990", {57, 693}}, {"-99999990", {57, 603}}, {"99999900", {12, 648}}, {"99999999", {64, 692}},
        {"214748.4", {12, 654}},
    };
    for (const auto& [text, end] : winds)
        EXPECT_EQ(Paint({}, {}, text).windEnd, end) << text;
    // The slope's text, the slope line's ends.
    const std::tuple<const char*, DialPoint, DialPoint> slopes[] = {
        {"0", {97, 648}, {17, 648}},   {"9", {85, 676}, {28, 619}},    {"-9", {85, 619}, {28, 676}},
        {"-18", {57, 608}, {57, 688}}, {"90", {57, 688}, {57, 608}},   {"180", {17, 648}, {97, 648}},
        {"18", {57, 688}, {56, 608}},  {"36", {17, 648}, {97, 647}},
        {"-90", {57, 608}, {57, 688}}, {"99999990", {57, 608}, {57, 688}}, {"-1e999", {97, 648}, {17, 648}},
        {"9e307", {97, 648}, {17, 648}},
    };
    for (const auto& [text, end1, end2] : slopes)
        EXPECT_EQ(std::make_pair(Paint({}, {}, "0", text).slopeLine.end1, Paint({}, {}, "0", text).slopeLine.end2), std::make_pair(end1, end2)) << text;
}

TEST(SettingsValues, PathAndItsUsableLength)
{
    EXPECT_EQ(SettingsPath(L"C:\\games\\vk"), L"C:\\games\\vk\\vk.ini");
    EXPECT_EQ(SettingsPath(L"C:\\"), L"C:\\\\vk.ini"); // no separator added or removed
    EXPECT_EQ(SettingsPath(std::wstring(300, L'd')).size(), 307u); // nothing cut
    // The directory's length, and whether its file's path is usable: 252 + 7 = 259 characters.
    const std::pair<std::size_t, bool> lengths[] = {{3, true}, {252, true}, {253, false}, {260, false}};
    for (const auto& [directory, usable] : lengths)
        EXPECT_EQ(SettingsPathUsable(SettingsPath(std::wstring(directory, L'x'))), usable) << directory;
    EXPECT_FALSE(SettingsPathUsable(L""));
}

TEST(SettingsValues, StoredPositionFromTheWindowsMonitor)
{
    // The restored left and top (work-area coordinates), the monitor and its work area, the stored
    // left and top: on the primary monitor a taskbar at the top (30 high), at the left (60 wide), at
    // the bottom, auto-hidden (reserving nothing); a second monitor with its own bar at the left.
    const std::tuple<std::int64_t, std::int64_t, MonitorArea, std::int64_t, std::int64_t> cases[] = {
        {20, 0, {{0, 0, 1024, 768}, {0, 30, 1024, 768}}, 20, 30}, {0, 30, {{0, 0, 1024, 768}, {60, 0, 1024, 768}}, 60, 30},
        {20, 30, {{0, 0, 1024, 768}, {0, 0, 1024, 738}}, 20, 30}, {20, 30, {{0, 0, 1024, 768}, {0, 0, 1024, 768}}, 20, 30},
        {1040, 100, {{1024, 0, 2304, 1024}, {1084, 0, 2304, 1024}}, 1100, 100},
    };
    for (const auto& [left, top, monitor, x, y] : cases) {
        const ScreenPoint p = StoredPosition(left, top, monitor);
        EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(x, y)) << monitor.work.left << "," << monitor.work.top;
    }
}

TEST(SettingsValues, PlacementOnTheMonitors)
{
    const ScreenRect primary{0, 0, 1024, 738}; // the work area above a bottom taskbar
    const ScreenRect both[] = {primary, {1024, 0, 2304, 1024}};
    // The stored left and top, the title strip's height, the work areas and their count, the nearest
    // work area, the left and top to create the window at.
    const std::tuple<int, int, int, const ScreenRect*, std::size_t, ScreenRect, std::int64_t, std::int64_t> cases[] = {
        {20, 30, 20, &primary, 1, primary, 20, 30},   {-119, 30, 20, &primary, 1, primary, -119, 30}, // a pixel of strip
        {20, -19, 20, &primary, 1, primary, 20, -19}, {20, -20, 20, &primary, 1, primary, 20, 0},
        {20, -20, 30, &primary, 1, primary, 20, -20}, {20, 738, 20, &primary, 1, primary, 20, 0}, // 144 DPI; under the taskbar
        {INT_MAX, INT_MAX, 20, &primary, 1, primary, 904, 0}, {INT_MIN, INT_MIN, 20, &primary, 1, primary, 0, 0},
        {1500, 100, 20, both, 2, primary, 1500, 100}, {2600, 100, 20, both, 2, both[1], 2184, 100},
        {1000, -745, 20, &primary, 1, primary, 904, 0}, // above the screen, its right edge past the work area's
        {1024, 30, 20, &primary, 1, primary, 904, 0}, {-120, 30, 20, &primary, 1, primary, 0, 0}, // edge to edge
    };
    for (const auto& [x, y, strip, workAreas, count, nearest, px, py] : cases) {
        const ScreenPoint p = PlaceOnScreen(MainWindowRect(x, y, {120, 745}), strip, workAreas, count, nearest);
        EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(px, py)) << x << "," << y << " strip " << strip;
    }
}

// The dial at the scales players use: the picture stays centred on the centre, and the same place
// on the dial points the same direction.
TEST(Scaling, TheDialAtEachScale)
{
    // The scale; the dial's origin, centre, size, line lengths and pen width; the pixel 45 degrees
    // up and to the right of the centre, (77, 628) at 96 DPI.
    const std::tuple<int, std::vector<int>, DialPoint> scales[] = {
        {96, {10, 601, 57, 648, 95, 45, 40, 1}, {77, 628}},
        {120, {12, 751, 71, 810, 119, 56, 50, 1}, {96, 785}},
        {144, {15, 901, 86, 972, 143, 68, 60, 2}, {116, 942}},
        {192, {20, 1202, 114, 1296, 189, 90, 80, 2}, {154, 1256}},
    };
    for (const auto& [dpi, figures, upRight] : scales) {
        const DialGeometry d = PlanDialPaint(dpi, upRight, {}, "0", "0").dial;
        EXPECT_EQ((std::vector<int>{d.origin.x, d.origin.y, d.centre.x, d.centre.y, d.size, d.windLength, d.slopeLength, d.penWidth}),
                  figures) << dpi;
        EXPECT_STREQ(PlanDialPaint(dpi, upRight, {}, "0", "0").wind.text, "45.00") << dpi;
    }
}

// The scale a window that would be taller than its work area is laid out at.
TEST(Scaling, FittedToTheWorkArea)
{
    // The monitor's scale, the work area's height, the frame's height; the scale chosen.
    const std::tuple<int, int, int, int> cases[] = {
        {96, 745, 25, 96}, {96, 744, 25, 95}, {96, 728, 25, 93}, {144, 1114, 34, 144}, // 728: 1366 by 768 at 100 %
        {144, 1024, 34, 132}, {144, 1023, 34, 131}, {144, 700, 34, 108}, {125, 500, 30, 94}, // 700, 500: never below 75 %
    };
    for (const auto& [dpi, work, frame, fitted] : cases)
        EXPECT_EQ(FittedDpi(dpi, work, frame), fitted) << dpi << " in " << work;
}

} // namespace
