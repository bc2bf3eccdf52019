// Tests of the Back Spin models (1W, 2W, 3W) of the table shot model family.
#include <gtest/gtest.h>

#include "calc/calc_test_support.h"
#include "shot_models.h"

namespace {

struct WorkedExample {
    const char* model;
    ShotModel run;
    ShotInputs in;
    const char* drift;
    const char* shot;
    const char* driftText;
    const char* shotText;
};

const WorkedExample kExamples[] = {
    {"1W", BackSpin1W, Inputs(30, 100, 5, 200, 3, 45, 1), "4.210721418", "87.72150847", "4.2107", "87.721"},
    {"2W", BackSpin2W, Inputs(28, 95, 3, 180, -6, 120, 0.5), "-1.125258545", "84.10157186", "-1.125", "84.101"},
    {"3W", BackSpin3W, Inputs(33, 98, 7, 150, 12, 300, -1.5), "2.204613048", "85.85837638", "2.2046", "85.858"},
    {"1W", BackSpin1W, Inputs(37, 100, 0, 300, 0, 0, 0), "0", "109.3812628", "0", "109.38"},
    {"1W", BackSpin1W, Inputs(20, 75, 9, 100, -15, 270, 2), "1.089265730", "44.30944452", "1.0892", "44.309"},
};

TEST(BackSpinWorkedExamples, DriftShotAndTexts)
{
    for (const WorkedExample& ex : kExamples) {
        SCOPED_TRACE(std::string(ex.model) + " " + ex.driftText + " " + ex.shotText);
        ExpectWorkedExample(ex.run(ex.in), ex.drift, ex.shot, ex.driftText, ex.shotText);
    }
}

TEST(BackSpinIntermediates, WorkedExamplesStepByStep)
{
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 5, 200, 3, 45, 1), kBackSpin1WParams, &t);
    EXPECT_EQ(1.1, t.W); // d - B = 190 is exactly the offset of the pair (190, 1.1)
    EXPECT_DIGITS("0.807815261", t.X1);
    EXPECT_DIGITS("0.983524997", t.G);
    EXPECT_DIGITS("200.391837458", t.D2);
    EXPECT_DIGITS("87.72150847", t.X2);
    EXPECT_EQ(1.015, t.M);

    EvaluateShotModel(Inputs(28, 95, 3, 180, -6, 120, 0.5), kBackSpin2WParams, &t);
    EXPECT_EQ(-14, t.B);
    EXPECT_DIGITS("1.068", t.W0);
    EXPECT_DIGITS("1.034", t.W);
    EXPECT_DIGITS("-6.18", t.HM);
    EXPECT_DIGITS("0.920505832", t.X1);
    EXPECT_DIGITS("83.302496955", t.X2);

    EvaluateShotModel(Inputs(33, 98, 7, 150, 12, 300, -1.5), kBackSpin3WParams, &t);
    EXPECT_DIGITS("1.2136", t.W);
    EXPECT_DIGITS("16.08", t.HM);

    EvaluateShotModel(Inputs(37, 100, 0, 300, 0, 0, 0), kBackSpin1WParams, &t);
    EXPECT_EQ(0.4, t.W);
    EXPECT_DIGITS("110.381262845", t.X2);
    EXPECT_EQ(-1.0, t.q);
}

struct WeightEdge {
    const char* name;
    const ShotModelParams* params;
    int power;
    double distance;
    double weightBeforePull;
    const char* weight;
};

