// Stop, Continue, NC0 steps and Reverse from every state: before any start, between runs and
// during a run, where they act on the active run instead of starting another.

#include "core/number_text.h"
#include "engine_fixture.h"
#include "view/trajectory_view.h"

#include <gtest/gtest.h>

#include <string>

namespace kvor::test {
namespace {

constexpr const char* kTrackFull = "Увеличьте NC0 (не хватает массива для точек траектории)";

real addedSteps(real T, real h, int steps) {
    for (int n = 0; n < steps; ++n) T = T + h;
    return T;
}

TEST(RunCommands, StopWithoutARunOnlySetsTheFlag) {
    Engine engine;
    engine.experiment.Command2_Click();
    EXPECT_EQ(engine.record.StopFlag, 1);
    EXPECT_EQ(engine.events.calls, 0);
    EXPECT_TRUE(engine.messages.shown.empty());
    EXPECT_EQ(engine.form.text(Text31), "");

    // The next start clears it: the run goes on past its first update.
    engine.load(HeadOnElastic());
    engine.start(3);
    EXPECT_EQ(engine.record.NT, 4);

    // Continue clears it too.
    engine.experiment.Command2_Click();
    engine.stopAfter(2);
    engine.experiment.Command3_Click();
    EXPECT_EQ(engine.record.NT, 7);
}

TEST(RunCommands, BeforeAnyStartTheyRunOnTheRecordAsItStands) {
    // All numbers of the record are 0 after the window opens: nothing moves, the steps take no
    // time, and the run goes on until the track store is full.
    {
        Engine engine;
        engine.experiment.Command3_Click();
        ASSERT_EQ(engine.messages.shown.size(), 1u);
        EXPECT_EQ(engine.messages.shown[0], kTrackFull);
        EXPECT_EQ(engine.record.NT, 2221);
        EXPECT_EQ(engine.record.T, 0.0);
        EXPECT_EQ(engine.form.text(Text31), "0");
        EXPECT_EQ(engine.form.text(Text60), "0");
        EXPECT_FALSE(engine.experiment.running());
    }
    {
        // NC0 is 0 before a start, so NC0 steps makes one step and one update.
        Engine engine;
        engine.experiment.Command10_Click();
        EXPECT_TRUE(engine.messages.shown.empty());
        EXPECT_EQ(engine.record.NT, 1);
        EXPECT_EQ(engine.record.FileStepCount, 1);
        EXPECT_EQ(engine.record.StopFlag, 1);
        EXPECT_EQ(engine.events.calls, 0);
        EXPECT_EQ(engine.form.text(Text53), "0");
    }
}

TEST(RunCommands, ReverseBeforeAnyStartRunsLikeContinue) {
    // Nothing to reverse yet and no scale read: the reversal still enters the run loop on the
    // record as it stands, which then runs until the track store is full.
    Engine engine;
    engine.experiment.Command11_Click();
    ASSERT_EQ(engine.messages.shown.size(), 1u);
    EXPECT_EQ(engine.messages.shown[0], kTrackFull);
    EXPECT_EQ(engine.record.NT, 2221);
    EXPECT_EQ(engine.events.calls, 2221);
    EXPECT_EQ(engine.form.text(Text62), "0");
    EXPECT_EQ(engine.form.text(Text52), "0");
    EXPECT_EQ(engine.record.Alfa, 3.14159 / 2);
    EXPECT_EQ(engine.form.text(Text31), "0");
}

TEST(RunCommands, NC0StepsMakesExactlyNC0StepsAndOneUpdate) {
    Engine engine;
    engine.load(HeadOnElastic().with(Text55, "100"));
    engine.start(1);
    const ModelRecord& r = engine.record;
    ASSERT_EQ(r.NT, 2);
    const int calls = engine.events.calls;

    for (int press = 1; press <= 2; ++press) {
        const real T0 = r.T;
        const Long filed = r.FileStepCount;
        engine.experiment.Command10_Click();
        EXPECT_EQ(r.T, addedSteps(T0, r.h, 100)) << "T grows by 100 additions of h";
        EXPECT_EQ(r.FileStepCount, filed + 100);
        EXPECT_EQ(r.NT, 2 + press) << "one screen update";
        EXPECT_EQ(r.StopFlag, 1);
        EXPECT_EQ(r.StepCount, 0);
        EXPECT_EQ(engine.events.calls, calls) << "the run ends at its update, before any event";
    }

    // Whatever the step counter says, the command counts from 0.
    engine.record.StepCount = 57;
    const real T0 = r.T;
    engine.experiment.Command10_Click();
    EXPECT_EQ(r.T, addedSteps(T0, r.h, 100));
}

TEST(RunCommands, ContinueKeepsTimeCountersAndTheStartClock) {
    Engine engine;
    engine.load(HeadOnViscous());
    engine.clock.now = 1000;
    engine.start(1);
    const ModelRecord& r = engine.record;
    const real T0 = r.T;
    const double Ej = r.Ej;
    engine.clock.now = 1012.5;
    engine.stopAfter(1);
    engine.experiment.Command3_Click();
    EXPECT_EQ(r.T, addedSteps(T0, r.h, 20));
    EXPECT_EQ(r.NT, 4);
    EXPECT_EQ(r.Ej, Ej);
    EXPECT_EQ(r.TStart, 1000.0);
    EXPECT_EQ(engine.form.text(Text56), "12.50") << "real time counts from the start, pauses included";
}

TEST(RunCommands, StartDuringARunRebuildsTheStartStateOfTheActiveRun) {
    Engine engine;
    engine.load(HeadOnElastic());
    bool returnedAtOnce = false;
    int updatesAfterRestart = 0;
    engine.events.onEvents = [&](int call) {
        if (call == 3) {
            engine.form.setText(Text7, "7");
            engine.experiment.Command1_Click();
            // No second run loop: the command returned with the fresh start state.
            returnedAtOnce = engine.record.T == 0.0 && engine.record.NT == 0 && engine.experiment.running();
        }
        if (call > 3) ++updatesAfterRestart;
        if (call == 5) engine.experiment.Command2_Click();
    };
    engine.experiment.Command1_Click();
    EXPECT_TRUE(returnedAtOnce);
    EXPECT_EQ(updatesAfterRestart, 2);
    EXPECT_EQ(engine.record.NT, 3) << "the track starts again from the new start";
    EXPECT_EQ(engine.record.VX1, 7.0);
    EXPECT_EQ(engine.record.T, addedSteps(0, engine.record.h, 30));
    EXPECT_FALSE(engine.experiment.running());
}

TEST(RunCommands, ContinueDuringARunClearsTheStopFlag) {
    Engine engine;
    engine.load(HeadOnElastic());
    engine.events.onEvents = [&](int call) {
        if (call == 2) {
            engine.experiment.Command2_Click();
            engine.experiment.Command3_Click();
            EXPECT_EQ(engine.record.NT, 2) << "no run of its own";
        }
        if (call == 4) engine.experiment.Command2_Click();
    };
    engine.experiment.Command1_Click();
    EXPECT_EQ(engine.record.NT, 5);
}

TEST(RunCommands, NC0StepsDuringARunEndsItAfterNC0MoreSteps) {
    Engine engine;
    engine.load(HeadOnElastic());
    real T = 0;
    engine.events.onEvents = [&](int call) {
        if (call == 2) {
            engine.experiment.Command10_Click();
            T = engine.record.T;
            EXPECT_EQ(engine.record.StopFlag, 1);
            EXPECT_EQ(engine.record.NT, 2) << "no run of its own";
        }
    };
    engine.experiment.Command1_Click();
    EXPECT_EQ(engine.record.NT, 3);
    EXPECT_EQ(engine.record.T, addedSteps(T, engine.record.h, 10));
    EXPECT_EQ(engine.events.calls, 2);
}

TEST(RunCommands, ReverseDuringARunReversesTheActiveRun) {
    Engine engine;
    engine.load(HeadOnElastic());
    StateVector before, after;
    double T = -1;
    engine.events.onEvents = [&](int call) {
        if (call == 2) {
            before = engine.record.Z;
            engine.experiment.Command11_Click();
            after = engine.record.Z;
            T = engine.record.T;
        }
        if (call == 4) engine.experiment.Command2_Click();
    };
    engine.experiment.Command1_Click();
    EXPECT_EQ(T, 0.0) << "the command returned before any step of the reversed run";
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(after[i], before[i]) << "position " << i;
    for (int i = 7; i <= 12; ++i) EXPECT_EQ(after[i], -before[i]) << "velocity " << i;
    EXPECT_EQ(engine.record.NT, 3) << "two updates after the reversal, then the stop";
    EXPECT_EQ(engine.record.VX1, -5.0);
    EXPECT_EQ(engine.record.VX2, 10.0);
}

TEST(RunCommands, ReverseStartsTheTrackAtTheReversalPoint) {
    Engine engine;
    engine.load(HeadOnElastic());
    engine.start(4);
    const ModelRecord& r = engine.record;
    const double x1 = r.X1 / r.Mx, y1 = r.Y1 / r.Mx, x2 = r.X2 / r.Mx;
    const std::size_t opsBefore = engine.picture1.ops.size();

    engine.stopAfter(1);
    engine.experiment.Command11_Click();
    EXPECT_EQ(engine.track.TrX1[0], x1);
    EXPECT_EQ(engine.track.TrX2[0], x2);
    EXPECT_EQ(r.NT, 2);

    // The first update after the reversal erases the velocity arrows drawn there: the first
    // erasing line begins at the reversal point.
    const CanvasOp* firstErase = nullptr;
    for (std::size_t i = opsBefore; i < engine.picture1.ops.size() && !firstErase; ++i)
        if (engine.picture1.ops[i].kind == CanvasOp::Kind::Line &&
            engine.picture1.ops[i].colour == kEraseColour)
            firstErase = &engine.picture1.ops[i];
    ASSERT_NE(firstErase, nullptr);
    EXPECT_EQ(firstErase->a, static_cast<float>(x1));
    EXPECT_EQ(firstErase->b, static_cast<float>(y1));
}

TEST(RunCommands, ReverseMakesTheReversalPointTheNewStart) {
    Engine engine;
    engine.load(HeadOnViscous());
    engine.start(1050); // through the impact
    const ModelRecord& r = engine.record;
    ASSERT_GT(r.Ej, 0.0);
    const double V1 = r.V1, V2 = r.V2;
    engine.events.onEvents = [&](int) {
        engine.experiment.Command2_Click();
        // Checked at the first update after the reversal.
        EXPECT_EQ(r.E0, (r.m1 * V1 * V1 + r.m2 * V2 * V2) / 2);
        EXPECT_EQ(r.NT, 1) << "the track dots are numbered from 1 again";
    };
    engine.experiment.Command11_Click();
    EXPECT_EQ(r.T, addedSteps(0, r.h, 20)) << "time restarts from 0";
    EXPECT_EQ(r.Ej, 0.0) << "the balls have separated: nothing dissipated since the reversal";
    EXPECT_EQ(r.EqAnswer, 0);
    EXPECT_EQ(engine.form.text(Text62), NumberText(r.E0, '.'));
}

} // namespace
} // namespace kvor::test
