#!/usr/bin/env bash
# Installs what is needed, builds the tool, and runs it in both modes against a simulated switch:
# Net-SNMP's snmpd on 127.0.0.1:161, inside a private network namespace of its own, so nothing
# reaches the machine's network.
#
#   scripts/demo.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target vandrel

exec unshare -rn -- scripts/simulated-switch.sh "$build/vandrel"
