// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The eight connection points on the outline of a rectangle, clockwise from the top
/// middle. MidX = Left + (Right - Left) / 2, MidY likewise: an integer division truncating
/// towards zero for TRect, a float division for TKwRect.

#include "kwgfx/geometry/KwTypes.h"

#include <cstdint>

namespace kw {

/// The connection points of a rectangle; the comment of each gives its coordinates.
enum TConnectionPoint : uint8_t {
    cpTop,         ///< (MidX, Top)
    cpTopRight,    ///< (Right, Top)
    cpRight,       ///< (Right, MidY)
    cpBottomRight, ///< (Right, Bottom)
    cpBottom,      ///< (MidX, Bottom)
    cpBottomLeft,  ///< (Left, Bottom)
    cpLeft,        ///< (Left, MidY)
    cpTopLeft      ///< (Left, Top)
};

/// The point Point names on R's outline.
TPoint GetPointOnRect(const TRect& R, TConnectionPoint Point);
/// Identical to GetPointOnRect.
TPoint GetCanvasPointOnRect(const TRect& R, TConnectionPoint Point);
/// The point Point names on R's outline, in floats.
TKwPoint GetKwPointOnKwRect(const TKwRect& R, TConnectionPoint Point);

} // namespace kw
