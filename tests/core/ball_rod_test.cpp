// The ball-rod contact: the rod is the rectangle it is drawn as, at every angle, and an impact on it
// obeys mechanics: energy, momentum and angular momentum are kept, a half turn of the symmetric rod
// and a mirror image of the set-up change nothing but what they must.

#include "core/ball_rod.h"
#include "core/energy_balance.h"
#include "core/runge_kutta.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace kvor {
namespace {

constexpr double kPi = std::numbers::pi;

// A ball of 12 kg and 0.5 m, stiffness 4E5 N/m, and a resting rod of 24 kg, 1 m long and 0.2 m
// thick, centred at the origin and turned by phi2: the worked example's bodies.
ModelRecord bodies(double phi2, double h = 1e-5) {
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
    r.h = h;
    r.Z[6] = phi2;
    return r;
}

// Places the ball at (x, y) in a frame turned with the rod: x across the rod, y along its axis.
void placeBall(ModelRecord& r, double x, double y) {
    const double S = std::sin(r.Z[6]), C = std::cos(r.Z[6]);
    r.Z[1] = x * C - y * S;
    r.Z[3] = x * S + y * C;
}

// Where the ball is placed in the rod's frame, and what must follow: the penetration, the unit
// normal from the rod to the ball and the point of the rod where the force acts.
struct Touching {
    const char* where;
    double x, y;   // ball centre
    double depth;  // penetration, m
    double ux, uy; // normal towards the ball
    double qx, qy; // point of contact on the rod
};

const Touching kTouching[] = {
    {"side face", -0.3, 0.2, 0.05, -1, 0, -0.1, 0.2},
    {"far side face", 0.32, -0.4, 0.03, 1, 0, 0.1, -0.4},
    {"end face", 0.05, 0.7, 0.05, 0, 1, 0.05, 0.5},
    {"corner", -0.22, -0.66, 0.05, -0.6, -0.8, -0.1, -0.5},
    {"centre inside, near a side", -0.05, 0.1, 0.3, -1, 0, -0.1, 0.1},
    {"centre inside, near an end", 0.02, -0.47, 0.28, 0, -1, 0.02, -0.5},
    {"beyond the corner", -0.3, -0.76, 0, 0, 0, 0, 0},
};

TEST(BallRodContact, ThePenetrationIsTheBallsRadiusLessItsDistanceToTheRectangle) {
    for (const double phi2 : {0.0, 0.7, 2.5, -2.0, 4.0}) {
        for (const Touching& c : kTouching) {
            SCOPED_TRACE(std::string(c.where) + " at phi2 " + std::to_string(phi2));
            ModelRecord r = bodies(phi2);
            placeBall(r, c.x, c.y);
            Diffur2(r);
            EXPECT_NEAR(r.Def1, c.depth, 1e-12);
            EXPECT_NEAR(r.F, 4e5 * c.depth, 1e-6);
            // The force on the rod is -F u; turned back into the rod's frame.
            const double S = std::sin(phi2), C = std::cos(phi2);
            EXPECT_NEAR(r.FX * C + r.FY * S, -r.F * c.ux, 1e-9);
            EXPECT_NEAR(-r.FX * S + r.FY * C, -r.F * c.uy, 1e-9);
            EXPECT_EQ(r.DZ[7], -r.FX / r.m1);
            EXPECT_EQ(r.DZ[10], r.FY / r.m2);
            // Its moment about the rod's centre: q x (-F u).
            EXPECT_NEAR(r.DZ[12] * r.J2, -r.F * (c.qx * c.uy - c.qy * c.ux), 1e-9);
            EXPECT_EQ(r.DZ[11], 0.0) << "the ball is not made to spin";
        }
    }
}

TEST(BallRodContact, ThePenetrationRateIncludesTheRodsTurning) {
    // A vertical rod turning at w2 pressed at 0.2 m above its centre: that point of the rod moves
    // at -0.2 w2 along x, into the ball on its left.
    ModelRecord r = bodies(0);
    placeBall(r, -0.3, 0.2);
    r.Z[7] = 3;
    r.Z[12] = 10;
    r.Kj1 = 100;
    Diffur2(r);
    EXPECT_NEAR(r.VR1, 3 + 0.2 * 10, 1e-12);
    EXPECT_NEAR(r.F, 4e5 * 0.05 + 100 * 5, 1e-6);

    // A damper that would pull harder than the spring pushes leaves no force.
    r.Kj1 = 1000;
    r.Z[7] = -30;
    Diffur2(r);
    EXPECT_EQ(r.F, 0.0);
}

// One impact of the ball, at 30 m/s from the left, aimed at a side face, an end face or a corner
// of the rod, integrated until the bodies are apart again.
enum class Aim { SideFace, EndFace, Corner };

struct Impact {
    ModelRecord r;
    double angularMomentumBefore = 0, angularMomentumAfter = 0;
    bool touched = false, ejOnlyGrew = true;
};

double angularMomentum(const ModelRecord& r) {
    return r.m1 * (r.X1 * r.VY1 - r.Y1 * r.VX1) + r.m2 * (r.X2 * r.VY2 - r.Y2 * r.VX2) + r.J2 * r.w2;
}

// The face (or corner) facing left: its point q and outward normal in the rod's frame (across,
// along). The ball starts 0.8 m out from q, on a line through q turned from the normal towards
// -x, and flies along it at q.
Impact impact(double phi2, Aim aim, double Kj1, double mirror = 1) {
    const double S = std::sin(phi2), C = std::cos(phi2);
    // The sign that turns a direction of the rod's frame to point left, or up where it is
    // vertical; and to point up, or left where it is level. A half turn picks the same faces.
    const auto sign = [&](double across, double along, bool left) {
        const double x = across * C - along * S, y = across * S + along * C;
        if (!left) return (std::abs(y) > 1e-9 ? y > 0 : x < 0) ? 1.0 : -1.0;
        return (std::abs(x) > 1e-9 ? x < 0 : y > 0) ? 1.0 : -1.0;
    };
    const double sx = sign(1, 0, true), sy = sign(0, 1, true);
    const auto [nx, ny, qx, qy] = aim == Aim::SideFace
                                      ? std::array{sx, 0.0, 0.1 * sx, 0.25 * sign(0, 1, false)}
                                  : aim == Aim::EndFace ? std::array{0.0, sy, 0.0, 0.5 * sy}
                                                        : std::array{0.6 * sx, 0.8 * sy, 0.1 * sx, 0.5 * sy};
    const double mx = nx * C - ny * S - 0.5, my = nx * S + ny * C;
    const double m = std::hypot(mx, my);
    Impact run{bodies(phi2)};
    ModelRecord& r = run.r;
    placeBall(r, qx, qy);
    r.Z[1] = r.Z[1] + 0.8 * mx / m;
    r.Z[3] = (r.Z[3] + 0.8 * my / m) * mirror;
    r.Z[6] = phi2 * mirror;
    r.Z[7] = -30 * mx / m;
    r.Z[9] = -30 * my / m * mirror;
    r.Kj1 = Kj1;

    RefreshAllMirrors(r);
    r.V1 = 30;
    StartEnergy(r);
    StartMomentum(r);
    run.angularMomentumBefore = angularMomentum(r);
    for (int n = 0; n < 20000; ++n) {
        const double ej = r.Ej;
        RungeKuttaStep(r, false);
        BallRodStepUpdate(r);
        ContactEnergies(r);
        r.T = r.T + r.h;
        run.ejOnlyGrew = run.ejOnlyGrew && r.Ej >= ej;
        run.touched = run.touched || r.F > 0;
        if (run.touched && r.Def1 == 0) break;
    }
    KineticEnergyAndMomentum(r);
    run.angularMomentumAfter = angularMomentum(r);
    return run;
}

// |a - b| small beside the size of the quantity.
void expectClose(double a, double b, const char* what) {
    EXPECT_NEAR(a, b, 1e-9 * std::max(1.0, std::abs(a))) << what;
}

// A ball that flies along x just below the lowest corner of the rectangle, past it.
void expectPassingBy(double phi2) {
    ModelRecord r = bodies(phi2);
    double lowest = 0;
    for (const double along : {-0.5, 0.5})
        for (const double across : {-0.1, 0.1})
            lowest = std::min(lowest, across * std::sin(phi2) + along * std::cos(phi2));
    r.Z[1] = -1.5;
    r.Z[3] = lowest - 0.25 - 1e-4;
    r.Z[7] = 30;
    for (int n = 0; n < 10000; ++n) {
        RungeKuttaStep(r, false);
        ASSERT_EQ(r.F, 0.0) << "step " << n;
    }
    EXPECT_GT(r.X1, 1.4);
    EXPECT_EQ(r.VX1, 30.0);
    EXPECT_EQ(r.VY1, 0.0);
}

// At every angle a ball passing beyond the rod's end is untouched. At every angle and aim: an
// elastic impact keeps the energy, a damped one creates none and its loss only grows; both keep
// momentum and angular momentum. A half turn of the rod is the same rectangle met in the same
// place; a mirror image in the x axis keeps the x coordinates and velocities and turns the sign
// of the y ones, of phi2 and of w2.
TEST(BallRodContact, ImpactsAtEveryAngleKeepTheLawsOfMechanics) {
    for (int degrees = -180; degrees <= 180; degrees += 15) {
        const double phi2 = degrees * kPi / 180;
        SCOPED_TRACE(testing::Message() << "at " << degrees);
        expectPassingBy(phi2);
        for (const Aim aim : {Aim::SideFace, Aim::EndFace, Aim::Corner}) {
            SCOPED_TRACE(testing::Message() << "aim " << static_cast<int>(aim));
            const Impact elastic = impact(phi2, aim, 0), damped = impact(phi2, aim, 300);
            for (const Impact* run : {&elastic, &damped}) {
                ASSERT_TRUE(run->touched);
                ASSERT_EQ(run->r.F, 0.0) << "the bodies are apart again";
                EXPECT_NEAR(run->r.KD, run->r.KD0, 1e-9 * run->r.KD0);
                EXPECT_NEAR(run->angularMomentumAfter, run->angularMomentumBefore,
                            1e-6 * std::abs(run->angularMomentumBefore) + 1e-9);
                EXPECT_GT(run->r.V2, 0.1) << "the rod was pushed";
            }
            EXPECT_NEAR(EnergyBalance(elastic.r), 0, 1e-4 * elastic.r.E0);
            EXPECT_TRUE(damped.ejOnlyGrew);
            EXPECT_GT(damped.r.Ej, 1.0);
            EXPECT_LE(EnergyBalance(damped.r), 1e-4 * damped.r.E0);

            const ModelRecord& a = damped.r;
            const ModelRecord t = impact(phi2 + kPi, aim, 300).r;
            for (const int k : {1, 2, 3, 4, 7, 8, 9, 10, 12}) expectClose(t.Z[k], a.Z[k], "half turn");
            expectClose(t.Z[6], a.Z[6] + kPi, "phi2");
            const ModelRecord m = impact(phi2, aim, 300, -1).r;
            for (const int k : {1, 2, 7, 8}) expectClose(m.Z[k], a.Z[k], "mirror");
            for (const int k : {3, 4, 6, 9, 10, 12}) expectClose(m.Z[k], -a.Z[k], "mirror");
        }
    }
}

} // namespace
} // namespace kvor
