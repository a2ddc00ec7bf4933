// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The instruction sets the rasteriser's inner loops are built for, chosen at run time:
/// the best one the processor has, unless a program asks for a lower one (to compare them,
/// or to rule one out).

#include <cstdint>

namespace kw::raster {

/// An instruction set of the inner loops, lowest first.
enum class TSimdLevel : std::uint8_t {
    Portable, ///< plain C++, on every processor
    Sse2,     ///< SSE2, which every x86-64 processor has
    Avx2      ///< AVX2, on x86-64 processors from about 2013 on
};

/// The best level this processor and build can run.
TSimdLevel BestSimdLevel();
/// The level in use: the best one unless UseSimdLevel chose a lower one.
TSimdLevel ActiveSimdLevel();
/// Makes every rasteriser use Level (capped at the best one) from now on, in all threads.
void UseSimdLevel(TSimdLevel Level);

} // namespace kw::raster
