// SPDX-License-Identifier: MIT
// The band loops with AVX2; built with -mavx2 and called only on processors that have it.
#define KWGFX_RASTER_LEVEL 2
#include "kwgfx/raster/detail/RasterKernelsImpl.h"

namespace kw::raster::detail {

void ResolveBandAvx2(const TResolveJob& Job) {
    ResolveBandHere(Job);
}

void ResolveHardBandAvx2(const TResolveJob& Job) {
    ResolveHardBandHere(Job);
}

void FillRowsAvx2(const TResolveJob& Job) {
    FillRowsHere(Job);
}

} // namespace kw::raster::detail
