// SPDX-License-Identifier: MIT
// The band loops with SSE2, which every x86-64 processor has.
#define KWGFX_RASTER_LEVEL 1
#include "kwgfx/raster/detail/RasterKernelsImpl.h"

namespace kw::raster::detail {

const TBandLoops kSse2Loops{&ResolveBandHere, &ResolveHardBandHere, &ResolveListedBandHere,
                            &FillRowsHere};

} // namespace kw::raster::detail
