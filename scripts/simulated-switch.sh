#!/usr/bin/env bash
# Runs inside a private network namespace (see demo.sh): starts snmpd as a simulated switch whose
# apply object is writable with the community "private", then runs the tool against it.
#
#   unshare -rn -- scripts/simulated-switch.sh path/to/vandrel
set -euo pipefail
tool=$(realpath "$1")
apply_oid=.1.3.6.1.4.1.1872.2.1.2.1.2.0
export MIBS=  # load no MIBs: snmpd and snmpget would otherwise warn about each one

ip link set lo up
dir=$(mktemp -d)
trap 'kill "$snmpd" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
cat > "$dir/snmpd.conf" <<CONF
override -rw $apply_oid integer 0
rwcommunity private 127.0.0.1
rocommunity public 127.0.0.1
CONF
snmpd -f -Lf "$dir/snmpd.log" -C -c "$dir/snmpd.conf" --persistentDir="$dir/persist" \
  udp:127.0.0.1:161 &
snmpd=$!
for _ in $(seq 100); do
  snmpget -v1 -c public -t 0.2 -r 0 127.0.0.1 "$apply_oid" >/dev/null 2>&1 && break
  sleep 0.1
done

show() { printf '\n$ %s\n' "$*"; "$@" || printf '(exit status %d)\n' "$?"; }
echo "Simulated switch: snmpd on 127.0.0.1:161 (private network namespace)"
show snmpget -v1 -c public -Oqv 127.0.0.1 "$apply_oid"
show "$tool" 127.0.0.1 private
show "$tool" 127.0.0.1 private -l
show "$tool" 127.0.0.1 public -l
show snmpget -v1 -c public -Oqv 127.0.0.1 "$apply_oid"
