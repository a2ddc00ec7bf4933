// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Shapes whose content may come from an image list: the image styles (ssImage, ss3DImage)
/// draw one image of the list; every other style is the plain shape drawing.

#include "kwgfx/drawing/ShapeTypes.h"
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"
#include "kwgfx/platform/graphics/ImageList.h"

namespace kw {

/// Not an image style: the style form of DrawShape (Shapes.h) without a bitmap.
/// ssImage / ss3DImage with no list (null), an Index of -1 or an Index not below the
/// list's Count: draws FallbackStyle instead, as a stretched shape with the system bevel
/// colours clBtnHighlight / clBtnShadow and depth 3 (a fallback that is itself an image
/// style ends in a rectangle). Otherwise ss3DImage first paints a square bevel of Depth
/// pixels in LightColor / ShadowColor inside the rectangle; then the image is drawn into
/// the rectangle left inside: stretched to fill it, or at the list's size at its top-left
/// corner. Returns the rectangle the shape's content occupies.
///
/// \gallery{ui_helpers.png}
TRect DrawShape(platform::TCanvas& Canvas, const TRect& Rect, const platform::TImageList* Images,
                int32_t ImageIndex, TKwShapeStyle Style, TKwShapeStyle FallbackStyle, bool Stretch,
                TColor LightColor, TColor ShadowColor, int32_t Depth);

} // namespace kw
