// SPDX-License-Identifier: MIT
// The parts a path keeps between drawing and hit-testing calls (detail/KwPathSampleCache.h).

#include "kwgfx/path/detail/KwPathSampleCache.h"

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

void TKwPathSampleCache::Clear() {
    std::lock_guard lock(FLock);
    FAreaFigures.reset();
    FCanvasFigures.reset();
    FHitIndex.reset();
    FCurvesBox.reset();
}

} // namespace kw::detail
