// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwIntersections.h"

#include <algorithm>

namespace kw {

namespace {

// An expression evaluated in double and stored as float.
constexpr float Store(double Value) {
    return static_cast<float>(Value);
}

// Both non-zero and of the same sign: the two points lie strictly on one side.
constexpr bool StrictlyOneSide(float A, float B) {
    return A != 0 && B != 0 && (A > 0) == (B > 0);
}

bool InClosedRect(const TKwPoint& P, const TKwRect& R) {
    return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}

} // namespace

bool KwIntersectRect(const TKwRect& A, const TKwRect& B, TKwRect& R) {
    const TKwRect r{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                    std::min(A.Bottom, B.Bottom)};
    R = r;
    return !(r.Left > r.Right || r.Top > r.Bottom);
}

bool KwIntersectLine(const TKwPoint& P1, const TKwPoint& P2, const TKwPoint& P3,
                     const TKwPoint& P4, TKwPoint& Intersection) {
    // The line through P1 and P2: a1 x + b1 y + c1 = 0.
    const float a1 = Store(double{P2.Y} - P1.Y);
    const float b1 = Store(double{P1.X} - P2.X);
    const float c1 = Store(double{P2.X} * P1.Y - double{P1.X} * P2.Y);
    const float r3 = Store(double{a1} * P3.X + double{b1} * P3.Y + c1);
    const float r4 = Store(double{a1} * P4.X + double{b1} * P4.Y + c1);
    if (StrictlyOneSide(r3, r4)) return false;

    // The line through P3 and P4.
    const float a2 = Store(double{P4.Y} - P3.Y);
    const float b2 = Store(double{P3.X} - P4.X);
    const float c2 = Store(double{P4.X} * P3.Y - double{P3.X} * P4.Y);
    const float r1 = Store(double{a2} * P1.X + double{b2} * P1.Y + c2);
    const float r2 = Store(double{a2} * P2.X + double{b2} * P2.Y + c2);
    if (StrictlyOneSide(r1, r2)) return false;

    const float denom = Store(double{a1} * b2 - double{a2} * b1);
    if (denom == 0) return false;
    const float numX = Store(double{b1} * c2 - double{b2} * c1);
    const float numY = Store(double{a2} * c1 - double{a1} * c2);
    Intersection = {Store(double{numX} / denom), Store(double{numY} / denom)};
    return true;
}

bool KwIntersectRect(const TKwPoint& P1, const TKwPoint& P2, const TKwRect& R,
                     TKwPoints& Points) {
    const TKwRect rect = R;
    Points.clear();
    bool result = InClosedRect(P1, rect) && InClosedRect(P2, rect);
    const TKwPoint topLeft{rect.Left, rect.Top}, topRight{rect.Right, rect.Top};
    const TKwPoint bottomLeft{rect.Left, rect.Bottom}, bottomRight{rect.Right, rect.Bottom};
    const TKwPoint edges[4][2] = {{topLeft, topRight},
                                  {topLeft, bottomLeft},
                                  {topRight, bottomRight},
                                  {bottomLeft, bottomRight}};
    for (const auto& edge : edges) {
        TKwPoint crossing;
        if (KwIntersectLine(P1, P2, edge[0], edge[1], crossing)) {
            Points.push_back(crossing);
            result = true;
        }
    }
    return result;
}

bool PointInPath(std::span<const TPoint> Points, int32_t X, int32_t Y) {
    bool inside = false;
    if (Points.empty()) return false;
    size_t j = Points.size() - 1;
    for (size_t i = 0; i < Points.size(); ++i) {
        const TPoint& pi = Points[i];
        const TPoint& pj = Points[j];
        if ((pi.Y <= Y && Y < pj.Y) || (pj.Y <= Y && Y < pi.Y)) {
            // The product exactly (64 bits), the division and comparison in floats.
            const int64_t product = (int64_t{pj.X} - pi.X) * (int64_t{Y} - pi.Y);
            const double xc = pi.X + static_cast<double>(product) /
                                         static_cast<double>(int64_t{pj.Y} - pi.Y);
            if (X < xc) inside = !inside;
        }
        j = i;
    }
    return inside;
}

bool PointInPath(std::span<const TKwPoint> Points, float X, float Y) {
    bool inside = false;
    if (Points.empty()) return false;
    size_t j = Points.size() - 1;
    for (size_t i = 0; i < Points.size(); ++i) {
        const TKwPoint& pi = Points[i];
        const TKwPoint& pj = Points[j];
        if ((pi.Y <= Y && Y < pj.Y) || (pj.Y <= Y && Y < pi.Y)) {
            // pi.Y != pj.Y here, so the divisor is not zero.
            const double xc =
                pi.X + (double{pj.X} - pi.X) * (double{Y} - pi.Y) / (double{pj.Y} - pi.Y);
            if (X < xc) inside = !inside;
        }
        j = i;
    }
    return inside;
}

} // namespace kw
