// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Compact SVG path data from path entries.
///
/// The text uses absolute M, L, C and Z only, omits repeated command letters (lines
/// right after a move ride on the move's implicit line-to) and every separator the grammar
/// does not need ("M1-2.5.5L3 4"). Read back with ParseSvgPath, the default shortest form
/// gives the same entries bit for bit for every path whose structure SVG can express:
/// it starts with a move, each close holds the start point of its subpath, and a close is
/// followed by a move or by nothing.
///
/// Entries SVG cannot express are written as the nearest thing that draws the same:
///   - a path that does not begin with a move gets "M0 0" first (the point its first
///     segment starts from in the path model);
///   - ppCurveTo entries that do not form a whole group of three are written as lines;
///   - NaN coordinates are written as 0, infinite ones as the largest float of their sign.

#include "kwgfx/path/KwPathPoint.h"

#include <span>
#include <string>

namespace kw {

/// Precision < 0: the shortest text that reads back as the same float.
/// Precision >= 0: at most that many digits after the decimal point (capped at 60),
/// trailing zeros dropped.
std::string WriteSvgPath(std::span<const TKwPathPoint> Entries, int Precision = -1);

} // namespace kw
