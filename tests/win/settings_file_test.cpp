// The settings file under Wine: loading each stored input, writing back in place, the title and
// class name, the position rules and a settings path too long for the profile functions.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "controls.h"
#include "settings_values.h"
#include "win_fixture.h"
#include "win_settings.h"

namespace {

using vktest::Crlf;
using vktest::MainWindowFixture;

// --- loading ------------------------------------------------------------------------------

struct LoadCase {
    const char* name;
    const char* ini;      // vk.ini before the start (LF; written with CRLF)
    int id;               // the control to look at
    const char* shown;    // its text afterwards (for a radio or check box: "1" ticked, "0" not)
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}


class StoredInputLoading : public MainWindowFixture, public testing::WithParamInterface<LoadCase> {};

TEST_P(StoredInputLoading, ControlShowsTheStoredValueByTheRules)
{
    const LoadCase& c = GetParam();
    ASSERT_TRUE(WriteIni(Crlf(c.ini)));
    ASSERT_NE(OpenWindow(), nullptr);
    char className[16] = {};
    GetClassNameA(Control(c.id), className, sizeof className);
    if (std::string(className) == "Button")
        EXPECT_EQ(Checked(c.id) ? "1" : "0", std::string(c.shown));
    else
        EXPECT_EQ(Text(c.id), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredInputLoading,
    testing::Values(
        // Lists select the first item from the second on whose text begins with the value.
        LoadCase{"Power3Selects30", "[Chara]\nPower=3\n", IDC_POWER, "30"},
        LoadCase{"Power2Selects21NotTheFirst", "[Chara]\nPower=2\n", IDC_POWER, "21"},
        LoadCase{"Power20SelectsTheFirstByWrapping", "[Chara]\nPower=20\n", IDC_POWER, "20"},
        LoadCase{"Power99Leaves25", "[Chara]\nPower=99\n", IDC_POWER, "25"},
        LoadCase{"Power33", "[Chara]\nPower=33\n", IDC_POWER, "33"},
        LoadCase{"Spin8Leaves7", "[Chara]\nSpin=8\n", IDC_SPIN, "7"},
        LoadCase{"Club2Selects2W", "[Chara]\nClub=2\n", IDC_CLUB, "2W"},
        LoadCase{"Club2iSelects2I", "[Chara]\nClub=2i\n", IDC_CLUB, "2I"},
        LoadCase{"Club3w", "[Chara]\nClub=3w\n", IDC_CLUB, "3W"},
        LoadCase{"Club5WLeaves1W", "[Chara]\nClub=5W\n", IDC_CLUB, "1W"},
        LoadCase{"WindPower9", "[Situation]\nWindPower=9\n", IDC_WIND_POWER, "9"},
        LoadCase{"WindPower0Leaves1", "[Situation]\nWindPower=0\n", IDC_WIND_POWER, "1"},
        // Check box and radios: first character only.
        LoadCase{"RingChecked", "[Chara]\nCrimsonRing=checked\n", IDC_CRIMSON_RING, "1"},
        LoadCase{"RingAnyLowerC", "[Chara]\nCrimsonRing=c\n", IDC_CRIMSON_RING, "1"},
        LoadCase{"RingCapitalC", "[Chara]\nCrimsonRing=Checked\n", IDC_CRIMSON_RING, "0"},
        LoadCase{"RingUnchecked", "[Chara]\nCrimsonRing=unchecked\n", IDC_CRIMSON_RING, "0"},
        LoadCase{"RingEmpty", "[Chara]\nCrimsonRing=\n", IDC_CRIMSON_RING, "0"},
        LoadCase{"Beam9I", "[Beam]\nClub=9I\n", IDC_BEAM_9I, "1"},
        LoadCase{"Beam9x", "[Beam]\nClub=9x\n", IDC_BEAM_9I, "1"},
        LoadCase{"Beam9xLeaves6IUnticked", "[Beam]\nClub=9x\n", IDC_BEAM_6I, "0"},
        LoadCase{"Beam6I", "[Beam]\nClub=6I\n", IDC_BEAM_6I, "1"},
        LoadCase{"BeamEmptyIs6I", "[Beam]\nClub=\n", IDC_BEAM_6I, "1"},
        LoadCase{"BeamOtherIs6I", "[Beam]\nClub=x9\n", IDC_BEAM_6I, "1"},
        // Texts exactly as stored; Direction and Slope shown twice.
        LoadCase{"DistanceText", "[Situation]\nDistance=185\n", IDC_DISTANCE, "185"},
        LoadCase{"DistanceEmptyKeyLeavesFieldEmpty", "[Situation]\nDistance=\n", IDC_DISTANCE, ""},
        LoadCase{"DistanceNineDigitsShownWhole", "[Situation]\nDistance=123456789\n", IDC_DISTANCE, "123456789"},
        LoadCase{"HeightNegative", "[Situation]\nHeight=-12.5\n", IDC_HEIGHT, "-12.5"},
        LoadCase{"DirectionNotANumber", "[Situation]\nDirection=abc\n", IDC_DIRECTION, "abc"},
        LoadCase{"DirectionMirrored", "[Situation]\nDirection=abc\n", IDC_NAV_DIRECTION, "abc"},
        LoadCase{"SlopeText", "[Situation]\nSlope=-1.5x\n", IDC_SLOPE, "-1.5x"},
        LoadCase{"SlopeMirrored", "[Situation]\nSlope=-1.5x\n", IDC_NAV_SLOPE, "-1.5x"},
        LoadCase{"KeysIgnoreLetterCase", "[situation]\ndistance=77\n", IDC_DISTANCE, "77"},
        // The Condition group is never stored: unknown keys for it change nothing.
        LoadCase{"RainNotStored", "[Condition]\nRain=checked\n", IDC_RAIN, "0"},
        LoadCase{"FairwayAlways100", "[Condition]\nFairway=90\n", IDC_FAIRWAY_100, "1"}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

class SettingsFile : public MainWindowFixture {};

TEST_F(SettingsFile, NineDigitDistanceIsStoredAsEight)
{
    ASSERT_TRUE(WriteIni(Crlf("[Situation]\nDistance=123456789\n")));
    ASSERT_NE(OpenWindow(), nullptr);
    SetText(IDC_HEIGHT, "-0.123456789");
    CloseWindow();
    std::string ini = ReadIni();
    EXPECT_NE(ini.find("Distance=12345678\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Height=-0.12345\r\n"), std::string::npos) << ini;
}

TEST_F(SettingsFile, ChangedInputsAreStoredOnClosing)
{
    ASSERT_NE(OpenWindow(), nullptr);
    Select(IDC_POWER, 12);       // "32"
    Select(IDC_CLUB, 3);         // "2I"
    Select(IDC_WIND_POWER, 6);   // "7"
    SetChecked(IDC_CRIMSON_RING, true);
    SetChecked(IDC_BEAM_6I, false);
    SetChecked(IDC_BEAM_9I, true);
    SetChecked(IDC_RAIN, true);  // never stored
    SetText(IDC_DIRECTION, "135");
    SetText(IDC_NAV_DIRECTION, "999"); // the mirror is not stored
    SetText(IDC_SLOPE, "-2");
    CloseWindow();
    EXPECT_EQ(ReadIni(), Crlf("[App]\nAppTitle=vk ver2.43a\nClassName=vk ver2.43a\n"
                              "[Pos]\nX=20\nY=30\n"
                              "[Chara]\nPower=32\nSpin=7\nClub=2I\nCrimsonRing=checked\n"
                              "[Situation]\nWindPower=7\nDistance=230\nHeight=0\nDirection=135\nSlope=-2\n"
                              "[Beam]\nClub=9I\n"));
}

TEST_F(SettingsFile, FullFileWithUnknownKeysIsWrittenBackInPlace)
{
    const std::string before = Crlf("[App]\n"
                                    "AppTitle=vk ver2.43a\n"
                                    "ClassName=vk ver2.43a\n"
                                    "Theme=dark\n"
                                    "[Pos]\n"
                                    "X=40\n"
                                    "Y=50\n"
                                    "[Chara]\n"
                                    "Power=33\n"
                                    "Spin=7\n"
                                    "Club=3W\n"
                                    "CrimsonRing=checked\n"
                                    "[Notes]\n"
                                    "Course=Lake side\n"
                                    "[Situation]\n"
                                    "WindPower=5\n"
                                    "Distance=150\n"
                                    "Height=-2.5\n"
                                    "Direction=45\n"
                                    "Slope=1.5\n"
                                    "Kept=yes\n"
                                    "[Beam]\n"
                                    "Club=9I\n");
    ASSERT_TRUE(WriteIni(before));
    ASSERT_NE(OpenWindow(), nullptr);
    EXPECT_EQ(Text(IDC_POWER), "33");
    EXPECT_EQ(Text(IDC_CLUB), "3W");
    EXPECT_TRUE(Checked(IDC_CRIMSON_RING));
    EXPECT_EQ(Text(IDC_WIND_POWER), "5");
    EXPECT_EQ(Text(IDC_HEIGHT), "-2.5");
    EXPECT_EQ(Text(IDC_NAV_SLOPE), "1.5");
    EXPECT_TRUE(Checked(IDC_BEAM_9I));
    RECT r;
    GetWindowRect(Window(), &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 50);
    CloseWindow();
    EXPECT_EQ(ReadIni(), before);
}

TEST_F(SettingsFile, KeysInAnotherOrderAreReplacedWhereTheyStand)
{
    ASSERT_TRUE(WriteIni(Crlf("[Beam]\nClub=6I\n[Chara]\nClub=2W\nPower=21\n")));
    ASSERT_NE(OpenWindow(), nullptr);
    Select(IDC_POWER, 2); // "22"
    CloseWindow();
    EXPECT_EQ(ReadIni(), Crlf("[Beam]\nClub=6I\n"
                              "[Chara]\nClub=2W\nPower=22\nSpin=7\nCrimsonRing=unchecked\n"
                              "[App]\nAppTitle=vk ver2.43a\nClassName=vk ver2.43a\n"
                              "[Pos]\nX=20\nY=30\n"
                              "[Situation]\nWindPower=1\nDistance=230\nHeight=0\nDirection=0\nSlope=0\n"));
}

TEST_F(SettingsFile, StoredTitleAndClassNameAreUsedAndWrittenBack)
{
    ASSERT_TRUE(WriteIni(Crlf("[App]\nAppTitle=Shot helper\nClassName=ShotHelperClass\n")));
    ASSERT_NE(OpenWindow(), nullptr);
    char text[64] = {};
    GetWindowTextA(Window(), text, sizeof text);
    EXPECT_STREQ(text, "Shot helper");
    GetClassNameA(Window(), text, sizeof text);
    EXPECT_STREQ(text, "ShotHelperClass");
    EXPECT_EQ(FindWindowA("ShotHelperClass", "Shot helper"), Window());
    EXPECT_EQ(FindMainWindow(), Window());
    CloseWindow();
    const std::string app = Crlf("[App]\nAppTitle=Shot helper\nClassName=ShotHelperClass\n[Pos]\n");
    EXPECT_EQ(ReadIni().substr(0, app.size()), app);
}

TEST_F(SettingsFile, EmptyTitleIsKeptEmptyNotDefaulted)
{
    ASSERT_TRUE(WriteIni(Crlf("[App]\nAppTitle=\n")));
    ASSERT_NE(OpenWindow(), nullptr);
    EXPECT_EQ(GetWindowTextLengthA(Window()), 0);
    CloseWindow();
    const std::string app = Crlf("[App]\nAppTitle=\nClassName=vk ver2.43a\n[Pos]\n");
    EXPECT_EQ(ReadIni().substr(0, app.size()), app);
}

// --- position -----------------------------------------------------------------------------

struct PositionCase {
    const char* name;
    const char* ini;
    int x, y; // expected outer top-left corner of the window
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const PositionCase& c, std::ostream* os)
{
    *os << c.name;
}


class StoredPosition : public MainWindowFixture, public testing::WithParamInterface<PositionCase> {};

TEST_P(StoredPosition, WindowIsCreatedThere)
{
    ASSERT_TRUE(WriteIni(Crlf(GetParam().ini)));
    ASSERT_NE(OpenWindow(), nullptr);
    RECT r;
    GetWindowRect(Window(), &r);
    EXPECT_EQ(r.left, GetParam().x);
    EXPECT_EQ(r.top, GetParam().y);
    EXPECT_EQ(r.right - r.left, 120);
    EXPECT_EQ(r.bottom - r.top, 745);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredPosition,
    testing::Values(PositionCase{"Stored", "[Pos]\nX=300\nY=12\n", 300, 12},
                    PositionCase{"PartlyOffLeftKept", "[Pos]\nX=-5\nY=30\n", -5, 30},
                    PositionCase{"PartlyOffTopKept", "[Pos]\nX=20\nY=-700\n", 20, -700},
                    PositionCase{"OnlyXStored", "[Pos]\nX=7\n", 7, 30},
                    // Not a number: the profile functions' integer reading (leading digits, else 0).
                    PositionCase{"NotANumberReadsZero", "[Pos]\nX=abc\nY=12px\n", 0, 12},
                    PositionCase{"OnePixelVisibleKept", "[Pos]\nX=-119\nY=10\n", -119, 10},
                    // Wholly outside the desktop (whose left edge is 0): brought onto it.
                    PositionCase{"FarLeftMovedOnScreen", "[Pos]\nX=-3000\nY=10\n", 0, 10},
                    PositionCase{"JustOutsideLeftMoved", "[Pos]\nX=-120\nY=10\n", 0, 10}),
    [](const testing::TestParamInfo<PositionCase>& info) { return info.param.name; });

// The work area of the monitor nearest to a point.
RECT WorkAreaNear(int x, int y)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

TEST_F(SettingsFile, WindowBeyondTheRightEdgeIsBroughtBackWhole)
{
    ASSERT_TRUE(WriteIni(Crlf("[Pos]\nX=30000\nY=10\n")));
    ASSERT_NE(OpenWindow(), nullptr);
    RECT work = WorkAreaNear(30000, 10);
    RECT r;
    GetWindowRect(Window(), &r);
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.left, work.right - 120);
    EXPECT_EQ(r.top, 10);
}

TEST_F(SettingsFile, WindowBelowTheBottomEdgeIsBroughtBack)
{
    ASSERT_TRUE(WriteIni(Crlf("[Pos]\nX=20\nY=30000\n")));
    ASSERT_NE(OpenWindow(), nullptr);
    RECT work = WorkAreaNear(20, 30000);
    RECT r;
    GetWindowRect(Window(), &r);
    EXPECT_EQ(r.left, 20);
    EXPECT_GE(r.top, work.top);
    EXPECT_EQ(r.top, work.bottom - work.top >= 745 ? work.bottom - 745 : work.top);
}

TEST_F(SettingsFile, WindowMovedOnScreenIsStoredAtItsNewPlace)
{
    ASSERT_TRUE(WriteIni(Crlf("[Pos]\nX=-3000\nY=10\n")));
    ASSERT_NE(OpenWindow(), nullptr);
    CloseWindow();
    EXPECT_NE(ReadIni().find("[Pos]\r\nX=0\r\nY=10\r\n"), std::string::npos);
}

// --- a settings path too long for the profile functions -----------------------------------

TEST(SettingsPathTooLong, ReadingGivesTheDefaultsAndWritingDoesNothing)
{
    const std::string dir = vktest::MakeTempDir();
    ASSERT_FALSE(dir.empty());
    // A path longer than the profile functions accept, in an existing directory.
    const std::string path = SettingsPath(dir + "\\" + std::string(300 - dir.size(), 'd'));
    ASSERT_GT(path.size(), kMaxProfilePath);
    EXPECT_EQ(ReadSettingText(path, "App", "AppTitle", "fallback"), "fallback");
    EXPECT_EQ(ReadSettingInt(path, "Pos", "X", 20), 20);
    WriteSettingText(path, "App", "AppTitle", "x");
    EXPECT_EQ(ReadSettingText(path, "App", "AppTitle", "fallback"), "fallback");
    vktest::RemoveTree(dir);
}

TEST(SettingsPathTooLong, PathOfExactlyTheLimitStillWorks)
{
    const std::string dir = vktest::MakeTempDir();
    ASSERT_FALSE(dir.empty());
    std::string path = dir + "\\" + std::string(kMaxProfilePath - dir.size() - 1, 'f');
    ASSERT_EQ(path.size(), kMaxProfilePath);
    WriteSettingText(path, "Pos", "X", "-5");
    EXPECT_EQ(ReadSettingInt(path, "Pos", "X", 20), -5);
    vktest::RemoveTree(dir);
}

// Makes nested directories under base (much shorter than length) until the full path has
// exactly length characters; no piece is left one character long, which a separator could not fill.
std::string MakeDirOfLength(const std::string& base, std::size_t length)
{
    std::string dir = base;
    while (dir.size() + 1 < length) {
        std::size_t remaining = length - dir.size() - 1; // after the separator
        std::size_t part = std::min<std::size_t>(remaining, 60);
        if (remaining - part == 1)
            --part;
        dir += "\\" + std::string(part, 'n');
        CreateDirectoryA(dir.c_str(), nullptr);
    }
    return dir;
}

// A current directory of 250 characters gives a 257-character path: more than the 255 that a
// fixed buffer of the old design held, still within what the profile functions accept.
TEST_F(SettingsFile, DirectoryLongerThanTheOldBufferWorks)
{
    std::string dir = MakeDirOfLength(Dir(), 250);
    ASSERT_EQ(dir.size(), 250u);
    ASSERT_TRUE(SetCurrentDirectoryA(dir.c_str()));
    ASSERT_TRUE(vktest::WriteFileBytes(dir + "\\vk.ini", Crlf("[Situation]\nDistance=99\n")));
    EXPECT_EQ(CurrentSettingsPath(), dir + "\\vk.ini");
    ASSERT_NE(OpenWindow(), nullptr);
    EXPECT_EQ(Text(IDC_DISTANCE), "99");
    SetText(IDC_DISTANCE, "98");
    CloseWindow();
    EXPECT_NE(vktest::ReadFileBytes(dir + "\\vk.ini").find("Distance=98\r\n"), std::string::npos);
}

// A current directory of 254 characters gives a 261-character path: the profile functions
// cannot take it, so the defaults are used and nothing is written, as with no file at all.
TEST_F(SettingsFile, DirectoryTooLongForTheProfileFunctionsUsesTheDefaults)
{
    std::string dir = MakeDirOfLength(Dir(), 254);
    ASSERT_EQ(dir.size(), 254u);
    ASSERT_TRUE(SetCurrentDirectoryA(dir.c_str()));
    EXPECT_EQ(CurrentSettingsPath().size(), 261u);
    ASSERT_NE(OpenWindow(), nullptr);
    EXPECT_EQ(Text(IDC_DISTANCE), "230");
    char title[32] = {};
    GetWindowTextA(Window(), title, sizeof title);
    EXPECT_STREQ(title, "vk ver2.43a");
    CloseWindow();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*.ini").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

TEST_F(SettingsFile, CurrentPathIsTheDirectoryAndFileName)
{
    EXPECT_EQ(CurrentSettingsPath(), Dir() + "\\vk.ini");
}

} // namespace
