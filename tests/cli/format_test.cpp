// Tests of vkcalc's output forms: 17-digit values, text lines, JSON objects and CSV rows.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "csv.h"
#include "format.h"

namespace {

std::string Double17(double value)
{
    std::string out;
    AppendDouble17(out, value);
    return out;
}

std::string Printf17(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

GroupOutcome Written(double drift, double shot, const char* driftText, const char* shotText, bool valid = true)
{
    GroupOutcome g;
    g.action = GroupAction::Written;
    g.result.drift = drift;
    g.result.shot = shot;
    std::strcpy(g.result.driftText, driftText);
    std::strcpy(g.result.shotText, shotText);
    g.result.valid = valid;
    return g;
}

GroupOutcome Cleared()
{
    GroupOutcome g;
    g.action = GroupAction::Cleared;
    return g;
}

DispatchOutcome Sample()
{
    DispatchOutcome o;
    o.tomahawk = Written(2.738582726983958, 77.701242646701871, "2.7385", "77.701");
    o.backSpin = Written(-12.701482565, 111.565338633, "-12.70", "111.56");
    o.beam = Cleared();
    return o;
}

TEST(AppendDouble17, SameDigitsAsPrintfAndReadsBackExactly)
{
    const double special[] = {0.0, -0.0, 1.0, -1.5, 0.1, 0.47, 77.701242646701871, 1e-300, 5e-324,
                              DBL_MIN, DBL_MAX, 123456789012345680.0, 1e16, 1e17, 9.999999999999999e22};
    for (const double v : special) {
        EXPECT_EQ(Double17(v), Printf17(v));
        EXPECT_EQ(std::strtod(Double17(v).c_str(), nullptr), v);
    }
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::pow(10.0, exponent(random)) * ((i & 1) ? -1 : 1);
        ASSERT_EQ(Double17(v), Printf17(v));
        ASSERT_EQ(std::strtod(Double17(v).c_str(), nullptr), v);
    }
    // Random bit patterns: every exponent, subnormals, infinities and NaNs.
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isnan(v)) {
            // C libraries differ in the sign they print for a NaN.
            ASSERT_TRUE(Double17(v) == "nan" || Double17(v) == "-nan") << Double17(v);
            continue;
        }
        ASSERT_EQ(Double17(v), Printf17(v)) << bits;
    }
}

// The values where the digits are hardest: around powers of ten (the exponent changes with the
// rounding), exact halves of the last digit, short decimals and the limits of exact integers.
TEST(AppendDouble17, BoundariesOfTheDigitsAndExponents)
{
    std::vector<double> values;
    for (int e = -6; e <= 17; ++e) {
        const double p = std::pow(10.0, e);
        double v = p;
        for (int i = 0; i < 40; ++i, v = std::nextafter(v, 0.0)) {
            values.push_back(v); // p and the 39 doubles below it
        }
        values.push_back(std::nextafter(p, 1e300));
        values.push_back(p * (1 - 1e-17));
        values.push_back(p * (1 - 5e-17));
    }
    for (double v : {0.5, 0.25, 0.125, 1e-4, 9.99999999999999e-5, 1.0000000000000001e-4, 123456.5, 0.3,
                     4503599627370496.5, 9007199254740991.0, 9007199254740992.0, 9007199254740993.0,
                     8.5, 2.5e-4, 99999999999999999.0, 0.00099999999999999999}) {
        values.push_back(v);
        values.push_back(-v);
    }
    for (const double v : values) {
        ASSERT_EQ(Double17(v), Printf17(v)) << v;
    }
}

TEST(AppendOutcomeText, ThreeAlignedLinesWithUnits)
{
    std::string out;
    AppendOutcomeText(out, Sample());
    EXPECT_EQ(out,
              "Tomahawk     drift 2.7385 y  shot 77.701 %\n"
              "Back Spin    drift -12.70 y  shot 111.56 %\n"
              "Beam Impact  drift ---       shot ---\n");
}

