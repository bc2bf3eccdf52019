// Tests of the Tomahawk 2I model: ring-chosen carry column, fixed weight distances.
#include <gtest/gtest.h>

#include <climits>

#include "calc/calc_test_support.h"
#include "shot_models.h"

namespace {

struct WorkedExample {
    ShotInputs in;
    const char* drift;
    const char* shot;
    const char* driftText;
    const char* shotText;
};

// P = 30 throughout; the 2I does not read it.
const WorkedExample kExamples[] = {
    {Inputs(30, 100, 5, 150, 3, 45, 1, false), "3.924016226", "79.25053185", "3.9240", "79.250"},
    {Inputs(30, 95, 3, 120, -6, 120, 0.5, true), "-0.658712408", "63.05627304", "-0.658", "63.056"},
    {Inputs(30, 90, 7, 200, 12, 300, -1.5, true), "4.563666648", "110.1863070", "4.5636", "110.18"},
    {Inputs(30, 100, 0, 95, 0, 0, 0, false), "0", "52.71058441", "0", "52.710"},
    {Inputs(30, 75, 9, 310, -15, 270, 2, false), "6.815733768", "129", "6.8157", "129.00"},
};

TEST(Tomahawk2IWorkedExamples, DriftShotAndTexts)
{
    for (const WorkedExample& ex : kExamples) {
        SCOPED_TRACE(std::string(ex.driftText) + " " + ex.shotText);
        ExpectWorkedExample(Tomahawk2I(ex.in), ex.drift, ex.shot, ex.driftText, ex.shotText);
    }
}

TEST(Tomahawk2IIntermediates, WorkedExamplesStepByStep)
{
    ShotTrace t;
    EvaluateShotModel(kExamples[0].in, kTomahawk2IParams, &t);
    EXPECT_DIGITS("1.00945", t.W);
    EXPECT_DIGITS("2.9565", t.HM);
    EXPECT_DIGITS("143.927693008", t.D1);
    EXPECT_DIGITS("0.663083305", t.X1);
    EXPECT_DIGITS("0.951801394", t.G);
    EXPECT_DIGITS("150.30541415", t.D2);

    EvaluateShotModel(kExamples[4].in, kTomahawk2IParams, &t);
    EXPECT_EQ(0.0, t.WX);
    EXPECT_DIGITS("0.7", t.W);
    EXPECT_EQ(1.8399999999999996, t.X1);
    EXPECT_EQ(120.0, t.X2);
    EXPECT_DIGITS("129", t.shot);
}

TEST(Tomahawk2IPower, PowerIsNotRead)
{
    for (const WorkedExample& ex : kExamples) {
        const ShotResult base = Tomahawk2I(ex.in);
        for (int p : {INT_MIN, -5, 0, 20, 37, 38, 99, INT_MAX}) {
            ShotInputs in = ex.in;
            in.power = p;
            const ShotResult r = Tomahawk2I(in);
            EXPECT_TRUE(r.valid) << p;
            EXPECT_EQ(base.drift, r.drift) << p;
            EXPECT_EQ(base.shot, r.shot) << p;
        }
    }
}

TEST(Tomahawk2IRing, RingChoosesTheCarryColumn)
{
    const struct {
        bool ring;
        const char* c40;
        const char* c90;
        const char* c95;
        const char* c120;
    } rows[] = {
        {false, "70.2848", "174.1293", "185.490825", "244.9632"},
        {true, "71.76448", "177.79518", "189.395895", "250.12032"},
    };
    for (const auto& row : rows) {
        ShotTable table;
        ASSERT_TRUE(BuildShotTable(Inputs(0, 100, 0, 0, 0, 0, 0, row.ring), kTomahawk2IParams, &table));
        EXPECT_DIGITS(row.c40, table.carry[0]);
        EXPECT_DIGITS(row.c90, table.carry[50]);
        EXPECT_DIGITS(row.c95, table.carry[55]);
        EXPECT_DIGITS(row.c120, table.carry[80]);
    }
    EXPECT_NE(Tomahawk2I(Inputs(30, 100, 5, 150, 3, 45, 1, false)).shot,
              Tomahawk2I(Inputs(30, 100, 5, 150, 3, 45, 1, true)).shot);
}

TEST(Tomahawk2IWeights, FixedDistances80To240)
{
    const struct {
        double d;
        double before;
        const char* after;
    } rows[] = {
        {79.99, 2.0, "1.63"}, {80, 2.0, "1.63"}, {240, 0.5, "0.7"}, {300, 0.5, "0.7"}, {1000, 0.5, "0.7"},
        {140, 1.07, "1.0441"}, // offset 200, read at 140 yards whatever the power
    };
    for (const auto& row : rows) {
        for (int p : {20, 37}) {
            ShotTrace t;
            EvaluateShotModel(Inputs(p, 100, 0, row.d, 0, 0, 0), kTomahawk2IParams, &t);
            EXPECT_EQ(row.before, t.W0) << row.d;
            EXPECT_DIGITS(row.after, t.W) << row.d;
        }
    }
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 0, 239.9, 0, 0, 0), kTomahawk2IParams, &t);
    EXPECT_SAME_DOUBLE(((0.5 - 0.51) * (239.9 - 235.0)) * 0.2 + 0.51, t.W0);
    EXPECT_GT(t.W, 0.7);
    EXPECT_LT(t.W, 0.7002); // 0.50002 before the pull
}

