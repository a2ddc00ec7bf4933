// SPDX-License-Identifier: MIT
#pragma once
// Plain, slow answers about a set of closed figures, for checking the fast ones: the winding
// number at a point by brute force over every edge, and which pixel centres lie close to an
// edge (where two flattenings of one curve may disagree). The figures come from what
// FillPathArea hands a recording canvas.

#include "kwgfx/path/KwPathAreaFill.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/graphics/PointD.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

namespace kw::test {

using TFiguresD = std::vector<std::vector<platform::TPointD>>;

// The figures of the PolyPolygonF calls among Calls.
inline TFiguresD FiguresOf(const std::vector<platform::TCanvasCall>& Calls) {
    TFiguresD figures;
    for (const platform::TCanvasCall& call : Calls) {
        size_t at = 0;
        for (size_t k = 1; call.Name == "PolyPolygonF" && k < call.Args.size(); ++k) {
            const size_t n = size_t(call.Args[k]);
            figures.emplace_back(call.PointsF.begin() + at, call.PointsF.begin() + at + n);
            at += n;
        }
    }
    return figures;
}

// The figures FillPathArea hands a canvas with the clip box Clip.
inline TFiguresD AreaFigures(const TKwPathData& Path, std::optional<platform::TRect> Clip) {
    platform::TRecordingCanvas canvas;
    canvas.SetClipBox(Clip);
    FillPathArea(canvas, Path);
    return FiguresOf(canvas.Calls());
}

struct TEdgeD {
    platform::TPointD A, B;
};

// The edges of the closed figures (each closed from its last point to its first) that can
// count for a point in the box (L, T, R, B) under the rule of WindingAt: those reaching to
// the right of L with a vertical extent that meets the box's.
inline std::vector<TEdgeD> EdgesFor(const TFiguresD& Figures, double L, double T, double B) {
    std::vector<TEdgeD> edges;
    for (const auto& f : Figures)
        for (size_t i = 0; i < f.size(); ++i) {
            const platform::TPointD& a = f[i];
            const platform::TPointD& b = f[(i + 1) % f.size()];
            if (std::max(a.X, b.X) < L || std::max(a.Y, b.Y) < T || std::min(a.Y, b.Y) > B)
                continue;
            edges.push_back({a, b});
        }
    return edges;
}

// The winding number round (X, Y), summed over every edge that the ray towards +X crosses:
// an edge counts when Y lies in [lower, upper) of its ends.
inline int WindingAt(const std::vector<TEdgeD>& Edges, double X, double Y) {
    int winding = 0;
    for (const TEdgeD& e : Edges) {
        const bool up = e.A.Y <= Y && Y < e.B.Y, down = e.B.Y <= Y && Y < e.A.Y;
        if (!up && !down) continue;
        const double x = e.A.X + (e.B.X - e.A.X) * (Y - e.A.Y) / (e.B.Y - e.A.Y);
        if (X < x) winding += up ? 1 : -1;
    }
    return winding;
}

inline int WindingAt(const TFiguresD& Figures, double X, double Y) {
    return WindingAt(EdgesFor(Figures, X, Y, Y), X, Y);
}

inline double DistanceToSegment(double X, double Y, const platform::TPointD& A,
                                const platform::TPointD& B) {
    const double dx = B.X - A.X, dy = B.Y - A.Y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((X - A.X) * dx + (Y - A.Y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(X - (A.X + t * dx), Y - (A.Y + t * dy));
}

// Marks, in a Width x Height grid of pixel centres (x, y), those within Distance of an
// edge of the closed figures. Each edge visits only the pixels of its own box, cut to the
// grid, so far-reaching edges cost no more than their part near it.
inline std::vector<bool> NearEdges(const TFiguresD& Figures, int Width, int Height,
                                   double Distance) {
    std::vector<bool> near(size_t(Width) * Height, false);
    for (const auto& f : Figures) {
        for (size_t i = 0; i < f.size(); ++i) {
            const platform::TPointD& a = f[i];
            const platform::TPointD& b = f[(i + 1) % f.size()];
            const double l = std::max(std::min(a.X, b.X) - Distance, 0.0);
            const double r = std::min(std::max(a.X, b.X) + Distance, Width - 1.0);
            const double t = std::max(std::min(a.Y, b.Y) - Distance, 0.0);
            const double btm = std::min(std::max(a.Y, b.Y) + Distance, Height - 1.0);
            if (l > r || t > btm) continue;
            for (int y = int(std::ceil(t)); y <= int(std::floor(btm)); ++y)
                for (int x = int(std::ceil(l)); x <= int(std::floor(r)); ++x)
                    if (DistanceToSegment(x, y, a, b) <= Distance)
                        near[size_t(y) * Width + x] = true;
        }
    }
    return near;
}

} // namespace kw::test
