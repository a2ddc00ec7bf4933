// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Float-to-pixel conversions shared by the canvases, the geometry conversions and the
/// drawing routines: round to nearest with ties to even (or truncate towards zero), then
/// saturate at the 32-bit range so that no input makes the conversion undefined; NaN gives 0.
///
/// The long double forms round the extended value itself, so a caller that computes in
/// extended precision does not round twice.

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>

namespace kw::platform {

/// A whole number (or NaN, or an infinity) narrowed to 32 bits, saturating.
template <std::floating_point F>
constexpr int32_t SaturateToPixel(F Integral) {
    if (Integral != Integral) return 0;
    if (Integral >= F(2147483647)) return std::numeric_limits<int32_t>::max();
    if (Integral <= F(-2147483648.0)) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(Integral);
}

/// V rounded to nearest (ties to even) and narrowed to 32 bits, saturating; NaN gives 0.
///@{
inline int32_t RoundToPixel(double V) {
    return SaturateToPixel(std::nearbyint(V));
}
inline int32_t RoundToPixel(long double V) {
    return SaturateToPixel(std::nearbyint(V));
    ///@}
}

/// V rounded towards zero and narrowed to 32 bits, saturating; NaN gives 0.
///@{
inline int32_t TruncToPixel(double V) {
    return SaturateToPixel(std::trunc(V));
}
inline int32_t TruncToPixel(long double V) {
    return SaturateToPixel(std::trunc(V));
    ///@}
}

/// A 64-bit intermediate narrowed to the pixel range, saturating.
constexpr int32_t ClampToPixel(int64_t V) {
    if (V > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (V < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(V);
}

} // namespace kw::platform
