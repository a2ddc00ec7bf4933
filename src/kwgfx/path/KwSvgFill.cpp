// SPDX-License-Identifier: MIT
#include "kwgfx/path/KwSvgFill.h"

#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/path/detail/KwPathFigures.h"
#include "kwgfx/path/detail/KwPathSampleCache.h"
#include "kwgfx/platform/graphics/CanvasStateSaver.h"

#include <algorithm>
#include <vector>

namespace kw {

namespace {

// SVG puts a coordinate on a pixel edge, the canvas on a pixel centre: (x, y) on the
// canvas is the SVG point (x + 0.5, y + 0.5).
constexpr double kSvgToCanvas = -0.5;

} // namespace

void FillSvgPath(platform::TCanvas& Canvas, const TKwPathData& Path,
                 const TKwSvgFillOptions& Options) {
    if (Options.Color == platform::clNone) return;
    const platform::TPolyFillMode rule =
        Options.FillRule == fmNonZero ? platform::pfWinding : platform::pfAlternate;
    // A canvas that fills curves itself takes the path as it is, with the fit and the shift
    // onto its pixel centres as one transform: nothing is copied or sampled here.
    detail::TKwPathSampleCache& cache = Path.Cache();
    const TKwMatrix fit = Options.FitInto
                              ? KwFitMatrix(cache.TightBounds(Path.Entries()), *Options.FitInto)
                              : KwIdentityMatrix;
    const raster::TAffine transform{fit.m11(),
                                    fit.m12(),
                                    fit.m21(),
                                    fit.m22(),
                                    fit.m31() + kSvgToCanvas,
                                    fit.m32() + kSvgToCanvas};
    if (Canvas.FillPathCurves(*cache.RasterPath(Path.Entries()), transform, Options.Color,
                              Options.Antialias, rule))
        return;
    // Sampled for what the canvas can show: the view is in the path's own units, where a
    // coordinate is a pixel edge, half a pixel off the canvas's pixel centres.
    std::optional<detail::TKwSampleView> view = detail::SampleViewOf(Canvas);
    if (view) {
        const auto shift = [](detail::TKwBoxD& B) {
            B = {B.Left - kSvgToCanvas, B.Top - kSvgToCanvas, B.Right - kSvgToCanvas,
                 B.Bottom - kSvgToCanvas};
        };
        shift(view->Visible);
        shift(view->Keep);
    }
    const detail::TKwSampleView* bounded = view ? &*view : nullptr;
    detail::TKwAreaFigures figures;
    if (Options.FitInto) {
        // Fitted before sampling, so curves keep their tolerance at the drawn size.
        TKwPathData fitted;
        fitted.Assign(Path);
        fitted.ApplyMatrix(KwFitMatrix(Path.GetTightBounds(), *Options.FitInto));
        figures = detail::BuildAreaFigures(fitted.Entries(), bounded);
    } else {
        figures = detail::BuildAreaFigures(Path.Entries(), bounded);
    }

    std::vector<std::vector<platform::TPointD>> polygons;
    polygons.reserve(figures.size());
    for (std::vector<platform::TPointD>& figure : figures) {
        if (figure.size() < 3) continue; // a point or a line encloses nothing
        for (platform::TPointD& p : figure) p = {p.X + kSvgToCanvas, p.Y + kSvgToCanvas};
        polygons.push_back(std::move(figure));
    }
    if (polygons.empty()) return;

    // Put back in the order pen, brush, anti-aliasing.
    platform::TAntialiasSaver antialias(Canvas);
    platform::TBrushSaver brush(Canvas);
    platform::TPenSaver pen(Canvas);
    Canvas.Pen().SetStyle(platform::psClear);
    Canvas.Brush().SetStyle(platform::bsSolid);
    Canvas.Brush().SetColor(Options.Color);
    Canvas.SetAntialias(Options.Antialias);
    Canvas.PolyPolygonF(polygons, rule);
}

TKwSvgPathResult FillSvgPath(platform::TCanvas& Canvas, std::string_view PathData,
                             const TKwSvgFillOptions& Options) {
    TKwPathData path;
    TKwSvgPathResult read = path.SetSvgPathString(PathData);
    FillSvgPath(Canvas, path, Options);
    return read;
}

} // namespace kw
