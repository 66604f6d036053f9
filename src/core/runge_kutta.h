#pragma once

#include "model_record.h"

namespace kvor {

// Calls the derivative routine of the variant that was started: Diffur1 when BallBall = 1,
// then Diffur2 when BallRod = 1 (each flag by itself; before any start neither runs). `exact`
// chooses the exact contact law ("Точная модель контакта", exact_contact.h).
template <typename Number> void Derivatives(BasicModelRecord<Number>& r, bool plusFm, bool exact = false);

// The powers of the forces at the first stage begin the step's sums.
template <typename Number> void FirstPowers(BasicModelRecord<Number>& r) {
    r.SumPm = r.Pm;
    r.SumPq = r.Pq;
    r.SumPc = r.Pc;
    r.SumPs = r.Ps;
    r.SumFc = r.FcFj;
}

// The powers of a later stage, added with the stage's weight.
template <typename Number> void AddPowers(BasicModelRecord<Number>& r, int weight) {
    r.SumPm = r.Pm * weight + r.SumPm;
    r.SumPq = r.Pq * weight + r.SumPq;
    r.SumPc = r.Pc * weight + r.SumPc;
    r.SumPs = r.Ps * weight + r.SumPs;
    r.SumFc = r.FcFj * weight + r.SumFc;
}

// The work of each force over a step or a piece of one of length `tau`, tau (P1 + 2 P2 + 2 P3 +
// P4)/6 with the weights of the derivatives: the energy terms are then as accurate as the motion.
// Em, Eq and Es are what gravity, the Coulomb force and dry friction took from the motion; Wc is
// what the contact gave it.
template <typename Number> void AddWork(BasicModelRecord<Number>& r, double tau) {
    r.Em = r.Em - r.SumPm * tau / 6;
    r.Eq = r.Eq - r.SumPq * tau / 6;
    r.Es = r.Es - r.SumPs * tau / 6;
    r.Wc = r.SumPc * tau / 6 + r.Wc;
    // The impulse of the contact force over the step, by the same rule, piece by piece.
    r.Ic = r.SumFc * tau / 6 + r.Ic;
}

// One step of the classical fourth-order Runge-Kutta method at fixed step h, from Z at time T:
// four derivative evaluations at T, T + h/2, T + h/2 and T + h, then the weighted mean
// (RK1 + 2 RK2 + 2 RK3 + RK4)/6. Afterwards the mirrors and speeds describe the new state and
// the deformation rate of a body whose contact force ended at zero is cleared.
template <typename Number> void RungeKuttaStep(BasicModelRecord<Number>& r, bool plusFm);

} // namespace kvor
