// Helpers shared by the calculator tests: input records and comparisons to the digits given.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shot_inputs.h"

// A ShotInputs record in the order the model tables list their columns.
inline ShotInputs Inputs(int power, int fairway, int windPower, double distance, double height,
                         double direction, double slope, bool crimsonRing = false)
{
    ShotInputs in;
    in.power = power;
    in.fairway = fairway;
    in.windPower = windPower;
    in.distance = distance;
    in.height = height;
    in.direction = direction;
    in.slope = slope;
    in.crimsonRing = crimsonRing;
    return in;
}

// True when actual rounds to the decimal text expected at that text's number of decimals
// ("2.738582727" pins nine decimals, "46" pins the integer).
inline ::testing::AssertionResult MatchesDigits(const char* expectedExpr, const char* actualExpr,
                                                const std::string& expected, double actual)
{
    const double value = std::strtod(expected.c_str(), nullptr);
    const std::size_t point = expected.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(expected.size() - point - 1);
    // Half a unit of the last digit given, widened by a hair for the binary value of the text.
    const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-6);
    if (std::fabs(actual - value) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", actual);
    return ::testing::AssertionFailure() << actualExpr << " is " << buffer << ", not " << expected
                                         << " to its digits (" << expectedExpr << ")";
}
#define EXPECT_DIGITS(expected, actual) EXPECT_PRED_FORMAT2(MatchesDigits, expected, actual)

// Distance of two finite doubles in units in the last place; doubles of opposite signs count
// as far apart unless both are zero.
inline int64_t UlpDistance(double a, double b)
{
    if (std::signbit(a) != std::signbit(b)) {
        return (a == 0 && b == 0) ? 0 : INT64_MAX;
    }
    const double ma = std::fabs(a);
    const double mb = std::fabs(b);
    int64_t ia;
    int64_t ib;
    std::memcpy(&ia, &ma, sizeof ma);
    std::memcpy(&ib, &mb, sizeof mb);
    return ia > ib ? ia - ib : ib - ia;
}

// Full doubles: exact with glibc. The Windows C runtime's cos, sin, atan2 and log10 may differ
// from glibc's in the last bit, and that difference travels through the later steps, so there
// they are compared within a few units in the last place.
#ifdef _WIN32
constexpr int64_t kFullDoubleUlps = 4;
#else
constexpr int64_t kFullDoubleUlps = 0;
#endif

inline ::testing::AssertionResult SameDouble(const char* expectedExpr, const char* actualExpr, double expected,
                                             double actual)
{
    if (expected == actual || (std::isnan(expected) && std::isnan(actual))
        || (std::isfinite(expected) && std::isfinite(actual) && UlpDistance(expected, actual) <= kFullDoubleUlps)) {
        return ::testing::AssertionSuccess();
    }
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.17g, expected %.17g", actual, expected);
    return ::testing::AssertionFailure() << actualExpr << " is " << buffer << " (" << expectedExpr << ")";
}
#define EXPECT_SAME_DOUBLE(expected, actual) EXPECT_PRED_FORMAT2(SameDouble, expected, actual)

// Expects a valid worked-example result: drift and shot to the digits of the decimal texts given,
// and the shown texts exactly. The caller names the example with SCOPED_TRACE.
inline void ExpectWorkedExample(const ShotResult& r, const char* drift, const char* shot, const char* driftText,
                                const char* shotText)
{
    EXPECT_TRUE(r.valid);
    EXPECT_DIGITS(drift, r.drift);
    EXPECT_DIGITS(shot, r.shot);
    EXPECT_STREQ(driftText, r.driftText);
    EXPECT_STREQ(shotText, r.shotText);
}

// The same with drift and shot as full doubles (compared as EXPECT_SAME_DOUBLE does).
inline void ExpectWorkedExample(const ShotResult& r, double drift, double shot, const char* driftText,
                                const char* shotText)
{
    EXPECT_TRUE(r.valid);
    EXPECT_SAME_DOUBLE(drift, r.drift);
    EXPECT_SAME_DOUBLE(shot, r.shot);
    EXPECT_STREQ(driftText, r.driftText);
    EXPECT_STREQ(shotText, r.shotText);
}
