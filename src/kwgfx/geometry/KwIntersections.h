// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Overlap of rectangles, crossing of segments, and point-in-polygon tests.

#include "kwgfx/geometry/KwTypes.h"

#include <cstdint>
#include <span>

namespace kw {

/// R = (max of the lefts, max of the tops, min of the rights, min of the bottoms), written
/// whatever the result. True unless R.Left > R.Right or R.Top > R.Bottom: rectangles that
/// only touch intersect (in an empty R); disjoint ones leave R inverted.
bool KwIntersectRect(const TKwRect& A, const TKwRect& B, TKwRect& R);

/// Whether segment P1-P2 crosses segment P3-P4 (an end lying on the other segment counts).
/// On true, Intersection is the crossing point of the two lines; on false (the segments
/// apart, or parallel, collinear or overlapping) it is left unchanged.
/// Intermediates are rounded to float as they are stored.
bool KwIntersectLine(const TKwPoint& P1, const TKwPoint& P2, const TKwPoint& P3,
                     const TKwPoint& P4, TKwPoint& Intersection);

/// Where segment P1-P2 meets the outline of R. Points receives the crossings with the top,
/// left, right and bottom edges, in that order (a corner crossing is reported by both of
/// its edges; an edge the segment runs along is not reported). True when there is a
/// crossing or when both ends lie in the closed rectangle (edges included).
bool KwIntersectRect(const TKwPoint& P1, const TKwPoint& P2, const TKwRect& R,
                     TKwPoints& Points);

/// Even-odd test of (X, Y) against the polygon, closed implicitly from the last point to the
/// first. Horizontal edges never count; a point on a left-hand edge is inside, on a
/// right-hand edge outside. An empty list gives false.
///@{
bool PointInPath(std::span<const TPoint> Points, int32_t X, int32_t Y);
bool PointInPath(std::span<const TKwPoint> Points, float X, float Y);
///@}

} // namespace kw
