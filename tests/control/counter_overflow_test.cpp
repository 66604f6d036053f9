// The errors of a run that no script reaches in reasonable time: the 16-bit count of steps since
// the last screen update and the 32-bit count since the last data record at the end of their
// range. The next step is an error of the stretch that counts them; every other error path is a
// golden scenario (tests/scenarios: run_errors_*, start_errors, failed_commands_during_run, ...).

#include "batch/batch_runner.h"
#include "control/messages.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace kvor {
namespace {

struct Overflow {
    const char* variant;
    bool fileCount;
    std::string_view message; // the stretch: for two balls the counts come after the masses
};

class CounterOverflow : public testing::TestWithParam<Overflow> {};

TEST_P(CounterOverflow, EndsTheRunWithTheMessageOfItsStretch) {
    const Overflow& c = GetParam();
    std::ostringstream out;
    BatchRunner runner(out, {'.', "/dev/null"});
    runner.run({std::string("variant ") + c.variant, "start", "stop", "run 1"});
    ModelRecord& r = runner.record();
    if (c.fileCount)
        r.FileStepCount = std::numeric_limits<Long>::max();
    else
        r.StepCount = std::numeric_limits<Integer>::max();
    out.str("");
    runner.run({"continue", "run 5", "stop", "run 1"});
    EXPECT_EQ(out.str(), "message\t" + std::string(c.message) + "\n");
    EXPECT_EQ(c.fileCount ? r.FileStepCount : r.StepCount, 0) << "the count cannot go on: it starts again";
}

INSTANTIATE_TEST_SUITE_P(BothCounters, CounterOverflow,
                         testing::Values(Overflow{"ball-ball", false, messages::kLightSpeed},
                                         Overflow{"ball-ball", true, messages::kLightSpeed},
                                         Overflow{"ball-rod", false, messages::kEquationsError},
                                         Overflow{"ball-rod", true, messages::kEquationsError}));

} // namespace
} // namespace kvor
