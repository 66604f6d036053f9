#include "runge_kutta.h"

#include "ball_ball.h"
#include "ball_rod.h"

#include <cmath>

namespace kvor {

template <typename Number> void Derivatives(BasicModelRecord<Number>& r, bool plusFm) {
    if (r.BallBall == 1) Diffur1(r, plusFm);
    if (r.BallRod == 1) Diffur2(r);
    // Whether the bodies touch is told by the force, not the distance: a ball inside the
    // contact distance whose damper would pull feels nothing.
    if (r.FcFj > 0) r.StepContact = 1;
}

namespace {

// The powers of the forces at the first stage begin the step's sums.
template <typename Number> void firstPowers(BasicModelRecord<Number>& r) {
    r.SumPm = r.Pm;
    r.SumPq = r.Pq;
    r.SumPc = r.Pc;
    r.SumPs = r.Ps;
    r.SumFc = r.FcFj;
}

// The powers of a later stage, added with the stage's weight.
template <typename Number> void addPowers(BasicModelRecord<Number>& r, int weight) {
    r.SumPm = r.Pm * weight + r.SumPm;
    r.SumPq = r.Pq * weight + r.SumPq;
    r.SumPc = r.Pc * weight + r.SumPc;
    r.SumPs = r.Ps * weight + r.SumPs;
    r.SumFc = r.FcFj * weight + r.SumFc;
}

} // namespace

template <typename Number> void RungeKuttaStep(BasicModelRecord<Number>& r, bool plusFm) {
    constexpr int n = kStateSize;
    r.Ts = r.T;
    r.StepContact = 0;
    for (int i = 1; i <= n; ++i) r.Z0[i] = r.Z[i];

    // k1 = h f(T, Z0); midpoint estimate Z0 + k1/2
    Derivatives(r, plusFm);
    firstPowers(r);
    for (int i = 1; i <= n; ++i) {
        r.RK1[i] = r.h * r.DZ[i];
        r.Z[i] = r.RK1[i] / 2 + r.Z0[i];
    }
    // k2 = h f(T + h/2, Z0 + k1/2); second midpoint estimate Z0 + k2/2
    r.Ts = r.h / 2 + r.T;
    Derivatives(r, plusFm);
    addPowers(r, 2);
    for (int i = 1; i <= n; ++i) {
        r.RK2[i] = r.h * r.DZ[i];
        r.Z[i] = r.RK2[i] / 2 + r.Z0[i];
    }
    // k3 = h f(T + h/2, Z0 + k2/2); end-point estimate Z0 + k3
    Derivatives(r, plusFm);
    addPowers(r, 2);
    for (int i = 1; i <= n; ++i) {
        r.RK3[i] = r.h * r.DZ[i];
        r.Z[i] = r.Z0[i] + r.RK3[i];
    }
    // k4 = h f(T + h, Z0 + k3)
    r.Ts = r.T + r.h;
    Derivatives(r, plusFm);
    addPowers(r, 1);
    for (int i = 1; i <= n; ++i) r.RK4[i] = r.h * r.DZ[i];

    // Z = Z0 + (k1 + 2 k2 + 2 k3 + k4)/6
    for (int i = 1; i <= n; ++i) r.Z[i] = (r.RK2[i] * 2 + r.RK1[i] + r.RK3[i] * 2 + r.RK4[i]) / 6 + r.Z0[i];

    // The work of each force over the step, h (P1 + 2 P2 + 2 P3 + P4)/6 with the same weights:
    // the energy terms are then as accurate as the motion. Em, Eq and Es are what gravity, the
    // Coulomb force and dry friction took from the motion; Wc is what the contact gave it.
    r.Em = r.Em - r.SumPm * r.h / 6;
    r.Eq = r.Eq - r.SumPq * r.h / 6;
    r.Es = r.Es - r.SumPs * r.h / 6;
    r.Wc = r.SumPc * r.h / 6 + r.Wc;
    // The impulse of the contact force over the step, by the same rule.
    r.Ic = r.SumFc * r.h / 6;

    if (r.StepContact == 1) r.Touched = 1;
    RefreshAllMirrors(r);
    r.V1 = std::sqrt(r.VX1 * r.VX1 + r.VY1 * r.VY1);
    r.V2 = std::sqrt(r.VX2 * r.VX2 + r.VY2 * r.VY2);

    // A contact force that ended at zero leaves no deformation rate behind: the body is no
    // longer being compressed, and the next step's first stage must not use the old rate.
    if (r.F1 == 0) r.VR1 = 0;
    if (r.F2 == 0) r.VR2 = 0;
}

// The program's checked record, and plain doubles.
template void Derivatives(BasicModelRecord<real>&, bool);
template void RungeKuttaStep(BasicModelRecord<real>&, bool);
template void Derivatives(BasicModelRecord<double>&, bool);
template void RungeKuttaStep(BasicModelRecord<double>&, bool);

} // namespace kvor
