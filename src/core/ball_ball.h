#pragma once

#include "model_record.h"

namespace kvor {

// Derivatives of the ball-ball variant: from Z and the stage time Ts, the central forces
// (contact, gravity when plusFm, Coulomb) and DZ. Friction and the deformed radii are those of
// the last contact update, so they stay constant through the four stages of a step.
template <typename Number> void Diffur1(BasicModelRecord<Number>& r, bool plusFm);

// Once after each completed ball-ball step: dry friction for the next step, the deformations
// committed, and the energy dissipated by dry and viscous friction.
template <typename Number> void BallBallContactUpdate(BasicModelRecord<Number>& r);

} // namespace kvor
