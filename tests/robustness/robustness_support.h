#pragma once

// What every error-path test needs: the messages shown so far, and the proof that the window is
// still usable afterwards.

#include "engine_fixture.h"
#include "program_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace kvor::test {

// The messages shown since the last call.
inline std::vector<std::string> TakeMessages(Engine& engine) {
    std::vector<std::string> shown;
    shown.swap(engine.messages.shown);
    return shown;
}

// Expects exactly one message box since the last call, with this text.
inline void ExpectOnlyMessage(Engine& engine, std::string_view text) {
    const std::vector<std::string> shown = TakeMessages(engine);
    ASSERT_EQ(shown.size(), 1u) << (shown.empty() ? "no message" : "first: " + shown.front());
    EXPECT_EQ(shown.front(), text);
}

// The run loop was not entered: no screen update asked for events and no step was made.
inline void ExpectNoRun(const Engine& engine, int eventCallsBefore = 0) {
    EXPECT_EQ(engine.events.calls, eventCallsBefore) << "a run took place";
    EXPECT_FALSE(engine.experiment.running());
}

// After a message the window stays usable: the head-on example of the help text, started
// afresh with the check boxes of a plain run, flies freely for four screen updates of ten steps
// (the first one comes earlier when a run ended between two updates, since the step count goes
// on across starts) and stops at the fourth, with no message. Without any force the balls move
// uniformly, so the state is known without the program: X = X0 + V*T.
inline void ExpectGoodStartRunsNormally(Engine& engine) {
    SCOPED_TRACE("a following start with good inputs");
    for (const CheckBox box : {Check1, Check2, Check11, Check13}) engine.form.setChecked(box, false);
    engine.load(HeadOnElastic());
    engine.messages.shown.clear();
    const int stepsToFirstUpdate = std::max(1, 10 - engine.record.StepCount);
    engine.start(3);
    EXPECT_TRUE(engine.messages.shown.empty()) << engine.messages.shown.front();
    EXPECT_FALSE(engine.experiment.running());
    const ModelRecord& r = engine.record;
    EXPECT_EQ(r.NT, 4);
    EXPECT_NEAR(r.T, (stepsToFirstUpdate + 30) * 1e-5, 1e-15);
    EXPECT_NEAR(r.X1, -1 + 5 * r.T, 1e-12);
    EXPECT_NEAR(r.X2, 1 - 10 * r.T, 1e-12);
    EXPECT_EQ(r.VX1, 5);
    EXPECT_EQ(r.VX2, -10);
    EXPECT_EQ(engine.form.text(Text31), "5");
    EXPECT_EQ(engine.form.text(Text32), "-10");
}

// A data file of its own for one test, removed with it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("kvor-robustness-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace kvor::test
