#pragma once

#include "model_record.h"

namespace kvor {

// Derivatives of the ball-rod variant: an elastic, viscous ball against an absolutely rigid rod.
// The contact force acts along the rod normal and turns the rod about its centre. Nothing is
// kept between calls: penetration and its rate come from the geometry of each stage.
void Diffur2(ModelRecord& r);

// Once after each completed ball-rod step: the viscous loss of the ball, and the terms that this
// simplified variant does not have (gravity, charge, dry friction) set to 0.
void BallRodStepUpdate(ModelRecord& r);

} // namespace kvor
