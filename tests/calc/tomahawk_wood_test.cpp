// Tests of the Tomahawk wood models (1W, 2W, 3W) of the table shot model family.
#include <gtest/gtest.h>

#include "calc/calc_test_support.h"
#include "shot_models.h"

namespace {

struct WorkedExample {
    const char* model;
    ShotModel run;
    const ShotModelParams* params;
    ShotInputs in;
    const char* drift; // to the digits given
    const char* shot;
    const char* driftText;
    const char* shotText;
};

const WorkedExample kExamples[] = {
    {"1W", Tomahawk1W, &kTomahawk1WParams, Inputs(30, 100, 5, 200, 3, 45, 1), "2.738582727", "77.701242647", "2.7385", "77.701"},
    {"1W", Tomahawk1W, &kTomahawk1WParams, Inputs(28, 95, 3, 180, -6, 120, 0.5), "-0.580310996", "68.522591375", "-0.580", "68.522"},
    {"1W", Tomahawk1W, &kTomahawk1WParams, Inputs(33, 98, 7, 150, 12, 300, -1.5), "0.711148189", "70.941213786", "0.7111", "70.941"},
    {"1W", Tomahawk1W, &kTomahawk1WParams, Inputs(37, 100, 0, 300, 0, 0, 0), "0", "102.769014085", "0", "102.76"},
    {"1W", Tomahawk1W, &kTomahawk1WParams, Inputs(20, 75, 9, 100, -15, 270, 2), "0.847059540", "46", "0.8470", "46.000"},
    {"1W", Tomahawk1W, &kTomahawk1WParams, Inputs(30, 90, 4, 250, -3, 90, 0), "0", "93.269126308", "0", "93.269"},
    {"1W", Tomahawk1W, &kTomahawk1WParams, Inputs(35, 100, 6, 320, 5, 200, -1), "-12.701482565", "111.565338633", "-12.70", "111.56"},
    {"2W", Tomahawk2W, &kTomahawk2WParams, Inputs(30, 100, 5, 200, 3, 45, 1), "3.311607092", "80.290404862", "3.3116", "80.290"},
    {"2W", Tomahawk2W, &kTomahawk2WParams, Inputs(28, 95, 3, 180, -6, 120, 0.5), "-0.683200466", "72.020321792", "-0.683", "72.020"},
    {"2W", Tomahawk2W, &kTomahawk2WParams, Inputs(20, 75, 9, 100, -15, 270, 2), "0.955424877", "47.5", "0.9554", "47.500"},
    {"2W", Tomahawk2W, &kTomahawk2WParams, Inputs(35, 100, 6, 320, 5, 200, -1), "-16.937674544", "119.868132314", "-16.93", "119.86"},
    {"2W", Tomahawk2W, &kTomahawk2WParams, Inputs(25, 100, 5, 295, 3, 45, 1), "10.920428139", "117.003791825", "10.920", "117.00"},
    {"3W", Tomahawk3W, &kTomahawk3WParams, Inputs(30, 100, 5, 200, 3, 45, 1), "4.085717427", "84.644569725", "4.0857", "84.644"},
    {"3W", Tomahawk3W, &kTomahawk3WParams, Inputs(33, 98, 7, 150, 12, 300, -1.5), "1.162371941", "71.746873101", "1.1623", "71.746"},
    {"3W", Tomahawk3W, &kTomahawk3WParams, Inputs(37, 100, 0, 300, 0, 0, 0), "0", "115.128445633", "0", "115.12"},
    {"3W", Tomahawk3W, &kTomahawk3WParams, Inputs(20, 75, 9, 100, -15, 270, 2), "1.093115131", "51.004325096", "1.0931", "51.004"},
    {"3W", Tomahawk3W, &kTomahawk3WParams, Inputs(35, 100, 6, 320, 5, 200, -1), "-19.357372007", "120", "-19.35", "120.00"},
};

TEST(TomahawkWoodWorkedExamples, DriftShotAndTexts)
{
    for (const WorkedExample& ex : kExamples) {
        SCOPED_TRACE(std::string(ex.model) + " " + ex.driftText + " " + ex.shotText);
        const ShotResult r = ex.run(ex.in);
        ExpectWorkedExample(r, ex.drift, ex.shot, ex.driftText, ex.shotText);
        // The named model is the evaluation routine with its parameter set.
        const ShotResult direct = EvaluateShotModel(ex.in, *ex.params);
        EXPECT_SAME_DOUBLE(r.drift, direct.drift);
        EXPECT_SAME_DOUBLE(r.shot, direct.shot);
    }
}

TEST(TomahawkWoodWorkedExamples, ExactZeroDriftShowsZero)
{
    // No wind and no slope, and the 90-degree snap with no slope: the drift is exactly zero.
    EXPECT_EQ(0.0, Tomahawk1W(Inputs(37, 100, 0, 300, 0, 0, 0)).drift);
    EXPECT_EQ(0.0, Tomahawk1W(Inputs(30, 90, 4, 250, -3, 90, 0)).drift);
    EXPECT_EQ(0.0, Tomahawk3W(Inputs(37, 100, 0, 300, 0, 0, 0)).drift);
    EXPECT_EQ(46.0, Tomahawk1W(Inputs(20, 75, 9, 100, -15, 270, 2)).shot); // 40 + 25 * 0.24
}

TEST(Tomahawk1WIntermediates, FirstWorkedExampleStepByStep)
{
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 5, 200, 3, 45, 1), kTomahawk1WParams, &t);
    EXPECT_EQ(20, t.B);
    EXPECT_EQ(1.29, t.W); // d - B = 180 is exactly the offset of pair 8
    EXPECT_DIGITS("3.9", t.HM);
    EXPECT_DIGITS("5.031", t.HC);
    EXPECT_DIGITS("3.588566915", t.WX);
    EXPECT_DIGITS("3.535533906", t.WY);
    EXPECT_DIGITS("191.433466094", t.D1);
    EXPECT_DIGITS("0.640083788", t.X1);
    EXPECT_DIGITS("2.937067293", t.L);
    EXPECT_DIGITS("200.022498735", t.R);
    EXPECT_DIGITS("0.932420831", t.G);
    EXPECT_DIGITS("0.995", t.K);
    EXPECT_DIGITS("202.536157764", t.D2);
    EXPECT_DIGITS("77.701242647", t.X2);
}

