// Tests of the decimal text conversion and its two cuts for the narrow fields.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "decimal_text.h"

namespace {

std::string Text(double value)
{
    char buffer[kDecimalTextSize];
    return DecimalText(value, buffer);
}

std::string SixChars(double value)
{
    char buffer[kDecimalTextSize];
    return CutToSixChars(DecimalText(value, buffer));
}

std::string TwoDecimals(double value)
{
    char buffer[kDecimalTextSize];
    return CutToTwoDecimals(DecimalText(value, buffer), value);
}

struct TextRow {
    double value;
    const char* text;
    const char* sixChars;
    const char* twoDecimals;
};

// Values, their text and the two cuts, as the narrow fields show them.
const TextRow kTextTable[] = {
    {0.0, "0", "0", "0"},
    {-0.0, "0", "0", "0"},
    {1.5, "1.500000", "1.5000", "1.50"},
    {-0.25, "-0.250000", "-0.250", "-0.25"},
    {123.456, "123.456000", "123.45", "123.45"},
    {0.47, "0.469999", "0.4699", "0.46"},
    {0.3, "0.300000", "0.3000", "0.30"},
    {2.675, "2.675000", "2.6750", "2.67"},
    {99.995, "99.995000", "99.995", "99.99"},
    {10, "10.000000", "10.000", "10.00"},
    {-10, "-10.000000", "-10.00", "-10.00"},
    {-100, "-100.000000", "-100.0", "-100.00"},
    {0.00001, "0.000010", "0.0000", "0.00"},
    {0.007, "0.007000", "0.0070", "0.00"},
    {1000, "1000.000000", "1000.0", "1000.000000"},
    {2500, "2500.000000", "2500.0", "2500.000000"},
    {999999, "999999.000000", "999999", "999999.000000"},
};

TEST(DecimalTextTable, TextAndBothCuts)
{
    for (const TextRow& row : kTextTable) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(row.text, Text(row.value));
        EXPECT_EQ(row.sixChars, SixChars(row.value));
        EXPECT_EQ(row.twoDecimals, TwoDecimals(row.value));
    }
}

TEST(DecimalTextTable, ExponentForms)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {1000000, "1.000000e6"},
        {1234567, "1.234567e6"},
        {0.0000012345, "1.234499e-6"},
        {0.0000099, "9.899999e-6"},
        {-1234567, "-1.234567e6"},
        {1e300, "1.000000e300"},
        {4.440892098500626e-16, "4.440892e-16"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.text, Text(row.value));
    }
}

TEST(DecimalTextBand, BoundsDecidedByTheDecimalExponent)
{
    // Just inside and just outside the fixed band at both ends.
    EXPECT_EQ("999999.000000", Text(999999));
    EXPECT_EQ("1.000000e6", Text(1000000));
    EXPECT_EQ("0.000010", Text(0.00001));
    EXPECT_EQ("9.899999e-6", Text(0.0000099));
    // log10 just below a power of ten rounds up to it: one more integer digit.
    EXPECT_EQ("1000.000000", Text(999.9999999999999));
    // Below one: no rounded last digit.
    EXPECT_EQ("0.999999", Text(0.9999999999999999));
    EXPECT_EQ("1.000000", Text(1.0));
}

TEST(DecimalTextDigits, TruncatedNeverRounded)
{
    EXPECT_EQ("1.129999", Text(1.13));
    EXPECT_EQ("0.469999", Text(0.47));
    EXPECT_EQ("-1.129999", Text(-1.13));
}

TEST(DecimalTextShape, FixedFormHasSixDecimalsExponentFormSevenDigits)
{
    const double fixed[] = {1.0, 9.87654321, 12.5, 345.25, 4096.125, 65536.5, 999999.999, 0.5, 0.05, 0.00012};
    for (double v : fixed) {
        const std::string t = Text(v);
        SCOPED_TRACE(t);
        const std::size_t point = t.find('.');
        ASSERT_NE(std::string::npos, point);
        EXPECT_EQ(6u, t.size() - point - 1);
        EXPECT_LE(t.size(), 14u);
    }
    const double exponent[] = {1e6, 3.5e12, 7e-6, 1.5e-300, -2.25e100};
    for (double v : exponent) {
        const std::string t = Text(v);
        SCOPED_TRACE(t);
        const std::size_t e = t.find('e');
        ASSERT_NE(std::string::npos, e);
        const std::size_t start = t[0] == '-' ? 1 : 0;
        EXPECT_EQ(8u, e - start); // d.dddddd
        EXPECT_LE(t.size(), 14u);
    }
}

TEST(DecimalTextNonFinite, InfinityAndNotANumber)
{
    EXPECT_EQ("inf", Text(std::numeric_limits<double>::infinity()));
    EXPECT_EQ("-inf", Text(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ("nan", Text(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ("-inf", SixChars(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ("nan", TwoDecimals(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ("inf", TwoDecimals(std::numeric_limits<double>::infinity()));
}

TEST(DecimalTextLimits, LongestTextsFitTheBuffer)
{
    EXPECT_EQ("-999999.999999", Text(-999999.9999995));
    EXPECT_EQ(14u, Text(-999999.9999995).size());
    EXPECT_EQ("-1.797693e308", Text(-std::numeric_limits<double>::max()));
    EXPECT_EQ("4.940656e-324", Text(std::numeric_limits<double>::denorm_min()));
}

TEST(CutToTwoDecimalsEdges, BoundsBelongToTheLongerForm)
{
    const struct {
        double value;
        const char* cut;
    } rows[] = {
        {9.999, "9.99"},       {10, "10.00"},         {-9.999, "-9.99"},      {-10, "-10.00"},
        {99.999, "99.99"},     {100, "100.00"},       {-99.999, "-99.99"},    {-100, "-100.00"},
        {999.999, "999.99"},   {1000, "1000.000000"}, {-999.999, "-999.99"},  {-1000, "-1000.000000"},
        {0.001, "0.00"},       {-0.001, "-0.00"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.cut, TwoDecimals(row.value)) << row.value;
    }
}

TEST(CutToSixCharsEdges, ShortTextsStay)
{
    char text[] = "12345";
    EXPECT_STREQ("12345", CutToSixChars(text));
    char exact[] = "123456";
    EXPECT_STREQ("123456", CutToSixChars(exact));
    char longer[] = "1234567";
    EXPECT_STREQ("123456", CutToSixChars(longer));
}

TEST(DecimalTextRegression, ReturnsTheCallersBuffer)
{
    char buffer[kDecimalTextSize];
    EXPECT_EQ(buffer, DecimalText(77.701242647, buffer));
    EXPECT_STREQ("77.701242", buffer);
    EXPECT_EQ(buffer, CutToSixChars(buffer));
    EXPECT_STREQ("77.701", buffer);
}

} // namespace
