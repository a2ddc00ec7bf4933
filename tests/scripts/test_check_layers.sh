#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
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
plant tools/kwgfx/e.cpp '#include <kwgfx/backends/cairo/Bitmap.h>'
plant src/kwgfx/backends/gtk/F.cpp '#include "kwgfx/backends/cairo/CairoCanvas.h"'
plant src/kwgfx/backends/cairo/G.cpp '#include "kwgfx/platform/windowing/WindowSurface.h"'
plant tests/backends/cairo/test_h.cpp '#include "kwgfx/backends/cairo/detail/CairoConvert.h"'
expect 0 "" "downward includes, own internals, backends on their rooms and the program's Cairo use pass"

plant src/kwgfx/geometry/KwConstants.h '#include "kwgfx/KwVclCommon.h"'
expect 1 "geometry may not include package" "geometry reaching the package"

plant src/kwgfx/drawing/X.cpp '#include "kwgfx/ui/KwHintWindow.h"'
expect 1 "drawing may not include ui" "drawing reaching ui"

plant src/kwgfx/platform/graphics/Canvas.cpp '#include "kwgfx/platform/windowing/Screen.h"'
expect 1 "platform/graphics may not include platform/windowing" "a room reaching a higher room"

plant src/kwgfx/ui/TextLabel.cpp '#include "kwgfx/drawing/detail/DrawingRounding.h"'
expect 1 "internal header of drawing" "another layer's internal header"

plant tools/kwgfx/Gallery.cpp '#include <kwgfx/path/detail/KwPathWalk.h>'
expect 1 "internal header of path" "the program using an internal header"

plant tests/geometry/test_x.cpp '#include "kwgfx/path/detail/KwPathWalk.h"'
expect 1 "internal header of path" "a test of another layer using an internal header"

plant src/kwgfx/path/Y.cpp '#include "kwgfx/backends/cairo/Bitmap.h"'
expect 1 "path may not include backends/cairo" "a core layer reaching the Cairo backend"

plant src/kwgfx/backends/cairo/Z.cpp '#include "kwgfx/backends/gtk/GtkPlatform.h"'
expect 1 "backends/cairo may not include backends/gtk" "the Cairo backend reaching the GTK one"

# A cycle of folders that the table cannot see: both folders belong to one layer.
plant src/kwgfx/path/shapes/A.h '#include "kwgfx/path/B.h"'
plant src/kwgfx/path/B.h '#include "kwgfx/path/shapes/A.h"'
expect 1 "folder cycle: kwgfx/path" "two folders of one layer including each other"

# The old cycle between a platform room and a backend: the table and the cycle check both fail.
plant src/kwgfx/backends/cairo/W.cpp '#include "kwgfx/platform/windowing/WindowSurface.h"'
plant src/kwgfx/platform/windowing/V.h '#include "kwgfx/backends/cairo/Bitmap.h"'
expect 1 "folder cycle:" "a platform room and a backend including each other"

plant src/kwgfx/raster/R.cpp '#include "kwgfx/platform/graphics/PointD.h"'
expect 1 "raster may not include platform/graphics" "the rasteriser reaching platform"

plant src/kwgfx/platform/graphics/Q.h '#include "kwgfx/raster/Rasterizer.h"'
plant tests/raster/test_q.cpp '#include "kwgfx/raster/detail/RasterKernels.h"'
expect 0 "" "platform using the rasteriser, its tests its internals"

plant tests/geometry/test_y.cpp '#include "kwgfx/drawing/Arrows.h"'
expect 1 "geometry may not include drawing" "a test of a layer reaching a higher layer"

echo "$((14 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
