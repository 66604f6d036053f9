// The exact contact law against the closed form of a linear spring-dashpot impact: a ball strikes
// a free rod level with its centre, or another ball head-on, in all three regimes of damping.

#include "closed_form.h"
#include "core/integration_step.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

using test::ClosedFormRestitution;

struct Impact {
    const char* name;
    bool rod;
    double m1, m2, C1, C2, Kj1, Kj2;
    // The pair as one spring and one dashpot (Kj1/C1 = Kj2/C2), and the reduced mass.
    double m() const { return m1 * m2 / (m1 + m2); }
    double C() const { return rod ? C1 : C1 * C2 / (C1 + C2); }
    double Kj() const { return rod ? Kj1 : Kj1 + Kj2 > 0 ? Kj1 * Kj2 / (Kj1 + Kj2) : 0; }
};

// Ball 1 at 1 m/s along the x axis; the touch falls at an odd place inside a step. Returns the
// record once the contact is over, the restitution being VX2 - VX1.
PlainRecord Strike(const Impact& c, double h) {
    ModelRecord start;
    SetModelConstants(start);
    PlainRecord r = Plain(start);
    (c.rod ? r.BallRod : r.BallBall) = 1;
    r.m1 = r.m10 = c.m1;
    r.m2 = r.m20 = c.m2;
    r.D1 = r.D2 = 0.1;
    r.R10 = r.R20 = r.R1 = r.R2 = 0.05;
    r.R12 = r.LRc = 0.1;
    r.L2 = 1;
    r.J1 = 2 * r.m1 * r.R10 * r.R10 / 5;
    r.J2 = c.rod ? r.m2 * r.L2 * r.L2 / 12 : 2 * r.m2 * r.R20 * r.R20 / 5;
    r.C1 = c.C1, r.C2 = c.C2, r.Kj1 = c.Kj1, r.Kj2 = c.Kj2, r.h = h;
    r.Z[1] = -0.1 - 7.12345e-5;
    r.Z[7] = 1;
    r.LRprev = -r.Z[1];
    r.NC0 = 30000;
    for (long k = 0; k < 10000000 && !(r.Touched && r.ContactIn == 0); ++k)
        if (AdvanceStep(r, {false, false, true}, PlainStretches{}) == StepEnd::ScreenUpdate) r.StepCount = 0;
    return r;
}

const Impact kImpacts[] = {
    {"RodUnderdamped", true, 1, 1, 1e4, 0, 50, 0},
    {"RodCritical", true, 1, 1, 2e4, 0, 200, 0},
    {"RodOverdamped", true, 1, 1, 1e4, 0, 199.404, 0},
    {"RodHeavyBallElastic", true, 3, 1, 1e4, 0, 0, 0},
    {"BallsEqualUnderdamped", false, 1, 1, 1e4, 1e4, 50, 50},
    {"BallsUnequalUnderdamped", false, 1, 3, 1e4, 3e4, 20, 60},
    {"BallsCritical", false, 1, 1, 1e4, 1e4, 200, 200},
    {"BallsOverdamped", false, 1, 1, 2e4, 2e4, 800, 800},
};

class ExactContact : public testing::TestWithParam<Impact> {};

TEST_P(ExactContact, RestitutionConvergesToTheClosedFormAtFourthOrder) {
    const Impact& c = GetParam();
    const double e = ClosedFormRestitution(c.m(), c.C(), c.Kj());
    const auto error = [&](double h) {
        const PlainRecord r = Strike(c, h);
        return std::abs(r.VX2 - r.VX1 - e);
    };
    EXPECT_LT(error(1e-5), 1e-9 * e);
    EXPECT_GE(error(1e-4) / error(5e-5), 10);
}

INSTANTIATE_TEST_SUITE_P(AllRegimes, ExactContact, testing::ValuesIn(kImpacts),
                         [](const testing::TestParamInfo<Impact>& info) {
                             return std::string(info.param.name);
                         });

TEST(ExactContact, EqualElasticBallsExchangeVelocities) {
    const PlainRecord r = Strike({"", false, 1, 1, 1e4, 1e4, 0, 0}, 1e-5);
    EXPECT_NEAR(r.VX1, 0, 1e-10);
    EXPECT_NEAR(r.VX2, 1, 1e-10);
}

// However stiff the relaxation of the share (Kj/C down to 1E-8 s, a thousandth of h), nothing
// diverges, and the impact tends to the elastic one as the dampers vanish.
TEST(ExactContact, StiffShareNeverDiverges) {
    for (const double Kj : {1e-6, 1e-3, 1.0, 1e3}) {
        const PlainRecord r = Strike({"", false, 1, 1, 400, 800, Kj, Kj}, 1e-5);
        EXPECT_GT(r.VX2 - r.VX1, 0) << Kj;
        EXPECT_LE(r.VX2 - r.VX1, 1) << Kj;
        if (Kj == 1e-6) {
            EXPECT_NEAR(r.VX2 - r.VX1, 1, 1e-6);
        }
    }
}

// With unequal ratios Kj/C the share matters. The reference: the overlap x, its rate v and the
// share d of the reduced pair at tiny steps of the classical method, the parting bisected.
TEST(ExactContact, UnequalRatiosAgreeWithAReferenceIntegration) {
    const Impact c{"", false, 1, 2, 1e4, 3e4, 50, 10};
    struct S {
        double x, v, d;
    };
    const double K = c.Kj1 + c.Kj2, m = c.m();
    const auto rate = [&](S s) { return (c.C2 * (s.x - s.d) - c.C1 * s.d + c.Kj2 * s.v) / K; };
    const auto force = [&](S s) { return c.C1 * s.d + c.Kj1 * rate(s); };
    const auto f = [&](S s) { return S{s.v, -force(s) / m, rate(s)}; };
    const auto rk4 = [&](S s, double h) {
        const auto at = [](S s, S k, double w) { return S{s.x + w * k.x, s.v + w * k.v, s.d + w * k.d}; };
        const S k1 = f(s), k2 = f(at(s, k1, h / 2)), k3 = f(at(s, k2, h / 2)), k4 = f(at(s, k3, h));
        return S{s.x + h * (k1.x + 2 * k2.x + 2 * k3.x + k4.x) / 6,
                 s.v + h * (k1.v + 2 * k2.v + 2 * k3.v + k4.v) / 6,
                 s.d + h * (k1.d + 2 * k2.d + 2 * k3.d + k4.d) / 6};
    };
    S s{0, 1, 0};
    while (force(rk4(s, 1e-7)) > 0) s = rk4(s, 1e-7);
    double lo = 0, hi = 1e-7;
    for (int k = 0; k < 60; ++k) (force(rk4(s, (lo + hi) / 2)) > 0 ? lo : hi) = (lo + hi) / 2;
    const PlainRecord r = Strike(c, 1e-5);
    EXPECT_NEAR(r.VX2 - r.VX1, -rk4(s, lo).v, 1e-9);
}

} // namespace
} // namespace kvor
