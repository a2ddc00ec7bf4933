// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Dashes: a path cut into the pieces a dash pattern leaves on, as open figures, curves
/// kept as curves (cut at the parameters where the arc length reaches each dash's ends,
/// measured as TKwPathMeasure does).
///
/// The pattern gives lengths of dashes and gaps in turn, starting with a dash; an odd count
/// is repeated once to make it even (as SVG does). Each figure starts the pattern afresh,
/// Offset into it (a negative offset counts back from the pattern's end). On a closed
/// figure, a dash that runs over the figure's start and the dash that starts there are one
/// figure (the last dash continues into the first), and when the pattern never reaches a
/// gap the figure stays whole and closed. A dash of zero length is a figure of one point
/// (a move and a line to the same point), which round caps draw as a dot.

#include "kwgfx/path/KwPathData.h"

#include <span>

namespace kw {

/// Replaces Dashed's entries with the dashes of Path; see the file's description. A pattern
/// that is empty, has a negative or non-finite length, sums to zero, or would cut more than
/// 65536 dashes in all leaves the figures whole (closed figures closed). Dashed keeps Path's
/// fill mode and may be Path itself.
///
/// \gallery{path_toolbox.png}
void KwDashPath(const TKwPathData& Path, std::span<const float> Pattern, float Offset,
                TKwPathData& Dashed);
/// The dashes of Path as a new path with Path's fill mode.
TKwPathData KwDashPath(const TKwPathData& Path, std::span<const float> Pattern, float Offset);

} // namespace kw
