// SPDX-License-Identifier: MIT
// The figures of a path as drawing hands them to a canvas (detail/KwPathFigures.h).

#include "kwgfx/path/detail/KwPathFigures.h"

#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/path/detail/KwPathWalk.h"

#include <cmath>
#include <limits>

namespace kw::detail {

namespace {

// The walk of ToPolygons, writing sub-pixel points.
struct TAreaFigureWriter {
    const TKwSampleView* View;
    TKwAreaFigures Figures;
    std::vector<platform::TPointD> Figure;

    void Flush() {
        if (!Figure.empty()) Figures.push_back(std::move(Figure));
        Figure.clear();
    }
    void Add(const TKwPoint& P) { Figure.emplace_back(P.X, P.Y); }
    void Move(size_t, const TKwPoint& P) {
        Flush();
        Add(P);
    }
    void Line(size_t, const TKwPoint& P) { Add(P); }
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        if (Figure.empty() || !(Figure.back() == platform::TPointD(P0.X, P0.Y))) Add(P0);
        SampleCurveInView(P0, C1, C2, P3, View, [this](const TKwPoint& S) { Add(S); });
    }
    // A close on an empty figure (a second close in a row) has nothing to close.
    void Close(size_t, const TKwPoint&) {
        if (Figure.empty()) return;
        Figure.push_back(Figure.front());
        Flush();
    }
};

// The walk of DrawPath, collecting each figure it would paint.
struct TCanvasFigureWriter {
    std::span<const TKwPathPoint> Entries;
    const TKwSampleView* View;
    TKwCanvasFigures Figures;
    TCanvasPoints Figure;

    void Emit() {
        if (!Figure.empty()) Figures.push_back(std::move(Figure));
        Figure.clear();
    }
    void Move(size_t I, const TKwPoint& P) {
        if (I > 0 && Entries[I - 1].Kind != ppClose) Emit();
        Figure.push_back(KwPointToCanvasPoint(P));
    }
    void Line(size_t, const TKwPoint& P) { Figure.push_back(KwPointToCanvasPoint(P)); }
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        auto add = [this](const TKwPoint& S) {
            const TPoint p = KwPointToCanvasPoint(S);
            if (Figure.empty() || !(Figure.back() == p)) Figure.push_back(p);
        };
        add(P0);
        SampleCurveInView(P0, C1, C2, P3, View, add);
    }
    void Close(size_t, const TKwPoint&) {
        if (Figure.empty()) return;
        Figure.push_back(Figure.front());
        Emit();
    }
};

struct TControlBoxWalker {
    TKwBoxD Box{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
                -std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    bool Finite = true;

    void Move(size_t, const TKwPoint&) {}
    void Line(size_t, const TKwPoint&) {}
    void Close(size_t, const TKwPoint&) {}
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        const TKwBoxD b = TKwBoxD::Of(TKwCubicD::Of(P0, C1, C2, P3));
        if (!b.IsFinite()) Finite = false;
        Box = {std::min(Box.Left, b.Left), std::min(Box.Top, b.Top), std::max(Box.Right, b.Right),
               std::max(Box.Bottom, b.Bottom)};
    }
};

} // namespace

TKwAreaFigures BuildAreaFigures(std::span<const TKwPathPoint> Entries, const TKwSampleView* View) {
    TAreaFigureWriter writer{View, {}, {}};
    WalkPath(Entries, writer);
    writer.Flush();
    return std::move(writer.Figures);
}

TKwCanvasFigures BuildCanvasFigures(std::span<const TKwPathPoint> Entries,
                                    const TKwSampleView* View) {
    TCanvasFigureWriter writer{Entries, View, {}, {}};
    WalkPath(Entries, writer);
    writer.Emit();
    return std::move(writer.Figures);
}

TKwBoxD CurvesControlBox(std::span<const TKwPathPoint> Entries) {
    TControlBoxWalker walker;
    WalkPath(Entries, walker);
    if (!walker.Finite) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan, nan, nan};
    }
    return walker.Box;
}

} // namespace kw::detail
