// The one evaluation routine of the table shot model family, and the wind and result helpers.
//
// All arithmetic is double, one rounded operation at a time, in the order written (the
// library is built with -ffp-contract=off). Integer sub-expressions are formed in 64 bits
// first, so that no ShotInputs value can overflow them.
#include "table_shot_model.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "decimal_text.h"

namespace {

// Radians per degree: the double of 3.14159265358979 / 180.
constexpr double kRadiansPerDegree = 0.017453292519943278;

// Directions are snapped on the integer trunc(dir * 10000); 90 degrees is 900000 of those.
constexpr double kSnapScale = 10000.0;
constexpr int32_t kSnapPeriod = 1800000;
constexpr int32_t kSnapQuarter = 900000;

// The smallest output magnitude that a field shows as a number: the fixed form's lower bound.
constexpr double kSmallestShownOutput = 0.00001;

// Value of a piecewise row rule at row x (pieces ordered by lastX; the last covers x = 120).
double RowRule(const std::array<RowPiece, 3>& pieces, int x)
{
    std::size_t i = 0;
    while (i + 1 < pieces.size() && x > pieces[i].lastX) {
        ++i;
    }
    return (static_cast<double>(x) * pieces[i].m) + pieces[i].c;
}

// One column of the shot table, evaluated per row when it is read: columns 0 and 1 and the
// carry column of factor f. Each value is computed exactly as the table would hold it.
struct ShotColumns {
    const ShotModelParams* params;
    double f;

    double X(int r) const { return static_cast<double>(kFirstShotPercent + r); }

    double S(int r) const { return RowRule(params->sensitivity, kFirstShotPercent + r); }

    // C(x) = ((((x * a) + b) * f) * x) * 0.01 with the carry piece of row x.
    double C(int r) const
    {
        const int xi = kFirstShotPercent + r;
        const double x = static_cast<double>(xi);
        const RowPiece& piece = xi <= params->carryPieces[0].lastX ? params->carryPieces[0] : params->carryPieces[1];
        return ((((x * piece.m) + piece.c) * f) * x) * 0.01;
    }
};

// The power factor f of the inputs' carry column; false when the power has no column.
bool CarryFactor(const ShotInputs& in, const ShotModelParams& p, double* f)
{
    if (p.column == CarryColumn::ByRing) {
        *f = static_cast<double>(p.ringPowerFactor[in.crimsonRing ? 1 : 0]);
        return true;
    }
    if (in.power < kMinShotPower || in.power > kMaxShotPower) {
        return false;
    }
    *f = static_cast<double>(p.powerFactorBase + 2 * (in.power - kMinShotPower));
    return true;
}

// Row r of the interval that holds a key already known to lie inside the column (C(0) <= key <
// C(80)): C(r) <= key < C(r + 1), or with closedAtTop C(r) < key <= C(r + 1). The column rises
// strictly, so halving the interval finds the same row as a scan. A key that matches no row
// (NaN) ends in the last interval: the index stays in range and the NaN flows on through the
// interpolation.
int RowOf(const ShotColumns& table, double key, bool closedAtTop)
{
    int low = 0;
    int high = kShotTableRows - 1;
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        const double c = table.C(mid);
        if (key < c || (closedAtTop && key == c)) {
            high = mid;
        } else {
            low = mid;
        }
    }
    return low;
}

// True when the set gives farWeight to every d at or beyond its last offset in absolute yards.
bool BeyondAbsoluteEnd(const ShotModelParams& p, double d)
{
    return p.farFromAbsoluteEnd && d >= static_cast<double>(p.weights.pairs[p.weights.count - 1].offset);
}

// Distance weight W of the distance d from the distance base, before its pull toward 1.
double DistanceWeight(const ShotModelParams& p, double d, long long base)
{
    const WeightPair* pairs = p.weights.pairs;
    const int last = p.weights.count - 1;
    // The sums B + o_k are formed as integers, then taken as doubles.
    double weight;
    if (d < static_cast<double>(base + pairs[0].offset)) {
        weight = p.nearWeight;
    } else if (d < static_cast<double>(base + pairs[last].offset)) {
        int k = 0;
        while (k < last - 1 && !(d < static_cast<double>(base + pairs[k + 1].offset))) {
            ++k;
        }
        const double lower = static_cast<double>(base + pairs[k].offset);
        weight = ((pairs[k + 1].weight - pairs[k].weight) * (d - lower)) * 0.2 + pairs[k].weight;
    } else {
        weight = p.farWeight;
    }
    if (BeyondAbsoluteEnd(p, d)) {
        weight = p.farWeight;
    }
    return weight;
}

