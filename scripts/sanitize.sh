#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (clang) in build-asan and
# runs the whole test suite there, the window's tests on Qt's offscreen platform. Any sanitizer
# report fails the script: a test that reports fails by itself, and since every report is also
# written to build-asan/sanitizer-reports/, a report from a program that a test starts (the batch
# runner, the window under Xvfb) fails it too.
#
#   scripts/sanitize.sh               build and run everything
#   scripts/sanitize.sh -L scenario   extra arguments go to ctest
set -euo pipefail
cd "$(dirname "$0")/.."

# The window is built and tested when its sources are there.
gui=OFF
if [ -f src/ui/CMakeLists.txt ] && [ -f src/view/image_canvas.cpp ]; then gui=ON; fi

reports=$PWD/build-asan/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
# The end-to-end test runs the installed program as another user, whose reports land here too.
chmod 1777 "$reports"
# Leaks of the libraries under Qt (fontconfig) are theirs, not ours; see the file.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1:log_path=$reports/asan"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
export QT_QPA_PLATFORM=offscreen
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}

cmake --preset sanitize -DKVOR_GUI=$gui -DKVOR_BENCHMARKS=ON >/dev/null
cmake --build build-asan

status=0
# The package is built from a normal build of its own and tested by the normal suite.
ctest --test-dir build-asan --output-on-failure --timeout 900 -LE package "$@" || status=$?

if compgen -G "$reports/*" >/dev/null; then
    echo "sanitize.sh: sanitizer reports:" >&2
    for report in "$reports"/*; do
        echo "== $report" >&2
        cat "$report" >&2
    done
    status=1
fi
[ $status -eq 0 ] && echo "sanitize.sh: the whole suite passed under AddressSanitizer and UndefinedBehaviorSanitizer (GUI $gui)"
exit $status
