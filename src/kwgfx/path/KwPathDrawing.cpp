// TKwPathData: painting on a canvas. Each figure becomes one integer point list and one
// canvas call (Polygon when filling, Polyline when outlining), so figures are never
// combined: an inner figure is painted over, not cut out, whatever the fill mode. Curves
// become the polygons of ToPolygons, within a tenth of a pixel of the cubic.

#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/detail/KwCubicSampler.h"
#include "kwgfx/path/detail/KwPathWalk.h"
#include "kwgfx/platform/graphics/Canvas.h"

namespace kw {

namespace {

struct TFigurePainter {
    platform::TCanvas& Canvas;
    bool Fill;
    std::span<const TKwPathPoint> Entries;
    TCanvasPoints Figure;

    void Emit() {
        if (Figure.empty()) return;
        if (Fill)
            Canvas.Polygon(Figure);
        else
            Canvas.Polyline(Figure);
        Figure.clear();
    }

    void Move(size_t I, const TKwPoint& P) {
        if (I > 0 && Entries[I - 1].Kind != ppClose) Emit();
        Figure.push_back(KwPointToCanvasPoint(P));
    }
    void Line(size_t, const TKwPoint& P) { Figure.push_back(KwPointToCanvasPoint(P)); }
    // The curve's start point and samples, leaving out those that round to the pixel the
    // figure already ends on.
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        auto add = [this](const TKwPoint& S) {
            const TPoint p = KwPointToCanvasPoint(S);
            if (Figure.empty() || !(Figure.back() == p)) Figure.push_back(p);
        };
        add(P0);
        detail::SampleCurveWithin(P0, C1, C2, P3, detail::CurveTolerance, add);
    }
    // A close on an empty figure (a second close in a row) has nothing to close.
    void Close(size_t, const TKwPoint&) {
        if (Figure.empty()) return;
        Figure.push_back(Figure.front());
        Emit();
    }
};

} // namespace

void TKwPathData::DrawPath(platform::TCanvas& Canvas, bool Fill, float Opacity) const {
    // Opacity only switches drawing off: the canvas calls draw opaquely.
    if (Opacity == 0 || FPathData.size() < 2) return;
    TFigurePainter painter{Canvas, Fill, FPathData, {}};
    detail::WalkPath(FPathData, painter);
    painter.Emit();
}

void TKwPathData::DrawPath(platform::TCanvas& Canvas, float Opacity) const {
    DrawPath(Canvas, false, Opacity);
}

void TKwPathData::FillPath(platform::TCanvas& Canvas, float Opacity) const {
    DrawPath(Canvas, true, Opacity);
}

} // namespace kw
