// Mechanics in whole runs of two balls through the batch runner: equal elastic balls exchange
// velocities and Reverse brings them back, momentum is kept, viscous loss only in contact, a
// lossless impact's balance at 0, Runge-Kutta of the 4th order; and the error no script reaches: a
// counter's end. (The rod's impacts are swept in ball_rod_test.)

#include "batch/batch_runner.h"
#include "control/messages.h"
#include "core/energy_balance.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

namespace kvor {
namespace {

// Two equal balls of 1 kg and 0.5 m with springs of 1E+06 N/m on the x axis, 5 and -10 m/s,
// 0.52 m apart: the example of the help text, brought closer. They touch for about 3 ms.
const std::vector<std::string> kHeadOn = {
    "set m10 1",   "set m20 1",    "set q1 0",  "set q2 0",      "set D1 0.5", "set D2 0.5", "set C1 1",
    "set C2 1",    "set Text24 6", "set VX1 5", "set VX2 -10",   "set VY1 0",  "set VY2 0",  "set X1 -0.26",
    "set X2 0.26", "set Y1 0",     "set Y2 0",  "set h 0.00001", "set NC0 10"};

class Session {
public:
    explicit Session(std::vector<std::string> setup) { runner.run(std::move(setup)); }
    // Runs the lines; a run they start or continue is stopped after `updates` screen updates.
    const ModelRecord& play(std::vector<std::string> lines, int updates) {
        lines.insert(lines.end(), {"run " + std::to_string(updates - 1), "stop", "run 1"});
        runner.run(std::move(lines));
        return runner.record();
    }

