// SPDX-License-Identifier: MIT
// Exact path bounds from cubic extrema.

#include "kwgfx/path/KwPathTightBounds.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kw {
namespace {

class TBoundsAccumulator {
public:
    void Add(double X, double Y) {
        FMinX = std::min(FMinX, X);
        FMaxX = std::max(FMaxX, X);
        FMinY = std::min(FMinY, Y);
        FMaxY = std::max(FMaxY, Y);
        FEmpty = false;
    }
    void Add(const TKwPoint& P) { Add(P.X, P.Y); }
    TKwRect Result() const {
        if (FEmpty) return {};
        return {static_cast<float>(FMinX), static_cast<float>(FMinY), static_cast<float>(FMaxX),
                static_cast<float>(FMaxY)};
    }

private:
    static constexpr double Inf = std::numeric_limits<double>::infinity();
    double FMinX = Inf, FMinY = Inf, FMaxX = -Inf, FMaxY = -Inf;
    bool FEmpty = true;
};

double CubicAt(double P0, double P1, double P2, double P3, double T) {
    const double u = 1 - T;
    return u * u * u * P0 + 3 * u * u * T * P1 + 3 * u * T * T * P2 + T * T * T * P3;
}

// Parameters in (0, 1) where one coordinate of the cubic has a zero derivative. The
// derivative over 3 is A t^2 + B t + C with the differences of consecutive points.
int CubicExtrema(double P0, double P1, double P2, double P3, double Out[2]) {
    const double d0 = P1 - P0, d1 = P2 - P1, d2 = P3 - P2;
    const double a = d0 - 2 * d1 + d2, b = 2 * (d1 - d0), c = d0;
    int n = 0;
    auto keep = [&](double t) {
        if (t > 0 && t < 1) Out[n++] = t;
    };
    const double scale = std::max({std::fabs(d0), std::fabs(d1), std::fabs(d2)});
    if (std::fabs(a) <= 1e-12 * scale) {
        if (b != 0) keep(-c / b);
        return n;
    }
    const double disc = b * b - 4 * a * c;
    if (disc < 0) return n;
    // The numerically stable pair of roots: no cancellation between -b and the root.
    const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
    keep(q / a);
    if (q != 0) keep(c / q);
    return n;
}

void AddCubic(TBoundsAccumulator& Box, const TKwPoint& P0, const TKwPoint& P1, const TKwPoint& P2,
              const TKwPoint& P3) {
    Box.Add(P0);
    Box.Add(P3);
    double t[2];
    for (int axis = 0; axis < 2; ++axis) {
        const double a = axis ? P0.Y : P0.X, b = axis ? P1.Y : P1.X, c = axis ? P2.Y : P2.X,
                     d = axis ? P3.Y : P3.X;
        const int n = CubicExtrema(a, b, c, d, t);
        for (int i = 0; i < n; ++i)
            Box.Add(CubicAt(P0.X, P1.X, P2.X, P3.X, t[i]), CubicAt(P0.Y, P1.Y, P2.Y, P3.Y, t[i]));
    }
}

} // namespace

TKwRect TightBounds(std::span<const TKwPathPoint> Entries) {
    TBoundsAccumulator box;
    TKwPoint current; // (0,0) before the first entry, as LastPoint of an empty path
    TKwPoint subpathStart;
    const std::size_t n = Entries.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TKwPathPoint& e = Entries[i];
        const TKwPoint p = e.Point;
        if (e.Kind == ppCurveTo && i + 2 < n && Entries[i + 1].Kind == ppCurveTo &&
            Entries[i + 2].Kind == ppCurveTo) {
            const TKwPoint end = Entries[i + 2].Point;
            AddCubic(box, current, p, Entries[i + 1].Point, end);
            current = end;
            i += 2;
            continue;
        }
        if (e.Kind == ppMoveTo) {
            subpathStart = p;
            current = p;
            continue;
        }
        // A close draws the line back to its subpath's start, taken from the move rather than
        // from the close's own stored point, which the transforms leave where it was.
        const TKwPoint end = e.Kind == ppClose ? subpathStart : p;
        box.Add(current); // lines, closes and stray curve points: straight segments
        box.Add(end);
        current = end;
    }
    return box.Result();
}

} // namespace kw
