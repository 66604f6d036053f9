#!/usr/bin/env bash
# Configures and builds Kvor3m in build/ (Release).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release
cmake --build build
