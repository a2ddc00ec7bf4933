// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: figures with coordinates far outside the surface are clipped
// before Cairo sees them.
//
// Cairo holds coordinates in 24.8 fixed point and wraps them beyond about 8 million pixels,
// so figures reaching further than a margin round the surface (the far reach) are clipped
// first. The margin keeps the clipped edges out of sight of any ordinary pen. It is kept far
// below that limit because the anti-aliased rasteriser already fills edges longer than about
// 160 000 pixels wrongly (a wedge of that size loses its slanted side).

#include "kwgfx/platform/graphics/PointD.h"
#include "kwgfx/platform/graphics/PolygonBoxClip.h"
#include "kwgfx/platform/graphics/Types.h"

#include <cairo.h>

#include <span>
#include <vector>

namespace kw::platform::cairo_detail {

inline constexpr double kFarMargin = 1 << 14;

// The region that goes to Cairo at exact coordinates: the context's clip extents (the whole
// surface, unless the context came clipped) and the margin round them, in user space.
TBoxD FarReach(cairo_t* Cr);

// True when every point lies in the box or on its edge.
bool PointsInsideBox(std::span<const TPoint> Points, const TBoxD& Box);

std::vector<TPointD> ToPointsD(std::span<const TPoint> Points);

// Adds an open line reaching beyond Reach to the path, piece by piece: each segment is cut
// to the reach, and the pieces that join up run on as one stroke. Strokes the pieces that
// need a dash phase of their own; the caller strokes the last one.
void AddClippedLine(cairo_t* Cr, std::span<const TPointD> Points, const TBoxD& Reach);

// The pieces of an open line inside Reach, as AddClippedLine draws them: each segment cut to
// the reach, pieces that join up run on as one line. Along, when given, receives how far
// along the whole line each piece starts (where its dashes are in their pattern).
std::vector<std::vector<TPointD>> ClipLineToBox(std::span<const TPointD> Points, const TBoxD& Reach,
                                                std::vector<double>* Along = nullptr);

// Adds each figure, clipped to Reach, to the path as a closed figure.
void AddClippedFigures(cairo_t* Cr, std::span<const std::vector<TPointD>> Figures,
                       const TBoxD& Reach);

// The figures of a polygon set as they go to Cairo: figures inside the reach as they are,
// others clipped to it; empty figures, figures with a non-finite point and figures clipped
// away are left out.
class TFiguresInReach {
public:
    TFiguresInReach(std::span<const std::vector<TPointD>> Polygons, const TBoxD& Reach);
    TFiguresInReach(const TFiguresInReach&) = delete;
    TFiguresInReach& operator=(const TFiguresInReach&) = delete;

    std::span<const std::span<const TPointD>> Figures() const { return FFigures; }

private:
    std::vector<std::vector<TPointD>> FClipped; // reserved up front: FFigures points into it
    std::vector<std::span<const TPointD>> FFigures;
};

} // namespace kw::platform::cairo_detail
