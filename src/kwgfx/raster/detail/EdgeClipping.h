// SPDX-License-Identifier: MIT
#pragma once
// Internal to the rasteriser: edges cut to the clip box. The fill (Rasterizer.cpp) and the
// painting of hard strokes span by span (HardStrokes.cpp) cut theirs here, so that both
// keep the same parts.

#include "kwgfx/raster/RasterTypes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kw::raster::detail {

// Whether V is a float exactly, and small enough that sums of a few stay exact in double.
inline bool ExactFloat(double V) {
    return std::abs(V) <= double(1 << 24) && double(float(V)) == V;
}

// Clips the edge to the box: parts above or below it go, parts right of it go (they change
// no pixel inside), parts left of it run down the left side instead (they change every pixel
// of their rows alike). A hard edge whose coordinates are floats exactly is kept whole:
// its crossings with the row centres are then found exactly, and clamping them to the box
// has the same effect as clipping. Hard asks for that whole keeping. Calls Keep(X0, Y0, X1,
// Y1) for each part kept, in the edge's direction; true when a part was cut off on the right.
template <typename TKeep>
inline bool ClipEdge(TVertex A, TVertex B, int Width, int Height, bool Hard, TKeep&& Keep) {
    if (A.Y == B.Y) return false;
    const double h = Height, w = Width;
    const bool xInside = A.X >= 0 && A.X <= w && B.X >= 0 && B.X <= w;
    if (xInside && A.Y >= 0 && A.Y <= h && B.Y >= 0 && B.Y <= h) {
        Keep(A.X, A.Y, B.X, B.Y);
        return false;
    }
    if ((A.Y <= 0 && B.Y <= 0) || (A.Y >= h && B.Y >= h)) return false;
    if (A.X >= w && B.X >= w) return true;
    if (Hard && ExactFloat(A.X) && ExactFloat(A.Y) && ExactFloat(B.X) && ExactFloat(B.Y)) {
        Keep(A.X, A.Y, B.X, B.Y);
        return !xInside;
    }
    // Cut to the rows 0..h, by the share of the height, so that far points cannot overflow.
    const auto xAt = [&](double Y) { return A.X + (B.X - A.X) * ((Y - A.Y) / (B.Y - A.Y)); };
    double x0 = A.X, y0 = A.Y, x1 = B.X, y1 = B.Y;
    if (y0 < 0) x0 = xAt(0), y0 = 0;
    if (y0 > h) x0 = xAt(h), y0 = h;
    if (y1 < 0) x1 = xAt(0), y1 = 0;
    if (y1 > h) x1 = xAt(h), y1 = h;
    if (y0 == y1) return false;
    // The points where the edge crosses the left and the right side, in its own order.
    TVertex points[4];
    int n = 0;
    points[n++] = {x0, y0};
    double crossings[2], sides[2];
    int k = 0;
    for (const double side : {0.0, w})
        if ((x0 < side) != (x1 < side)) {
            crossings[k] = (side - x0) / (x1 - x0);
            sides[k++] = side;
        }
    if (k == 2 && crossings[0] > crossings[1])
        std::swap(crossings[0], crossings[1]), std::swap(sides[0], sides[1]);
    for (int i = 0; i < k; ++i) points[n++] = {sides[i], y0 + (y1 - y0) * crossings[i]};
    points[n++] = {x1, y1};
    // Each piece between them lies on one side of both borders.
    bool rightCut = false;
    for (int i = 0; i + 1 < n; ++i) {
        const TVertex a = points[i], b = points[i + 1];
        const double mid = (a.X + b.X) / 2;
        if (mid >= w)
            rightCut = true;
        else if (mid <= 0)
            Keep(0.0, a.Y, 0.0, b.Y);
        else
            Keep(std::clamp(a.X, 0.0, w), a.Y, std::clamp(b.X, 0.0, w), b.Y);
    }
    return rightCut;
}

} // namespace kw::raster::detail
