#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package as a user gets it: cpack makes it from the build tree, lintian finds no
# error in it (when lintian is installed), dpkg installs it into the system, the consumer
# program (tests/consumer) is built against the installed files through find_package(kwgfx)
# and through pkg-config and runs, the version shows in the package, the .pc file and
# `kwgfx --version`, and `dpkg -r` takes every file away again.
# Needs root and dpkg; exits 77 (skipped) without them, or when the package is already
# installed (it is not this test's to remove).
# usage: test_deb_package.sh BUILD-DIR SOURCE-DIR VERSION SCRATCH-DIR
set -euo pipefail
build=$1 source=$2 version=$3 scratch=$4
package=libkwgfx-dev

skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
for tool in dpkg dpkg-deb cpack pkg-config c++; do
    command -v "$tool" >/dev/null || skip "$tool not found"
done
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    skip "$package is installed already; this test installs and removes its own copy"
fi

rm -rf "$scratch"
mkdir -p "$scratch"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/deb/${package}_"$version"_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Depends
echo "files:"
dpkg -c "$deb" | awk '{ print $6 }'
files=$(dpkg -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Debian's own checks. Errors fail the test; the warnings are printed (those left have their
# reasons in cmake/KwgfxPackage.cmake).
if command -v lintian >/dev/null; then
    status=0
    lintian "$deb" >"$scratch/lintian.log" 2>&1 || status=$?
    echo "lintian:"
    grep -v '^running with root privileges' "$scratch/lintian.log" || true
    if [ $status -ne 0 ] && [ $status -ne 2 ]; then
        fail "lintian did not run (status $status)"
    elif grep -q '^E: ' "$scratch/lintian.log"; then
        fail "lintian finds errors in the package"
    fi
else
    echo "lintian not found (package lintian): the package is not checked by it"
fi

# dpkg waits for no one: retry while another installation holds its lock.
with_dpkg_lock() {
    local tries=0
    until "$@" 2>"$scratch/dpkg.err"; do
        if grep -q "lock" "$scratch/dpkg.err" && [ $tries -lt 30 ]; then
            tries=$((tries + 1)); sleep 2
        else
            cat "$scratch/dpkg.err"; return 1
        fi
    done
}
for f in $files; do
    [ ! -e "$f" ] || { echo "FAIL: $f exists before the package is installed"; exit 1; }
done
remove() { with_dpkg_lock dpkg -r "$package" >/dev/null && with_dpkg_lock dpkg --purge "$package" >/dev/null; }
with_dpkg_lock dpkg -i "$deb" >/dev/null
trap 'remove' EXIT

# The package's own files, ahead of any other copy (in /usr/local, say).
installed=$(dpkg -L "$package")
program=$(grep '/bin/kwgfx$' <<<"$installed")
config_dir=$(dirname "$(grep '/kwgfxConfig.cmake$' <<<"$installed")")
export PKG_CONFIG_PATH=$(dirname "$(grep '/kwgfx.pc$' <<<"$installed")")
[ "$(dpkg-query -W -f='${Version}' "$package")" = "$version" ] || fail "package version"
# Debian's documents: the copyright file and the changelog in the package's own folder, and
# the program's manual page.
for doc in copyright changelog.gz; do
    grep -q "/share/doc/$package/$doc\$" <<<"$installed" || fail "no /share/doc/$package/$doc"
done
grep -q '/man1/kwgfx\.1\.gz$' <<<"$installed" || fail "no manual page of kwgfx"
[ "$(pkg-config --modversion kwgfx)" = "$version" ] || fail "pkg-config version"
[ "$("$program" --version)" = "kwgfx $version" ] || fail "kwgfx --version says '$("$program" --version)'"

# The consumer through find_package, with the GTK consumer when the package has the GTK
# library (run without a display, where it only starts and says so).
gtk=OFF
grep -q libkwgfx_gtk <<<"$installed" && gtk=ON
if [ $gtk = ON ]; then
    grep -q '/kwgfx-gtk.pc$' <<<"$installed" || fail "the GTK library comes without kwgfx-gtk.pc"
    grep -q '/kwgfxGtkTargets.cmake$' <<<"$installed" || fail "the GTK library has no CMake targets"
fi
cmake -S "$source/tests/consumer" -B "$scratch/consumer" -Dkwgfx_DIR="$config_dir" \
    -DKWGFX_CONSUMER_GTK=$gtk >"$scratch/consumer.log" 2>&1 &&
    cmake --build "$scratch/consumer" >>"$scratch/consumer.log" 2>&1 ||
    { cat "$scratch/consumer.log"; fail "the consumer does not build with find_package"; }
[ ! -x "$scratch/consumer/consumer" ] || "$scratch/consumer/consumer" || fail "the find_package consumer fails"
# And through pkg-config, as a newcomer types it.
raster=""
grep -q libkwgfx_cairo <<<"$installed" && raster=-DKWGFX_CONSUMER_RASTER=1
# shellcheck disable=SC2046
c++ -std=c++20 $raster "$source/tests/consumer/main.cpp" $(pkg-config --cflags --libs kwgfx) \
    -o "$scratch/consumer-pc" || fail "the consumer does not build with pkg-config"
[ ! -x "$scratch/consumer-pc" ] || "$scratch/consumer-pc" || fail "the pkg-config consumer fails"
if [ $gtk = ON ]; then
    no_display=(env -u DISPLAY -u WAYLAND_DISPLAY)
    "${no_display[@]}" "$scratch/consumer/consumer_gtk" || fail "the find_package GTK consumer fails"
    # shellcheck disable=SC2046
    c++ -std=c++20 "$source/tests/consumer/gtk_main.cpp" $(pkg-config --cflags --libs kwgfx-gtk) \
        -o "$scratch/consumer-gtk-pc" || fail "the GTK consumer does not build with pkg-config"
    [ ! -x "$scratch/consumer-gtk-pc" ] || "${no_display[@]}" "$scratch/consumer-gtk-pc" ||
        fail "the pkg-config GTK consumer fails"
fi

trap - EXIT
remove
for f in $files; do
    [ ! -e "$f" ] || fail "$f is left after dpkg -r"
done
dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" &&
    fail "$package still installed"

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "installed, built the consumer both ways, ran it, removed: the system is as it was"
