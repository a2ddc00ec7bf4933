// SPDX-License-Identifier: MIT
#pragma once
// The drawing routines' names for the platform's pixel conversions (PixelRounding.h):
// round to nearest with ties to even, or truncate, saturating at the 32-bit range; NaN
// gives 0. The routines compute in extended precision, so these take long double.

#include "kwgfx/platform/graphics/PixelRounding.h"

#include <cstdint>

namespace kw::detail {

inline int32_t RoundPixel(long double Value) {
    return platform::RoundToPixel(Value);
}

inline int32_t TruncPixel(long double Value) {
    return platform::TruncToPixel(Value);
}

// An int64 result narrowed to the pixel range.
constexpr int32_t ClampPixel(int64_t Value) {
    return platform::ClampToPixel(Value);
}

} // namespace kw::detail
