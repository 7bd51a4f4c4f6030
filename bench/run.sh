#!/usr/bin/env bash
# Builds the benchmarks and runs them all: the whole-process comparison (the tool, the floor and
# snmpset against snmpd) and the codec microbenchmarks (Vandrel's library against Net-SNMP's).
# Prints both tables and draws the decode chart. Nothing here asserts a time.
#
#   bench/run.sh                  full measurement; results in build-bench/results
#   bench/run.sh --before REV     also builds REV (a commit) and reports before/after ratios
#   bench/run.sh --quick          one tiny round of everything, so that CI keeps it working
#
# Environment: BUILD_DIR (default build-bench), RUNS (whole-process runs per command, default
# 1000), VANDREL_WERROR=ON to build with warnings as errors.
#
# Hold /tmp/vandrel-heavy.lock around a full run on a shared machine, e.g.
#   flock /tmp/vandrel-heavy.lock nice -n 5 bench/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0 before=""
while [ $# -gt 0 ]; do
  case $1 in
    --quick) quick=1 ;;
    --before) before=$2; shift ;;
    *) echo "usage: $0 [--quick] [--before REV]" >&2; exit 2 ;;
  esac
  shift
done

scripts/install-deps.sh libbenchmark-dev libsnmp-dev hyperfine time gnuplot-nox

# build_at DIR SOURCE: the tool, the floor and the codec benchmark, as the project builds them.
build_at() {
  cmake -S "$2" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_BUILD_TESTS=OFF \
    -DVANDREL_BUILD_BENCHMARKS=ON -DVANDREL_WERROR="${VANDREL_WERROR:-OFF}" >/dev/null
  cmake --build "$1" --target vandrel floor codec_bench
}

build=${BUILD_DIR:-build-bench}
out=$build/results
mkdir -p "$out"
build_at "$build" .

old=""
if [ -n "$before" ]; then
  # The earlier revision's sources with today's bench/, so that both measure the same work.
  old=build-bench-before
  rm -rf "$old/src" && mkdir -p "$old/src"
  git archive "$before" | tar -x -C "$old/src"
  rm -rf "$old/src/bench" && cp -r bench "$old/src/bench"
  grep -q VANDREL_BUILD_BENCHMARKS "$old/src/CMakeLists.txt" || {
    echo "$before has no benchmark option" >&2; exit 1; }
  build_at "$old/build" "$old/src"
fi

echo "=== machine"
{
  echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //') ($(nproc) cores)"
  echo "kernel: $(uname -r); compiler: $(c++ --version | head -1)"
  echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
} | tee "$out/machine.txt"

echo "=== whole process"
if [ "$quick" = 1 ]; then runs=5; else runs=${RUNS:-1000}; fi
VANDREL_BEFORE=${old:+$old/build/vandrel} \
  bench/process_bench.sh "$build/vandrel" "$build/bench/floor" "$runs" "$out"

echo "=== codecs"
if [ "$quick" = 1 ]; then
  flags=(--benchmark_min_time=0.001)
else
  flags=(--benchmark_min_time=0.5 --benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
fi
# codec_bench prints its own table and the machine's description; the JSON files are what counts.
codec() {
  "$1" "${flags[@]}" --benchmark_out="$2" --benchmark_out_format=json >"$2.log" 2>&1 ||
    { cat "$2.log" >&2; exit 1; }
}
[ -n "$old" ] && codec "$old/build/bench/codec_bench" "$out/codec-before.json"
codec "$build/bench/codec_bench" "$out/codec.json"
python3 bench/codec_table.py "$out/codec.json" ${old:+"$out/codec-before.json"} |
  tee "$out/codec.txt"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)" | tee -a "$out/machine.txt"

chart=$out/decode-scaling.png
python3 bench/plot_decode.py "$out/codec.json" "$chart" \
  "$(grep -m1 'cpu:' "$out/machine.txt" | cut -d' ' -f2-), $(date -u +%Y-%m-%d)"
echo "chart: $chart"
