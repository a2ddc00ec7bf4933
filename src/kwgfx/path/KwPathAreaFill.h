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
/// An empty path draws nothing.
///
/// \gallery{svg_icons.png}
void FillPathArea(platform::TCanvas& Canvas, const TKwPathData& Path);

} // namespace kw
