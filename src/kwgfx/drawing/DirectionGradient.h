// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The direction gradient: a two-colour shading towards one of eight directions. The four
/// axis directions paint bands with LineGradient (all colours, in order or reversed); the
/// four diagonals shade the rectangle with the canvas's triangle gradient fill from the
/// first colour at the start corner to the second at the opposite corner.
///
/// It lives with the other gradients because it needs nothing but the canvas and the
/// colour values; the user-interface header KwVclGraphics.h publishes it too.

#include "kwgfx/drawing/GradientTypes.h"
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

#include <span>

namespace kw {

/// gdDown / gdRight: LineGradient of Colors (bands of Step pixels, horizontal for gdDown,
/// vertical for gdRight); gdUp / gdLeft: the same with the colours reversed.
/// Diagonals: nothing when Rect.Right or Rect.Bottom is 0 or Colors is empty; otherwise two
/// triangles over the rectangle, the start corner in Colors[0], the opposite corner in
/// Colors[1] (Colors[0] again when it is the only one), the two other corners halfway;
/// further colours and Step are not used. System colours are not resolved: their index
/// bytes count as red, green and blue.
///
/// \gallery{ui_helpers.png}
void DirectionGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       TGradientDirection Direction, int32_t Step);

/// The same; the trailing float is accepted and ignored.
void DirectionGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       TGradientDirection Direction, int32_t Step, float Reserved);

} // namespace kw
