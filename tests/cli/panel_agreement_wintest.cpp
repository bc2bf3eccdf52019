// vkcalc.exe and the panel agree (Windows, under Wine): situations set on the main window and recalculated by
// CalcCommand show the same six texts as vkcalc.exe prints for them, through --csv and through the options.
#include <string>
#include <vector>

#include "child_process.h"
#include "cli_test_support.h"
#include "controls.h"
#include "csv.h"
#include "dispatch.h"
#include "win_fixture.h"

namespace {

using vktest::MainWindowFixture;

// One situation: list items by index, check boxes, and the four field texts.
struct Situation {
    int club;    // 0 "1W", 1 "2W", 2 "3W", 3 "2I"
    int power;   // 20..35
    bool ring;
    int fairway; // 0..5: 100, 95, 90, 85, 80, 75
    bool rain;
    int wind;    // 1..9
    std::string distance, height, direction, slope;
    bool nineI;
};

const char* const kClubs[] = {"1W", "2W", "3W", "2I"};
const char* const kFairways[] = {"100", "95", "90", "85", "80", "75"};
const int kFairwayIds[] = {IDC_FAIRWAY_100, IDC_FAIRWAY_95, IDC_FAIRWAY_90, IDC_FAIRWAY_85, IDC_FAIRWAY_80, IDC_FAIRWAY_75};
const int kResultIds[6] = {IDC_TOMAHAWK_DRIFT, IDC_TOMAHAWK_SHOT, IDC_BACKSPIN_DRIFT,
                           IDC_BACKSPIN_SHOT,  IDC_BEAM_DRIFT,    IDC_BEAM_SHOT};

// Fixed edge cases, then situations drawn from lists of telling values by a fixed sequence.
std::vector<Situation> Situations()
{
    std::vector<Situation> list = {
        {0, 30, false, 0, false, 5, "200", "3", "45", "1", false},
        {0, 30, true, 0, false, 5, "124", "0", "0", "0", false},   // ring: the Tomahawk threshold
        {0, 30, true, 0, false, 5, "123.9", "0", "0", "0", false},
        {2, 30, false, 1, true, 3, "89", "-2", "120", "0.5", true}, // 3W Back Spin and Beam Impact
        {3, 25, false, 0, false, 4, "90", "2", "30", "0", true},    // 2I: both groups at 90
        {3, 25, true, 5, true, 9, "89.5", "-15", "270", "2", false},
        {1, 35, true, 2, false, 7, "320", "14.01", "300", "-1.5", false},
        {0, 20, false, 5, false, 9, "100", "-15", "270", "2", false},
        {0, 25, false, 0, false, 1, "85.5.3", "-", "90.00005", "--1", false}, // texts read as the panel reads them
        {1, 28, false, 3, true, 6, ".", "1-3", "-90", "0", true},
    };
    const char* const distances[] = {"60", "85", "90", "95", "110", "140", "175.5", "200", "230", "260", "299.9", "300", "330"};
    const char* const heights[] = {"-20", "-14", "-6.5", "-4", "0", "0.5", "4", "5.5", "12", "14", "30"};
    const char* const directions[] = {"0", "30", "45", "90", "135", "180", "225", "270", "315", "-45", "720"};
    const char* const slopes[] = {"0", "1", "-1", "2.5", "-3", "0.25"};
    unsigned state = 12345;
    auto next = [&state](unsigned n) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % n;
    };
    for (int i = 0; i < 60; ++i) {
        Situation s;
        s.club = static_cast<int>(next(4));
        s.power = 20 + static_cast<int>(next(16));
        s.ring = next(2) == 1;
        s.fairway = static_cast<int>(next(6));
        s.rain = next(3) == 0;
        s.wind = 1 + static_cast<int>(next(9));
        s.distance = distances[next(sizeof distances / sizeof distances[0])];
        s.height = heights[next(sizeof heights / sizeof heights[0])];
        s.direction = directions[next(sizeof directions / sizeof directions[0])];
        s.slope = slopes[next(sizeof slopes / sizeof slopes[0])];
        s.nineI = next(2) == 1;
        list.push_back(s);
    }
    return list;
}

// The situation as vkcalc options.
std::vector<std::string> Options(const Situation& s)
{
    std::vector<std::string> args = {"--club", kClubs[s.club], "--power", std::to_string(s.power), "--fairway",
                                     kFairways[s.fairway], "--wind", std::to_string(s.wind), "--distance=" + s.distance,
                                     "--height=" + s.height, "--direction=" + s.direction, "--slope=" + s.slope,
                                     "--beam", s.nineI ? "9I" : "6I"};
    if (s.ring) {
        args.push_back("--ring");
    }
    if (s.rain) {
        args.push_back("--rain");
    }
    return args;
}

