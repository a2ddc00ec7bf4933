// SPDX-License-Identifier: MIT
// The banded outline index of the area hit test (detail/KwAreaHitIndex.h).
//
// Sections: building the outline from the path; bands; queries.

#include "kwgfx/path/detail/KwAreaHitIndex.h"

#include "kwgfx/path/detail/KwPathWalk.h"
#include "kwgfx/path/detail/KwViewSampler.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace kw::detail {

// ---------------------------------------------------------------- building the outline

// Walks the path as ToPolygons does and turns each figure, closed, into edges and curves.
struct TAreaHitIndexBuilder {
    TAreaHitIndexBuilder(std::vector<TKwAreaHitIndex::TEdge>& AEdges,
                         std::vector<TKwAreaHitIndex::TCurve>& ACurves)
        : Edges(AEdges), Curves(ACurves) {}

    std::vector<TKwAreaHitIndex::TEdge>& Edges;
    std::vector<TKwAreaHitIndex::TCurve>& Curves;
    size_t Budget = TKwAreaHitIndex::MaxSampledPoints;

    // The figure in progress: its first and last point, whether all its points are finite
    // (a figure with one that is not has no shape on the canvas) and where its edges and
    // curves begin.
    bool Open = false;
    bool Finite = true;
    TKwPoint First, Last;
    size_t FirstEdge = 0, FirstCurve = 0;

    void AddEdge(const TKwPoint& A, const TKwPoint& B) {
        // Horizontal edges never count, by the rule of the half-open range.
        if (A.Y == B.Y) return;
        if (A.Y < B.Y)
            Edges.push_back({A.X, A.Y, B.X, B.Y, 1});
        else
            Edges.push_back({B.X, B.Y, A.X, A.Y, -1});
    }
    void Point(const TKwPoint& P) {
        if (!std::isfinite(P.X) || !std::isfinite(P.Y)) Finite = false;
        if (!Open) {
            Open = true;
            First = P;
            FirstEdge = Edges.size();
            FirstCurve = Curves.size();
        } else {
            AddEdge(Last, P);
        }
        Last = P;
    }
    // The canvas closes every figure it fills.
    void Flush() {
        if (!Open) return;
        AddEdge(Last, First);
        if (!Finite) {
            Edges.resize(FirstEdge);
            Curves.resize(FirstCurve);
        }
        Open = false;
        Finite = true;
    }

    void Move(size_t, const TKwPoint& P) {
        Flush();
        Point(P);
    }
    void Line(size_t, const TKwPoint& P) { Point(P); }
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        if (!Open || !Last.SameAs(P0)) Point(P0);
        const TKwCubicD cubic = TKwCubicD::Of(P0, C1, C2, P3);
        // As many points as SampleCubicWithin makes.
        const double steps =
            std::min(StepsWithin(cubic, CurveTolerance), double(TKwCubicSampler::MaxSamples - 1));
        const TKwBoxD box = TKwBoxD::Of(cubic);
        // A curve at the sample cap would be drawn within its tolerance only piece by piece
        // (KwViewSampler.h), so it stays a curve, as do curves past the budget.
        const bool capped = steps >= double(TKwCubicSampler::MaxSamples - 1);
        if (!std::isfinite(steps) || !box.IsFinite() || (!capped && steps <= double(Budget))) {
            if (std::isfinite(steps)) Budget -= std::min(Budget, size_t(std::max(steps, 1.0)));
            SampleCubicWithin(cubic, CurveTolerance, [this](const TKwPoint& S) { Point(S); });
            return;
        }
        Curves.push_back(
            {cubic, float(box.Left), float(box.Top), float(box.Right), float(box.Bottom)});
        Last = P3;
    }
    void Close(size_t, const TKwPoint&) {
        if (!Open) return;
        Point(First);
        Flush();
    }
};

TKwAreaHitIndex::TKwAreaHitIndex(std::span<const TKwPathPoint> Entries) {
    TAreaHitIndexBuilder builder{FEdges, FCurves};
    WalkPath(Entries, builder);
    builder.Flush();
    Index();
}

// ---------------------------------------------------------------- bands

namespace {

// Bands as tall as a third of the average item: each item is listed in about four bands,
// and a query looks at about as many items as a horizontal line crosses, plus a few.
constexpr double ItemsPerHeight = 3;
constexpr size_t MaxBands = 4096;
// An item spanning more bands than this is listed once, among the tall ones.
constexpr uint32_t MaxSpan = 32;

} // namespace

