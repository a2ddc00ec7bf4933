// SPDX-License-Identifier: MIT
// The band loops in plain C++, for processors without the x86 vector instructions.
#define KWGFX_RASTER_LEVEL 0
#include "kwgfx/raster/detail/RasterKernelsImpl.h"

namespace kw::raster::detail {

const TBandLoops kPortableLoops{&ResolveBandHere, &ResolveHardBandHere, &ResolveListedBandHere,
                                &FillRowsHere};

} // namespace kw::raster::detail
