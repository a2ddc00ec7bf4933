// SPDX-License-Identifier: MIT
#pragma once
// Internal to the rasteriser: curves turned into as few line segments as keep them within a
// tolerance.
//
// Every quadratic curve is a piece of the parabola y = x^2, moved, turned and scaled. On
// that parabola a chord may span a parameter width of about 2 sqrt(tol) (1 + 4x^2)^(1/4)
// before it strays tol from the curve, so the chords needed from x0 to x2 are about
// (1 / (2 sqrt(tol))) * integral of (1 + 4x^2)^(-1/4) dx. The integral and its inverse have
// cheap closed-form approximations; placing the chords' ends evenly along the integral
// puts short chords where the curve bends hard and long ones where it is nearly straight,
// instead of evenly in the curve's parameter. A cubic is first cut into quadratics close
// enough to it (their error falls with the cube of their number), each then flattened so.

#include "kwgfx/raster/RasterTypes.h"

#include <algorithm>
#include <cmath>

namespace kw::raster::detail {

// Most segments one curve may become, whatever its size: a bound on time and memory for
// curves far larger than any picture (the rasteriser cuts those down to what is visible
// first, so ordinary curves stay far below it).
inline constexpr int kMaxCurveSegments = 1 << 14;

// Of the tolerance, the share a cubic's quadratic pieces may use; the rest is for their
// chords.
inline constexpr double kCubicToQuadShare = 0.2;

// Curves that even steps of the parameter bring within tolerance in at most this many
// chords are cut so: the parabola's chords could save at most one of them, and the steps
// cost far less to find.
inline constexpr int kEvenStepsUpTo = 4;

// The fewest even steps, up to kEvenStepsUpTo, whose chords keep within Tolerance when
// one step strays Offset (squared: OffsetSquared) from the curve and n steps 1/n^2 of it;
// 0 when more are needed.
inline int FewEvenSteps(double OffsetSquared, double Tolerance) {
    const double t2 = Tolerance * Tolerance;
    for (int n = 1; n <= kEvenStepsUpTo; ++n)
        if (OffsetSquared <= t2 * n * n * n * n) return n;
    return 0;
}

// About integral_0^x (1 + 4 s^2)^(-1/4) ds, and its inverse.
inline double ParabolaIntegral(double X) {
    constexpr double d = 0.67;
    return X / (1 - d + std::sqrt(std::sqrt(d * d * d * d + 0.25 * X * X)));
}
inline double ParabolaIntegralInverse(double U) {
    constexpr double b = 0.39;
    return U * (1 - b + std::sqrt(b * b + 0.25 * U * U));
}

inline TVertex QuadAt(const TVertex& P0, const TVertex& P1, const TVertex& P2, double T) {
    const double s = 1 - T;
    return {s * s * P0.X + 2 * s * T * P1.X + T * T * P2.X,
            s * s * P0.Y + 2 * s * T * P1.Y + T * T * P2.Y};
}

// Sends Sink the polyline of the quadratic curve from P0 (not sent) to P2 (sent last,
// exactly), within about Tolerance of it.
template <typename F>
void FlattenQuad(const TVertex& P0, const TVertex& P1, const TVertex& P2, double Tolerance,
                 F&& Sink, bool MayCutAtVertex = true) {
    const double ddx = P0.X - 2 * P1.X + P2.X, ddy = P0.Y - 2 * P1.Y + P2.Y;
    const double d01x = P1.X - P0.X, d01y = P1.Y - P0.Y;
    const double d12x = P2.X - P1.X, d12y = P2.Y - P1.Y;
    // The curve strays at most dd / 4 from its chord, a quarter of that from each of two
    // chords of half the parameter, and so on.
    const double dd2 = ddx * ddx + ddy * ddy;
    if (const int few = FewEvenSteps(dd2 / 16, Tolerance); few > 0 || !(dd2 < 1e300)) {
        for (int i = 1; i < few; ++i) Sink(QuadAt(P0, P1, P2, double(i) / few));
        Sink(P2);
        return;
    }
    const double dd = std::sqrt(dd2);
    // Parabola coordinates: x runs across the axis (the direction dd), linearly in t.
    const double cross = d01x * ddy - d01y * ddx;
    const double x0 = (d01x * ddx + d01y * ddy) / (2 * cross);
    const double x2 = (d12x * ddx + d12y * ddy) / (2 * cross);
    const double scale = 4 * cross * cross / (dd * dd * dd);
    const double i0 = ParabolaIntegral(x0), i2 = ParabolaIntegral(x2);
    double count = std::ceil(0.5 * std::abs(i2 - i0) * std::sqrt(scale / Tolerance));
    const bool parabolic = std::isfinite(count) && std::isfinite(x0) && std::isfinite(x2);
    if (parabolic && MayCutAtVertex && x0 * x2 < 0 && std::abs(i2 - i0) > count) {
        // The curve turns sharply at its vertex, within it: a chord across the vertex
        // would cut the tip off, so the curve is cut there and each half flattened.
        const double t = x0 / (x0 - x2);
        const TVertex a{P0.X + (P1.X - P0.X) * t, P0.Y + (P1.Y - P0.Y) * t};
        const TVertex b{P1.X + (P2.X - P1.X) * t, P1.Y + (P2.Y - P1.Y) * t};
        const TVertex tip = QuadAt(P0, P1, P2, t);
        FlattenQuad(P0, a, tip, Tolerance, Sink, false);
        FlattenQuad(tip, b, P2, Tolerance, Sink, false);
        return;
    }
    if (!parabolic) {
        // Control points (nearly) on one line: the curve runs along it and may turn back;
        // even steps of the parameter keep within the bound dd / (4 n^2).
        count = std::ceil(std::sqrt(dd / (4 * Tolerance)));
        if (!std::isfinite(count)) {
            Sink(P2);
            return;
        }
    }
    const int n = int(std::clamp(count, 1.0, double(kMaxCurveSegments)));
    // The inverse is only about the inverse of the integral: the ends are mapped through it
    // as well, so that the parameters run from 0 to 1 exactly and evenly along it.
    const double u0 = ParabolaIntegralInverse(i0), u2 = ParabolaIntegralInverse(i2);
    for (int i = 1; i < n; ++i) {
        double t = double(i) / n;
        if (parabolic) {
            const double u = ParabolaIntegralInverse(i0 + (i2 - i0) * t);
            t = std::clamp((u - u0) / (u2 - u0), 0.0, 1.0);
        }
        Sink(QuadAt(P0, P1, P2, t));
    }
    Sink(P2);
}

// Sends Sink the polyline of the cubic curve from P0 (not sent) to P3 (sent last, exactly),
// within about Tolerance of it.
template <typename F>
void FlattenCubic(const TVertex& P0, const TVertex& P1, const TVertex& P2, const TVertex& P3,
                  double Tolerance, F&& Sink) {
    // Power form C(t) = ((A t + B) t + C) t + P0 and its derivative.
    const double cx = 3 * (P1.X - P0.X), cy = 3 * (P1.Y - P0.Y);
    const double bx = 3 * (P2.X - P1.X) - cx, by = 3 * (P2.Y - P1.Y) - cy;
    const double ax = P3.X - P0.X - cx - bx, ay = P3.Y - P0.Y - cy - by;
    const auto at = [&](double T) -> TVertex {
        return {((ax * T + bx) * T + cx) * T + P0.X, ((ay * T + by) * T + cy) * T + P0.Y};
    };
    const auto slope = [&](double T) -> TVertex {
        return {(3 * ax * T + 2 * bx) * T + cx, (3 * ay * T + 2 * by) * T + cy};
    };
    // Even steps stray at most 3/4 of the larger second difference of the control points
    // from the curve, divided by the square of their number.
    const double d1x = P0.X - 2 * P1.X + P2.X, d1y = P0.Y - 2 * P1.Y + P2.Y;
    const double d2x = P1.X - 2 * P2.X + P3.X, d2y = P1.Y - 2 * P2.Y + P3.Y;
    const double second = std::max(d1x * d1x + d1y * d1y, d2x * d2x + d2y * d2y);
    if (const int few = FewEvenSteps(0.5625 * second, Tolerance); few > 0 || !(second < 1e300)) {
        for (int i = 1; i < few; ++i) Sink(at(double(i) / few));
        Sink(P3);
        return;
    }
    // A quadratic through a cubic's ends strays at most sqrt(3)/36 |P3 - 3 P2 + 3 P1 - P0|
    // from it (its control point the mean of the two the cubic's tangents suggest); cut into
    // m pieces, the cube of m less.
    const double tx = P3.X - 3 * P2.X + 3 * P1.X - P0.X, ty = P3.Y - 3 * P2.Y + 3 * P1.Y - P0.Y;
    const double quadTolerance = kCubicToQuadShare * Tolerance;
    const double cube = std::sqrt(3.0) / 36 * std::sqrt(tx * tx + ty * ty) / quadTolerance;
    if (!std::isfinite(cube)) {
        Sink(P3);
        return;
    }
    int m = 1;
    while (m < 64 && double(m) * m * m < cube) ++m;
    const double chordTolerance = Tolerance - quadTolerance;
    TVertex start = P0;
    TVertex startSlope = slope(0);
    for (int k = 1; k <= m; ++k) {
        const double t = double(k) / m, h = 1.0 / m;
        const TVertex end = k == m ? P3 : at(t);
        const TVertex endSlope = slope(t);
        // The piece's cubic control points, then the quadratic's control point between them.
        const TVertex c1{start.X + h / 3 * startSlope.X, start.Y + h / 3 * startSlope.Y};
        const TVertex c2{end.X - h / 3 * endSlope.X, end.Y - h / 3 * endSlope.Y};
        const TVertex q{(3 * (c1.X + c2.X) - start.X - end.X) / 4,
                        (3 * (c1.Y + c2.Y) - start.Y - end.Y) / 4};
        FlattenQuad(start, q, end, chordTolerance, Sink);
        start = end;
        startSlope = endSlope;
    }
}

} // namespace kw::raster::detail
