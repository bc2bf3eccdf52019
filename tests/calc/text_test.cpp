// Tests of the calculator's texts: a double to its decimal text and the two cuts, and the
// leading number of a field text.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>

#include "decimal_text.h"
#include "field_parse.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();

TEST(DecimalText, ValuesTheirTextsAndBothCuts)
{
    const std::tuple<double, const char*, const char*, const char*> rows[] = { // the value, its text, both cuts
        {0.0, "0", "0", "0"}, {-0.0, "0", "0", "0"}, {1.5, "1.500000", "1.5000", "1.50"},
        {-0.25, "-0.250000", "-0.250", "-0.25"}, {123.456, "123.456000", "123.45", "123.45"},
        {0.47, "0.469999", "0.4699", "0.46"}, {1.13, "1.129999", "1.1299", "1.12"},
        {0.3, "0.300000", "0.3000", "0.30"}, {2.675, "2.675000", "2.6750", "2.67"},
        {99.995, "99.995000", "99.995", "99.99"}, {10, "10.000000", "10.000", "10.00"},
        {-10, "-10.000000", "-10.00", "-10.00"}, {-100, "-100.000000", "-100.0", "-100.00"},
        {100, "100.000000", "100.00", "100.00"}, {-1000, "-1000.000000", "-1000.", "-1000.000000"},
        {0.00001, "0.000010", "0.0000", "0.00"}, {0.007, "0.007000", "0.0070", "0.00"},
        {1000, "1000.000000", "1000.0", "1000.000000"}, {2500, "2500.000000", "2500.0", "2500.000000"},
        {999999, "999999.000000", "999999", "999999.000000"},
        {999.9999999999999, "1000.000000", "1000.0", "1000.0"}, // log10 rounds up to 3
        {0.9999999999999999, "0.999999", "0.9999", "0.99"}, {1000000, "1.000000e6", "1.0000", "1.000000e6"},
        {-1234567, "-1.234567e6", "-1.234", "-1.234567e6"}, {0.0000012345, "1.234499e-6", "1.2344", "1.23"},
        {0.0000099, "9.899999e-6", "9.8999", "9.89"}, {4.440892098500626e-16, "4.440892e-16", "4.4408", "4.44"},
        {1e300, "1.000000e300", "1.0000", "1.000000e300"},
        {-999999.9999995, "-999999.999999", "-99999", "-999999.999999"}, // the longest text
        {-std::numeric_limits<double>::max(), "-1.797693e308", "-1.797", "-1.797693e308"},
        {std::numeric_limits<double>::denorm_min(), "4.940656e-324", "4.9406", "4.94"}, {kInf, "inf", "inf", "inf"},
        {-kInf, "-inf", "-inf", "-inf"}, {std::numeric_limits<double>::quiet_NaN(), "nan", "nan", "nan"},
    };
    for (const auto& [value, expected, expectedSix, expectedTwo] : rows) {
        char text[kDecimalTextSize], six[kDecimalTextSize], two[kDecimalTextSize];
        EXPECT_EQ(DecimalText(value, text), text);
        std::strcpy(two, std::strcpy(six, text));
        EXPECT_EQ(std::string(text) + " " + CutToSixChars(six) + " " + CutToTwoDecimals(two, value),
                  std::string(expected) + " " + expectedSix + " " + expectedTwo);
    }
}

// The forms the C library reads but a field does not: words and hexadecimal.
TEST(FieldParse, DecimalTextsTheCLibraryReadsOtherwise)
{
    for (const char* text : {"inf", "-infinity", "nan", "0x10", "0x1p3", "-nan(1)"})
        EXPECT_EQ(ParseFieldDouble(text), 0.0) << '"' << text << '"';
    EXPECT_FALSE(std::signbit(ParseFieldDouble("nan")));
}

// Over the characters of decimal notation the C library's conversions read the same leading
// number, to the bit, and the same integer clamped to the int range: they are the reference for
// the field texts below (no text, white space, trailing text, the int borders, the borders of the
// exact one-operation path (2^53, 10^22), the ends of the double range) and random texts.
TEST(FieldParse, SameNumbersAsTheCLibrary)
{
    auto differences = [](const char* text) {
        char* end = nullptr;
        double expected = std::strtod(text, &end);
        if (end == text) {
            expected = 0.0; // no number: plain zero (one C runtime answers "-" alone with -0)
        }
        const double actual = ParseFieldDouble(text);
        const long long whole = std::strtoll(text, nullptr, 10); // 0 without a number
        const long long clamped = whole < INT_MIN ? INT_MIN : (whole > INT_MAX ? INT_MAX : whole);
        return std::string(std::memcmp(&expected, &actual, sizeof actual) == 0 ? "" : " double") +
               (ParseFieldInt(text) == clamped ? "" : " int");
    };
    for (const char* text : {"", "85.5abc", "\t\n\v\f\r9", "2147483647", "2147483648", "-2147483648", "-2147483649",
                             "1e308", "9007199254740991", "9007199254740992", "9007199254740993", "90071992547409930",
                             "1e22", "1e23", "1e-22", "1e-23", "123456789012345678xyz", "0.000000000000000000000001",
                             "12345678901234567e-5", "4.9e-324", "2.2250738585072014e-308", "1.7976931348623157e308",
                             "100000000000000000000000", "0.30000000000000004", "1000000000000000000000e-21"}) {
        EXPECT_EQ(differences(text), "") << text;
    }
    // Beyond the double's range by their digits alone: infinity past a fraction, zero past leading zeros.
    for (const std::string& text : {std::string(400, '9') + ".5", std::string(500, '0') + "." + std::string(400, '0') + "1",
                                    "0." + std::string(401, '1') + "e310"})
        EXPECT_EQ(differences(text.c_str()), "") << text.size() << " characters";
    const char alphabet[] = "0123456789012345678901234567890123456789..eE+- ";
    uint32_t state = 12345;
    auto next = [&state]() {
        state = state * 1664525u + 1013904223u; // the same sequence on every run
        return state >> 8;
    };
    for (int i = 0; i < 200000; ++i) {
        char text[32];
        const std::size_t length = 1 + next() % (i % 10 == 0 ? 30 : 8);
        for (std::size_t k = 0; k < length; ++k)
            text[k] = alphabet[next() % (sizeof alphabet - 1)];
        text[length] = '\0';
        ASSERT_EQ(differences(text), "") << '"' << text << '"';
    }
}

} // namespace
