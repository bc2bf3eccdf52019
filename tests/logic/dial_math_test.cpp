// Tests of the dial's angle maths: pointed pixels to texts, field texts to line ends, the sensitive area.
#include <gtest/gtest.h>

#include <string>

#include "dial_math.h"

namespace {

struct PointCase {
    DialPoint pointed;
    const char* text;
    DialPoint end;
};

TEST(DialPointing, WindDirectionsFromLeftPresses)
{
    const PointCase cases[] = {
        {{57, 610}, "90.00", {57, 603}},    // straight above
        {{57, 690}, "-90.00", {57, 693}},   // straight below
        {{100, 648}, "0", {102, 648}},      // straight right
        {{20, 648}, "-180.00", {12, 648}},  // straight left: never 180
        {{57, 648}, "0", {102, 648}},       // on the centre: atan2(0, 0) is 0
        {{77, 628}, "45.00", {88, 616}},    // up and right
        {{10, 601}, "135.00", {25, 616}},   // the picture's top-left corner
        {{105, 696}, "-45.00", {88, 679}},  // the area's bottom-right corner
    };
    for (const PointCase& c : cases) {
        const PointedWind wind = PointWind(c.pointed);
        EXPECT_STREQ(wind.text, c.text) << c.pointed.x << "," << c.pointed.y;
        EXPECT_EQ(wind.end.x, c.end.x) << c.pointed.x << "," << c.pointed.y;
        EXPECT_EQ(wind.end.y, c.end.y) << c.pointed.x << "," << c.pointed.y;
    }
}

struct SlopeCase {
    DialPoint pointed;
    const char* text;
    DialPoint end1;
    DialPoint end2;
};

TEST(DialPointing, SlopesFromRightPresses)
{
    const SlopeCase cases[] = {
        // Down and right: the line from upper left to lower right.
        {{77, 668}, "9.00", {85, 676}, {28, 619}},
        // Up and right.
        {{77, 628}, "-9.00", {85, 619}, {28, 676}},
        // Down and left: the same line as up and right, a hair smaller after the half-turn wrap.
        {{37, 668}, "-8.99", {28, 676}, {85, 619}},
        // Straight above and below: the angle lies just beyond 90 degrees before the wrap.
        {{57, 610}, "17.99", {57, 608}, {57, 688}},
        // The pointed line gets no exactness correction: its far end lands one pixel left.
        {{57, 690}, "-17.99", {57, 688}, {56, 608}},
    };
    for (const SlopeCase& c : cases) {
        const PointedSlope slope = PointSlope(c.pointed);
        EXPECT_STREQ(slope.text, c.text) << c.pointed.x << "," << c.pointed.y;
        EXPECT_EQ(slope.line.end1, c.end1) << c.pointed.x << "," << c.pointed.y;
        EXPECT_EQ(slope.line.end2, c.end2) << c.pointed.x << "," << c.pointed.y;
    }
}

TEST(DialPointing, SlopeOnTheCentresRowIsExactlyZero)
{
    // Left of the centre the angle is a half turn, whose fold leaves a tiny remainder; it is
    // set to exactly 0 and shown without a sign.
    const DialPoint row[] = {{10, 648}, {20, 648}, {56, 648}, {57, 648}, {58, 648}, {105, 648}};
    for (DialPoint p : row) {
        EXPECT_STREQ(PointSlope(p).text, "0") << p.x;
    }
}

TEST(DialPointing, PointedValuesStayInRange)
{
    // Every pixel of the sensitive area gives a direction in [-180, 180) and a slope in [-18, 18].
    for (int y = 601; y <= 696; ++y) {
        for (int x = 10; x <= 105; ++x) {
            const std::string wind = PointWind({x, y}).text;
            const std::string slope = PointSlope({x, y}).text;
            const double d = std::stod(wind);
            const double s = std::stod(slope);
            ASSERT_TRUE(d >= -180 && d < 180) << x << "," << y << " " << wind;
            ASSERT_TRUE(s >= -18 && s <= 18) << x << "," << y << " " << slope;
            ASSERT_LE(wind.size(), 7u) << wind;
        }
    }
}

TEST(DialArea, BoundsIncluded)
{
    struct AreaCase {
        DialPoint p;
        bool inside;
    };
    const AreaCase cases[] = {
        {{10, 601}, true},   {{105, 696}, true},  {{105, 601}, true}, {{10, 696}, true},
        {{57, 648}, true},   {{106, 696}, false}, {{105, 697}, false}, {{9, 648}, false},
        {{57, 600}, false},  {{0, 0}, false},     {{65535, 65535}, false},
    };
    for (const AreaCase& c : cases) {
        EXPECT_EQ(InDialArea(c.p), c.inside) << c.p.x << "," << c.p.y;
    }
}

TEST(DialArea, PointFromLParamIsUnsigned)
{
    EXPECT_EQ(DialPointFromLParam(0x02880039u), (DialPoint{57, 648}));
    // A point left of or above the client area arrives as large unsigned numbers: outside.
    const DialPoint negative = DialPointFromLParam(0xFFFFFFFEu);
    EXPECT_EQ(negative, (DialPoint{65534, 65535}));
    EXPECT_FALSE(InDialArea(negative));
    // Bits above the low 32 are ignored.
    EXPECT_EQ(DialPointFromLParam(static_cast<std::uintptr_t>(0x02880039u) | (sizeof(std::uintptr_t) > 4 ? ~static_cast<std::uintptr_t>(0xFFFFFFFFu) : 0)),
              (DialPoint{57, 648}));
}

struct WindLineCase {
    const char* text;
    DialPoint end;
};

TEST(DialDrawing, WindLineFromField)
{
    const WindLineCase cases[] = {
        {"0", {102, 648}},
        {"90", {57, 603}},
        {"180", {12, 648}},  // corrected: the sine's remainder would end one pixel up
        {"270", {57, 693}},  // corrected: the cosine's remainder would end one pixel left
        {"-90", {57, 693}},
        {"-180", {12, 648}},
        {"360", {102, 648}},
        {"45", {88, 616}},
        {"12", {101, 638}},
        {"", {102, 648}},        // not a number: drawn as 0
        {"abc", {102, 648}},
        {"-", {102, 648}},
        {"45.5.5", {88, 615}},   // leading number 45.5
        {"90abc", {57, 603}},
    };
    for (const WindLineCase& c : cases) {
        EXPECT_EQ(WindLineEnd(c.text), c.end) << c.text;
    }
}

struct SlopeLineCase {
    const char* text;
    DialPoint end1;
    DialPoint end2;
};

TEST(DialDrawing, SlopeLineFromField)
{
    const SlopeLineCase cases[] = {
        {"0", {97, 648}, {17, 648}},
        {"9", {85, 676}, {28, 619}},
        {"-9", {85, 619}, {28, 676}},
        {"-18", {57, 608}, {57, 688}},
        // Corrected on the slope value: 90 and 180 units are odd and even multiples of 90.
        {"90", {57, 688}, {57, 608}},
        {"180", {17, 648}, {97, 648}},
        // Not corrected although drawn vertical and horizontal: the raw ends stand.
        {"18", {57, 688}, {56, 608}},
        {"36", {17, 648}, {97, 647}},
        {"x", {97, 648}, {17, 648}},
    };
    for (const SlopeLineCase& c : cases) {
        const SlopeLine line = SlopeLineEnds(c.text);
        EXPECT_EQ(line.end1, c.end1) << c.text;
        EXPECT_EQ(line.end2, c.end2) << c.text;
    }
}

TEST(DialDrawing, ExactnessBeyondTheIntegerRange)
{
    // Eight digits times 10000 lie beyond the 32-bit range; the correction follows the same
    // rule on the exact value (99999990 is 90 modulo 180, 99999900 is 0 modulo 180).
    const WindLineCase wind[] = {
        {"99999990", {57, 693}},  // raw end (56, 693)
        {"-99999990", {57, 603}}, // raw end (56, 603)
        {"99999900", {12, 648}},  // raw end (12, 647)
        {"99999999", {64, 692}},  // 99999999 is 99 modulo 180: no correction
        {"214748.4", {12, 654}},  // just past the 32-bit range, 148.4 modulo 180
    };
    for (const WindLineCase& c : wind) {
        EXPECT_EQ(WindLineEnd(c.text), c.end) << c.text;
    }
    const SlopeLine slope = SlopeLineEnds("99999990");
    EXPECT_EQ(slope.end1, (DialPoint{57, 608})); // raw end (56, 608)
    EXPECT_EQ(slope.end2, (DialPoint{57, 688}));
}

TEST(DialDrawing, NonFiniteValuesDrawnAsZero)
{
    // Beyond the double range the field reads as infinity; such a line has no angle and is drawn
    // like a text that is not a number. So is a slope whose five-fold overflows.
    for (const char* text : {"1e999", "-1e999"}) {
        EXPECT_EQ(WindLineEnd(text), (DialPoint{102, 648})) << text;
    }
    for (const char* text : {"1e999", "-1e999", "9e307", "-9e307"}) {
        const SlopeLine line = SlopeLineEnds(text);
        EXPECT_EQ(line.end1, (DialPoint{97, 648})) << text;
        EXPECT_EQ(line.end2, (DialPoint{17, 648})) << text;
    }
    // Finite but huge: drawn somewhere on the circle, never beyond the line length.
    for (const char* text : {"1e300", "-1e300", "1e20"}) {
        const DialPoint end = WindLineEnd(text);
        EXPECT_LE(end.x, 102) << text;
        EXPECT_GE(end.x, 12) << text;
        EXPECT_LE(end.y, 693) << text;
        EXPECT_GE(end.y, 603) << text;
    }
}

TEST(DialDrawing, RegressionPointedTextsDrawBackOnTheirLine)
{
    // A pointed direction, written as text and read back on the next paint, ends within a
    // pixel of where the pointing drew it.
    const DialPoint pointed[] = {{57, 610}, {20, 648}, {77, 628}, {10, 601}, {100, 660}, {30, 690}};
    for (DialPoint p : pointed) {
        const PointedWind wind = PointWind(p);
        const DialPoint redrawn = WindLineEnd(wind.text);
        EXPECT_NEAR(redrawn.x, wind.end.x, 1) << wind.text;
        EXPECT_NEAR(redrawn.y, wind.end.y, 1) << wind.text;
    }
}

} // namespace
