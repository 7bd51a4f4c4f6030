#!/usr/bin/env bash
# Installs what the tests need, builds, and runs every test stage in turn. Name stages to run only
# those:
#
#   scripts/test.sh                  # every stage
#   scripts/test.sh main sanitize    # the plain build and the sanitizer build only
#
# Stages (each one is scripts/stages/<name>.sh):
#   main       build with warnings as errors; unit and end-to-end tests
#   sanitize   the same tests with AddressSanitizer and UndefinedBehaviorSanitizer
#   valgrind   the end-to-end tests with the tool under valgrind memcheck
#   fuzz       the libFuzzer targets: their seed corpora replayed, then a short fuzzing run each
#   package    install rules, CMake package and pkg-config file, manual page, .deb via dpkg
#   windows    cross-build for Windows (MinGW-w64); unit and end-to-end tests under Wine
#   bench      the benchmarks built and run once with tiny counts (they assert no time)
set -euo pipefail
cd "$(dirname "$0")/.."

all=(main sanitize valgrind fuzz package windows bench)
stages=("${@:-${all[@]}}")
total=$SECONDS
for stage in "${stages[@]}"; do
  echo "=== stage $stage"
  start=$SECONDS
  "scripts/stages/$stage.sh"
  echo "=== stage $stage passed in $((SECONDS - start)) s"
done
echo "=== all stages passed in $((SECONDS - total)) s: ${stages[*]}"