TEST(Tomahawk1WIntermediates, ClampsAndFarWeightOfTheWorkedExamples)
{
    ShotTrace t;
    EvaluateShotModel(Inputs(20, 75, 9, 100, -15, 270, 2), kTomahawk1WParams, &t);
    EXPECT_EQ(40.0, t.X2); // D2 below C(40)
    EvaluateShotModel(Inputs(35, 100, 6, 320, 5, 200, -1), kTomahawk1WParams, &t);
    EXPECT_EQ(0.5, t.W); // d >= 300
    EvaluateShotModel(Inputs(30, 90, 4, 250, -3, 90, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(0.0, t.WX); // 90 degrees snaps the cross wind
}

TEST(Tomahawk2W3WIntermediates, FirstWorkedExamples)
{
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 5, 200, 3, 45, 1), kTomahawk2WParams, &t);
    EXPECT_EQ(0, t.B);
    EXPECT_DIGITS("1.0525", t.W); // w = 1.07 pulled down by a quarter of the gap
    EXPECT_DIGITS("3.432", t.HM);
    EXPECT_DIGITS("192.852286094", t.D1);
    EXPECT_DIGITS("0.673459669", t.X1);
    EXPECT_DIGITS("0.954620831", t.G);
    EXPECT_DIGITS("200.784819138", t.D2);

    EvaluateShotModel(Inputs(30, 100, 5, 200, 3, 45, 1), kTomahawk3WParams, &t);
    EXPECT_EQ(-20, t.B);
    EXPECT_DIGITS("0.964", t.W); // w = 0.94 pulled up by 40 % of the gap
    EXPECT_DIGITS("3.003", t.HM);
    EXPECT_DIGITS("0.758069783", t.X1);
    EXPECT_DIGITS("199.480903998", t.D2);

    EvaluateShotModel(Inputs(25, 100, 5, 295, 3, 45, 1), kTomahawk2WParams, &t);
    EXPECT_EQ(-10, t.B);
    EXPECT_DIGITS("0.64", t.W); // d >= B + 300: far weight 0.5, pulled up

    EvaluateShotModel(Inputs(35, 100, 6, 320, 5, 200, -1), kTomahawk3WParams, &t);
    EXPECT_EQ(120.0, t.X2); // D2 above C(120)
}

