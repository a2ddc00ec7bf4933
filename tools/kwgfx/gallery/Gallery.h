// SPDX-License-Identifier: MIT
#pragma once
// The `gallery` command of the kwgfx program: draws one page per family of drawing
// routines, each picture labelled with the calls that drew it, plus an index.html that
// shows them all. Pages go into one PNG or SVG file each, or into one PDF or PostScript
// document.

#include <span>
#include <string_view>

namespace kwtool {

// Args are the words after "gallery": an optional output folder (default "gallery" under
// the current folder), --format png|pdf|svg|ps (default png), --antialias (bitmap pages
// drawn anti-aliased) and --no-labels (figures without titles and labels). Prints one line per file
// written; a failure prints one line on standard error and gives a non-zero status.
int RunGallery(std::span<const std::string_view> Args);

} // namespace kwtool
