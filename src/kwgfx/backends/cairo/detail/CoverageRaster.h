#pragma once
// Internal to the Cairo canvas: a rasteriser for fills with very many edges.
//
// Cairo's scan converters keep the edges that cross a row sorted and re-sort them as they
// cross each other, which makes a fill of a million edges that tangle across the picture
// take seconds. This one never sorts: each edge adds to an accumulation grid what it
// changes to the right of itself, and one pass along each row sums that up.
//   - Smooth edges: each edge adds the area it cuts off in every cell it passes (exact
//     for edges that do not overlap within a pixel); the sum along a row is the winding
//     number where a pixel is whole and the covered area where an edge passes, folded by
//     the fill rule.
//   - Hard edges: a pixel is covered when its centre is, as Cairo decides it: a row counts
//     an edge when top <= centre < bottom, a pixel lies inside an edge from the left when
//     the crossing is at or left of its centre.
// The grid is a band of rows at a time, so memory stays bounded for any picture size.

#include "kwgfx/platform/graphics/PointD.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kw::platform::cairo_detail {

// Rasterises a set of edges (segments, in pixel units: pixel (x, y) is the square from
// (x, y) to (x + 1, y + 1)) into coverage bytes for a Width x Height picture.
class TCoverageRaster {
public:
    // BandCells bounds the accumulation grid (cells of 4 bytes); a smaller one only makes
    // more bands.
    TCoverageRaster(int Width, int Height, bool Smooth, std::size_t BandCells = DefaultBandCells);

    // 16 MB of grid, whatever the picture size.
    static constexpr std::size_t DefaultBandCells = std::size_t(1) << 22;

    // Adds the closed figure through Points (the last point joins the first).
    void AddFigure(std::span<const TPointD> Points);
    // Adds one edge; its direction counts for the winding number.
    void AddEdge(TPointD From, TPointD To);

    // Writes the coverage (0 outside, 255 inside) of every pixel under the rule: nonzero
    // winding or even-odd. Out points at row 0; Stride is the distance between rows.
    void Resolve(bool NonZero, std::uint8_t* Out, int Stride);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

private:
    struct TEdge {
        TPointD From;
        TPointD To;
    };
    void AccumulateSmooth(const TEdge& E, int BandTop, int BandRows);
    void AccumulateHard(const TEdge& E, int BandTop, int BandRows);

    void Accumulate(const TEdge& E, int BandTop, int BandRows);

    int FWidth;
    int FHeight;
    bool FSmooth;
    // A picture that fits one band is accumulated as edges arrive; a taller one keeps its
    // edges and goes through them once per band.
    int FBandRows;
    std::vector<TEdge> FEdges;
    std::vector<float> FSmoothCells;
    std::vector<std::int32_t> FHardCells;
};

} // namespace kw::platform::cairo_detail
