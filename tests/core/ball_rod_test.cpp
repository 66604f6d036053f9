// The ball-rod force routine in the situations the geometry singles out.

#include "core/ball_rod.h"
#include "core/runge_kutta.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

// The worked example: a ball of 12 kg and 0.5 m at (-0.5, -0.5) flying along +x at 30 m/s
// towards a resting vertical rod of 24 kg, 1 m long and 0.2 m thick, centred at the origin.
ModelRecord example() {
    ModelRecord r;
    SetModelConstants(r);
    r.BallRod = 1;
    r.m1 = r.m10 = 12;
    r.m2 = r.m20 = 24;
    r.D1 = 0.5;
    r.D2 = 0.2;
    r.R10 = 0.25;
    r.R20 = 0.1;
    r.R12 = 0.35;
    r.C1 = 4e5;
    r.L2 = 1;
    r.J2 = r.m2 * r.L2 * r.L2 / 12;
    r.h = 1e-6;
    r.Z[1] = -0.5;
    r.Z[3] = -0.5;
    r.Z[7] = 30;
    return r;
}

// The same, moved so that the ball has just pressed 1 cm into the rod.
ModelRecord pressed() {
    ModelRecord r = example();
    r.Z[1] = -0.34;
    return r;
}

TEST(BallRodForces, WorkedExampleHitsTheLowerEndAndTurnsTheRod) {
    ModelRecord r = pressed();
    Diffur2(r);
    EXPECT_EQ(r.DY, 0.5);
    EXPECT_NEAR(r.Lp, 0.5, 1e-12) << "the lever arm is DY while the rod is vertical";
    EXPECT_NEAR(r.Def1, 0.01, 1e-12);
    EXPECT_NEAR(r.F, 4e5 * 0.01, 1e-6);
    EXPECT_EQ(r.FX, r.F) << "the normal of a vertical rod is the x axis";
    EXPECT_EQ(r.FY, 0.0);
    EXPECT_GT(r.DZ[12], 0.0) << "a blow on the lower end turns the rod counter-clockwise";
    EXPECT_EQ(r.DZ[11], 0.0) << "the ball is not made to spin";
    EXPECT_EQ(r.DZ[7], -r.FX / 12);
    EXPECT_EQ(r.DZ[8], r.FX / 24);

    // Integrated through the impact, w2 grows from 0 and w1 stays 0.
    ModelRecord run = example();
    for (int n = 0; n < 20000; ++n) {
        RungeKuttaStep(run, false);
        BallRodStepUpdate(run);
        run.T = run.T + run.h;
    }
    EXPECT_GT(run.w2, 1.0);
    EXPECT_EQ(run.w1, 0.0);
}

TEST(BallRodForces, LineOfCentresDirection) {
    // A ball on the x axis: Beta stays -Pi/2 whatever DY is.
    ModelRecord r = example();
    r.Z[3] = 0;
    r.Z[4] = 0.3;
    Diffur2(r);
    EXPECT_EQ(r.Beta, -r.Pi / 2);
    EXPECT_EQ(r.DY, 0.3);

    // Off the axis, Beta = |Atn(DX/DY)| with the opposite sign of DX.
    r = example();
    Diffur2(r);
    EXPECT_EQ(r.Beta, -std::atan(0.5 / 0.5));

    // A ball level with the rod centre (|DY| below 0.00001 D1) gets DY = +0.00001 D1, whatever the
    // sign of the tiny DY was.
    for (const double dy : {-1e-7, 0.0, 1e-7}) {
        r = example();
        r.Z[3] = 0.2;
        r.Z[4] = 0.2 + dy;
        Diffur2(r);
        EXPECT_EQ(r.DY, 0.00001 * 0.5) << dy;
        EXPECT_EQ(r.Beta, std::abs(std::atan(0.5 / (0.00001 * 0.5))) * -1.0) << dy;
    }
}

TEST(BallRodForces, ContactNeedsTheBallWithinReachOfTheRod) {
    // Beyond the end of the rod (farther than L2/2 + R10 from its centre) there is no contact,
    // even though the ball is close to the line of the rod's axis.
    ModelRecord r = example();
    r.Z[1] = -0.3;
    r.Z[3] = -0.76;
    Diffur2(r);
    EXPECT_LE(r.Hn, r.R12);
    EXPECT_GT(r.LR, r.L2 / 2 + r.R10);
    EXPECT_EQ(r.Def1, 0.0);
    EXPECT_EQ(r.F, 0.0);

    // Just within reach it presses.
    r.Z[3] = -0.65;
    Diffur2(r);
    EXPECT_LE(r.LR, r.L2 / 2 + r.R10);
    EXPECT_GT(r.F, 0.0);
}

TEST(BallRodForces, RodTurnedPastTheHorizontalFlipsTheTorque) {
    // A nearly horizontal rod pushed up by a ball below the left half of it, just before and
    // just after the rod has turned past the horizontal (phi2 = Pi/2). The lever arm Lp changes
    // its sign there, SgnS = -1 changes it back: the rod keeps turning clockwise (w2 falls).
    for (const double phi2 : {1.5, 1.6}) {
        ModelRecord r = example();
        r.Z[1] = -0.3;
        r.Z[3] = -0.32;
        r.Z[6] = phi2;
        Diffur2(r);
        SCOPED_TRACE(phi2);
        ASSERT_GT(r.F, 0.0);
        EXPECT_EQ(r.SgnS, phi2 < r.Pi / 2 ? 1.0 : -1.0);
        EXPECT_EQ(r.Lp < 0, phi2 < r.Pi / 2);
        EXPECT_EQ(r.DZ[12], 1.0 * r.SgnS * r.F * r.Lp / r.J2);
        EXPECT_LT(r.DZ[12], 0.0);
        EXPECT_GT(r.FY, 0.0) << "the force on the rod points up along its normal";
    }
}

TEST(BallRodForces, ViscousLossOnlyWhilePressing) {
    ModelRecord r = pressed();
    r.Kj1 = 100;
    Diffur2(r);
    EXPECT_NEAR(r.VR1, 30.0, 1e-9) << "the ball closes in on the rod at its full speed";
    EXPECT_EQ(r.Fj1, 100 * r.VR1);
    r.Ej = 2;
    BallRodStepUpdate(r);
    EXPECT_EQ(r.Ej, r.VR1 * (100 * r.VR1) * 1e-6 + 2);

    ModelRecord apart = example();
    apart.Kj1 = 100;
    Diffur2(apart);
    EXPECT_EQ(apart.VR1, 0.0);
    EXPECT_EQ(apart.F, 0.0);
    apart.Ej = 2;
    BallRodStepUpdate(apart);
    EXPECT_EQ(apart.Ej, 2.0);
}

} // namespace
} // namespace kvor
