// The nine shot models of the calculator and the parameter sets of the table family's seven.
#pragma once

#include "shot_inputs.h"
#include "table_shot_model.h"

// Tomahawk group (fields 510, 520).
ShotResult Tomahawk1W(const ShotInputs& in);
ShotResult Tomahawk2W(const ShotInputs& in);
ShotResult Tomahawk3W(const ShotInputs& in);
ShotResult Tomahawk2I(const ShotInputs& in);

// Back Spin group (fields 610, 620).
ShotResult BackSpin1W(const ShotInputs& in);
ShotResult BackSpin2W(const ShotInputs& in);
ShotResult BackSpin3W(const ShotInputs& in);

// Beam Impact group (fields 730, 740).
ShotResult BeamImpact6I(const ShotInputs& in);
ShotResult BeamImpact9I(const ShotInputs& in);

// Parameter sets of the table family (defined in shot_params.cpp).
extern const ShotModelParams kTomahawk1WParams;
extern const ShotModelParams kTomahawk2WParams;
extern const ShotModelParams kTomahawk3WParams;
extern const ShotModelParams kTomahawk2IParams;
extern const ShotModelParams kBackSpin1WParams;
extern const ShotModelParams kBackSpin2WParams;
extern const ShotModelParams kBackSpin3WParams;
