#!/usr/bin/env bash
# The layer check itself: quiet on a tree that keeps the rules, and failing, with the file
# and the reason, on each kind of planted violation.
set -euo pipefail
check=$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

plant() { # file, include line
    mkdir -p "$tmp/tree/$(dirname "$1")"
    printf '#pragma once\n%s\n' "$2" > "$tmp/tree/$1"
}

expect() { # expected exit code, expected text ("" for none), description
    local out rc=0
    out=$("$check" "$tmp/tree" 2>&1) || rc=$?
    if [ "$rc" -ne "$1" ] || { [ -n "$2" ] && ! grep -qF -- "$2" <<<"$out"; }; then
        echo "FAIL: $3 (exit $rc)"; echo "$out"; failures=$((failures + 1))
    else
        echo "ok: $3"
    fi
    rm -rf "$tmp/tree"
}

plant src/kwgfx/path/A.h '#include "kwgfx/geometry/KwTypes.h"'
plant src/kwgfx/path/B.cpp '#include "kwgfx/path/detail/KwPathWalk.h"'
plant src/kwgfx/platform/controls/C.h '#include "kwgfx/platform/windowing/Timer.h"'
plant tests/path/test_d.cpp '#include "kwgfx/path/detail/KwPathWalk.h"'
plant tools/kwgfx/e.cpp '#include <kwgfx/platform/graphics/cairo/Bitmap.h>'
plant src/kwgfx/platform/graphics/F.cpp '#include "kwgfx/raster/Rasterizer.h"'
plant tests/raster/test_g.cpp '#include "kwgfx/raster/detail/RasterKernels.h"'
expect 0 "" "downward includes, own internals and the program's Cairo use pass"

plant src/kwgfx/geometry/KwConstants.h '#include "kwgfx/KwVclCommon.h"'
expect 1 "geometry includes the higher layer package" "geometry reaching the package"

plant src/kwgfx/drawing/X.cpp '#include "kwgfx/ui/KwHintWindow.h"'
expect 1 "drawing includes the higher layer ui" "drawing reaching ui"

plant src/kwgfx/platform/graphics/Canvas.cpp '#include "kwgfx/platform/windowing/Screen.h"'
expect 1 "room graphics may not include room windowing" "a room reaching a higher room"

plant src/kwgfx/ui/TextLabel.cpp '#include "kwgfx/drawing/detail/DrawingRounding.h"'
expect 1 "internal header of drawing" "another layer's internal header"

plant tools/kwgfx/Gallery.cpp '#include <kwgfx/path/detail/KwPathWalk.h>'
expect 1 "internal header of path" "the program using an internal header"

plant tests/geometry/test_x.cpp '#include "kwgfx/path/detail/KwPathWalk.h"'
expect 1 "internal header of path" "a test of another layer using an internal header"

plant src/kwgfx/path/Y.cpp '#include "kwgfx/platform/graphics/cairo/Bitmap.h"'
expect 1 "only the Cairo room includes the Cairo room" "a core layer reaching Cairo"

plant tests/geometry/test_y.cpp '#include "kwgfx/drawing/Arrows.h"'
expect 1 "geometry includes the higher layer drawing" "a test of a layer reaching a higher layer"

plant src/kwgfx/raster/Z.cpp '#include "kwgfx/platform/graphics/PointD.h"'
expect 1 "raster includes the higher layer platform" "the rasteriser reaching platform"

plant src/kwgfx/path/W.cpp '#include "kwgfx/raster/detail/RasterKernels.h"'
expect 1 "internal header of raster" "a layer using the rasteriser's internals"

echo "$((11 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
