// SPDX-License-Identifier: MIT
#include "kwgfx/drawing/DrawBezierPolygon.h"

#include "kwgfx/drawing/BezierPolygon.h"
#include "kwgfx/platform/graphics/PixelRounding.h"

#include <limits>

namespace kw {

namespace {

// The shared pixel rounding, except that a NaN sample goes to the far corner
// (INT32_MIN) rather than to the origin.
int32_t ToPixel(float V) {
    if (V != V) return std::numeric_limits<int32_t>::min();
    return platform::RoundToPixel(V);
}

void DrawSamples(platform::TCanvas& Canvas, std::span<const TPoint> Samples, bool Filled) {
    if (Filled)
        Canvas.Polygon(Samples);
    else
        Canvas.Polyline(Samples);
}

} // namespace

void DrawBezierPolygon(platform::TCanvas& Canvas, std::span<const TPoint> Points, bool BSpline,
                       bool Closed, bool Filled, int32_t Step, float Opacity) {
    if (Opacity <= 0) return;
    DrawSamples(Canvas, BezierPolygonPoints(Points, BSpline, Closed, Step), Filled);
}

void DrawBezierPolygon(platform::TCanvas& Canvas, std::span<const TKwPoint> Points, bool BSpline,
                       bool Closed, bool Filled, int32_t Step, float Opacity) {
    if (Opacity <= 0) return;
    const TKwPoints samples = BezierPolygonPoints(Points, BSpline, Closed, Step);
    TCanvasPoints pixels;
    pixels.reserve(samples.size());
    for (const TKwPoint& p : samples) pixels.emplace_back(ToPixel(p.X), ToPixel(p.Y));
    DrawSamples(Canvas, pixels, Filled);
}

} // namespace kw
