#!/usr/bin/env bash
# The install rules and the Debian packages, used the way their users use them:
#   - install into a staging prefix; a separate CMake project (tests/package_consumer) finds the
#     package there, encodes the tool's request with the library and checks the bytes; the same
#     program built with pkg-config's flags; another major version is refused;
#   - the manual page renders without a warning (groff -ww, mandoc lint);
#   - the .deb files are built, checked and installed with dpkg: `vandrel` runs from the PATH and
#     `man vandrel` shows its page; the consumer project builds against /usr as well.
# The packages are removed again at the end.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh file man-db groff-base mandoc
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

build="build-package"
work=$(mktemp -d)
installed=()
cleanup() {
  [ ${#installed[@]} -eq 0 ] || $sudo dpkg --remove "${installed[@]}" >/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DVANDREL_WERROR=ON -DVANDREL_BUILD_TESTS=OFF
cmake --build "$build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
warnings="-Wall -Wextra -Wpedantic -Werror"

echo "--- install into a staging prefix"
stage=$work/stage
cmake --install "$build" --prefix "$stage"
for file in bin/vandrel share/man/man1/vandrel.1.gz include/vandrel/snmp/snmp_message.h \
  "$libdir/libvandrel_snmp.a" "$libdir/cmake/Vandrel/VandrelConfig.cmake" \
  "$libdir/cmake/Vandrel/VandrelConfigVersion.cmake" "$libdir/pkgconfig/vandrel.pc"; do
  [ -f "$stage/$file" ] || fail "$file is not installed"
done

echo "--- a separate project finds the package and encodes the tool's request"
cmake -S tests/package_consumer -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$stage" \
  -DCMAKE_CXX_FLAGS="$warnings"
cmake --build "$work/consumer"
"$work/consumer/encode_apply_request"

echo "--- find_package refuses another major version"
if cmake -S tests/package_consumer -B "$work/consumer-2" -G Ninja -DCMAKE_PREFIX_PATH="$stage" \
  -DVANDREL_WANTED_VERSION=2.0 >"$work/major.log" 2>&1; then
  fail "find_package(Vandrel 2.0) accepted version $version"
fi
grep -q 'compatible with requested version "2.0"' "$work/major.log" ||
  { cat "$work/major.log"; fail "find_package(Vandrel 2.0) failed for another reason"; }

echo "--- the same program built with pkg-config's flags"
flags=$(PKG_CONFIG_LIBDIR="$stage/$libdir/pkgconfig" \
  pkg-config --define-variable=prefix="$stage" --cflags --libs vandrel)
echo "pkg-config: $flags"
[[ " $flags " == *" -I$stage/include/vandrel "* ]] || fail "pkg-config's include directory"
# shellcheck disable=SC2086 # the flags are separate words
g++ -std=c++20 $warnings tests/package_consumer/encode_apply_request.cc $flags \
  -o "$work/pkg-config-consumer"
"$work/pkg-config-consumer"

echo "--- the manual page renders without warnings"
page=$build/man/vandrel.1
groff -man -ww -z "$page" 2>"$work/groff.log" || true
[ ! -s "$work/groff.log" ] || { cat "$work/groff.log"; fail "groff warns about the manual page"; }
mandoc -T lint -W warning "$page" || fail "mandoc finds faults in the manual page"

echo "--- the Debian packages"
(cd "$build" && cpack -G DEB)
tool_deb=$build/packages/vandrel_${version}-1_${arch}.deb
dev_deb=$build/packages/libvandrel-snmp-dev_${version}-1_${arch}.deb
if [ ! -f "$tool_deb" ] || [ ! -f "$dev_deb" ]; then
  ls "$build/packages"
  fail "the package files are not named name_version-revision_architecture.deb"
fi
dpkg-deb --field "$tool_deb"
field() { dpkg-deb --field "$1" "$2"; }
[ "$(field "$tool_deb" Version)" = "${version}-1" ] || fail "the tool's package version"
[ "$(field "$tool_deb" Section)" = net ] || fail "the tool's package section"
[ "$(field "$dev_deb" Section)" = libdevel ] || fail "the library's package section"
[[ "$(field "$tool_deb" Depends)" == *libc6* ]] || fail "the tool's computed dependencies"
[[ "$(field "$tool_deb" Maintainer)" == *"<"*"@"*">" ]] || fail "the maintainer field"
dpkg-deb --contents "$tool_deb" | grep -q ' ./usr/share/man/man1/vandrel.1.gz$' ||
  fail "the tool's package has no compressed manual page"

echo "--- install the packages with dpkg"
for package in vandrel libvandrel-snmp-dev; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' &&
    fail "$package is installed already; remove it before running this stage"
done
installed=(vandrel libvandrel-snmp-dev)
$sudo dpkg --install "$tool_deb" "$dev_deb"
[ -f /usr/share/man/man1/vandrel.1.gz ] ||
  fail "dpkg left out the manual page (a path-exclude rule under /etc/dpkg/dpkg.cfg.d?)"

echo "--- vandrel from the PATH"
hash -r
[ "$(command -v vandrel)" = /usr/bin/vandrel ] || fail "vandrel is not /usr/bin/vandrel"
file --brief /usr/bin/vandrel | grep -q ', stripped' || fail "the installed command is not stripped"
status=0
vandrel >"$work/usage.txt" 2>&1 || status=$?
cat "$work/usage.txt"
[ "$status" -eq 1 ] || fail "vandrel without arguments exits with $status, not 1"
grep -qF "$(printf '  Usage:\tVANDREL ipAddress community [-l]')" "$work/usage.txt" ||
  fail "vandrel without arguments does not print the usage text"

echo "--- man vandrel"
[ "$(man -w vandrel)" = /usr/share/man/man1/vandrel.1.gz ] || fail "man finds another page"
MANWIDTH=80 man --warnings vandrel >"$work/man.txt" 2>"$work/man.log" || fail "man vandrel"
[ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "man vandrel warns"; }
grep -q "vandrel ipAddress community \[-l\]" "$work/man.txt" || fail "the page's synopsis"
grep -q "Vandrel $version" "$work/man.txt" || fail "the page's version"

echo "--- the separate project builds against the installed library package"
cmake -S tests/package_consumer -B "$work/consumer-deb" -G Ninja -DCHECK_INSTALLED_HEADERS=OFF \
  -DCMAKE_CXX_FLAGS="$warnings"
grep -qx "Vandrel_DIR:PATH=/usr/$libdir/cmake/Vandrel" "$work/consumer-deb/CMakeCache.txt" ||
  fail "the package was not found under /usr"
cmake --build "$work/consumer-deb"
"$work/consumer-deb/encode_apply_request"
