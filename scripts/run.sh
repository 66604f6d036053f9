#!/usr/bin/env bash
# Installs what is missing, builds Kvor3m and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/src/ui/kvor3m ]; then
    exec build/src/ui/kvor3m
fi
# Without a window yet: the ball-ball example through the batch runner.
printf 'start\nrun 100000\nprint\n' | build/src/batch/kvor3m-batch -
