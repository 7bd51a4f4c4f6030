#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# replays each target's seed corpus, then fuzzes each for a fixed time (FUZZ_SECONDS, 60 by
# default). A crash, a sanitizer finding, a leak or a broken size invariant fails the stage and
# leaves the input in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh clang-14 libclang-rt-14-dev llvm-14
build=build-fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANDREL_WERROR=ON -DVANDREL_BUILD_TESTS=OFF -DVANDREL_BUILD_FUZZERS=ON \
  -DVANDREL_SANITIZE=address,undefined
cmake --build "$build" --target fuzz_message_parser fuzz_values

export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
findings="$build/findings"
mkdir -p "$findings"
# Datagrams the transport hands over are at most 4096 bytes; texts may run longer than the
# 4096-octet limit of an object identifier's content.
for target in message_parser values; do
  binary="$build/fuzz/fuzz_$target"
  max_len=$([ "$target" = message_parser ] && echo 4096 || echo 12000)
  seeds="fuzz/corpus/$target"
  echo "--- fuzz_$target: replaying $(ls "$seeds" | wc -l) seeds"
  "$binary" -runs=0 "$seeds"
  # New inputs go to a scratch copy, never into the committed corpus.
  scratch=$(mktemp -d)
  cp "$seeds"/* "$scratch"/
  echo "--- fuzz_$target: fuzzing for ${FUZZ_SECONDS:-60} s"
  status=0
  "$binary" -max_total_time="${FUZZ_SECONDS:-60}" -dict=fuzz/snmp.dict -max_len="$max_len" \
    -artifact_prefix="$findings/" -print_final_stats=1 "$scratch" >"$findings/$target.log" 2>&1 ||
    status=$?
  rm -rf "$scratch"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$findings/$target.log"
    echo "fuzz_$target found a problem: see $findings"
    exit "$status"
  fi
  grep -E '^#[0-9]+' "$findings/$target.log" | tail -n 1
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$findings/$target.log"
done
