// Tests of the shot models: the worked examples through the dispatcher and those the panel cannot
// hold, and inputs beyond every table.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "dispatch.h"
#include "panel_inputs.h"
#include "shot_models.h"
#include "table_shot_model.h"

namespace {

// The panel situations: the models' worked examples as the panel's controls can hold them.
// The inputs as the panel's controls hold them (ring and rain: ticked or not); per group Tomahawk,
// Back Spin, Beam Impact 'W' a model's texts or 'C' "---"; the group (0, 1 or 2)
// whose texts as the fields show them and values to the digits given follow.
struct Situation {
    const char *club, *power;
    bool ring;
    const char* fairway;
    bool rain;
    const char *wind, *distance, *height, *direction, *slope, *beam, *groups;
    int group;
    const char *driftText, *shotText, *drift, *shot;
};

// P above 35 is power 35 with the ring; fairway 98 and 73 are 100 and 75 with rain.
const Situation kSituations[] = {
    {"1W", "30", 0, "100", 0, "5", "200", "3", "45", "1", "6I", "WWC", 0, "2.7385", "77.701", "2.738582727", "77.701242647"},
    {"1W", "28", 0, "95", 0, "3", "180", "-6", "120", "0.5", "6I", "WWC", 0, "-0.580", "68.522", "-0.580310996", "68.522591375"},
    {"1W", "33", 0, "100", 1, "7", "150", "12", "300", "-1.5", "6I", "WWC", 0, "0.7111", "70.941", "0.711148189", "70.941213786"},
    {"1W", "20", 0, "75", 0, "9", "100", "-15", "270", "2", "6I", "WWC", 0, "0.8470", "46.000", "0.847059540", "46"},
    {"1W", "30", 0, "90", 0, "4", "250", "-3", "90", "0", "6I", "WWC", 0, "0", "93.269", "0", "93.269126308"},
    {"1W", "35", 0, "100", 0, "6", "320", "5", "200", "-1", "6I", "WWC", 0, "-12.70", "111.56", "-12.701482565", "111.565338633"},
    {"2W", "30", 0, "100", 0, "5", "200", "3", "45", "1", "6I", "WWC", 0, "3.3116", "80.290", "3.311607092", "80.290404862"},
    {"2W", "28", 0, "95", 0, "3", "180", "-6", "120", "0.5", "6I", "WWC", 0, "-0.683", "72.020", "-0.683200466", "72.020321792"},
    {"2W", "20", 0, "75", 0, "9", "100", "-15", "270", "2", "6I", "WWC", 0, "0.9554", "47.500", "0.955424877", "47.5"},
    {"2W", "35", 0, "100", 0, "6", "320", "5", "200", "-1", "6I", "WWC", 0, "-16.93", "119.86", "-16.937674544", "119.868132314"},
    {"2W", "25", 0, "100", 0, "5", "295", "3", "45", "1", "6I", "WWC", 0, "10.920", "117.00", "10.920428139", "117.003791825"},
    {"3W", "30", 0, "100", 0, "5", "200", "3", "45", "1", "6I", "WWC", 0, "4.0857", "84.644", "4.085717427", "84.644569725"},
    {"3W", "33", 0, "100", 1, "7", "150", "12", "300", "-1.5", "6I", "WWC", 0, "1.1623", "71.746", "1.162371941", "71.746873101"},
    {"3W", "20", 0, "75", 0, "9", "100", "-15", "270", "2", "6I", "WWC", 0, "1.0931", "51.004", "1.093115131", "51.004325096"},
    {"3W", "35", 0, "100", 0, "6", "320", "5", "200", "-1", "6I", "WWC", 0, "-19.35", "120.00", "-19.357372007", "120"},
    {"1W", "30", 0, "100", 0, "5", "200", "3", "45", "1", "6I", "WWC", 1, "4.2107", "87.721", "4.210721418", "87.72150847"},
    {"2W", "28", 0, "95", 0, "3", "180", "-6", "120", "0.5", "6I", "WWC", 1, "-1.125", "84.101", "-1.125258545", "84.10157186"},
    {"3W", "33", 0, "100", 1, "7", "150", "12", "300", "-1.5", "6I", "WWC", 1, "2.2046", "85.858", "2.204613048", "85.85837638"},
    {"1W", "20", 0, "75", 0, "9", "100", "-15", "270", "2", "6I", "WWC", 1, "1.0892", "44.309", "1.089265730", "44.30944452"},
    {"2I", "30", 0, "100", 0, "5", "150", "3", "45", "1", "6I", "WCC", 0, "3.9240", "79.250", "3.924016226", "79.25053185"},
    {"2I", "30", 1, "95", 0, "3", "120", "-6", "120", "0.5", "6I", "WCC", 0, "-0.658", "63.056", "-0.658712408", "63.05627304"},
    {"2I", "30", 1, "90", 0, "7", "200", "12", "300", "-1.5", "6I", "WCC", 0, "4.5636", "110.18", "4.563666648", "110.1863070"},
    {"2I", "30", 0, "75", 0, "9", "310", "-15", "270", "2", "6I", "WCC", 0, "6.8157", "129.00", "6.815733768", "129"},
    // A cross wind and a slope that cancel leave a drift of about 1e-15 yards: it reads as zero does.
    {"1W", "25", 0, "100", 0, "1", "200", "0", "60", "-0.5", "6I", "WWC", 0, "0", "79.264", "0.00000000000000058", "79.264587037"},
    {"1W", "25", 0, "100", 0, "1", "200", "0", "60", "-0.5", "6I", "WWC", 1, "0", "89.679", "0.00000000000000094", "89.679079262"},
    {"2I", "25", 0, "100", 0, "2", "80", "0", "60", "-1", "6I", "CCW", 2, "0", "85.877", "0.0000000000000013", "85.877656220"},
    {"1W", "25", 0, "95", 0, "5", "70", "3", "45", "1", "6I", "CCW", 2, "2.6485", "80.060", "2.648558097242489", "80.06042803484439"},
    {"1W", "25", 1, "100", 1, "8", "50", "-5", "300", "-2", "9I", "CCW", 2, "1.6169", "55.218", "1.6169567599198928", "55.21835448115145"},
    {"1W", "25", 0, "100", 0, "3", "20", "-15", "180", "0", "9I", "CCW", 2, "-1.635", "0.4545", "-1.6352999999999998", "0.45454545454544937"},
    {"1W", "25", 0, "100", 0, "4", "5", "-10", "135", "0", "6I", "CCW", 2, "-0.417", "-6.966", "-0.41721123753647066", "-6.966690475583122"},
};

// True when actual rounds to expected at the number of decimals expected is written with
// ("2.738582727" pins nine); one written with all its digits (16 characters or more from its first
// significant digit on) must read back exactly.
bool MatchesDigits(const std::string& expected, double actual)
{
    const std::size_t digits = expected.find_last_of("0123456789") - expected.find_first_of("123456789") + 1;
    const std::size_t point = expected.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(expected.size() - point - 1);
    const double value = std::strtod(expected.c_str(), nullptr);
    return digits >= 16 ? actual == value : std::fabs(actual - value) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-6);
}

