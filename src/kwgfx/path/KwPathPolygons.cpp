// TKwPathData: one polygon per figure (ToPolygons) and the hit test built on it
// (PointInPath). Curves are sampled one pixel apart by the spline sampler, fed with the
// curve's four points.

#include "kwgfx/drawing/BezierPolygon.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathWalk.h"

#include <array>

namespace kw {

namespace {

void AppendCurveSamples(TKwPoints& Figure, const TKwPoint& P0, const TKwPoint& C1,
                        const TKwPoint& C2, const TKwPoint& P3) {
    const std::array<TKwPoint, 4> points{P0, C1, C2, P3};
    const TKwPoints samples = BezierPolygonPoints(points, false, false, 1);
    Figure.insert(Figure.end(), samples.begin(), samples.end());
}

struct TPolygonCollector {
    TKwPolygons Result;
    TKwPoints Figure;

    void Flush() {
        if (!Figure.empty()) Result.push_back(std::move(Figure));
        Figure.clear();
    }
    void Move(size_t, const TKwPoint& P) {
        Flush();
        Figure.push_back(P);
    }
    void Line(size_t, const TKwPoint& P) { Figure.push_back(P); }
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        AppendCurveSamples(Figure, P0, C1, C2, P3);
    }
    // A close on an empty figure (a second close in a row) has nothing to close.
    void Close(size_t, const TKwPoint&) {
        if (Figure.empty()) return;
        Figure.push_back(Figure.front());
        Flush();
    }
};

} // namespace

TKwPolygons TKwPathData::ToPolygons() const {
    TPolygonCollector collector;
    detail::WalkPath(FPathData, collector);
    collector.Flush();
    return std::move(collector.Result);
}

} // namespace kw
