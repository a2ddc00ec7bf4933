#pragma once
/// \file
/// The eight connection points on the outline of a rectangle, clockwise from the top
/// middle. MidX = Left + (Right - Left) / 2, MidY likewise: an integer division truncating
/// towards zero for TRect, a float division for TKwRect.

#include "kwgfx/geometry/KwTypes.h"

#include <cstdint>

namespace kw {

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

TPoint GetPointOnRect(const TRect& R, TConnectionPoint Point);
/// Identical to GetPointOnRect.
TPoint GetCanvasPointOnRect(const TRect& R, TConnectionPoint Point);
TKwPoint GetKwPointOnKwRect(const TKwRect& R, TConnectionPoint Point);

} // namespace kw
