// Tests of the distance sweep: FROM:TO:STEP read as exact decimals, its limits and its distance texts.
#include <gtest/gtest.h>

#include <string>

#include "sweep.h"

namespace {

TEST(ParseSweep, DistancesAreExactDecimalSteps)
{
    struct Case {
        const char* text;
        std::int64_t count;
        const char* first;
        const char* second;
        const char* last;
    };
    const Case cases[] = {
        {"100:200:10", 11, "100", "110", "200"},
        {"100:205:10", 11, "100", "110", "200"},   // TO need not be reached exactly
        {"0:0.3:0.1", 4, "0.0", "0.1", "0.3"},     // no 0.30000000000000004
        {"80:100:2.5", 9, "80.0", "82.5", "100.0"},
        {"1.25:2:0.25", 4, "1.25", "1.50", "2.00"},
        {".5:1.5:.5", 3, "0.5", "1.0", "1.5"},
        {"90:90:1", 1, "90", nullptr, "90"},
        {"100:100.5:1", 1, "100", nullptr, "100"},  // TO's decimals do not show
        {"0:9999999:100", 100000, "0", "100", "9999900"},
        {"99999998:99999999:1", 2, "99999998", "99999999", "99999999"},
    };
    for (const Case& c : cases) {
        SweepRange range;
        std::string problem;
        ASSERT_TRUE(ParseSweep(c.text, range, problem)) << c.text << ": " << problem;
        EXPECT_EQ(SweepCount(range), c.count) << c.text;
        EXPECT_EQ(SweepDistanceText(range, 0), c.first) << c.text;
        if (c.second != nullptr) {
            EXPECT_EQ(SweepDistanceText(range, 1), c.second) << c.text;
        }
        EXPECT_EQ(SweepDistanceText(range, c.count - 1), c.last) << c.text;
    }
}

TEST(ParseSweep, RejectedSweepsSayWhy)
{
    struct Case {
        const char* text;
        const char* problemHas;
    };
    const Case cases[] = {
        {"1:2", "FROM:TO:STEP"},           {"1:2:3:4", "FROM:TO:STEP"},   {":2:1", "FROM:TO:STEP"},
        {"1::1", "FROM:TO:STEP"},          {"1:2:", "FROM:TO:STEP"},      {"a:2:1", "FROM:TO:STEP"},
        {"1.2.3:5:1", "FROM:TO:STEP"},     {"-1:5:1", "FROM:TO:STEP"},    {".:5:1", "FROM:TO:STEP"},
        {"1:123456789:1", "FROM:TO:STEP"}, {"1: 5:1", "FROM:TO:STEP"},    {"1:2:0", "STEP must be above 0"},
        {"1:2:0.000", "STEP must be above 0"}, {"5:1:1", "FROM must not be above TO"},
        {"0:100000:1", "100001 distances"}, {"0:1:0.000001", "1000001 distances"},
        {"99999990:99999999:0.5", "longer than 8 characters"},
    };
    for (const Case& c : cases) {
        SweepRange range;
        std::string problem;
        EXPECT_FALSE(ParseSweep(c.text, range, problem)) << c.text;
        EXPECT_NE(problem.find(c.problemHas), std::string::npos) << c.text << ": " << problem;
    }
}

TEST(ParseSweep, LimitOfLinesIsInclusive)
{
    SweepRange range;
    std::string problem;
    EXPECT_TRUE(ParseSweep("1:100000:1", range, problem)) << problem;
    EXPECT_EQ(SweepCount(range), kSweepMaxLines);
    EXPECT_FALSE(ParseSweep("0:100000:1", range, problem));
}

TEST(IsSweepText, OnlyAColonMakesASweep)
{
    EXPECT_TRUE(IsSweepText("1:2:3"));
    EXPECT_TRUE(IsSweepText(":"));
    EXPECT_FALSE(IsSweepText("200"));
    EXPECT_FALSE(IsSweepText(""));
}

// Regression: the distance texts are formed from integer units, never by adding up a binary
// step, so the hundredth line of a 0.1 sweep is still a short exact text.
TEST(ParseSweep, RegressionNoAccumulatedBinaryError)
{
    SweepRange range;
    std::string problem;
    ASSERT_TRUE(ParseSweep("0:100:0.1", range, problem));
    EXPECT_EQ(SweepCount(range), 1001);
    EXPECT_EQ(SweepDistanceText(range, 999), "99.9");
    EXPECT_EQ(SweepDistanceText(range, 1000), "100.0");
}

} // namespace