TEST(Tomahawk2IHeight, LaddersScalesAndWeightScale)
{
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 0, 150, 0, 0, 0), kTomahawk2IParams, &t);
    EXPECT_EQ(0.0, t.HM);
    EXPECT_EQ(0.0, t.HC);
    EvaluateShotModel(Inputs(30, 100, 0, 150, 0.5, 0, 0), kTomahawk2IParams, &t);
    EXPECT_EQ((0.5 * 1.2) * 0.73, t.HM);
    EXPECT_EQ((t.W * 0.85) * t.HM, t.HC);
    EXPECT_EQ(1.0, LadderFactor(kTomahawk2IParams.lateralLadder, 4));
    EXPECT_EQ(0.98, LadderFactor(kTomahawk2IParams.lateralLadder, -4));
    EXPECT_EQ(0.87, LadderFactor(kTomahawk2IParams.heightLadder, 0));
    EXPECT_EQ(1.52, LadderFactor(kTomahawk2IParams.heightLadder, 14.01));
    EXPECT_EQ(1.09, LadderFactor(kTomahawk2IParams.heightLadder, -14));
}

TEST(Tomahawk2IShot, FairwayAndWind)
{
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 73, 0, 150, 0, 0, 0), kTomahawk2IParams, &t);
    EXPECT_EQ(27 * 0.36 + t.X2, t.shot);
    EXPECT_DIGITS("9.72", t.shot - t.X2);
    EvaluateShotModel(Inputs(30, 100, 0, 150, 2, 30, 0), kTomahawk2IParams, &t);
    EXPECT_EQ(t.HC + 150.0, t.D2); // no wind: no along-wind term, no power trim
    EXPECT_EQ(t.X2, t.shot);
    EvaluateShotModel(Inputs(30, 100, 1, 150, 0, 0, 0), kTomahawk2IParams, &t);
    EXPECT_EQ(1.0, t.M);
    EXPECT_EQ(1.0, t.WX);
}

TEST(Tomahawk2IRegression, UnpulledTableEndsDoNotLeak)
{
    // D2 exactly C(120) gives 120; the rows' own carries read back their rows.
    ShotTable table;
    ASSERT_TRUE(BuildShotTable(Inputs(30, 100, 0, 0, 0, 0, 0, true), kTomahawk2IParams, &table));
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 0, table.carry[80], 0, 0, 0, true), kTomahawk2IParams, &t);
    EXPECT_EQ(120.0, t.X2);
    EvaluateShotModel(Inputs(30, 100, 0, table.carry[33], 0, 0, 0, true), kTomahawk2IParams, &t);
    EXPECT_EQ(73.0, t.X2);
}

} // namespace
