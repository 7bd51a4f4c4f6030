#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need. Idempotent: when every package
# is already installed it does nothing, not even an `apt-get update`.
#
#   scripts/install-deps.sh [extra-package ...]
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config  # the build
  libgtest-dev                                  # unit tests (GoogleTest, Debian's own build)
  python3 iproute2 util-linux                   # end-to-end tests: scripted agent, ip, unshare
  snmpd snmp                                    # the simulated switch and its probe (snmpget)
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq -o DPkg::Lock::Timeout=600
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  -o DPkg::Lock::Timeout=600 "${missing[@]}"
