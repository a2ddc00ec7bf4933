#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the hostile path texts (tests/support/HostilePathText.h) to files and renders each with the
# program at the default 256 x 256, printing wall time and peak memory from /usr/bin/time -v.
# Needs a build with the benchmarks: cmake -S . -B build -DKWGFX_BUILD_BENCH=ON.
#
# Usage: scripts/measure-hostile-render.sh [BUILD_DIR] [extra render options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/bench_hostile_paths_cairo" --write-inputs="$work" >/dev/null
printf '%-18s %10s %10s %12s\n' case "wall (s)" "cpu (s)" "peak (MB)"
for input in "$work"/*.txt; do
    name=$(basename "$input" .txt)
    /usr/bin/time -v "$build/tools/kwgfx" render "@$input" -o "$work/$name.png" "$@" \
        2>"$work/$name.time" >/dev/null || true
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/$name.time")
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/$name.time")
    status=$(sed -n 's/.*Exit status: //p' "$work/$name.time")
    user=$(sed -n 's/.*User time (seconds): //p' "$work/$name.time")
    sys=$(sed -n 's/.*System time (seconds): //p' "$work/$name.time")
    # m:ss.ss to seconds
    seconds=$(echo "$wall" | awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    printf '%-18s %10.2f %10.2f %12.1f%s\n' "$name" "$seconds" "$(echo "$user + $sys" | bc -l)" \
        "$(echo "$peak / 1024" | bc -l)" \
        "$([ "$status" = 0 ] || echo "  (exit $status)")"
done
