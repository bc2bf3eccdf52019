// Tests of the calculation dispatch: reading the panel, thresholds by club and distance, Beam Impact.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "calc/calc_test_support.h"
#include "dispatch.h"
#include "shot_models.h"

namespace {

PanelReading Panel(const char* club, const char* power, const char* distance)
{
    PanelReading panel;
    panel.club = club;
    panel.power = power;
    panel.distance = distance;
    panel.windPower = "5";
    panel.height = "3";
    panel.direction = "45";
    panel.slope = "1";
    return panel;
}

void ExpectWritten(const GroupOutcome& outcome, const ShotResult& expected)
{
    ASSERT_EQ(GroupAction::Written, outcome.action);
    EXPECT_TRUE(outcome.result.valid);
    EXPECT_EQ(expected.drift, outcome.result.drift);
    EXPECT_EQ(expected.shot, outcome.result.shot);
    EXPECT_STREQ(expected.driftText, outcome.result.driftText);
    EXPECT_STREQ(expected.shotText, outcome.result.shotText);
}

TEST(DispatchFilter, OnlyTheCalcCommand)
{
    EXPECT_TRUE(IsCalcCommand(0, 19));
    EXPECT_FALSE(IsCalcCommand(1, 19)); // notification code other than 0
    EXPECT_FALSE(IsCalcCommand(0, 400)); // the button's own notification
    EXPECT_FALSE(IsCalcCommand(0, 18));
    EXPECT_FALSE(IsCalcCommand(0x300, 19));
    EXPECT_EQ(19, kCalcCommandId);
}

TEST(DispatchReading, PowerFairwayAndFields)
{
    PanelReading panel = Panel("1W", "30", "85.5abc");
    panel.spin = "7";
    panel.height = "-6";
    panel.direction = "abc";
    panel.slope = " 0.5";
    ShotInputs in = ReadShotInputs(panel);
    EXPECT_EQ(30, in.power);
    EXPECT_EQ(7, in.spin);
    EXPECT_EQ(100, in.fairway);
    EXPECT_EQ(5, in.windPower);
    EXPECT_EQ(85.5, in.distance);
    EXPECT_EQ(-6.0, in.height);
    EXPECT_EQ(0.0, in.direction); // letters only
    EXPECT_EQ(0.5, in.slope);
    EXPECT_FALSE(in.crimsonRing);

    panel.crimsonRing = true;
    panel.power = "35";
    in = ReadShotInputs(panel);
    EXPECT_EQ(37, in.power);
    EXPECT_TRUE(in.crimsonRing);
}

TEST(DispatchReading, FairwayRadiosAndRain)
{
    const struct {
        int checked; // index of the checked radio, -1 for none
        bool rain;
        int fairway;
    } rows[] = {
        {0, false, 100}, {1, false, 95}, {2, false, 90}, {3, false, 85}, {4, false, 80}, {5, false, 75},
        {0, true, 98},   {1, true, 93},  {5, true, 73},
        {-1, false, 100}, {-1, true, 98}, // no radio checked: taken as 100 %
    };
    for (const auto& row : rows) {
        PanelReading panel = Panel("1W", "30", "200");
        for (bool& f : panel.fairway) {
            f = false;
        }
        if (row.checked >= 0) {
            panel.fairway[row.checked] = true;
        }
        panel.rain = row.rain;
        EXPECT_EQ(row.fairway, ReadShotInputs(panel).fairway) << row.checked << " " << row.rain;
    }
    // The first checked radio wins.
    PanelReading panel = Panel("1W", "30", "200");
    panel.fairway[0] = false;
    panel.fairway[2] = true;
    panel.fairway[4] = true;
    EXPECT_EQ(90, ReadShotInputs(panel).fairway);
}

TEST(DispatchReading, TextsAreCutToEightCharacters)
{
    PanelReading panel = Panel("1W", "123456789", "12345678.9");
    panel.height = "        12"; // the digits begin after the eighth character
    panel.slope = "0.1234567";
    const ShotInputs in = ReadShotInputs(panel);
    EXPECT_EQ(12345678, in.power);
    EXPECT_EQ(12345678.0, in.distance);
    EXPECT_EQ(0.0, in.height);
    EXPECT_EQ(0.123456, in.slope);
    // A ninth character of the club text is never seen; the first two decide.
    EXPECT_EQ(GroupAction::Written, Calculate(Panel("3Wxxxxxxxx", "30", "200")).tomahawk.action);
}

TEST(DispatchThresholds, OneWoodAtPowerThirty)
{
    // 1W, power 30: Tomahawk from 120 yards, Back Spin from 100.
    const struct {
        const char* distance;
        GroupAction tomahawk;
        GroupAction backSpin;
        GroupAction beam;
    } rows[] = {
        {"99", GroupAction::Cleared, GroupAction::Cleared, GroupAction::Cleared},
        {"99.99999", GroupAction::Cleared, GroupAction::Cleared, GroupAction::Cleared},
        {"100", GroupAction::Cleared, GroupAction::Written, GroupAction::Cleared},
        {"119.9999", GroupAction::Cleared, GroupAction::Written, GroupAction::Cleared},
        {"120", GroupAction::Written, GroupAction::Written, GroupAction::Cleared},
        {"90", GroupAction::Cleared, GroupAction::Cleared, GroupAction::Written},
        {"90.00001", GroupAction::Cleared, GroupAction::Cleared, GroupAction::Cleared},
        {"", GroupAction::Cleared, GroupAction::Cleared, GroupAction::Written},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.distance);
        const DispatchOutcome out = Calculate(Panel("1W", "30", row.distance));
        EXPECT_EQ(row.tomahawk, out.tomahawk.action);
        EXPECT_EQ(row.backSpin, out.backSpin.action);
        EXPECT_EQ(row.beam, out.beam.action);
    }
    const DispatchOutcome out = Calculate(Panel("1W", "30", "120"));
    ExpectWritten(out.tomahawk, Tomahawk1W(Inputs(30, 100, 5, 120, 3, 45, 1)));
    ExpectWritten(out.backSpin, BackSpin1W(Inputs(30, 100, 5, 120, 3, 45, 1)));
}