TEST(AppendOutcomeText, UnchangedAndFailedGroupsAreSaidSo)
{
    DispatchOutcome o = Sample();
    o.tomahawk = GroupOutcome();
    o.backSpin = Written(NAN, NAN, "error", "error", false);
    std::string out;
    AppendOutcomeText(out, o);
    EXPECT_EQ(out,
              "Tomahawk     (not calculated)\n"
              "Back Spin    drift error     shot error\n"
              "Beam Impact  drift ---       shot ---\n");
}

TEST(AppendOutcomeJson, OneObjectWithStatesTextsAndValues)
{
    std::string out;
    AppendOutcomeJson(out, Sample());
    EXPECT_EQ(out,
              "{\"tomahawk\":{\"state\":\"written\",\"driftText\":\"2.7385\",\"shotText\":\"77.701\","
              "\"drift\":2.738582726983958,\"shot\":77.701242646701871},"
              "\"backSpin\":{\"state\":\"written\",\"driftText\":\"-12.70\",\"shotText\":\"111.56\","
              "\"drift\":-12.701482564999999,\"shot\":111.565338633},"
              "\"beamImpact\":{\"state\":\"cleared\",\"driftText\":\"---\",\"shotText\":\"---\","
              "\"drift\":null,\"shot\":null}}\n");
}

TEST(AppendOutcomeJson, NonFiniteValuesAndUnchangedGroupsAreNull)
{
    DispatchOutcome o = Sample();
    o.tomahawk = Written(NAN, INFINITY, "error", "error", false);
    o.backSpin = GroupOutcome();
    std::string out;
    AppendOutcomeJson(out, o, "90.5");
    EXPECT_EQ(out.rfind("{\"distance\":\"90.5\",\"tomahawk\":{\"state\":\"written\"", 0), 0u) << out;
    EXPECT_NE(out.find("\"drift\":null,\"shot\":null},\"backSpin\":{\"state\":\"unchanged\",\"driftText\":\"\""),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("nan"), std::string::npos);
    EXPECT_EQ(out.find("inf"), std::string::npos);
}

TEST(AppendOutcomeCsv, TwelveCellsTextsThenValues)
{
    std::string out;
    AppendOutcomeCsv(out, Sample());
    out += "\n"; // the error cell
    EXPECT_EQ(out, "2.7385,77.701,-12.70,111.56,---,---,2.738582726983958,77.701242646701871,"
                   "-12.701482564999999,111.565338633,,,\n");
    std::vector<std::string> cells;
    std::string error;
    ASSERT_TRUE(SplitCsvLine(out.substr(0, out.size() - 1), cells, error));
    EXPECT_EQ(cells.size(), 13u);
}

TEST(AppendOutcomeCsv, HeaderHasTheThirteenColumnsInOrder)
{
    std::vector<std::string> cells;
    std::string error;
    ASSERT_TRUE(SplitCsvLine(kCsvOutputHeader, cells, error));
    ASSERT_EQ(cells.size(), 13u);
    EXPECT_EQ(cells[0], "tomahawk_drift");
    EXPECT_EQ(cells[5], "beam_shot");
    EXPECT_EQ(cells[6], "tomahawk_drift_value");
    EXPECT_EQ(cells[11], "beam_shot_value");
    EXPECT_EQ(cells[12], "error");
}

TEST(AppendSweepLine, ColumnsLineUpUnderTheHeader)
{
    std::string out;
    AppendSweepHeader(out);
    AppendSweepLine(out, "100.5", Sample());
    EXPECT_EQ(out,
              "          Tomahawk          Back Spin         Beam Impact\n"
              "distance  drift y  shot %   drift y  shot %   drift y  shot %\n"
              "100.5     2.7385   77.701   -12.70   111.56   ---      ---\n");
}

// Regression: values with 17 significant digits must keep all of them (a %.15g would print
// 77.7012426467019 and not read back as the same double).
TEST(AppendDouble17, RegressionSeventeenDigitsNotFifteen)
{
    EXPECT_EQ(Double17(77.701242646701871), "77.701242646701871");
    EXPECT_EQ(Double17(0.1), "0.10000000000000001");
}

} // namespace
