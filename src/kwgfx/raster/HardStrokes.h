// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Hard-edged strokes of an opaque paint, put down span by span without filling their
/// outlines: the pixels StrokePolyline and TRasterizer::FillSolid give, in less time.
///
/// A stroke's outline is the union of convex pieces, all wound the same way: each
/// segment's band (the ends' caps included), which reaches across a gentle corner to the
/// cut along its bisector, and the wedge on the outer side of every other corner. The
/// outline's winding number at a pixel centre, as the rasteriser counts crossings, is the
/// sum of the pieces' (their inner sides cancel edge for edge), so a pixel is in the outline
/// exactly when it is in some piece; an opaque paint may go down piece by piece, since a
/// pixel painted twice is painted once. The pieces' crossings are found as the fill finds
/// them, so that ties at pixel centres fall the same way. Where that cannot be sure (a
/// piece with a point that is not finite, a piece that rounding bent out of shape, so many
/// pieces that the fill's counts would wrap), Add says so and the outlines are to be filled.

#include "kwgfx/raster/RasterTypes.h"
#include "kwgfx/raster/Rasterizer.h"
#include "kwgfx/raster/Stroker.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kw::raster {

namespace detail {
struct THardStrokeSink;
} // namespace detail

/// The spans of hard-edged strokes; see the file's description.
class THardStrokes {
public:
    /// Forgets the strokes added so far. Those added next are painted where Raster would
    /// fill their outlines with hard edges: in its clip box, under its transform as now set.
    void Reset(const TRasterizer& Raster);
    /// Adds the stroke whose outline StrokePolyline(Raster, Points, Closed, Style) would
    /// add. False when the strokes added since Reset cannot all be painted span by span
    /// (their outlines are to be filled instead); it stays false until Reset.
    bool Add(std::span<const TVertex> Points, bool Closed, const TStrokeStyle& Style);
    /// Paints Argb (premultiplied) onto the strokes' pixels in Target, whose pixel (0, 0) is
    /// device pixel (0, 0): what FillSolid does under the nonzero rule with the operator
    /// Source, or Over with an opaque Argb. Only pixels in the clip box and Target change.
    void Paint(const TImageView& Target, std::uint32_t Argb) const;

private:
    // Cuts lines into pieces (HardStrokes.cpp): internal, so that none of it is exported.
    friend struct detail::THardStrokeSink;
    struct TRowCrossings {
        std::int32_t Down, Up, Count;
    };
    // A span's columns, Left..Right-1 in the clip box (none where Left >= Right).
    struct TSpanColumns {
        std::int32_t Left, Right;
    };
    // Rows First..First+Rows-1 of the box, one span each: the next Rows columns kept.
    struct TSpanRows {
        std::int32_t First, Rows;
    };

    // A point of the outline in the box: as a double and rounded to a float, and where.
    struct TBoxPoint {
        double X, Y;
        float FX, FY;
        unsigned Place; ///< kInside, kOutside (finite) or kNotFinite
        int Row;        ///< inside: the first row whose centre lies at or below it
    };

    void ToBox(TVertex P, TBoxPoint& Out) const;
    // A convex piece; bit k of Shared set when its edge k (from point k to the next) is
    // shared with another piece and not on the outline.
    void AddPiece(const TBoxPoint* const* Points, int Count, unsigned Shared);
    // A piece whose points all lie in the box, joined from the pieces before it (AddPiece
    // each): false (and nothing added) where they are to be added one by one instead.
    bool AddJoinedPiece(const TBoxPoint* const* Points, int Count);
    // The same for a piece whose points all lie in the box, rows First..First+Rows-1, with
    // no test per row: false (and nothing added) where a row is not crossed once each way.
    bool AddInsidePiece(const TBoxPoint* const* Points, int Count, int First, int Rows);
    // The same, counting each row's crossings, for any piece: one that crosses the box's
    // sides, or one that AddInsidePiece gave back.
    void AddPieceByRows(const TBoxPoint* const* Points, int Count, unsigned Shared, unsigned Places,
                        int First, int End);
    // Room for Rows more spans at FColumns[FColumnCount]; false when there may be no more.
    bool RoomForSpans(int Rows);
    // Keeps the spans' winding: false when it differs from that of the spans before.
    bool SameWinding(bool Down, bool Up);

    TAffine FToBox;
    bool FMoveOnly = true;                // FToBox only moves points
    double FBoxWidth = 0, FBoxHeight = 0; // the clip box's size
    TPixelBox FClip;
    bool FFailed = true;
    unsigned FWindings = 0; // the windings of the spans so far: 1 for down-up, 2 for up-down
    std::size_t FPieces = 0;
    std::vector<TRowCrossings> FRows;
    // The spans: row after row of each of FSpanRows, their columns the first FColumnCount
    // of FColumns (the rest is room for more).
    std::vector<TSpanRows> FSpanRows;
    std::vector<TSpanColumns> FColumns;
    std::size_t FColumnCount = 0;
};

} // namespace kw::raster
