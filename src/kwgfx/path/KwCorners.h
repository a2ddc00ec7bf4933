// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The corners of a rectangle and the shapes a path can give them (TKwPathData::AddRectangle).

#include "kwgfx/geometry/KwTypes.h"

#include <cstdint>

namespace kw {

/// The four corners of a rectangle.
enum TKwCorner : uint8_t { crTopLeft = 0, crTopRight = 1, crBottomLeft = 2, crBottomRight = 3 };

/// One byte: bit 0 top-left, bit 1 top-right, bit 2 bottom-left, bit 3 bottom-right.
using TKwCorners = TKwSet<TKwCorner>;

/// The set of all four corners.
inline constexpr TKwCorners AllKwCorners{crTopLeft, crTopRight, crBottomLeft, crBottomRight};

/// The shape a corner of TKwPathData::AddRectangle gets.
enum TKwCornerType : uint8_t {
    ctRound = 0,      ///< a quarter curve bulging outwards
    ctBevel = 1,      ///< a straight cut across the corner
    ctInnerRound = 2, ///< a quarter curve bent towards the rectangle's inside
    ctInnerLine = 3   ///< a notch of two straight lines towards the inside
};

} // namespace kw
