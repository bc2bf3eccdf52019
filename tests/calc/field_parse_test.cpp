// Tests of the leading-number parsing of field texts.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "field_parse.h"

namespace {

TEST(ParseFieldIntTable, LeadingNumber)
{
    const struct {
        const char* text;
        int value;
    } rows[] = {
        {"30", 30},        {"-7", -7},         {"+12", 12},       {"  25", 25},    {"\t\n\v\f\r9", 9},
        {"85.5abc", 85},   {"1e3", 1},         {"abc", 0},        {"", 0},         {"-", 0},
        {"+-3", 0},        {"- 3", 0},         {"3 4", 3},        {"007", 7},      {"0x1A", 0},
        {"12abc34", 12},   {"-0", 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.value, ParseFieldInt(row.text)) << '"' << row.text << '"';
    }
}

TEST(ParseFieldIntOverflow, ClampedToIntRange)
{
    EXPECT_EQ(INT_MAX, ParseFieldInt("2147483647"));
    EXPECT_EQ(INT_MAX, ParseFieldInt("2147483648"));
    EXPECT_EQ(INT_MAX, ParseFieldInt("99999999999999999999999999"));
    EXPECT_EQ(INT_MIN, ParseFieldInt("-2147483648"));
    EXPECT_EQ(INT_MIN, ParseFieldInt("-2147483649"));
    EXPECT_EQ(INT_MIN, ParseFieldInt("-99999999999999999999999999"));
    EXPECT_EQ(99999999, ParseFieldInt("99999999"));
}

TEST(ParseFieldDoubleTable, LeadingNumber)
{
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"85.5abc", 85.5}, {"abc", 0.0},      {"", 0.0},          {"230", 230.0},  {"-6", -6.0},
        {"+0.5", 0.5},     {" 12.25", 12.25}, {".5", 0.5},        {"5.", 5.0},     {".", 0.0},
        {"-.", 0.0},       {"1.2.3", 1.2},    {"1e3", 1000.0},    {"1E+2", 100.0}, {"25e-1", 2.5},
        {"1e", 1.0},       {"1e+", 1.0},      {"1ex", 1.0},       {"2e-x", 2.0},   {".e5", 0.0},
        {"0.1", 0.1},      {"89.99999", 89.99999}, {"\t-3.5", -3.5}, {"1 2", 1.0}, {"- 1", 0.0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.value, ParseFieldDouble(row.text)) << '"' << row.text << '"';
    }
}

TEST(ParseFieldDoubleNotation, OnlyDecimalNotationIsRead)
{
    EXPECT_EQ(0.0, ParseFieldDouble("inf"));
    EXPECT_EQ(0.0, ParseFieldDouble("-infinity"));
    EXPECT_EQ(0.0, ParseFieldDouble("nan"));
    EXPECT_EQ(0.0, ParseFieldDouble("NAN(1)"));
    EXPECT_EQ(0.0, ParseFieldDouble("0x10"));
    EXPECT_EQ(0.0, ParseFieldDouble("0x1p3"));
    EXPECT_FALSE(std::signbit(ParseFieldDouble("nan")));
}

TEST(ParseFieldDoubleRange, BeyondTheDoubleRange)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(1e308, ParseFieldDouble("1e308"));
    EXPECT_EQ(inf, ParseFieldDouble("1e999"));
    EXPECT_EQ(-inf, ParseFieldDouble("-1e999"));
    EXPECT_EQ(0.0, ParseFieldDouble("1e-999"));
    EXPECT_EQ(0.0, ParseFieldDouble("-0"));
    EXPECT_TRUE(std::signbit(ParseFieldDouble("-0")));
}

TEST(ParseFieldRegression, LongTextsAreReadWhole)
{
    // The scanner copies what it reads; a text longer than any field still converts exactly.
    EXPECT_EQ(123456789012345678.0, ParseFieldDouble("123456789012345678xyz"));
    EXPECT_EQ(0.30000000000000004, ParseFieldDouble("0.30000000000000004"));
}

} // namespace
