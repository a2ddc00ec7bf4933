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

namespace {

const TBandLoops& ActiveLoops() {
    switch (ActiveSimdLevel()) {
#if defined(KWGFX_RASTER_X86)
    case TSimdLevel::Avx2:
        return kAvx2Loops;
    case TSimdLevel::Sse2:
        return kSse2Loops;
#endif
    default:
        return kPortableLoops;
    }
}

} // namespace

void ResolveBand(const TResolveJob& Job) {
    ActiveLoops().Resolve(Job);
}

void ResolveHardBand(const TResolveJob& Job) {
    ActiveLoops().ResolveHard(Job);
}

void ResolveListedBand(const TResolveJob& Job) {
    ActiveLoops().ResolveListed(Job);
}

void FillRows(const TResolveJob& Job) {
    ActiveLoops().Fill(Job);
}

} // namespace kw::raster::detail
