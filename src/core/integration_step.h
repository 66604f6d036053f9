#pragma once

#include "model_record.h"

namespace kvor {

// The physics of one step of the run loop, from the state at T to the state at T + h, in the two
// stretches whose faults the user is told apart. Both work on the program's record of `real`
// and on plain doubles, with the same arithmetic in the same order.

// The Runge-Kutta step and the update of the variant after it: the contact update of two balls,
// or the ball-rod step update. `plusFm` adds gravity to the central forces ("+Fm").
template <typename Number> void IntegrateStep(BasicModelRecord<Number>& r, bool plusFm);

// Two balls only, after IntegrateStep: the masses grown with the new speeds when `lorentz`
// ("Лоренц"), the work of the central forces over the step, and the angle and distance of the
// line of centres kept for the next step.
template <typename Number> void MassesAndPotentials(BasicModelRecord<Number>& r, bool lorentz);

} // namespace kvor
