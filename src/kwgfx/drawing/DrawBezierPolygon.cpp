#include "kwgfx/drawing/DrawBezierPolygon.h"

#include "kwgfx/drawing/BezierPolygon.h"

#include <cmath>
#include <limits>

namespace kw {

namespace {

int32_t ToPixel(float V) {
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    const double r = std::nearbyint(double(V));
    if (!(r >= lo)) return std::numeric_limits<int32_t>::min(); // NaN too
    if (r > hi) return std::numeric_limits<int32_t>::max();
    return int32_t(r);
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
