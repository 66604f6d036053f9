// Integration steps per second of whole runs, through the batch runner exactly as a script
// drives it: the five scale texts re-read before every step, a screen update every NC0 steps
// (track point, time-graph points, panel quantities and texts) and event processing.
//
//   build-tests/bench/engine/engine_bench --benchmark_filter=Example

#include "batch/batch_runner.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Starts a worked example with recording off and stops it so that it makes `updates` screen
// updates of NC0 steps each; every step is counted by FileStepCount, which a run never resets
// while recording is off.
void RunExample(benchmark::State& state, const std::string& variant) {
    const auto nc0 = state.range(0);
    const auto updates = state.range(1);
    std::ostringstream out;
    kvor::BatchRunner runner(out, {'.', "/dev/null"});
    runner.run({"variant " + variant, "set NC0 " + std::to_string(nc0), "check Check2 off"});
    // "stop" comes at the event processing of update updates - 1; the run ends at the next one.
    const std::vector<std::string> script = {"start", "run " + std::to_string(updates - 2), "stop"};

    double steps = 0;
    for (auto _ : state) {
        runner.record().FileStepCount = 0;
        runner.run(script);
        steps += runner.record().FileStepCount;
        if (runner.record().NT != updates) state.SkipWithError("the run did not make the updates asked for");
    }
    state.counters["steps/s"] = benchmark::Counter(steps, benchmark::Counter::kIsRate);
    state.counters["steps/run"] = static_cast<double>(nc0 * updates);
    // A message box (a fault, the full track store) would mean the run was not what it should be.
    if (out.str().find("message\t") != std::string::npos) state.SkipWithError(out.str().c_str());
}

void BallBallExample(benchmark::State& state) {
    RunExample(state, "ball-ball");
}
void BallRodExample(benchmark::State& state) {
    RunExample(state, "ball-rod");
}

// NC0 = 32767: the run is all integration. NC0 = 20, the window's default: a screen update every
// 20 steps. Ball-rod at its example's NC0 = 100 for comparison.
BENCHMARK(BallBallExample)
    ->ArgNames({"NC0", "updates"})
    ->Args({32767, 12})
    ->Args({20, 2000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BallRodExample)
    ->ArgNames({"NC0", "updates"})
    ->Args({32767, 12})
    ->Args({100, 2000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
