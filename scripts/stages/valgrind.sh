#!/usr/bin/env bash
# The end-to-end tests with the tool under valgrind memcheck. Any memory error or leak makes the
# tool exit with status 99, which fails the test that ran it; valgrind's reports are printed.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh valgrind
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_WERROR=ON
cmake --build "$build" --target vandrel

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
export VANDREL_WRAPPER="valgrind --quiet --error-exitcode=99 --leak-check=full \
--show-leak-kinds=all --errors-for-leak-kinds=all --log-file=$logs/valgrind.%p.log"
status=0
ctest --test-dir "$build" --output-on-failure -j 2 -L e2e || status=$?
for log in "$logs"/*.log; do
  [ -s "$log" ] && { echo "--- $log"; cat "$log"; status=1; }
done
exit $status