// Distance weight edges: parameter set, P, d and W after any pull.
struct WeightEdge {
    const char* name;
    const ShotModelParams* params;
    int power;
    double distance;
    const char* weight;
};

const WeightEdge kWeightEdges[] = {
    {"1W at B + 140", &kTomahawk1WParams, 30, 160, "2"},
    {"1W just below B + 140", &kTomahawk1WParams, 30, 159.99999999999997, "2"},
    {"1W at 300 below B + 300", &kTomahawk1WParams, 30, 300, "0.5"},
    {"1W at 310", &kTomahawk1WParams, 30, 310, "0.5"},
    {"1W at 319.99", &kTomahawk1WParams, 30, 319.99, "0.5"},
    {"1W at 300, P = 20", &kTomahawk1WParams, 20, 300, "0.5"},
    {"1W at 300, P = 37", &kTomahawk1WParams, 37, 300, "0.5"},
    {"2W just below 140, P = 30", &kTomahawk2WParams, 30, 139.99, "1.75"},
    {"2W at 140, P = 30", &kTomahawk2WParams, 30, 140, "1.75"},
    {"2W at 290, P = 25", &kTomahawk2WParams, 25, 290, "0.64"},
    {"2W at 299.99, P = 25", &kTomahawk2WParams, 25, 299.99, "0.64"},
    {"2W at 300, P = 25", &kTomahawk2WParams, 25, 300, "0.64"},
    {"2W at 400, P = 37", &kTomahawk2WParams, 37, 400, "0.64"},
    {"3W at 280, P = 30", &kTomahawk3WParams, 30, 280, "0.7"},
    {"3W at 350, P = 30", &kTomahawk3WParams, 30, 350, "0.7"},
    {"3W near weight, P = 30", &kTomahawk3WParams, 30, 50, "1.63"},
};

TEST(TomahawkWoodWeightEdges, NearFarAndPulledWeights)
{
    for (const WeightEdge& e : kWeightEdges) {
        SCOPED_TRACE(e.name);
        ShotTrace t;
        EvaluateShotModel(Inputs(e.power, 100, 0, e.distance, 0, 0, 0), *e.params, &t);
        EXPECT_DIGITS(e.weight, t.W);
    }
}

TEST(TomahawkWoodWeightEdges, InterpolationJustBeforeTheTableEnd)
{
    // 2W, P = 25 (B = -10): 289.99 lies between the pairs 295 and 300 (0.51 .. 0.5), before the pull.
    ShotTrace t;
    EvaluateShotModel(Inputs(25, 100, 0, 289.99, 0, 0, 0), kTomahawk2WParams, &t);
    const double before = ((0.5 - 0.51) * (289.99 - 285.0)) * 0.2 + 0.51;
    EXPECT_SAME_DOUBLE(before + (1 - before) * 0.28, t.W);
    EXPECT_GT(t.W, 0.64);
}

TEST(TomahawkWoodWeightEdges, PullMovesTowardOne)
{
    // A weight above 1 moves down by kDown of the gap, one below 1 up by kUp; 1 stays 1.
    ShotTrace t;
    // 1W pair 13 (205, 1.03); 2W with B = 0: d = 205 reads w = 1.03.
    EvaluateShotModel(Inputs(30, 100, 0, 205, 0, 0, 0), kTomahawk2WParams, &t);
    EXPECT_SAME_DOUBLE(1.03 - (1.03 - 1.0) * 0.25, t.W);
    EvaluateShotModel(Inputs(30, 100, 0, 225, 0, 0, 0), kTomahawk3WParams, &t); // B = -20, offset 245
    EXPECT_SAME_DOUBLE(0.69 + (1 - 0.69) * 0.4, t.W);
}

