#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A shared kwgfx library exports its public API and nothing else (cmake/kwgfx-exports.map):
#   - its SONAME is the expected one;
#   - every exported (dynamic) symbol is in namespace kw, or is the type information,
#     virtual table, thunk or guard variable of something in kw;
#   - no exported symbol belongs to an internal namespace (kw::detail, kw::platform::*_detail);
#   - every public symbol that the library's object files define is exported, so the
#     version script's patterns hide nothing public;
#   - the objects do define symbols to hide (internal ones, or others outside namespace kw),
#     so the test shows that hiding works rather than that there was nothing to hide;
#   - the named public symbols are exported.
# usage: check_shared_exports.sh LIBRARY SONAME OBJECT-FILES(colon-separated) PUBLIC-SYMBOL...
set -euo pipefail
library=$1 soname=$2 objects=$3
shift 3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
names() { sed -E 's/^[0-9a-f]* *[A-Za-z] //' | sort -u; }
# The symbol's own name: its prefix ("typeinfo for", ...) and its parameter list or template
# arguments (whose types may come from anywhere) taken off.
own_name() { sed -E 's/^((typeinfo name|typeinfo|vtable|VTT|construction vtable|non-virtual thunk|virtual thunk|guard variable) (for|to) )?//; s/[(<].*//'; }
internal_re='^kw::([A-Za-z0-9_]+::)*[a-z_]*detail::'
public_re='^((typeinfo name|typeinfo|vtable|VTT|construction vtable|non-virtual thunk|virtual thunk|guard variable) (for|to) )?kw::'

actual=$(readelf -d "$library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
[ "$actual" = "$soname" ] || fail "SONAME is '$actual', expected '$soname'"

exported=$(nm -D --defined-only -C "$library" | names)
strays=$(grep -Ev "$public_re" <<<"$exported" || true)
[ -z "$strays" ] || fail "symbols outside namespace kw are exported:"$'\n'"$(head -20 <<<"$strays")"

# Each name with its own name before it, tab-separated.
with_own() { paste <(own_name <<<"$1") <(printf '%s\n' "$1"); }
leaked=$(with_own "$exported" | awk -F'\t' -v re="$internal_re" '$1 ~ re { print $2 }')
[ -z "$leaked" ] || fail "internal symbols are exported:"$'\n'"$(head -20 <<<"$leaked")"

IFS=: read -r -a object_files <<<"$objects"
defined=$(nm --defined-only --extern-only -C "${object_files[@]}" 2>/dev/null | grep -v ':$' | names)
in_kw=$(grep -E "$public_re" <<<"$defined" || true)
internal_defined=$(with_own "$in_kw" | awk -F'\t' -v re="$internal_re" '$1 ~ re' | wc -l)
public_defined=$(with_own "$in_kw" | awk -F'\t' -v re="$internal_re" '$1 !~ re { print $2 }')
hidden=$(comm -23 <(sort -u <<<"$public_defined") <(sort -u <<<"$exported"))
[ -z "$hidden" ] || fail "public symbols are not exported:"$'\n'"$(head -20 <<<"$hidden")"
# Something to hide: internal kw symbols, or others the objects define (instances of standard
# templates, say), which the stray check above found unexported. A library whose internals
# all sit in anonymous namespaces (the GTK one) has only the latter.
outside_kw=$(grep -Evc "$public_re" <<<"$defined" || true)
[ "$internal_defined" -gt 0 ] || [ "$outside_kw" -gt 0 ] ||
    fail "the objects define no symbol to hide: nothing shows that hiding works"

for symbol in "$@"; do
    grep -qxF -- "$symbol" <<<"$exported" || fail "'$symbol' is not exported"
done

count=$(wc -l <<<"$exported")
if [ "$failures" -gt 0 ]; then
    echo "$library: $failures failure(s), $count exported symbols"
    exit 1
fi
echo "$library: SONAME $soname, $count exported symbols, all public; $internal_defined internal ones hidden"
