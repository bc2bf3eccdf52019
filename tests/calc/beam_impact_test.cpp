// Tests of the Beam Impact models (6I, 9I).
#include <gtest/gtest.h>

#include "beam_impact.h"
#include "calc/calc_test_support.h"
#include "shot_models.h"

namespace {

struct BeamExample {
    const char* iron;
    ShotModel run;
    ShotInputs in;
    double drift;
    const char* driftText;
    double shot;
    const char* shotText;
};

// Full doubles: the power (0 here) is not read.
const BeamExample kExamples[] = {
    {"6I", BeamImpact6I, Inputs(0, 100, 0, 60, 0, 0, 0), 0, "0", 60, "60.000"},
    {"6I", BeamImpact6I, Inputs(0, 95, 5, 70, 3, 45, 1), 2.648558097242489, "2.6485", 80.06042803484439, "80.060"},
    {"9I", BeamImpact9I, Inputs(0, 98, 8, 50, -5, 300, -2, true), 1.6169567599198928, "1.6169", 55.21835448115145, "55.218"},
    {"6I", BeamImpact6I, Inputs(0, 90, 10, 90, -20, 90, 0.5), 0.48024, "0.4802", 55.55, "55.550"},
    {"9I", BeamImpact9I, Inputs(0, 100, 3, 20, -15, 180, 0), -1.6352999999999998, "-1.635", 0.45454545454544937, "0.4545"},
    {"6I", BeamImpact6I, Inputs(0, 100, 4, 5, -10, 135, 0), -0.41721123753647066, "-0.417", -6.966690475583122, "-6.966"},
    {"6I", BeamImpact6I, Inputs(0, 100, 0, 85, 6, 0, 0), 0, "0", 108.33333333333333, "108.33"},
    {"6I", BeamImpact6I, Inputs(0, 100, 0, 86, 6, 0, 0), 0, "0", 110, "110.00"},
};

TEST(BeamImpactWorkedExamples, DriftShotAndTexts)
{
    for (const BeamExample& ex : kExamples) {
        SCOPED_TRACE(std::string(ex.iron) + " " + ex.driftText + " " + ex.shotText);
        ExpectWorkedExample(ex.run(ex.in), ex.drift, ex.shot, ex.driftText, ex.shotText);
    }
}

TEST(BeamImpactIntermediates, SecondExampleStepByStep)
{
    BeamTrace t;
    EvaluateBeamImpact(kExamples[1].in, kBeamImpact6IParams, &t);
    EXPECT_EQ(4.199999999999999, t.HA); // 3 * 1.4
    EXPECT_EQ(65.8, t.A);
    EXPECT_SAME_DOUBLE(3.5355339059327346, t.WY);
    EXPECT_SAME_DOUBLE(2.3263813101037396, t.T);
    EXPECT_SAME_DOUBLE(71.87361868989626, t.E);
    EXPECT_DIGITS("76.2480266998518", t.Pct); // row 15: 71 < E <= 74.5
}

TEST(BeamImpactIntermediates, SnappedCrossWindAndCarryBelowTheTable)
{
    BeamTrace t;
    EvaluateBeamImpact(kExamples[3].in, kBeamImpact6IParams, &t);
    EXPECT_EQ(0.0, t.WX);
    EXPECT_EQ(116.0, t.A); // 90 - (-20 * 1.3)
    EXPECT_SAME_DOUBLE(11.6, t.T);
    EXPECT_SAME_DOUBLE(52.4, t.E);
    EXPECT_SAME_DOUBLE(50.5, t.Pct);

    EvaluateBeamImpact(kExamples[5].in, kBeamImpact6IParams, &t);
    EXPECT_SAME_DOUBLE(-6.966690475583122, t.E);
    EXPECT_EQ(t.E, t.Pct); // below the table the carry itself is the percentage
}

TEST(BeamImpactTableEdges, ClosedAtTheTopOfEachRow)
{
    const struct {
        ShotModel run;
        int column;
        bool ring;
    } irons[] = {
        {BeamImpact6I, 0, false}, {BeamImpact6I, 0, true}, {BeamImpact9I, 1, false}, {BeamImpact9I, 1, true},
    };
    for (const auto& iron : irons) {
        const BeamImpactParams& p = iron.column == 0 ? kBeamImpact6IParams : kBeamImpact9IParams;
        // No wind, no height: the effective carry is the distance.
        for (int i = 1; i < kReachRows; ++i) {
            double y = ReachCarry(i, iron.column);
            if (iron.ring) {
                y = y * p.ringReachFactor;
            }
            const ShotResult r = iron.run(Inputs(0, 100, 0, y, 0, 0, 0, iron.ring));
            EXPECT_SAME_DOUBLE(5.0 * i, r.shot) << i;
        }
        EXPECT_EQ(0.0, iron.run(Inputs(0, 100, 0, 0, 0, 0, 0, iron.ring)).shot);
        EXPECT_EQ(-3.0, iron.run(Inputs(0, 100, 0, -3, 0, 0, 0, iron.ring)).shot);
        EXPECT_EQ(110.0, iron.run(Inputs(0, 100, 0, 1000, 0, 0, 0, iron.ring)).shot);
    }
}

TEST(BeamImpactTableEdges, CarryColumnsRiseStrictly)
{
    for (int column = 0; column < 2; ++column) {
        EXPECT_EQ(0.0, ReachCarry(0, column));
        for (int i = 1; i < kReachRows; ++i) {
            EXPECT_LT(ReachCarry(i - 1, column), ReachCarry(i, column)) << column << " " << i;
        }
    }
    EXPECT_EQ(95.0, ReachCarry(22, 0));
    EXPECT_EQ(87.0, ReachCarry(22, 1));
}

TEST(BeamImpactHeight, LadderRungs)
{
    const struct {
        double h;
        double ha;
    } rows[] = {
        {-20, -20 * 1.3}, {-14, -14 * 1.3}, {-13, -13 * 1.2}, {-12, -12 * 1.2}, {-10, -10 * 1.15},
        {-8, -8 * 1.1},   {-6, -6 * 1.05},  {-5, -5.0},       {-4, -4.0},       {-1, -1 * 0.9},
        {0, 0.0},         {3, 3 * 1.4},     {4, 4 * 1.4},     {6, 6 * 1.5},     {7, 7 * 1.6},
        {10, 10 * 1.7},   {12, 12 * 1.8},   {14, 14 * 1.9},   {14.5, 29.0},     {20, 40.0},
    };
    for (const auto& row : rows) {
        BeamTrace t;
        EvaluateBeamImpact(Inputs(0, 100, 0, 50, row.h, 0, 0), kBeamImpact9IParams, &t);
        EXPECT_EQ(row.ha, t.HA) << row.h;
    }
}

TEST(BeamImpactRing, ChangesOnlyDriftAndCarryColumn)
{
    for (const BeamImpactParams* p : {&kBeamImpact6IParams, &kBeamImpact9IParams}) {
        BeamTrace plain;
        BeamTrace ring;
        const ShotInputs in = Inputs(0, 95, 6, 72, 2.5, 30, 1.5, false);
        ShotInputs inRing = in;
        inRing.crimsonRing = true;
        EvaluateBeamImpact(in, *p, &plain);
        EvaluateBeamImpact(inRing, *p, &ring);
        EXPECT_EQ(plain.HA, ring.HA);
        EXPECT_EQ(plain.A, ring.A);
        EXPECT_EQ(plain.T, ring.T);
        EXPECT_EQ(plain.E, ring.E);
        EXPECT_EQ(plain.drift * p->ringDriftFactor, ring.drift);
        EXPECT_LT(ring.Pct, plain.Pct); // the longer reach needs less strength
        EXPECT_DIGITS("1.00000000000000", p->ringDriftFactor * p->ringReachFactor);
    }
    EXPECT_EQ(36.0 / 35.0, kBeamImpact6IParams.ringReachFactor);
    EXPECT_EQ(57.0 / 55.0, kBeamImpact9IParams.ringReachFactor);
    // The drift factors are the doubles of the reciprocals of the reach factors.
    EXPECT_EQ(1.0 / kBeamImpact6IParams.ringReachFactor, kBeamImpact6IParams.ringDriftFactor);
    EXPECT_EQ(1.0 / kBeamImpact9IParams.ringReachFactor, kBeamImpact9IParams.ringDriftFactor);
}

TEST(BeamImpactShot, FairwayRaisesThePercentage)
{
    BeamTrace t;
    const ShotResult r = EvaluateBeamImpact(Inputs(0, 98, 0, 60, 0, 0, 0), kBeamImpact6IParams, &t);
    EXPECT_EQ(0.0, r.drift);
    EXPECT_STREQ("0", r.driftText);
    EXPECT_EQ(60.0, t.Pct);
    EXPECT_EQ((60.0 * 0.01) * 2.0 + 60.0, r.shot); // about 1.02 times the percentage
    EXPECT_DIGITS("61.2", r.shot);
}

TEST(BeamImpactInputs, PowerAndSpinAreNotRead)
{
    for (ShotModel m : {BeamImpact6I, BeamImpact9I}) {
        ShotInputs a = Inputs(20, 95, 5, 70, 3, 45, 1);
        ShotInputs b = Inputs(99, 95, 5, 70, 3, 45, 1);
        b.spin = 9;
        EXPECT_EQ(m(a).drift, m(b).drift);
        EXPECT_EQ(m(a).shot, m(b).shot);
        EXPECT_TRUE(m(b).valid);
    }
}

TEST(BeamImpactRegression, ExactLastCarryIsTheTop)
{
    // E exactly 95 (the last 6I carry) is 110; a yard less interpolates in row 21.
    EXPECT_STREQ("110.00", BeamImpact6I(Inputs(0, 100, 0, 86, 6, 0, 0)).shotText);
    EXPECT_STREQ("108.33", BeamImpact6I(Inputs(0, 100, 0, 85, 6, 0, 0)).shotText);
}

} // namespace