TEST(TomahawkWoodLadders, HeightAndLateralFactors)
{
    const HeightLadder& height = kTomahawk1WParams.heightLadder;
    EXPECT_EQ(1.0, LadderFactor(height, -6));
    EXPECT_EQ(0.985, LadderFactor(height, -5.5));
    EXPECT_EQ(1.15, LadderFactor(height, 0.5));
    EXPECT_EQ(0.92, LadderFactor(height, 0));
    EXPECT_EQ(1.48, LadderFactor(height, 14));
    EXPECT_EQ(1.5, LadderFactor(height, 14.01));
    EXPECT_EQ(1.12, LadderFactor(height, -100));
    EXPECT_EQ(0.94, LadderFactor(height, -3)); // no rung at -3: the -2 rung serves
    const HeightLadder& lateral1W = kTomahawk1WParams.lateralLadder;
    EXPECT_EQ(1.0, LadderFactor(lateral1W, -3.99));
    EXPECT_EQ(1.0, LadderFactor(lateral1W, 4));
    EXPECT_EQ(0.99, LadderFactor(lateral1W, -4));
    EXPECT_EQ(1.005, LadderFactor(lateral1W, 4.5));
    const HeightLadder& lateralWood = kTomahawk2WParams.lateralLadder;
    EXPECT_EQ(1.005, LadderFactor(lateralWood, 2));
    EXPECT_EQ(1.0, LadderFactor(lateral1W, 2));
    EXPECT_EQ(1.14, LadderFactor(lateralWood, 14.5));
    EXPECT_EQ(&lateralWood.rungs[0], &kTomahawk3WParams.lateralLadder.rungs[0]);
    // The 1W and 2W/3W lateral ladders agree up to h = 0.
    for (double h = -15; h <= 0; h += 0.5) {
        EXPECT_EQ(LadderFactor(lateral1W, h), LadderFactor(lateralWood, h)) << h;
    }
}

