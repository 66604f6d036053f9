#pragma once

// The engine as the window holds it, with test doubles for the window's services: one model
// record, its track store, a form of plain values, two logging pictures, scripted message boxes
// and event processing, and a fixed clock. After construction the form holds the ball-ball
// example exactly as after the window's start-up.

#include "batch/batch_form.h"
#include "control/experiment.h"
#include "core/model_record.h"
#include "scenarios.h"
#include "test_doubles.h"
#include "view/track_store.h"

#include <filesystem>

namespace kvor::test {

class Engine {
public:
    explicit Engine(char decimalSeparator = '.', std::filesystem::path dataFile = "kvor-test.dat")
        : experiment(record, track, form, {picture1, picture2}, {messages, events, clock},
                     {decimalSeparator, std::move(dataFile)}) {
        experiment.Form_Load();
    }

    // Writes a scenario into the boxes (as typed text) and selects its variant the way the
    // window's option buttons do, without loading a worked example over it.
    void load(const Scenario& scenario) {
        const bool ballRod = scenario.variant == OptionButton::Option2;
        if (form.isSelected(OptionButton::Option2) != ballRod) {
            form.setChecked(Check12, false);
            form.select(scenario.variant);
            if (ballRod)
                experiment.Option2_Click();
            else
                experiment.Option1_Click();
            form.setChecked(Check12, true);
        }
        for (const auto& [box, text] : scenario.boxes) form.setText(box, text);
    }

    // Presses Start; the run goes on until it ends by itself or `stopAfterUpdates` screen updates
    // have passed (0: no limit), when Stop is pressed.
    void start(int stopAfterUpdates = 0) {
        stopAfter(stopAfterUpdates);
        experiment.Command1_Click();
    }

    // Presses Stop at the given screen update of the coming run (0: never).
    void stopAfter(int updates) {
        events.onEvents = [this, updates](int call) {
            if (updates > 0 && call >= updates) experiment.Command2_Click();
        };
        events.calls = 0;
    }

    ModelRecord record;
    TrackStore track;
    BatchForm form;
    LoggingCanvas picture1, picture2;
    ScriptedMessages messages;
    ScriptedEvents events;
    FixedClock clock;
    Experiment experiment;
};

} // namespace kvor::test
