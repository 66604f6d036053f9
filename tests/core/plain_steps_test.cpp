// The engine computes the physics' own numbers: a whole run of each worked example through the
// batch runner ends, bit for bit, in the state vector that the step routines reach in a bare loop
// from the same state, on the checked record and on plain doubles alike.

#include "batch/batch_runner.h"
#include "core/integration_step.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <sstream>
#include <string>

namespace kvor::test {
namespace {

// `steps` steps of the step routine alone, unchecked: no scales, no pictures.
template <typename Number> void BareSteps(BasicModelRecord<Number>& r, long steps, StepOptions options) {
    for (long k = 0; k < steps; ++k)
        if (AdvanceStep(r, options, PlainStretches{}) == StepEnd::ScreenUpdate) r.StepCount = 0;
}

template <typename Number> std::array<std::uint64_t, kStateSize + 1> Bits(const BasicModelRecord<Number>& r) {
    return std::bit_cast<std::array<std::uint64_t, kStateSize + 1>>(r.Z);
}

TEST(WholeRun, EndsInTheStateOfTheBareStepsOnTheCheckedRecordAndOnPlainDoubles) {
    for (const char* variant : {"ball-ball", "ball-rod"}) {
        SCOPED_TRACE(variant);
        std::ostringstream out;
        BatchRunner runner(out, {'.', "/dev/null"});
        runner.run({"variant " + std::string(variant), "check Check2 off", "start", "stop"});
        const ModelRecord start = runner.record();
        const StepOptions options{runner.form().isChecked(Check13), runner.form().isChecked(Check1)};

        // On to the end of the track store: the last step is made, but the run ends before
        // counting it.
        runner.run({"continue"});
        ASSERT_GT(runner.record().NT, 2220);
        const long steps = runner.record().FileStepCount - start.FileStepCount + 1;

        ModelRecord checked = start;
        PlainRecord plain = Plain(start);
        BareSteps(checked, steps, options);
        BareSteps(plain, steps, options);
        EXPECT_EQ(Bits(runner.record()), Bits(checked));
        EXPECT_EQ(Bits(runner.record()), Bits(plain));
    }
}

} // namespace
} // namespace kvor::test
