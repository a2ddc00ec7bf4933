// SPDX-License-Identifier: MIT
// TKwPathData: one polygon per figure (ToPolygons) and the hit test built on it
// (PointInPath). Curves become polygons that stay within a tenth of a unit of the cubic
// itself, the same points drawing uses.

#include "kwgfx/geometry/KwIntersections.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/detail/KwCubicSampler.h"
#include "kwgfx/path/detail/KwPathWalk.h"

namespace kw {

namespace {

// The curve's start point (unless the figure already ends there), then its samples.
void AppendCurveSamples(TKwPoints& Figure, const TKwPoint& P0, const TKwPoint& C1,
                        const TKwPoint& C2, const TKwPoint& P3) {
    if (Figure.empty() || !Figure.back().SameAs(P0)) Figure.push_back(P0);
    detail::SampleCurveWithin(P0, C1, C2, P3, detail::CurveTolerance,
                              [&Figure](const TKwPoint& S) { Figure.push_back(S); });
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

struct THitTester {
    std::span<const TKwPathPoint> Entries;
    float X;
    float Y;
    TKwPoints Figure;
    bool Inside = false;

    bool Done() const { return Inside; }
    void Test() { Inside = kw::PointInPath(Figure, X, Y); }

    void Move(size_t I, const TKwPoint& P) {
        if (I > 0 && Entries[I - 1].Kind != ppClose) {
            Test();
            Figure.clear();
        }
        Figure.push_back(P);
    }
    void Line(size_t, const TKwPoint& P) { Figure.push_back(P); }
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        AppendCurveSamples(Figure, P0, C1, C2, P3);
    }
    void Close(size_t, const TKwPoint&) {
        if (Figure.empty()) return;
        Figure.push_back(Figure.front());
        Test();
        Figure.clear();
    }
};

} // namespace

TKwPolygons TKwPathData::ToPolygons() const {
    TPolygonCollector collector;
    detail::WalkPath(FPathData, collector);
    collector.Flush();
    return std::move(collector.Result);
}

bool TKwPathData::PointInPath(float X, float Y) const {
    THitTester tester{FPathData, X, Y, {}};
    detail::WalkPath(FPathData, tester);
    if (tester.Inside) return true;
    tester.Test();
    return tester.Inside;
}

bool TKwPathData::PointInPath(const TKwPoint& P) const {
    return PointInPath(P.X, P.Y);
}

} // namespace kw
