#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every source file of the library, the program, the examples, the tests, the
# benchmarks, the fuzz targets and the build carries the licence's SPDX line near its top
# (C++ files as a // comment, CMake, shell and Python files as a # comment).
# Usage: scripts/check-spdx.sh [ROOT]   Prints each file without it and exits 1 if any.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
missing=0
while IFS= read -r f; do
    case "$f" in
        tests/data/* | fuzz/corpus/*) continue ;;
        *.h | *.cpp | *.cmake | */CMakeLists.txt | CMakeLists.txt | *.sh | *.py | .ci/run) ;;
        *) continue ;;
    esac
    [ -f "$f" ] || continue
    if ! head -n 3 "$f" | grep -q 'SPDX-License-Identifier: MIT'; then
        echo "$f: no SPDX-License-Identifier line"
        missing=1
    fi
done < <(git ls-files --cached --others --exclude-standard -- src tools examples tests bench fuzz scripts cmake compat docs .ci CMakeLists.txt 2>/dev/null)
exit $missing
