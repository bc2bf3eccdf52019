// Tests of the shot models: the worked examples through the dispatcher and those the panel cannot
// hold, and inputs beyond every table.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <limits>
#include <tuple>

#include "dispatch.h"
#include "panel_inputs.h"
#include "shot_models.h"
#include "situations.h"
#include "table_shot_model.h"

namespace {

using situations::MatchesDigits;

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// A ShotInputs record in the order the models' example tables give their columns (spin 0).
ShotInputs Inputs(int power, int fairway, int wind, double d, double h, double dir, double s, bool ring = false)
{
    return {power, 0, fairway, wind, d, h, dir, s, ring};
}

TEST(WorkedExamples, EverySituationAsThePanelShowsIt)
{
    for (const situations::Situation& s : situations::kSituations) {
        SCOPED_TRACE(std::string(s.club) + " power " + s.power + " at " + s.distance);
        PanelReading panel = StartupReading();
        for (const auto& field : situations::Fields(s))
            ASSERT_TRUE(SetPanelInput(*FindPanelInput(field.first), field.second, panel)) << field.first;
        const DispatchOutcome out = Calculate(panel);
        const GroupOutcome* groups[3] = {&out.tomahawk, &out.backSpin, &out.beam};
        for (int g = 0; g < 3; ++g)
            EXPECT_EQ(groups[g]->action, s.groups[g] == 'W' ? GroupAction::Written : GroupAction::Cleared) << g;
        const ShotResult& r = groups[s.group]->result;
        EXPECT_EQ(std::string(r.driftText) + " " + r.shotText, std::string(s.driftText) + " " + s.shotText);
        EXPECT_PRED2(MatchesDigits, s.drift, r.drift);
        EXPECT_PRED2(MatchesDigits, s.shot, r.shot);
    }
}

// Worked examples with inputs the panel cannot hold: no wind, power 37 without the ring,
// wind 10, a power that the model does not read.
TEST(WorkedExamples, InputsBeyondThePanel)
{
    const struct {
        ShotModel run;
        ShotInputs in;
        const char *drift, *shot, *driftText, *shotText;
    } rows[] = {
        {Tomahawk1W, Inputs(37, 100, 0, 300, 0, 0, 0), "0", "102.769014085", "0", "102.76"},
        {Tomahawk3W, Inputs(37, 100, 0, 300, 0, 0, 0), "0", "115.128445633", "0", "115.12"},
        {BackSpin1W, Inputs(37, 100, 0, 300, 0, 0, 0), "0", "109.3812628", "0", "109.38"},
        {Tomahawk2I, Inputs(INT_MIN, 100, 0, 95, 0, 0, 0), "0", "52.71058441", "0", "52.710"},
        {Tomahawk2I, Inputs(INT_MAX, 75, 9, 310, -15, 270, 2), "6.815733768", "129", "6.8157", "129.00"},
        {BeamImpact6I, Inputs(99, 100, 0, 60, 0, 0, 0), "0", "60", "0", "60.000"},
        {BeamImpact6I, Inputs(0, 90, 10, 90, -20, 90, 0.5), "0.48024", "55.55", "0.4802", "55.550"},
        {BeamImpact6I, Inputs(0, 100, 0, 85, 6, 0, 0), "0", "108.33333333333333", "0", "108.33"},
        {BeamImpact6I, Inputs(0, 100, 0, 86, 6, 0, 0), "0", "110", "0", "110.00"},
        {BeamImpact6I, Inputs(0, 98, 0, 60, 0, 0, 0), "0", "61.2", "0", "61.200"},
    };
    for (const auto& row : rows) {
        const ShotResult r = row.run(row.in);
        EXPECT_EQ(std::string(r.driftText) + " " + r.shotText, std::string(row.driftText) + " " + row.shotText);
        EXPECT_PRED2(MatchesDigits, row.drift, r.drift);
        EXPECT_PRED2(MatchesDigits, row.shot, r.shot);
    }
}

// Inputs that are not finite or far outside the panel's values: every model answers with texts
// of the fields' width.
TEST(ShotModelInputs, BeyondEveryTable)
{
    const ShotModel models[] = {Tomahawk1W, Tomahawk2W, Tomahawk3W, Tomahawk2I, BackSpin1W,
                                BackSpin2W, BackSpin3W, BeamImpact6I, BeamImpact9I};
    for (ShotModel model : models) {
        for (int field = 0; field < 4; ++field) {
            for (double v : {kNaN, kInf, -kInf, 1e308, -1e308}) {
                ShotInputs in = Inputs(30, 100, 5, 200, 3, 45, 1);
                double* target[] = {&in.distance, &in.height, &in.direction, &in.slope};
                *target[field] = v;
                const ShotResult r = model(in);
                EXPECT_EQ(std::make_tuple(r.valid, *r.driftText != '\0', std::strlen(r.driftText) <= 6, std::strlen(r.shotText) <= 6),
                          std::make_tuple(true, true, true, true)) << field << " " << v << ": " << r.driftText << " " << r.shotText;
            }
        }
        EXPECT_EQ(std::make_pair(model(Inputs(30, INT_MIN, INT_MIN, 200, 3, 45, 1)).valid,
                                 model(Inputs(30, INT_MAX, INT_MAX, 200, 3, 45, 1)).valid), std::make_pair(true, true));
        // Beyond the strength table the cross wind stays: at direction 0 wind V is wind 1 with slope V - 1.
        for (int v : {-5, 10})
            EXPECT_EQ(model(Inputs(30, 100, v, 200, 3, 0, 0)).drift, model(Inputs(30, 100, 1, 200, 3, 0, v - 1)).drift) << v;
    }
}

// 429586.7296 * 10000 is 2^32 + 900000, whose low 32 bits snap; 214830 = 90 + 180 * 1193 passes
// 2^31, where the low 32 bits wrap.
TEST(WindSnap, NinetyDegreesModuloOneEightyByTheTruncatedDirection)
{
    for (double dir : {90.0, 270.0, -90.0, 450.0, -270.0, 90.00005, -90.00005, 90.0000999, 429586.7296})
        EXPECT_TRUE(CrossWindSnaps(dir)) << dir;
    for (double dir : {89.99999, 90.0001, 0.0, 180.0, 1e15, -1e15, 214830.0, kInf, -kInf, kNaN})
        EXPECT_FALSE(CrossWindSnaps(dir)) << dir;
    double wx;
    double wy;
    WindComponents(180, 1, &wx, &wy);
    EXPECT_EQ(wx, -1.0);
    EXPECT_NEAR(wy, 3.2e-15, 0.1e-15); // the along wind is never snapped
    WindComponents(90, 5, &wx, &wy);
    EXPECT_EQ(std::make_pair(wx, wy), std::make_pair(0.0, 5.0));
}

} // namespace
