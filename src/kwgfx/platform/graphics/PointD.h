// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A point with double-precision coordinates for the canvas's sub-pixel drawing calls, and
/// its conversion to a whole pixel for canvases that draw only on whole pixels.
///
/// Coordinates follow the integer convention: (x, y) is the centre of pixel (x, y) when both
/// are whole numbers, so (2.5, 3) lies on the border between pixels (2, 3) and (3, 3).

#include "kwgfx/platform/graphics/PixelRounding.h"
#include "kwgfx/platform/graphics/Types.h"

#include <cmath>

namespace kw::platform {

/// A point with double coordinates; see the file's description.
struct TPointD {
    double X = 0; ///< The horizontal coordinate.
    double Y = 0; ///< The vertical coordinate.
    constexpr TPointD() = default;
    /// The point (AX, AY).
    constexpr TPointD(double AX, double AY) : X(AX), Y(AY) {}
    friend constexpr bool operator==(const TPointD&, const TPointD&) = default;
};

/// True when both coordinates are numbers (neither NaN nor infinite).
inline bool IsFinitePoint(const TPointD& P) {
    return std::isfinite(P.X) && std::isfinite(P.Y);
}

/// The nearest whole pixel of each coordinate (RoundToPixel: ties to even, saturating,
/// NaN gives 0).
inline TPoint RoundToPixel(const TPointD& P) {
    return {RoundToPixel(P.X), RoundToPixel(P.Y)};
}

} // namespace kw::platform
