#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""scripts/doc-comments.py on small headers: what becomes documentation, what stays a
plain comment, and that a second run changes nothing (the lead re-runs it after merges)."""

import importlib.machinery
import pathlib
import sys
import types

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "doc-comments.py"
# The script's name has a hyphen, so it is loaded from its path rather than imported.
loader = importlib.machinery.SourceFileLoader("doc_comments", str(SCRIPT))
doc_comments = types.ModuleType(loader.name)
doc_comments.__file__ = str(SCRIPT)
loader.exec_module(doc_comments)

# (description, input, expected output)
CASES = [
    ("the opening comment becomes the file's page; includes keep their comments",
     "#pragma once\n// Points.\n// More.\n\n// the types\n#include <x.h>\n",
     "#pragma once\n/// \\file\n/// Points.\n/// More.\n\n// the types\n#include <x.h>\n"),
    ("a block directly above a declaration documents it",
     "#pragma once\n// F.\n\nnamespace kw {\n\n// Adds.\n// Twice.\nint Add(int A,\n"
     "        int B); // not this one\n}\n",
     "#pragma once\n/// \\file\n/// F.\n\nnamespace kw {\n\n/// Adds.\n/// Twice.\nint Add(int A,\n"
     "        int B); // not this one\n}\n"),
    ("a blank line, a namespace or a preprocessor line after the block leaves it plain",
     "#pragma once\n// F.\n\nnamespace kw {\n// section\n\nint A();\n}\n// about detail\n"
     "namespace kw::detail {}\n// guard\n#if X\n#endif\n",
     "#pragma once\n/// \\file\n/// F.\n\nnamespace kw {\n// section\n\nint A();\n}\n"
     "// about detail\nnamespace kw::detail {}\n// guard\n#if X\n#endif\n"),
    ("comments in function bodies and private sections stay plain; protected ones convert",
     "#pragma once\n// F.\n\nclass C {\n    // hidden\n    int F;\n\npublic:\n    // Gets.\n"
     "    int Get() {\n        // inside\n        return F;\n    }\n\nprotected:\n"
     "    // For subclasses.\n    void Do();\n\nprivate:\n    // hidden too\n    int G;\n};\n",
     "#pragma once\n/// \\file\n/// F.\n\nclass C {\n    // hidden\n    int F;\n\npublic:\n"
     "    /// Gets.\n    int Get() {\n        // inside\n        return F;\n    }\n\nprotected:\n"
     "    /// For subclasses.\n    void Do();\n\nprivate:\n    // hidden too\n    int G;\n};\n"),
    ("a struct's members are public, a template class's private by default",
     "#pragma once\n// F.\n\ntemplate <class T>\nstruct S {\n    // X.\n    T X;\n};\n"
     "template <typename T>\nclass K {\n    // hidden\n    T Y;\n};\n",
     "#pragma once\n/// \\file\n/// F.\n\ntemplate <class T>\nstruct S {\n    /// X.\n    T X;\n};\n"
     "template <typename T>\nclass K {\n    // hidden\n    T Y;\n};\n"),
    ("a section heading stays; the block under it converts",
     "#pragma once\n// F.\n\nstruct S {\n    // ---- copies\n    // Copies.\n    void Copy();\n};\n",
     "#pragma once\n/// \\file\n/// F.\n\nstruct S {\n    // ---- copies\n    /// Copies.\n"
     "    void Copy();\n};\n"),
    ("trailing comments of enumerators and members, with their aligned continuations",
     "#pragma once\n// F.\n\nenum E {\n    eA, // first\n    eB  // last\n        // still last\n};\n"
     "struct P {\n    int X = 0; // across, \"//\" in it\n    int Y = 0;\n    // Z.\n    int Z;\n};\n",
     "#pragma once\n/// \\file\n/// F.\n\nenum E {\n    eA, ///< first\n    eB  ///< last\n"
     "        ///< still last\n};\n"
     "struct P {\n    int X = 0; ///< across, \"//\" in it\n    int Y = 0;\n    /// Z.\n    int Z;\n};\n"),
    ("string literals with slashes and braces do not confuse the scopes",
     "#pragma once\n// F.\n\ninline const char* U = \"http://x{\";\n// Documented.\nint A();\n",
     "#pragma once\n/// \\file\n/// F.\n\ninline const char* U = \"http://x{\";\n/// Documented.\n"
     "int A();\n"),
    ("a header without an opening comment gets no file page",
     "#pragma once\n\nnamespace kw {\n// A.\nint A();\n}\n",
     "#pragma once\n\nnamespace kw {\n/// A.\nint A();\n}\n"),
]


def main():
    failures = 0
    for description, source, expected in CASES:
        once, _ = doc_comments.convert(source)
        twice, changed = doc_comments.convert(once)
        if once != expected:
            failures += 1
            print("FAIL: %s\n--- expected\n%s--- got\n%s" % (description, expected, once))
        elif twice != once or changed:
            failures += 1
            print("FAIL (second run changes it): %s\n%s" % (description, twice))
        else:
            print("ok: " + description)
    print("%d of %d cases failed" % (failures, len(CASES)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
