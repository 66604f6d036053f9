#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for SECONDS (default 30), starting from its committed seed corpus in
# fuzz/corpus/TARGET (batch_script: the scripts and experiment files of tests/scenarios, copied to
# build-fuzz/seeds).
# What a run learns is kept in build-fuzz/corpus/TARGET for the next run;
# an input that makes a target fail is written to build-fuzz/artifacts/TARGET/ and fails the script.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     TARGET: number_text, batch_script
#   KVOR_FUZZ_ARGS="-runs=1000000" scripts/fuzz.sh 100000    extra libFuzzer options
#   build-fuzz/fuzz/fuzz_TARGET build-fuzz/artifacts/TARGET/crash-...   replays a failing input
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(number_text batch_script)

export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}
cmake --preset fuzz >/dev/null
cmake --build build-fuzz

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

failed=()
summary=()
for target in "${targets[@]}"; do
    binary=build-fuzz/fuzz/fuzz_${target}
    seeds=fuzz/corpus/${target}
    if [ "$target" = batch_script ]; then
        seeds=build-fuzz/seeds/batch_script
        mkdir -p "$seeds"
        cp tests/scenarios/*.kvs "$seeds"/
        for f in tests/scenarios/experiments/*.kvs; do cp "$f" "$seeds/experiment_$(basename "$f")"; done
    fi
    corpus=build-fuzz/corpus/${target}
    artifacts=build-fuzz/artifacts/${target}/
    dictionary=fuzz/${target}.dict
    [ -x "$binary" ] && [ -d "$seeds" ] || { echo "fuzz.sh: no target called $target" >&2; exit 2; }
    mkdir -p "$corpus" "$artifacts"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$artifacts")
    [ -f "$dictionary" ] && options+=(-dict="$dictionary")
    echo "== fuzz_${target}: ${seconds} s"
    log=build-fuzz/${target}.log
    # shellcheck disable=SC2086
    if "$binary" "${options[@]}" ${KVOR_FUZZ_ARGS:-} "$corpus" "$seeds" >"$log" 2>&1; then
        status=passed
    else
        status=FAILED
        failed+=("$target")
        tail -n 60 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
    summary+=("fuzz_${target}: ${status}, ${runs:-?} executions in ${time:-?} s, corpus $(ls "$corpus" | wc -l) inputs")
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: failing inputs of ${failed[*]} are in build-fuzz/artifacts/" >&2
    exit 1
fi
