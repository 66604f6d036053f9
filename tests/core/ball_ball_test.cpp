// The ball-ball force routine and contact update in the situations the physics singles out.

#include "core/ball_ball.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

// Two resting balls of 1 kg and diameter 1 m, centres at (x1, y1) and (x2, y2), stiffness
// 1000 N/m, no damping, step 0.001 s, evaluated at the first stage of a step at T = 0.
ModelRecord pair(double x1, double y1, double x2, double y2) {
    ModelRecord r;
    SetModelConstants(r);
    r.BallBall = 1;
    r.m1 = r.m2 = r.m10 = r.m20 = 1;
    r.D1 = r.D2 = 1;
    r.R10 = r.R20 = r.R1 = r.R2 = 0.5;
    r.R12 = r.LRc = 1;
    r.C1 = r.C2 = 1000;
    r.h = 0.001;
    r.CK1 = r.Kj1 / r.h + r.C1;
    r.CK2 = r.Kj2 / r.h + r.C2;
    r.J1 = r.J2 = 0.1;
    r.Z[1] = x1;
    r.Z[3] = y1;
    r.Z[2] = x2;
    r.Z[4] = y2;
    return r;
}

TEST(BallBallForces, CentresOnOneVerticalKeepThePreviousAngle) {
    // Pressed together one above the other: DX = 0, so the angle of the line of centres is
    // whatever it was, here the start value 1.570795, and FX is a tiny non-zero force.
    ModelRecord r = pair(0, 0, 0, 0.9);
    r.Alfa = 1.570795;
    r.Def1 = r.Def2 = 0.05;
    Diffur1(r, false);
    EXPECT_EQ(r.Alfa, 1.570795);
    EXPECT_EQ(r.F, 50.0);
    EXPECT_EQ(r.FX, std::cos(1.570795) * 50.0);
    EXPECT_GT(r.FX, 0.0);
    EXPECT_LT(r.FX, 1e-4);
    EXPECT_EQ(r.FY, std::sin(1.570795) * 50.0);
}

TEST(BallBallForces, NearlyVerticalLineOfCentresUsesAGuardDistance) {
    // DX of 1e-7 m with D1 = 0.1 m is below 1/10000 of the diameter: it becomes 0.0001 m with the
    // same sign, an absolute distance, not 0.0001 D1.
    for (const double dx : {1e-7, -1e-7}) {
        ModelRecord r = pair(0, 0, dx, 0.09);
        r.D1 = r.D2 = 0.1;
        r.R12 = r.LRc = 0.1;
        r.Def1 = r.Def2 = 0.005;
        Diffur1(r, false);
        EXPECT_EQ(r.DX, dx > 0 ? 0.0001 : -0.0001);
        EXPECT_EQ(r.Alfa, std::atan(std::abs(r.DY / 0.0001)));
        EXPECT_EQ(r.FX > 0, dx > 0) << "FX takes the sign of the replaced DX";
        EXPECT_EQ(r.LR, std::sqrt(dx * dx + r.DY * r.DY)) << "the distance uses the true DX";
    }
    // A DX of exactly 1/10000 of the diameter is not replaced.
    ModelRecord r = pair(0, 0, 0.0001, 0.9);
    Diffur1(r, false);
    EXPECT_EQ(r.DX, 0.0001);
}

TEST(BallBallForces, ContactStagesShareTheOverlapAndTakeRatesOverTheStageTime) {
    // Balls of unequal stiffness, 2 mm closer than at the last contact step. The overlap
    // increment is shared so that C1 (Def1Prev + DDef1) = C2 (Def2Prev + DDef2) without damping.
    ModelRecord r = pair(0, 0, 0.996, 0);
    r.C2 = 3000;
    r.CK2 = r.C2;
    r.LRc = 0.998;
    r.Def1Prev = 0.0015;
    r.Def2Prev = 0.0005;
    // First stage: the deformations and rates of the previous stage stand.
    r.Def1 = 0.00123;
    r.Def2 = 0.00041;
    r.VR1 = 0.5;
    r.Ts = r.T;
    Diffur1(r, false);
    EXPECT_EQ(r.Def1, 0.00123);
    EXPECT_EQ(r.VR1, 0.5);
    EXPECT_EQ(r.F1, 1000 * 0.00123);
    EXPECT_EQ(r.FcFj, (r.F1 + r.F2) / 2);
    EXPECT_NEAR(r.Kd1, 0.75, 1e-12); // C2/(C1 + C2) of the increment goes to the softer ball
    EXPECT_NEAR(r.Kd2, 0.25, 1e-12);

    // Second and fourth stages: rates over h/2 and over h.
    for (const double dt : {0.001 / 2, 0.001}) {
        r.Ts = r.T + dt;
        Diffur1(r, false);
        EXPECT_NEAR(r.Def1, 0.0015 + 0.0015, 1e-15);
        EXPECT_NEAR(r.Def2, 0.0005 + 0.0005, 1e-15);
        EXPECT_NEAR(r.C1 * r.Def1, r.C2 * r.Def2, 1e-9) << "both balls push with the same force";
        EXPECT_EQ(r.VR1, r.DDef1 / dt);
        EXPECT_EQ(r.VR2, r.DDef2 / dt);
    }
}

