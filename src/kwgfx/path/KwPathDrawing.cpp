// SPDX-License-Identifier: MIT
// TKwPathData: painting on a canvas. Each figure becomes one integer point list and is
// drawn on its own (Polygon when filling; outlines through one Polylines call, which strokes
// each line by itself), so figures are never combined: an inner figure is painted over, not cut
// out, whatever the fill mode. Curves become the polygons of ToPolygons, within a tenth of a pixel
// of the cubic; the figures are built by BuildCanvasFigures (KwPathFigures.cpp), bounded by the
// canvas's view, and kept on the path while no view needs other samples.

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/detail/KwPathSampleCache.h"
#include "kwgfx/platform/graphics/Canvas.h"

namespace kw {

void TKwPathData::DrawPath(platform::TCanvas& Canvas, bool Fill, float Opacity) const {
    // Opacity only switches drawing off: the canvas calls draw opaquely.
    if (Opacity == 0 || FPathData.size() < 2) return;
    const std::optional<detail::TKwSampleView> view = detail::SampleViewOf(Canvas);
    // The kept figures, unless the view would sample some curve differently.
    std::shared_ptr<const detail::TKwCanvasFigures> figures;
    detail::TKwPathSampleCache& cache = Cache();
    if (!view || view->Keep.Contains(cache.CurvesBox(FPathData)))
        figures = cache.CanvasFigures(FPathData);
    else
        figures = std::make_shared<const detail::TKwCanvasFigures>(
            detail::BuildCanvasFigures(FPathData, &*view));
    if (!Fill) {
        Canvas.Polylines(*figures);
        return;
    }
    for (const TCanvasPoints& figure : *figures) Canvas.Polygon(figure);
}

void TKwPathData::DrawPath(platform::TCanvas& Canvas, float Opacity) const {
    DrawPath(Canvas, false, Opacity);
}

void TKwPathData::FillPath(platform::TCanvas& Canvas, float Opacity) const {
    DrawPath(Canvas, true, Opacity);
}

} // namespace kw
