#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the include rules of the library's layers and rooms (docs/architecture.md):
#   - every unit (a layer, a room of platform/ or of backends/) includes only itself and the
#     units the table below allows it; the table runs one way, so no two units include each
#     other: raster < platform rooms < backends < geometry < path < drawing < ui < package,
#     with backends off to the side (nothing in the library includes a backend but a backend);
#     raster, the rasteriser, includes nothing of kwgfx, and every unit may include it
#   - tests of a layer or a platform room (tests/<layer>/, tests/platform/<room>/) keep that
#     unit's rules; the program, examples, benchmarks, fuzz targets and other tests (those of
#     a backend among them: they draw the library's routines on it) may include every public
#     header
#   - a detail/ header is internal: only its own unit and that unit's tests (tests/<unit>/)
#     include it
#   - no folder of src/ takes part in a cycle of includes between folders (a detail/ folder
#     counts as its parent), whatever the table says
# Usage: scripts/check-layers.sh [ROOT]   (ROOT: a source tree, by default this one)
# Prints every offending include and exits 1 when there is one.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

dirs=()
for d in src tools tests bench fuzz examples; do [ -d "$d" ] && dirs+=("$d"); done

grep -rHnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]kwgfx/' \
    "${dirs[@]}" | awk '
function unit_of(path,   p, parts) {
    # The unit a file or header belongs to: "layer", "platform/room" or "backends/room".
    p = path
    sub(/^src\//, "", p)
    if (p ~ /^kwgfx\/(platform|backends)\/[a-z]+\//) { split(p, parts, "/"); return parts[2] "/" parts[3] }
    if (p ~ /^kwgfx\/(raster|geometry|path|drawing|ui|package)\//) { split(p, parts, "/"); return parts[2] }
    if (p ~ /^kwgfx\/KwGraphics\.h$/) return "drawing"
    if (p ~ /^kwgfx\/Kw(VclGraphics|VclHelperFunctions|DeltaFont|HintWindow)\.h$/) return "ui"
    if (p ~ /^kwgfx\/KwVclCommon\.h$/) return "package"
    return "?"
}
function folder_of(path,   f) {
    # The folder of a file below src/kwgfx, a detail/ folder counted as its parent.
    f = path; sub(/^src\//, "", f); sub(/\/[^\/]*$/, "", f); sub(/\/detail$/, "", f)
    return f
}
BEGIN {
    # What each unit may include besides itself.
    platform = "platform/base platform/text platform/streams platform/graphics platform/windowing platform/controls platform/system platform/common"
    # The rasteriser is the lowest unit: it includes nothing, everything may include it.
    allowed["raster"] = ""
    allowed["platform/base"] = "raster"
    allowed["platform/text"] = "raster platform/base"
    allowed["platform/streams"] = "raster platform/base platform/text"
    allowed["platform/graphics"] = "raster platform/base platform/text platform/streams"
    allowed["platform/windowing"] = "raster platform/base platform/text platform/streams platform/graphics"
    allowed["platform/controls"] = allowed["platform/windowing"] " platform/windowing"
    allowed["platform/system"] = "raster platform/base platform/text"
    allowed["platform/common"] = "raster platform/base platform/text platform/graphics"
    allowed["backends/cairo"] = allowed["platform/controls"]
    allowed["backends/gtk"] = "raster " platform " backends/cairo"
    allowed["geometry"] = "raster " platform
    allowed["path"] = allowed["geometry"] " geometry"
    allowed["drawing"] = allowed["path"] " path"
    allowed["ui"] = allowed["drawing"] " drawing"
    allowed["package"] = allowed["ui"] " ui"
    bad = 0
    nedges = 0
}
{
    file = $0; sub(/:.*/, "", file)
    line = $0; sub(/^[^:]*:/, "", line); lineno = line; sub(/:.*/, "", lineno)
    inc = line; sub(/^[^<"]*[<"]/, "", inc); sub(/[>"].*$/, "", inc)
    target = unit_of(inc)
    if (target == "?" || !(target in allowed)) { report(file, lineno, inc, "no such layer or room"); next }
    internal = (inc ~ /\/detail\//)

    # The folder graph of the library itself, for the cycle check.
    if (file ~ /^src\/kwgfx\//) {
        a = folder_of(file); b = folder_of("src/" inc)
        if (a != b && !((a, b) in edge)) { edge[a, b] = 1; out[a] = out[a] " " b; folders[a] = 1; folders[b] = 1 }
    }

    # The unit whose rules a file keeps: its own in src/, its unit'"'"'s for the unit'"'"'s tests.
    from = ""
    if (file ~ /^src\//) from = unit_of(file)
    else if (file ~ /^tests\/platform\/[a-z]+\//) { split(file, parts, "/"); from = parts[2] "/" parts[3] }
    else if (file ~ /^tests\/(raster|geometry|path|drawing|ui|package)\//) { split(file, parts, "/"); from = parts[2] }

    if (from != "") {
        if (from == "?" || !(from in allowed)) { report(file, lineno, inc, "file outside every layer"); next }
        if (internal && from != target) { report(file, lineno, inc, "internal header of " target); next }
        if (from != target && (" " allowed[from] " ") !~ (" " target " ")) {
            report(file, lineno, inc, from " may not include " target); next
        }
    } else if (internal && index(file, "tests/" target "/") != 1) {
        report(file, lineno, inc, "internal header of " target)
    }
}
function report(f, n, i, why) { printf "%s:%s: includes %s: %s\n", f, n, i, why; bad = 1 }
function visit(f,   n, i, nexts) {
    # Depth-first search; a folder met again while still on the path closes a cycle.
    state[f] = 1; stack[++depth] = f
    n = split(out[f], nexts, " ")
    for (i = 1; i <= n; i++) {
        if (state[nexts[i]] == 1) { print_cycle(nexts[i]); continue }
        if (state[nexts[i]] == 0) visit(nexts[i])
    }
    state[f] = 2; depth--
}
function print_cycle(f,   i, s, start) {
    for (i = depth; i >= 1; i--) if (stack[i] == f) { start = i; break }
    s = ""
    for (i = start; i <= depth; i++) s = s stack[i] " -> "
    printf "src/%s: folder cycle: %s%s\n", f, s, f
    bad = 1
}
END {
    depth = 0
    for (f in folders) state[f] = 0
    for (f in folders) if (state[f] == 0) visit(f)
    exit bad
}
'
