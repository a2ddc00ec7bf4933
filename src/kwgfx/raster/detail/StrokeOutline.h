// SPDX-License-Identifier: MIT
#pragma once
// Internal to the rasteriser: the outline of a stroke as the points it passes at each corner
// and end, before they become figures (Stroker.cpp fills them) or convex pieces
// (HardStrokes.cpp paints them). Both read the same computed points, so the two agree to
// the last bit.

#include "kwgfx/raster/RasterTypes.h"
#include "kwgfx/raster/Stroker.h"

#include <cstdint>
#include <span>
#include <vector>

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

// The outline of one line (a whole polyline or one dash), its points distinct. Left[i] is
// the left side at Points[i], in the line's direction; Right[i] the right side, in the
// opposite direction (A on the segment after the corner, B on the one before). An open
// line has no corners at its ends (entries 0 and n-1 are unused) but the four points of
// its ends: the left and the right side at its start and at its end.
struct TLineOutline {
    std::span<const TVertex> Points;
    bool Closed = false;
    std::vector<TCornerSide> Left, Right;
    TVertex StartLeft, EndLeft, EndRight, StartRight;
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