class PanelAgreementTest : public MainWindowFixture {
protected:
    // Sets the panel as a player would leave it, then sends the recalculation request.
    std::vector<std::string> PanelTexts(const Situation& s)
    {
        Select(IDC_CLUB, s.club);
        Select(IDC_POWER, s.power - 20);
        Select(IDC_WIND_POWER, s.wind - 1);
        SetChecked(IDC_CRIMSON_RING, s.ring);
        SetChecked(IDC_RAIN, s.rain);
        for (int i = 0; i < 6; ++i) {
            SetChecked(kFairwayIds[i], i == s.fairway);
        }
        SetChecked(IDC_BEAM_6I, !s.nineI);
        SetChecked(IDC_BEAM_9I, s.nineI);
        SetText(IDC_DISTANCE, s.distance.c_str());
        SetText(IDC_HEIGHT, s.height.c_str());
        SetText(IDC_DIRECTION, s.direction.c_str());
        SetText(IDC_SLOPE, s.slope.c_str());
        SendCommand(kCalcCommandId);
        std::vector<std::string> texts;
        for (int id : kResultIds) {
            texts.push_back(Text(id));
        }
        return texts;
    }

    std::string Vkcalc() const { return vktest::BesideThisProgram("vkcalc.exe"); }
};

TEST_F(PanelAgreementTest, BatchRowsShowWhatThePanelShows)
{
    const std::vector<Situation> situations = Situations();
    std::string csv = "club,power,ring,fairway,rain,wind,distance,height,direction,slope,beam\r\n";
    for (const Situation& s : situations) {
        csv += std::string(kClubs[s.club]) + "," + std::to_string(s.power) + "," + (s.ring ? "1" : "0") + "," +
               kFairways[s.fairway] + "," + (s.rain ? "1" : "0") + "," + std::to_string(s.wind) + "," + s.distance +
               "," + s.height + "," + s.direction + "," + s.slope + "," + (s.nineI ? "9I" : "6I") + "\r\n";
    }
    ASSERT_NE(OpenWindow(), nullptr);
    const ProgramRun run = RunProgram(Vkcalc(), {"--csv"}, csv, Dir() + "\\batch_");
    ASSERT_TRUE(run.started) << Vkcalc();
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < run.out.size();) {
        const std::size_t end = run.out.find('\n', start);
        lines.push_back(run.out.substr(start, end - start));
        start = (end == std::string::npos) ? run.out.size() : end + 1;
    }
    ASSERT_EQ(lines.size(), situations.size() + 1);
    for (std::size_t i = 0; i < situations.size(); ++i) {
        std::vector<std::string> cells;
        std::string error;
        ASSERT_TRUE(SplitCsvLine(lines[i + 1], cells, error));
        ASSERT_EQ(cells.size(), 13u);
        const std::vector<std::string> panel = PanelTexts(situations[i]);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(cells[static_cast<std::size_t>(k)], panel[static_cast<std::size_t>(k)])
                << "situation " << i << ", field " << kResultIds[k] << ": " << lines[i + 1];
        }
    }
}

TEST_F(PanelAgreementTest, OptionsShowWhatThePanelShows)
{
    const std::vector<Situation> situations = Situations();
    ASSERT_NE(OpenWindow(), nullptr);
    for (std::size_t i = 0; i < 10; ++i) {
        std::vector<std::string> args = Options(situations[i]);
        args.push_back("--json");
        const ProgramRun run = RunProgram(Vkcalc(), args, "", Dir() + "\\single_");
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> panel = PanelTexts(situations[i]);
        const char* const groups[] = {"tomahawk", "backSpin", "beamImpact"};
        for (int g = 0; g < 3; ++g) {
            const JsonGroup group = ReadJsonGroup(run.out, groups[g]);
            EXPECT_EQ(group.driftText, panel[static_cast<std::size_t>(2 * g)]) << "situation " << i << ": " << run.out;
            EXPECT_EQ(group.shotText, panel[static_cast<std::size_t>(2 * g + 1)]) << "situation " << i;
        }
    }
}

// Regression: the panel's results are not stale from the situation before; every group that a
// situation offers is written and every other one shows "---", in the panel as in vkcalc.
TEST_F(PanelAgreementTest, RegressionNoStaleResultsBetweenSituations)
{
    ASSERT_NE(OpenWindow(), nullptr);
    const Situation atNinety = {3, 25, false, 0, false, 4, "90", "2", "30", "0", true};
    const Situation beyond = {3, 25, false, 0, false, 4, "91", "2", "30", "0", true};
    const std::vector<std::string> first = PanelTexts(atNinety);
    const std::vector<std::string> second = PanelTexts(beyond);
    EXPECT_NE(first[4], "---");
    EXPECT_EQ(second[4], "---");
    EXPECT_EQ(second[5], "---");
}

} // namespace
