// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Word wrapping of text to a maximum line width measured on a canvas in its current
/// font. Text is UTF-8; the characters the wrapping looks at (break characters, quotes,
/// line ends) are single code points.

#include "kwgfx/platform/common/KwChars.h"
#include "kwgfx/platform/graphics/Canvas.h"

#include <string>
#include <string_view>

namespace kw {

/// TAB, space and hyphen: the break characters of the short form of WrapCanvasText.
inline const platform::TKwCharSet DefaultWrapBreakChars = platform::KwCharSet("\t -");

/// Breaks Text into lines no wider than MaxWidth where possible, inserting LineBreak.
/// The text is cut into chunks: a word (a quoted run, in double quotes or apostrophes,
/// is never broken), then the break characters after it, then the CR and LF after
/// those; a chunk that fits on the current line (its width plus the line's is below
/// MaxWidth) is appended, otherwise it starts a new line. The first chunk of a line is
/// always taken, so a word wider than MaxWidth stands alone and is never split. Break
/// characters stay at the end of the line they follow; a CR LF in the text starts a new
/// line without an inserted break. The text's last character is appended unmeasured.
///
/// \gallery{text_wrap.png}
std::string WrapCanvasText(platform::TCanvas& Canvas, std::string_view Text,
                           std::string_view LineBreak, const platform::TKwCharSet& BreakChars,
                           float MaxWidth);

/// The same with CR LF as line break and DefaultWrapBreakChars.
std::string WrapCanvasText(platform::TCanvas& Canvas, std::string_view Text, float MaxWidth);

} // namespace kw