TEST(BallBallForces, AContactNeverPulls) {
    // A ball that rebounds with strong damping: C1 Def1 + Kj1 VR1 < 0 gives F1 = 0, not a pull.
    ModelRecord r = pair(0, 0, 0.999, 0);
    r.Kj1 = r.Kj2 = 1000;
    r.Def1 = r.Def2 = 0.0005;
    r.VR1 = r.VR2 = -1;
    Diffur1(r, false);
    EXPECT_EQ(r.F1, 0.0);
    EXPECT_EQ(r.F2, 0.0);
    EXPECT_EQ(r.FcFj, 0.0);
    EXPECT_EQ(r.DZ[7], 0.0);
}

TEST(BallBallForces, OutOfContactOnlyTheFieldForcesAct) {
    ModelRecord r = pair(0, 0, 3, 4);
    r.m1 = r.m2 = 1e9;
    r.q1 = 2e-5;
    r.q2 = -3e-5;
    r.F1 = 7;
    r.Def1 = 0.25;
    r.VR2 = 3;
    Diffur1(r, false);
    EXPECT_EQ(r.LR, 5.0);
    EXPECT_EQ(r.Fm, 0.0) << "without +Fm there is no gravity, however heavy the balls";
    EXPECT_EQ(r.Fq, r.Kq * 2e-5 * -3e-5 / 5.0 / 5.0);
    EXPECT_LT(r.F, 0.0) << "unlike charges attract";
    EXPECT_EQ(r.FcFj, 0.0);
    EXPECT_EQ(r.F1, 7.0) << "the contact quantities keep their values out of contact";
    EXPECT_EQ(r.Def1, 0.25);
    EXPECT_EQ(r.VR2, 3.0);

    Diffur1(r, true);
    EXPECT_EQ(r.Fm, 1e9 * 1e9 * r.G / 5.0 / 5.0);
    EXPECT_EQ(r.F, 0.0 - r.Fm + r.Fq);
    // Body 2 lies up and to the right: a pull moves it back along -x and -y, body 1 the other way.
    EXPECT_LT(r.DZ[8], 0.0);
    EXPECT_LT(r.DZ[10], 0.0);
    EXPECT_EQ(r.DZ[7], -r.DZ[8]);
    EXPECT_EQ(r.DZ[9], -r.DZ[10]);
}

// A contact step after which the surfaces slip: balls pressed on the x axis, body 2 moving up.
ModelRecord slippingContact() {
    ModelRecord r = pair(0, 0, 0.99, 0);
    r.Ks = 0.5;
    r.LR = 0.99;
    r.F = 10;
    r.Alfa = 0;
    r.AlfaPrev = 0.01;
    r.X1 = 0;
    r.X2 = 0.99;
    r.Y1 = 0;
    r.Y2 = 0;
    r.VY2 = 2;
    return r;
}