const WeightEdge kWeightEdges[] = {
    {"1W at B + 140", &kBackSpin1WParams, 30, 150, 1.9, "1.9"},
    {"1W below B + 140", &kBackSpin1WParams, 30, 149.99, 1.9, "1.9"},
    {"1W at 280", &kBackSpin1WParams, 30, 280, 0.4, "0.4"},
    {"1W at 280, P = 37", &kBackSpin1WParams, 37, 280, 0.4, "0.4"},
    {"1W in [B + 280, 280), P = 20", &kBackSpin1WParams, 20, 270, 0.4, "0.4"},
    {"1W in [B + 280, 280), P = 24", &kBackSpin1WParams, 24, 279.5, 0.4, "0.4"},
    {"2W in [B + 280, 280), P = 30", &kBackSpin2WParams, 30, 275, 0.35, "0.675"},
    {"2W at and above 280", &kBackSpin2WParams, 37, 280, 0.35, "0.675"},
    {"2W far above", &kBackSpin2WParams, 37, 500, 0.35, "0.675"},
    {"3W at 280", &kBackSpin3WParams, 37, 280, 0.35, "0.61"},
    {"3W in [B + 280, 280), P = 37", &kBackSpin3WParams, 37, 270, 0.35, "0.61"},
    {"2W weight exactly 1 stays", &kBackSpin2WParams, 30, 195, 1.0, "1"},
    {"3W near weight pulled", &kBackSpin3WParams, 30, 0, 1.9, "1.54"},
};

TEST(BackSpinWeightEdges, NearFarAndPulledWeights)
{
    for (const WeightEdge& e : kWeightEdges) {
        SCOPED_TRACE(e.name);
        ShotTrace t;
        EvaluateShotModel(Inputs(e.power, 100, 0, e.distance, 0, 0, 0), *e.params, &t);
        EXPECT_EQ(e.weightBeforePull, t.W0);
        EXPECT_DIGITS(e.weight, t.W);
    }
}

TEST(BackSpinWeightEdges, StillInterpolatedJustBelow280)
{
    // 1W, P = 30 (B = 10): 279 lies between the pairs 265 and 270 (0.44 .. 0.43).
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 0, 279, 0, 0, 0), kBackSpin1WParams, &t);
    EXPECT_SAME_DOUBLE(((0.43 - 0.44) * (279.0 - 275.0)) * 0.2 + 0.44, t.W);
    EXPECT_DIGITS("0.432", t.W);
}

TEST(BackSpinLadders, HeightAndLateralFactors)
{
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 0, 200, 4, 0, 0), kBackSpin1WParams, &t);
    EXPECT_EQ(4.0, t.HM);
    EXPECT_EQ(1.0, LadderFactor(kBackSpin1WParams.lateralLadder, 4));
    EvaluateShotModel(Inputs(30, 100, 0, 200, 4.0001, 0, 0), kBackSpin1WParams, &t);
    EXPECT_EQ(4.0001 * 1.05, t.HM);
    for (const ShotModelParams* p : {&kBackSpin1WParams, &kBackSpin2WParams, &kBackSpin3WParams}) {
        EXPECT_EQ(1.01, LadderFactor(p->lateralLadder, 4.0001));
        EXPECT_EQ(0.97, LadderFactor(p->lateralLadder, -4));
        EXPECT_EQ(1.0, LadderFactor(p->heightLadder, -4));
        EXPECT_EQ(1.15, LadderFactor(p->heightLadder, -20));
        EXPECT_EQ(1.5, LadderFactor(p->heightLadder, 14.5));
    }
    EvaluateShotModel(Inputs(30, 100, 0, 200, -4, 0, 0), kBackSpin2WParams, &t);
    EXPECT_EQ(-4.0, t.HM);
    // The members' lateral ladders differ only above 8 metres.
    EXPECT_EQ(1.3, LadderFactor(kBackSpin1WParams.lateralLadder, 15));
    EXPECT_EQ(1.23, LadderFactor(kBackSpin2WParams.lateralLadder, 15));
    EXPECT_EQ(1.22, LadderFactor(kBackSpin3WParams.lateralLadder, 15));
    EXPECT_EQ(1.035, LadderFactor(kBackSpin3WParams.lateralLadder, 7));
}

