#pragma once
// Float-to-pixel conversions of the drawing routines: round to nearest with ties to even
// (or truncate), saturating at the 32-bit range so that no input makes the conversion
// undefined; NaN gives 0.

#include <cmath>
#include <cstdint>
#include <limits>

namespace kw::detail {

inline int32_t SaturateToInt32(long double Integral) {
    if (Integral != Integral) return 0;
    if (Integral >= 2147483647.0L) return std::numeric_limits<int32_t>::max();
    if (Integral <= -2147483648.0L) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(Integral);
}

inline int32_t RoundPixel(long double Value) {
    return SaturateToInt32(std::nearbyint(Value));
}

inline int32_t TruncPixel(long double Value) {
    return SaturateToInt32(std::trunc(Value));
}

// An int64 result narrowed to the pixel range.
inline int32_t ClampPixel(int64_t Value) {
    if (Value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (Value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(Value);
}

} // namespace kw::detail
