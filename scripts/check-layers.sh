#!/usr/bin/env bash
# Checks the include rules of the library's layers and rooms (docs/architecture.md):
#   - a layer includes only itself and the layers below it:
#       raster < platform < geometry < path < drawing < ui < package
#     (raster, the rasteriser, includes nothing of kwgfx but itself)
#   - inside platform, a room includes only the rooms it is allowed (table below);
#     the Cairo room (platform/graphics/cairo) is for itself, the program, tests,
#     benchmarks and fuzz targets: no core layer includes it
#   - the GTK room (platform/windowing/gtk) likewise: only itself, the program, tests and
#     examples include it; it may include the rooms below it and the Cairo room
#   - tests of a layer (tests/<layer>/, tests/platform/<room>/) keep that layer's rules
#   - a detail/ header is internal: only its own layer (inside platform, its own room)
#     and that layer's tests (tests/<layer>/, tests/platform/<room>/) include it
# Usage: scripts/check-layers.sh [ROOT]   (ROOT: a source tree, by default this one)
# Prints every offending include and exits 1 when there is one.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

dirs=()
for d in src tools tests bench fuzz examples; do [ -d "$d" ] && dirs+=("$d"); done

grep -rHnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]kwgfx/' \
    "${dirs[@]}" | awk '
function unit_of(path,   p, n, parts) {
    # The unit a file or header belongs to: "layer" or "platform/room".
    p = path
    sub(/^src\//, "", p)
    if (p ~ /^kwgfx\/raster\//) return "raster"
    if (p ~ /^kwgfx\/platform\/graphics\/cairo\//) return "platform/cairo"
    if (p ~ /^kwgfx\/platform\/windowing\/gtk\//) return "platform/gtk"
    if (p ~ /^kwgfx\/platform\//) { n = split(p, parts, "/"); return "platform/" parts[3] }
    if (p ~ /^kwgfx\/(geometry|path|drawing|ui|package)\//) { n = split(p, parts, "/"); return parts[2] }
    if (p ~ /^kwgfx\/KwGraphics\.h$/) return "drawing"
    if (p ~ /^kwgfx\/Kw(VclGraphics|VclHelperFunctions|DeltaFont|HintWindow)\.h$/) return "ui"
    if (p ~ /^kwgfx\/KwVclCommon\.h$/) return "package"
    return "?"
}
function layer_of(unit) { return (unit ~ /^platform\//) ? "platform" : unit }
BEGIN {
    rank["raster"] = -1; rank["platform"] = 0; rank["geometry"] = 1; rank["path"] = 2
    rank["drawing"] = 3; rank["ui"] = 4; rank["package"] = 5
    # The rooms each platform room may include, itself always allowed.
    rooms["base"] = ""
    rooms["text"] = "base"
    rooms["streams"] = "base text"
    rooms["graphics"] = "base text streams"
    rooms["windowing"] = "base text streams graphics"
    rooms["controls"] = "base text streams graphics windowing"
    rooms["system"] = "base text"
    rooms["common"] = "base text graphics"
    rooms["cairo"] = "base text streams graphics windowing"
    rooms["gtk"] = "base text streams graphics cairo windowing controls"
    bad = 0
}
{
    file = $0; sub(/:.*/, "", file)
    line = $0; sub(/^[^:]*:/, "", line); lineno = line; sub(/:.*/, "", lineno)
    inc = line; sub(/^[^<"]*[<"]/, "", inc); sub(/[>"].*$/, "", inc)
    target = unit_of(inc)
    if (target == "?") { report(file, lineno, inc, "no such layer or room"); next }
    internal = (inc ~ /\/detail\//)

    # A test of a layer (tests/<layer>/, tests/platform/<room>/) keeps the rules of its layer.
    from = ""
    if (file ~ /^src\//) from = unit_of(file)
    else if (file ~ /^tests\/(platform\/[a-z]+|raster|geometry|path|drawing|ui|package)\//) {
        from = file; sub(/^tests\//, "", from)
        if (from ~ /^platform\//) { split(from, parts, "/"); from = "platform/" parts[2] }
        else sub(/\/.*/, "", from)
    }
    if (from != "") {
        if (from == "?") { report(file, lineno, inc, "file outside every layer"); next }
        fl = layer_of(from); tl = layer_of(target)
        if (internal && from != target) { report(file, lineno, inc, "internal header of " target); next }
        if (target == "platform/gtk" && from != "platform/gtk") { report(file, lineno, inc, "only the GTK room includes the GTK room"); next }
        if (target == "platform/cairo" && from != "platform/cairo" && from != "platform/gtk") { report(file, lineno, inc, "only the Cairo room includes the Cairo room"); next }
        if (rank[tl] > rank[fl]) { report(file, lineno, inc, fl " includes the higher layer " tl); next }
        if (fl == "platform" && tl == "platform" && from != target) {
            r = substr(from, 10); t = substr(target, 10)
            if ((" " rooms[r] " ") !~ (" " t " ")) { report(file, lineno, inc, "room " r " may not include room " t); next }
        }
    } else if (internal) {
        # Tests of a layer (or room) may use its internal headers; nothing else may.
        owner = file; sub(/^tests\//, "", owner)
        ok = 0
        if (file ~ /^tests\//) {
            if (target ~ /^platform\//) {
                room = substr(target, 10)
                if (room == "cairo" && owner ~ /^cairo\//) ok = 1
                if (owner ~ ("^platform/" room "/")) ok = 1
            } else if (owner ~ ("^" target "/")) ok = 1
        }
        if (!ok) report(file, lineno, inc, "internal header of " target)
    }
}
function report(f, n, i, why) { printf "%s:%s: includes %s: %s\n", f, n, i, why; bad = 1 }
END { exit bad }
'
