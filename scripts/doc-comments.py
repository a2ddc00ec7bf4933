#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Turns the plain comments of the public headers that document a declaration into
documentation comments, so that the reference (Doxygen) sees them.

    scripts/doc-comments.py            convert every public header in place
    scripts/doc-comments.py --check    list the headers that would change; exit 1 if any
    scripts/doc-comments.py FILE...    only these files

What changes, and nothing else:
  - the file's opening comment (before its first declaration) becomes the file's page:
    "/// \\file" followed by the comment as "///" lines;
  - a block of "//" lines directly above a declaration (no blank line between) at
    namespace, class or enumeration scope, outside private sections, becomes "///" lines;
    a section heading ("// ---- name") in or above the block stays as it is;
  - a "//" comment after a complete declaration or an enumerator on the same line, and
    the comment lines aligned under it, become "///<".
Comments inside function bodies, above includes, namespaces, access labels or blank lines,
and in private sections stay plain. Already converted lines are left alone, so running the
script twice changes nothing the second time: after a merge brings new plain comments, run
it again.

The changed lines are then re-wrapped by clang-format (when it is installed) with the
repository's .clang-format, on those lines only: "///" is one character longer than "//".

Public headers are the .h files under src/kwgfx outside any detail/ folder.
"""

import argparse
import pathlib
import re
import shutil
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
HEADERS = ROOT / "src" / "kwgfx"

SECTION_HEADING = re.compile(r"^//\s*(-{3,}|={3,})")
# Comments that are instructions to tools, not documentation.
TOOL_COMMENT = re.compile(r"^//\s*(clang-format|NOLINT|IWYU|namespace\b)")
ACCESS_LABEL = re.compile(r"^(public|protected|private)\s*:(?!:)")
CLASS_HEAD = re.compile(r"(^|[\s>])(class|struct|union)\s")
ENUM_HEAD = re.compile(r"(^|\s)enum(\s|$)")
NAMESPACE_HEAD = re.compile(r"(^|\s)(namespace|extern\s+\"C\")(\s|$)")


def public_headers():
    return sorted(p for p in HEADERS.rglob("*.h") if "detail" not in p.relative_to(HEADERS).parts)


class Line:
    """One source line split into its code (strings blanked) and its trailing comment."""

    def __init__(self, text, in_block_comment):
        self.text = text
        self.code = ""  # code with literals blanked, block comments removed
        self.comment_col = -1  # column of a "//" comment outside literals, -1 if none
        self.in_block_comment_after = self._scan(in_block_comment)

    def _scan(self, in_block):
        t = self.text
        i = 0
        out = []
        while i < len(t):
            if in_block:
                end = t.find("*/", i)
                if end < 0:
                    return True
                i = end + 2
                in_block = False
                continue
            c = t[i]
            if t.startswith("//", i):
                self.comment_col = i
                break
            if t.startswith("/*", i):
                in_block = True
                i += 2
                continue
            if c in "\"'":
                quote = c
                j = i + 1
                while j < len(t) and t[j] != quote:
                    j += 2 if t[j] == "\\" else 1
                out.append(quote + quote)
                i = j + 1
                continue
            out.append(c)
            i += 1
        self.code = "".join(out)
        return in_block

    @property
    def comment_only(self):
        return self.comment_col >= 0 and not self.code.strip()

    @property
    def comment(self):
        return self.text[self.comment_col:] if self.comment_col >= 0 else ""


class Scope:
    def __init__(self, kind, public):
        self.kind = kind  # "namespace", "class", "enum" or "other" (bodies, initialisers)
        self.public = public


def classify(head):
    head = " ".join(head.split())
    if NAMESPACE_HEAD.search(head) and "(" not in head:
        return Scope("namespace", True)
    if ENUM_HEAD.search(head):
        return Scope("enum", True)
    keywords = CLASS_HEAD.findall(head)
    if keywords and "(" not in head and "=" not in head:
        return Scope("class", keywords[-1][1] != "class")
    return Scope("other", True)


def convert(text):
    raw = text.split("\n")
    lines = []
    in_block = False
    for t in raw:
        line = Line(t, in_block)
        in_block = line.in_block_comment_after
        lines.append(line)

    # Pass 1: for each line, whether it starts at a documentable place: declaration scope
    # (namespaces, public or protected class members, enumerators) and between statements.
    documentable = []
    statement_start = []
    scopes = [Scope("namespace", True)]
    head = ""
    for line in lines:
        code = line.code.strip()
        in_decl_scope = all(s.kind != "other" for s in scopes) and scopes[-1].public
        documentable.append(in_decl_scope)
        statement_start.append(head.strip() == "")
        if code.startswith("#"):
            continue
        label = ACCESS_LABEL.match(code)
        if label and scopes[-1].kind == "class":
            scopes[-1].public = label.group(1) != "private"
            code = code[label.end():]
        for c in code:
            if c == "{":
                scopes.append(classify(head))
                head = ""
            elif c == "}":
                if len(scopes) > 1:
                    scopes.pop()
                head = ""
            elif c == ";":
                head = ""
            elif c == "," and scopes[-1].kind == "enum":
                head = ""
            else:
                head += c
        head += " "

    out = [line.text for line in lines]
    first_declaration = next(
        (i for i, line in enumerate(lines)
         if line.code.strip() and not line.code.strip().startswith("#")), len(lines))

    # The file's opening comment.
    has_file_doc = any(re.match(r"^\s*///\s*[\\@]file\b", t) for t in raw)
    i = 0
    while i < first_declaration and not lines[i].comment_only:
        i += 1
    if not has_file_doc and i < first_declaration and not lines[i].text.lstrip().startswith("///"):
        j = i
        while j < len(lines) and lines[j].comment_only and not lines[j].text.lstrip().startswith("///"):
            j += 1
        if j <= first_declaration:
            block = [re.sub(r"^(\s*)//", r"\1///", lines[k].text) for k in range(i, j)]
            out[i:j] = ["/// \\file\n" + block[0]] + block[1:]
            # The inserted line is part of the first converted line.
            opening = range(i, j)
        else:
            opening = range(0)
    else:
        opening = range(0)

    def declaration_follows(k):
        if k >= len(lines) or not documentable[k] or not statement_start[k]:
            return False
        code = lines[k].code.strip()
        if not code or code.startswith("#") or code.startswith("}"):
            return False
        if ACCESS_LABEL.match(code) or code.startswith("static_assert"):
            return False
        if re.match(r"^(inline\s+)?namespace\b|^using\s+namespace\b|^extern\s+\"C\"", code):
            return False
        return True

    # Comment blocks above declarations.
    i = 0
    while i < len(lines):
        if i in opening or not lines[i].comment_only:
            i += 1
            continue
        j = i
        while j < len(lines) and lines[j].comment_only and j not in opening:
            j += 1
        start = i
        for k in range(i, j):
            stripped = lines[k].text.strip()
            if SECTION_HEADING.match(stripped) or TOOL_COMMENT.match(stripped):
                start = k + 1
        block = range(start, j)
        plain = [k for k in block if not lines[k].text.lstrip().startswith("///")]
        if block and plain and declaration_follows(j) and all(documentable[k] for k in block):
            if not any(lines[k].text.lstrip().startswith("///<") for k in block):
                for k in plain:
                    out[k] = re.sub(r"^(\s*)//", r"\1///", lines[k].text, count=1)
        i = j

    # Comments after a declaration on its line, with the comment lines aligned under them.
    i = 0
    while i < len(lines):
        line = lines[i]
        code = line.code.rstrip()
        trailing = (line.comment_col >= 0 and code.strip() and documentable[i]
                    and statement_start[i] and not line.text[line.comment_col:].startswith("///")
                    and (code.endswith(";") or code.endswith(",") or enum_member(lines, i, documentable))
                    and not code.strip().startswith("#")
                    and "{" not in code and "}" not in code.replace("{}", ""))
        if not trailing:
            i += 1
            continue
        col = line.comment_col
        out[i] = line.text[:col] + re.sub(r"^//\s?", "///< ", line.text[col:])
        k = i + 1
        while k < len(lines) and lines[k].comment_only and lines[k].comment_col == col \
                and not lines[k].text[col:].startswith("///"):
            out[k] = lines[k].text[:col] + re.sub(r"^//\s?", "///< ", lines[k].text[col:])
            k += 1
        i = k
    # Output lines, and the 1-based numbers of those that changed (for clang-format).
    new_lines = []
    changed = []
    for old, new in zip(raw, out):
        parts = new.split("\n")
        if new != old:
            changed.extend(range(len(new_lines) + 1, len(new_lines) + len(parts) + 1))
        new_lines.extend(parts)
    return "\n".join(new_lines), changed


def enum_member(lines, i, documentable):
    """The last enumerator of an enumeration, written without a comma."""
    code = lines[i].code.strip()
    if not re.match(r"^[A-Za-z_]\w*(\s*=\s*[^,;{}]+)?$", code) or not documentable[i]:
        return False
    k = i + 1
    while k < len(lines) and lines[k].comment_only:
        k += 1
    return k < len(lines) and lines[k].code.strip().startswith("}")


def reformat(clang_format, path, lines):
    """A "///" line is one character longer than the "//" line it was: lines that reach
    past the column limit now are re-wrapped, and columns of "///<" realigned, by the
    repository's clang-format, on the changed lines only."""
    ranges = []
    for n in lines:
        if ranges and ranges[-1][1] == n - 1:
            ranges[-1][1] = n
        else:
            ranges.append([n, n])
    command = [clang_format, "-i", "--style=file"]
    command += ["--lines=%d:%d" % (a, b) for a, b in ranges]
    subprocess.run(command + [str(path)], check=True, cwd=ROOT)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="change nothing; list the files that would change, exit 1 if any")
    parser.add_argument("--no-format", action="store_true",
                        help="do not re-wrap the converted lines with clang-format")
    parser.add_argument("files", nargs="*", type=pathlib.Path)
    args = parser.parse_args()
    files = args.files or public_headers()
    clang_format = shutil.which("clang-format")
    changed = []
    for path in files:
        text = path.read_text(encoding="utf-8")
        new, lines = convert(text)
        if new != text:
            changed.append(path)
            if not args.check:
                path.write_text(new, encoding="utf-8")
                if clang_format and not args.no_format:
                    reformat(clang_format, path, lines)
    for path in changed:
        try:
            shown = path.resolve().relative_to(ROOT)
        except ValueError:
            shown = path
        print(("would change " if args.check else "converted ") + str(shown))
    return 1 if args.check and changed else 0


if __name__ == "__main__":
    sys.exit(main())
