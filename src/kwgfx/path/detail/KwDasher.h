// SPDX-License-Identifier: MIT
#pragma once
// Cutting figures into dashes (KwPathDash.cpp), for KwDashPath and the dashed stroke
// outline.

#include "kwgfx/path/detail/KwSegmentFigures.h"

#include <span>
#include <vector>

namespace kw::detail {

// The most dashes one call cuts; a pattern that would cut more (a tiny pattern along a huge
// path) leaves the figures whole.
inline constexpr double MaxDashes = 1 << 16;

// Whether Pattern dashes at all: not empty, every length finite and not negative, a
// positive sum.
bool IsDashPattern(std::span<const float> Pattern);

// The dashes of Figures, each an open figure (a dash of zero length is one point with the
// direction of the line it lies on). Every figure starts the pattern afresh at Offset; on a
// closed figure a dash running over its start joins the dash that ends there, and a dash
// that never ends leaves the figure closed. Pattern must pass IsDashPattern.
std::vector<TSegmentFigure> DashFigures(const std::vector<TSegmentFigure>& Figures,
                                        std::span<const float> Pattern, float Offset);

} // namespace kw::detail