TEST(DispatchThresholds, RingRaisesPowerAndThreshold)
{
    PanelReading panel = Panel("1W", "30", "124");
    panel.crimsonRing = true;
    DispatchOutcome out = Calculate(panel);
    ExpectWritten(out.tomahawk, Tomahawk1W(Inputs(32, 100, 5, 124, 3, 45, 1, true)));
    panel.distance = "123.99";
    out = Calculate(panel);
    EXPECT_EQ(GroupAction::Cleared, out.tomahawk.action);
    EXPECT_EQ(GroupAction::Written, out.backSpin.action); // 2 * 32 + 40 = 104
}

TEST(DispatchThresholds, EveryClubAtAndJustBelowItsBounds)
{
    const struct {
        const char* club;
        const char* below;
        const char* at;
        ShotModel model;
        bool tomahawk; // which group the bound belongs to
    } rows[] = {
        {"1W", "119.99", "120", Tomahawk1W, true},  {"1W", "99.99", "100", BackSpin1W, false},
        {"1", "119.99", "120", Tomahawk1W, true},   {"1I", "99.99", "100", BackSpin1W, false},
        {"2W", "119.99", "120", Tomahawk2W, true},  {"2W", "99.99", "100", BackSpin2W, false},
        {"3W", "109.99", "110", Tomahawk3W, true},  {"3W", "79.99", "80", BackSpin3W, false},
        {"2I", "89.99", "90", Tomahawk2I, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.club) + " " + row.at);
        const DispatchOutcome below = Calculate(Panel(row.club, "30", row.below));
        const DispatchOutcome at = Calculate(Panel(row.club, "30", row.at));
        const GroupOutcome& groupBelow = row.tomahawk ? below.tomahawk : below.backSpin;
        const GroupOutcome& groupAt = row.tomahawk ? at.tomahawk : at.backSpin;
        EXPECT_EQ(GroupAction::Cleared, groupBelow.action);
        ShotInputs in = Inputs(30, 100, 5, std::strtod(row.at, nullptr), 3, 45, 1);
        ExpectWritten(groupAt, row.model(in));
    }
}

TEST(DispatchThresholds, ThreeWoodAtEightyNine)
{
    const DispatchOutcome out = Calculate(Panel("3W", "30", "89"));
    EXPECT_EQ(GroupAction::Cleared, out.tomahawk.action);
    ExpectWritten(out.backSpin, BackSpin3W(Inputs(30, 100, 5, 89, 3, 45, 1)));
    ExpectWritten(out.beam, BeamImpact6I(Inputs(30, 100, 5, 89, 3, 45, 1)));
}

TEST(DispatchThresholds, TwoIron)
{
    DispatchOutcome out = Calculate(Panel("2I", "30", "89.5"));
    EXPECT_EQ(GroupAction::Cleared, out.tomahawk.action);
    EXPECT_EQ(GroupAction::Cleared, out.backSpin.action);
    EXPECT_EQ(GroupAction::Written, out.beam.action);
    // At exactly 90 both the 2I Tomahawk and Beam Impact run.
    out = Calculate(Panel("2I", "30", "90"));
    ExpectWritten(out.tomahawk, Tomahawk2I(Inputs(30, 100, 5, 90, 3, 45, 1)));
    EXPECT_EQ(GroupAction::Cleared, out.backSpin.action);
    ExpectWritten(out.beam, BeamImpact6I(Inputs(30, 100, 5, 90, 3, 45, 1)));
    out = Calculate(Panel("2I", "30", "300"));
    EXPECT_EQ(GroupAction::Written, out.tomahawk.action);
    EXPECT_EQ(GroupAction::Cleared, out.backSpin.action);
    EXPECT_EQ(GroupAction::Cleared, out.beam.action);
}

