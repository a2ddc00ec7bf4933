// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Drawing a spline polygon (BezierPolygon.h) on a canvas.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

#include <cstdint>
#include <span>

namespace kw {

/// Samples the curve with BezierPolygonPoints and draws it as one Polygon (Filled: closed,
/// brush and pen) or one Polyline (pen only), also when there is nothing to draw (fewer
/// than two points give an empty call). Opacity <= 0 draws nothing; any positive value
/// draws with the canvas's pen and brush as they are. The float form rounds the samples
/// to pixels (ties to even). Pen and brush are not changed.
///
/// \gallery{splines.png}
///@{
void DrawBezierPolygon(platform::TCanvas& Canvas, std::span<const TPoint> Points, bool BSpline,
                       bool Closed, bool Filled, int32_t Step, float Opacity);
void DrawBezierPolygon(platform::TCanvas& Canvas, std::span<const TKwPoint> Points, bool BSpline,
                       bool Closed, bool Filled, int32_t Step, float Opacity);
///@}

} // namespace kw
