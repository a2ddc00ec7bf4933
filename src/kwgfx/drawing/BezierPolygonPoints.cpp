// SPDX-License-Identifier: MIT
// Sampling of spline polygons (BezierPolygon.h).
//
// Sections: basis weights; segment sampling; the two families.

#include "kwgfx/drawing/BezierPolygon.h"

#include "kwgfx/platform/graphics/PixelRounding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace kw {

namespace {

// ---------------------------------------------------------------- basis weights

// The four weights of a cubic basis on (Pa, Pb, Pc, Pd) at parameter t; u = 1 - t.
struct TWeights {
    double a, b, c, d;
};

TWeights BSplineWeights(double t) {
    const double u = 1 - t;
    return {u * u * u / 6, t * t * (t / 2 - 1) + 2.0 / 3, t * (t * u + 1) / 2 + 1.0 / 6,
            t * t * t / 6};
}

TWeights CatmullRomWeights(double t) {
    const double u = 1 - t;
    return {-t * u * u / 2, t * t * (3 * t - 5) / 2 + 1, t * (t * (4 - 3 * t) + 1) / 2,
            -t * t * u / 2};
}

// ---------------------------------------------------------------- segment sampling

// The parameter step of a segment whose chord is Length long. Non-finite lengths are
// handled by the caller; a zero length counts as 1 so that t advances by Step.
double ParameterStep(double Length, int32_t Step) {
    if (Length == 0) Length = 1;
    // Never more than the sample cap over [0, 1].
    return std::max(double(Step) / Length, 1.0 / (KwMaxSplineSegmentSamples - 1));
}

double ChordLength(const TPoint& B, const TPoint& C) {
    // Differences in 64 bits: a 32-bit difference may overflow.
    const double dx = double(int64_t(C.X) - B.X), dy = double(int64_t(C.Y) - B.Y);
    return std::sqrt(dx * dx + dy * dy);
}

double ChordLength(const TKwPoint& B, const TKwPoint& C) {
    const double dx = double(C.X) - B.X, dy = double(C.Y) - B.Y;
    return std::sqrt(dx * dx + dy * dy);
}

// Samples between integer points are always finite, so the shared rounding's NaN rule
// never applies here.
TPoint MakeSample(double X, double Y, const TPoint*) {
    return {platform::RoundToPixel(X), platform::RoundToPixel(Y)};
}
TKwPoint MakeSample(double X, double Y, const TKwPoint*) {
    return {float(X), float(Y)};
}

// Appends the samples of the segment (Pa, Pb, Pc, Pd), which runs from Pb towards Pc.
template <typename P>
void SampleSegment(const P& Pa, const P& Pb, const P& Pc, const P& Pd, bool BSpline, int32_t Step,
                   std::vector<P>& Out) {
    const double length = ChordLength(Pb, Pc);
    const double dt = std::isfinite(length) ? ParameterStep(length, Step) : 2.0;
    int32_t count = 0;
    for (double t = 0; t <= 1 && count < KwMaxSplineSegmentSamples; t += dt, ++count) {
        const TWeights w = BSpline ? BSplineWeights(t) : CatmullRomWeights(t);
        const double x = w.a * Pa.X + w.b * Pb.X + w.c * Pc.X + w.d * Pd.X;
        const double y = w.a * Pa.Y + w.b * Pb.Y + w.c * Pc.Y + w.d * Pd.Y;
        Out.push_back(MakeSample(x, y, static_cast<const P*>(nullptr)));
    }
}

// ---------------------------------------------------------------- the two families

template <typename P>
std::vector<P> SamplePolygon(std::span<const P> Points, bool BSpline, bool Closed, int32_t Step) {
    std::vector<P> out;
    const std::ptrdiff_t n = std::ssize(Points);
    if (n < 2) return out;
    if (n == 2) Closed = false;
    if (Step <= 0) Step = 1;

    // Reserve what the chords ask for (an estimate: the last sample of a segment may fall
    // either side of t = 1).
    std::size_t expected = 0;
    for (std::ptrdiff_t s = 0; s < n; ++s) {
        const double length = ChordLength(Points[s], Points[(s + 1) % n]);
        expected += std::isfinite(length) ? std::size_t(1 / ParameterStep(length, Step)) + 1 : 1;
    }
    out.reserve(expected);

    if (Closed) {
        // Segment s runs from P(s) to P(s + 1), indices taken round the loop.
        const auto at = [&](std::ptrdiff_t i) -> const P& { return Points[(i + n) % n]; };
        for (std::ptrdiff_t s = 0; s < n; ++s)
            SampleSegment(at(s - 1), at(s), at(s + 1), at(s + 2), BSpline, Step, out);
    } else {
        // The first and last point count twice, so the end segments have neighbours.
        const auto at = [&](std::ptrdiff_t i) -> const P& {
            return Points[std::clamp<std::ptrdiff_t>(i, 0, n - 1)];
        };
        for (std::ptrdiff_t s = 0; s + 1 < n; ++s)
            SampleSegment(at(s - 1), at(s), at(s + 1), at(s + 2), BSpline, Step, out);
    }
    return out;
}

} // namespace

TCanvasPoints BezierPolygonPoints(std::span<const TPoint> Points, bool BSpline, bool Closed,
                                  int32_t Step) {
    return SamplePolygon(Points, BSpline, Closed, Step);
}

TKwPoints BezierPolygonPoints(std::span<const TKwPoint> Points, bool BSpline, bool Closed,
                              int32_t Step) {
    return SamplePolygon(Points, BSpline, Closed, Step);
}

} // namespace kw
