// An error during a run ends it with the message of the stretch of the step in which it arose:
// the integration ("Ошибка решения уравнений"), for two balls the relativistic masses and what
// follows up to the trajectory picture ("Вы превысили скорость света..."), the time graph, panel
// and totals ("Несовместимость параметров"). The record keeps what was computed before the
// fault, and a following start with good inputs runs normally.

#include "robustness_support.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

namespace kvor {
namespace {

using test::Engine;
using test::ExpectGoodStartRunsNormally;
using test::ExpectOnlyMessage;
namespace text = test::text;

// Starts the scenario; at the first screen update `change` is applied to the boxes and check
// boxes, as a user would during the run. The run is stopped at the tenth update at the latest.
template <typename Change>
void StartAndChangeAtFirstUpdate(Engine& engine, const test::Scenario& scenario, Change change) {
    engine.load(scenario);
    engine.events.calls = 0;
    engine.events.onEvents = [&engine, change](int call) {
        if (call == 1) change(engine.form);
        if (call == 10) engine.experiment.Command2_Click();
    };
    engine.experiment.Command1_Click();
}

// The head-on example with the balls 2 cm apart, so that they touch after about 130 steps.
test::Scenario CloseHeadOn(const test::Scenario& base) {
    return base.with(Text9, "-0,26").with(Text19, "0,26");
}

TEST(RunErrors, AScaleThatIsNotANumberEndsTheRunAtTheNextStep) {
    for (const TextBox scale : {Text29, Text26, Text61, Text51, Text30}) {
        SCOPED_TRACE("scale box Text" + std::to_string(scale));
        Engine engine;
        StartAndChangeAtFirstUpdate(engine, test::HeadOnElastic(),
                                    [scale](BatchForm& form) { form.setText(scale, "?"); });
        ExpectOnlyMessage(engine, text::kEquationsError);
        EXPECT_EQ(engine.events.calls, 1);
        // The failed step stopped before its stages: the state of the first update stands.
        EXPECT_NEAR(engine.record.T, 10 * 1e-5, 1e-15);
        EXPECT_EQ(engine.record.NT, 1);
        ExpectGoodStartRunsNormally(engine);
    }
}

// Faults of the force routines, each with inputs that a user can type.
TEST(RunErrors, FaultsOfTheEquationsOfMotion) {
    const struct {
        test::Scenario scenario;
        bool plusFm;
        const char* why;
    } cases[] = {
        {test::HeadOnElastic().with(Text1, "0"), false, "m1 = 0: the acceleration of body 1 is 0/0"},
        {test::HeadOnElastic().with(Text11, "0"), false, "m2 = 0"},
        {CloseHeadOn(test::HeadOnElastic()).with(Text4, "0").with(Text14, "0"), false,
         "no stiffness and no viscosity: CK1 + CK2 = 0 at the first contact"},
        {test::HeadOnElastic().with(Text21, "160").with(Text7, "0").with(Text17, "0"), true,
         "resting balls of 10^160 kg: the product of the masses in the gravitational force overflows"},
        {test::BallRodExample().with(Text16, "0").with(Text10, "-0,4"), false, "rod length 0: J2 = 0"},
        {test::BallRodExample().with(Text11, "0").with(Text10, "-0,4"), false, "rod mass 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Engine engine;
        engine.load(c.scenario);
        engine.form.setChecked(Check13, c.plusFm);
        engine.start(1000);
        ExpectOnlyMessage(engine, text::kEquationsError);
        EXPECT_FALSE(engine.experiment.running());
        ExpectGoodStartRunsNormally(engine);
    }
}

// Two balls that pass through each other (no stiffness, dampers of 10^-300 N*s/m) along the x
// axis at 1 m/s each meet in one point: the distance of the centres is 0 and the Coulomb force
// 0/0. With a step of 2^-10 s every position is exact, so they meet at the last stage of step
// 1024, and the run ends with T at 1023 steps.
TEST(RunErrors, CentresInOnePointDuringARun) {
    Engine engine;
    engine.load(test::HeadOnElastic()
                    .with(Text4, "0")
                    .with(Text14, "0")
                    .with(Text5, "1")
                    .with(Text15, "1")
                    .with(Text25, "-300")
                    .with(Text7, "1")
                    .with(Text17, "-1")
                    .with(Text54, "0,0009765625"));
    engine.start(1000);
    ExpectOnlyMessage(engine, text::kEquationsError);
    EXPECT_EQ(engine.record.T, 1023 * 0.0009765625);
    EXPECT_EQ(engine.record.LR, 0) << "the distance was computed before the force failed";
    ExpectGoodStartRunsNormally(engine);
}

// With "Лоренц" ticked, the first ball-ball step at whose end a speed reaches the speed of light
// ends the run: the relativistic mass is the square root of a negative number.
TEST(RunErrors, ReachingTheSpeedOfLightWithLorentzMasses) {
    // Two like charges of 3 mC on 0.1 ng balls 2 m apart: 2*10^14 m/s^2, beyond c in one step.
    Engine engine;
    engine.load(test::HeadOnElastic()
                    .with(Text21, "-10")
                    .with(Text2, "3")
                    .with(Text12, "3")
                    .with(Text22, "-3")
                    .with(Text7, "0")
                    .with(Text17, "0"));
    engine.form.setChecked(Check1, true);
    engine.start(10);
    ExpectOnlyMessage(engine, text::kLightSpeed);
    EXPECT_EQ(engine.events.calls, 0);
    // The failed step got as far as the speeds; T still stands at its start.
    EXPECT_GE(engine.record.V1, 2.998e8);
    EXPECT_EQ(engine.record.T, 0);
    EXPECT_EQ(engine.record.m1, engine.record.m10) << "the mass keeps its value from before the fault";
    ExpectGoodStartRunsNormally(engine);

    // A run above the speed of light without "Лоренц", which is then ticked during the run.
    StartAndChangeAtFirstUpdate(engine,
                                test::HeadOnElastic().with(Text7, "-4").with(Text17, "0").with(Text27, "8"),
                                [](BatchForm& form) { form.setChecked(Check1, true); });
    ExpectOnlyMessage(engine, text::kLightSpeed);
    EXPECT_EQ(engine.events.calls, 1);
    ExpectGoodStartRunsNormally(engine);
}

// The trajectory picture is drawn in the stretch before it: for two balls the message of the
// speed of light, for ball and rod that of the equations.
TEST(RunErrors, FaultsOfTheTrajectoryPictureTakeTheMessageOfTheStretchBefore) {
    const struct {
        TextBox box;
        const char* typed;
        const char* why;
    } changes[] = {
        {Text29, "0", "Mx = 0"},
        {Text30, "0", "Mv = 0"},
        {Text29, "1e-300", "positions beyond the single-precision range of the picture"},
    };
    for (const auto& c : changes) {
        for (const bool ballRod : {false, true}) {
            SCOPED_TRACE(std::string(c.why) + (ballRod ? ", ball and rod" : ", two balls"));
            Engine engine;
            StartAndChangeAtFirstUpdate(engine, ballRod ? test::BallRodExample() : test::HeadOnElastic(),
                                        [&c](BatchForm& form) { form.setText(c.box, c.typed); });
            ExpectOnlyMessage(engine, ballRod ? text::kEquationsError : text::kLightSpeed);
            EXPECT_EQ(engine.events.calls, 1);
            EXPECT_EQ(engine.record.NT, 2) << "the second point was stored before the drawing failed";
            ExpectGoodStartRunsNormally(engine);
        }
    }
}

// What the time graph, the panel and the totals cannot show ends the run with the message about
// incompatible parameters; the panel keeps what it showed before.
TEST(RunErrors, WhatCannotBeShownAtTheGivenScales) {
    const struct {
        TextBox box;
        const char* typed;
        const char* why;
    } scales[] = {
        {Text51, "0", "Mt = 0 at the first screen update"},
        {Text26, "0", "MF = 0, even with no force"},
        {Text61, "0", "MFq = 0, even with no charge"},
        {Text51, "1e-300", "a time beyond the single-precision range of the graph"},
    };
    for (const auto& c : scales) {
        for (const bool ballRod : {false, true}) {
            SCOPED_TRACE(std::string(c.why) + (ballRod ? ", ball and rod" : ", two balls"));
            Engine engine;
            engine.load((ballRod ? test::BallRodExample() : test::HeadOnElastic()).with(c.box, c.typed));
            engine.start(10);
            ExpectOnlyMessage(engine, text::kIncompatible);
            EXPECT_EQ(engine.events.calls, 0);
            EXPECT_EQ(engine.record.NT, 1) << "the trajectory picture was updated before the graph";
            EXPECT_EQ(engine.form.text(Text60), "") << "the panel was not written";
            ExpectGoodStartRunsNormally(engine);
        }
    }
}

TEST(RunErrors, TotalsThatOverflowAtTheScreenUpdate) {
    // Balls flying apart at 0.99999999 c: of 10^290 kg in opposite directions, whose energy fits
    // a double and whose momenta cancel, or one of 10^145 kg, whose momentum fits. Ticking
    // "Лоренц" during the run multiplies the masses by 7071 at the next step, and the kinetic
    // energy (the square of the momentum) of the next screen update overflows.
    const struct {
        const char* exponent;
        const char* vx2;
    } cases[] = {{"290", "2,99799997"}, {"145", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("masses of 10^") + c.exponent + " kg");
        Engine engine;
        StartAndChangeAtFirstUpdate(engine,
                                    test::HeadOnElastic()
                                        .with(Text21, c.exponent)
                                        .with(Text7, "-2,99799997")
                                        .with(Text17, c.vx2)
                                        .with(Text27, "8")
                                        .with(Text29, "1e4"),
                                    [](BatchForm& form) { form.setChecked(Check1, true); });
        ExpectOnlyMessage(engine, text::kIncompatible);
        EXPECT_EQ(engine.events.calls, 1);
        const ModelRecord& r = engine.record;
        EXPECT_GT(r.m1, 7000 * r.m10) << "the relativistic mass stays";
        EXPECT_EQ(r.NT, 2);
        EXPECT_EQ(engine.form.text(Text60), "0.0001") << "the panel shows the first update";
        ExpectGoodStartRunsNormally(engine);
    }
}

// Energy sums prepared near the end of the double range: the per-step terms overflow in the
// stretch of the step that adds them.
TEST(RunErrors, EnergySumsThatOverflowDuringAStep) {
    constexpr double max = std::numeric_limits<double>::max();
    {
        SCOPED_TRACE("Ej of a viscous contact, in the contact update");
        // Balls of 10^300 kg with dampers of 5*10^299 N*s/m meeting at 10 m/s each (so that their
        // momenta cancel): an ordinary impact, whose viscous loss of some 10^296 J per step no
        // longer fits above the prepared sum.
        Engine engine;
        engine.load(
            CloseHeadOn(test::HeadOnViscous()).with(Text21, "300").with(Text25, "298").with(Text7, "10"));
        engine.start(1);
        ASSERT_TRUE(engine.messages.shown.empty()) << engine.messages.shown.front();
        engine.record.Ej = max;
        engine.stopAfter(100);
        engine.experiment.Command3_Click();
        ExpectOnlyMessage(engine, text::kEquationsError);
        EXPECT_EQ(engine.record.Ej, max);
        EXPECT_LE(engine.record.LR, engine.record.R12) << "the balls touch";
        ExpectGoodStartRunsNormally(engine);
    }
    {
        SCOPED_TRACE("Eq of two approaching like charges, after the step");
        Engine engine;
        // Balls of 10^300 kg with charges of 10^145 C meeting at 10 m/s each: the repulsion of
        // 2*10^299 N does some 10^295 J of work per step.
        engine.load(test::HeadOnElastic()
                        .with(Text21, "300")
                        .with(Text7, "10")
                        .with(Text2, "1")
                        .with(Text12, "1")
                        .with(Text22, "145")
                        .with(Text26, "1e300")
                        .with(Text61, "1e300"));
        engine.start(1);
        ASSERT_TRUE(engine.messages.shown.empty()) << engine.messages.shown.front();
        engine.record.Eq = max;
        engine.stopAfter(100);
        engine.experiment.Command3_Click();
        ExpectOnlyMessage(engine, text::kLightSpeed);
        EXPECT_EQ(engine.record.Eq, max);
        ExpectGoodStartRunsNormally(engine);
    }
}

// The 16-bit step counter and the 32-bit count of steps since the last data record, prepared at
// their largest values: the next step is an error of the stretch that counts them. The count of
// steps since the last record grows in every run while recording is off, and at four million
// steps a second it reaches 2^31 within ten minutes of running; the program must go on after it.
TEST(RunErrors, CounterOverflows) {
    for (const bool ballRod : {false, true}) {
        for (const bool fileCount : {false, true}) {
            SCOPED_TRACE(std::string(fileCount ? "FileStepCount" : "StepCount") +
                         (ballRod ? ", ball and rod" : ", two balls"));
            Engine engine;
            engine.load(ballRod ? test::BallRodExample() : test::HeadOnElastic());
            engine.start(1);
            ASSERT_TRUE(engine.messages.shown.empty()) << engine.messages.shown.front();
            if (fileCount)
                engine.record.FileStepCount = std::numeric_limits<Long>::max();
            else
                engine.record.StepCount = std::numeric_limits<Integer>::max();
            const double t = engine.record.T;
            engine.stopAfter(1);
            engine.experiment.Command3_Click();
            ExpectOnlyMessage(engine, ballRod ? text::kEquationsError : text::kLightSpeed);
            EXPECT_EQ(engine.events.calls, 0);
            // The count cannot go on, so it starts again from 0.
            EXPECT_EQ(fileCount ? engine.record.FileStepCount : engine.record.StepCount, 0);
            if (fileCount)
                EXPECT_NEAR(engine.record.T, t + engine.record.h, 1e-15)
                    << "T is counted before FileStepCount";
            else
                EXPECT_EQ(engine.record.T, t) << "T is counted after StepCount";
            ExpectGoodStartRunsNormally(engine);
        }
    }
}

// With NC0 = 1 the 2221st screen update is the last one that fits the track store; the next
// step ends the run.
TEST(RunErrors, TheTrackStoreEndsTheRunWhenItIsFull) {
    for (const bool ballRod : {false, true}) {
        SCOPED_TRACE(ballRod ? "ball and rod" : "two balls");
        Engine engine;
        engine.load((ballRod ? test::BallRodExample() : test::HeadOnElastic()).with(Text55, "1"));
        engine.start();
        ExpectOnlyMessage(engine, text::kTrackFull);
        EXPECT_EQ(engine.record.NT, 2221);
        EXPECT_EQ(engine.events.calls, 2221);
        EXPECT_NEAR(engine.record.T, 2221 * engine.record.h, 1e-12);
        ExpectGoodStartRunsNormally(engine);
    }
}

// Two like charges flying apart give back their potential energy: the question comes at the first
// step; No ends the run there, Yes lets it go on without asking again.
TEST(RunErrors, TheQuestionAboutEqIsAskedThroughTheHost) {
    const test::Scenario apart = test::HeadOnElastic()
                                     .with(Text7, "-5")
                                     .with(Text17, "10")
                                     .with(Text2, "1")
                                     .with(Text12, "1")
                                     .with(Text22, "-6");
    {
        Engine engine;
        engine.load(apart);
        engine.messages.answers = {false};
        engine.start(5);
        ExpectOnlyMessage(engine, text::kEqQuestion);
        EXPECT_EQ(engine.record.EqAnswer, 7);
        EXPECT_EQ(engine.record.T, 0) << "the run ended before the step was counted";
        EXPECT_EQ(engine.events.calls, 0);
        ExpectGoodStartRunsNormally(engine);
    }
    {
        Engine engine;
        engine.load(apart);
        engine.messages.answers = {true};
        engine.start(5);
        ExpectOnlyMessage(engine, text::kEqQuestion);
        EXPECT_EQ(engine.record.EqAnswer, 6);
        EXPECT_EQ(engine.record.NT, 6);
        ExpectGoodStartRunsNormally(engine);
    }
}

// A data file that cannot be written (here a folder of that name, which stops root too) ends the
// run as if it had been stopped; Continue with a writable file goes on recording.
TEST(RunErrors, ADataFileThatCannotBeWritten) {
    const test::ScratchFolder folder("data-file");
    std::filesystem::create_directory(folder / "kvor.dat");
    Engine engine('.', folder / "kvor.dat");
    engine.load(test::HeadOnElastic().with(Text57, "1"));
    engine.form.setChecked(Check2, true);
    engine.start(5);
    ExpectOnlyMessage(engine, text::kFileWriteError);
    EXPECT_EQ(engine.messages.details.back().rfind((folder / "kvor.dat").string() + "\n", 0), 0u)
        << "the detail names the file, then the system's reason: " << engine.messages.details.back();
    EXPECT_EQ(engine.events.calls, 0);
    EXPECT_FALSE(engine.experiment.running());
    EXPECT_EQ(engine.record.NT, 1);
    EXPECT_EQ(engine.record.FileStepCount, 0) << "the count was reset before the attempt";
    EXPECT_EQ(engine.form.text(Text60), "0.0001") << "the panel of the update stays";

    engine.experiment.setDataFile(folder / "good.dat");
    engine.stopAfter(2);
    engine.experiment.Command3_Click();
    EXPECT_TRUE(engine.messages.shown.empty()) << engine.messages.shown.front();
    EXPECT_EQ(engine.record.NT, 4);
    std::ifstream file(folder / "good.dat", std::ios::binary);
    const std::string contents{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(test::DataFileFault(contents, '.'), "");
    EXPECT_EQ(test::DataRecordCount(contents, '.'), 3);
    ExpectGoodStartRunsNormally(engine);
}

// Continue, NC0 steps and Reverse before any start run on the record as the window left it.
TEST(RunErrors, RunCommandsBeforeAnyStart) {
    for (const int command : {3, 10, 11}) {
        SCOPED_TRACE("Command" + std::to_string(command));
        Engine engine;
        engine.stopAfter(2);
        if (command == 3) engine.experiment.Command3_Click();
        if (command == 10) engine.experiment.Command10_Click();
        if (command == 11) engine.experiment.Command11_Click();
        for (const std::string& shown : engine.messages.shown)
            EXPECT_TRUE(test::IsProgramMessage(shown)) << shown;
        engine.messages.shown.clear();
        EXPECT_FALSE(engine.experiment.running());
        ExpectGoodStartRunsNormally(engine);
    }
}

} // namespace
} // namespace kvor