TEST(BallBallContact, DryFrictionNeedsSlipInOneDirection) {
    ModelRecord r = slippingContact();
    r.VsPrev = 1;
    r.Ss = 0.0002;
    BallBallContactUpdate(r);
    EXPECT_EQ(r.Vs, 2.0);
    EXPECT_EQ(r.Ss, 2.0 * 0.001 + 0.0002);
    EXPECT_EQ(r.Fs, 10 * 0.5);
    EXPECT_EQ(r.Es, 2.0 * 5.0 * 0.001);

    // The slip changed direction since the last contact step: no friction until 0.0001 m of slip
    // in the new direction has gathered.
    r = slippingContact();
    r.VsPrev = -1;
    r.Ss = 0.5;
    BallBallContactUpdate(r);
    EXPECT_EQ(r.Ss, 0.0);
    EXPECT_EQ(r.Fs, 0.0);
    EXPECT_EQ(r.Es, 0.0);

    // Slow slip of 0.05 m/s adds 0.00005 m in the step: from 0.00004 m that is below the
    // threshold of 0.0001 m and the surfaces stick, from 0.00006 m it is above and they slip.
    for (const double before : {0.00004, 0.00006}) {
        r = slippingContact();
        r.VY2 = 0.05;
        r.VsPrev = 1;
        r.Ss = before;
        BallBallContactUpdate(r);
        EXPECT_EQ(r.Ss, 0.05 * 0.001 + before);
        EXPECT_EQ(r.Fs, before < 0.00005 ? 0.0 : 5.0) << before;
    }
}

TEST(BallBallContact, FrictionActsAcrossTheTurningLineOfCentres) {
    // Body 2 right of and above body 1, the line of centres at 0.5 rad and turning down by 0.1.
    ModelRecord r = slippingContact();
    r.Y1 = -0.1;
    r.Alfa = 0.5;
    r.AlfaPrev = 0.6;
    r.VsPrev = 1;
    r.Ss = 1;
    BallBallContactUpdate(r);
    ASSERT_EQ(r.Fs, 5.0);
    EXPECT_EQ(r.DAlfa, 0.6 - 0.5);
    EXPECT_EQ(r.Fsx, std::sin(0.5) * 5.0);
    EXPECT_EQ(r.Fsy, -(std::cos(0.5) * 5.0));

    // Turning the other way reverses both components.
    r = slippingContact();
    r.Y1 = -0.1;
    r.Alfa = 0.5;
    r.AlfaPrev = 0.4;
    r.VsPrev = 1;
    r.Ss = 1;
    BallBallContactUpdate(r);
    EXPECT_EQ(r.Fsx, -(std::sin(0.5) * 5.0));
    EXPECT_EQ(r.Fsy, std::cos(0.5) * 5.0);

    // A line of centres that does not turn (a head-on impact) gives no friction components,
    // even though the friction force itself is not 0.
    r = slippingContact();
    r.Y1 = -0.1;
    r.Alfa = r.AlfaPrev = 0.5;
    r.VsPrev = 1;
    r.Ss = 1;
    BallBallContactUpdate(r);
    EXPECT_EQ(r.Fs, 5.0);
    EXPECT_EQ(r.Fsx, 0.0);
    EXPECT_EQ(r.Fsy, 0.0);
}

TEST(BallBallContact, CommitsTheStepOnlyInContact) {
    ModelRecord r = slippingContact();
    r.Kj1 = 10;
    r.Kj2 = 20;
    r.Def1 = 0.004;
    r.Def2 = 0.006;
    r.VR1 = 2;
    r.VR2 = -1;
    r.Ej = 1;
    BallBallContactUpdate(r);
    EXPECT_EQ(r.Ej, (10 * 2 * 2 + 20 * -1 * -1) * 0.001 + 1);
    EXPECT_EQ(r.R1, 0.5 - 0.004);
    EXPECT_EQ(r.R2, 0.5 - 0.006);
    EXPECT_EQ(r.Def1Prev, 0.004);
    EXPECT_EQ(r.Def2Prev, 0.006);
    EXPECT_EQ(r.LRc, 0.99);
    EXPECT_EQ(r.VsPrev, r.Vs);

    // Apart: friction off, nothing else touched.
    ModelRecord apart = slippingContact();
    apart.LR = 1.01;
    apart.Fs = apart.Fsx = apart.Fsy = 3;
    apart.Ej = 1;
    apart.Ss = 0.25;
    apart.LRc = 0.97;
    apart.R1 = 0.45;
    BallBallContactUpdate(apart);
    EXPECT_EQ(apart.Fs, 0.0);
    EXPECT_EQ(apart.Fsx, 0.0);
    EXPECT_EQ(apart.Fsy, 0.0);
    EXPECT_EQ(apart.Ej, 1.0);
    EXPECT_EQ(apart.Ss, 0.25);
    EXPECT_EQ(apart.LRc, 0.97);
    EXPECT_EQ(apart.R1, 0.45);
}

} // namespace
} // namespace kvor
