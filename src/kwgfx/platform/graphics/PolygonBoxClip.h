// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Clipping a closed figure to an axis-aligned box, for rasterisers that hold coordinates in
/// a limited range. Inside the box the result covers exactly what the figure covers, under
/// either fill rule: every stretch of the outline that leaves the box is replaced by a run
/// along the box's edge, which winds round no point inside it.

#include "kwgfx/platform/graphics/PointD.h"

#include <span>
#include <vector>

namespace kw::platform {

/// An axis-aligned box in double coordinates.
struct TBoxD {
    double Left = 0;   ///< The left edge.
    double Top = 0;    ///< The top edge.
    double Right = 0;  ///< The right edge.
    double Bottom = 0; ///< The bottom edge.
};

/// True when every point lies inside the box or on its edge.
bool FigureInsideBox(std::span<const TPointD> Figure, const TBoxD& Box);

/// The figure (closed: its last point joins its first) clipped to the box. The points must be
/// finite; the result's points all lie in the box. A figure wholly outside gives a figure
/// lying on the box's edge, which covers nothing, or none at all.
std::vector<TPointD> ClipFigureToBox(std::span<const TPointD> Figure, const TBoxD& Box);

/// Cuts the segment A-B down to its part inside the box (edge included), moving A and B
/// along it; false when no part lies inside. The points must be finite.
bool ClipSegmentToBox(TPointD& A, TPointD& B, const TBoxD& Box);

} // namespace kw::platform
