#pragma once

#include "model_record.h"

namespace kvor {

// Derivatives of the ball-ball variant: from Z and the stage time Ts, the central forces
// (contact, gravity when plusFm, Coulomb) and DZ. Friction and the deformed radii are those of
// the last contact update, so they stay constant through the four stages of a step.
// With `exact`, the continuous law of two Kelvin-Voigt balls in series instead (exact_contact.h):
// the share Def1 is the stage's, the force is not clamped, and dry friction follows the normal
// force of the stage.
template <typename Number> void Diffur1(BasicModelRecord<Number>& r, bool plusFm, bool exact = false);

// Once after each completed ball-ball step: dry friction for the next step, the deformations
// committed, and the energy dissipated by dry and viscous friction.
template <typename Number> void BallBallContactUpdate(BasicModelRecord<Number>& r);

// The same after a step of the exact law: the direction and the sticking of dry friction for the
// next step, as friction per newton of the normal force; nothing is committed, since the share
// Def1 is integrated with the motion.
template <typename Number> void BallBallExactContactUpdate(BasicModelRecord<Number>& r);

} // namespace kvor
