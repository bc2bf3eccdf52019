// Tests of the dispatcher beyond the panel situations: the command filter, reading the texts and
// check states, club texts the panel's list does not hold, the Beam radios and unserved powers.
#include <gtest/gtest.h>

#include <cstring>

#include "dispatch.h"
#include "shot_models.h"

namespace {

TEST(Dispatch, OnlyTheCalcCommand)
{
    EXPECT_TRUE(IsCalcCommand(0, 19));
    for (const auto& other : {std::make_pair(1, 19), {0, 400}, {0, 18}, {0x300, 19}}) {
        EXPECT_FALSE(IsCalcCommand(other.first, other.second)) << other.first << " " << other.second;
    }
}

TEST(Dispatch, FairwayIsTheFirstCheckedRadioLessTwoInRain)
{
    const struct {
        const char* checked; // check states of the radios 100, 95, 90, 85, 80, 75
        bool rain;
        int fairway;
    } rows[] = {
        {"100000", false, 100}, {"010000", false, 95}, {"001000", false, 90}, {"000100", false, 85},
        {"000010", false, 80},  {"000001", false, 75}, {"100000", true, 98},  {"010000", true, 93},
        {"000001", true, 73},   {"001010", false, 90}, {"000000", false, 100}, {"000000", true, 98},
    };
    for (const auto& row : rows) {
        PanelReading panel;
        for (int i = 0; i < 6; ++i) {
            panel.fairway[i] = row.checked[i] == '1';
        }
        panel.rain = row.rain;
        EXPECT_EQ(ReadShotInputs(panel).fairway, row.fairway) << row.checked << " " << row.rain;
    }
}

TEST(Dispatch, TextsReadAsTheirFirstEightCharacters)
{
    PanelReading panel;
    panel.power = "123456789";
    panel.spin = "7x";
    panel.windPower = " 5";
    panel.distance = "12345678.9";
    panel.height = "        12"; // its digits begin after the eighth character
    panel.direction = "abc";
    panel.slope = "0.1234567";
    ShotInputs in = ReadShotInputs(panel);
    EXPECT_EQ(in.power, 12345678);
    EXPECT_EQ(in.spin, 7);
    EXPECT_EQ(in.windPower, 5);
    EXPECT_EQ(in.distance, 12345678.0);
    EXPECT_EQ(in.height, 0.0);
    EXPECT_EQ(in.direction, 0.0);
    EXPECT_EQ(in.slope, 0.123456);
    EXPECT_FALSE(in.crimsonRing);
    panel.power = "35";
    panel.crimsonRing = true;
    in = ReadShotInputs(panel);
    EXPECT_EQ(in.power, 37);
    EXPECT_TRUE(in.crimsonRing);
}

// Club texts are decided by their first two characters; one the panel's list does not hold leaves
// the Tomahawk and Back Spin groups as they were. Beam Impact is decided by its radios alone.
TEST(Dispatch, ClubTextsAndBeamRadios)
{
    const struct {
        const char* club;
        bool beam6I, beam9I;
        const char* groups; // 'W' written, 'C' cleared, 'U' unchanged
        ShotModel models[3]; // the models whose results are written
    } rows[] = {
        {"1", true, false, "CWW", {nullptr, BackSpin1W, BeamImpact6I}},
        {"1I", true, false, "CWW", {nullptr, BackSpin1W, BeamImpact6I}},
        {"2W", false, true, "CWW", {nullptr, BackSpin2W, BeamImpact9I}},
        {"3Wxxxxxxxx", true, true, "WWW", {Tomahawk3W, BackSpin3W, BeamImpact9I}},
        {"2I", false, false, "WCU", {Tomahawk2I, nullptr, nullptr}},
        {"", true, false, "UUW", {nullptr, nullptr, BeamImpact6I}},
        {"4W", true, false, "UUW", {nullptr, nullptr, BeamImpact6I}},
        {"2i", true, false, "UUW", {nullptr, nullptr, BeamImpact6I}},
        {"3w", true, false, "UUW", {nullptr, nullptr, BeamImpact6I}},
        {" 1W", true, false, "UUW", {nullptr, nullptr, BeamImpact6I}},
    };
    for (const auto& row : rows) {
        PanelReading panel;
        panel.club = row.club;
        panel.power = "20";
        panel.distance = "90"; // at power 20: Tomahawk 3W and 2I from 90, Back Spin from 60 or 80
        panel.beam6I = row.beam6I;
        panel.beam9I = row.beam9I;
        const DispatchOutcome out = Calculate(panel);
        const GroupOutcome* groups[3] = {&out.tomahawk, &out.backSpin, &out.beam};
        for (int g = 0; g < 3; ++g) {
            const char c = row.groups[g];
            EXPECT_EQ(groups[g]->action, c == 'W' ? GroupAction::Written
                                                  : c == 'C' ? GroupAction::Cleared : GroupAction::Unchanged)
                << '"' << row.club << "\" " << g;
            if (row.models[g] != nullptr) {
                EXPECT_EQ(groups[g]->result.shot, row.models[g](ReadShotInputs(panel)).shot) << row.club << " " << g;
            }
        }
    }
}

TEST(Dispatch, PowersWithoutATableAndExtremeTexts)
{
    PanelReading panel;
    panel.power = "50";
    panel.distance = "300";
    DispatchOutcome out = Calculate(panel);
    EXPECT_STREQ(out.tomahawk.result.driftText, "error");
    EXPECT_STREQ(out.backSpin.result.shotText, "error");
    panel.club = "2I"; // the 2I and Beam Impact do not read the power
    panel.distance = "90";
    out = Calculate(panel);
    EXPECT_TRUE(out.tomahawk.result.valid && out.beam.result.valid);
    panel.club = "1W";
    panel.power = "99999999"; // the threshold 2 * 99999999 + 60 is formed in integers
    panel.distance = "200";
    EXPECT_EQ(Calculate(panel).tomahawk.action, GroupAction::Cleared);
    panel.power = "-9999999";
    panel.crimsonRing = true;
    out = Calculate(panel);
    EXPECT_EQ(out.tomahawk.action, GroupAction::Written);
    EXPECT_FALSE(out.tomahawk.result.valid);
    panel.distance = "-1e999";
    EXPECT_EQ(Calculate(panel).beam.action, GroupAction::Written);
}

} // namespace
