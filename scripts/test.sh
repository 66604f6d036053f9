#!/usr/bin/env bash
# Installs what is missing, builds Kvor3m and runs every test; plays random sessions through the
# batch runner for 20 seconds (scripts/soak.py); then builds everything again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test there (scripts/sanitize.sh),
# and runs each libFuzzer target for 30 seconds (scripts/fuzz.sh). Any failure fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}
scripts/install-deps.sh
scripts/build.sh
ctest --test-dir build --output-on-failure --timeout 600
python3 scripts/soak.py --seconds 20 build/src/batch/kvor3m-batch

scripts/sanitize.sh
scripts/fuzz.sh 30