TEST(DispatchClubs, UnknownClubLeavesWoodGroupsUnchanged)
{
    for (const char* club : {"", "4W", "2X", "3I", "W1", " 1W", "9I", "2i", "3w"}) {
        SCOPED_TRACE(club);
        const DispatchOutcome out = Calculate(Panel(club, "30", "80"));
        EXPECT_EQ(GroupAction::Unchanged, out.tomahawk.action);
        EXPECT_EQ(GroupAction::Unchanged, out.backSpin.action);
        EXPECT_EQ(GroupAction::Written, out.beam.action); // still calculated
    }
}

TEST(DispatchBeam, RadiosChooseTheIron)
{
    PanelReading panel = Panel("1W", "30", "70");
    panel.beam6I = false;
    panel.beam9I = true;
    ExpectWritten(Calculate(panel).beam, BeamImpact9I(Inputs(30, 100, 5, 70, 3, 45, 1)));
    panel.beam6I = true; // both: the 9I result is the one left in the fields
    ExpectWritten(Calculate(panel).beam, BeamImpact9I(Inputs(30, 100, 5, 70, 3, 45, 1)));
    panel.beam6I = false;
    panel.beam9I = false;
    EXPECT_EQ(GroupAction::Unchanged, Calculate(panel).beam.action);
    panel.distance = "91";
    EXPECT_EQ(GroupAction::Cleared, Calculate(panel).beam.action);
}

TEST(DispatchPower, UnservedPowerWritesTheErrorResult)
{
    // A power without a carry column (typed, or read from the settings) is not read outside the
    // table: the groups show "error".
    const DispatchOutcome out = Calculate(Panel("1W", "50", "300"));
    ASSERT_EQ(GroupAction::Written, out.tomahawk.action);
    EXPECT_FALSE(out.tomahawk.result.valid);
    EXPECT_STREQ("error", out.tomahawk.result.driftText);
    EXPECT_STREQ("error", out.backSpin.result.shotText);
    // Beam Impact and the 2I do not read the power.
    EXPECT_TRUE(Calculate(Panel("2I", "50", "90")).tomahawk.result.valid);
    EXPECT_TRUE(Calculate(Panel("2I", "50", "90")).beam.result.valid);
}

TEST(DispatchExtremes, HugeAndNonNumericTexts)
{
    // "1e308" overflows R inside the models; "1e999" reads as infinity. Neither faults.
    DispatchOutcome out = Calculate(Panel("1W", "30", "1e308"));
    EXPECT_EQ(GroupAction::Written, out.tomahawk.action);
    EXPECT_EQ(GroupAction::Cleared, out.beam.action);
    out = Calculate(Panel("1W", "30", "1e999"));
    EXPECT_EQ(GroupAction::Written, out.tomahawk.action);
    out = Calculate(Panel("1W", "30", "-1e999"));
    EXPECT_EQ(GroupAction::Cleared, out.tomahawk.action);
    EXPECT_EQ(GroupAction::Written, out.beam.action);
    out = Calculate(Panel("1W", "99999999", "200"));
    EXPECT_EQ(GroupAction::Cleared, out.tomahawk.action); // threshold 2 * 99999999 + 60 in integers
    PanelReading panel = Panel("1W", "-9999999", "200");
    panel.crimsonRing = true;
    out = Calculate(panel);
    EXPECT_EQ(GroupAction::Written, out.tomahawk.action);
    EXPECT_FALSE(out.tomahawk.result.valid);
}

TEST(DispatchRegression, TypicalEvent)
{
    // 185 yards with the 1W at power 30: Tomahawk and Back Spin run, Beam Impact shows "---".
    const DispatchOutcome out = Calculate(Panel("1W", "30", "185"));
    ExpectWritten(out.tomahawk, Tomahawk1W(Inputs(30, 100, 5, 185, 3, 45, 1)));
    ExpectWritten(out.backSpin, BackSpin1W(Inputs(30, 100, 5, 185, 3, 45, 1)));
    EXPECT_EQ(GroupAction::Cleared, out.beam.action);
    EXPECT_STREQ("---", kClearedText);
}

} // namespace
