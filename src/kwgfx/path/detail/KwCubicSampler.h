// SPDX-License-Identifier: MIT
#pragma once
// Sampling of one cubic Bezier segment at evenly stepped parameters.
//
// TKwCubicSampler is the sampling of path flattening: the polynomial coefficients are kept
// as floats, t advances by a float step (so the last t is only close to 1), and t^2, t^3
// are rounded to float before use; each sample is formed in double and rounded once to
// float. SampleCurveWithin serves polygons, hit tests and drawing: as few samples as keep
// the polygon within a tolerance of the curve.

#include "kwgfx/geometry/KwTypes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kw::detail {

class TKwCubicSampler {
public:
    // Most samples one curve may ask for. A curve with huge coordinates would otherwise
    // ask for billions of points; ordinary curves stay far below it.
    static constexpr int32_t MaxSamples = 10000;

    TKwCubicSampler(const TKwPoint& P0, const TKwPoint& P1, const TKwPoint& P2, const TKwPoint& P3)
        : FP0(P0) {
        FK1x = 3 * (P1.X - P0.X);
        FK1y = 3 * (P1.Y - P0.Y);
        FK2x = 3 * (P2.X - P1.X) - FK1x;
        FK2y = 3 * (P2.Y - P1.Y) - FK1y;
        FK3x = P3.X - P0.X - FK1x - FK2x;
        FK3y = P3.Y - P0.Y - FK1y - FK2y;
    }

    TKwPoint At(float T) const {
        const float t2 = T * T;
        const float t3 = t2 * T;
        return {float(double(FK3x) * t3 + double(FK2x) * t2 + double(FK1x) * T + FP0.X),
                float(double(FK3y) * t3 + double(FK2y) * t2 + double(FK1y) * T + FP0.Y)};
    }

    // Calls Sink(point) for N samples at t = 0, d, 2d, ... with d = 1 / (N - 1); N >= 2.
    template <typename F>
    void Sample(int32_t N, F&& Sink) const {
        const float d = 1.0f / float(N - 1);
        float t = 0;
        for (int32_t i = 0; i < N; ++i) {
            Sink(At(t));
            t += d;
        }
    }

    // The curve's length estimated from 6 samples: the sum of the 5 chords.
    float EstimatedLength() const {
        float length = 0;
        TKwPoint prev;
        bool first = true;
        Sample(6, [&](const TKwPoint& P) {
            if (!first) {
                const float dx = P.X - prev.X;
                const float dy = P.Y - prev.Y;
                length += float(std::sqrt(double(dx) * dx + double(dy) * dy));
            }
            prev = P;
            first = false;
        });
        return length;
    }

    // The number of samples for a flatness (a chord length): Round(length / Flatness),
    // ties to even, at most MaxSamples. A length that is not finite gives 0, so such a
    // curve becomes a single line to its end point.
    int32_t SampleCount(float Flatness) const {
        const double q = double(EstimatedLength()) / Flatness;
        if (!std::isfinite(q)) return 0;
        if (q >= MaxSamples) return MaxSamples;
        return int32_t(std::nearbyint(q));
    }

private:
    TKwPoint FP0;
    float FK1x, FK1y, FK2x, FK2y, FK3x, FK3y;
};

// How far the polygon of a curve may stray from it in polygons, hit tests and drawing:
// a tenth of a unit (of a pixel, when drawing), well below the rounding to whole pixels.
inline constexpr double CurveTolerance = 0.1;

// A cubic's control points in double, for pieces cut from a curve (KwViewSampler.h) and
// for the curves of the path themselves, whose float coordinates convert exactly.
struct TKwCubicD {
    double X[4];
    double Y[4];

    static TKwCubicD Of(const TKwPoint& P0, const TKwPoint& P1, const TKwPoint& P2,
                        const TKwPoint& P3) {
        return {{P0.X, P1.X, P2.X, P3.X}, {P0.Y, P1.Y, P2.Y, P3.Y}};
    }
};

// The number of even parameter steps that keep the polygon of the cubic within Tolerance
// of it: the bound for cubics, ceil(sqrt(3/4 * D / Tolerance)), with D the larger second
// difference of the control points. Not finite for a curve whose coordinates are not.
inline double StepsWithin(const TKwCubicD& C, double Tolerance) {
    const double d1 = std::hypot(C.X[0] - 2.0 * C.X[1] + C.X[2], C.Y[0] - 2.0 * C.Y[1] + C.Y[2]);
    const double d2 = std::hypot(C.X[1] - 2.0 * C.X[2] + C.X[3], C.Y[1] - 2.0 * C.Y[2] + C.Y[3]);
    return std::ceil(std::sqrt(0.75 * std::max(d1, d2) / Tolerance));
}

// Sends Sink the points of a polygon from the cubic's start that stays within Tolerance of
// it: samples at StepsWithin evenly stepped parameters (at most MaxSamples - 1 steps),
// then the end point (the start is the caller's, who usually has it already). A curve
// whose coordinates are not finite gives its end point only.
template <typename F>
void SampleCubicWithin(const TKwCubicD& C, double Tolerance, F&& Sink) {
    const double steps = StepsWithin(C, Tolerance);
    if (std::isfinite(steps) && steps > 1) {
        const int32_t n =
            steps < TKwCubicSampler::MaxSamples ? int32_t(steps) : TKwCubicSampler::MaxSamples - 1;
        // Power form: ((A t + B) t + C) t + P0.
        const double cx = 3.0 * (C.X[1] - C.X[0]), cy = 3.0 * (C.Y[1] - C.Y[0]);
        const double bx = 3.0 * (C.X[2] - C.X[1]) - cx, by = 3.0 * (C.Y[2] - C.Y[1]) - cy;
        const double ax = C.X[3] - C.X[0] - cx - bx, ay = C.Y[3] - C.Y[0] - cy - by;
        for (int32_t i = 1; i < n; ++i) {
            const double t = double(i) / n;
            Sink(TKwPoint(float(((ax * t + bx) * t + cx) * t + C.X[0]),
                          float(((ay * t + by) * t + cy) * t + C.Y[0])));
        }
    }
    Sink(TKwPoint(float(C.X[3]), float(C.Y[3])));
}

// SampleCubicWithin for a curve of the path, from P0; the end point is P3 exactly.
template <typename F>
void SampleCurveWithin(const TKwPoint& P0, const TKwPoint& P1, const TKwPoint& P2,
                       const TKwPoint& P3, double Tolerance, F&& Sink) {
    SampleCubicWithin(TKwCubicD::Of(P0, P1, P2, P3), Tolerance, Sink);
}

} // namespace kw::detail
