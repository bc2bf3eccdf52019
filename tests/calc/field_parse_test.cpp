// Tests of the leading-number parsing of field texts.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

// Over the characters of decimal notation (no letters that start "inf", "nan" or "0x"), the
// C library's conversion reads exactly the same leading number, so it serves as the reference.
TEST(ParseFieldDoubleReference, SameDoubleAsTheCLibrary)
{
    const char alphabet[] = "0123456789012345678901234567890123456789..eE+- ";
    const std::size_t letters = sizeof alphabet - 1;
    uint32_t state = 12345;
    auto next = [&state]() {
        state = state * 1664525u + 1013904223u; // fixed sequence, the same on every run
        return state >> 8;
    };
    for (int i = 0; i < 200000; ++i) {
        char text[32];
        const std::size_t length = 1 + next() % (i % 10 == 0 ? 30 : 8);
        for (std::size_t k = 0; k < length; ++k) {
            text[k] = alphabet[next() % letters];
        }
        text[length] = '\0';
        char* end = nullptr;
        double expected = std::strtod(text, &end);
        if (end == text) {
            expected = 0.0; // no number: plain zero (one C runtime answers "-" alone with -0)
        }
        const double actual = ParseFieldDouble(text);
        uint64_t be;
        uint64_t ba;
        std::memcpy(&be, &expected, sizeof be);
        std::memcpy(&ba, &actual, sizeof ba);
        ASSERT_EQ(be, ba) << '"' << text << '"';
    }
}

TEST(ParseFieldDoubleReference, ExactPathAndLibraryPathBorders)
{
    const char* texts[] = {
        "9007199254740991", "9007199254740992", "9007199254740993", "90071992547409930", "1e22", "1e23",
        "1e-22", "1e-23", "123456789012345678", "0.000000000000000000000001", "12345678901234567e-5",
        "4.9e-324", "2.2250738585072014e-308", "1.7976931348623157e308", "100000000000000000000000",
        "0.1", "0.2", "0.3", "-0.0", "8.5e1", "1000000000000000000000e-21",
    };
    for (const char* text : texts) {
        const double expected = std::strtod(text, nullptr);
        const double actual = ParseFieldDouble(text);
        EXPECT_EQ(0, std::memcmp(&expected, &actual, sizeof expected)) << text;
    }
}

TEST(ParseFieldRegression, LongTextsAreReadWhole)
{
    // The scanner copies what it reads; a text longer than any field still converts exactly.
    EXPECT_EQ(123456789012345678.0, ParseFieldDouble("123456789012345678xyz"));
    EXPECT_EQ(0.30000000000000004, ParseFieldDouble("0.30000000000000004"));
}

} // namespace
