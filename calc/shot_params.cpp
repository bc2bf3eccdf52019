// The seven parameter sets of the table shot model family, and the models they make.
#include "shot_models.h"

#include <array>

#include "table_shot_model.h"

namespace {

// ---- Tables shared by the Tomahawk models ----

// Wind strength factor M(V), V = 0..9; V = 0 and 1 leave the cross wind as it is.
constexpr std::array kTomahawkWindPowerMul = {1.0, 1.0, 1.003, 1.008, 1.011, 1.015, 1.018, 1.023, 1.027, 1.03};

// Sensitivity S(x): x * 0.01 - 0.1 (x <= 80), x * 0.025 - 1.3 (x <= 92), x * 0.03 - 1.76.
constexpr std::array kTomahawkSensitivity = {RowPiece{80, 0.01, -0.1}, RowPiece{92, 0.025, -1.3}, RowPiece{120, 0.03, -1.76}};

constexpr LadderRung kTomahawkHeightRungs[] = {
    {-14, 1.12}, {-13, 1.105}, {-12, 1.09}, {-11, 1.075}, {-10, 1.06}, {-9, 1.045}, {-8, 1.03},
    {-7, 1.015}, {-6, 1.0}, {-5, 0.985}, {-4, 0.97}, {-2, 0.94}, {0, 0.92}, {2, 1.15}, {4, 1.3},
    {5, 1.32}, {6, 1.34}, {7, 1.36}, {8, 1.38}, {9, 1.4}, {10, 1.42}, {11, 1.44}, {12, 1.46},
    {13, 1.47}, {14, 1.48},
};
constexpr HeightLadder kTomahawkHeightLadder = Ladder(kTomahawkHeightRungs, 1.5);

constexpr LadderRung kTomahawk1WLateralRungs[] = {
    {-14, 0.93}, {-13, 0.94}, {-12, 0.95}, {-11, 0.955}, {-10, 0.96}, {-9, 0.965}, {-8, 0.97},
    {-7, 0.975}, {-6, 0.98}, {-5, 0.985}, {-4, 0.99}, {0, 1.0}, {4, 1.0}, {5, 1.005}, {6, 1.01},
    {7, 1.015}, {8, 1.02}, {9, 1.03}, {10, 1.04}, {11, 1.045}, {12, 1.05}, {13, 1.06}, {14, 1.07},
};
constexpr HeightLadder kTomahawk1WLateralLadder = Ladder(kTomahawk1WLateralRungs, 1.11);

constexpr LadderRung kTomahawkWoodLateralRungs[] = {
    {-14, 0.93}, {-13, 0.94}, {-12, 0.95}, {-11, 0.955}, {-10, 0.96}, {-9, 0.965}, {-8, 0.97},
    {-7, 0.975}, {-6, 0.98}, {-5, 0.985}, {-4, 0.99}, {0, 1.0}, {4, 1.005}, {5, 1.015}, {6, 1.025},
    {7, 1.031}, {8, 1.037}, {9, 1.049}, {10, 1.062}, {11, 1.069}, {12, 1.077}, {13, 1.086}, {14, 1.09},
};
constexpr HeightLadder kTomahawkWoodLateralLadder = Ladder(kTomahawkWoodLateralRungs, 1.14);

// Distance weights at offsets 140..300 yards from the distance base.
constexpr WeightPair kTomahawkWeightPairs[] = {
    {140, 2.0}, {145, 1.92}, {150, 1.855}, {155, 1.763}, {160, 1.637}, {165, 1.52}, {170, 1.38},
    {175, 1.318}, {180, 1.29}, {185, 1.27}, {190, 1.19}, {195, 1.122}, {200, 1.07}, {205, 1.03},
    {210, 1.015}, {215, 0.95}, {220, 0.94}, {225, 0.9}, {230, 0.81}, {235, 0.77}, {240, 0.73},
    {245, 0.69}, {250, 0.65}, {255, 0.64}, {260, 0.63}, {265, 0.6}, {270, 0.58}, {275, 0.55},
    {280, 0.54}, {285, 0.53}, {290, 0.52}, {295, 0.51}, {300, 0.5},
};
constexpr WeightTable kTomahawkWeights = Weights(kTomahawkWeightPairs);

// ---- Tables of the Tomahawk 2I ----

constexpr LadderRung k2IHeightRungs[] = {
    {-14, 1.09}, {-13, 1.085}, {-12, 1.08}, {-11, 1.05}, {-10, 1.02}, {-9, 0.99}, {-8, 0.96},
    {-7, 0.945}, {-6, 0.93}, {-5, 0.915}, {-4, 0.9}, {-2, 0.88}, {0, 0.87}, {2, 1.2}, {4, 1.35},
    {5, 1.355}, {6, 1.36}, {7, 1.38}, {8, 1.4}, {9, 1.415}, {10, 1.43}, {11, 1.45}, {12, 1.47},
    {13, 1.485}, {14, 1.5},
};
constexpr HeightLadder k2IHeightLadder = Ladder(k2IHeightRungs, 1.52);

constexpr LadderRung k2ILateralRungs[] = {
    {-14, 0.94}, {-13, 0.95}, {-12, 0.96}, {-11, 0.962}, {-10, 0.965}, {-9, 0.968}, {-8, 0.97},
    {-7, 0.972}, {-6, 0.975}, {-5, 0.978}, {-4, 0.98}, {0, 0.99}, {4, 1.0}, {5, 1.01}, {6, 1.02},
    {7, 1.045}, {8, 1.07}, {9, 1.095}, {10, 1.12}, {11, 1.14}, {12, 1.16}, {13, 1.17}, {14, 1.18},
};
constexpr HeightLadder k2ILateralLadder = Ladder(k2ILateralRungs, 1.2);

// ---- Tables shared by the Back Spin models ----

// Sensitivity S(x) of Back Spin 1W and of Back Spin 2W and 3W: x * 0.005 + 0.24 (or + 0.3) up to
// x = 80, then the Tomahawk pieces (the 1W skips the middle one).
constexpr std::array kBackSpin1WSensitivity = {RowPiece{80, 0.005, 0.24}, RowPiece{92, 0.03, -1.76},
                                               RowPiece{120, 0.03, -1.76}};
constexpr std::array kBackSpinWoodSensitivity = {RowPiece{80, 0.005, 0.3}, RowPiece{92, 0.025, -1.3},
                                                 RowPiece{120, 0.03, -1.76}};

constexpr std::array kBackSpinWindPowerMul = {1.0, 1.0, 1.005, 1.01, 1.012, 1.015, 1.022, 1.03, 1.035, 1.04};

constexpr LadderRung kBackSpinHeightRungs[] = {
    {-14, 1.15}, {-13, 1.135}, {-12, 1.12}, {-11, 1.105}, {-10, 1.09}, {-9, 1.075}, {-8, 1.06},
    {-7, 1.045}, {-6, 1.03}, {-5, 1.015}, {-4, 1.0}, {0, 1.0}, {4, 1.0}, {5, 1.05}, {6, 1.1},
    {7, 1.14}, {8, 1.18}, {9, 1.22}, {10, 1.26}, {11, 1.3}, {12, 1.34}, {13, 1.38}, {14, 1.42},
};
constexpr HeightLadder kBackSpinHeightLadder = Ladder(kBackSpinHeightRungs, 1.5);

// The three lateral ladders agree up to h = 8 and differ above.
constexpr LadderRung kBackSpin1WLateralRungs[] = {
    {-14, 0.91}, {-13, 0.92}, {-12, 0.93}, {-11, 0.935}, {-10, 0.94}, {-9, 0.945}, {-8, 0.95},
    {-7, 0.955}, {-6, 0.96}, {-5, 0.965}, {-4, 0.97}, {-2, 0.98}, {0, 0.99}, {2, 0.995}, {4, 1.0},
    {5, 1.01}, {6, 1.02}, {7, 1.045}, {8, 1.07}, {9, 1.1}, {10, 1.13}, {11, 1.15}, {12, 1.17},
    {13, 1.195}, {14, 1.22},
};
constexpr HeightLadder kBackSpin1WLateralLadder = Ladder(kBackSpin1WLateralRungs, 1.3);

constexpr LadderRung kBackSpin2WLateralRungs[] = {
    {-14, 0.91}, {-13, 0.92}, {-12, 0.93}, {-11, 0.935}, {-10, 0.94}, {-9, 0.945}, {-8, 0.95},
    {-7, 0.955}, {-6, 0.96}, {-5, 0.965}, {-4, 0.97}, {-2, 0.98}, {0, 0.99}, {2, 0.995}, {4, 1.0},
    {5, 1.01}, {6, 1.02}, {7, 1.045}, {8, 1.07}, {9, 1.09}, {10, 1.11}, {11, 1.12}, {12, 1.13},
    {13, 1.15}, {14, 1.17},
};
constexpr HeightLadder kBackSpin2WLateralLadder = Ladder(kBackSpin2WLateralRungs, 1.23);

constexpr LadderRung kBackSpin3WLateralRungs[] = {
    {-14, 0.91}, {-13, 0.92}, {-12, 0.93}, {-11, 0.935}, {-10, 0.94}, {-9, 0.945}, {-8, 0.95},
    {-7, 0.955}, {-6, 0.96}, {-5, 0.965}, {-4, 0.97}, {-2, 0.98}, {0, 0.99}, {2, 0.995}, {4, 1.0},
    {5, 1.01}, {6, 1.02}, {7, 1.035}, {8, 1.05}, {9, 1.065}, {10, 1.08}, {11, 1.1}, {12, 1.12},
    {13, 1.14}, {14, 1.16},
};
constexpr HeightLadder kBackSpin3WLateralLadder = Ladder(kBackSpin3WLateralRungs, 1.22);

// Distance weights at offsets 140..280 yards from the distance base.
constexpr WeightPair kBackSpin1WWeightPairs[] = {
    {140, 1.9}, {145, 1.85}, {150, 1.8}, {155, 1.73}, {160, 1.55}, {165, 1.42}, {170, 1.31},
    {175, 1.27}, {180, 1.23}, {185, 1.17}, {190, 1.1}, {195, 1.06}, {200, 1.02}, {205, 1.0},
    {210, 0.98}, {215, 0.94}, {220, 0.9}, {225, 0.84}, {230, 0.74}, {235, 0.64}, {240, 0.5},
    {245, 0.48}, {250, 0.47}, {255, 0.46}, {260, 0.45}, {265, 0.44}, {270, 0.43}, {275, 0.42},
    {280, 0.4},
};
constexpr WeightTable kBackSpin1WWeights = Weights(kBackSpin1WWeightPairs);

constexpr WeightPair kBackSpin2WWeightPairs[] = {
    {140, 1.9}, {145, 1.85}, {150, 1.8}, {155, 1.73}, {160, 1.55}, {165, 1.42}, {170, 1.31},
    {175, 1.27}, {180, 1.23}, {185, 1.17}, {190, 1.1}, {195, 1.06}, {200, 1.02}, {205, 1.0},
    {210, 0.98}, {215, 0.94}, {220, 0.9}, {225, 0.82}, {230, 0.72}, {235, 0.61}, {240, 0.5},
    {245, 0.46}, {250, 0.43}, {255, 0.41}, {260, 0.4}, {265, 0.38}, {270, 0.37}, {275, 0.36},
    {280, 0.35},
};
constexpr WeightTable kBackSpin2WWeights = Weights(kBackSpin2WWeightPairs);

constexpr WeightPair kBackSpin3WWeightPairs[] = {
    {140, 1.9}, {145, 1.85}, {150, 1.8}, {155, 1.73}, {160, 1.55}, {165, 1.42}, {170, 1.38},
    {175, 1.35}, {180, 1.32}, {185, 1.2}, {190, 1.1}, {195, 1.06}, {200, 1.02}, {205, 1.01},
    {210, 0.99}, {215, 0.94}, {220, 0.89}, {225, 0.85}, {230, 0.79}, {235, 0.69}, {240, 0.58},
    {245, 0.48}, {250, 0.43}, {255, 0.41}, {260, 0.4}, {265, 0.38}, {270, 0.37}, {275, 0.36},
    {280, 0.35},
};
constexpr WeightTable kBackSpin3WWeights = Weights(kBackSpin3WWeightPairs);


// ---- The seven sets, each told field by field, one line per step; a field not set keeps the
// default that leaves its step's value as it is. The Tomahawk 2W, 3W and 2I are told as changes
// of the 1W, the Back Spin 2W and 3W as changes of the Back Spin 1W. ----

constexpr ShotModelParams Tomahawk1WSet()
{
    ShotModelParams p;
    p.sensitivity = kTomahawkSensitivity;
    p.carryPieces[0] = p.carryPieces[1] = {120, 0.002, 0.81}; // a, b
    p.powerFactorBase = 250;
    p.windPowerMul = kTomahawkWindPowerMul;
    p.heightLadder = kTomahawkHeightLadder;
    p.distanceBaseOffset = 40; // B = 2P - 40
    p.weights = kTomahawkWeights; p.nearWeight = 2.0; p.farWeight = 0.5; p.farFromAbsoluteEnd = true; // from 300 yards
    p.lateralLadder = kTomahawk1WLateralLadder;
    p.growthRates = {0.0016666666666666668, 0.0022222222222222222, 0.0029411764705882353}; // 1/600, 1/450, 1/340
    p.alongWindFactor = 0.7;
    p.powerTrim = PowerTrim(1025, 0.001); // K = (1025 - P) * 0.001
    p.fairwayShotRate = 0.24;
    return p;
}

constexpr ShotModelParams Tomahawk2WSet()
{
    ShotModelParams p = Tomahawk1WSet();
    p.carryPieces[0] = p.carryPieces[1] = {120, 0.001, 0.92};
    p.powerFactorBase = 230;
    p.heightScale = 0.88;
    p.distanceBaseOffset = 60;
    p.weightPullUp = 0.28; p.weightPullDown = 0.25;
    p.lateralLadder = kTomahawkWoodLateralLadder;
    p.driftScale = 1.117;
    p.alongWindFactor = 0.8;
    p.fairwayShotRate = 0.3;
    return p;
}

constexpr ShotModelParams Tomahawk3WSet()
{
    ShotModelParams p = Tomahawk2WSet();
    p.carryPieces[0] = p.carryPieces[1] = {120, 0.001, 0.94};
    p.powerFactorBase = 210;
    p.heightScale = 0.77;
    p.distanceBaseOffset = 80;
    p.weightPullUp = 0.4; p.weightPullDown = 0.37;
    p.driftScale = 1.195;
    p.alongWindFactor = 0.92;
    p.fairwayShotRate = 0.42;
    return p;
}

// The 2I: two carry columns chosen by the Crimson Ring, weights read at fixed distances
// (offset - 60 yards), no along-wind factor and no power trim.
constexpr ShotModelParams Tomahawk2ISet()
{
    ShotModelParams p = Tomahawk1WSet();
    p.carryPieces[0] = p.carryPieces[1] = {120, 0.00187, 0.85};
    p.column = CarryColumn::ByRing; p.ringPowerFactor = {190, 194};
    p.heightLadder = k2IHeightLadder; p.heightScale = 0.73;
    p.distanceBase = DistanceBase::Fixed; p.distanceBaseOffset = 60; // weights at 80..240 yards
    p.farFromAbsoluteEnd = false;
    p.weightPullUp = 0.4; p.weightPullDown = 0.37;
    p.weightScale = 0.85; // HC = (W * 0.85) * HM
    p.lateralLadder = k2ILateralLadder;
    p.growthRates = {0.002, 0.002631578947368421, 0.0033333333333333335}; // 0.002, 1/380, 1/300
    p.driftScale = 1.355;
    p.alongWindFactor = 1.0;
    p.powerTrim = kNoPowerTrim;
    p.fairwayShotRate = 0.36;
    return p;
}

constexpr ShotModelParams BackSpin1WSet()
{
    ShotModelParams p;
    p.sensitivity = kBackSpin1WSensitivity;
    p.carryPieces[0] = p.carryPieces[1] = {120, 0.005, 0.44};
    p.powerFactorBase = 240;
    p.windPowerMul = kBackSpinWindPowerMul; p.windMulOnAlongWind = true;
    p.heightLadder = kBackSpinHeightLadder;
    p.distanceBaseOffset = 50;
    p.weights = kBackSpin1WWeights; p.nearWeight = 1.9; p.farWeight = 0.4; p.farFromAbsoluteEnd = true; // from 280 yards
    p.lateralScale = 1.05; p.lateralLadder = kBackSpin1WLateralLadder;
    p.growthRates = {0.002, 0.002631578947368421, 0.0033333333333333335}; // 0.002, 1/380, 1/300
    p.driftScale = 1.1;
    p.alongWindFactor = 1.02;
    p.shotRule = ShotRule::BackSpin; p.shotSlope = 0.005; p.shotOffset = 0.26;
    p.powerCorrection = PowerCorrection::IntegerQuotient; p.qDivisor = 10; // q = (26 - P) / 10
    return p;
}

constexpr ShotModelParams BackSpin2WSet()
{
    ShotModelParams p = BackSpin1WSet();
    p.sensitivity = kBackSpinWoodSensitivity;
    p.carryPieces[0] = {90, 0.0045, 0.495}; p.carryPieces[1] = {120, 0.005, 0.45};
    p.powerFactorBase = 220;
    p.distanceBaseOffset = 70;
    p.weights = kBackSpin2WWeights; p.farWeight = 0.35;
    p.weightPullUp = 0.5; p.weightPullDown = 0.5;
    p.lateralScale = 1.09; p.lateralLadder = kBackSpin2WLateralLadder;
    p.driftScale = 1.1770000000000003; // 1.1 * 1.07
    p.alongWindFactor = 1.1;
    p.shotSlope = 0.006; p.shotOffset = 0.34;
    p.qDivisor = 5; // q = (26 - P) / 5
    return p;
}

constexpr ShotModelParams BackSpin3WSet()
{
    ShotModelParams p = BackSpin2WSet();
    p.carryPieces[0] = p.carryPieces[1] = {120, 0.0033333, 0.601};
    p.powerFactorBase = 200;
    p.distanceBaseOffset = 90;
    p.weights = kBackSpin3WWeights;
    p.weightPullUp = 0.4; p.weightPullDown = 0.4;
    p.lateralScale = 1.1; p.lateralLadder = kBackSpin3WLateralLadder;
    p.driftScale = 1.375;
    p.alongWindFactor = 1.22;
    p.shotSlope = 0.004; p.shotOffset = 0.1;
    p.powerCorrection = PowerCorrection::DoubleRate; p.qRate = 0.18181818181818182; // q = (26 - P) * 2/11
    return p;
}

const ShotModelParams kTomahawk1WParams = Tomahawk1WSet();
const ShotModelParams kTomahawk2WParams = Tomahawk2WSet();
const ShotModelParams kTomahawk3WParams = Tomahawk3WSet();
const ShotModelParams kTomahawk2IParams = Tomahawk2ISet();
const ShotModelParams kBackSpin1WParams = BackSpin1WSet();
const ShotModelParams kBackSpin2WParams = BackSpin2WSet();
const ShotModelParams kBackSpin3WParams = BackSpin3WSet();

} // namespace

ShotResult Tomahawk1W(const ShotInputs& in) { return EvaluateShotModel(in, kTomahawk1WParams); }
ShotResult Tomahawk2W(const ShotInputs& in) { return EvaluateShotModel(in, kTomahawk2WParams); }
ShotResult Tomahawk3W(const ShotInputs& in) { return EvaluateShotModel(in, kTomahawk3WParams); }
ShotResult Tomahawk2I(const ShotInputs& in) { return EvaluateShotModel(in, kTomahawk2IParams); }
ShotResult BackSpin1W(const ShotInputs& in) { return EvaluateShotModel(in, kBackSpin1WParams); }
ShotResult BackSpin2W(const ShotInputs& in) { return EvaluateShotModel(in, kBackSpin2WParams); }
ShotResult BackSpin3W(const ShotInputs& in) { return EvaluateShotModel(in, kBackSpin3WParams); }
