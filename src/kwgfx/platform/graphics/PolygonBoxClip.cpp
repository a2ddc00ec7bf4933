// SPDX-License-Identifier: MIT
// Sutherland-Hodgman clipping of one closed figure against the four sides of a box, and
// Liang-Barsky clipping of a single segment.
#include "kwgfx/platform/graphics/PolygonBoxClip.h"

#include <algorithm>

namespace kw::platform {

namespace {

// One side of the box: the points with Coordinate(p) on the kept side of Limit are inside.
enum class TSide { Left, Top, Right, Bottom };

bool Inside(const TPointD& P, TSide Side, double Limit) {
    switch (Side) {
    case TSide::Left:
        return P.X >= Limit;
    case TSide::Right:
        return P.X <= Limit;
    case TSide::Top:
        return P.Y >= Limit;
    case TSide::Bottom:
        return P.Y <= Limit;
    }
    return true;
}

// Where the segment A-B crosses the side's line. The differences are taken in long double,
// whose wider exponent cannot overflow for finite doubles.
TPointD Crossing(const TPointD& A, const TPointD& B, TSide Side, double Limit) {
    const bool vertical = Side == TSide::Left || Side == TSide::Right;
    const long double a = vertical ? A.X : A.Y, b = vertical ? B.X : B.Y;
    const long double oa = vertical ? A.Y : A.X, ob = vertical ? B.Y : B.X;
    const long double t = (Limit - a) / (b - a);
    const double other = static_cast<double>(oa + t * (ob - oa));
    return vertical ? TPointD(Limit, other) : TPointD(other, Limit);
}

std::vector<TPointD> ClipSide(const std::vector<TPointD>& In, TSide Side, double Limit) {
    std::vector<TPointD> out;
    if (In.empty()) return out;
    out.reserve(In.size() + 4);
    TPointD prev = In.back();
    bool prevInside = Inside(prev, Side, Limit);
    for (const TPointD& cur : In) {
        const bool curInside = Inside(cur, Side, Limit);
        if (curInside != prevInside) out.push_back(Crossing(prev, cur, Side, Limit));
        if (curInside) out.push_back(cur);
        prev = cur;
        prevInside = curInside;
    }
    return out;
}

} // namespace

bool FigureInsideBox(std::span<const TPointD> Figure, const TBoxD& Box) {
    // Every point tested, without a branch for each (a coordinate that is not a number
    // fails its comparisons).
    bool inside = true;
    for (const TPointD& p : Figure)
        inside &= (p.X >= Box.Left) & (p.X <= Box.Right) & (p.Y >= Box.Top) & (p.Y <= Box.Bottom);
    return inside;
}

std::vector<TPointD> ClipFigureToBox(std::span<const TPointD> Figure, const TBoxD& Box) {
    std::vector<TPointD> figure(Figure.begin(), Figure.end());
    figure = ClipSide(figure, TSide::Left, Box.Left);
    figure = ClipSide(figure, TSide::Right, Box.Right);
    figure = ClipSide(figure, TSide::Top, Box.Top);
    figure = ClipSide(figure, TSide::Bottom, Box.Bottom);
    // Rounding in the crossings may leave a coordinate a hair outside a side.
    for (TPointD& p : figure) {
        p.X = std::clamp(p.X, Box.Left, Box.Right);
        p.Y = std::clamp(p.Y, Box.Top, Box.Bottom);
    }
    return figure;
}

bool ClipSegmentToBox(TPointD& A, TPointD& B, const TBoxD& Box) {
    // The segment is A + t (B - A) for t in [t0, t1]; each side narrows the range. Long
    // double keeps the differences of far-apart finite points from overflowing.
    const long double dx = static_cast<long double>(B.X) - A.X;
    const long double dy = static_cast<long double>(B.Y) - A.Y;
    long double t0 = 0, t1 = 1;
    // The side that set each end, whose coordinate the moved end takes exactly.
    const TSide* side0 = nullptr;
    const TSide* side1 = nullptr;
    static constexpr TSide kSides[] = {TSide::Left, TSide::Right, TSide::Top, TSide::Bottom};
    // Inside the side where P * t <= Q.
    const auto narrow = [&](const TSide& Side, long double P, long double Q) {
        if (P == 0) return Q >= 0;
        const long double t = Q / P;
        if (P < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t, side0 = &Side;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t, side1 = &Side;
        }
        return true;
    };
    if (!narrow(kSides[0], -dx, static_cast<long double>(A.X) - Box.Left) ||
        !narrow(kSides[1], dx, static_cast<long double>(Box.Right) - A.X) ||
        !narrow(kSides[2], -dy, static_cast<long double>(A.Y) - Box.Top) ||
        !narrow(kSides[3], dy, static_cast<long double>(Box.Bottom) - A.Y))
        return false;
    const TPointD a = A;
    // A moved end lies on its side's line; the other coordinate is held in the box against
    // rounding. Ends left untouched keep their exact coordinates.
    const auto at = [&](long double t, TSide Side) {
        TPointD p(std::clamp(static_cast<double>(a.X + t * dx), Box.Left, Box.Right),
                  std::clamp(static_cast<double>(a.Y + t * dy), Box.Top, Box.Bottom));
        switch (Side) {
        case TSide::Left:
            p.X = Box.Left;
            break;
        case TSide::Right:
            p.X = Box.Right;
            break;
        case TSide::Top:
            p.Y = Box.Top;
            break;
        case TSide::Bottom:
            p.Y = Box.Bottom;
            break;
        }
        return p;
    };
    if (side1) B = at(t1, *side1);
    if (side0) A = at(t0, *side0);
    return true;
}

} // namespace kw::platform
