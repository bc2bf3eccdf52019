// Tests of the table shot model family as a whole: shot tables, the wind snap, rejected powers
// and inputs that are not finite.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "beam_impact.h"
#include "calc/calc_test_support.h"
#include "shot_models.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Member {
    const char* name;
    const ShotModelParams* params;
    ShotModel run;
};

const Member kMembers[] = {
    {"Tomahawk1W", &kTomahawk1WParams, Tomahawk1W}, {"Tomahawk2W", &kTomahawk2WParams, Tomahawk2W},
    {"Tomahawk3W", &kTomahawk3WParams, Tomahawk3W}, {"Tomahawk2I", &kTomahawk2IParams, Tomahawk2I},
    {"BackSpin1W", &kBackSpin1WParams, BackSpin1W}, {"BackSpin2W", &kBackSpin2WParams, BackSpin2W},
    {"BackSpin3W", &kBackSpin3WParams, BackSpin3W},
};

// The carry formula with the exact decimal constants, in long double, for comparison with the
// double table: ((x * a + b) * f) * x / 100.
struct CarryShape {
    const char* name;
    const ShotModelParams* params;
    long double a1, b1;  // rows up to lastX
    int lastX;
    long double a2, b2;  // rows above
    long double f0;      // f at P = 20 (or without the ring)
    long double fStep;   // f per power step (or the ring's extra)
};

const CarryShape kShapes[] = {
    {"Tomahawk1W", &kTomahawk1WParams, 0.002L, 0.81L, 120, 0, 0, 250, 2},
    {"Tomahawk2W", &kTomahawk2WParams, 0.001L, 0.92L, 120, 0, 0, 230, 2},
    {"Tomahawk3W", &kTomahawk3WParams, 0.001L, 0.94L, 120, 0, 0, 210, 2},
    {"Tomahawk2I", &kTomahawk2IParams, 0.00187L, 0.85L, 120, 0, 0, 190, 4},
    {"BackSpin1W", &kBackSpin1WParams, 0.005L, 0.44L, 120, 0, 0, 240, 2},
    {"BackSpin2W", &kBackSpin2WParams, 0.0045L, 0.495L, 90, 0.005L, 0.45L, 220, 2},
    {"BackSpin3W", &kBackSpin3WParams, 0.0033333L, 0.601L, 120, 0, 0, 200, 2},
};

TEST(ShotTableCarry, EveryColumnAgainstTheFormulaInLongDouble)
{
    for (const CarryShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        const bool byRing = shape.params->column == CarryColumn::ByRing;
        for (int step = 0; step <= (byRing ? 1 : 17); ++step) {
            ShotInputs in = Inputs(kMinShotPower + step, 100, 0, 0, 0, 0, 0, byRing && step == 1);
            ShotTable table;
            ASSERT_TRUE(BuildShotTable(in, *shape.params, &table));
            const long double f = shape.f0 + shape.fStep * step;
            for (int r = 0; r < kShotTableRows; ++r) {
                const long double x = 40 + r;
                const bool first = x <= shape.lastX;
                const long double a = first ? shape.a1 : shape.a2;
                const long double b = first ? shape.b1 : shape.b2;
                const long double exact = ((x * a + b) * f) * x / 100;
                // Four rounded double operations on rounded constants: within a few units in the last place.
                EXPECT_LE(std::fabs(static_cast<double>(table.carry[r] - exact)), 8 * std::ldexp(table.carry[r], -53))
                    << "step " << step << " x " << 40 + r;
                EXPECT_EQ(40.0 + r, table.x[r]);
            }
        }
    }
}

TEST(ShotTableCarry, RoundedCarriesOfTheWoods)
{
    const struct {
        const ShotModelParams* params;
        int power;
        const char* c40;
        const char* c90;
        const char* c95;
        const char* c100;
        const char* c120;
    } rows[] = {
        {&kTomahawk1WParams, 20, "89", "222.75", nullptr, "252.5", "315"},
        {&kTomahawk2WParams, 20, "88.32", "209.07", "221.7775", "234.6", "287.04"},
        {&kTomahawk2WParams, 37, "101.376", "239.976", "254.562", "269.28", "329.472"},
        {&kTomahawk3WParams, 20, "82.32", "194.67", "206.4825", "218.4", "267.12"},
        {&kTomahawk3WParams, 37, "95.648", "226.188", "239.913", "253.76", "310.368"},
    };
    for (const auto& row : rows) {
        ShotTable table;
        ASSERT_TRUE(BuildShotTable(Inputs(row.power, 100, 0, 0, 0, 0, 0), *row.params, &table));
        EXPECT_DIGITS(row.c40, table.carry[0]);
        EXPECT_DIGITS(row.c90, table.carry[50]);
        if (row.c95 != nullptr) {
            EXPECT_DIGITS(row.c95, table.carry[55]);
        }
        EXPECT_DIGITS(row.c100, table.carry[60]);
        EXPECT_DIGITS(row.c120, table.carry[80]);
    }
}

