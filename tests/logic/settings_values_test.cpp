// Native tests of the settings file's platform-free rules: path, stored texts, taskbar and off-screen placement.
#include "settings_values.h"

#include <climits>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace {

// --- SettingsPath -------------------------------------------------------------------------

struct PathCase {
    const char* name;
    std::string directory;
    std::string expected;
};

// Test output names the case (the struct holds padding that must not be printed).
void PrintTo(const PathCase& c, std::ostream* os)
{
    *os << c.name;
}

class SettingsPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsPathTest, AppendsFileNameWithoutAddingOrRemovingSeparators)
{
    EXPECT_EQ(SettingsPath(GetParam().directory), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Directories, SettingsPathTest,
    testing::Values(PathCase{"Ordinary", "C:\\games\\vk", "C:\\games\\vk\\vk.ini"},
                    PathCase{"DriveRootDoublesBackslash", "C:\\", "C:\\\\vk.ini"},
                    PathCase{"Empty", "", "\\vk.ini"},
                    PathCase{"ShiftJisBytesKept", "C:\\\x83\x51\x81\x5b\x83\x80", "C:\\\x83\x51\x81\x5b\x83\x80\\vk.ini"}),
    [](const testing::TestParamInfo<PathCase>& info) { return info.param.name; });

TEST(SettingsPathLength, LongDirectoryIsKeptWholeNotCut)
{
    // A 260-character directory: the old 255-character buffer would have overflowed.
    std::string dir = "C:\\" + std::string(257, 'd');
    ASSERT_EQ(dir.size(), 260u);
    std::string path = SettingsPath(dir);
    EXPECT_EQ(path.size(), 267u);
    EXPECT_EQ(path.substr(0, 260), dir);
    EXPECT_EQ(path.substr(260), "\\vk.ini");
}

struct UsableCase {
    const char* name;
    std::size_t directoryLength;
    bool usable;
};

// Test output names the case (the struct holds padding that must not be printed).
void PrintTo(const UsableCase& c, std::ostream* os)
{
    *os << c.name;
}

class SettingsPathUsableTest : public testing::TestWithParam<UsableCase> {};

TEST_P(SettingsPathUsableTest, OnlyPathsTheProfileFunctionsAcceptAreUsed)
{
    std::string path = SettingsPath(std::string(GetParam().directoryLength, 'x'));
    EXPECT_EQ(SettingsPathUsable(path), GetParam().usable) << path.size();
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, SettingsPathUsableTest,
    testing::Values(UsableCase{"Short", 3, true},
                    UsableCase{"OldLimit248", 248, true},   // 255 characters: the old buffer's end
                    UsableCase{"Exactly259", 252, true},    // 259 characters: the longest accepted
                    UsableCase{"Just260", 253, false},
                    UsableCase{"Directory260", 260, false}),
    [](const testing::TestParamInfo<UsableCase>& info) { return info.param.name; });

TEST(SettingsPathUsableEdge, EmptyPathIsNotUsable)
{
    EXPECT_FALSE(SettingsPathUsable(""));
}

// --- first-character rules ---------------------------------------------------------------

struct FirstCharCase {
    const char* name;
    const char* stored;
    bool result;
};

// Test output names the case (the struct holds padding that must not be printed).
void PrintTo(const FirstCharCase& c, std::ostream* os)
{
    *os << c.name;
}

class CrimsonRingRuleTest : public testing::TestWithParam<FirstCharCase> {};

TEST_P(CrimsonRingRuleTest, OnlyLowerCaseCTicks)
{
    EXPECT_EQ(CrimsonRingTicked(GetParam().stored), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CrimsonRingRuleTest,
    testing::Values(FirstCharCase{"Checked", "checked", true},
                    FirstCharCase{"AnyLowerC", "cat", true},
                    FirstCharCase{"JustC", "c", true},
                    FirstCharCase{"CapitalC", "Checked", false},
                    FirstCharCase{"Unchecked", "unchecked", false},
                    FirstCharCase{"Empty", "", false},
                    FirstCharCase{"LeadingSpace", " checked", false},
                    FirstCharCase{"Null", nullptr, false}),
    [](const testing::TestParamInfo<FirstCharCase>& info) { return info.param.name; });

class BeamClubRuleTest : public testing::TestWithParam<FirstCharCase> {};

TEST_P(BeamClubRuleTest, OnlyALeadingNineSelects9I)
{
    EXPECT_EQ(BeamClubIs9I(GetParam().stored), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BeamClubRuleTest,
    testing::Values(FirstCharCase{"NineI", "9I", true},
                    FirstCharCase{"JustNine", "9", true},
                    FirstCharCase{"NineX", "9x", true},
                    FirstCharCase{"SixI", "6I", false},
                    FirstCharCase{"Empty", "", false},
                    FirstCharCase{"NineLater", "19", false},
                    FirstCharCase{"Null", nullptr, false}),
    [](const testing::TestParamInfo<FirstCharCase>& info) { return info.param.name; });

TEST(StoredTexts, CheckStatesGiveTheFileWords)
{
    EXPECT_STREQ(CrimsonRingText(true), "checked");
    EXPECT_STREQ(CrimsonRingText(false), "unchecked");
    EXPECT_STREQ(BeamClubText(true), "9I");
    EXPECT_STREQ(BeamClubText(false), "6I");
}

TEST(StoredTexts, WordsReadBackAsTheStateTheyWereWrittenFrom)
{
    for (bool state : {false, true}) {
        EXPECT_EQ(CrimsonRingTicked(CrimsonRingText(state)), state);
        EXPECT_EQ(BeamClubIs9I(BeamClubText(state)), state);
    }
}

// --- taskbar correction ------------------------------------------------------------------

struct TaskbarCase {
    const char* name;
    long left, top;
    ScreenRect taskbar;
    long x, y;
};

// Test output names the case (the struct holds padding that must not be printed).
void PrintTo(const TaskbarCase& c, std::ostream* os)
{
    *os << c.name;
}

class TaskbarCorrectionTest : public testing::TestWithParam<TaskbarCase> {};

TEST_P(TaskbarCorrectionTest, AddsOnlyATopOrLeftTaskbar)
{
    const TaskbarCase& c = GetParam();
    ScreenPoint p = CorrectForTaskbar(c.left, c.top, c.taskbar);
    EXPECT_EQ(p.x, c.x);
    EXPECT_EQ(p.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, TaskbarCorrectionTest,
    testing::Values(
        TaskbarCase{"TopEdge30High", 20, 0, {0, 0, 1024, 30}, 20, 30},
        TaskbarCase{"LeftEdge60Wide", 0, 30, {0, 0, 60, 768}, 60, 30},
        TaskbarCase{"BottomEdge", 20, 30, {0, 738, 1024, 768}, 20, 30},
        TaskbarCase{"RightEdge", 20, 30, {964, 0, 1024, 768}, 20, 30},
        TaskbarCase{"QueryFailedAllZero", 20, 30, {0, 0, 0, 0}, 20, 30},
        TaskbarCase{"TopEdgeSlightlyOffset", 5, 7, {-2, -2, 1026, 28}, 5, 37},
        TaskbarCase{"LeftAt5NotCorrected", 20, 30, {5, 0, 65, 768}, 20, 30},
        TaskbarCase{"TopAt5NotCorrected", 20, 30, {0, 5, 1024, 35}, 20, 30},
        TaskbarCase{"SquareCountsAsLeft", 10, 10, {0, 0, 40, 40}, 50, 10},
        TaskbarCase{"NegativeWindowKept", -5, -8, {0, 738, 1024, 768}, -5, -8}),
    [](const testing::TestParamInfo<TaskbarCase>& info) { return info.param.name; });

// --- off-screen placement ----------------------------------------------------------------

const MonitorArea kPrimary{{0, 0, 1024, 768}, {0, 0, 1024, 738}};
const MonitorArea kRightOfPrimary{{1024, 0, 2304, 1024}, {1024, 0, 2304, 1024}};

struct PlaceCase {
    const char* name;
    int x, y;
    long expectedX, expectedY;
};

// Test output names the case (the struct holds padding that must not be printed).
void PrintTo(const PlaceCase& c, std::ostream* os)
{
    *os << c.name;
}

class PlaceOnScreenOneMonitorTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceOnScreenOneMonitorTest, MovesOnlyAWindowWhollyOutside)
{
    const PlaceCase& c = GetParam();
    ScreenPoint p = PlaceOnScreen(MainWindowRect(c.x, c.y), &kPrimary, 1);
    EXPECT_EQ(p.x, c.expectedX);
    EXPECT_EQ(p.y, c.expectedY);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PlaceOnScreenOneMonitorTest,
    testing::Values(
        PlaceCase{"Default", 20, 30, 20, 30},
        PlaceCase{"PartlyOffLeftKept", -5, 30, -5, 30},
        PlaceCase{"OnePixelVisibleLeftKept", -119, 30, -119, 30},
        PlaceCase{"OnePixelVisibleTopKept", 20, -744, 20, -744},
        PlaceCase{"OnePixelVisibleRightKept", 1023, 30, 1023, 30},
        PlaceCase{"TouchingLeftEdgeMoved", -120, 30, 0, 0},  // 745 tall: higher than the 738 work area,
        PlaceCase{"FarLeftMoved", -3000, 100, 0, 0},
        PlaceCase{"FarRightMoved", 3000, 0, 904, 0},
        PlaceCase{"BelowMovedAndWindowTallerThanWork", 20, 900, 20, 0},
        PlaceCase{"AboveMovedToTop", 100, -2000, 100, 0},
        PlaceCase{"DiagonalMoved", 5000, -5000, 904, 0},
        PlaceCase{"IntMaxNoOverflow", INT_MAX, INT_MAX, 904, 0},
        PlaceCase{"IntMinMoved", INT_MIN, INT_MIN, 0, 0}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

TEST(PlaceOnScreenMonitors, WindowOnSecondMonitorIsKept)
{
    MonitorArea both[] = {kPrimary, kRightOfPrimary};
    ScreenPoint p = PlaceOnScreen(MainWindowRect(1500, 100), both, 2);
    EXPECT_EQ(p.x, 1500);
    EXPECT_EQ(p.y, 100);
}

TEST(PlaceOnScreenMonitors, RemovedSecondMonitorBringsWindowToTheNearestOne)
{
    // Stored on a monitor right of the pair, now gone: the right-hand monitor is nearer.
    MonitorArea both[] = {kPrimary, kRightOfPrimary};
    ScreenPoint p = PlaceOnScreen(MainWindowRect(2600, 100), both, 2);
    EXPECT_EQ(p.x, 2304 - kMainWidth);
    EXPECT_EQ(p.y, 100);
}

TEST(PlaceOnScreenMonitors, WorkAreaNotMonitorGivesTheNewPlace)
{
    // Taskbar at the left: the work area starts at 60.
    MonitorArea leftBar{{0, 0, 1024, 768}, {60, 0, 1024, 768}};
    ScreenPoint p = PlaceOnScreen(MainWindowRect(-500, 10), &leftBar, 1);
    EXPECT_EQ(p.x, 60);
    EXPECT_EQ(p.y, 10);
}

TEST(PlaceOnScreenMonitors, NoMonitorsKnownLeavesThePosition)
{
    ScreenPoint p = PlaceOnScreen(MainWindowRect(-5000, -5000), nullptr, 0);
    EXPECT_EQ(p.x, -5000);
    EXPECT_EQ(p.y, -5000);
}

TEST(MainWindowRectTest, OuterSizeIs120By745)
{
    ScreenRect r = MainWindowRect(20, 30);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, 140);
    EXPECT_EQ(r.bottom, 775);
}

// Regression: a stored X of -5 (the documented partly-visible case) was once treated as
// off-screen by a check of the top-left corner alone.
TEST(PlaceOnScreenRegression, TopLeftCornerOffScreenButWindowVisibleIsKept)
{
    ScreenPoint p = PlaceOnScreen(MainWindowRect(-5, -20), &kPrimary, 1);
    EXPECT_EQ(p.x, -5);
    EXPECT_EQ(p.y, -20);
}

} // namespace
