#pragma once

#include "model_record.h"

namespace kvor {

// Calls the derivative routine of the variant that was started: Diffur1 when BallBall = 1,
// then Diffur2 when BallRod = 1 (each flag by itself; before any start neither runs).
template <typename Number> void Derivatives(BasicModelRecord<Number>& r, bool plusFm);

// One step of the classical fourth-order Runge-Kutta method at fixed step h, from Z at time T:
// four derivative evaluations at T, T + h/2, T + h/2 and T + h, then the weighted mean
// (RK1 + 2 RK2 + 2 RK3 + RK4)/6. Afterwards the mirrors and speeds describe the new state and
// the deformation rate of a body whose contact force ended at zero is cleared.
template <typename Number> void RungeKuttaStep(BasicModelRecord<Number>& r, bool plusFm);

} // namespace kvor
