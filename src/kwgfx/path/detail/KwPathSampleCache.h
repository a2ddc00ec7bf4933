// SPDX-License-Identifier: MIT
#pragma once
// What a path keeps between the calls that paint or hit-test it, so that an icon drawn or
// hit-tested again and again is sampled once: its figures as FillPathArea and DrawPath hand
// them to a canvas (sampled as without a view), the box of its curves' control points that
// tells whether a view would sample them any differently, the index of the area hit test,
// its tight bounds, and its figures with their curves as the rasteriser takes them. Each part is
// built from the entries on first use; the path drops them all on every change
// (TKwPathData::Change).
//
// Parts are shared, immutable once built, and handed out under a lock, so that threads
// reading one path at the same time may all use it. Figures with more points than
// MaxCachedPoints are handed out without being kept: a huge path costs its memory only
// while it is being drawn.

#include "kwgfx/path/KwPathPoint.h"
#include "kwgfx/path/detail/KwAreaHitIndex.h"
#include "kwgfx/path/detail/KwPathFigures.h"
#include "kwgfx/raster/RasterPath.h"

#include <memory>
#include <mutex>
#include <optional>
#include <span>

namespace kw::detail {

class TKwPathSampleCache {
public:
    static constexpr size_t MaxCachedPoints = size_t{1} << 20;

    std::shared_ptr<const TKwAreaFigures> AreaFigures(std::span<const TKwPathPoint> Entries);
    std::shared_ptr<const TKwCanvasFigures> CanvasFigures(std::span<const TKwPathPoint> Entries);
    std::shared_ptr<const TKwAreaHitIndex> HitIndex(std::span<const TKwPathPoint> Entries);
    // CurvesControlBox of the entries.
    TKwBoxD CurvesBox(std::span<const TKwPathPoint> Entries);
    // TightBounds of the entries.
    TKwRect TightBounds(std::span<const TKwPathPoint> Entries);
    // The entries as a rasteriser path: moves, lines, cubic curves and closes.
    std::shared_ptr<const raster::TRasterPath> RasterPath(std::span<const TKwPathPoint> Entries);

    void Clear();

private:
    std::mutex FLock;
    std::shared_ptr<const TKwAreaFigures> FAreaFigures;
    std::shared_ptr<const TKwCanvasFigures> FCanvasFigures;
    std::shared_ptr<const TKwAreaHitIndex> FHitIndex;
    std::optional<TKwBoxD> FCurvesBox;
    std::optional<TKwRect> FTightBounds;
    std::shared_ptr<const raster::TRasterPath> FRasterPath;
};

} // namespace kw::detail
