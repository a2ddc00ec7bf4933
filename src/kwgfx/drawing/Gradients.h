// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Multi-colour gradients painted band by band with plain canvas operations. Each walks
/// through the colours in order from the start edge (or the outer edge) inwards; an empty
/// colour list draws nothing, a Step of 0 or less counts as 1. The trailing float of each
/// routine is accepted and ignored.

#include "kwgfx/drawing/GradientTypes.h"
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

#include <span>

namespace kw {

/// Vertical bands (diHorizontal) or horizontal bands (diVertical) of Step pixels filled
/// with FillRect, from the left (top) edge up to and including the band at the right
/// (bottom) edge. The rectangle is normalised first; an empty one draws nothing. Only
/// the brush is used; it is restored.
///
/// \gallery{gradients.png}
void LineGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  int32_t Step, TGradientOrientation Orientation, float Reserved = 1);

/// Concentric ellipses around the centre (CenterX, CenterY), given as fractions of the
/// rectangle's width and height, filled without an outline; each ring shrinks every side
/// in proportion to its distance from the centre. The pen and brush are restored.
///
/// \gallery{gradients.png}
void EllipseGradient(platform::TCanvas& Canvas, const TRect& Rect, float CenterX, float CenterY,
                     std::span<const TColor> Colors, float Step, float Reserved = 1);

/// Concentric ellipses centred in the rectangle, each Step pixels inside the last, up to
/// half the shorter side. The pen and brush are restored.
void EllipseGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                     int32_t Step, float Reserved = 1);

/// Concentric rectangle outlines of pen width Step, each Step pixels inside the last, up
/// to half the shorter side; the innermost ring's box is then filled in its colour. The
/// pen and brush are restored.
///
/// \gallery{gradients.png}
void RectGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  int32_t Step, float Reserved = 1);

} // namespace kw
