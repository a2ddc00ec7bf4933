// SPDX-License-Identifier: MIT
// Choosing the band loops for the processor at run time (SimdLevel.h, detail/RasterKernels.h).
#include "kwgfx/raster/detail/RasterKernels.h"

#include <atomic>

namespace kw::raster {

namespace {

TSimdLevel DetectLevel() {
#if defined(KWGFX_RASTER_X86)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return TSimdLevel::Avx2;
    return TSimdLevel::Sse2;
#else
    return TSimdLevel::Portable;
#endif
}

std::atomic<TSimdLevel>& Active() {
    static std::atomic<TSimdLevel> level{BestSimdLevel()};
    return level;
}

} // namespace

TSimdLevel BestSimdLevel() {
    static const TSimdLevel best = DetectLevel();
    return best;
}

TSimdLevel ActiveSimdLevel() {
    return Active().load(std::memory_order_relaxed);
}

void UseSimdLevel(TSimdLevel Level) {
    Active().store(Level < BestSimdLevel() ? Level : BestSimdLevel(), std::memory_order_relaxed);
}

} // namespace kw::raster

namespace kw::raster::detail {

void ResolveBand(const TResolveJob& Job) {
    switch (ActiveSimdLevel()) {
#if defined(KWGFX_RASTER_X86)
    case TSimdLevel::Avx2:
        ResolveBandAvx2(Job);
        return;
    case TSimdLevel::Sse2:
        ResolveBandSse2(Job);
        return;
#endif
    default:
        ResolveBandPortable(Job);
        return;
    }
}

void ResolveHardBand(const TResolveJob& Job) {
    switch (ActiveSimdLevel()) {
#if defined(KWGFX_RASTER_X86)
    case TSimdLevel::Avx2:
        ResolveHardBandAvx2(Job);
        return;
    case TSimdLevel::Sse2:
        ResolveHardBandSse2(Job);
        return;
#endif
    default:
        ResolveHardBandPortable(Job);
        return;
    }
}

void FillRows(const TResolveJob& Job) {
    switch (ActiveSimdLevel()) {
#if defined(KWGFX_RASTER_X86)
    case TSimdLevel::Avx2:
        FillRowsAvx2(Job);
        return;
    case TSimdLevel::Sse2:
        FillRowsSse2(Job);
        return;
#endif
    default:
        FillRowsPortable(Job);
        return;
    }
}

} // namespace kw::raster::detail