TEST(TomahawkWoodLadders, HeightTermOfTheModels)
{
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 0, 200, -6, 0, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(-6.0, t.HM);
    EvaluateShotModel(Inputs(30, 100, 0, 200, 0, 0, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(0.0, t.HM);
    EvaluateShotModel(Inputs(30, 100, 0, 200, -6.5, 0, 0), kTomahawk2WParams, &t);
    EXPECT_EQ(-6.5 * 0.88, t.HM);
    EXPECT_DIGITS("-5.72", t.HM);
}

TEST(TomahawkWoodWind, SnappedDirectionsAndWindStrength)
{
    for (double dir : {90.0, 270.0, -90.0, 450.0, 90.00005}) {
        ShotTrace t;
        const ShotResult r = EvaluateShotModel(Inputs(30, 100, 5, 200, 3, dir, 1), kTomahawk1WParams, &t);
        EXPECT_EQ(0.0, t.WX) << dir;
        // Only the slope drives the drift: L = slope * X1, the 1W factor at h = 3 is 1.
        EXPECT_EQ(t.G * t.X1, r.drift) << dir;
    }
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 5, 200, 3, 89.99999, 1), kTomahawk1WParams, &t);
    EXPECT_NE(0.0, t.WX);
    EXPECT_LT(std::fabs(t.WX), 1e-5);

    const struct {
        int v;
        double m;
    } strengths[] = {{-1, 1.0}, {0, 1.0}, {1, 1.0}, {2, 1.003}, {5, 1.015}, {9, 1.03}, {10, 1.0}, {1000, 1.0}};
    for (const auto& s : strengths) {
        EvaluateShotModel(Inputs(30, 100, s.v, 200, 0, 0, 0), kTomahawk1WParams, &t);
        EXPECT_EQ(s.m, t.M) << s.v;
    }
    EvaluateShotModel(Inputs(30, 100, 0, 200, 0, 45, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(0.0, t.WX);
    EXPECT_EQ(0.0, t.WY);
}

TEST(TomahawkWoodGrowth, RateChangesWhereTheDistancePassesC90AndC95)
{
    ShotTable table;
    ASSERT_TRUE(BuildShotTable(Inputs(30, 100, 0, 0, 0, 0, 0), kTomahawk1WParams, &table));
    const double c90 = table.carry[50];
    const double c95 = table.carry[55];
    ShotTrace t;
    EvaluateShotModel(Inputs(30, 100, 0, std::nextafter(c90, 0.0), 0, 0, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(0.0016666666666666668, t.rate);
    EvaluateShotModel(Inputs(30, 100, 0, c90, 0, 0, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(0.0022222222222222222, t.rate);
    EXPECT_EQ(1.0, t.G); // R = d = C(90)
    EvaluateShotModel(Inputs(30, 100, 0, std::nextafter(c95, 0.0), 0, 0, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(0.0022222222222222222, t.rate);
    EvaluateShotModel(Inputs(30, 100, 0, c95, 0, 0, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(0.0029411764705882353, t.rate);
    // R, not d, enters G: a height difference makes G larger at the same distance.
    const double flatG = t.G;
    EvaluateShotModel(Inputs(30, 100, 0, c95, 5, 0, 0), kTomahawk1WParams, &t);
    EXPECT_GT(t.G, flatG);
    // The rate follows d even where the slant range R has passed C(90) already.
    EvaluateShotModel(Inputs(30, 100, 0, std::nextafter(c90, 0.0), 10, 0, 0), kTomahawk1WParams, &t);
    EXPECT_GT(t.R, c90);
    EXPECT_EQ(0.0016666666666666668, t.rate);
}

TEST(TomahawkWoodTableLookups, ExactCarriesAndClamps)
{
    ShotTable table;
    ASSERT_TRUE(BuildShotTable(Inputs(30, 100, 0, 0, 0, 0, 0), kTomahawk1WParams, &table));
    ShotTrace t;
    // With no wind, no height and F = 100, D1 is the distance itself.
    for (int r : {0, 1, 17, 40, 52, 79}) {
        EvaluateShotModel(Inputs(30, 100, 0, table.carry[r], 0, 0, 0), kTomahawk1WParams, &t);
        EXPECT_EQ(table.carry[r], t.D1);
        EXPECT_EQ(table.sensitivity[r], t.X1) << r;
    }
    EvaluateShotModel(Inputs(30, 100, 0, table.carry[80], 0, 0, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(1.8399999999999996, t.X1);
    EvaluateShotModel(Inputs(30, 100, 0, 1.0, 0, 0, 0), kTomahawk1WParams, &t);
    EXPECT_EQ(0.30000000000000004, t.X1);
    EXPECT_EQ(40.0, t.X2);
    // The shot can exceed 120 below fairway 100: X2 = 120 with F = 73.
    const ShotResult r = Tomahawk1W(Inputs(30, 73, 0, 1000, 0, 0, 0));
    EXPECT_DIGITS("126.48", r.shot);
    EXPECT_DIGITS("128.1", Tomahawk2W(Inputs(30, 73, 0, 1000, 0, 0, 0)).shot);
    EXPECT_DIGITS("131.34", Tomahawk3W(Inputs(30, 73, 0, 1000, 0, 0, 0)).shot);
}

TEST(TomahawkWoodInputs, SpinHasNoEffect)
{
    ShotInputs a = Inputs(30, 95, 5, 230, 3, 45, 1);
    ShotInputs b = a;
    a.spin = 0;
    b.spin = 11;
    for (ShotModel m : {Tomahawk1W, Tomahawk2W, Tomahawk3W}) {
        EXPECT_EQ(m(a).drift, m(b).drift);
        EXPECT_EQ(m(a).shot, m(b).shot);
    }
}

TEST(TomahawkWoodRegression, FirstExampleTextsNotRounded)
{
    // 77.701242647 must show 77.701 and -12.701482565 -12.70: cut, not rounded.
    EXPECT_STREQ("77.701", Tomahawk1W(Inputs(30, 100, 5, 200, 3, 45, 1)).shotText);
    EXPECT_STREQ("-12.70", Tomahawk1W(Inputs(35, 100, 6, 320, 5, 200, -1)).driftText);
}

} // namespace
