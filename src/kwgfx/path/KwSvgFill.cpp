#include "kwgfx/path/KwSvgFill.h"

#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/path/detail/KwPathCache.h"
#include "kwgfx/path/detail/KwPathFigures.h"
#include "kwgfx/platform/graphics/Brush.h"
#include "kwgfx/platform/graphics/Pen.h"

#include <algorithm>
#include <vector>

namespace kw {

namespace {

// SVG puts a coordinate on a pixel edge, the canvas on a pixel centre: (x, y) on the
// canvas is the SVG point (x + 0.5, y + 0.5).
constexpr double kSvgToCanvas = -0.5;

// Puts back the pen, the brush and the anti-aliasing of a canvas, also when painting
// throws.
class TFillStateSaver {
public:
    explicit TFillStateSaver(platform::TCanvas& Canvas)
        : FCanvas(Canvas), FAntialias(Canvas.Antialias()) {
        FPen.Assign(Canvas.Pen());
        FBrush.Assign(Canvas.Brush());
    }
    ~TFillStateSaver() {
        FCanvas.SetPen(FPen);
        FCanvas.SetBrush(FBrush);
        FCanvas.SetAntialias(FAntialias);
    }
    TFillStateSaver(const TFillStateSaver&) = delete;
    TFillStateSaver& operator=(const TFillStateSaver&) = delete;

private:
    platform::TCanvas& FCanvas;
    platform::TPen FPen;
    platform::TBrush FBrush;
    bool FAntialias;
};

} // namespace

TKwMatrix KwFitMatrix(const TKwRect& Bounds, const TKwRect& Into) {
    const double left = std::min(Into.Left, Into.Right), right = std::max(Into.Left, Into.Right);
    const double top = std::min(Into.Top, Into.Bottom), bottom = std::max(Into.Top, Into.Bottom);
    const double bw = double(Bounds.Right) - Bounds.Left;
    const double bh = double(Bounds.Bottom) - Bounds.Top;
    const double iw = right - left, ih = bottom - top;
    double scale = 1;
    if (bw > 0 && bh > 0)
        scale = std::min(iw / bw, ih / bh);
    else if (bw > 0)
        scale = iw / bw;
    else if (bh > 0)
        scale = ih / bh;
    // The centre of the scaled bounds goes to the centre of Into.
    const double dx = (left + right) / 2 - (double(Bounds.Left) + Bounds.Right) / 2 * scale;
    const double dy = (top + bottom) / 2 - (double(Bounds.Top) + Bounds.Bottom) / 2 * scale;
    return KwMatrixMultiply(CreateScaleKwMatrix(float(scale), float(scale)),
                            CreateTranslateKwMatrix(float(dx), float(dy)));
}

void FillSvgPath(platform::TCanvas& Canvas, const TKwPathData& Path,
                 const TKwSvgFillOptions& Options) {
    if (Options.Color == platform::clNone) return;
    const platform::TPolyFillMode rule =
        Options.FillRule == fmNonZero ? platform::pfWinding : platform::pfAlternate;
    // A canvas that fills curves itself takes the path as it is, with the fit and the shift
    // onto its pixel centres as one transform: nothing is copied or sampled here.
    detail::TKwPathCache& cache = Path.Cache();
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

    TFillStateSaver saved(Canvas);
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
