#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# on a copy of its seed corpus (fuzz/corpus/<target>/; libFuzzer writes the inputs it finds
# into the folder it is given, so the seeds in the tree stay as they are).
#
# Usage: scripts/run-fuzzers.sh [--keep-going] [--work DIR] [SECONDS] [TARGET...]
#   SECONDS       per target, 60 by default
#   TARGET        only these targets (names of fuzz/*.cpp without .cpp); all by default
#   --keep-going  run every target even after a failure (scripts/fuzz-long.sh); by
#                 default the first failure stops the run
#   --work DIR    where the corpus copies go (build-fuzz/corpus-run by default)
#
# Every target runs under AddressSanitizer and UndefinedBehaviorSanitizer (UB stops the
# run) with -rss_limit_mb=512 (also the largest single allocation) and a per-input time
# limit of -timeout=10 seconds, so an allocation or a loop that runs away is a failure.
# Each target's executions are printed at the end; crashes are saved as
# build-fuzz/crash-* (timeout-*, oom-*).
set -euo pipefail
cd "$(dirname "$0")/.."

keep_going=0
work=build-fuzz/corpus-run
while [ $# -gt 0 ]; do
    case "$1" in
    --keep-going) keep_going=1; shift ;;
    --work) work=$2; shift 2 ;;
    *) break ;;
    esac
done
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in fuzz/*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi

# The Cairo canvas is built for the targets that draw text on it (canvas_text); windows
# are not needed.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DKWGFX_FUZZ=ON -DKWGFX_BUILD_TESTS=OFF \
    -DKWGFX_BUILD_TOOLS=OFF -DKWGFX_BUILD_EXAMPLES=OFF -DKWGFX_WITH_GTK=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
# AddressSanitizer's quarantine of freed memory (256 MB by default) counts against the rss
# limit; a smaller one keeps that limit a measure of the code's own memory.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}
# fontconfig keeps font caches for the life of the process (canvas_text draws text).
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/backends/cairo/lsan-pango.supp}
summary=()
failed=0
for name in "${targets[@]}"; do
    dir=$work/$name
    rm -rf "$dir" && mkdir -p "$dir"
    if [ -d "fuzz/corpus/$name" ]; then cp -r "fuzz/corpus/$name/." "$dir/"; fi
    echo "--- $name for ${seconds}s"
    log=$work/$name.log
    status=0
    "build-fuzz/fuzz/$name" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=512 \
        -timeout=10 -print_final_stats=1 -artifact_prefix=build-fuzz/ "$dir" >"$log" 2>&1 ||
        status=$?
    tail -n 12 "$log"
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ "$status" -eq 0 ]; then
        summary+=("$name: ${execs:-?} executions in ${seconds}s")
    else
        summary+=("$name: FAILED (status $status, ${execs:-?} executions; see $log)")
        failed=1
        if [ "$keep_going" -eq 0 ]; then break; fi
    fi
done

echo "=== fuzz summary"
printf '%s\n' "${summary[@]}"
exit "$failed"
