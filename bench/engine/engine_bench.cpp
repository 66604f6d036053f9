// The engine against the speed of its physics. Each iteration times two runs of the same steps from
// the same state of a worked example, one after the other, so that both see the same machine:
//  - the engine, through the batch runner exactly as a script drives it: the scale texts read
//    before every step, every fault checked, a screen update every NC0 steps (track point,
//    time-graph points, panel) with event processing;
//  - the reference: the same step routine, instantiated on plain doubles, in a bare loop with no
//    checks, no scales and no screen updates.
// Reported: steps per second of both, and the ratio of the engine's time to the reference's. Each
// benchmark runs 10 repetitions of at least 0.5 s; take the medians.
//
// And the step study ("Проверить шаг…") of either example run to the track's capacity at its NC0:
// the seconds of one whole study (n, 2n and 4n steps), and its steps per second.
//
//   build/bench/engine/engine_bench --benchmark_filter=Example
//   build/bench/engine/engine_bench --benchmark_filter=StepStudy

#include "batch/batch_runner.h"
#include "control/step_study.h"
#include "core/integration_step.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The reference: `steps` steps of the engine's step routine alone, unchecked.
void ReferenceSteps(kvor::PlainRecord& r, long steps, kvor::StepOptions options) {
    for (long k = 0; k < steps; ++k)
        if (kvor::AdvanceStep(r, options, kvor::PlainStretches{}) == kvor::StepEnd::ScreenUpdate)
            r.StepCount = 0;
}

// The example with recording off, started and stopped after its first two steps; every timed run
// goes on from that state for `updates` screen updates of NC0 steps each, the whole impact
// included. Every engine step is counted by FileStepCount, which no run resets while recording is
// off.
void RunExample(benchmark::State& state, const std::string& variant) {
    const auto nc0 = static_cast<kvor::Integer>(state.range(0));
    const auto updates = state.range(1);
    std::ostringstream out;
    kvor::BatchRunner runner(out, {'.', "/dev/null"});
    runner.run({"variant " + variant, "check Check2 off", "set NC0 1", "start", "stop"});
    kvor::ModelRecord start = runner.record();
    start.NC0 = nc0;
    start.StepCount = 0;
    start.FileStepCount = 0;
    const kvor::StepOptions options{runner.form().isChecked(kvor::Check13),
                                    runner.form().isChecked(kvor::Check1)};
    // "stop" comes at the event processing of update updates - 1; the run ends at the next one.
    const std::vector<std::string> script = {"continue", "run " + std::to_string(updates - 2), "stop"};

    double engineSeconds = 0, referenceSeconds = 0, steps = 0;
    for (auto _ : state) {
        runner.record() = start;
        auto begin = Clock::now();
        runner.run(script);
        const double engine = SecondsSince(begin);
        const long made = runner.record().FileStepCount;

        kvor::PlainRecord reference = kvor::Plain(start);
        begin = Clock::now();
        ReferenceSteps(reference, made, options);
        benchmark::DoNotOptimize(reference);
        const double plain = SecondsSince(begin);

        state.SetIterationTime(engine);
        engineSeconds += engine;
        referenceSeconds += plain;
        steps += static_cast<double>(made);
        if (runner.record().NT != start.NT + updates)
            state.SkipWithError("the run did not make the updates asked for");
    }
    state.counters["steps/s"] = steps / engineSeconds;
    state.counters["reference steps/s"] = steps / referenceSeconds;
    state.counters["ratio"] = engineSeconds / referenceSeconds;
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
// 20 steps. Ball-rod also at its example's NC0 = 100.
BENCHMARK(BallBallExample)
    ->ArgNames({"NC0", "updates"})
    ->Args({32767, 12})
    ->Args({20, 2000})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->MinTime(0.5)
    ->Repetitions(10);
BENCHMARK(BallRodExample)
    ->ArgNames({"NC0", "updates"})
    ->Args({32767, 12})
    ->Args({100, 2000})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->MinTime(0.5)
    ->Repetitions(10);

// The example run once to the track's capacity at its NC0, then studied in each iteration.
void StudyOfExample(benchmark::State& state, const std::string& variant) {
    std::ostringstream out;
    kvor::BatchRunner runner(out, {'.', "/dev/null"});
    runner.run({"variant " + variant, "check Check2 off", "start"});
    const std::optional<kvor::StudyStart> start = runner.experiment().studyStart();
    if (!start) return state.SkipWithError("the example made no screen update");
    double steps = 0;
    for (auto _ : state) {
        kvor::StepStudy study(*start);
        while (!study.advance(1L << 20)) {
        }
        benchmark::DoNotOptimize(study.result());
        steps += 7.0 * static_cast<double>(start->steps);
        if (study.result().failedRun) state.SkipWithError("a run of the study failed");
    }
    state.counters["run steps"] = static_cast<double>(start->steps);
    state.counters["steps/s"] = benchmark::Counter(steps, benchmark::Counter::kIsRate);
}

void BallBallStepStudy(benchmark::State& state) {
    StudyOfExample(state, "ball-ball");
}
void BallRodStepStudy(benchmark::State& state) {
    StudyOfExample(state, "ball-rod");
}

// Under 1 s each: the ball-rod example's run is 222100 steps, its study 1.55 million.
BENCHMARK(BallBallStepStudy)->Unit(benchmark::kMillisecond)->Repetitions(10);
BENCHMARK(BallRodStepStudy)->Unit(benchmark::kMillisecond)->Repetitions(10);

} // namespace
