#!/usr/bin/env bash
# The Windows build: cross-compiled with MinGW-w64, warnings as errors, and every unit and
# end-to-end test run under Wine (ctest puts Wine in front of the Windows programs).
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 googletest
build=build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_WERROR=ON -DVANDREL_GTEST_SOURCES=/usr/src/googletest
cmake --build "$build"

# A Wine prefix of the build's own. No Mono or Gecko: nothing here needs them. Debug channels off:
# the tests compare stderr.
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init </dev/null >/dev/null 2>&1
  wineserver -w
fi
# The Wine server and its helper processes outlive the program that starts them and keep its
# standard streams: started by the first test they would hold ctest's pipe open. Start them here,
# on /dev/null, the server persistent so that the helpers stay, and stop them at the end.
trap 'wineserver -k </dev/null >/dev/null 2>&1 || true' EXIT
wineserver -p </dev/null >/dev/null 2>&1
wineboot </dev/null >/dev/null 2>&1

ctest --test-dir "$build" --output-on-failure -j 2