TEST(ShotTableCarry, ColumnsRiseStrictly)
{
    for (const Member& m : kMembers) {
        for (int p = kMinShotPower; p <= kMaxShotPower; ++p) {
            for (bool ring : {false, true}) {
                ShotTable table;
                ASSERT_TRUE(BuildShotTable(Inputs(p, 100, 0, 0, 0, 0, 0, ring), *m.params, &table));
                for (int r = 1; r < kShotTableRows; ++r) {
                    EXPECT_LT(table.carry[r - 1], table.carry[r]) << m.name << " P " << p << " row " << r;
                }
            }
        }
    }
}

TEST(ShotTableSensitivity, PiecesAndTheirEnds)
{
    ShotTable table;
    ASSERT_TRUE(BuildShotTable(Inputs(30, 100, 0, 0, 0, 0, 0), kTomahawk1WParams, &table));
    EXPECT_EQ(0.30000000000000004, table.sensitivity[0]);
    EXPECT_EQ(1.8399999999999996, table.sensitivity[80]);
    EXPECT_EQ(80 * 0.01 - 0.1, table.sensitivity[40]);
    EXPECT_EQ(81 * 0.025 - 1.3, table.sensitivity[41]);
    EXPECT_EQ(92 * 0.025 - 1.3, table.sensitivity[52]);
    EXPECT_EQ(93 * 0.03 - 1.76, table.sensitivity[53]);

    ASSERT_TRUE(BuildShotTable(Inputs(30, 100, 0, 0, 0, 0, 0), kBackSpin1WParams, &table));
    EXPECT_EQ(0.44, table.sensitivity[0]);
    EXPECT_EQ(80 * 0.005 + 0.24, table.sensitivity[40]);
    EXPECT_EQ(81 * 0.03 - 1.76, table.sensitivity[41]);
    EXPECT_EQ(1.8399999999999996, table.sensitivity[80]);

    ASSERT_TRUE(BuildShotTable(Inputs(30, 100, 0, 0, 0, 0, 0), kBackSpin2WParams, &table));
    EXPECT_EQ(0.5, table.sensitivity[0]);
    EXPECT_EQ(81 * 0.025 - 1.3, table.sensitivity[41]);
    // Carry pieces: row 90 is the first, row 91 the second.
    EXPECT_EQ((((90 * 0.0045) + 0.495) * 240.0 * 90) * 0.01, table.carry[50]);
    EXPECT_EQ((((91 * 0.005) + 0.45) * 240.0 * 91) * 0.01, table.carry[51]);
}

TEST(ShotModelPower, OutsideTheTableIsRejected)
{
    for (const Member& m : kMembers) {
        if (m.params->column != CarryColumn::ByPower) {
            continue;
        }
        for (int p : {INT_MIN, -1, 0, 19, 38, 40, INT_MAX}) {
            SCOPED_TRACE(std::string(m.name) + " P " + std::to_string(p));
            ShotTable table;
            std::memset(&table, 0, sizeof table);
            EXPECT_FALSE(BuildShotTable(Inputs(p, 100, 5, 200, 3, 45, 1), *m.params, &table));
            EXPECT_EQ(0.0, table.carry[0]); // untouched
            const ShotResult r = m.run(Inputs(p, 100, 5, 200, 3, 45, 1));
            EXPECT_FALSE(r.valid);
            EXPECT_TRUE(std::isnan(r.drift));
            EXPECT_TRUE(std::isnan(r.shot));
            EXPECT_STREQ("error", r.driftText);
            EXPECT_STREQ("error", r.shotText);
        }
        for (int p : {kMinShotPower, kMaxShotPower}) {
            EXPECT_TRUE(m.run(Inputs(p, 100, 5, 200, 3, 45, 1)).valid) << m.name << " " << p;
        }
    }
}

TEST(WindSnap, DirectionsOfNinetyModuloOneEighty)
{
    const struct {
        double direction;
        bool snaps;
    } rows[] = {
        {90, true},        {270, true},       {-90, true},      {450, true},        {-270, true},
        {90.00005, true},  {-90.00005, true}, {90.0000999, true}, {89.99999, false}, {90.0001, false},
        {0, false},        {180, false},      {45, false},      {1e15, false},      {-1e15, false},
        // dir * 10000 = 2^32 + 900000: the low 32 bits are 900000, although 106.7296 degrees.
        {429586.7296, true},
        // 90 + 180 * 1193: dir * 10000 passes 2^31, so the low 32 bits wrap and do not snap.
        {214830, false},
        {kInf, false},     {-kInf, false},    {kNaN, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.snaps, CrossWindSnaps(row.direction)) << row.direction;
    }
}

