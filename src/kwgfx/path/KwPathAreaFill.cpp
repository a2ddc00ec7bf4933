// SPDX-License-Identifier: MIT
#include "kwgfx/path/KwPathAreaFill.h"

#include "kwgfx/path/detail/KwPathSampleCache.h"

namespace kw {

void FillPathArea(platform::TCanvas& Canvas, const TKwPathData& Path) {
    if (Path.Entries().empty()) return;
    const std::optional<detail::TKwSampleView> view = detail::SampleViewOf(Canvas);
    detail::TKwPathSampleCache& cache = Path.Cache();
    // The kept figures, unless the view would sample some curve differently.
    std::shared_ptr<const detail::TKwAreaFigures> figures;
    if (!view || view->Keep.Contains(cache.CurvesBox(Path.Entries())))
        figures = cache.AreaFigures(Path.Entries());
    else
        figures = std::make_shared<const detail::TKwAreaFigures>(
            detail::BuildAreaFigures(Path.Entries(), &*view));
    if (figures->empty()) return;
    Canvas.PolyPolygonF(*figures,
                        Path.FillMode() == fmNonZero ? platform::pfWinding : platform::pfAlternate);
}

} // namespace kw
