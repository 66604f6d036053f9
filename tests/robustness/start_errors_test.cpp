// The start command refuses what cannot start an experiment with "Введите правильно данные" and
// the ball-rod rule with "Шар должен лететь слева направо"; no run starts, the values read
// before the fault stay in the record, and the window stays usable. Reverse and Show bodies,
// which have no message of their own, answer the same way.

#include "robustness_support.h"

#include <cmath>
#include <limits>
#include <string>

namespace kvor {
namespace {

using test::Engine;
using test::ExpectGoodStartRunsNormally;
using test::ExpectNoRun;
using test::ExpectOnlyMessage;
namespace text = test::text;

// Every box that the start command reads, in the order in which it reads them. Text64 (the rod
// angle) is read only while Check11 is ticked.
constexpr TextBox kStartInputs[] = {
    Text21, Text22, Text23, Text24, Text25, Text27, Text28, Text66, Text67, Text1,  Text2,  Text3,  Text4,
    Text5,  Text6,  Text7,  Text8,  Text9,  Text10, Text16, Text26, Text29, Text30, Text61, Text51, Text54,
    Text55, Text57, Text11, Text12, Text13, Text14, Text15, Text17, Text18, Text19, Text20, Text64,
};

class UnreadableInput : public testing::TestWithParam<TextBox> {};

TEST_P(UnreadableInput, RefusesTheStartAndTheNextGoodStartRuns) {
    for (const std::string typed : {"", "abc", "1,2,3", "1e400", "nan", "--1", "1 2"}) {
        SCOPED_TRACE("Text" + std::to_string(GetParam()) + " = \"" + typed + "\"");
        Engine engine;
        engine.form.setChecked(Check11, true);
        engine.form.setText(GetParam(), typed);
        engine.start();
        ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
        ExpectNoRun(engine);
        // The box after the failing one was not read: Text12 (q2) keeps the 0 of the start-up.
        if (GetParam() != Text12) continue;
        EXPECT_EQ(engine.record.m20, 1) << "m20 is read before q2";
        EXPECT_EQ(engine.record.q2, 0) << "q2 could not be read";
        EXPECT_EQ(engine.record.D2, 0) << "D2 comes after q2";
        ExpectGoodStartRunsNormally(engine);
    }
    Engine engine;
    engine.form.setChecked(Check11, true);
    engine.form.setText(GetParam(), "x");
    engine.start();
    ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
    ExpectGoodStartRunsNormally(engine);
}

INSTANTIATE_TEST_SUITE_P(EveryBox, UnreadableInput, testing::ValuesIn(kStartInputs),
                         [](const testing::TestParamInfo<TextBox>& info) {
                             return "Text" + std::to_string(info.param);
                         });

// Counts and exponents are 16-bit; a scaled value must stay within the double range.
TEST(StartErrors, NumbersBeyondTheirRangeAreRefused) {
    const struct {
        TextBox box;
        const char* typed;
        const char* why;
    } cases[] = {
        {Text55, "40000", "NC0 beyond 16 bits"},
        {Text57, "32767,5", "NC0file rounds to 32768"},
        {Text21, "32768", "an exponent beyond 16 bits"},
        {Text21, "400", "10^400 overflows before the mantissa is applied"},
        {Text1, "1e308", "1E+308 * 10^1 overflows"},
        {Text6, "-2e308", "a plain value beyond the double range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Engine engine;
        if (c.box == Text1) engine.form.setText(Text21, "1");
        engine.form.setText(c.box, c.typed);
        engine.start();
        ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
        ExpectNoRun(engine);
        ExpectGoodStartRunsNormally(engine);
    }
}

// Inputs that read well but give no start state: each is a division by zero, an invalid
// operation or an overflow in the start command itself.
TEST(StartErrors, InputsWithoutAStartStateAreRefused) {
    const struct {
        test::Scenario scenario;
        bool lorentz;
        const char* why;
    } cases[] = {
        {test::HeadOnElastic().with(Text54, "0"), false, "h = 0: Kj/h"},
        {test::HeadOnViscous().with(Text54, "0"), false, "h = 0 with viscous friction"},
        {test::HeadOnElastic().with(Text29, "0"), false, "Mx = 0: the first track point"},
        {test::HeadOnElastic().with(Text9, "1"), false, "coincident centres without charges"},
        {test::HeadOnElastic().with(Text9, "1").with(Text2, "1").with(Text12, "1"), false,
         "coincident centres with charges"},
        {test::HeadOnElastic().with(Text7, "2,998").with(Text17, "0").with(Text27, "8"), true,
         "Lorentz at the speed of light"},
        {test::HeadOnElastic().with(Text7, "0").with(Text17, "-3").with(Text27, "8"), true,
         "Lorentz above the speed of light"},
        {test::HeadOnElastic().with(Text21, "300").with(Text7, "1e5"), false, "the start energy overflows"},
        {test::HeadOnElastic().with(Text21, "200").with(Text7, "1e5"), false, "the start momentum overflows"},
        {test::BallRodExample().with(Text11, "0"), false, "end-impact solution with m2 = 0"},
        {test::BallRodExample().with(Text16, "0").with(Text10, "0"), false,
         "end-impact solution with L2 = 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Engine engine;
        engine.load(c.scenario);
        engine.form.setChecked(Check1, c.lorentz);
        engine.start();
        ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
        ExpectNoRun(engine);
        EXPECT_EQ(engine.record.NT, 0);
        ExpectGoodStartRunsNormally(engine);
    }
}

TEST(StartErrors, ValuesAssignedBeforeTheFaultStay) {
    Engine engine;
    engine.load(test::HeadOnElastic().with(Text54, "0"));
    engine.start();
    ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
    // Everything up to CK1 = Kj1/h + C1 was done: the radii, masses, energy and their boxes.
    const ModelRecord& r = engine.record;
    EXPECT_EQ(r.R12, 0.5);
    EXPECT_EQ(r.m1, 1);
    EXPECT_EQ(r.E0, (1 * 25 + 1 * 100) / 2.0);
    EXPECT_EQ(engine.form.text(Text62), "62.5");
    EXPECT_EQ(engine.form.text(Text52), "5");
    EXPECT_EQ(r.CK1, 0) << "CK1 was never computed";
}

// The rod model needs the ball to come from the left: a rod centre left of the ball is refused
// after the start state has been built, and nothing runs.
TEST(StartErrors, RodLeftOfTheBallIsRefusedWithItsOwnMessage) {
    Engine engine;
    engine.load(test::BallRodExample().with(Text19, "-0,6"));
    engine.start();
    ExpectOnlyMessage(engine, text::kBallFromLeft);
    ExpectNoRun(engine);
    EXPECT_EQ(engine.record.BallRod, 1);
    EXPECT_EQ(engine.form.text(Text62), "5400") << "E0 = 12 * 30^2 / 2 was shown";
    ExpectGoodStartRunsNormally(engine);

    // A rod exactly above or below the ball (DX = 0) may start.
    engine.load(test::BallRodExample().with(Text19, "-0,5").with(Text9, "-0,5"));
    engine.start(1);
    EXPECT_TRUE(engine.messages.shown.empty()) << engine.messages.shown.front();
    EXPECT_EQ(engine.record.NT, 2);
}

// Reverse reports a failure of its own computation like the start command and runs nothing:
// with "Лоренц" ticked after a run above the speed of light, the masses of the reversal point
// cannot be computed. The velocities were already reversed.
TEST(StartErrors, AFailedReverseStartsNothing) {
    Engine engine;
    engine.load(test::HeadOnElastic().with(Text7, "-4").with(Text17, "0").with(Text27, "8"));
    engine.start(1);
    EXPECT_TRUE(engine.messages.shown.empty());
    const double vx1 = engine.record.Z[7];
    const int calls = engine.events.calls;
    engine.form.setChecked(Check1, true);
    engine.experiment.Command11_Click();
    ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
    ExpectNoRun(engine, calls);
    EXPECT_EQ(engine.record.Z[7], -vx1);
    EXPECT_EQ(engine.record.T, 0);
    ExpectGoodStartRunsNormally(engine);
}

// Pressed during a run, a start or reverse that fails ends the run after its message.
TEST(StartErrors, AFailedStartOrReverseDuringARunEndsTheRun) {
    for (const bool reverse : {false, true}) {
        SCOPED_TRACE(reverse ? "reverse" : "start");
        Engine engine;
        engine.load(test::HeadOnElastic().with(Text7, "-4").with(Text17, "0").with(Text27, "8"));
        engine.events.onEvents = [&engine, reverse](int call) {
            if (call != 2) return;
            if (reverse) {
                engine.form.setChecked(Check1, true);
                engine.experiment.Command11_Click();
            } else {
                engine.form.setText(Text54, "0");
                engine.experiment.Command1_Click();
            }
        };
        engine.experiment.Command1_Click();
        ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
        EXPECT_EQ(engine.events.calls, 2);
        EXPECT_FALSE(engine.experiment.running());
        ExpectGoodStartRunsNormally(engine);
    }
}

// Show bodies has no message of its own; it answers what it cannot read or draw like the start
// command and draws nothing.
TEST(StartErrors, ShowBodiesDrawsNothingItCannotDraw) {
    const struct {
        TextBox box;
        const char* typed;
    } cases[] = {{Text29, "0"}, {Text30, "0"}, {Text3, "a"}, {Text66, "100"}, {Text23, "99999"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("Text") + std::to_string(c.box) + " = " + c.typed);
        Engine engine;
        engine.form.setText(c.box, c.typed);
        const auto drawn = engine.picture1.ops.size();
        engine.experiment.Command7_Click();
        ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
        EXPECT_EQ(engine.picture1.ops.size(), drawn);
        ExpectGoodStartRunsNormally(engine);
    }
}

} // namespace
} // namespace kvor
