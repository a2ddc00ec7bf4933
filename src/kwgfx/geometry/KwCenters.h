// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Centres of rectangles, point lists and triangles.

#include "kwgfx/geometry/KwTypes.h"

#include <span>

namespace kw {

/// (Left + (Right - Left) / 2, Top + (Bottom - Top) / 2) in floats; the integer rectangle
/// is not rounded: (0, 0, 5, 5) gives (2.5, 2.5).
///@{
TKwPoint KwCenterPoint(const TKwRect& R);
TKwPoint KwCenterPoint(const TRect& R);
///@}

/// The mean of the points: summed in array order, each running sum rounded to float, then
/// divided by the count. (0, 0) for an empty list.
TKwPoint KwCenterPoint(std::span<const TKwPoint> Points);
/// The same, each integer coordinate converted to float before it is added.
TKwPoint KwCenterPoint(std::span<const TPoint> Points);

/// The centre of the circle inscribed in the triangle A, B, C: the vertices weighted by
/// the lengths of the opposite sides. Three equal points divide 0 by 0 and raise
/// platform::EInvalidOp. The integer form rounds the result.
///@{
TKwPoint InCenterPoint(const TKwPoint& A, const TKwPoint& B, const TKwPoint& C);
TPoint InCenterPoint(const TPoint& A, const TPoint& B, const TPoint& C);
///@}

} // namespace kw
