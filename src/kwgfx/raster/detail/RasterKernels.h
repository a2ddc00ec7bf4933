// SPDX-License-Identifier: MIT
#pragma once
// Internal to the rasteriser: the inner loops that turn a band of accumulation cells into
// pixels, built once per instruction set and chosen at run time.
//
// A band holds Rows rows of cells, one 32-bit cell per pixel column and a few more. A cell
// holds the change of coverage from the pixel before it, in units of 1/65536 of a pixel
// (kCoverageOne): the running sum along a row is the winding-weighted area of each pixel.
// Beside the cells, one bit per group of eight cells (kCellsPerBit) tells which were
// touched; untouched cells are zero, so the sum stays constant over them and a run of them
// is one span of a single coverage. Resolving a band reads every touched group, writes the
// pixels and leaves cells and bits zero again.

#include "kwgfx/raster/RasterTypes.h"
#include "kwgfx/raster/SimdLevel.h"

#include <cstddef>
#include <cstdint>

namespace kw::raster::detail {

inline constexpr std::int32_t kCoverageOne = 1 << 16;
inline constexpr int kCellsPerBit = 8;
// Most crossings of one row of hard edges kept as a list (ResolveListedBand).
inline constexpr int kListSlots = 16;

// What a band is resolved into.
enum class TTargetKind : std::uint8_t {
    Over,   // Color over 32-bit premultiplied pixels
    Source, // Color replacing 32-bit pixels in proportion to the coverage
    Mask    // coverage bytes, written where there is coverage
};

struct TResolveJob {
    std::uint32_t* Cells = nullptr;     // row 0 of the band (sums wrap, as two's complement)
    std::uint16_t* Crossings = nullptr; // the same for hard edges: whole crossings, wrapping
    // Hard edges as lists instead: row r's crossings, sorted (but for a row of two), are the
    // first ListCounts[r] (at most kListSlots) from Listed[r * kListSlots], each the first
    // column right of the edge times two, plus one for an edge running up.
    const std::int32_t* Listed = nullptr;
    const std::int32_t* ListCounts = nullptr;
    std::size_t CellStride = 0;    // cells from one row to the next
    std::uint64_t* Bits = nullptr; // row 0's touched bits
    std::size_t BitWords = 0;      // 64-bit words from one row to the next
    int Rows = 0;                  // rows in the band
    int Columns = 0;               // pixel columns the cells stand for
    int OutFirst = 0;              // columns OutFirst..OutLast-1 are written,
    int OutLast = 0;               // the others only summed
    TFillRule Rule = TFillRule::NonZero;
    TTargetKind Kind = TTargetKind::Over;
    std::uint8_t* Out = nullptr;  // the pixel of column OutFirst in the band's first row
    std::ptrdiff_t OutStride = 0; // bytes between rows of Out
    std::uint32_t Color = 0;      // premultiplied ARGB, for Over and Source
};

// Resolves a band with the active level's loops.
void ResolveBand(const TResolveJob& Job);
// Resolves a band of hard edges (every cell a whole number of crossings, Hard set), with
// the active level's loops: the same pixels as ResolveBand, found as spans.
void ResolveHardBand(const TResolveJob& Job);
// Resolves a band of hard edges given as sorted lists of crossings per row (Listed), with
// the active level's loops: the same pixels as ResolveHardBand.
void ResolveListedBand(const TResolveJob& Job);
// Paints columns 0..Columns-1 of Rows rows of Out wholly (Kind Over or Source, Color), with
// the active level's loops.
void FillRows(const TResolveJob& Job);

// The loops of one instruction set.
struct TBandLoops {
    void (*Resolve)(const TResolveJob& Job);
    void (*ResolveHard)(const TResolveJob& Job);
    void (*ResolveListed)(const TResolveJob& Job);
    void (*Fill)(const TResolveJob& Job);
};

// The loops of each level (RasterKernels*.cpp); a level this build has not got is absent.
extern const TBandLoops kPortableLoops;
extern const TBandLoops kSse2Loops;
extern const TBandLoops kAvx2Loops;

} // namespace kw::raster::detail
