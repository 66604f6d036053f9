// The physics of whole runs: what must come out of an impact whatever the details of the
// numbers, checked at every screen update.

#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kvor::test {
namespace {

// What a screen update shows, taken at its event processing.
struct Update {
    double T, X1, X2, VX1, VX2, LR, E, E0, Ej, Es, Em, Eq, KD, KD0, balance;
};

Update shown(const ModelRecord& r) {
    return {r.T,  r.X1, r.X2, r.VX1, r.VX2,
            r.LR, r.E,  r.E0, r.Ej,  r.Es,
            r.Em, r.Eq, r.KD, r.KD0, r.E - r.E0 + r.Ej + r.Es + r.Em + r.Eq};
}

// Starts (or reverses) and runs until `updates` screen updates have been made, keeping each.
std::vector<Update> run(Engine& engine, int updates, bool start = true) {
    std::vector<Update> seen;
    engine.events.calls = 0;
    engine.events.onEvents = [&](int call) {
        seen.push_back(shown(engine.record));
        if (call == updates - 1) engine.experiment.Command2_Click();
    };
    if (start)
        engine.experiment.Command1_Click();
    else
        engine.experiment.Command11_Click();
    seen.push_back(shown(engine.record)); // the last update, at which the stop was seen
    EXPECT_TRUE(engine.messages.shown.empty());
    return seen;
}

TEST(Physics, EqualElasticBallsExchangeVelocitiesAndReverseBringsThemBack) {
    // Two equal balls on the x axis, 5 and -10 m/s, touch after 0.1 s for about a millisecond.
    Engine engine;
    engine.load(HeadOnElastic());
    run(engine, 1100);
    const ModelRecord& r = engine.record;
    EXPECT_NEAR(r.VX1, -10, 1e-4);
    EXPECT_NEAR(r.VX2, 5, 1e-4);
    EXPECT_EQ(r.VY1, 0.0);
    const double T = r.T;

    // Reversed, they move with 10 and -5 m/s, meet again, exchange the velocities back and
    // retrace their paths: after as long a time they are where they started, moving with their
    // start velocities reversed.
    const std::vector<Update> reversed = run(engine, 1100, false);
    EXPECT_NEAR(reversed.front().VX1, 10, 1e-4);
    EXPECT_NEAR(reversed.front().VX2, -5, 1e-4);
    EXPECT_NEAR(r.T, T, 1e-12);
    EXPECT_NEAR(r.VX1, -5, 1e-4);
    EXPECT_NEAR(r.VX2, 10, 1e-4);
    EXPECT_NEAR(r.X1, -1, 1e-5);
    EXPECT_NEAR(r.X2, 1, 1e-5);
}

TEST(Physics, MomentumIsKeptInBothVariants) {
    // Every force acts on the two bodies as an opposite pair, so KD stays KD0 without Lorentz:
    // the oblique example with friction and damping, through the impact, and the ball-rod example.
    const Scenario scenarios[] = {
        BallBallExample().with(Text6, "0,3").with(Text5, "5").with(Text15, "2").with(Text4, "4000"),
        BallRodExample().with(Text5, "20"),
    };
    for (const Scenario& scenario : scenarios) {
        Engine engine;
        engine.load(scenario);
        const std::vector<Update> seen = run(engine, 700);
        ASSERT_EQ(seen.size(), 700u);
        EXPECT_EQ(seen.back().KD0, seen.front().KD0);
        double worst = 0;
        for (const Update& u : seen) worst = std::max(worst, std::abs(u.KD - u.KD0) / u.KD0);
        EXPECT_LT(worst, 1e-12);
        EXPECT_GT(engine.record.F1 + engine.record.Ej + std::abs(engine.record.w2), 0.0) << "the bodies met";
    }
}

TEST(Physics, BalanceReturnsNearZeroAfterAFrictionlessImpact) {
    Engine engine;
    engine.load(HeadOnElastic());
    const std::vector<Update> seen = run(engine, 1100);
    double before = 0, during = 0, after = 0;
    for (const Update& u : seen) {
        if (u.T < 0.099) before = std::max(before, std::abs(u.balance));
        if (u.LR <= 0.5) during = std::max(during, std::abs(u.balance));
        if (u.T > 0.105) after = std::max(after, std::abs(u.balance)); // apart again
    }
    const double E0 = seen.front().E0;
    EXPECT_EQ(E0, (25.0 + 100.0) / 2);
    EXPECT_EQ(before, 0.0) << "free flight keeps E exactly";
    EXPECT_GT(during, 0.2 * E0) << "the elastic energy of the contact is not counted";
    EXPECT_LT(after, 1e-5 * E0) << "only the integration error remains";
    for (const Update& u : seen) {
        EXPECT_EQ(u.Ej, 0.0);
        EXPECT_EQ(u.Es, 0.0);
    }
}

TEST(Physics, ViscousLossGrowsOnlyInContact) {
    Engine engine;
    engine.load(HeadOnViscous());
    const std::vector<Update> seen = run(engine, 1100);
    int growing = 0;
    for (std::size_t i = 1; i < seen.size(); ++i) {
        // Between two updates 10 steps apart the balls close in by at most 0.0015 m.
        const bool apart = seen[i - 1].LR > 0.502 && seen[i].LR > 0.502;
        if (apart)
            EXPECT_EQ(seen[i].Ej, seen[i - 1].Ej) << "update " << i;
        else if (seen[i].Ej > seen[i - 1].Ej)
            ++growing;
        EXPECT_GE(seen[i].Ej, seen[i - 1].Ej);
    }
    EXPECT_GT(growing, 5);
    const Update& last = seen.back();
    EXPECT_GT(last.Ej, 1.0);
    EXPECT_LT(std::abs(last.balance), 0.02 * last.Ej) << "the loss is accounted for";
    EXPECT_GT(last.VX2 - last.VX1, 0.0) << "they fly apart";
    EXPECT_LT(last.VX2 - last.VX1, 15.0) << "slower than they met";
}

TEST(Physics, BallsThatNeverMeetDissipateNothing) {
    Engine engine;
    engine.load(HeadOnElastic().with(Text20, "3"));
    const std::vector<Update> seen = run(engine, 1500);
    for (const Update& u : seen) {
        ASSERT_EQ(u.Ej + u.Es + u.Em + u.Eq, 0.0);
        ASSERT_EQ(u.balance, u.E - u.E0);
        ASSERT_LT(std::abs(u.balance), 1e-13 * u.E0);
    }
}

} // namespace
} // namespace kvor::test
