#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package's changelog.gz is CHANGELOG.md in the form of a Debian changelog
# (cmake/debian/DebianChangelog.cmake). dpkg-parsechangelog must read it: the project's own
# CHANGELOG.md, whose newest entry must be the project's version, and a sample with dated
# sections, whose dates (weekdays included) are checked against date(1). No line may pass
# 78 columns, and every word of a section's text must arrive, in order, without Markdown's
# marks. Exits 77 (skipped) without dpkg-parsechangelog (package dpkg-dev).
# usage: test_debian_changelog.sh SOURCE-DIR VERSION SCRATCH-DIR [CMAKE]
set -euo pipefail
source=$1 version=$2 scratch=$3 cmake=${4:-cmake}
command -v dpkg-parsechangelog >/dev/null || { echo "skipped: no dpkg-parsechangelog"; exit 77; }
rm -rf "$scratch"
mkdir -p "$scratch"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
maintainer="kwgfx developers <kwgfx@example.org>"
convert() { # MARKDOWN OUT
    "$cmake" -DMARKDOWN="$1" -DOUT="$2" -DPACKAGE=libkwgfx-dev -DMAINTAINER="$maintainer" \
        -P "$source/cmake/debian/DebianChangelog.cmake"
}
field() { # FILE OFFSET FIELD: the field of the entry OFFSET from the top
    dpkg-parsechangelog -l "$1" --offset "$2" --count 1 -S "$3"
}
check_widths() {
    awk -v f="$1" 'length($0) > 78 { print "FAIL: " f ":" NR " is longer than 78: " $0; bad = 1 }
                   END { exit bad }' "$1" || failures=$((failures + 1))
}
# The words of the sections' text, as the changelog should carry them: headings end in
# ":", list markers and Markdown's marks go.
markdown_words() {
    awk '/^## / { on = 1; next } on' "$1" |
        sed -e 's/^###* *\(.*\)$/\1:/' -e 's/^[-*] //' -e 's/\*\*//g' -e 's/`//g' | tr -s ' \t' '\n\n' |
        grep -v '^$'
}
changelog_words() {
    grep '^  ' "$1" | sed -e 's/^ *[-*] //' | tr -s ' \t' '\n\n' | grep -v '^$'
}

# The project's changelog.
convert "$source/CHANGELOG.md" "$scratch/project"
dpkg-parsechangelog -l "$scratch/project" >/dev/null 2>"$scratch/parse.err" ||
    { cat "$scratch/parse.err"; fail "dpkg-parsechangelog cannot read the project's changelog"; }
[ -s "$scratch/parse.err" ] && { cat "$scratch/parse.err"; fail "dpkg-parsechangelog warns"; }
[ "$(field "$scratch/project" 0 Version)" = "$version" ] ||
    fail "the newest entry is $(field "$scratch/project" 0 Version), not $version"
[ "$(field "$scratch/project" 0 Maintainer)" = "$maintainer" ] || fail "maintainer"
check_widths "$scratch/project"
diff <(markdown_words "$source/CHANGELOG.md") <(changelog_words "$scratch/project") >/dev/null ||
    fail "the project's changelog lost or changed words"

# A sample: an unreleased section and dated ones (a leap day, a January), characters that
# CMake's lists treat specially, and a word longer than a line.
long=https://example.org/$(printf 'a%.0s' {1..90})
cat >"$scratch/sample.md" <<EOF
# Changelog

Text before the first section is not part of any entry.

## 2.0.0 (unreleased)

### Fixed
- **Paths** with [brackets], a \\backslash and semicolons; both; kept \`as is\`.
  A second line of the same item, long enough to be wrapped at least once more than the
  first one was.
- $long

## 1.1.0 (2024-02-29)

A paragraph
over two lines.

## 1.0.0 (2000-01-01)

- The first release.
EOF
convert "$scratch/sample.md" "$scratch/sample"
dpkg-parsechangelog -l "$scratch/sample" >/dev/null 2>"$scratch/parse.err" ||
    { cat "$scratch/parse.err"; fail "dpkg-parsechangelog cannot read the sample"; }
check_widths <(grep -v "$long" "$scratch/sample")
grep -q "^    - $long\$" "$scratch/sample" || fail "the long word is not alone on its line"
diff <(markdown_words "$scratch/sample.md") <(changelog_words "$scratch/sample") ||
    fail "the sample lost or changed words"
grep -q 'brackets\], a \\backslash and semicolons; both; kept as is\.' "$scratch/sample" ||
    fail "special characters: $(grep -n brackets "$scratch/sample")"
expect=("2.0.0 UNRELEASED" "1.1.0 unstable" "1.0.0 unstable")
for i in 0 1 2; do
    got="$(field "$scratch/sample" $i Version) $(field "$scratch/sample" $i Distribution)"
    [ "$got" = "${expect[$i]}" ] || fail "entry $i is '$got', not '${expect[$i]}'"
done
for entry in "1 2024-02-29" "2 2000-01-01"; do
    set -- $entry
    want="$(LC_ALL=C date -u -d "$2 12:00:00" '+%a, %d %b %Y %H:%M:%S +0000')"
    got=$(field "$scratch/sample" "$1" Date)
    [ "$got" = "$want" ] || fail "the entry of $2 is dated '$got', not '$want'"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "both changelogs read back by dpkg-parsechangelog, every word kept, no line too long"
