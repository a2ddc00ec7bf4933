// SPDX-License-Identifier: MIT
// The band loops in plain C++, for processors without the x86 vector instructions.
#define KWGFX_RASTER_LEVEL 0
#include "kwgfx/raster/detail/RasterKernelsImpl.h"

namespace kw::raster::detail {

void ResolveBandPortable(const TResolveJob& Job) {
    ResolveBandHere(Job);
}

void ResolveHardBandPortable(const TResolveJob& Job) {
    ResolveHardBandHere(Job);
}

void FillRowsPortable(const TResolveJob& Job) {
    FillRowsHere(Job);
}

} // namespace kw::raster::detail
