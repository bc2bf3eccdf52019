// The Beam Impact model: the short iron shot read from the small reach table.
#pragma once

#include "shot_inputs.h"

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

extern const BeamImpactParams kBeamImpact6IParams;
extern const BeamImpactParams kBeamImpact9IParams;

// Intermediate values of one evaluation, for tests and diagnosis.
struct BeamTrace {
    double WX, WY, HA, A, T, E, Pct, drift, shot;
};

// Carry in yards of one reach table row (0..22) for one iron column, before any ring scaling.
double ReachCarry(int row, int carryColumn);

// Runs the Beam Impact steps with one iron's parameters; trace, when given, receives the steps' values.
ShotResult EvaluateBeamImpact(const ShotInputs& in, const BeamImpactParams& params, BeamTrace* trace = nullptr);
