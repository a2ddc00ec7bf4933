// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Bevels: a light colour on the upper-left and a shadow colour on the lower-right of a
/// rectangle (square or with rounded corners) or of an ellipse. Each shrinks the given
/// rectangle by the bevel's width, so that the caller can paint the face inside it. The
/// canvas's pen and brush are left as they were.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

namespace kw {

/// Square form (Rounded false): Width nested one-pixel frames, TopColor along the left and
/// top edges, BottomColor along the right and bottom. Rounded form: a RoundRect filled in
/// TopColor and outlined with the caller's pen, whose lower-right half (split along the
/// diagonals of the corner ellipses) is then filled in BottomColor.
///
/// \gallery{frames_3d.png}
void Frame3DExt(platform::TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor,
                int32_t Width, bool Rounded = false, int32_t CornerWidth = 0,
                int32_t CornerHeight = 0);

/// The upper-left half of the ellipse in TopColor, the lower-right half in BottomColor,
/// without an outline.
///
/// \gallery{frames_3d.png}
void Frame3DEllipse(platform::TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor,
                    int32_t Width);

} // namespace kw
