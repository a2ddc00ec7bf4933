// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// DrawShape: simple shapes inside a rectangle, optionally on a 3D bevel. The
/// shape is painted with the caller's pen and brush; bevels are solid fills
/// without an outline. The canvas's pen and brush are left as they were.

#include "kwgfx/drawing/ShapeTypes.h"
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"
#include "kwgfx/platform/graphics/Graphic.h"

namespace kw {

/// The bevel colours of the shape-type form: light grey and dark grey.
///@{
inline constexpr TColor ShapeLightColor = 0xD3D3D3;
inline constexpr TColor ShapeShadowColor = 0xA9A9A9;
///@}

/// Shape-type form. sRect fills the rectangle with the brush only; sCircle draws
/// an ellipse; the triangles a polygon pointing towards Orientation. With Is3D,
/// a bevel of Depth pixels in ShapeLightColor and ShapeShadowColor (lit
/// according to Orientation) is painted first and the shape drawn Depth pixels
/// inside it (the right triangle gets no bevel, only the inset). Returns the
/// rectangle the shape was drawn in.
///
/// \gallery{shape_types.png}
TRect DrawShape(platform::TCanvas& Canvas, const TRect& Rect, TKwShapeType ShapeType,
                TKwShapeOrientation Orientation, bool Is3D, int32_t Depth);

/// Style form. The rectangle is normalised first; the round styles (square,
/// circle, round square) use the largest square centred in it, and rounded
/// corners are a quarter of its shorter side. The 3D styles paint a bevel of
/// Depth pixels in LightColor and ShadowColor first. ssImage draws Bitmap
/// (nothing when null) at its size at the top-left corner, or stretched into the
/// rectangle; ss3DImage draws nothing. Returns the rectangle after any bevel.
/// The trailing float is accepted and ignored.
///
/// \gallery{shape_styles.png}
TRect DrawShape(platform::TCanvas& Canvas, const TRect& Rect, const platform::TGraphic* Bitmap,
                TKwShapeStyle Style, bool Stretch, TColor LightColor, TColor ShadowColor,
                int32_t Depth, float Reserved = 1);

} // namespace kw
