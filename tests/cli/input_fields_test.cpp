// Tests of vkcalc's input table: what each field accepts and where it lands in the panel reading.
#include <gtest/gtest.h>

#include <string>

#include "input_fields.h"

namespace {

// The value a field holds in panel, in the option spelling (as the help shows it).
std::string Held(const char* name, const PanelReading& panel)
{
    return PanelValueText(*FindInputField(name), panel);
}

TEST(InputFields, TableNamesTheTwelveColumnsInBatchOrder)
{
    const char* const names[] = {"club", "power", "spin", "ring", "fairway", "rain",
                                 "wind", "distance", "height", "direction", "slope", "beam"};
    ASSERT_EQ(InputFieldCount(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_STREQ(InputFields()[i].name, names[i]);
        EXPECT_EQ(FindInputField(names[i]), &InputFields()[i]);
    }
    EXPECT_EQ(FindInputField("Club"), nullptr);
    EXPECT_EQ(FindInputField(""), nullptr);
}

TEST(ApplyInputField, AcceptedValuesAndWhatThePanelThenHolds)
{
    struct Case {
        const char* field;
        std::string value;
        const char* held; // in the option spelling
    };
    const Case cases[] = {
        {"club", "1W", "1W"},       {"club", "2w", "2W"},       {"club", "3W", "3W"},
        {"club", "2i", "2I"},       {"power", "20", "20"},      {"power", "35", "35"},
        {"spin", "7", "7"},         {"fairway", "75", "75"},    {"fairway", "100", "100"},
        {"wind", "9", "9"},         {"wind", "1", "1"},         {"beam", "9i", "9I"},
        {"beam", "6I", "6I"},       {"ring", "1", "ticked"},    {"ring", "0", "not ticked"},
        {"rain", "1", "ticked"},    {"distance", "0", "0"},     {"distance", "12345678", "12345678"},
        {"distance", "1.2.3", "1.2.3"}, {"distance", ".", "."}, {"height", "-", "-"},
        {"height", "--5", "--5"},   {"direction", "-9999999", "-9999999"}, {"slope", "0.000001", "0.000001"},
    };
    for (const Case& c : cases) {
        PanelReading panel;
        std::string problem;
        EXPECT_TRUE(ApplyInputField(*FindInputField(c.field), c.value, panel, problem)) << c.field << " " << c.value;
        EXPECT_EQ(Held(c.field, panel), c.held) << c.field << " " << c.value;
    }
}

TEST(ApplyInputField, RejectedValuesLeaveThePanelAsItWas)
{
    struct Case {
        const char* field;
        std::string value;
        const char* problemHas;
    };
    const Case cases[] = {
        {"club", "", "empty"},         {"club", "1", "1W, 2W, 3W or 2I"}, {"club", "1WW", "accepted"},
        {"club", " 1W", "accepted"},   {"power", "19", "20 to 35"},       {"power", "36", "20 to 35"},
        {"power", "025", "20 to 35"},  {"power", "30.0", "20 to 35"},     {"spin", "07", "7"},
        {"fairway", "99", "100, 95"},  {"wind", "0", "1 to 9"},           {"wind", "10", "1 to 9"},
        {"beam", "6", "6I or 9I"},     {"ring", "yes", "0 or 1"},         {"ring", "", "empty"},
        {"rain", "2", "0 or 1"},       {"distance", "-1", "digit or '.'"}, {"distance", "1e5", "digit or '.'"},
        {"distance", "123456789", "longer than 8"}, {"height", "+1", "digit, '.' or '-'"},
        {"height", "1,5", "digit"},    {"direction", "4 5", "digit"},     {"slope", "", "empty"},
        {"slope", std::string("1\0", 2), "digit"},  {"club", std::string("1W\0", 3), "accepted"},
    };
    for (const Case& c : cases) {
        PanelReading panel;
        const PanelReading before;
        std::string problem;
        EXPECT_FALSE(ApplyInputField(*FindInputField(c.field), c.value, panel, problem)) << c.field << " " << c.value;
        EXPECT_NE(problem.find(c.problemHas), std::string::npos) << c.field << ": " << problem;
        for (std::size_t i = 0; i < InputFieldCount(); ++i) {
            EXPECT_EQ(PanelValueText(InputFields()[i], panel), PanelValueText(InputFields()[i], before));
        }
    }
}

TEST(ApplyInputField, FairwayAndBeamKeepExactlyOneRadioOfTheirGroup)
{
    PanelReading panel;
    std::string problem;
    const InputField& fairway = *FindInputField("fairway");
    const char* const items[] = {"100", "95", "90", "85", "80", "75"};
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(ApplyInputField(fairway, items[i], panel, problem));
        for (int j = 0; j < 6; ++j) {
            EXPECT_EQ(panel.fairway[j], i == j) << items[i];
        }
    }
    ASSERT_TRUE(ApplyInputField(*FindInputField("beam"), "9I", panel, problem));
    EXPECT_TRUE(panel.beam9I);
    EXPECT_FALSE(panel.beam6I);
    ASSERT_TRUE(ApplyInputField(*FindInputField("beam"), "6i", panel, problem));
    EXPECT_TRUE(panel.beam6I);
    EXPECT_FALSE(panel.beam9I);
}

TEST(PanelValueText, StartUpValuesOfThePanel)
{
    const PanelReading start;
    const char* const expected[] = {"1W", "25", "7", "not ticked", "100", "not ticked",
                                    "1",  "230", "0", "0",          "0",   "6I"};
    for (std::size_t i = 0; i < InputFieldCount(); ++i) {
        EXPECT_EQ(PanelValueText(InputFields()[i], start), expected[i]) << InputFields()[i].name;
    }
}

TEST(QuoteForMessage, UnprintableBytesEscapedAndLongValuesCut)
{
    EXPECT_EQ(QuoteForMessage("5W"), "\"5W\"");
    EXPECT_EQ(QuoteForMessage(""), "\"\"");
    EXPECT_EQ(QuoteForMessage("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(QuoteForMessage(std::string("\0\n\x7f\xe3", 4)), "\"\\x00\\x0A\\x7F\\xE3\"");
    EXPECT_EQ(QuoteForMessage(std::string(41, 'x')), "\"" + std::string(40, 'x') + "...\"");
    EXPECT_EQ(QuoteForMessage(std::string(40, 'x')), "\"" + std::string(40, 'x') + "\"");
}

// Regression: a list value that only begins like an item (as the panel's select-by-text would
// accept when loading settings) is not an item.
TEST(ApplyInputField, RegressionPrefixOfAnItemIsNotTheItem)
{
    PanelReading panel;
    std::string problem;
    EXPECT_FALSE(ApplyInputField(*FindInputField("power"), "3", panel, problem));
    EXPECT_FALSE(ApplyInputField(*FindInputField("club"), "2", panel, problem));
    EXPECT_EQ(panel.power, "25");
    EXPECT_EQ(panel.club, "1W");
}

} // namespace
