#!/usr/bin/env bash
# Every unit and end-to-end test, built with AddressSanitizer (leak checking included) and
# UndefinedBehaviorSanitizer. Recovery is off: the first finding aborts the test that made it.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh
build=build-sanitize
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANDREL_WERROR=ON \
  -DVANDREL_SANITIZE=address,undefined
cmake --build "$build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j 2
