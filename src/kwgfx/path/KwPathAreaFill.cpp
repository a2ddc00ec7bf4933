#include "kwgfx/path/KwPathAreaFill.h"

#include "kwgfx/geometry/KwConversions.h"

#include <vector>

namespace kw {

void FillPathArea(platform::TCanvas& Canvas, const TKwPathData& Path) {
    const TKwPolygons figures = Path.ToPolygons();
    if (figures.empty()) return;
    std::vector<TCanvasPoints> polygons;
    polygons.reserve(figures.size());
    for (const TKwPoints& figure : figures) polygons.push_back(KwPointsToPoints(figure));
    Canvas.PolyPolygon(polygons,
                       Path.FillMode() == fmNonZero ? platform::pfWinding : platform::pfAlternate);
}

} // namespace kw
