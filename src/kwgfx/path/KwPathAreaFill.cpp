#include "kwgfx/path/KwPathAreaFill.h"

#include <vector>

namespace kw {

void FillPathArea(platform::TCanvas& Canvas, const TKwPathData& Path) {
    const TKwPolygons figures = Path.ToPolygons();
    if (figures.empty()) return;
    std::vector<std::vector<platform::TPointD>> polygons;
    polygons.reserve(figures.size());
    for (const TKwPoints& figure : figures) {
        std::vector<platform::TPointD>& points = polygons.emplace_back();
        points.reserve(figure.size());
        for (const TKwPoint& p : figure) points.emplace_back(p.X, p.Y);
    }
    Canvas.PolyPolygonF(polygons,
                        Path.FillMode() == fmNonZero ? platform::pfWinding : platform::pfAlternate);
}

} // namespace kw
