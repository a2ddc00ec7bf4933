// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Lines of a width: the outline a pen of that width draws along a polyline, added to a
/// rasteriser as figures that fill it under the nonzero rule.
///
/// As Cairo strokes: each segment is a band of the width centred on it; at a corner the
/// outer side is joined by a miter (the two outer edges run on until they meet) while the
/// miter is at most MiterLimit times the width long, by a bevel otherwise; open ends are cut
/// square at the end points (butt) or half the width beyond them (square). Segments of no
/// length are left out. A dash pattern cuts the line into pieces first, each with open ends.

#include "kwgfx/raster/RasterTypes.h"
#include "kwgfx/raster/Rasterizer.h"

#include <cstdint>
#include <span>

namespace kw::raster {

/// How the outer side of a corner is drawn.
enum class TLineJoin : std::uint8_t {
    Miter, ///< pointed, while within the miter limit; bevelled beyond it
    Bevel  ///< cut straight across
};

/// How the ends of an open line are drawn.
enum class TLineCap : std::uint8_t {
    Butt,  ///< cut square at the end point
    Square ///< cut square half the width beyond the end point
};

/// The pen of a stroke.
struct TStrokeStyle {
    double Width = 1;                  ///< Full width, in user units.
    TLineJoin Join = TLineJoin::Miter; ///< Corners.
    double MiterLimit = 10;            ///< Longest miter, in widths.
    TLineCap Cap = TLineCap::Butt;     ///< Open ends.
    std::span<const double> Dashes;    ///< On, off, on, ... lengths; none: solid.
    double DashOffset = 0;             ///< How far into the pattern the line starts.
};

/// Adds to Raster (in its user space, so its transform applies to the outline) the outline
/// of the polyline through Points; Closed joins the last point to the first, with a corner
/// there too. Fill it under the nonzero rule.
void StrokePolyline(TRasterizer& Raster, std::span<const TVertex> Points, bool Closed,
                    const TStrokeStyle& Style);

} // namespace kw::raster
