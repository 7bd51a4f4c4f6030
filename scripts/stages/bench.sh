#!/usr/bin/env bash
# The benchmarks, built with warnings as errors and run once with tiny counts so that they keep
# working: the whole-process comparison against snmpd, the codec microbenchmarks and the chart.
# Nothing here asserts a time; bench/run.sh without --quick measures (docs/performance.md).
set -euo pipefail
cd "$(dirname "$0")/../.."

VANDREL_WERROR=ON bench/run.sh --quick
