#include "runge_kutta.h"

#include "ball_ball.h"
#include "ball_rod.h"

#include <cmath>

namespace kvor {

template <typename Number> void Derivatives(BasicModelRecord<Number>& r, bool plusFm, bool exact) {
    if (r.BallBall == 1) Diffur1(r, plusFm, exact);
    if (r.BallRod == 1) Diffur2(r, exact);
    // Whether the bodies touch is told by the force, not the distance: a ball inside the
    // contact distance whose damper would pull feels nothing.
    if (r.FcFj > 0) r.StepContact = 1;
}

template <typename Number> void RungeKuttaStep(BasicModelRecord<Number>& r, bool plusFm) {
    constexpr int n = kStateSize;
    r.Ts = r.T;
    r.StepContact = 0;
    r.Ic = 0;
    for (int i = 1; i <= n; ++i) r.Z0[i] = r.Z[i];

    // k1 = h f(T, Z0); midpoint estimate Z0 + k1/2
    Derivatives(r, plusFm);
    FirstPowers(r);
    for (int i = 1; i <= n; ++i) {
        r.RK1[i] = r.h * r.DZ[i];
        r.Z[i] = r.RK1[i] / 2 + r.Z0[i];
    }
    // k2 = h f(T + h/2, Z0 + k1/2); second midpoint estimate Z0 + k2/2
    r.Ts = r.h / 2 + r.T;
    Derivatives(r, plusFm);
    AddPowers(r, 2);
    for (int i = 1; i <= n; ++i) {
        r.RK2[i] = r.h * r.DZ[i];
        r.Z[i] = r.RK2[i] / 2 + r.Z0[i];
    }
    // k3 = h f(T + h/2, Z0 + k2/2); end-point estimate Z0 + k3
    Derivatives(r, plusFm);
    AddPowers(r, 2);
    for (int i = 1; i <= n; ++i) {
        r.RK3[i] = r.h * r.DZ[i];
        r.Z[i] = r.Z0[i] + r.RK3[i];
    }
    // k4 = h f(T + h, Z0 + k3)
    r.Ts = r.T + r.h;
    Derivatives(r, plusFm);
    AddPowers(r, 1);
    for (int i = 1; i <= n; ++i) r.RK4[i] = r.h * r.DZ[i];

    // Z = Z0 + (k1 + 2 k2 + 2 k3 + k4)/6
    for (int i = 1; i <= n; ++i) r.Z[i] = (r.RK2[i] * 2 + r.RK1[i] + r.RK3[i] * 2 + r.RK4[i]) / 6 + r.Z0[i];

    AddWork(r, r.h);

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
template void Derivatives(BasicModelRecord<real>&, bool, bool);
template void RungeKuttaStep(BasicModelRecord<real>&, bool);
template void Derivatives(BasicModelRecord<double>&, bool, bool);
template void RungeKuttaStep(BasicModelRecord<double>&, bool);

} // namespace kvor
