// SPDX-License-Identifier: MIT
#pragma once
// The figures of a path as the canvas calls of drawing take them: sub-pixel point lists for
// FillPathArea, whole-pixel point lists for DrawPath and FillPath. Curves are sampled within
// CurveTolerance; a view bounds the work for what a canvas cannot show (KwViewSampler.h).

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/path/KwPathPoint.h"
#include "kwgfx/path/detail/KwViewSampler.h"
#include "kwgfx/platform/graphics/PointD.h"

#include <span>
#include <vector>

namespace kw::detail {

using TKwAreaFigures = std::vector<std::vector<platform::TPointD>>;
using TKwCanvasFigures = std::vector<TCanvasPoints>;

// One point list per figure, as ToPolygons makes them: a move starts a figure, a close ends
// it with its first point again, a curve adds its start point (unless the figure ends
// there already) and its samples.
TKwAreaFigures BuildAreaFigures(std::span<const TKwPathPoint> Entries, const TKwSampleView* View);

// One rounded point list per figure, as DrawPath paints them: as above, but a curve's
// points that round to the pixel the figure already ends on are left out.
TKwCanvasFigures BuildCanvasFigures(std::span<const TKwPathPoint> Entries,
                                    const TKwSampleView* View);

// The box of every curve's start and control points, which holds all the curves; none
// (an empty box, Left > Right) for a path without curves. A view whose keep box holds it
// samples every curve as no view does.
TKwBoxD CurvesControlBox(std::span<const TKwPathPoint> Entries);

// Total number of points in the figures.
template <typename Figures>
size_t PointCount(const Figures& F) {
    size_t n = 0;
    for (const auto& figure : F) n += figure.size();
    return n;
}

} // namespace kw::detail