TEST(WindSnap, ComponentsAndTheUnsnappedAlongWind)
{
    double wx;
    double wy;
    WindComponents(90, 5, &wx, &wy);
    EXPECT_EQ(0.0, wx);
    EXPECT_EQ(std::sin(90 * 0.017453292519943278) * 5, wy);
    WindComponents(180, 1, &wx, &wy);
    EXPECT_EQ(-1.0, wx);
    EXPECT_NE(0.0, wy); // the along wind is never snapped: about 3.2e-15
    EXPECT_GT(wy, 3.1e-15);
    EXPECT_LT(wy, 3.3e-15);
    WindComponents(45, 0, &wx, &wy);
    EXPECT_EQ(0.0, wx);
    EXPECT_EQ(0.0, wy);
    WindComponents(kNaN, 3, &wx, &wy);
    EXPECT_TRUE(std::isnan(wx));
    EXPECT_TRUE(std::isnan(wy));
}

// Inputs that are not finite: each model gives a result, reads no table outside its rows and
// clamps where a table end is nearest.
TEST(NonFiniteInputs, EveryModelAnswersWithoutFault)
{
    const double values[] = {kNaN, kInf, -kInf, 1e308, -1e308};
    ShotModel models[] = {Tomahawk1W, Tomahawk2W, Tomahawk3W, Tomahawk2I, BackSpin1W,
                          BackSpin2W, BackSpin3W, BeamImpact6I, BeamImpact9I};
    for (ShotModel model : models) {
        for (int field = 0; field < 4; ++field) {
            for (double v : values) {
                ShotInputs in = Inputs(30, 100, 5, 200, 3, 45, 1);
                double* target[] = {&in.distance, &in.height, &in.direction, &in.slope};
                *target[field] = v;
                const ShotResult r = model(in);
                EXPECT_TRUE(r.valid);
                EXPECT_GT(std::strlen(r.driftText), 0u);
                EXPECT_LE(std::strlen(r.driftText), 6u);
                EXPECT_LE(std::strlen(r.shotText), 6u);
            }
        }
    }
}

TEST(NonFiniteInputs, ClampedAtTheNearestTableEnd)
{
    ShotTrace t;
    // Infinite distance, wind from 225 degrees (WY < 0): the carries lie beyond the table.
    EvaluateShotModel(Inputs(30, 100, 5, kInf, 0, 225, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(1.8399999999999996, t.X1);
    EXPECT_EQ(0.5, t.W);
    EXPECT_EQ(kInf, t.D2);
    EXPECT_EQ(120.0, t.X2);
    // Minus infinity, wind from 45 degrees: below the table.
    EvaluateShotModel(Inputs(30, 100, 5, -kInf, 0, 45, 0), kBackSpin1WParams, &t);
    EXPECT_EQ(0.44, t.X1);
    EXPECT_EQ(1.9, t.W);
    EXPECT_EQ(40.0, t.X2);
    // A distance of 1e308 (a settings text) overflows R to infinity: the drift grows without
    // bound and is shown as such.
    const ShotResult r = Tomahawk1W(Inputs(30, 100, 5, 1e308, 0, 225, 1));
    EXPECT_EQ(kInf, std::fabs(r.drift));
    EXPECT_STREQ("120.00", r.shotText);
    // NaN has no nearest end: the lookups stay in range and the NaN shows as "nan".
    const ShotResult n = Tomahawk2I(Inputs(30, 100, 5, kNaN, 0, 45, 0));
    EXPECT_STREQ("nan", n.shotText);
    EXPECT_STREQ("nan", n.driftText);
    BeamTrace b;
    EvaluateBeamImpact(Inputs(0, 100, 5, kInf, 0, 270, 0), kBeamImpact6IParams, &b); // T = -inf, E = +inf
    EXPECT_EQ(110.0, b.Pct);
    EvaluateBeamImpact(Inputs(0, 100, 0, kNaN, 0, 0, 0), kBeamImpact6IParams, &b);
    EXPECT_TRUE(std::isnan(b.Pct));
}

TEST(ShotModelInputs, ExtremeIntegersDoNotOverflow)
{
    // Fairway and wind power far outside the panel's values: integer steps are formed in 64 bits.
    for (const Member& m : kMembers) {
        const ShotResult low = m.run(Inputs(30, INT_MIN, INT_MIN, 200, 3, 45, 1));
        const ShotResult high = m.run(Inputs(30, INT_MAX, INT_MAX, 200, 3, 45, 1));
        EXPECT_TRUE(low.valid) << m.name;
        EXPECT_TRUE(high.valid) << m.name;
    }
    EXPECT_TRUE(BeamImpact6I(Inputs(30, INT_MIN, INT_MAX, 50, 3, 45, 1)).valid);
}

TEST(ShotModelRegression, ModelsKeepNoState)
{
    // The same inputs give the same result whatever ran before.
    const ShotInputs in = Inputs(33, 98, 7, 150, 12, 300, -1.5);
    const ShotResult first = BackSpin3W(in);
    Tomahawk1W(Inputs(20, 75, 9, 100, -15, 270, 2));
    BackSpin3W(Inputs(37, 73, 1, 400, 15, 10, 3));
    const ShotResult again = BackSpin3W(in);
    EXPECT_EQ(first.drift, again.drift);
    EXPECT_EQ(first.shot, again.shot);
    EXPECT_STREQ(first.shotText, again.shotText);
}

} // namespace
