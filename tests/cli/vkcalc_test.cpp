// Tests of vkcalc as a whole (RunVkcalc): exit statuses, messages, worked examples through the options, the sheet.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "dispatch.h"
#include "vkcalc.h"

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun RunWith(const std::vector<std::string>& args, const std::string& input = std::string())
{
    std::vector<const char*> argv = {"vkcalc"};
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    CliRun run;
    run.status = RunVkcalc(static_cast<int>(argv.size()), argv.data(), in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(VkcalcWorkedExamples, ThroughTheOptionsTextsAndValuesMatch)
{
    for (const WorkedExample& ex : WorkedExamples()) {
        std::vector<std::string> args = ex.args;
        args.push_back("--json");
        const CliRun run = RunWith(args);
        ASSERT_EQ(run.status, 0) << ex.label << ": " << run.err;
        const JsonGroup g = ReadJsonGroup(run.out, ex.group);
        ASSERT_TRUE(g.found) << ex.label << ": " << run.out;
        EXPECT_EQ(g.state, "written") << ex.label;
        EXPECT_EQ(g.driftText, ex.driftText) << ex.label;
        EXPECT_EQ(g.shotText, ex.shotText) << ex.label;
        EXPECT_TRUE(MatchesGivenDigits(ex.drift, g.drift)) << ex.label << ": drift " << g.drift;
        EXPECT_TRUE(MatchesGivenDigits(ex.shot, g.shot)) << ex.label << ": shot " << g.shot;
    }
}

TEST(VkcalcWorkedExamples, TextOutputShowsTheSameTexts)
{
    const CliRun run = RunWith(WorkedExamples()[0].args);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Tomahawk     drift 2.7385 y  shot 77.701 %\n"
              "Back Spin    drift 4.2107 y  shot 87.721 %\n"
              "Beam Impact  drift ---       shot ---\n");
    EXPECT_EQ(run.err, "");
}

TEST(VkcalcJson, ValuesReadBackExactlyAsTheDispatcherReturnedThem)
{
    PanelReading panel;
    panel.club = "3W";
    panel.power = "31";
    panel.distance = "143.7";
    panel.height = "-2.25";
    panel.direction = "33.3";
    panel.slope = "0.7";
    panel.windPower = "6";
    const DispatchOutcome expected = Calculate(panel);
    const CliRun run = RunWith({"--club", "3w", "--power", "31", "--distance", "143.7", "--height", "-2.25",
                             "--direction", "33.3", "--slope", "0.7", "--wind", "6", "--json"});
    ASSERT_EQ(run.status, 0);
    const JsonGroup t = ReadJsonGroup(run.out, "tomahawk");
    const JsonGroup b = ReadJsonGroup(run.out, "backSpin");
    ASSERT_TRUE(t.found && b.found) << run.out;
    EXPECT_EQ(t.drift, expected.tomahawk.result.drift);
    EXPECT_EQ(t.shot, expected.tomahawk.result.shot);
    EXPECT_EQ(b.drift, expected.backSpin.result.drift);
    EXPECT_EQ(b.shot, expected.backSpin.result.shot);
    EXPECT_EQ(t.driftText, expected.tomahawk.result.driftText);
    EXPECT_EQ(ReadJsonGroup(run.out, "beamImpact").state, "cleared");
    EXPECT_TRUE(ReadJsonGroup(run.out, "beamImpact").driftNull);
}

// Where a shot is offered, through the options exactly as on the panel.
TEST(VkcalcDispatchEdges, GroupsClearedAndWrittenByClubAndDistance)
{
    struct Case {
        std::vector<std::string> args;
        const char* tomahawk;
        const char* backSpin;
        const char* beam;
    };
    const Case cases[] = {
        {{"--power", "30", "--distance", "99"}, "cleared", "cleared", "cleared"},
        {{"--power", "30", "--distance", "100"}, "cleared", "written", "cleared"},
        {{"--power", "30", "--distance", "120"}, "written", "written", "cleared"},
        {{"--power", "30", "--distance", "90"}, "cleared", "cleared", "written"},
        {{"--power", "30", "--ring", "--distance", "123.9"}, "cleared", "written", "cleared"},
        {{"--power", "30", "--ring", "--distance", "124"}, "written", "written", "cleared"},
        {{"--club", "3W", "--power", "30", "--distance", "89"}, "cleared", "written", "written"},
        {{"--club", "3W", "--power", "30", "--distance", "110"}, "written", "written", "cleared"},
        {{"--club", "2I", "--distance", "89.5"}, "cleared", "cleared", "written"},
        {{"--club", "2I", "--distance", "90"}, "written", "cleared", "written"},
        // A text read as the panel reads it: the number at its start.
        {{"--club", "2I", "--distance", "90.5.7"}, "written", "cleared", "cleared"},
        {{"--distance", "."}, "cleared", "cleared", "written"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        const CliRun run = RunWith(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadJsonGroup(run.out, "tomahawk").state, c.tomahawk) << run.out;
        EXPECT_EQ(ReadJsonGroup(run.out, "backSpin").state, c.backSpin) << run.out;
        EXPECT_EQ(ReadJsonGroup(run.out, "beamImpact").state, c.beam) << run.out;
    }
}

TEST(VkcalcDefaults, NoOptionIsThePanelAtStartUp)
{
    const DispatchOutcome expected = Calculate(PanelReading());
    const CliRun run = RunWith({"--json"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(ReadJsonGroup(run.out, "tomahawk").shot, expected.tomahawk.result.shot);
    EXPECT_EQ(ReadJsonGroup(run.out, "backSpin").drift, expected.backSpin.result.drift);
    // Options equal to the start-up values change nothing.
    const CliRun same = RunWith({"--json", "--club", "1W", "--power", "25", "--spin", "7", "--fairway", "100", "--wind",
                              "1", "--distance", "230", "--height", "0", "--direction", "0", "--slope", "0", "--beam",
                              "6I"});
    EXPECT_EQ(same.out, run.out);
}

TEST(VkcalcInfo, HelpAndVersionExitZeroOnStandardOutput)
{
    const CliRun help = RunWith({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: vkcalc"), std::string::npos);
    EXPECT_NE(help.out.find("--distance FROM:TO:STEP"), std::string::npos);
    EXPECT_EQ(help.err, "");
    const CliRun version = RunWith({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("vkcalc ") + VK_VERSION_TEXT + "\n");
    // Help wins over the options after it, not over a bad one before it.
    EXPECT_EQ(RunWith({"--club", "2W", "--help", "--bogus"}).status, 0);
    EXPECT_EQ(RunWith({"--bogus", "--help"}).status, 2);
}

// Each kind of bad argument: exit 2, nothing on standard output, one line naming option and value.
TEST(VkcalcBadArguments, ExitTwoWithOneLineNamingOptionAndValue)
{
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> mentions;
    };
    const Case cases[] = {
        {{"--club", "5W"}, {"--club", "\"5W\"", "1W, 2W, 3W or 2I"}},
        {{"--club=1 W"}, {"--club", "\"1 W\""}},
        {{"--power", "36"}, {"--power", "\"36\"", "20 to 35"}},
        {{"--power", "025"}, {"--power", "\"025\""}},
        {{"--spin", "8"}, {"--spin", "\"8\"", "7"}},
        {{"--fairway", "70"}, {"--fairway", "\"70\"", "100, 95, 90, 85, 80 or 75"}},
        {{"--wind", "0"}, {"--wind", "\"0\"", "1 to 9"}},
        {{"--wind", "10"}, {"--wind", "\"10\""}},
        {{"--beam", "7I"}, {"--beam", "\"7I\"", "6I or 9I"}},
        {{"--distance", "-5"}, {"--distance", "\"-5\"", "digit or '.'"}},
        {{"--distance", "12a"}, {"--distance", "\"12a\""}},
        {{"--distance", "123456789"}, {"--distance", "\"123456789\"", "longer than 8"}},
        {{"--height", "1e3"}, {"--height", "\"1e3\"", "'-'"}},
        {{"--direction", " 45"}, {"--direction", "\" 45\""}},
        {{"--slope", "+1"}, {"--slope", "\"+1\""}},
        {{"--height="}, {"--height", "\"\"", "empty"}},
        {{"--slope"}, {"--slope", "needs a value"}},
        {{"--ring=1"}, {"--ring", "\"1\"", "no value"}},
        {{"--json=yes"}, {"--json", "\"yes\""}},
        {{"--club", "1W", "--club", "2W"}, {"--club", "twice"}},
        {{"--bogus"}, {"unknown option", "\"--bogus\""}},
        {{"--bogus=3"}, {"unknown option", "\"--bogus\""}},
        {{"-d", "200"}, {"unknown option", "\"-d\""}},
        {{"--"}, {"unknown option", "\"--\""}},
        {{"200"}, {"unexpected argument", "\"200\""}},
        {{"--distance", "300:200:5"}, {"--distance", "\"300:200:5\"", "FROM"}},
        {{"--distance", "1:2:0"}, {"--distance", "STEP"}},
        {{"--distance", "0:100000:0.5"}, {"--distance", "100000"}},
        {{"--csv", "--distance", "200"}, {"--csv"}},
        {{"--csv", "--json"}, {"--csv"}},
        {{"--club", "\x01\xff\""}, {"--club", "\"\\x01\\xFF\\\"\""}},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith(c.args);
        const std::string label = c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : std::string());
        EXPECT_EQ(run.status, 2) << label;
        EXPECT_EQ(run.out, "") << label;
        ASSERT_EQ(Lines(run.err).size(), 1u) << label << ": " << run.err;
        EXPECT_EQ(run.err.rfind("vkcalc: ", 0), 0u) << run.err;
        for (const std::string& m : c.mentions) {
            EXPECT_NE(run.err.find(m), std::string::npos) << label << ": " << run.err << " lacks " << m;
        }
    }
}

TEST(VkcalcSweep, OneLinePerDistanceAgreeingWithSingleRuns)
{
    const CliRun sheet = RunWith({"--club", "2I", "--wind", "4", "--distance", "88:91:0.5", "--json"});
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    const std::vector<std::string> lines = Lines(sheet.out);
    const char* const distances[] = {"88.0", "88.5", "89.0", "89.5", "90.0", "90.5", "91.0"};
    ASSERT_EQ(lines.size(), 7u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(std::string("{\"distance\":\"") + distances[i] + "\"", 0), 0u) << lines[i];
        const CliRun single = RunWith({"--club", "2I", "--wind", "4", "--distance", distances[i], "--json"});
        // The single object is the sheet line without its distance member.
        EXPECT_EQ("{" + lines[i].substr(lines[i].find(',') + 1) + "\n", single.out);
    }
}

TEST(VkcalcSweep, TextSheetHasHeaderAndAlignedColumns)
{
    const CliRun sheet = RunWith({"--power", "30", "--distance", "98:102:2"});
    ASSERT_EQ(sheet.status, 0);
    EXPECT_EQ(Lines(sheet.out).size(), 5u);
    EXPECT_EQ(Lines(sheet.out)[1], "distance  drift y  shot %   drift y  shot %   drift y  shot %");
    EXPECT_EQ(Lines(sheet.out)[2], "98        ---      ---      ---      ---      ---      ---");
    // At 100 yards Back Spin 1W starts for power 30.
    EXPECT_EQ(Lines(sheet.out)[3].substr(0, 28), "100       ---      ---      ");
    EXPECT_NE(Lines(sheet.out)[3].substr(28, 6), "---   ");
}

TEST(VkcalcOutput, FailedWriteIsReportedNotSuccess)
{
    const char* argv[] = {"vkcalc", "--distance", "100:200:1"};
    std::istringstream in;
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(RunVkcalc(3, argv, in, out, err), 1);
    EXPECT_NE(err.str().find("cannot write"), std::string::npos);
}

TEST(VkcalcBatch, ExitStatusFollowsRejectedRows)
{
    EXPECT_EQ(RunWith({"--csv"}, "club,distance\n1W,230\n2I,95\n").status, 0);
    const CliRun bad = RunWith({"--csv"}, "club,distance\n1W,230\n5W,95\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("1 of 2 rows rejected"), std::string::npos);
    EXPECT_EQ(RunWith({"--csv"}, "club,nonsense\n").status, 1);
    EXPECT_EQ(RunWith({"--csv"}, "").status, 0);
}

// Regression: a value is taken from the next argument even when it starts with '-', so a
// negative height is not mistaken for an option.
TEST(VkcalcRegression, NegativeValueAfterOptionIsAValue)
{
    const CliRun run = RunWith({"--height", "-6", "--slope", "-1.5", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
}

} // namespace
