// Tests of the dispatcher beyond the panel situations: reading the texts and check states, club
// texts the panel's list does not hold, the Beam radios and unserved powers.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "dispatch.h"
#include "panel_inputs.h"
#include "shot_models.h"

namespace {

TEST(Dispatch, FairwayIsTheFirstCheckedRadioLessTwoInRain)
{
    // The checked radios (bit i: the radio i of 100, 95, 90, 85, 80, 75), rain, the fairway read.
    const std::tuple<unsigned, bool, int> rows[] = {{1, false, 100}, {2, false, 95}, {4, false, 90}, {8, false, 85},
        {16, false, 80}, {32, false, 75}, {1, true, 98}, {2, true, 93}, {32, true, 73}, {20, false, 90}, {0, false, 100}, {0, true, 98}};
    for (const auto& [checked, rain, fairway] : rows) {
        PanelReading panel = StartupReading();
        panel.fairway = checked;
        panel.rain = rain;
        EXPECT_EQ(ReadShotInputs(panel).fairway, fairway) << checked << " " << rain;
    }
}

TEST(Dispatch, TextsReadAsTheirFirstEightCharacters)
{
    PanelReading panel = StartupReading();
    panel.power = "123456789";
    panel.spin = "7x";
    panel.windPower = " 5";
    panel.distance = "12345678.9";
    panel.height = "        12"; // its digits begin after the eighth character
    panel.direction = "abc";
    panel.slope = "0.1234567";
    ShotInputs in = ReadShotInputs(panel);
    EXPECT_EQ(std::make_tuple(in.power, in.spin, in.windPower, in.crimsonRing), std::make_tuple(12345678, 7, 5, false));
    EXPECT_EQ(std::make_tuple(in.distance, in.height, in.direction, in.slope), std::make_tuple(12345678.0, 0.0, 0.0, 0.123456));
    panel.power = "35";
    panel.crimsonRing = true;
    in = ReadShotInputs(panel);
    EXPECT_EQ(std::make_pair(in.power, in.crimsonRing), std::make_pair(37, true));
}

// Club texts are decided by their first two characters; one the panel's list does not hold leaves
// the Tomahawk and Back Spin groups as they were. Beam Impact is decided by its radios alone.
TEST(Dispatch, ClubTextsAndBeamRadios)
{
    // The club text; the Beam radios (bit 0 the 6I, bit 1 the 9I); per group 'W' written, 'C' cleared,
    // 'U' unchanged; the models whose results are written.
    const std::tuple<const char*, unsigned, std::string, std::array<ShotModel, 3>> rows[] = {
        {"1", 1, "CWW", {nullptr, BackSpin1W, BeamImpact6I}},  {"1I", 1, "CWW", {nullptr, BackSpin1W, BeamImpact6I}},
        {"2W", 2, "CWW", {nullptr, BackSpin2W, BeamImpact9I}}, {"3Wxxxxxxxx", 3, "WWW", {Tomahawk3W, BackSpin3W, BeamImpact9I}},
        {"2I", 0, "WCU", {Tomahawk2I, nullptr, nullptr}},      {"", 1, "UUW", {nullptr, nullptr, BeamImpact6I}},
        {"4W", 1, "UUW", {nullptr, nullptr, BeamImpact6I}},    {"2i", 1, "UUW", {nullptr, nullptr, BeamImpact6I}},
        {"3w", 1, "UUW", {nullptr, nullptr, BeamImpact6I}},    {" 1W", 1, "UUW", {nullptr, nullptr, BeamImpact6I}},
    };
    for (const auto& [club, beam, expected, models] : rows) {
        PanelReading panel = StartupReading();
        panel.club = club;
        panel.power = "20";
        panel.distance = "90"; // at power 20: Tomahawk 3W and 2I from 90, Back Spin from 60 or 80
        panel.beam = beam;
        const DispatchOutcome out = Calculate(panel);
        const GroupOutcome* groups[3] = {&out.tomahawk, &out.backSpin, &out.beam};
        std::string actions;
        for (int g = 0; g < 3; ++g) {
            actions += groups[g]->action == GroupAction::Written ? 'W' : groups[g]->action == GroupAction::Cleared ? 'C' : 'U';
            const double shot = models[g] ? models[g](ReadShotInputs(panel)).shot : groups[g]->result.shot;
            EXPECT_EQ(groups[g]->result.shot, shot) << '"' << club << "\" " << g; // the model's, where one writes
        }
        EXPECT_EQ(actions, expected) << '"' << club << '"';
    }
}

// A power without a carry column writes "error"; the 2I and Beam Impact do not read it. Thresholds
// of huge powers are formed in integers; infinite distances clear or run like any other.
TEST(Dispatch, PowersWithoutATableAndExtremeTexts)
{
    // Club, power, ring, distance; per group 'W' valid, 'E' "error", 'C' cleared.
    const std::tuple<const char*, const char*, bool, const char*, std::string> rows[] = {
        {"1W", "50", false, "300", "EEC"},   {"2I", "50", false, "90", "WCW"}, {"1W", "99999999", false, "200", "CCC"},
        {"1W", "-9999999", true, "200", "EEC"}, {"1W", "30", false, "-1e999", "CCW"}, {"1W", "30", false, "1e999", "WWC"}};
    for (const auto& [club, power, ring, distance, expected] : rows) {
        PanelReading panel = StartupReading();
        panel.club = club;
        panel.power = power;
        panel.crimsonRing = ring;
        panel.distance = distance;
        const DispatchOutcome out = Calculate(panel);
        std::string groups;
        for (const GroupOutcome* g : {&out.tomahawk, &out.backSpin, &out.beam})
            groups += g->action == GroupAction::Cleared ? 'C' : !g->result.valid && g->result.driftText == std::string("error") ? 'E' : 'W';
        EXPECT_EQ(groups, expected) << club << " " << power << " " << distance;
    }
}

// The first-character rules by which a stored word ticks the Crimson Ring or chooses the 9I.
TEST(PanelInputs, StoredChoices)
{
    const std::tuple<const char*, const char*, bool> rows[] = { // the input, the stored word, whether it chooses the second
        {"ring", "checked", true}, {"ring", "c", true}, {"ring", "cat", true}, {"ring", "Checked", false}, {"ring", "unchecked", false},
        {"ring", "", false}, {"ring", " checked", false}, {"beam", "9I", true}, {"beam", "9", true}, {"beam", "9x", true}, {"beam", "6I", false},
        {"beam", "", false}, {"beam", "19", false}};
    for (const auto& [input, stored, second] : rows)
        EXPECT_EQ(StoredChoosesSecond(*FindPanelInput(input), stored), second) << input << " " << stored;
    EXPECT_EQ(FindPanelInput("Club"), nullptr);
}

// The list item a stored text selects: the search by text from the second item, wrapping to the first.
TEST(PanelInputs, StoredListItems)
{
    const std::tuple<const char*, const char*, int> rows[] = { // the input, the stored text, the item
        {"power", "", 1}, {"power", "2", 1}, {"power", "3", 10}, {"power", "20", 0}, {"power", "99", -1},
        {"club", "2", 1}, {"club", "2i", 3}, {"spin", "", 0},    {"wind", "9", 8},   {"wind", "0", -1}};
    for (const auto& [input, stored, item] : rows)
        EXPECT_EQ(StoredItem(*FindPanelInput(input), stored), item) << input << " \"" << stored << '"';
}

} // namespace
