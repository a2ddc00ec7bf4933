// SPDX-License-Identifier: MIT
#pragma once
// Internal to the rasteriser: the outline of a stroke as the points it passes at each corner
// and end, before they become figures (Stroker.cpp fills them) or convex pieces
// (HardStrokes.cpp paints them). Both read the same computed points, so the two agree to
// the last bit.

#include "kwgfx/raster/RasterTypes.h"
#include "kwgfx/raster/Stroker.h"

#include <algorithm>
#include <cmath>
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
//
// A corner whose turn is gentle for the segments on both sides of it is Cut: the outline
// passes it through one line across, along its bisector, from where the inner sides meet
// to the outer side's point. Then the inner side is the meeting point alone (Mid), the
// mitred side its point alone (Mid), the bevelled side A, the middle of the bevel (Mid) and
// B, and a line running straight on A alone. The two segments' parts of the outline then
// meet along the cut without overlapping, and the corner needs no piece of its own.
struct TCornerSide {
    TVertex A, Mid, B;
    TSideKind Kind;
    bool Cut = false;
    // Where the side leaves the corner for the next segment.
    TVertex Leave() const { return Kind == TSideKind::Straight ? A : B; }
};

// The outline of one line (a whole polyline or one dash), its points distinct, with the
// direction and length of each segment. Left(i) is the left side at Points[i], in the
// line's direction; Right(i) the right side, in the opposite direction (A on the segment
// after the corner, B on the one before). They are computed when asked, the same each time,
// so that a line of millions of points takes no memory for its corners. An open line has no
// corners at its ends but the four points of its ends: the left and the right side at its
// start and at its end.
struct TLineOutline {
    std::span<const TVertex> Points;
    std::span<const TVertex> Directions; // of the segment from each point to the next
    std::span<const double> Lengths;     // of the same segments
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

    std::size_t Before(std::size_t I) const { return I == 0 ? Points.size() - 1 : I - 1; }

    // Both sides of corner I: the left side in the line's direction, the right side in the
    // opposite direction. One side is the inner one, unless the line runs straight on (or
    // turns right back); both see the same turn, so they agree on the cut.
    [[gnu::always_inline]] void Corner(std::size_t I, TCornerSide& Left, TCornerSide& Right) const {
        const std::size_t before = Before(I);
        const TVertex P = Points[I], d1 = Directions[before], d2 = Directions[I];
        // The left side runs from the segment along d1 to the one along d2, the right side
        // from the one against d2 to the one against d1.
        const TVertex leftA = Offset(P, d1, 0), leftB = Offset(P, d2, 0);
        const TVertex rightA = Offset(P, Reversed(d2), 0), rightB = Offset(P, Reversed(d1), 0);
        const double cross = d1.X * d2.Y - d1.Y * d2.X;
        const double cos = d1.X * d2.X + d1.Y * d2.Y;
        if (cross == 0 && cos > 0) {
            Left = {leftA, leftA, leftA, TSideKind::Straight, true};
            Right = {rightA, rightA, rightA, TSideKind::Straight, true};
            return;
        }
        // Cut where the inner sides meet within half of each segment (half the width times
        // tan(turn / 2) from the corner) and the turn is at most 120 degrees, so that the
        // meeting point is well conditioned.
        const bool cut = cos >= -0.5 && 2 * Half * std::abs(cross) <=
                                            std::min(Lengths[before], Lengths[I]) * (1 + cos);
        // Where the offset lines through A and B meet, on the bisector (Scale 1 / (1 + cos)),
        // or the middle between them (Scale 1/2).
        const auto along = [P](TVertex A, TVertex B, double Scale) {
            return TVertex{P.X + (A.X - P.X + B.X - P.X) * Scale,
                           P.Y + (A.Y - P.Y + B.Y - P.Y) * Scale};
        };
        const double k = 1 / (1 + cos);
        const bool mitred = Miter && cos >= MinMiterCos;
        const auto side = [&](TVertex A, TVertex B, bool Inner) -> TCornerSide {
            if (Inner) return {A, cut ? along(A, B, k) : P, B, TSideKind::Inner, cut};
            if (mitred) return {A, along(A, B, k), B, TSideKind::Miter, cut};
            return {A, cut ? along(A, B, 0.5) : A, B, TSideKind::Bevel, cut};
        };
        // Turning left: the left side is the inner one.
        Left = side(leftA, leftB, cross > 0);
        Right = side(rightA, rightB, cross < 0);
    }
    TCornerSide Left(std::size_t I) const {
        TCornerSide left, right;
        Corner(I, left, right);
        return left;
    }
    TCornerSide Right(std::size_t I) const {
        TCornerSide left, right;
        Corner(I, left, right);
        return right;
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
