// Whole runs against the reference model: a start, the steps, the screen updates and the end of
// the run must leave the record exactly as the stated order of operations does.

#include "core/number_text.h"
#include "engine_fixture.h"
#include "record_compare.h"
#include "reference_inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace kvor::test {
namespace {

// The reference's run loop from the current state until the given number of screen updates
// has been made: NC0 steps counted from StepCount, then the update's totals.
void referenceUpdates(ref::State& s, int NC0, int updates) {
    for (int u = 0; u < updates; ++u) {
        do ref::LoopStep(s);
        while (s.StepCount < NC0);
        s.StepCount = 0;
        s.NT = s.NT + 1;
        ref::ScreenTotals(s);
    }
}

// The reference's start from the boxes of the engine's form, carrying over what a start keeps.
ref::State referenceStart(const Engine& engine) {
    ref::State s = ReferenceFrom(engine.record);
    ReadReferenceInputs(engine.form, s);
    ref::Start(s, engine.form.isSelected(OptionButton::Option2));
    return s;
}

struct RunCase {
    const char* name;
    Scenario scenario;
    std::vector<std::pair<CheckBox, bool>> checks;
    int updates; // screen updates before the run is stopped
};

// Named by its name in test listings, rather than by its bytes.
void PrintTo(const RunCase& c, std::ostream* out) { *out << c.name; }

class RunAgreesWithReference : public testing::TestWithParam<RunCase> {};

TEST_P(RunAgreesWithReference, StartRunStopContinueStepsReverse) {
    const RunCase& c = GetParam();
    Engine engine(',');
    engine.load(c.scenario);
    for (const auto& [box, on] : c.checks) engine.form.setChecked(box, on);
    const int NC0 = static_cast<int>(TypedNumber(engine.form, Text55));

    // Start, and Stop pressed at the update before the last.
    ref::State s = referenceStart(engine);
    engine.start(c.updates - 1);
    referenceUpdates(s, NC0, c.updates);
    ASSERT_TRUE(engine.messages.shown.empty()) << engine.messages.shown.front();
    ASSERT_EQ(Differences(engine.record, s), "") << "after the start and " << c.updates << " updates";

    // What the panel shows is the number text of those values.
    const BatchForm& f = engine.form;
    EXPECT_EQ(f.text(Text31), NumberText(s.VX1, ','));
    EXPECT_EQ(f.text(Text60), NumberText(s.Ts, ','));
    EXPECT_EQ(f.text(Text58), NumberText(s.E - s.E0 + s.Ej + s.Es + s.Em + s.Eq, ','));
    EXPECT_EQ(f.text(Text53), NumberText(s.KD, ','));
    EXPECT_EQ(f.text(Text62), NumberText(s.E0, ','));
    EXPECT_EQ(f.text(Text52), NumberText(s.KD0, ','));

    // Continue goes on from there.
    engine.stopAfter(2);
    engine.experiment.Command3_Click();
    referenceUpdates(s, NC0, 3);
    ASSERT_EQ(Differences(engine.record, s), "") << "after Continue";

    // NC0 steps: exactly NC0 more steps and one update.
    engine.experiment.Command10_Click();
    s.StepCount = 0;
    referenceUpdates(s, NC0, 1);
    ASSERT_EQ(Differences(engine.record, s), "") << "after NC0 steps";

    // Reverse, and a run as long as the first.
    ref::Reverse(s);
    engine.stopAfter(c.updates - 1);
    engine.experiment.Command11_Click();
    referenceUpdates(s, NC0, c.updates);
    ASSERT_EQ(Differences(engine.record, s), "") << "after Reverse";
    EXPECT_EQ(f.text(Text62), NumberText(s.E0, ','));
    EXPECT_EQ(f.text(Text52), NumberText(s.KD0, ','));
    EXPECT_TRUE(engine.messages.shown.empty());
}

std::string caseName(const testing::TestParamInfo<RunCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RunAgreesWithReference,
    testing::Values(
        // The oblique impact of the worked example, through the first part of the contact.
        RunCase{"BallBallExample", BallBallExample(), {}, 600},
        // The same with every force: stiffer balls with viscous and dry friction, unlike
        // charges, gravity and relativistic masses.
        RunCase{"BallBallAllForces",
                BallBallExample()
                    .with(Text4, "40")
                    .with(Text14, "25")
                    .with(Text24, "2")
                    .with(Text5, "5")
                    .with(Text15, "8")
                    .with(Text6, "0,3")
                    .with(Text2, "3,2")
                    .with(Text12, "-5")
                    .with(Text22, "-6")
                    .with(Text11, "2,5"),
                {{Check1, true}, {Check13, true}},
                700},
        // A head-on impact with viscous friction, through the whole contact.
        RunCase{"HeadOnViscous", HeadOnViscous(), {}, 1100},
        // The ball-rod example: the blow on the lower end of the rod.
        RunCase{"BallRodExample", BallRodExample(), {}, 250},
        // A turned rod (20 degrees by Check11), a viscous ball off the end, charges typed in.
        RunCase{"BallRodTurned",
                BallRodExample().with(Text64, "20").with(Text5, "50").with(Text10, "-0,3").with(Text12, "7"),
                {{Check11, true}},
                250}),
    caseName);

TEST(RunLoop, RandomStartsAgreeWithReference) {
    // Starts from random masses, sizes, charges, positions and velocities of both variants,
    // each run for three screen updates of seven steps.
    std::mt19937_64 engine64(99);
    const auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(engine64);
    };
    for (int n = 0; n < 40; ++n) {
        const bool ballRod = n % 2 == 1;
        Engine engine(',');
        Scenario scenario = ballRod ? BallRodExample() : BallBallExample();
        const auto typed = [&](TextBox box, double value) {
            scenario = scenario.with(box, NumberText(value, ','));
        };
        typed(Text1, uniform(0.5, 20));
        typed(Text11, uniform(0.5, 20));
        typed(Text2, uniform(-9, 9));
        typed(Text12, uniform(-9, 9));
        scenario = scenario.with(Text22, "-6").with(Text55, "7");
        typed(Text3, uniform(0.1, 1));
        typed(Text13, uniform(0.1, 1));
        typed(Text9, uniform(-2, 0));
        typed(Text19, uniform(0, 2));
        typed(Text10, uniform(-1, 1));
        typed(Text20, uniform(-1, 1));
        typed(Text7, uniform(-20, 20));
        typed(Text17, uniform(-20, 20));
        typed(Text8, uniform(-20, 20));
        typed(Text18, uniform(-20, 20));
        engine.load(scenario);
        engine.form.setChecked(Check13, n % 4 == 0);
        ref::State s = referenceStart(engine);
        engine.start(2);
        referenceUpdates(s, 7, 3);
        ASSERT_EQ(Differences(engine.record, s), "") << "start " << n;
    }
}

