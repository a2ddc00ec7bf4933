// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The platform's fuzzy float comparison: two values are the same when they differ by at
/// most a tolerance relative to the smaller magnitude, never less than an absolute floor.

#include <algorithm>
#include <cmath>

namespace kw::platform {

/// Default tolerances: the type's resolution times a fuzz factor of 1000.
///@{
inline constexpr float kSingleResolution = 1E-7f * 1000;
inline constexpr double kDoubleResolution = 1E-15 * 1000;
///@}

/// Equal when |A - B| <= max(min(|A|, |B|) * Epsilon, Epsilon). Epsilon 0 picks the default.
inline bool SameValue(float A, float B, float Epsilon = 0) {
    if (Epsilon == 0)
        Epsilon =
            std::max(std::min(std::fabs(A), std::fabs(B)) * kSingleResolution, kSingleResolution);
    if (A > B) return (A - B) <= Epsilon;
    return (B - A) <= Epsilon;
}

/// The same in double precision, with kDoubleResolution.
inline bool SameValue(double A, double B, double Epsilon = 0) {
    if (Epsilon == 0)
        Epsilon =
            std::max(std::min(std::fabs(A), std::fabs(B)) * kDoubleResolution, kDoubleResolution);
    if (A > B) return (A - B) <= Epsilon;
    return (B - A) <= Epsilon;
}

} // namespace kw::platform
