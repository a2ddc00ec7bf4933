// SPDX-License-Identifier: MIT
// The parts a path keeps between drawing and hit-testing calls (detail/KwPathSampleCache.h).

#include "kwgfx/path/detail/KwPathSampleCache.h"

#include "kwgfx/path/KwPathTightBounds.h"
#include "kwgfx/path/detail/KwPathWalk.h"

namespace kw::detail {

std::shared_ptr<const TKwAreaFigures>
TKwPathSampleCache::AreaFigures(std::span<const TKwPathPoint> Entries) {
    std::lock_guard lock(FLock);
    if (FAreaFigures) return FAreaFigures;
    auto figures = std::make_shared<const TKwAreaFigures>(BuildAreaFigures(Entries, nullptr));
    if (PointCount(*figures) <= MaxCachedPoints) FAreaFigures = figures;
    return figures;
}

std::shared_ptr<const TKwCanvasFigures>
TKwPathSampleCache::CanvasFigures(std::span<const TKwPathPoint> Entries) {
    std::lock_guard lock(FLock);
    if (FCanvasFigures) return FCanvasFigures;
    auto figures = std::make_shared<const TKwCanvasFigures>(BuildCanvasFigures(Entries, nullptr));
    if (PointCount(*figures) <= MaxCachedPoints) FCanvasFigures = figures;
    return figures;
}

std::shared_ptr<const TKwAreaHitIndex>
TKwPathSampleCache::HitIndex(std::span<const TKwPathPoint> Entries) {
    std::lock_guard lock(FLock);
    // The index bounds its own size (TKwAreaHitIndex::MaxSampledPoints), so it is always kept.
    if (!FHitIndex) FHitIndex = std::make_shared<const TKwAreaHitIndex>(Entries);
    return FHitIndex;
}

TKwBoxD TKwPathSampleCache::CurvesBox(std::span<const TKwPathPoint> Entries) {
    std::lock_guard lock(FLock);
    if (!FCurvesBox) FCurvesBox = CurvesControlBox(Entries);
    return *FCurvesBox;
}

TKwRect TKwPathSampleCache::TightBounds(std::span<const TKwPathPoint> Entries) {
    std::lock_guard lock(FLock);
    if (!FTightBounds) FTightBounds = kw::TightBounds(Entries);
    return *FTightBounds;
}

namespace {

// The walk of BuildAreaFigures, writing the figures with their curves: the same figures, one
// closed area each, as the rasteriser fills them.
struct TRasterPathWriter {
    raster::TRasterPath& Path;
    bool Open = false; // a figure has begun and not been closed
    TKwPoint Last;

    void Point(const TKwPoint& P) {
        if (!Open)
            Path.MoveTo({P.X, P.Y});
        else
            Path.LineTo({P.X, P.Y});
        Open = true;
        Last = P;
    }
    void Move(size_t, const TKwPoint& P) {
        Open = false;
        Point(P);
    }
    void Line(size_t, const TKwPoint& P) { Point(P); }
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        if (!Open || Last.X != P0.X || Last.Y != P0.Y) Point(P0);
        Path.CubicTo({C1.X, C1.Y}, {C2.X, C2.Y}, {P3.X, P3.Y});
        Last = P3;
    }
    void Close(size_t, const TKwPoint&) {
        if (Open) Path.Close();
        Open = false;
    }
};

} // namespace

std::shared_ptr<const raster::TRasterPath>
TKwPathSampleCache::RasterPath(std::span<const TKwPathPoint> Entries) {
    std::lock_guard lock(FLock);
    if (FRasterPath) return FRasterPath;
    auto path = std::make_shared<raster::TRasterPath>();
    WalkPath(Entries, TRasterPathWriter{*path, false, {}});
    if (Entries.size() <= MaxCachedPoints) FRasterPath = path;
    return path;
}

void TKwPathSampleCache::Clear() {
    std::lock_guard lock(FLock);
    FAreaFigures.reset();
    FCanvasFigures.reset();
    FHitIndex.reset();
    FCurvesBox.reset();
    FTightBounds.reset();
    FRasterPath.reset();
}

} // namespace kw::detail
