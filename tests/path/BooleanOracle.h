// SPDX-License-Identifier: MIT
#pragma once
// Plain answers about filled areas for checking boolean operations: a path flattened finely
// into closed polygons (every figure closed, as filling closes it), the winding number at a
// point by brute force over all edges, the distance to the nearest edge, the signed area,
// and whether any two edges of a polygon set cross. Used by the boolean tests and the
// boolean fuzz target.

#include "kwgfx/path/KwPathData.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kw::test {

struct TPt {
    double X = 0, Y = 0;
};
using TPolys = std::vector<std::vector<TPt>>;

// The figures of Path, curves in even steps within about Flatness, each closed.
inline TPolys FlatPolygons(const TKwPathData& Path, double Flatness = 0.002) {
    TPolys out;
    std::vector<TPt> poly;
    TPt last;
    const auto finish = [&] {
        if (poly.size() > 1) out.push_back(poly);
        poly.clear();
    };
    const auto e = Path.Entries();
    for (size_t i = 0; i < e.size(); ++i) {
        const TKwPoint p = e[i].Point;
        switch (e[i].Kind) {
        case ppMoveTo:
            finish();
            last = {p.X, p.Y};
            poly.push_back(last);
            break;
        case ppLineTo:
            if (poly.empty()) poly.push_back(last);
            last = {p.X, p.Y};
            poly.push_back(last);
            break;
        case ppCurveTo: {
            if (poly.empty()) poly.push_back(last);
            const TKwPoint f1 = p, f2 = e[i + 1].Point, f3 = e[i + 2].Point;
            const TPt c1{f1.X, f1.Y}, c2{f2.X, f2.Y}, p3{f3.X, f3.Y};
            const TPt p0 = last;
            const double dd = std::max(std::hypot(p0.X - 2 * c1.X + c2.X, p0.Y - 2 * c1.Y + c2.Y),
                                       std::hypot(c1.X - 2 * c2.X + p3.X, c1.Y - 2 * c2.Y + p3.Y));
            const int n = std::clamp(int(std::ceil(std::sqrt(0.75 * dd / Flatness))), 1, 100000);
            for (int k = 1; k <= n; ++k) {
                const double t = double(k) / n, u = 1 - t;
                const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
                poly.push_back({a * p0.X + b * c1.X + c * c2.X + d * p3.X,
                                a * p0.Y + b * c1.Y + c * c2.Y + d * p3.Y});
            }
            last = {p3.X, p3.Y};
            i += 2;
            break;
        }
        case ppClose:
            if (!poly.empty()) last = poly.front();
            finish();
            break;
        }
    }
    finish();
    return out;
}

inline int64_t Winding(const TPolys& P, double X, double Y) {
    int64_t w = 0;
    for (const auto& poly : P)
        for (size_t i = 0; i < poly.size(); ++i) {
            const TPt& a = poly[i];
            const TPt& b = poly[(i + 1) % poly.size()];
            const bool up = a.Y <= Y && Y < b.Y, down = b.Y <= Y && Y < a.Y;
            if (!up && !down) continue;
            const double x = a.X + (b.X - a.X) * (Y - a.Y) / (b.Y - a.Y);
            if (X < x) w += up ? 1 : -1;
        }
    return w;
}

inline bool Filled(const TPolys& P, TKwFillMode Mode, double X, double Y) {
    const int64_t w = Winding(P, X, Y);
    return Mode == fmNonZero ? w != 0 : (w & 1) != 0;
}

inline double DistanceToEdges(const TPolys& P, double X, double Y) {
    double best = 1e300;
    for (const auto& poly : P)
        for (size_t i = 0; i < poly.size(); ++i) {
            const TPt& a = poly[i];
            const TPt& b = poly[(i + 1) % poly.size()];
            const double dx = b.X - a.X, dy = b.Y - a.Y, l2 = dx * dx + dy * dy;
            const double t =
                l2 > 0 ? std::clamp(((X - a.X) * dx + (Y - a.Y) * dy) / l2, 0.0, 1.0) : 0;
            best = std::min(best, std::hypot(X - a.X - t * dx, Y - a.Y - t * dy));
        }
    return best;
}

// The sum of the polygons' signed areas.
inline double SignedArea(const TPolys& P) {
    double a = 0;
    for (const auto& poly : P)
        for (size_t i = 0; i < poly.size(); ++i) {
            const TPt& p = poly[i];
            const TPt& q = poly[(i + 1) % poly.size()];
            a += p.X * q.Y - q.X * p.Y;
        }
    return a / 2;
}

// Whether two edges of the polygons cross properly (each strictly through the other's
// line); touching at points and running along each other do not count.
inline bool AnyEdgesCross(const TPolys& P) {
    struct TE {
        TPt A, B;
    };
    std::vector<TE> edges;
    for (const auto& poly : P)
        for (size_t i = 0; i < poly.size(); ++i)
            edges.push_back({poly[i], poly[(i + 1) % poly.size()]});
    const auto orient = [](const TPt& a, const TPt& b, const TPt& c) {
        const double o = (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
        return o > 0 ? 1 : (o < 0 ? -1 : 0);
    };
    for (size_t i = 0; i < edges.size(); ++i)
        for (size_t j = i + 1; j < edges.size(); ++j) {
            const TE &e = edges[i], &f = edges[j];
            if (std::max(e.A.X, e.B.X) < std::min(f.A.X, f.B.X) ||
                std::max(f.A.X, f.B.X) < std::min(e.A.X, e.B.X) ||
                std::max(e.A.Y, e.B.Y) < std::min(f.A.Y, f.B.Y) ||
                std::max(f.A.Y, f.B.Y) < std::min(e.A.Y, e.B.Y))
                continue;
            const int o1 = orient(e.A, e.B, f.A), o2 = orient(e.A, e.B, f.B);
            const int o3 = orient(f.A, f.B, e.A), o4 = orient(f.A, f.B, e.B);
            if (o1 * o2 < 0 && o3 * o4 < 0) return true;
        }
    return false;
}

} // namespace kw::test
