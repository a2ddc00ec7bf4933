#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# on a copy of its seed corpus (fuzz/corpus/<target>/). Fails on the first crash.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DKWGFX_FUZZ=ON -DKWGFX_BUILD_TESTS=OFF \
    -DKWGFX_BUILD_TOOLS=OFF -DKWGFX_WITH_CAIRO=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2

for src in fuzz/*.cpp; do
    name=$(basename "$src" .cpp)
    work=build-fuzz/corpus-run/$name
    rm -rf "$work" && mkdir -p "$work"
    if [ -d "fuzz/corpus/$name" ]; then cp -r "fuzz/corpus/$name/." "$work/"; fi
    echo "--- $name for ${seconds}s"
    "build-fuzz/fuzz/$name" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/ "$work" 2>&1 | tail -n 12
    test "${PIPESTATUS[0]}" -eq 0
done
