// The integrator's order of accuracy on a problem with a known solution, and what one step does
// besides integrating.

#include "core/ball_ball.h"
#include "core/runge_kutta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kvor {
namespace {

// Two balls of 1 kg with like charges, at rest 1 m apart on the x axis, fly apart under the
// Coulomb force k/r^2 (k = Kq q1 q2). With the reduced mass mu = 1/2 the distance r(t) solves
// mu r'' = k/r^2, whose time as a function of the distance is known in closed form:
//   t(r) = sqrt(mu r0^3 / (2k)) * (sqrt(u (u - 1)) + acosh(sqrt(u))),  u = r/r0.
struct CoulombPair {
    static constexpr double r0 = 1;
    static constexpr double mu = 0.5;

    ModelRecord record(double h) const {
        ModelRecord r;
        SetModelConstants(r);
        r.BallBall = 1;
        r.m1 = r.m10 = 1;
        r.m2 = r.m20 = 1;
        r.q1 = r.q2 = 1e-5;
        r.D1 = r.D2 = 0.01; // far too small to touch
        r.R12 = r.LRc = 0.01;
        r.R1 = r.R10 = r.R2 = r.R20 = 0.005;
        r.J1 = r.J2 = 2 * 1.0 * 0.005 * 0.005 / 5;
        r.h = h;
        r.Z[1] = -r0 / 2;
        r.Z[2] = r0 / 2;
        return r;
    }

    double timeAtDistance(const ModelRecord& r, double distance) const {
        const double k = r.Kq * r.q1 * r.q2;
        const double u = distance / r0;
        return std::sqrt(mu * r0 * r0 * r0 / (2 * k)) * (std::sqrt(u * (u - 1)) + std::acosh(std::sqrt(u)));
    }

    // Integrates to `duration` with step h and returns by how much the exact solution's time at
    // the distance reached differs from the model time: the error of the solution, measured in s.
    double timeError(double h, double duration) const {
        ModelRecord r = record(h);
        const int steps = static_cast<int>(std::lround(duration / h));
        for (int n = 0; n < steps; ++n) {
            RungeKuttaStep(r, false);
            BallBallContactUpdate(r);
            r.T = r.T + r.h;
        }
        return timeAtDistance(r, r.X2 - r.X1) - r.T;
    }
};

TEST(RungeKutta, FourthOrderOnCoulombRepulsion) {
    const CoulombPair pair;
    std::vector<double> errors;
    for (const double h : {0.08, 0.04, 0.02, 0.01}) errors.push_back(std::abs(pair.timeError(h, 2.4)));
    // Halving the step divides the error by 2^4 = 16.
    for (std::size_t i = 1; i < errors.size(); ++i) {
        const double ratio = errors[i - 1] / errors[i];
        EXPECT_GT(ratio, 13.5) << "h halved " << i << " times, errors " << errors[i - 1] << " " << errors[i];
        EXPECT_LT(ratio, 18.5) << "h halved " << i << " times, errors " << errors[i - 1] << " " << errors[i];
    }
    EXPECT_LT(errors.back(), 1e-7);
}

TEST(RungeKutta, MomentumOfTheRepellingPairStaysZero) {
    ModelRecord r = CoulombPair().record(0.01);
    for (int n = 0; n < 300; ++n) {
        RungeKuttaStep(r, false);
        BallBallContactUpdate(r);
        r.T = r.T + r.h;
    }
    EXPECT_GT(r.VX2, 0.5);
    EXPECT_EQ(r.VX1, -r.VX2) << "equal and opposite forces on equal masses";
    EXPECT_EQ(r.VY1, 0.0);
    EXPECT_EQ(r.X1, -r.X2);
}

TEST(RungeKutta, StepLeavesStateCopiesSpeedsAndStageTime) {
    ModelRecord r = CoulombPair().record(0.01);
    r.T = 2;
    r.Z[9] = 3;  // VY1
    r.Z[10] = 4; // VY2
    r.Z[11] = 7; // w1: no torque acts, it is carried along
    r.Z[12] = -7;
    r.Z[5] = 0.25;
    RungeKuttaStep(r, false);

    EXPECT_EQ(r.Ts, r.T + r.h) << "the last stage is evaluated at T + h";
    EXPECT_EQ(r.T, 2.0) << "the step does not advance T; the run loop does";
    const double mirrors[] = {r.X1, r.X2, r.Y1, r.Y2, r.phi1, r.phi2, r.VX1, r.VX2, r.VY1, r.VY2, r.w1, r.w2};
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(mirrors[i - 1], r.Z[i]) << "element " << i;
    EXPECT_EQ(r.phi1, 0.25 + 7 * 0.01);
    EXPECT_EQ(r.V1, std::sqrt(r.VX1 * r.VX1 + r.VY1 * r.VY1));
    EXPECT_EQ(r.V2, std::sqrt(r.VX2 * r.VX2 + r.VY2 * r.VY2));
}

TEST(RungeKutta, NoDerivativesBeforeAVariantIsStarted) {
    // Before any start neither variant flag is set: nothing moves, whatever the state says.
    ModelRecord r;
    r.h = 0.5;
    r.Z[1] = 1;
    r.Z[7] = 2;
    RungeKuttaStep(r, true);
    EXPECT_EQ(r.Z[1], 1.0);
    EXPECT_EQ(r.X1, 1.0);
    EXPECT_EQ(r.VX1, 2.0);
}

TEST(RungeKutta, RateOfAContactForceThatEndedAtZeroIsCleared) {
    // Two pressed balls flying apart fast: the damper would pull harder than the springs push,
    // so the force is 0 and the deformation rate must not carry into the next step.
    ModelRecord r = CoulombPair().record(1e-4);
    r.q1 = r.q2 = 0;
    r.D1 = r.D2 = 1;
    r.R12 = 1;
    r.LRc = 0.99;
    r.Def1Prev = r.Def2Prev = 0.005;
    r.C1 = r.C2 = 1e4;
    r.Kj1 = r.Kj2 = 100;
    r.CK1 = r.Kj1 / r.h + r.C1;
    r.CK2 = r.Kj2 / r.h + r.C2;
    r.J1 = r.J2 = 0.1;
    r.Z[1] = -0.495;
    r.Z[2] = 0.495;
    r.Z[7] = -5;
    r.Z[8] = 5;
    RungeKuttaStep(r, false);
    EXPECT_EQ(r.F1, 0.0);
    EXPECT_EQ(r.F2, 0.0);
    EXPECT_EQ(r.VR1, 0.0);
    EXPECT_EQ(r.VR2, 0.0);
    EXPECT_LT(r.DDef1, 0.0) << "the deformation did shrink in the step";
}

} // namespace
} // namespace kvor
