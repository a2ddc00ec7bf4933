// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Smooth curves through (Catmull-Rom) or near (uniform cubic B-spline) a list of control
/// points, sampled as a point list for drawing as a polygon or polyline.
///
/// Guarantees:
/// - Fewer than two points give an empty list.
/// - An open curve treats its first and last point as doubled, so it starts at the first
///   point (Catmull-Rom) or at (5 * P0 + P1) / 6 (B-spline). A segment's own end sample
///   (t = 1) is produced only when the parameter lands on it exactly: the next segment's
///   first sample supplies that point, so an open curve may stop up to Step short of its
///   last point.
/// - A closed curve needs three points (two are treated as open). It is one smooth loop:
///   the segments run P0 -> P1 -> ... -> P(n-1) -> P0 and the last ends where the first
///   begins, so a polygon through the samples closes smoothly.
/// - Samples are about Step apart along each segment's chord. Step <= 0 counts as 1. A
///   segment never gives more than 10,000 samples (a long segment is sampled more coarsely),
///   and a segment whose length is not finite gives only its first sample.
/// - Integer results are rounded to nearest, ties to even, and saturate at the 32-bit range.

#include "kwgfx/geometry/KwTypes.h"

#include <cstdint>
#include <span>

namespace kw {

/// The most samples one segment of a spline polygon gives.
inline constexpr int32_t KwMaxSplineSegmentSamples = 10000;

/// BSpline picks the B-spline basis, otherwise Catmull-Rom; Step is the wanted distance in
/// pixels between samples.
///@{
TCanvasPoints BezierPolygonPoints(std::span<const TPoint> Points, bool BSpline, bool Closed,
                                  int32_t Step);
TKwPoints BezierPolygonPoints(std::span<const TKwPoint> Points, bool BSpline, bool Closed,
                              int32_t Step);
///@}

} // namespace kw
