// The table shot model family: parameter sets and the one evaluation routine.
#pragma once

#include <array>
#include <cstddef>

#include "shot_inputs.h"

// The shot table has one row per shot percentage x = 40..120.
constexpr int kShotTableRows = 81;
constexpr int kFirstShotPercent = 40;
// Effective powers that have a carry column: P = 20..37 (column j = P - 20).
constexpr int kMinShotPower = 20;
constexpr int kMaxShotPower = 37;

// One factor per power that has a carry column (index P - 20).
using PowerFactors = std::array<double, kMaxShotPower - kMinShotPower + 1>;

// The factors (base - P) * rate, base - P formed in integers, as the evaluation would form them.
constexpr PowerFactors PowerTrim(int base, double rate)
{
    PowerFactors factors{};
    for (int j = 0; j < static_cast<int>(factors.size()); ++j) {
        factors[j] = static_cast<double>(base - (kMinShotPower + j)) * rate;
    }
    return factors;
}

// Factor 1 for every power: a set without a power trim.
constexpr PowerFactors kNoPowerTrim = [] {
    PowerFactors ones{};
    for (double& one : ones) {
        one = 1.0;
    }
    return ones;
}();

// One piece of a per-row linear rule: rows x up to lastX take (x * m) + c.
// A rule written "x * m - c" is stored with c negated; IEEE subtraction is that addition.
struct RowPiece {
    int lastX;
    double m;
    double c;
};

// Height ladder: the first rung whose bound is not below h gives the factor; lastFactor above all.
struct LadderRung {
    double bound;
    double factor;
};
struct HeightLadder {
    const LadderRung* rungs = nullptr;
    int count = 0;
    double lastFactor = 1.0;
};

// A ladder of the given rungs, their number taken from the table itself.
template <std::size_t N>
constexpr HeightLadder Ladder(const LadderRung (&rungs)[N], double lastFactor)
{
    return {rungs, static_cast<int>(N), lastFactor};
}

// Distance weight table: pairs (offset in yards from the distance base, weight), 5 yards apart.
struct WeightPair {
    int offset;
    double weight;
};
struct WeightTable {
    const WeightPair* pairs = nullptr;
    int count = 0;
};

template <std::size_t N>
constexpr WeightTable Weights(const WeightPair (&pairs)[N])
{
    return {pairs, static_cast<int>(N)};
}

// How the carry column of the table is chosen.
enum class CarryColumn {
    ByPower, // f = powerFactorBase + 2 * (P - 20); P must lie in 20..37
    ByRing,  // f = ringPowerFactor[crimsonRing]; P is not read
};

// Whether the distance base B follows the power (B = 2P - offset) or is fixed (B = -offset).
enum class DistanceBase { FromPower, Fixed };

// How the shot percentage is finished from X2.
enum class ShotRule {
    FairwayRate, // Shot = (100 - F) * fairwayShotRate + X2
    BackSpin,    // Shot = ((X2 * shotSlope - shotOffset) * (100 - F) + q) + X2
};

// The power correction q of the BackSpin shot rule.
enum class PowerCorrection {
    None,
    IntegerQuotient, // q = (26 - P) / qDivisor in integers, truncating toward zero
    DoubleRate,      // q = (26 - P) * qRate in double
};

// Everything that differs between members of the family. Each set is written field by field
// (shot_params.cpp), so no value can take its neighbour's place; a field left out keeps the
// value here, which leaves the value it acts on as it is: a factor 1 or a pull 0 changes no bit.
struct ShotModelParams {
    std::array<RowPiece, 3> sensitivity{};   // S(x), column 1 of the table
    std::array<RowPiece, 2> carryPieces{};   // C(x) = ((((x * a) + b) * f) * x) * 0.01, a = m, b = c
    CarryColumn column = CarryColumn::ByPower;
    int powerFactorBase = 0;                 // f0 (CarryColumn::ByPower)
    std::array<int, 2> ringPowerFactor{};    // f without / with the Crimson Ring (CarryColumn::ByRing)
    std::array<double, 10> windPowerMul{};   // M(V) for V = 0..9; any other V takes 1
    bool windMulOnAlongWind = false;         // M also multiplies the along-wind term of D2
    HeightLadder heightLadder;
    double heightScale = 1.0;
    DistanceBase distanceBase = DistanceBase::FromPower;
    int distanceBaseOffset = 0;
    WeightTable weights;
    double nearWeight = 0;
    double farWeight = 0;
    bool farFromAbsoluteEnd = false;         // d at or beyond the last offset in absolute yards takes farWeight
    double weightPullUp = 0;                 // compress W toward 1 by weightPullUp / weightPullDown
    double weightPullDown = 0;
    double weightScale = 1.0;                // HC = (W * weightScale) * HM
    double lateralScale = 1.0;
    HeightLadder lateralLadder;
    std::array<double, 3> growthRates{};     // d < C(90), d < C(95), otherwise
    double driftScale = 1.0;
    double alongWindFactor = 1.0;
    PowerFactors powerTrim = kNoPowerTrim;   // K(P), which multiplies D2; any other P takes 1
    ShotRule shotRule = ShotRule::FairwayRate;
    double fairwayShotRate = 0;
    double shotSlope = 0;
    double shotOffset = 0;
    PowerCorrection powerCorrection = PowerCorrection::None;
    int powerCorrectionBase = 26;            // the 26 of (26 - P)
    int qDivisor = 1;
    double qRate = 0;
};

// Evaluates the family's member of this parameter set: the sensitivity at the carry that the wind
// and the height leave, the drift, then the shot percentage of the carry the shot must produce.
// A power without a carry column gives an invalid result (see ShotResult) and reads no table.
ShotResult EvaluateShotModel(const ShotInputs& in, const ShotModelParams& params);

// Height factor of a ladder for height h (NaN takes the last factor).
double LadderFactor(const HeightLadder& ladder, double h);

// True when the cross wind of this direction snaps to zero (90 degrees modulo 180, by the
// truncated direction * 10000 and its low 32 bits).
bool CrossWindSnaps(double direction);

// Wind components of direction (degrees) and wind power: cross wind WX, along wind WY.
void WindComponents(double direction, int windPower, double* wx, double* wy);

// A valid result with the display texts of drift and shot; a nonzero magnitude below 0.00001
// reads "0", as zero does. The values stay exactly as given.
ShotResult MakeShotResult(double drift, double shot);
