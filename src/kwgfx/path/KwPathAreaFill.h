// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Filling a path as one area. FillPath paints every figure as a polygon of its own, so a
/// figure inside another is painted over; FillPathArea hands all figures to the canvas in
/// one call under the path's fill mode, so holes stay open as an SVG renderer draws them.

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/graphics/Canvas.h"

namespace kw {

/// Fills every figure of Path with the canvas brush as one area (even-odd for fmEvenOdd,
/// non-zero winding for fmNonZero), then outlines each figure with the pen. Curves are
/// sampled as by ToPolygons. The points keep their fractional part: they go to the canvas's
/// PolyPolygonF, so the raster canvas fills at sub-pixel precision (smooth edges with
/// anti-aliasing on), and a canvas that draws whole pixels only rounds them half to even.
/// An empty path draws nothing. TKwPathData::PointInPathArea tells which points it fills.
///
/// On a canvas that tells its clip box, the work is bounded by what it shows: a curve whose
/// control points lie outside the box and beyond the pen's reach is drawn as its chord,
/// which changes no pixel in the box, and a huge curve only partly in view is cut into
/// pieces of which only those near the box are sampled, within the same tolerance. Curves
/// whose control points lie within the box, or overhang it by less than its size, are
/// sampled exactly as by ToPolygons, so their pictures stay the same to the bit. The samples
/// are kept on the path until it changes, so drawing it again samples nothing.
///
/// \gallery{svg_icons.png}
void FillPathArea(platform::TCanvas& Canvas, const TKwPathData& Path);

} // namespace kw
