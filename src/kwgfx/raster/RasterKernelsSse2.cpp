// SPDX-License-Identifier: MIT
// The band loops with SSE2, which every x86-64 processor has.
#define KWGFX_RASTER_LEVEL 1
#include "kwgfx/raster/detail/RasterKernelsImpl.h"

namespace kw::raster::detail {

void ResolveBandSse2(const TResolveJob& Job) {
    ResolveBandHere(Job);
}

void ResolveHardBandSse2(const TResolveJob& Job) {
    ResolveHardBandHere(Job);
}

void FillRowsSse2(const TResolveJob& Job) {
    FillRowsHere(Job);
}

} // namespace kw::raster::detail
