// The nine shot models of the calculator.
#pragma once

#include "shot_inputs.h"

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
