// SPDX-License-Identifier: MIT
#pragma once
// The distance between two integer points with the differences and squares taken exactly:
// a difference of two 32-bit coordinates needs 33 bits and its square 64, so the sum of
// two squares is formed in 128 bits and rounded once, to double, before the square root.

#include "kwgfx/geometry/KwTypes.h"

#include <cmath>
#include <cstdint>

namespace kw::detail {

// The squared distance, exact (at most 2^65).
inline unsigned __int128 SquaredIntegerDistance(const TPoint& P, const TPoint& Q) {
    auto magnitude = [](int64_t D) { return static_cast<uint64_t>(D < 0 ? -D : D); };
    const uint64_t dx = magnitude(int64_t{Q.X} - P.X);
    const uint64_t dy = magnitude(int64_t{Q.Y} - P.Y);
    return static_cast<unsigned __int128>(dx) * dx + static_cast<unsigned __int128>(dy) * dy;
}

// The distance rounded to float, as the point operations use it.
inline float IntegerDistance(const TPoint& P, const TPoint& Q) {
    return static_cast<float>(std::sqrt(static_cast<double>(SquaredIntegerDistance(P, Q))));
}

} // namespace kw::detail
