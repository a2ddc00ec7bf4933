#pragma once
// Internal to the Cairo canvas: fills and strokes with very many edges painted through a coverage
// mask of our own (CoverageRaster.h) instead of Cairo's scan converters, so that a picture full of
// tangled edges takes a time that grows with the edges and not with their crossings.
//
// Only fills of at least kCoverageFillMinEdges edges on an image surface go this way, so
// every ordinary picture stays exactly as Cairo paints it; document surfaces keep their
// vectors.

#include "kwgfx/platform/graphics/PointD.h"
#include "kwgfx/platform/graphics/PolyFillMode.h"

#include <cairo.h>

#include <cstddef>
#include <span>
#include <vector>

namespace kw::platform::cairo_detail {

inline constexpr std::size_t kCoverageFillMinEdges = 20000;

// Fills the figures (each closed; in user space once Shift is added to both coordinates)
// with Cr's source under FillMode through a mask rasterised here, smooth unless Cr's
// anti-aliasing is off; Cr's path is left alone.
// Returns false, having drawn nothing, when the figures have fewer than MinEdges edges or
// Cr does not draw on an image surface: the caller fills through Cairo then.
bool FillByCoverage(cairo_t* Cr, std::span<const std::span<const TPointD>> Figures,
                    TPolyFillMode FillMode, double Shift = 0,
                    std::size_t MinEdges = kCoverageFillMinEdges);

// Strokes the open line through Points (user space) with Cr's source, line width and miter
// limit through a mask rasterised here: every segment a band of the line width, every
// corner mitred or bevelled on its outer side, ends cut square at the points (Cr's cap must
// be butt, its join miter, with no dashes). Returns false, having drawn nothing, when the
// line has fewer than MinSegments segments, Cr asks for anything else or does not draw on
// an image surface: the caller strokes through Cairo then.
bool StrokeByCoverage(cairo_t* Cr, std::span<const TPointD> Points,
                      std::size_t MinSegments = kCoverageFillMinEdges);

// The same for several open lines at once (the pieces of one line cut by clipping), each
// with its own ends; MinSegments counts the segments of all of them.
bool StrokeByCoverage(cairo_t* Cr, std::span<const std::vector<TPointD>> Lines,
                      std::size_t MinSegments = kCoverageFillMinEdges);

} // namespace kw::platform::cairo_detail
