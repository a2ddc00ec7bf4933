#pragma once
// Turning the path text of the command line into a path.

#include <kwgfx/path/KwPathData.h>

#include <string>
#include <string_view>

namespace kwtool {

// Replaces Path's entries by the parsed Text.
void LoadPath(kw::TKwPathData& Path, std::string_view Text);

// The path's tight bounds as text "left top right bottom", or "none" without segments.
std::string TightBoundsText(const kw::TKwPathData& Path);

} // namespace kwtool