TEST(RunLoop, SecondExperimentCarriesTheCountersOver) {
    // Two like charges thrown at each other turn back and reach their start distance again;
    // there the question about Eq comes, and a No ends the run in the middle of a block of NC0
    // steps.
    Engine engine;
    engine.load(HeadOnElastic()
                    .with(Text2, "1")
                    .with(Text12, "1")
                    .with(Text22, "-5")
                    .with(Text7, "0,5")
                    .with(Text17, "-0,5")
                    .with(Text9, "-0,5")
                    .with(Text19, "0,5")
                    .with(Text54, "0,0001"));
    engine.messages.answers = {false};
    engine.start();
    ASSERT_EQ(engine.messages.questions, 1);
    ASSERT_GT(engine.events.calls, 10);
    const Integer stepCount = engine.record.StepCount;
    const Long fileStepCount = engine.record.FileStepCount;
    ASSERT_NE(stepCount, 0) << "the run ended in the middle of a block";
    EXPECT_EQ(fileStepCount, engine.events.calls * 10 + stepCount);

    // A new experiment: the first update comes when the carried step count reaches NC0.
    engine.load(BallBallExample().with(Text55, "10"));
    ref::State s = referenceStart(engine);
    EXPECT_EQ(s.StepCount, stepCount);
    engine.start(2);
    referenceUpdates(s, 10, 3);
    EXPECT_EQ(Differences(engine.record, s), "");
    EXPECT_EQ(engine.record.FileStepCount, fileStepCount + (10 - stepCount) + 20) << "never reset by a start";
}

TEST(RunLoop, StopTakesEffectAtTheNextScreenUpdate) {
    Engine engine;
    engine.load(HeadOnElastic());
    int updatesAtStop = 0;
    engine.events.onEvents = [&](int call) {
        if (call == 3) {
            engine.experiment.Command2_Click();
            updatesAtStop = engine.record.NT;
        }
    };
    engine.experiment.Command1_Click();
    EXPECT_EQ(updatesAtStop, 3);
    EXPECT_EQ(engine.record.NT, 4) << "one more block of NC0 steps, drawn and shown";
    EXPECT_EQ(engine.events.calls, 3) << "no event processing after the stop is seen";
    EXPECT_EQ(engine.record.StopFlag, 1);
    EXPECT_EQ(engine.form.text(Text60), NumberText(engine.record.Ts, '.'));
    EXPECT_FALSE(engine.experiment.running());
}

TEST(RunLoop, TrackStoreFullEndsTheRunAfterUpdate2221) {
    Engine engine;
    engine.load(HeadOnElastic().with(Text55, "1").with(Text9, "-4").with(Text19, "4"));
    engine.start();
    ASSERT_EQ(engine.messages.shown.size(), 1u);
    EXPECT_EQ(engine.messages.shown[0], "Увеличьте NC0 (не хватает массива для точек траектории)");
    EXPECT_EQ(engine.record.NT, 2221);
    EXPECT_EQ(engine.events.calls, 2221);
    // The 2222nd step was integrated, but the run ended before it was counted.
    real T = 0;
    for (int n = 0; n < 2221; ++n) T = T + engine.record.h;
    EXPECT_EQ(engine.record.T, T);
    EXPECT_EQ(engine.record.Ts, engine.record.T + engine.record.h);
    EXPECT_FALSE(engine.experiment.running());
}