TEST(BackSpinWind, NoWindLeavesSlopeDriftAndPlainCarry)
{
    ShotTrace t;
    const ShotResult r = EvaluateShotModel(Inputs(30, 100, 0, 200, 1.5, 45, 1.5), kBackSpin1WParams, &t);
    EXPECT_EQ(0.0, t.WX);
    EXPECT_EQ(0.0, t.WY);
    EXPECT_EQ(t.HC + 200.0, t.D2);
    EXPECT_EQ((t.G * (((1.5 * t.X1) * 1.05) * 0.995)) * 1.1, r.drift); // h = 1.5: lateral factor 0.995
    // M stays a separate factor: it also scales the along-wind term.
    EvaluateShotModel(Inputs(30, 100, 9, 200, 0, 45, 0), kBackSpin1WParams, &t);
    EXPECT_EQ(1.04, t.M);
    EvaluateShotModel(Inputs(30, 100, 10, 200, 0, 45, 0), kBackSpin1WParams, &t);
    EXPECT_EQ(1.0, t.M);
}

TEST(BackSpinTableLookups, ExactCarriesGiveTheirRows)
{
    for (const ShotModelParams* p : {&kBackSpin1WParams, &kBackSpin2WParams, &kBackSpin3WParams}) {
        ShotTable table;
        ASSERT_TRUE(BuildShotTable(Inputs(30, 100, 0, 0, 0, 0, 0), *p, &table));
        ShotTrace t;
        // No wind, no height: D2 = d, so a carry of the table reads back its own row.
        for (int r : {1, 10, 50, 51, 79, 80}) {
            EvaluateShotModel(Inputs(30, 100, 0, table.carry[r], 0, 0, 0), *p, &t);
            EXPECT_EQ(table.carry[r], t.D2);
            EXPECT_EQ(table.x[r], t.X2) << r;
        }
        EvaluateShotModel(Inputs(30, 100, 0, table.carry[0], 0, 0, 0), *p, &t);
        EXPECT_EQ(40.0, t.X2);
        EvaluateShotModel(Inputs(30, 100, 0, table.carry[0] - 1, 0, 0, 0), *p, &t);
        EXPECT_EQ(table.sensitivity[0], t.X1);
    }
}

TEST(BackSpinPowerCorrection, QuotientsByPower)
{
    for (int p = kMinShotPower; p <= kMaxShotPower; ++p) {
        ShotTrace t;
        EvaluateShotModel(Inputs(p, 100, 0, 200, 0, 0, 0), kBackSpin1WParams, &t);
        EXPECT_EQ(p >= 36 ? -1.0 : 0.0, t.q) << "1W P=" << p;
        EvaluateShotModel(Inputs(p, 100, 0, 200, 0, 0, 0), kBackSpin2WParams, &t);
        const double q2 = p <= 21 ? 1.0 : p <= 30 ? 0.0 : p <= 35 ? -1.0 : -2.0;
        EXPECT_EQ(q2, t.q) << "2W P=" << p;
        EvaluateShotModel(Inputs(p, 100, 0, 200, 0, 0, 0), kBackSpin3WParams, &t);
        EXPECT_EQ((26 - p) * 0.18181818181818182, t.q) << "3W P=" << p;
    }
    ShotTrace t;
    EvaluateShotModel(Inputs(26, 100, 0, 200, 0, 0, 0), kBackSpin3WParams, &t);
    EXPECT_EQ(0.0, t.q);
    EXPECT_EQ(t.X2, t.shot);
    // With F = 100 the 1W shot at P = 36 is X2 less exactly 1.
    EvaluateShotModel(Inputs(36, 100, 0, 250, 0, 0, 0), kBackSpin1WParams, &t);
    EXPECT_EQ(t.X2 - 1.0, t.shot);
}

TEST(BackSpinParams, ConstantsAsTheirDoubles)
{
    EXPECT_EQ(1.1 * 1.07, kBackSpin2WParams.driftScale.value);
    EXPECT_EQ(2.0 / 11.0, kBackSpin3WParams.qRate);
    EXPECT_EQ(1.0 / 380.0, kBackSpin1WParams.growthRates[1]);
    EXPECT_EQ(1.0 / 300.0, kBackSpin1WParams.growthRates[2]);
}

TEST(BackSpinRegression, ZeroDriftIsTheZeroForm)
{
    const ShotResult r = BackSpin3W(Inputs(30, 100, 0, 200, 0, 0, 0));
    EXPECT_EQ(0.0, r.drift);
    EXPECT_STREQ("0", r.driftText);
}

} // namespace
