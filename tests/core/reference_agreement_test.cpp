// The derivative routines, the per-step updates and the Runge-Kutta step against the
// independent reference model, bit for bit: on random states that cover every branch, and on
// runs through whole impacts.

#include "core/ball_ball.h"
#include "core/ball_rod.h"
#include "core/runge_kutta.h"
#include "record_compare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kvor::test {
namespace {

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    double signedValue(double lo, double hi) { return chance(0.5) ? uniform(lo, hi) : -uniform(lo, hi); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

private:
    std::mt19937_64 engine_;
};

ref::State withConstants() {
    ref::State s;
    ref::Constants(s);
    return s;
}

// Two balls near or in contact, with a random contact history and stage time.
ref::State randomBallBallStage(Random& rnd) {
    ref::State s = withConstants();
    s.BallBall = 1;
    s.plusFm = rnd.chance(0.5);
    s.m1 = rnd.uniform(0.1, 10);
    s.m2 = rnd.uniform(0.1, 10);
    s.q1 = rnd.chance(0.3) ? 0 : rnd.signedValue(1e-7, 1e-4);
    s.q2 = rnd.chance(0.3) ? 0 : rnd.signedValue(1e-7, 1e-4);
    s.D1 = rnd.uniform(0.05, 1);
    s.D2 = rnd.uniform(0.05, 1);
    s.R12 = (s.D1 + s.D2) / 2;
    s.C1 = rnd.uniform(10, 1e6);
    s.C2 = rnd.uniform(10, 1e6);
    s.Kj1 = rnd.chance(0.3) ? 0 : rnd.uniform(0, 500);
    s.Kj2 = rnd.chance(0.3) ? 0 : rnd.uniform(0, 500);
    s.h = rnd.uniform(1e-6, 1e-3);
    s.CK1 = s.Kj1 / s.h + s.C1;
    s.CK2 = s.Kj2 / s.h + s.C2;

    const double distance = s.R12 * rnd.uniform(0.85, 1.15);
    const double direction = rnd.uniform(-4, 4);
    s.Z[1] = rnd.uniform(-2, 2);
    s.Z[3] = rnd.uniform(-2, 2);
    s.Z[2] = s.Z[1] + distance * std::cos(direction);
    s.Z[4] = s.Z[3] + distance * std::sin(direction);
    switch (rnd.pick(4)) {
    case 0:
        s.Z[2] = s.Z[1];
        break; // on one vertical
    case 1:
        s.Z[2] = s.Z[1] + rnd.signedValue(1e-9, 1e-5) * s.D1;
        break; // nearly so
    default:
        break;
    }
    for (int i = 7; i <= 10; ++i) s.Z[i] = rnd.signedValue(0, 20);
    s.Z[11] = rnd.signedValue(0, 5);
    s.Z[12] = rnd.signedValue(0, 5);

    // What the previous calls and the last contact update left.
    s.Alfa = rnd.uniform(0, 1.5);
    s.LRc = s.R12 - rnd.uniform(0, 0.05) * s.R12;
    s.Def1Prev = rnd.uniform(0, 0.02) * s.R12;
    s.Def2Prev = rnd.uniform(0, 0.02) * s.R12;
    s.Kd1 = rnd.uniform(0, 1);
    s.Kd2 = 1 - s.Kd1;
    s.Def1 = rnd.uniform(0, 0.02);
    s.Def2 = rnd.uniform(0, 0.02);
    s.VR1 = rnd.signedValue(0, 3);
    s.VR2 = rnd.signedValue(0, 3);
    s.Fs = rnd.signedValue(0, 100);
    s.Fsx = rnd.signedValue(0, 100);
    s.Fsy = rnd.signedValue(0, 100);
    s.SgnS = rnd.pick(3) - 1.0;
    s.R1 = s.D1 / 2 - rnd.uniform(0, 0.01);
    s.R2 = s.D2 / 2 - rnd.uniform(0, 0.01);
    s.J1 = 2 * s.m1 * s.R1 * s.R1 / 5;
    s.J2 = 2 * s.m2 * s.R2 * s.R2 / 5;
    s.T = rnd.uniform(0, 3);
    const double stageTimes[] = {s.T, s.h / 2 + s.T, s.T + s.h};
    s.Ts = stageTimes[rnd.pick(3)];
    return s;
}

TEST(ReferenceAgreement, BallBallDerivativesOnRandomStages) {
    Random rnd(20240601);
    int contact = 0, firstStageContact = 0, vertical = 0, nearlyVertical = 0, clamped = 0;
    for (int n = 0; n < 4000; ++n) {
        ref::State s = randomBallBallStage(rnd);
        ModelRecord r;
        StoreInto(s, r);
        const double dxBefore = s.Z[2] - s.Z[1];
        Diffur1(r, s.plusFm);
        ref::Diffur1(s);
        ASSERT_EQ(Differences(r, s), "") << "sample " << n;

        if (s.LR <= s.R12) {
            ++contact;
            if (s.Ts == s.T) ++firstStageContact;
            if (s.F1 == 0 || s.F2 == 0) ++clamped;
        }
        if (dxBefore == 0) ++vertical;
        if (dxBefore != 0 && std::abs(dxBefore) < 0.0001 * s.D1) ++nearlyVertical;
    }
    // Every branch of the routine was taken many times.
    EXPECT_GT(contact, 1000);
    EXPECT_GT(firstStageContact, 200);
    EXPECT_GT(clamped, 50);
    EXPECT_GT(vertical, 500);
    EXPECT_GT(nearlyVertical, 500);
}

TEST(ReferenceAgreement, BallBallContactUpdateOnRandomSteps) {
    Random rnd(77);
    int quadrant[4] = {0, 0, 0, 0};
    int friction = 0, sticking = 0, apart = 0;
    for (int n = 0; n < 4000; ++n) {
        ref::State s = randomBallBallStage(rnd);
        ref::Diffur1(s); // a consistent last stage: LR, Alfa, F, deformations and rates
        // The state copies of the completed step, sometimes level or on one vertical.
        s.X1 = s.Z[1];
        s.X2 = rnd.chance(0.1) ? s.X1 : s.Z[2];
        s.Y1 = s.Z[3];
        s.Y2 = rnd.chance(0.1) ? s.Y1 : s.Z[4];
        s.w1 = s.Z[11];
        s.w2 = s.Z[12];
        s.Ks = rnd.chance(0.2) ? 0 : rnd.uniform(0, 1);
        s.R10 = s.D1 / 2;
        s.R20 = s.D2 / 2;
        s.VsPrev = rnd.pick(3) == 0 ? 0 : rnd.signedValue(0, 5);
        s.Ss = rnd.signedValue(0, 3e-4);
        s.AlfaPrev = rnd.chance(0.2) ? s.Alfa : rnd.uniform(0, 1.5);
        s.Es = rnd.uniform(0, 10);
        s.Ej = rnd.uniform(0, 10);

        ModelRecord r;
        StoreInto(s, r);
        BallBallContactUpdate(r);
        ref::ContactUpdate(s);
        ASSERT_EQ(Differences(r, s), "") << "sample " << n;

        if (s.LR > s.R12) {
            ++apart;
            continue;
        }
        ++quadrant[(s.Y1 <= s.Y2 ? 0 : 2) + (s.X2 <= s.X1 ? 0 : 1)];
        if (s.Fsx != 0 || s.Fsy != 0) ++friction;
        if (s.Fs == 0 && s.Ks != 0 && s.F != 0) ++sticking;
    }
    for (const int q : quadrant) EXPECT_GT(q, 200);
    EXPECT_GT(friction, 200);
    EXPECT_GT(sticking, 200);
    EXPECT_GT(apart, 500);
}

// A ball near a rod of random angle, beyond one half turn either way: off its side faces, its end
// faces and its corners, and with its centre inside the rod.
ref::State randomBallRodStage(Random& rnd) {
    ref::State s = withConstants();
    s.BallRod = 1;
    s.m1 = rnd.uniform(0.1, 20);
    s.m2 = rnd.uniform(0.1, 30);
    s.D1 = rnd.uniform(0.05, 1);
    s.D2 = rnd.uniform(0.01, 0.3);
    s.R10 = s.D1 / 2;
    s.R20 = s.D2 / 2;
    s.R12 = (s.D1 + s.D2) / 2;
    s.C1 = rnd.uniform(1e3, 1e7);
    s.Kj1 = rnd.chance(0.3) ? 0 : rnd.uniform(0, 1000);
    s.L2 = rnd.uniform(0.2, 3);
    s.J2 = s.m2 * s.L2 * s.L2 / 12;
    s.h = 1e-6;

    const double phi2 = rnd.uniform(-6.5, 6.5);
    const double along = rnd.uniform(-0.5, 0.5) * s.L2 + rnd.signedValue(0, 1.2) * s.R10;
    const double across = rnd.signedValue(0, 1.3) * s.R12;
    s.Z[2] = rnd.uniform(-1, 1);
    s.Z[4] = rnd.uniform(-1, 1);
    // The rod axis points along (-sin phi2, cos phi2); its normal is (cos phi2, sin phi2).
    s.Z[1] = s.Z[2] - along * std::sin(phi2) + across * std::cos(phi2);
    s.Z[3] = s.Z[4] + along * std::cos(phi2) + across * std::sin(phi2);
    switch (rnd.pick(6)) {
    case 0:
        s.Z[3] = 0;
        break; // ball on the x axis
    case 1:
        s.Z[3] = s.Z[4] + rnd.signedValue(0, 1e-6) * s.D1;
        break; // level with the centre
    default:
        break;
    }
    s.Z[6] = phi2;
    for (int i = 7; i <= 10; ++i) s.Z[i] = rnd.signedValue(0, 40);
    s.Z[12] = rnd.signedValue(0, 50);
    return s;
}

// Where a ball in contact touches the rod: 0 a side face, 1 an end face, 2 a corner, 3 with its
// centre inside the rod.
int rodContactPlace(const ref::State& s) {
    const double along = -(s.X1 - s.X2) * std::sin(s.phi2) + (s.Y1 - s.Y2) * std::cos(s.phi2);
    const bool withinLength = std::abs(along) <= s.L2 / 2, withinWidth = s.Hn <= s.R20;
    if (withinLength && withinWidth) return 3;
    if (withinLength) return 0;
    return withinWidth ? 1 : 2;
}

TEST(ReferenceAgreement, BallRodDerivativesOnRandomStages) {
    Random rnd(4711);
    int contactAt[4] = {0, 0, 0, 0};
    int pastHalfTurn = 0;
    for (int n = 0; n < 6000; ++n) {
        ref::State s = randomBallRodStage(rnd);
        ModelRecord r;
        StoreInto(s, r);
        Diffur2(r);
        ref::Diffur2(s);
        ASSERT_EQ(Differences(r, s), "") << "sample " << n;

        if (s.Def1 > 0) ++contactAt[rodContactPlace(s)];
        if (s.Def1 > 0 && std::abs(s.phi2) > s.Pi) ++pastHalfTurn;
    }
    for (const int c : contactAt) EXPECT_GT(c, 100);
    EXPECT_GT(pastHalfTurn, 300);
}

TEST(ReferenceAgreement, BallRodStepUpdate) {
    Random rnd(5);
    for (int n = 0; n < 200; ++n) {
        ref::State s = randomBallRodStage(rnd);
        ref::Diffur2(s);
        s.Ej = rnd.uniform(0, 5);
        s.Em = s.Eq = s.Es = s.Fm = s.Fq = s.Fs = 1;
        ModelRecord r;
        StoreInto(s, r);
        BallRodStepUpdate(r);
        ref::RodUpdate(s);
        ASSERT_EQ(Differences(r, s), "");
        EXPECT_EQ(r.Em + r.Eq + r.Es + r.Fm + r.Fq + r.Fs, 0.0);
    }
}

// Steps the engine and the reference side by side and compares after every step; returns the
// reference for a look at what the run went through.
template <typename EngineUpdate, typename ReferenceUpdate>
ref::State stepTogether(ref::State s, int steps, EngineUpdate engineUpdate, ReferenceUpdate referenceUpdate) {
    ModelRecord r;
    StoreInto(s, r);
    for (int n = 0; n < steps; ++n) {
        RungeKuttaStep(r, s.plusFm);
        engineUpdate(r);
        r.T = r.T + r.h;
        ref::RungeKutta(s);
        referenceUpdate(s);
        s.T = s.T + s.h;
        const std::string diff = Differences(r, s);
        if (!diff.empty()) {
            ADD_FAILURE() << "step " << n << "\n" << diff;
            break;
        }
    }
    return s;
}

TEST(ReferenceAgreement, RungeKuttaStepsThroughAnObliqueImpactWithFriction) {
    // Two balls 1.05 m apart closing at about 10 m/s along a line 30 degrees off their line of
    // centres, so that the surfaces slip: spring, damper, dry friction, charges and gravity.
    ref::State s = withConstants();
    s.BallBall = 1;
    s.plusFm = true;
    s.m10 = s.m1 = 1;
    s.m20 = s.m2 = 2;
    s.q1 = 2e-5;
    s.q2 = 3e-5;
    s.D1 = s.D2 = 1;
    s.R10 = s.R20 = s.R1 = s.R2 = 0.5;
    s.R12 = s.LRc = 1;
    s.C1 = 1e5;
    s.C2 = 3e5;
    s.Kj1 = 20;
    s.Kj2 = 5;
    s.Ks = 0.4;
    s.h = 1e-5;
    s.CK1 = s.Kj1 / s.h + s.C1;
    s.CK2 = s.Kj2 / s.h + s.C2;
    s.J1 = 2 * s.m1 * s.R10 * s.R10 / 5;
    s.J2 = 2 * s.m2 * s.R20 * s.R20 / 5;
    s.Z[1] = -0.525;
    s.Z[3] = -0.2;
    s.Z[2] = 0.525;
    s.Z[4] = 0.2;
    s.Z[7] = 8;
    s.Z[9] = 6;
    s.Z[8] = -2;
    s.Z[10] = -1;
    s.Alfa = s.AlfaPrev = std::atan(0.4 / 1.05);
    s.LRprev = std::sqrt(1.05 * 1.05 + 0.4 * 0.4);

    int contactSteps = 0, frictionSteps = 0;
    const auto countingUpdate = [&](ref::State& x) {
        ref::ContactUpdate(x);
        x.AlfaPrev = x.Alfa;
        if (x.LR <= x.R12) ++contactSteps;
        if (x.Fsx != 0) ++frictionSteps;
    };
    const ref::State end = stepTogether(
        s, 12000,
        [](ModelRecord& r) {
            BallBallContactUpdate(r);
            r.AlfaPrev = r.Alfa;
        },
        countingUpdate);
    EXPECT_GT(contactSteps, 500);
    EXPECT_GT(frictionSteps, 100);
    EXPECT_GT(end.LR, end.R12) << "the balls have separated again";
    EXPECT_NE(end.w1, 0.0) << "friction has spun the balls";
}

TEST(ReferenceAgreement, RungeKuttaStepsThroughBallRodImpacts) {
    // The rod at several angles, up to past a half turn either way, struck by a ball flying in
    // from the left; every run must touch the rod.
    for (const double phi2 : {0.0, 0.6, -0.6, 2.2, -2.2, 3.6, -3.6}) {
        ref::State s = withConstants();
        s.BallRod = 1;
        s.m10 = s.m1 = 12;
        s.m20 = s.m2 = 24;
        s.D1 = 0.5;
        s.D2 = 0.2;
        s.R10 = 0.25;
        s.R20 = 0.1;
        s.R12 = 0.35;
        s.C1 = 4e5;
        s.Kj1 = 100;
        s.L2 = 1;
        s.J2 = s.m2 * s.L2 * s.L2 / 12;
        s.h = 1e-5;
        s.Z[1] = -0.5;
        s.Z[3] = -0.3;
        s.Z[6] = phi2;
        s.Z[7] = 30;
        s.Z[9] = 2;
        s.Z[12] = 0.5;
        bool touched = false;
        const auto update = [&](ref::State& x) {
            ref::RodUpdate(x);
            touched = touched || x.F > 0;
        };
        SCOPED_TRACE(phi2);
        stepTogether(
            s, 6000, [](ModelRecord& r) { BallRodStepUpdate(r); }, update);
        EXPECT_TRUE(touched);
    }
}

} // namespace
} // namespace kvor::test
