#!/usr/bin/env bash
# The plain build, warnings as errors, and every unit and end-to-end test.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_WERROR=ON
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j 2
