// SPDX-License-Identifier: MIT
#pragma once
// Turning the path text of the command line into a path.

#include <kwgfx/path/KwPathData.h>

#include <string>
#include <string_view>

namespace kwtool {

// Replaces Path's entries by the parsed Text: SVG path data by default, the library's
// lenient compatible reading with Compat. SVG data with an error keeps the commands before
// the error; the returned message tells where it stopped ("" when all was read).
std::string LoadPath(kw::TKwPathData& Path, std::string_view Text, bool Compat);

// Prints a reading problem as a one-line warning on standard error.
void WarnAboutPathText(const std::string& Problem);

// A rectangle as "left top right bottom", each the shortest text that reads back as the
// same float.
std::string RectText(const kw::TKwRect& R);

// The path's tight bounds as RectText, or "none" without segments.
std::string TightBoundsText(const kw::TKwPathData& Path);

} // namespace kwtool
