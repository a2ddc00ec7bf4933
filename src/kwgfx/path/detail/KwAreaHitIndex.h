// SPDX-License-Identifier: MIT
#pragma once
// The index behind TKwPathData::PointInPathArea: the outline of every figure of a path, each
// figure closed, in horizontal bands, so that a query looks only at the edges that can
// cross the horizontal ray from its point.
//
// The figures are those FillPathArea paints (ToPolygons' samples, a figure with a point that
// is not finite left out). Curves are sampled as there, up to a budget of points; curves
// beyond it stay curves, and a query cuts one in halves (de Casteljau) only where its
// control box holds the point, so a path with huge curves costs time per query instead of
// memory up front.

#include "kwgfx/path/KwPathPoint.h"
#include "kwgfx/path/detail/KwCubicSampler.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kw::detail {

class TKwAreaHitIndex {
public:
    // Most curve samples kept as edges; about 20 bytes each, and as many again in bands.
    static constexpr size_t MaxSampledPoints = size_t{1} << 20;

    explicit TKwAreaHitIndex(std::span<const TKwPathPoint> Entries);

    // The winding number of the outlines round (X, Y), counted along the ray towards +X:
    // an edge counts when Y lies in [top, bottom) of it and X lies left of its crossing.
    // Its parity is the even-odd answer.
    int32_t Winding(double X, double Y) const;

    // Edges and curves kept, for tests of the budget.
    size_t EdgeCount() const { return FEdges.size(); }
    size_t CurveCount() const { return FCurves.size(); }

private:
    // Y0 < Y1; Dir is +1 for an edge running downwards (towards +Y), -1 upwards.
    struct TEdge {
        float X0, Y0, X1, Y1;
        int32_t Dir;
    };
    struct TCurve {
        TKwCubicD Cubic;
        float Left, Top, Right, Bottom;
    };
    friend struct TAreaHitIndexBuilder;

    void Index();
    // An item is an edge (index below the edge count) or a curve (after them).
    int32_t ItemWinding(uint32_t Item, double X, double Y) const;

    std::vector<TEdge> FEdges;
    std::vector<TCurve> FCurves;
    // Bands of equal height from FTop to FBottom; band b lists its items at
    // FBandItems[FBandStart[b] .. FBandStart[b + 1]). Items spanning many bands are listed
    // once, in FTall, and looked at by every query.
    double FTop = 0;
    double FBottom = 0;
    double FBandHeight = 1;
    std::vector<uint32_t> FBandStart;
    std::vector<uint32_t> FBandItems;
    std::vector<uint32_t> FTall;
};

} // namespace kw::detail