TEST(RunLoop, NoWindowLeftEndsTheRun) {
    Engine engine;
    engine.load(HeadOnElastic());
    engine.events.windowOpen = false;
    engine.start();
    EXPECT_EQ(engine.events.calls, 1);
    EXPECT_EQ(engine.record.NT, 1);
    EXPECT_TRUE(engine.messages.shown.empty());
}

TEST(RunLoop, NC0TypedAsZeroUpdatesAfterEveryStep) {
    Engine engine;
    engine.load(HeadOnElastic().with(Text55, "0"));
    engine.start(2);
    EXPECT_EQ(engine.record.NC0, 1);
    EXPECT_EQ(engine.record.NT, 3);
    EXPECT_EQ(engine.record.FileStepCount, 3);
}

// The question about the electrostatic energy, for two like charges that start at rest 1 m
// apart and fly apart: at the first step |Fq| has fallen below |Fq0| and Eq has grown.
Scenario likeCharges() {
    return HeadOnElastic()
        .with(Text2, "1")
        .with(Text12, "2")
        .with(Text22, "-5")
        .with(Text7, "0")
        .with(Text17, "0")
        .with(Text9, "-0,5")
        .with(Text19, "0,5");
}

constexpr const char* kEqQuestion = "    Потенциальная энергия системы Eq \n"
                                    "от действия электростатической силы Fq\n"
                                    "      достигла начального значения\n"
                                    "         Продолжить эксперимент ?";

TEST(RunLoop, EqQuestionAnsweredNoEndsTheRun) {
    Engine engine;
    engine.load(likeCharges());
    engine.messages.answers = {false};
    engine.start();
    ASSERT_EQ(engine.messages.shown.size(), 1u);
    EXPECT_EQ(engine.messages.shown[0], kEqQuestion);
    EXPECT_EQ(engine.record.EqAnswer, kAnswerNo);
    EXPECT_EQ(engine.events.calls, 0) << "the run ended at its first step, before any update";
    EXPECT_EQ(engine.record.T, 0.0) << "the step was not counted";
    EXPECT_EQ(engine.record.StepCount, 0);
    EXPECT_LT(engine.record.Eq, 0.0) << "the repulsion did work: the potential energy fell";
    EXPECT_GT(engine.record.X2, 0.5) << "the step itself was made";
}

TEST(RunLoop, EqQuestionIsAskedOnceAndNotAfterReverse) {
    Engine engine;
    engine.load(likeCharges());
    engine.start(50);
    EXPECT_EQ(engine.messages.questions, 1);
    EXPECT_EQ(engine.record.EqAnswer, kAnswerYes);
    EXPECT_EQ(engine.record.NT, 51);

    // Continue keeps the Yes.
    engine.stopAfter(5);
    engine.experiment.Command3_Click();
    EXPECT_EQ(engine.messages.questions, 1);

    // After Reverse the question cannot come: Fq0 is 0 there.
    engine.stopAfter(50);
    engine.experiment.Command11_Click();
    EXPECT_EQ(engine.record.Fq0, 0.0);
    EXPECT_EQ(engine.messages.questions, 1);

    // A new start asks again.
    engine.start(3);
    EXPECT_EQ(engine.messages.questions, 2);
}

TEST(RunLoop, NoEqQuestionInTheBallRodVariant) {
    Engine engine;
    engine.load(BallRodExample().with(Text12, "5"));
    engine.start(3);
    EXPECT_EQ(engine.messages.questions, 0);
    EXPECT_EQ(engine.record.q2, 0.0) << "the rod carries no charge";
    EXPECT_EQ(engine.record.Fq0, 0.0);
    for (const TextBox box : {Text47, Text49, Text50}) EXPECT_EQ(engine.form.text(box), "0");
}

TEST(RunLoop, LorentzIsReadAtEveryStep) {
    // Ticking "Лоренц" during a run makes the masses relativistic from the next step on;
    // unticking it freezes them at their last values.
    Engine engine;
    engine.load(HeadOnElastic().with(Text7, "-2").with(Text17, "0").with(Text27, "7")); // -2E+07 m/s
    std::vector<double> masses;
    engine.events.onEvents = [&](int call) {
        masses.push_back(engine.record.m1);
        if (call == 2) engine.form.setChecked(Check1, true);
        if (call == 4) engine.form.setChecked(Check1, false);
        if (call == 6) engine.experiment.Command2_Click();
    };
    engine.experiment.Command1_Click();
    ASSERT_EQ(masses.size(), 6u);
    EXPECT_EQ(masses[0], 1.0);
    EXPECT_EQ(masses[1], 1.0);
    const double Vsv = engine.record.Vsv;
    EXPECT_EQ(masses[2], 1 / std::sqrt(1 - 2e7 * 2e7 / Vsv / Vsv));
    EXPECT_GT(masses[2], 1.002);
    EXPECT_EQ(masses[3], masses[2]);
    EXPECT_EQ(masses[5], masses[2]) << "frozen: not back to the rest mass until the next start";
    EXPECT_EQ(engine.record.m2, 1.0) << "body 2 rests";
}

} // namespace
} // namespace kvor::test
