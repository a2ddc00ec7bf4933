// SPDX-License-Identifier: MIT
// The band loops with AVX2; built with -mavx2 and called only on processors that have it.
#define KWGFX_RASTER_LEVEL 2
#include "kwgfx/raster/detail/RasterKernelsImpl.h"

namespace kw::raster::detail {

const TBandLoops kAvx2Loops{&ResolveBandHere, &ResolveHardBandHere, &ResolveListedBandHere,
                            &FillRowsHere};

} // namespace kw::raster::detail
