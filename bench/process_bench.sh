#!/usr/bin/env bash
# Whole-process comparison: one run of the tool, of the floor (bench/floor.c) and of Net-SNMP's
# snmpset, each applying the changes on Net-SNMP's snmpd as the simulated switch on
# 127.0.0.1:161, inside a private network namespace of its own (loopback only).
#
#   bench/process_bench.sh VANDREL FLOOR [RUNS] [OUTDIR]
#
# With VANDREL_BEFORE naming another build of the tool (an earlier revision), it is measured in
# the same rounds as a fourth command, "before".
#
# Wall time: hyperfine, no shell in between, 20 warm-up runs, RUNS measured runs of each command
# (default 500) taken in five rounds of RUNS/5, each round running every command in turn, so that
# a change of load hits them alike. Peak RSS: /usr/bin/time -f %M, 21 runs each, median. Prints
# a table of medians and ratios to the floor; keeps hyperfine's JSON and the RSS samples in
# OUTDIR (default build-bench/results).
set -euo pipefail

if [ "${VANDREL_BENCH_NETNS:-}" != 1 ]; then
  [ $# -ge 2 ] || { echo "usage: $0 VANDREL FLOOR [RUNS] [OUTDIR]" >&2; exit 2; }
  here=$(cd "$(dirname "$0")" && pwd)
  out=${4:-build-bench/results}
  mkdir -p "$out"
  [ -n "${VANDREL_BEFORE:-}" ] && VANDREL_BEFORE=$(realpath "$VANDREL_BEFORE")
  VANDREL_BENCH_NETNS=1 VANDREL_BEFORE=${VANDREL_BEFORE:-} exec unshare -rnm -- \
    "$here/process_bench.sh" "$(realpath "$1")" "$(realpath "$2")" "${3:-500}" "$(realpath "$out")"
fi

tool=$1 floor=$2 runs=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)
apply_oid=.1.3.6.1.4.1.1872.2.1.2.1.2.0

ip link set lo up
dir=$(mktemp -d)
snmpd=
cleanup() {
  [ -n "$snmpd" ] && kill "$snmpd" 2>/dev/null && wait "$snmpd" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
cat > "$dir/snmpd.conf" <<CONF
override -rw $apply_oid integer 0
rwcommunity private 127.0.0.1
rocommunity public 127.0.0.1
CONF
MIBS= snmpd -f -Lf "$dir/snmpd.log" -C -c "$dir/snmpd.conf" --persistentDir="$dir/persist" \
  udp:127.0.0.1:161 &
snmpd=$!
for _ in $(seq 100); do  # bounded: at most about 20 seconds
  MIBS= snmpget -v1 -c public -t 0.2 -r 0 127.0.0.1 "$apply_oid" >/dev/null 2>&1 && break
  sleep 0.1
done

names=(vandrel floor snmpset)
commands=(
  "$tool 127.0.0.1 private"
  "$floor 127.0.0.1"
  "snmpset -v1 -c private 127.0.0.1 1.3.6.1.4.1.1872.2.1.2.1.2.0 i 2"
)
if [ -n "${VANDREL_BEFORE:-}" ]; then
  names+=(before)
  commands+=("$VANDREL_BEFORE 127.0.0.1 private")
fi
# Each must apply the changes before it is timed (hyperfine also stops at a nonzero status).
for i in "${!names[@]}"; do
  ${commands[$i]} >/dev/null || { echo "${names[$i]} failed against snmpd" >&2; exit 1; }
done

rounds=5
per_round=$(( (runs + rounds - 1) / rounds ))
for round in $(seq "$rounds"); do
  args=()
  for i in "${!names[@]}"; do args+=(-n "${names[$i]}" "${commands[$i]}"); done
  # hyperfine warns about outliers on a busy machine; its messages are kept, shown on failure.
  if ! hyperfine -N --style none --warmup 20 --runs "$per_round" \
    --export-json "$out/hyperfine-$round.json" "${args[@]}" >/dev/null 2>"$out/hyperfine-$round.log"
  then
    cat "$out/hyperfine-$round.log" >&2
    exit 1
  fi
done

: > "$out/rss.txt"
for i in "${!names[@]}"; do
  for _ in $(seq 21); do
    /usr/bin/time -f "${names[$i]} %M" -a -o "$out/rss.txt" ${commands[$i]} >/dev/null
  done
done

python3 "$here/process_table.py" "$out" "${names[@]}" | tee "$out/process.txt"
