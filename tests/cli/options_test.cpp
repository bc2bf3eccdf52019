// Tests of vkcalc's command line parsing: forms of options, modes, and what ends up in the panel reading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input_fields.h"
#include "options.h"

namespace {

bool Parse(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    std::vector<const char*> argv = {"vkcalc"};
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    return ParseOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

TEST(ParseOptions, BothValueFormsSetTheSameControls)
{
    const std::vector<std::string> spaced = {"--club", "3w", "--power", "33", "--spin", "7", "--ring", "--fairway",
                                             "85", "--rain", "--wind", "7", "--distance", "150", "--height", "-12.5",
                                             "--direction", "300", "--slope", "-1.5", "--beam", "9i"};
    const std::vector<std::string> joined = {"--club=3w", "--power=33", "--spin=7", "--ring", "--fairway=85",
                                             "--rain", "--wind=7", "--distance=150", "--height=-12.5",
                                             "--direction=300", "--slope=-1.5", "--beam=9i"};
    for (const auto& args : {spaced, joined}) {
        CliOptions o;
        std::string error;
        ASSERT_TRUE(Parse(args, o, error)) << error;
        EXPECT_EQ(o.mode, CliMode::Single);
        EXPECT_EQ(o.panel.club, "3W");
        EXPECT_EQ(o.panel.power, "33");
        EXPECT_TRUE(o.panel.crimsonRing);
        EXPECT_TRUE(o.panel.rain);
        EXPECT_TRUE(o.panel.fairway[3]);
        EXPECT_FALSE(o.panel.fairway[0]);
        EXPECT_EQ(o.panel.windPower, "7");
        EXPECT_EQ(o.panel.distance, "150");
        EXPECT_EQ(o.panel.height, "-12.5");
        EXPECT_EQ(o.panel.direction, "300");
        EXPECT_EQ(o.panel.slope, "-1.5");
        EXPECT_TRUE(o.panel.beam9I);
        EXPECT_FALSE(o.panel.beam6I);
    }
}

TEST(ParseOptions, ModesChosenByTheirOptions)
{
    struct Case {
        std::vector<std::string> args;
        CliMode mode;
        bool json;
    };
    const Case cases[] = {
        {{}, CliMode::Single, false},
        {{"--json"}, CliMode::Single, true},
        {{"--distance", "100:120:5"}, CliMode::Sweep, false},
        {{"--json", "--distance=100:120:5"}, CliMode::Sweep, true},
        {{"--csv"}, CliMode::Batch, false},
        {{"--help"}, CliMode::Help, false},
        {{"--version"}, CliMode::Version, false},
        {{"--json", "--version", "--nonsense"}, CliMode::Version, false},
    };
    for (const Case& c : cases) {
        CliOptions o;
        std::string error;
        ASSERT_TRUE(Parse(c.args, o, error)) << error;
        EXPECT_EQ(o.mode, c.mode);
        EXPECT_EQ(o.json, c.json);
    }
}

TEST(ParseOptions, ValueTakenFromNextArgumentWhateverItLooksLike)
{
    CliOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--height", "--", "--slope", "-", "--direction", "-5-"}, o, error)) << error;
    EXPECT_EQ(o.panel.height, "--");
    EXPECT_EQ(o.panel.slope, "-");
    EXPECT_EQ(o.panel.direction, "-5-");
    // An '=' after the first belongs to the value.
    EXPECT_FALSE(Parse({"--distance=1=2"}, o, error));
    EXPECT_NE(error.find("\"1=2\""), std::string::npos) << error;
}

TEST(ParseOptions, RejectionsNameOptionAndValue)
{
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"--club", "4W"}, "--club \"4W\": accepted are 1W, 2W, 3W or 2I (letter case ignored)"},
        {{"--wind=0"}, "--wind \"0\": accepted are 1 to 9"},
        {{"--distance", "1.5e2"}, "--distance \"1.5e2\": accepted are 1 to 8 characters, each a digit or '.'"},
        {{"--slope="}, "--slope \"\": empty; accepted are 1 to 8 characters, each a digit, '.' or '-'"},
        {{"--beam"}, "--beam needs a value; accepted are 6I or 9I (letter case ignored)"},
        {{"--rain=0"}, "--rain takes no value (given \"0\")"},
        {{"--csv=1"}, "--csv takes no value (given \"1\")"},
        {{"--rain", "--rain"}, "--rain is given twice"},
        {{"--csv", "--csv"}, "--csv is given twice"},
        {{"--power", "30", "--power=30"}, "--power is given twice"},
        {{"--Club", "1W"}, "unknown option \"--Club\"; see --help"},
        {{"--distance", "100:50:5"}, "--distance \"100:50:5\": FROM must not be above TO"},
        {{"--csv", "--ring"}, "--csv reads every input from standard input; it takes no other option"},
        {{"x"}, "unexpected argument \"x\"; see --help"},
        {{""}, "unexpected argument \"\"; see --help"},
    };
    for (const Case& c : cases) {
        CliOptions o;
        std::string error;
        EXPECT_FALSE(Parse(c.args, o, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

TEST(ParseOptions, NullArgumentIsNotRead)
{
    const char* argv[] = {"vkcalc", "--club", nullptr};
    CliOptions o;
    std::string error;
    EXPECT_FALSE(ParseOptions(3, argv, o, error));
    EXPECT_NE(error.find("--club"), std::string::npos);
}

// Regression: a sweep replaces the distance text, it does not leave a partial one behind in
// the panel reading that a later single calculation could pick up.
TEST(ParseOptions, RegressionSweepLeavesDistanceAtItsStartUpText)
{
    CliOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--distance", "100:110:5"}, o, error)) << error;
    EXPECT_EQ(o.panel.distance, PanelReading().distance);
    EXPECT_EQ(o.sweep.from, 100);
    EXPECT_EQ(o.sweep.to, 110);
    EXPECT_EQ(o.sweep.step, 5);
}

} // namespace