// The result of a model asked for something it cannot serve: NaN values, texts "error".
ShotResult InvalidShotResult()
{
    ShotResult result;
    result.drift = std::numeric_limits<double>::quiet_NaN();
    result.shot = std::numeric_limits<double>::quiet_NaN();
    std::strcpy(result.driftText, "error");
    std::strcpy(result.shotText, "error");
    result.valid = false;
    return result;
}

// The field text of one model output. A magnitude below 0.00001 is a rounding remainder (a cross
// wind and a slope that cancel leave about 1e-15), not a distance or a percentage: it shows as zero
// shows, "0", where the cut of its exponent form would show the mantissa as yards ("5.8138").
void OutputText(double value, char* text)
{
    if (std::fabs(value) < kSmallestShownOutput) {
        value = 0.0;
    }
    CutToSixChars(DecimalText(value, text));
}

} // namespace

double LadderFactor(const HeightLadder& ladder, double h)
{
    for (int i = 0; i < ladder.count; ++i) {
        if (ladder.rungs[i].bound >= h) {
            return ladder.rungs[i].factor;
        }
    }
    return ladder.lastFactor;
}

bool CrossWindSnaps(double direction)
{
    // n is the low 32 bits of the 64-bit truncation, read as signed; 0 when the value has no
    // 64-bit truncation (magnitude 2^63 or more, infinity, NaN).
    const double scaled = direction * kSnapScale;
    int32_t n = 0;
    if (std::fabs(scaled) < 9223372036854775808.0) {
        const int64_t truncated = static_cast<int64_t>(scaled);
        const uint32_t low = static_cast<uint32_t>(static_cast<uint64_t>(truncated));
        std::memcpy(&n, &low, sizeof n);
    }
    const int32_t remainder = n % kSnapPeriod;
    return remainder == kSnapQuarter || remainder == -kSnapQuarter;
}

void WindComponents(double direction, int windPower, double* wx, double* wy)
{
    const double angle = direction * kRadiansPerDegree;
    const double v = static_cast<double>(windPower);
    *wx = std::cos(angle) * v;
    *wy = std::sin(angle) * v;
    if (CrossWindSnaps(direction)) {
        *wx = 0.0;
    }
}

ShotResult MakeShotResult(double drift, double shot)
{
    ShotResult result;
    result.drift = drift;
    result.shot = shot;
    OutputText(drift, result.driftText);
    OutputText(shot, result.shotText);
    result.valid = true;
    return result;
}