// The situation as (input name, text) pairs, the names of vkcalc's options and CSV columns.
std::vector<std::pair<std::string, std::string>> Fields(const Situation& s)
{
    return {{"club", s.club}, {"power", s.power}, {"ring", s.ring ? "1" : "0"}, {"fairway", s.fairway},
            {"rain", s.rain ? "1" : "0"}, {"wind", s.wind}, {"distance", s.distance}, {"height", s.height},
            {"direction", s.direction}, {"slope", s.slope}, {"beam", s.beam}};
}

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// A ShotInputs record in the order the models' example tables give their columns (spin 0).
ShotInputs Inputs(int power, int fairway, int wind, double d, double h, double dir, double s, bool ring = false)
{
    return {power, 0, fairway, wind, d, h, dir, s, ring};
}

TEST(WorkedExamples, EverySituationAsThePanelShowsIt)
{
    for (const Situation& s : kSituations) {
        SCOPED_TRACE(std::string(s.club) + " power " + s.power + " at " + s.distance);
        PanelReading panel = StartupReading();
        for (const auto& field : Fields(s))
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
    // The model, its inputs; the drift and shot to the digits given, and their texts.
    const std::tuple<ShotModel, ShotInputs, const char*, const char*, const char*, const char*> rows[] = {
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
    for (const auto& [run, in, drift, shot, driftText, shotText] : rows) {
        const ShotResult r = run(in);
        EXPECT_EQ(std::string(r.driftText) + " " + r.shotText, std::string(driftText) + " " + shotText);
        EXPECT_PRED2(MatchesDigits, drift, r.drift);
        EXPECT_PRED2(MatchesDigits, shot, r.shot);
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
