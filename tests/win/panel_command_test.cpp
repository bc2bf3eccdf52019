// CalcCommand through the main window: the panel read by the adapter, the calculator's texts and
// "---" written into the result fields; any other command leaves every field as it was.
#include <cstdio>
#include <ostream>
#include <string>

#include "controls.h"
#include "win_fixture.h"
#include "win_panel.h"

namespace {

using vktest::MainWindowFixture;

// One situation set on the panel and the six result texts expected afterwards.
struct CommandCase {
    const char* name;
    int powerIndex;   // item of the Power list (0 is "20")
    int clubIndex;    // 0 "1W", 1 "2W", 2 "3W", 3 "2I"
    int windIndex;    // 0 is "1"
    int fairwayId;
    bool rain, ring, nineI;
    const char* distance;
    const char* height;
    const char* direction;
    const char* slope;
    const char* texts[6]; // 510, 520, 610, 620, 730, 740
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const CommandCase& c, std::ostream* os)
{
    *os << c.name;
}


class CalcCommandTest : public MainWindowFixture, public testing::WithParamInterface<CommandCase> {
protected:
    void SetPanel(const CommandCase& c)
    {
        Select(IDC_POWER, c.powerIndex);
        Select(IDC_CLUB, c.clubIndex);
        Select(IDC_WIND_POWER, c.windIndex);
        for (int id : {IDC_FAIRWAY_100, IDC_FAIRWAY_95, IDC_FAIRWAY_90, IDC_FAIRWAY_85, IDC_FAIRWAY_80, IDC_FAIRWAY_75})
            SetChecked(id, id == c.fairwayId);
        SetChecked(IDC_RAIN, c.rain);
        SetChecked(IDC_CRIMSON_RING, c.ring);
        SetChecked(IDC_BEAM_6I, !c.nineI);
        SetChecked(IDC_BEAM_9I, c.nineI);
        SetText(IDC_DISTANCE, c.distance);
        SetText(IDC_HEIGHT, c.height);
        SetText(IDC_DIRECTION, c.direction);
        SetText(IDC_SLOPE, c.slope);
    }
};

const int kResultIds[6] = {IDC_TOMAHAWK_DRIFT, IDC_TOMAHAWK_SHOT, IDC_BACKSPIN_DRIFT,
                           IDC_BACKSPIN_SHOT,  IDC_BEAM_DRIFT,    IDC_BEAM_SHOT};

TEST_P(CalcCommandTest, ResultFieldsShowTheCalculatorsTexts)
{
    const CommandCase& c = GetParam();
    ASSERT_NE(OpenWindow(), nullptr);
    SetPanel(c);
    EXPECT_EQ(SendCommand(kCalcCommandId), 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Text(kResultIds[i]), c.texts[i]) << kResultIds[i];
}

INSTANTIATE_TEST_SUITE_P(
    Situations, CalcCommandTest,
    testing::Values(
        // Power 30, 1W, fairway 100, wind 5, 200 yards: Tomahawk 1W and Back Spin 1W run.
        CommandCase{"OneWoodBothShots", 10, 0, 4, IDC_FAIRWAY_100, false, false, false, "200", "3", "45", "1",
                    {"2.7385", "77.701", "4.2107", "87.721", "---", "---"}},
        // Power 20, fairway 75, wind 9, 100 yards: exactly at both thresholds.
        CommandCase{"OneWoodAtTheThresholds", 0, 0, 8, IDC_FAIRWAY_75, false, false, false, "100", "-15", "270", "2",
                    {"0.8470", "46.000", "1.0892", "44.309", "---", "---"}},
        // Power 25, 70 yards: both woods cleared, Beam Impact 6I at fairway 95.
        CommandCase{"BeamSixIron", 5, 0, 4, IDC_FAIRWAY_95, false, false, false, "70", "3", "45", "1",
                    {"---", "---", "---", "---", "2.6485", "80.060"}},
        // 2I below 90 yards with the ring and rain (fairway 98): Beam Impact 9I.
        CommandCase{"BeamNineIronWithRingAndRain", 5, 3, 7, IDC_FAIRWAY_100, true, true, true, "50", "-5", "300", "-2",
                    {"---", "---", "---", "---", "1.6169", "55.218"}},
        // Power 30 at 99 yards: both woods cleared, Beam Impact above 90 cleared too.
        CommandCase{"BelowEveryThreshold", 10, 0, 4, IDC_FAIRWAY_100, false, false, false, "99", "0", "0", "0",
                    {"---", "---", "---", "---", "---", "---"}},
        // Only the first 8 characters are read: "000000050" is 5 yards, not 50.
        CommandCase{"NinthCharacterIgnored", 10, 0, 3, IDC_FAIRWAY_100, false, false, false, "000000050", "-10",
                    "135", "0", {"---", "---", "---", "---", "-0.417", "-6.966"}}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

class OtherCommands : public MainWindowFixture {};

TEST_F(OtherCommands, ChangeNothing)
{
    ASSERT_NE(OpenWindow(), nullptr);
    SetText(IDC_DISTANCE, "200");
    const char* marks[6] = {"a", "b", "c", "d", "e", "f"};
    for (int i = 0; i < 6; ++i)
        SetText(kResultIds[i], marks[i]);
    struct {
        int id, code;
    } commands[] = {{kCalcCommandId, 1}, {kCalcCommandId, BN_CLICKED + 5}, {IDC_CALCULATE, BN_CLICKED},
                    {20, 0}, {18, 0}, {0, 0}, {IDC_DISTANCE, EN_KILLFOCUS}};
    for (auto command : commands) {
        EXPECT_EQ(SendCommand(command.id, command.code), 0);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(Text(kResultIds[i]), marks[i]) << command.id << "/" << command.code;
    }
}

TEST_F(OtherCommands, FieldsStayEmptyUntilTheFirstRecalculation)
{
    ASSERT_NE(OpenWindow(), nullptr);
    for (int id : kResultIds)
        EXPECT_EQ(Text(id), "");
    SendCommand(kCalcCommandId);
    // Defaults: power 25, 1W, 230 yards: both woods run, Beam Impact above 90 is cleared.
    EXPECT_NE(Text(IDC_TOMAHAWK_DRIFT), "");
    EXPECT_NE(Text(IDC_TOMAHAWK_DRIFT), "---");
    EXPECT_NE(Text(IDC_BACKSPIN_SHOT), "---");
    EXPECT_EQ(Text(IDC_BEAM_DRIFT), "---");
    EXPECT_EQ(Text(IDC_BEAM_SHOT), "---");
}

TEST_F(OtherCommands, SendCalcCommandFindsTheMainWindowByClassAndTitle)
{
    ASSERT_NE(OpenWindow(), nullptr);
    SetText(IDC_DISTANCE, "99");
    SendCalcCommand();
    EXPECT_EQ(Text(IDC_TOMAHAWK_DRIFT), "---");
    EXPECT_EQ(Text(IDC_BEAM_SHOT), "---");
}

// --- the adapter's reading ---------------------------------------------------------------

class PanelReadingTest : public MainWindowFixture {};

TEST_F(PanelReadingTest, TextsCutToEightAndOnlyCheckStateOneCounts)
{
    ASSERT_NE(OpenWindow(), nullptr);
    Select(IDC_POWER, 15);
    Select(IDC_CLUB, 2);
    Select(IDC_WIND_POWER, 8);
    SetText(IDC_DISTANCE, "123.456789");
    SetText(IDC_HEIGHT, "-7");
    SetText(IDC_DIRECTION, "abc");
    SetText(IDC_SLOPE, "");
    SetChecked(IDC_FAIRWAY_100, false);
    SetChecked(IDC_FAIRWAY_85, true);
    SetChecked(IDC_RAIN, true);
    SetChecked(IDC_BEAM_6I, false);
    SetChecked(IDC_BEAM_9I, false);

    PanelReading panel = ReadPanel(Window());
    EXPECT_EQ(panel.power, "35");
    EXPECT_EQ(panel.spin, "7");
    EXPECT_EQ(panel.club, "3W");
    EXPECT_EQ(panel.windPower, "9");
    EXPECT_EQ(panel.distance, "123.4567");
    EXPECT_EQ(panel.height, "-7");
    EXPECT_EQ(panel.direction, "abc");
    EXPECT_EQ(panel.slope, "");
    const bool fairway[6] = {false, false, false, true, false, false};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(panel.fairway[i], fairway[i]) << i;
    EXPECT_TRUE(panel.rain);
    EXPECT_FALSE(panel.crimsonRing);
    EXPECT_FALSE(panel.beam6I);
    EXPECT_FALSE(panel.beam9I);
}

TEST_F(PanelReadingTest, NeitherBeamRadioLeavesTheBeamFieldsUnchanged)
{
    ASSERT_NE(OpenWindow(), nullptr);
    SetText(IDC_DISTANCE, "50");
    SetChecked(IDC_BEAM_6I, false);
    SetChecked(IDC_BEAM_9I, false);
    SetText(IDC_BEAM_DRIFT, "old");
    SetText(IDC_BEAM_SHOT, "old");
    SendCommand(kCalcCommandId);
    EXPECT_EQ(Text(IDC_BEAM_DRIFT), "old");
    EXPECT_EQ(Text(IDC_BEAM_SHOT), "old");
    EXPECT_EQ(Text(IDC_TOMAHAWK_DRIFT), "---");
}

TEST_F(PanelReadingTest, WrittenOutcomeFollowsEachGroupsAction)
{
    ASSERT_NE(OpenWindow(), nullptr);
    for (int id : kResultIds)
        SetText(id, "keep");
    DispatchOutcome outcome;
    outcome.tomahawk.action = GroupAction::Cleared;
    outcome.backSpin.action = GroupAction::Unchanged;
    outcome.beam.action = GroupAction::Written;
    std::snprintf(outcome.beam.result.driftText, sizeof outcome.beam.result.driftText, "%s", "1.2345");
    std::snprintf(outcome.beam.result.shotText, sizeof outcome.beam.result.shotText, "%s", "67.890");
    WritePanelOutcome(Window(), outcome);
    EXPECT_EQ(Text(IDC_TOMAHAWK_DRIFT), "---");
    EXPECT_EQ(Text(IDC_TOMAHAWK_SHOT), "---");
    EXPECT_EQ(Text(IDC_BACKSPIN_DRIFT), "keep");
    EXPECT_EQ(Text(IDC_BACKSPIN_SHOT), "keep");
    EXPECT_EQ(Text(IDC_BEAM_DRIFT), "1.2345");
    EXPECT_EQ(Text(IDC_BEAM_SHOT), "67.890");
}

} // namespace