namespace {

// What the carry part of an evaluation hands to the drift and shot part.
struct CarryReading {
    double wx;    // cross wind, after the wind strength factor
    double wy;    // along wind
    double m;     // the wind strength factor M(V)
    double range; // slant range to the target, sqrt(d^2 + h^2)
    double hc;    // height correction: the distance weight times the height term
    double x1;    // sensitivity at the carry that the wind and the height leave
};

// The wind, the fixed factors, the distance weight and the height correction, then the
// sensitivity X1 at the carry D1 that they leave. The wind components, the fairway divisor, the
// strength factor and the height term depend on the inputs alone: only their use binds the order.
CarryReading ReadCarry(const ShotInputs& in, const ShotModelParams& p, const ShotColumns& table)
{
    const double d = in.distance;
    const double h = in.height;
    CarryReading c{};

    // Wind components; the cross wind is snapped to zero at 90 degrees modulo 180.
    WindComponents(in.direction, in.windPower, &c.wx, &c.wy);

    // Fairway divisor and slant range. Each square is one multiplication, the correctly rounded
    // square: the C library's power function is not correctly rounded for every argument, and an
    // optimising build turns pow(x, 2.0) into x * x, so with it the last digits would depend on
    // the build.
    const double ff = 1.0 - static_cast<double>(100LL - in.fairway) * 0.004;
    c.range = std::sqrt(d * d + h * h);

    // Wind strength factor on the cross wind; a wind power beyond the table takes none.
    const bool inTable = in.windPower >= 0 && in.windPower < static_cast<int>(p.windPowerMul.size());
    c.m = inTable ? p.windPowerMul[in.windPower] : 1.0;
    c.wx = c.wx * c.m;

    // Height term.
    const double hm = (h * LadderFactor(p.heightLadder, h)) * p.heightScale;

    // Distance weight from the distance base, then its pull toward 1.
    const long long base = p.distanceBase == DistanceBase::FromPower
        ? 2LL * in.power - p.distanceBaseOffset
        : -static_cast<long long>(p.distanceBaseOffset);
    double w = DistanceWeight(p, d, base);
    if (BeyondAbsoluteEnd(p, d) || w < 1.0) {
        w = w + (1.0 - w) * p.weightPullUp;
    } else {
        w = w - (w - 1.0) * p.weightPullDown;
    }
    c.hc = (w * p.weightScale) * hm;

    // The carry that the height and the along wind leave, and the sensitivity there, clamped at
    // the table's ends.
    const double d1 = ((d - c.hc) - c.wy) / ff;
    constexpr int kLast = kShotTableRows - 1;
    if (d1 < table.C(0)) {
        c.x1 = table.S(0);
    } else if (d1 >= table.C(kLast)) {
        c.x1 = table.S(kLast);
    } else {
        const int r = RowOf(table, d1, false);
        const double c0 = table.C(r);
        const double c1 = table.C(r + 1);
        c.x1 = ((table.S(r + 1) - table.S(r)) / (c1 - c0)) * (d1 - c0) + table.S(r);
    }
    return c;
}

// The drift from the sensitivity, then the carry that the shot must produce and its shot
// percentage, and both texts.
ShotResult DriftAndShot(const ShotInputs& in, const ShotModelParams& p, const ShotColumns& table, const CarryReading& c)
{
    const double d = in.distance;
    const long long fairwayGap = 100LL - in.fairway; // 100 - F, in integers

    // Lateral term: cross wind plus slope, times the sensitivity.
    const double lateral = (((c.wx + in.slope) * c.x1) * p.lateralScale) * LadderFactor(p.lateralLadder, in.height);

    // Growth and drift; the rate is chosen by the distance, the reference carry is C(90).
    const double c90 = table.C(90 - kFirstShotPercent);
    const double c95 = table.C(95 - kFirstShotPercent);
    double rate;
    if (d < c90) {
        rate = p.growthRates[0];
    } else if (d < c95) {
        rate = p.growthRates[1];
    } else {
        rate = p.growthRates[2];
    }
    const double g = (c.range - c90) * rate + 1.0;
    const double drift = (g * lateral) * p.driftScale;

    // Carry the shot must produce; the height correction enters with the other sign than in D1.
    double along = g * c.x1;
    if (p.windMulOnAlongWind) {
        along = along * c.m;
    }
    along = (along * c.wy) * p.alongWindFactor;
    const bool hasTrim = in.power >= kMinShotPower && in.power <= kMaxShotPower;
    const double k = hasTrim ? p.powerTrim[in.power - kMinShotPower] : 1.0;
    const double d2 = ((c.hc + d) - along) * k;

    // Shot percentage X2 at carry D2, clamped to 40..120.
    constexpr int kLast = kShotTableRows - 1;
    double x2;
    if (d2 <= table.C(0)) {
        x2 = table.X(0);
    } else if (d2 >= table.C(kLast)) {
        x2 = table.X(kLast);
    } else {
        const int r = RowOf(table, d2, true);
        const double c0 = table.C(r);
        x2 = (d2 - c0) / (table.C(r + 1) - c0) + table.X(r);
    }

    // Fairway (and for Back Spin, power) correction of the shot.
    double shot;
    if (p.shotRule == ShotRule::FairwayRate) {
        shot = static_cast<double>(fairwayGap) * p.fairwayShotRate + x2;
    } else {
        const long long powerGap = static_cast<long long>(p.powerCorrectionBase) - in.power;
        double q = 0.0;
        if (p.powerCorrection == PowerCorrection::IntegerQuotient) {
            q = static_cast<double>(powerGap / p.qDivisor);
        } else if (p.powerCorrection == PowerCorrection::DoubleRate) {
            q = static_cast<double>(powerGap) * p.qRate;
        }
        shot = ((x2 * p.shotSlope - p.shotOffset) * static_cast<double>(fairwayGap) + q) + x2;
    }
    return MakeShotResult(drift, shot);
}

} // namespace

ShotResult EvaluateShotModel(const ShotInputs& in, const ShotModelParams& p)
{
    // Only the rows of the shot table that are read are computed, each as the full table would
    // hold it; a power without a carry column reads nothing.
    double f;
    if (!CarryFactor(in, p, &f)) {
        return InvalidShotResult();
    }
    const ShotColumns table{&p, f};
    return DriftAndShot(in, p, table, ReadCarry(in, p, table));
}
