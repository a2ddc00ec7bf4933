// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The shapes DrawShape can paint: the four shape types with their orientations, and the
/// 24 shape styles, whose 3D member is the plain member + 12.

#include "kwgfx/geometry/KwTypes.h"

#include <cstdint>

namespace kw {

/// The shape of the shape-type form of DrawShape: rectangle, circle, isosceles or right triangle.
enum TKwShapeType : uint8_t { sRect, sCircle, sIsoscelesTriangle, sRightTriangle };

/// Which way a triangle of the shape-type form points.
enum TKwShapeOrientation : uint8_t { soUp, soDown, soLeft, soRight };

/// The shape styles of DrawShape: flat shapes, their 3D twins (ss3D...) and the image.
enum TKwShapeStyle : uint8_t {
    ssRectangle,
    ssEllipse,
    ssImage,
    ssDiamond,
    ssLeftTriangle,
    ssRightTriangle,
    ssUpTriangle,
    ssDownTriangle,
    ssRoundRect,
    ssSquare,
    ssCircle,
    ssRoundSquare,
    ss3DRectangle,
    ss3DEllipse,
    ss3DImage,
    ss3DDiamond,
    ss3DLeftTriangle,
    ss3DRightTriangle,
    ss3DUpTriangle,
    ss3DDownTriangle,
    ss3DRoundRect,
    ss3DSquare,
    ss3DCircle,
    ss3DRoundSquare
};

/// A set of shape styles in four bytes, bit n for ordinal n.
using TKwShapeStyles = TKwSet<TKwShapeStyle, uint32_t>;

/// The styles drawn with a bevel: every 3D member but ss3DImage (bytes 00 B0 FF 00).
inline constexpr TKwShapeStyles ShapeStyles3D = TKwShapeStyles::FromBits(0x00FFB000u);

} // namespace kw
