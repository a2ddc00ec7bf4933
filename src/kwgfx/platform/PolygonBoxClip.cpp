// Sutherland-Hodgman clipping of one closed figure against the four sides of a box.
#include "kwgfx/platform/PolygonBoxClip.h"

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
    return std::all_of(Figure.begin(), Figure.end(), [&](const TPointD& P) {
        return P.X >= Box.Left && P.X <= Box.Right && P.Y >= Box.Top && P.Y <= Box.Bottom;
    });
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

} // namespace kw::platform