void TKwAreaHitIndex::Index() {
    const size_t items = FEdges.size() + FCurves.size();
    if (items == 0) return;
    FTop = std::numeric_limits<double>::infinity();
    FBottom = -FTop;
    double heights = 0;
    for (const TEdge& e : FEdges) {
        FTop = std::min<double>(FTop, e.Y0);
        FBottom = std::max<double>(FBottom, e.Y1);
        heights += double(e.Y1) - e.Y0;
    }
    for (const TCurve& c : FCurves) {
        FTop = std::min<double>(FTop, c.Top);
        FBottom = std::max<double>(FBottom, c.Bottom);
        heights += double(c.Bottom) - c.Top;
    }
    const double span = FBottom - FTop;
    FBandHeight = std::max(span / double(MaxBands), heights / (ItemsPerHeight * double(items)));
    size_t bands = 1;
    if (FBandHeight > 0 && std::isfinite(span / FBandHeight))
        bands = std::clamp<size_t>(size_t(std::ceil(span / FBandHeight)), 1, MaxBands);
    FBandHeight = span / double(bands);
    if (!(FBandHeight > 0) || !std::isfinite(FBandHeight)) FBandHeight = span + 1;
    const auto bandOf = [&](double Y) {
        const double b = std::floor((Y - FTop) / FBandHeight);
        return uint32_t(std::clamp(b, 0.0, double(bands - 1)));
    };
    const auto spanOf = [&](uint32_t Item) -> std::pair<uint32_t, uint32_t> {
        if (Item < FEdges.size()) return {bandOf(FEdges[Item].Y0), bandOf(FEdges[Item].Y1)};
        const TCurve& c = FCurves[Item - FEdges.size()];
        return {bandOf(c.Top), bandOf(c.Bottom)};
    };
    // Count, then place: one array for all bands.
    FBandStart.assign(bands + 1, 0);
    for (uint32_t i = 0; i < items; ++i) {
        const auto [b0, b1] = spanOf(i);
        if (b1 - b0 >= MaxSpan) continue;
        for (uint32_t b = b0; b <= b1; ++b) ++FBandStart[b + 1];
    }
    for (size_t b = 0; b < bands; ++b) FBandStart[b + 1] += FBandStart[b];
    FBandItems.resize(FBandStart[bands]);
    std::vector<uint32_t> fill(FBandStart.begin(), FBandStart.end() - 1);
    for (uint32_t i = 0; i < items; ++i) {
        const auto [b0, b1] = spanOf(i);
        if (b1 - b0 >= MaxSpan) {
            FTall.push_back(i);
            continue;
        }
        for (uint32_t b = b0; b <= b1; ++b) FBandItems[fill[b]++] = i;
    }
}

// ---------------------------------------------------------------- queries

namespace {

// The rule of Winding for one edge from (X0, Y0) down to (X1, Y1), Y0 < Y1, that runs in
// the direction Dir: the edge counts when Y lies in the half-open range [Y0, Y1), so a
// vertex shared by two edges counts once, and X lies left of the crossing.
int32_t EdgeWinding(double X0, double Y0, double X1, double Y1, int32_t Dir, double X, double Y) {
    if (!(Y >= Y0 && Y < Y1)) return 0;
    if (X < X0 && X < X1) return Dir;
    if (X >= X0 && X >= X1) return 0;
    return X < X0 + (X1 - X0) * (Y - Y0) / (Y1 - Y0) ? Dir : 0;
}

// The winding contribution of the segment A-B under the rule of Winding.
int32_t SegmentWinding(double AX, double AY, double BX, double BY, double X, double Y) {
    if (AY == BY) return 0;
    if (AY < BY) return EdgeWinding(AX, AY, BX, BY, 1, X, Y);
    return EdgeWinding(BX, BY, AX, AY, -1, X, Y);
}

// A curve's contribution, cut only where needed: a piece whose control box lies above,
// below or left of the point adds nothing, one whose box lies right of it adds what its
// chord adds (the region between them does not hold the point), and a piece within the
// tolerance of its chord is its chord.
int32_t CurveWinding(const TKwCubicD& Curve, double X, double Y) {
    int32_t winding = 0;
    CutCubicDepthFirst(Curve, [&](const TKwCubicD& C, bool CanCut) {
        const TKwBoxD box = TKwBoxD::Of(C);
        if (Y < box.Top || Y > box.Bottom || X > box.Right) return false;
        if (X < box.Left || !CanCut || StepsWithin(C, CurveTolerance) <= 1) {
            winding += SegmentWinding(C.X[0], C.Y[0], C.X[3], C.Y[3], X, Y);
            return false;
        }
        return true;
    });
    return winding;
}

} // namespace

int32_t TKwAreaHitIndex::ItemWinding(uint32_t Item, double X, double Y) const {
    if (Item < FEdges.size()) {
        const TEdge& e = FEdges[Item];
        return EdgeWinding(e.X0, e.Y0, e.X1, e.Y1, e.Dir, X, Y);
    }
    const TCurve& c = FCurves[Item - FEdges.size()];
    if (Y < c.Top || Y > c.Bottom || X > c.Right) return 0;
    return CurveWinding(c.Cubic, X, Y);
}

int32_t TKwAreaHitIndex::Winding(double X, double Y) const {
    if (FBandStart.empty() || !(Y >= FTop && Y <= FBottom) || std::isnan(X)) return 0;
    const size_t bands = FBandStart.size() - 1;
    const double b = std::floor((Y - FTop) / FBandHeight);
    const size_t band = size_t(std::clamp(b, 0.0, double(bands - 1)));
    int32_t winding = 0;
    for (uint32_t i = FBandStart[band]; i < FBandStart[band + 1]; ++i)
        winding += ItemWinding(FBandItems[i], X, Y);
    for (uint32_t item : FTall) winding += ItemWinding(item, X, Y);
    return winding;
}

} // namespace kw::detail
