// SPDX-License-Identifier: MIT
#pragma once
// Internal to the rasteriser: the outline of a stroke as the points it passes at each corner
// and end, before they become figures (Stroker.cpp fills them) or convex pieces
// (HardStrokes.cpp paints them). Both read the same computed points, so the two agree to
// the last bit.

#include "kwgfx/raster/RasterTypes.h"
#include "kwgfx/raster/Stroker.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace kw::raster::detail {

// How the outline passes one side of a corner.
enum class TSideKind : std::uint8_t {
    Straight, // the line runs straight on: A only (B is A)
    Inner,    // the inner side: A, the corner point, B
    Bevel,    // the outer side cut across: A, B
    Miter     // the outer side pointed: A, Mid, B
};

// One side of a corner: A lies on the segment before it, B on the one after it, both half
// the width out.
struct TCornerSide {
    TVertex A, Mid, B;
    TSideKind Kind;
    // Where the side leaves the corner for the next segment.
    TVertex Leave() const { return Kind == TSideKind::Straight ? A : B; }
};

// The outline of one line (a whole polyline or one dash), its points distinct, with the
// direction of each segment. Left(i) is the left side at Points[i], in the line's
// direction; Right(i) the right side, in the opposite direction (A on the segment after the
// corner, B on the one before). They are computed when asked, the same each time, so that
// a line of millions of points takes no memory for its corners. An open line has no corners
// at its ends but the four points of its ends: the left and the right side at its start
// and at its end.
struct TLineOutline {
    std::span<const TVertex> Points;
    std::span<const TVertex> Directions; // of the segment from each point to the next
    bool Closed = false;
    double Half = 0.5;       // half the width
    bool Miter = true;       // mitred corners, within the limit
    double MinMiterCos = -1; // the cosine of the sharpest turn still mitred
    double Back = 0;         // how far the ends reach past their points (square caps)

    static TVertex Reversed(TVertex D) { return {-D.X, -D.Y}; }

    // P moved half the width to the left of direction D and Along times D along it.
    TVertex Offset(TVertex P, TVertex D, double Along) const {
        return {P.X - D.Y * Half + D.X * Along, P.Y + D.X * Half + D.Y * Along};
    }

    // The left side of the line at corner P, from the segment along D1 to the one along D2.
    TCornerSide Join(TVertex P, TVertex D1, TVertex D2) const {
        const TVertex a = Offset(P, D1, 0), b = Offset(P, D2, 0);
        const double cross = D1.X * D2.Y - D1.Y * D2.X;
        const double cos = D1.X * D2.X + D1.Y * D2.Y;
        if (cross == 0 && cos > 0) return {a, a, a, TSideKind::Straight};
        // Turning left: the left side is the inner one.
        if (cross > 0) return {a, P, b, TSideKind::Inner};
        if (Miter && cos >= MinMiterCos) {
            const double k = 1 / (1 + cos);
            const TVertex m{P.X + (a.X - P.X + b.X - P.X) * k, P.Y + (a.Y - P.Y + b.Y - P.Y) * k};
            return {a, m, b, TSideKind::Miter};
        }
        return {a, a, b, TSideKind::Bevel};
    }

    std::size_t Before(std::size_t I) const { return I == 0 ? Points.size() - 1 : I - 1; }
    TCornerSide Left(std::size_t I) const {
        return Join(Points[I], Directions[Before(I)], Directions[I]);
    }
    TCornerSide Right(std::size_t I) const {
        return Join(Points[I], Reversed(Directions[I]), Reversed(Directions[Before(I)]));
    }
    TVertex StartLeft() const { return Offset(Points[0], Directions.front(), -Back); }
    TVertex EndLeft() const { return Offset(Points.back(), Directions.back(), Back); }
    TVertex EndRight() const { return Offset(Points.back(), Reversed(Directions.back()), -Back); }
    TVertex StartRight() const { return Offset(Points[0], Reversed(Directions.front()), Back); }
};

// Receives the lines of a stroke.
class TOutlineSink {
public:
    virtual void Line(const TLineOutline& Outline) = 0;

protected:
    ~TOutlineSink() = default;
};

// Hands Sink the outline of every line of the stroke along Points under Style: the whole
// polyline, or each dash of it, as StrokePolyline outlines them.
void OutlineStroke(std::span<const TVertex> Points, bool Closed, const TStrokeStyle& Style,
                   TOutlineSink& Sink);

} // namespace kw::raster::detail
