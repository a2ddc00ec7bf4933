// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Filling SVG path data the way an SVG renderer does, in one call.
///
/// A fresh TKwPathData and a canvas keep their own defaults (even-odd fill mode, a pen that
/// outlines, whole pixels, a point naming the centre of a pixel). FillSvgPath sets aside
/// all of them for the call and paints as SVG does:
///   - nonzero winding unless the options ask for even-odd; all figures fill as one area,
///     so inner figures cut holes;
///   - no outline: the canvas's pen is not used;
///   - anti-aliased edges on a canvas that can draw them (the raster canvas);
///   - SVG's pixel grid: a coordinate names a pixel edge, so the square (0,0)-(N,N) covers
///     exactly pixels 0 to N-1, without half-covered rows and columns;
///   - optionally fitted: the drawn geometry (its tight bounds, curves by their extremes)
///     scaled by one factor, keeping its proportions, and centred in a rectangle.
/// The canvas's pen, brush and anti-aliasing are as before when the call returns.

#include "kwgfx/geometry/KwRectFit.h" // KwFitMatrix, which the fit uses
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/geometry/KwVectorTypes.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathPoint.h"
#include "kwgfx/path/KwSvgPathParser.h"
#include "kwgfx/platform/graphics/Canvas.h"
#include "kwgfx/platform/graphics/Colors.h"

#include <optional>
#include <string_view>

namespace kw {

/// How FillSvgPath fills: the paint, SVG's fill rule, smooth edges and an optional fit.
struct TKwSvgFillOptions {
    /// The paint (0x00BBGGRR, see platform::RGB and platform::ParseColor); clNone paints
    /// nothing, as SVG's fill="none".
    TColor Color = platform::clBlack;
    /// SVG's fill-rule: fmNonZero ("nonzero", SVG's default) or fmEvenOdd ("evenodd").
    TKwFillMode FillRule = fmNonZero;
    /// Smooth edges where the canvas has them; a canvas of whole pixels ignores it.
    bool Antialias = true;
    /// When set, the drawn geometry is scaled and centred to fill this rectangle, in SVG
    /// coordinates of the canvas (pixel edges): KwFitMatrix(tight bounds, *FitInto).
    std::optional<TKwRect> FitInto;
};

/// Fills Path on Canvas as described above. Path is not changed: its own fill mode is not
/// consulted. Curves are sampled after the fit, within a tenth of a pixel.
void FillSvgPath(platform::TCanvas& Canvas, const TKwPathData& Path,
                 const TKwSvgFillOptions& Options = {});

/// Reads PathData by the SVG grammar (TKwPathData::SetSvgPathString) and fills it. As an SVG
/// renderer does, data with an error is drawn up to the last complete command before the
/// error; the result says where the error is (Ok when there is none). Never throws on bad
/// text.
///
/// \gallery{svg_icons.png}
TKwSvgPathResult FillSvgPath(platform::TCanvas& Canvas, std::string_view PathData,
                             const TKwSvgFillOptions& Options = {});

} // namespace kw