    std::ostringstream out;
    BatchRunner runner{out, {'.', "/dev/null"}};
};

TEST(Physics, EqualElasticBallsExchangeVelocitiesAndReverseBringsThemBack) {
    Session session(kHeadOn);
    const ModelRecord& r = session.play({"start"}, 60);
    EXPECT_NEAR(r.VX1, -10, 1e-4);
    EXPECT_NEAR(r.VX2, 5, 1e-4);
    const double T = r.T;
    // Reversed, they meet again, exchange the velocities back and retrace their paths: after as
    // long a time they are where they started, with their start velocities reversed.
    session.play({"reverse"}, 60);
    EXPECT_NEAR(r.T, T, 1e-12);
    EXPECT_NEAR(r.VX1, -5, 1e-4);
    EXPECT_NEAR(r.VX2, 10, 1e-4);
    EXPECT_NEAR(r.X1, -0.26, 1e-5);
    EXPECT_NEAR(r.X2, 0.26, 1e-5);
    EXPECT_EQ(r.VY1, 0.0);
}

struct Impact {
    const char* name;
    std::vector<std::string> setup; // after the worked example
    bool lossless;
};

class Impacts : public testing::TestWithParam<Impact> {};

// Every force acts on the two bodies as an opposite pair, so the momentum stays; the viscous loss
// only grows, and only while the bodies touch; without losses the balance is back near zero once
// the contact is over.
TEST_P(Impacts, KeepMomentumAndLoseEnergyOnlyInContact) {
    const Impact& impact = GetParam();
    Session session(impact.setup);
    const ModelRecord& r = session.play({"set NC0 1", "start"}, 1);
    double Ej = r.Ej;
    int contactSteps = 0;
    // Every step is a screen update: the contact must be over within the 2220 the track holds.
    for (int n = 0; n < 2200 && (contactSteps == 0 || r.FcFj != 0); ++n) {
        session.play({"steps"}, 1);
        ASSERT_NEAR(r.KD, r.KD0, 1e-9 * r.KD0) << "step " << n;
        const bool touching = r.LR <= r.R12;
        contactSteps += touching;
        ASSERT_TRUE(touching ? r.Ej >= Ej : r.Ej == Ej) << "step " << n << ": Ej " << Ej << " -> " << r.Ej;
        Ej = r.Ej;
    }
    EXPECT_GT(contactSteps, 20);
    EXPECT_EQ(r.FcFj, 0.0) << "the contact is over";
    EXPECT_EQ(session.out.str().find("message"), std::string::npos) << session.out.str();
    if (impact.lossless) {
        EXPECT_NEAR(EnergyBalance(r), 0, 1e-4 * r.E0);
    } else {
        EXPECT_GT(r.Ej + r.Es, 1e-3 * r.E0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothVariants, Impacts,
    testing::Values(Impact{"HeadOnElastic", kHeadOn, true},
                    Impact{"ObliqueWithEveryForce",
                           {"set m20 2", "set q2 -5", "set Text22 -6", "set C1 1", "set C2 3", "set Text24 5",
                            "set Kj1 20", "set Kj2 5", "set Ks 0.4", "set VX1 8", "set VY1 6", "set VX2 -2",
                            "set VY2 -1", "set X1 -0.525", "set Y1 -0.2", "set X2 0.525", "set Y2 0.2",
                            "check +Fm on"},
                           false}),
    [](const testing::TestParamInfo<Impact>& info) { return std::string(info.param.name); });

// Two balls of 1 kg with like charges, at rest 1 m apart, fly apart under the Coulomb force k/r^2
// (k = Kq q1 q2). With the reduced mass mu = 1/2 the distance r(t) solves mu r'' = k/r^2, whose
// time as a function of the distance is known:
//   t(r) = sqrt(mu r0^3 / (2k)) * (sqrt(u (u - 1)) + acosh(sqrt(u))),  u = r/r0.
// Returns by how much that time at the distance reached after 2.4 s differs from the model time.
double CoulombTimeError(double h) {
    Session session({"set m10 1", "set m20 1", "set q1 1", "set q2 1", "set Text22 -5", "set D1 0.01",
                     "set D2 0.01", "set VX1 0", "set VY2 0", "set X1 -0.5", "set X2 0.5", "set Y2 0",
                     "set h " + std::to_string(h), "set NC0 " + std::to_string(std::lround(1.2 / h))});
    const ModelRecord& r = session.play({"start"}, 1); // two screen updates
    const double k = r.Kq * r.q1 * r.q2, u = r.X2 - r.X1;
    return std::sqrt(0.5 / (2 * k)) * (std::sqrt(u * (u - 1)) + std::acosh(std::sqrt(u))) - r.T;
}

TEST(RungeKutta, HalvingTheStepDividesTheErrorBySixteen) {
    double previous = std::abs(CoulombTimeError(0.08));
    for (const double h : {0.04, 0.02, 0.01}) {
        const double error = std::abs(CoulombTimeError(h));
        EXPECT_GT(previous / error, 13.5) << "h = " << h;
        EXPECT_LT(previous / error, 18.5) << "h = " << h;
        previous = error;
    }
    EXPECT_LT(previous, 1e-7);
}

// The balance measures the integration: at the end of runs of the same model time outside contact,
// at h, h/2 and h/4, it falls with the step at least at the order the forces allow. Each case is a
// set-up after the worked example, its h, its NC0 at h for 40 screen updates, and the order.
struct Convergence {
    const char* name;
    std::vector<std::string> setup;
    double h;
    int nc0;
    double order;
};

void PrintTo(const Convergence& c, std::ostream* out) {
    *out << c.name;
}

class Balance : public testing::TestWithParam<Convergence> {};

TEST_P(Balance, ConvergesWithTheStep) {
    const Convergence& c = GetParam();
    double balance[3];
    for (int k = 0; k < 3; ++k) {
        std::vector<std::string> setup = c.setup;
        setup.push_back("set h " + NumberText(c.h / (1 << k), '.'));
        setup.push_back("set NC0 " + std::to_string(c.nc0 << k));
        Session session(setup);
        const ModelRecord& r = session.play({"start"}, 40);
        ASSERT_EQ(r.FcFj, 0.0) << "the bodies are apart at the end";
        balance[k] = std::abs(EnergyBalance(r));
    }
    EXPECT_GE(std::log2(balance[0] / balance[2]) / 2, c.order)
        << balance[0] << " " << balance[1] << " " << balance[2];
}

const std::vector<std::string> kFlyby = {
    "set m10 1",   "set m20 1",    "set Text21 8", "set q1 0",  "set q2 0", "set D1 0.1", "set D2 0.1",
    "set VX1 0.3", "set VX2 -0.3", "set VY2 0",    "set X1 -1", "set X2 1", "set Y2 0.5"};
INSTANTIATE_TEST_SUITE_P(
    EveryForce, Balance,
    testing::Values(
        Convergence{"Gravity",
                    [] {
                        auto s = kFlyby;
                        s.push_back("check +Fm on");
                        return s;
                    }(),
                    0.04, 6, 3.5},
        Convergence{"Coulomb",
                    [] {
                        auto s = kFlyby;
                        for (auto l : {"set q1 1", "set q2 1", "set Text22 -4", "set Text21 0", "set VX1 10",
                                       "set VX2 -10", "set X1 -2", "set X2 2"})
                            s.push_back(l);
                        return s;
                    }(),
                    0.004, 2, 3.5},
        Convergence{"ViscousBalls",
                    [] {
                        auto s = kHeadOn;
                        for (auto l : {"set Kj1 5", "set Kj2 5", "set X1 -0.3", "set X2 0.3"}) s.push_back(l);
                        return s;
                    }(),
                    1e-5, 50, 0.8},
        Convergence{
            "ViscousBallsExactContact",
            [] {
                auto s = kHeadOn;
                for (auto l : {"set Kj1 5", "set Kj2 5", "set X1 -0.3", "set X2 0.3", "contact exact"})
                    s.push_back(l);
                return s;
            }(),
            1e-4, 4, 3.5},
        Convergence{"ViscousRodExactContact",
                    {"variant ball-rod", "set m10 1", "set m20 1", "set D1 0.1", "set C1 1", "set Text24 4",
                     "set Kj1 50", "set VX1 1", "set X1 -0.16", "set Y1 0", "contact exact"},
                    1e-4,
                    10,
                    3.5},
        Convergence{"ViscousRod",
                    {"variant ball-rod", "set m10 1", "set m20 1", "set D1 0.1", "set C1 1", "set Text24 4",
                     "set Kj1 50", "set VX1 1", "set X1 -0.16", "set Y1 0"},
                    1e-5,
                    250,
                    0.8},
        Convergence{"DryFriction",
                    {"set m20 2", "set q1 0", "set C1 1", "set C2 3", "set Text24 5", "set Ks 0.4",
                     "set VX1 8", "set VY1 6", "set VX2 -2", "set VY2 -1", "set X1 -0.525", "set Y1 -0.2",
                     "set X2 0.525", "set Y2 0.2"},
                    1e-4,
                    125,
                    0.5}),
    [](const testing::TestParamInfo<Convergence>& info) { return std::string(info.param.name); });

// The count of steps since the last screen update (16 bits) and since the last data record (32)
// cannot go on past their range: the next step is an error of the stretch that counts them,
// which for two balls comes after the relativistic masses.
TEST(RunErrors, ACounterAtTheEndOfItsRangeEndsTheRunWithTheMessageOfItsStretch) {
    for (const bool ballRod : {false, true}) {
        for (const bool fileCount : {false, true}) {
            Session session({ballRod ? "variant ball-rod" : "variant ball-ball"});
            ModelRecord& r = session.runner.record();
            session.play({"start"}, 1);
            r.FileStepCount = fileCount ? std::numeric_limits<Long>::max() : 0;
            r.StepCount = fileCount ? 0 : std::numeric_limits<Integer>::max();
            session.out.str("");
            session.play({"continue"}, 5);
            EXPECT_EQ(session.out.str(),
                      "message\t" + std::string(ballRod ? messages::kEquationsError : messages::kLightSpeed) +
                          "\n")
                << ballRod << fileCount;
        }
    }
}

} // namespace
} // namespace kvor
