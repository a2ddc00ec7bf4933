// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Text measurements on a canvas in its current font: the height of text with several
/// lines, and the box that holds text drawn rotated.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

#include <string_view>

namespace kw {

using platform::TSize;

/// The canvas's line height times the number of lines, lines being ended by LF (a CR
/// alone does not end a line). An empty text is one line high.
float GetMultilineTextHeight(platform::TCanvas& Canvas, std::string_view Text);

/// The size of a box that holds Text drawn rotated by Angle degrees (counter-clockwise)
/// with a margin of one text height H around the rotated baseline, and in TextOrigin the
/// point of the box where the text's origin goes. Angle 0 gives the plain text extent and
/// the origin (0, 0). The integer form rounds the rotated baseline to whole pixels.
TSize GetRotatedTextExtent(platform::TCanvas& Canvas, int32_t Angle, std::string_view Text,
                           TPoint& TextOrigin);
/// The float form measures width and height separately and keeps fractions.
TKwSize GetRotatedTextExtent(platform::TCanvas& Canvas, int32_t Angle, std::string_view Text,
                             TKwPoint& TextOrigin);

} // namespace kw
