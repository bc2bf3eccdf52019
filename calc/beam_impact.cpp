// The Beam Impact model: height and along-wind corrected carry looked up in the reach table.
//
// Arithmetic is double, one rounded operation at a time, in the order written.
#include <iterator>

#include "shot_models.h"
#include "table_shot_model.h"

namespace {

// Rows of the reach table: shot percentages 0, 5, ..., 110.
constexpr int kReachRows = 23;

// What differs between the two irons.
struct BeamImpactParams {
    double alongWindRate;     // c1, along-wind correction per yard and wind unit
    double driftRate;         // c2, drift per yard and lateral unit
    double ringDriftFactor;   // c3, drift factor with the Crimson Ring
    double ringReachFactor;   // c4, scale of the carry column with the Crimson Ring
    double fairwayShotFactor; // c5, relative shot increase per fairway point below 100
    int carryColumn;          // 0: 6I, 1: 9I
};

// Carry in yards at shot percentage 5 * i: 6I, 9I. Both columns rise strictly.
constexpr double kReachCarry[][2] = {
    {0, 0}, {5.5, 5.5}, {11.5, 10.5}, {17.5, 15.5}, {23.5, 20}, {29, 24.5}, {34, 29}, {39, 33.5},
    {43.5, 37.5}, {48, 41.5}, {52, 45.5}, {56, 49.5}, {60, 53.5}, {64, 57.5}, {67.5, 61},
    {71, 64.5}, {74.5, 68}, {78, 71.5}, {81.5, 75}, {85, 78}, {88.5, 81}, {92, 84}, {95, 87},
};
static_assert(std::size(kReachCarry) == kReachRows, "one reach row per 5 % from 0 to 110");

// Height multiplier, first rung that h satisfies. The factor 1 leaves h as it is and the
// factor 2 above 14 metres is h + h; both products are exact, so they equal those forms.
constexpr LadderRung kBeamHeightRungs[] = {
    {-14, 1.3}, {-12, 1.2}, {-10, 1.15}, {-8, 1.1}, {-6, 1.05}, {-4, 1.0}, {0, 0.9},
    {4, 1.4}, {6, 1.5}, {8, 1.6}, {10, 1.7}, {12, 1.8}, {14, 1.9},
};
constexpr HeightLadder kBeamHeightLadder = Ladder(kBeamHeightRungs, 2.0);

// c1 along wind, c2 drift, c3 ring drift, c4 ring reach (36/35, 57/55), c5 fairway, the column.
constexpr BeamImpactParams k6I = {0.01, 0.0092, 0.9722222222222223, 1.0285714285714285, 0.01, 0};
constexpr BeamImpactParams k9I = {0.015, 0.013800000000000002, 0.9649122807017544, 1.0363636363636364, 0.0085, 1};

// The Beam Impact result of one iron: the drift from the ground distance, then the shot
// percentage of the carry the shot must produce, looked up in the iron's reach column.
ShotResult EvaluateBeamImpact(const ShotInputs& in, const BeamImpactParams& p)
{
    const double d = in.distance;
    const double h = in.height;

    // Wind components (cross wind snapped at 90 degrees modulo 180).
    double wx;
    double wy;
    WindComponents(in.direction, in.windPower, &wx, &wy);

    // Height adjusted by its ladder.
    const double ha = h * LadderFactor(kBeamHeightLadder, h);

    // Ground distance.
    const double a = d - ha;

    // Along-wind correction, in yards.
    const double t = (a * wy) * p.alongWindRate;

    // Drift: the ground distance less the along-wind correction, times cross wind plus slope.
    double drift = ((a - t) * (wx + in.slope)) * p.driftRate;
    if (in.crimsonRing) {
        drift = drift * p.ringDriftFactor;
    }

    // Effective carry; the height enters with the opposite sign to the ground distance.
    const double e = (ha + d) - t;

    // This run's copy of the iron's carry column, scaled for the ring.
    double y[kReachRows];
    for (int i = 0; i < kReachRows; ++i) {
        y[i] = kReachCarry[i][p.carryColumn];
        if (in.crimsonRing) {
            y[i] = y[i] * p.ringReachFactor;
        }
    }

    // Table percentage. Beyond the table: 110; at or below zero carry: the carry itself.
    // Otherwise the row i with y[i] < e <= y[i + 1]; a NaN carry takes the last row and stays NaN.
    double pct;
    if (e >= y[kReachRows - 1]) {
        pct = 110.0;
    } else if (e <= y[0]) {
        pct = e;
    } else {
        int i = 0;
        while (i < kReachRows - 2 && !(e <= y[i + 1])) {
            ++i;
        }
        pct = e - y[i];
        pct = pct * 5.0;
        pct = pct / (y[i + 1] - y[i]);
        pct = pct + static_cast<double>(5 * i);
    }

    // Fairway correction, 100 - F formed in integers.
    const double fairwayGap = static_cast<double>(100LL - in.fairway);
    const double shot = (pct * p.fairwayShotFactor) * fairwayGap + pct;

    return MakeShotResult(drift, shot);
}

} // namespace

ShotResult BeamImpact6I(const ShotInputs& in) { return EvaluateBeamImpact(in, k6I); }
ShotResult BeamImpact9I(const ShotInputs& in) { return EvaluateBeamImpact(in, k9I); }
