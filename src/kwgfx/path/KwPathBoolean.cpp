// SPDX-License-Identifier: MIT
// Boolean operations on filled areas (KwPathBoolean.h describes the method): the inputs
// flattened and snapped to the grid here, snap rounding in KwSnapRounding.cpp, the faces'
// windings and the boundary in KwRegionBoundary.cpp.

#include "kwgfx/path/KwPathBoolean.h"

#include "kwgfx/path/detail/KwEntrySink.h"
#include "kwgfx/path/detail/KwRegionBoundary.h"
#include "kwgfx/path/detail/KwSegmentFigures.h"
#include "kwgfx/path/detail/KwSnapRounding.h"

#include <algorithm>
#include <cmath>

namespace kw {

namespace {

using detail::TIPoint;
using detail::TISegment;
using detail::TSegmentFigure;
using detail::TVec2;
using detail::TWindings;

constexpr int32_t MaxCurveSteps = 4096;

// The grid: Step (a power of two) and the flattening tolerance that leaves room for snapping.
struct TGrid {
    double Step = 1;
    double Flatness = 0.1;

    // The grid coordinate nearest Base + Delta. Base is split into whole steps and a
    // fraction first, so that moving Base by whole steps moves the result by exactly as
    // many, whatever Delta is.
    int64_t Snap(double Base, double Delta) const {
        const double q = Base / Step;
        const double whole = std::floor(q);
        return int64_t(whole) + int64_t(std::nearbyint((q - whole) + Delta / Step));
    }
    TIPoint Snap(const TVec2& Base, const TVec2& Delta = {}) const {
        return {Snap(Base.X, Delta.X), Snap(Base.Y, Delta.Y)};
    }
};

double LargestCoordinate(const std::vector<TSegmentFigure>& Figures) {
    double m = 0;
    for (const TSegmentFigure& f : Figures) {
        m = std::max({m, std::abs(f.Start.X), std::abs(f.Start.Y)});
        for (const detail::TSegment& s : f.Segments)
            for (const TVec2& p : s.C.P) m = std::max({m, std::abs(p.X), std::abs(p.Y)});
    }
    return m;
}

TGrid ChooseGrid(double Tolerance, double Largest) {
    TGrid g;
    g.Step = std::exp2(std::floor(std::log2(Tolerance / 64)));
    const double limit = double(int64_t(1) << 28);
    if (Largest / g.Step > limit) g.Step = std::exp2(std::ceil(std::log2(Largest / limit)));
    g.Flatness = std::max(Tolerance - 1.5 * g.Step, Tolerance / 4);
    return g;
}

// The edges of Figures, closed and flattened, on the grid, each adding W to the winding.
void AddEdges(const std::vector<TSegmentFigure>& Figures, const TGrid& Grid, const TWindings& W,
              std::vector<TISegment>& Out) {
    std::vector<TIPoint> points;
    for (const TSegmentFigure& f : Figures) {
        points.clear();
        points.push_back(Grid.Snap(f.Start));
        const auto add = [&points](const TIPoint& P) {
            if (!(P == points.back())) points.push_back(P);
        };
        for (const detail::TSegment& s : f.Segments) {
            if (s.Curve) {
                // Points relative to the curve's start, so that they move with it exactly.
                const detail::TCubic& c = s.C;
                const TVec2 d1 = c.P[1] - c.P[0], d2 = c.P[2] - c.P[0], d3 = c.P[3] - c.P[0];
                const int32_t n = c.StepsWithin(Grid.Flatness, MaxCurveSteps);
                for (int32_t i = 1; i < n; ++i) {
                    const double t = double(i) / n, u = 1 - t;
                    const TVec2 delta =
                        d1 * (3 * u * u * t) + d2 * (3 * u * t * t) + d3 * (t * t * t);
                    add(Grid.Snap(c.P[0], delta));
                }
            }
            add(Grid.Snap(s.End()));
        }
        add(points.front());
        for (size_t i = 1; i < points.size(); ++i) Out.push_back({points[i - 1], points[i], W});
    }
}

bool Filled(int64_t Winding, TKwFillMode Mode) {
    return Mode == fmNonZero ? Winding != 0 : (Winding & 1) != 0;
}

double ToleranceOf(float Tolerance) {
    const double t = Tolerance;
    return t >= 1e-6 && std::isfinite(t) ? std::min(t, 1e30) : 0.1;
}

// Snaps, snap-rounds and traces the region where Inside holds; writes it to Result.
template <typename TInside>
void Combine(const std::vector<TSegmentFigure>& A, const std::vector<TSegmentFigure>& B,
             double Tolerance, TInside Inside, TKwPathData& Result) {
    const TGrid grid = ChooseGrid(Tolerance, std::max(LargestCoordinate(A), LargestCoordinate(B)));
    std::vector<TISegment> edges;
    AddEdges(A, grid, {1, 0}, edges);
    AddEdges(B, grid, {0, 1}, edges);
    const std::vector<detail::TFragment> fragments = detail::SnapRound(edges);
    const std::vector<detail::TContour> contours = detail::RegionBoundary(fragments, Inside);
    detail::TEntrySink sink;
    for (const detail::TContour& c : contours) {
        sink.MoveTo({double(c[0].X) * grid.Step, double(c[0].Y) * grid.Step});
        for (size_t i = 1; i < c.size(); ++i)
            sink.LineTo({double(c[i].X) * grid.Step, double(c[i].Y) * grid.Step});
        sink.Close();
    }
    sink.Put(Result, fmNonZero);
}

} // namespace

void KwCombinePaths(const TKwPathData& A, const TKwPathData& B, TKwPathOp Op, TKwPathData& Result,
                    float Tolerance) {
    const TKwFillMode modeA = A.FillMode(), modeB = B.FillMode();
    const auto inside = [modeA, modeB, Op](const TWindings& W) {
        const bool a = Filled(W.A, modeA), b = Filled(W.B, modeB);
        switch (Op) {
        case poUnion:
            return a || b;
        case poIntersection:
            return a && b;
        case poDifference:
            return a && !b;
        case poXor:
            return a != b;
        }
        return false;
    };
    Combine(detail::SegmentFigures(A.Entries()), detail::SegmentFigures(B.Entries()),
            ToleranceOf(Tolerance), inside, Result);
}

void KwSimplifyPath(const TKwPathData& Path, TKwPathData& Result, float Tolerance) {
    const TKwFillMode mode = Path.FillMode();
    Combine(
        detail::SegmentFigures(Path.Entries()), {}, ToleranceOf(Tolerance),
        [mode](const TWindings& W) { return Filled(W.A, mode); }, Result);
}

TKwPathData KwCombinePaths(const TKwPathData& A, const TKwPathData& B, TKwPathOp Op,
                           float Tolerance) {
    TKwPathData result;
    KwCombinePaths(A, B, Op, result, Tolerance);
    return result;
}

TKwPathData KwSimplifyPath(const TKwPathData& Path, float Tolerance) {
    TKwPathData result;
    KwSimplifyPath(Path, result, Tolerance);
    return result;
}

} // namespace kw
