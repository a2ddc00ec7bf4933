// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A pie slice given by angles in degrees: 0 points right, angles grow counter-clockwise
/// on screen. Painted with the caller's pen and brush. The trailing float is accepted and
/// ignored.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

namespace kw {

/// The wedge of the ellipse in Rect (normalised first) from AngleOffset + StartAngle
/// counter-clockwise to AngleOffset + EndAngle.
///
/// \gallery{pie_slices.png}
void DrawPieSlice(platform::TCanvas& Canvas, const TRect& Rect, double StartAngle, double EndAngle,
                  int32_t AngleOffset, float Reserved = 1);

} // namespace kw
