// Buttons pressed while a run is active act on that run, in the order in which they were pressed,
// whatever came before them in the same pause of the run.

#include "robustness_support.h"

#include <functional>

namespace kvor {
namespace {

using test::Engine;
using test::ExpectOnlyMessage;
namespace text = test::text;

// Starts the head-on example and presses `buttons` at its second screen update; Stop comes at the
// sixth update if the run is still going then.
void PressDuringRun(Engine& engine, const std::function<void()>& buttons) {
    engine.load(test::HeadOnElastic());
    engine.events.onEvents = [&engine, buttons](int call) {
        if (call == 2) buttons();
        if (call == 6) engine.experiment.Command2_Click();
    };
    engine.experiment.Command1_Click();
}

// A start that fails ends the run, but a Continue, an NC0-steps or a good start pressed after it
// in the same pause still act on the run: it goes on from the record as it is.
TEST(CommandsDuringRun, AButtonAfterAFailedStartStillActs) {
    Experiment* experiment = nullptr;
    const auto failedStart = [&](Engine& engine) {
        engine.form.setText(Text12, "q2");
        engine.experiment.Command1_Click();
        engine.form.setText(Text12, "0");
    };
    {
        SCOPED_TRACE("Continue");
        Engine engine;
        experiment = &engine.experiment;
        PressDuringRun(engine, [&] {
            failedStart(engine);
            experiment->Command3_Click();
        });
        ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
        EXPECT_EQ(engine.events.calls, 6) << "the run went on to the Stop";
        EXPECT_EQ(engine.record.NT, 7);
        EXPECT_NEAR(engine.record.T, 70e-5, 1e-15);
    }
    {
        SCOPED_TRACE("NC0 steps");
        Engine engine;
        experiment = &engine.experiment;
        PressDuringRun(engine, [&] {
            failedStart(engine);
            experiment->Command10_Click();
        });
        ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
        EXPECT_EQ(engine.events.calls, 2);
        EXPECT_EQ(engine.record.NT, 3) << "NC0 more steps and one screen update";
        EXPECT_NEAR(engine.record.T, 30e-5, 1e-15);
    }
    {
        SCOPED_TRACE("a good start");
        Engine engine;
        experiment = &engine.experiment;
        PressDuringRun(engine, [&] {
            failedStart(engine);
            experiment->Command1_Click();
        });
        ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
        EXPECT_EQ(engine.events.calls, 6);
        EXPECT_EQ(engine.record.NT, 5) << "the track began again at the second update";
        EXPECT_NEAR(engine.record.T, 50e-5, 1e-15);
        EXPECT_NEAR(engine.record.X1, -1 + 5 * engine.record.T, 1e-12) << "from the start position";
    }
}

// A failed Reverse followed by Continue: the same.
TEST(CommandsDuringRun, AContinueAfterAFailedReverseStillActs) {
    Engine engine;
    PressDuringRun(engine, [&engine] {
        // Reverse takes the speed of the run, here prepared beyond the speed of light.
        engine.form.setChecked(Check1, true);
        engine.record.V1 = 4e8;
        engine.experiment.Command11_Click();
        engine.form.setChecked(Check1, false);
        engine.experiment.Command3_Click();
    });
    ExpectOnlyMessage(engine, text::kEnterDataCorrectly);
    EXPECT_EQ(engine.events.calls, 6);
}

} // namespace
} // namespace kvor
