// SPDX-License-Identifier: MIT
#include "kwgfx/drawing/PieSlice.h"

#include "kwgfx/drawing/detail/DrawingRounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kw {

void DrawPieSlice(platform::TCanvas& Canvas, const TRect& Rect, double StartAngle, double EndAngle,
                  int32_t AngleOffset, float) {
    const int64_t left = std::min(Rect.Left, Rect.Right), right = std::max(Rect.Left, Rect.Right);
    const int64_t top = std::min(Rect.Top, Rect.Bottom), bottom = std::max(Rect.Top, Rect.Bottom);
    const int64_t cx = (left + right) / 2, cy = (top + bottom) / 2;
    const int64_t rx = (right - left) / 2, ry = (bottom - top) / 2;
    // The point on the ellipse's bounding radials at angle Degrees.
    auto pointAt = [&](double Degrees) {
        const double radians = Degrees * std::numbers::pi / 180.0;
        return TPoint(detail::ClampPixel(cx + detail::RoundPixel(std::cos(radians) * rx)),
                      detail::ClampPixel(cy - detail::RoundPixel(std::sin(radians) * ry)));
    };
    const TPoint start = pointAt(AngleOffset + StartAngle);
    const TPoint end = pointAt(AngleOffset + EndAngle);
    Canvas.Pie(static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
               static_cast<int32_t>(bottom), start.X, start.Y, end.X, end.Y);
}

} // namespace kw
