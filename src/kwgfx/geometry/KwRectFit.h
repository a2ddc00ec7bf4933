// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Centring rectangles on points and in bounds, and fitting them into bounds (also as the
/// matrix that fits one rectangle into another, KwFitMatrix).

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/geometry/KwVectorTypes.h"

#include <cstdint>

namespace kw {

/// The W x H rectangle centred on P: (P.X - W div 2, P.Y - H div 2, P.X + W div 2,
/// P.Y + H div 2), div truncating towards zero, so an odd size loses one unit.
///@{
TRect CenterRect(const TPoint& P, int32_t W, int32_t H);
TRect CenterRect(int32_t X, int32_t Y, int32_t W, int32_t H);
///@}
/// (P.X - W/2, P.Y - H/2, P.X + W/2, P.Y + H/2).
///@{
TKwRect CenterRect(const TKwPoint& P, float W, float H);
TKwRect CenterRect(float X, float Y, float W, float H);
///@}

/// Moves R, keeping its size, to the centre of Bounds on whole-unit offsets: R's top-left
/// corner ends Round((bounds size - R size) / 2) from Bounds' top-left corner (ties to
/// even). A rectangle larger than the bounds overhangs both sides. R is changed and
/// returned; Bounds may be R itself.
TKwRect CenterRect(TKwRect& R, const TKwRect& Bounds);
/// The same through the float form, the result rounded.
TRect CenterRect(TRect& R, const TRect& Bounds);

/// Resizes R, keeping its aspect ratio, to fit Bounds and centres it there (CenterRect).
/// scale is the larger of height(R) / height(Bounds) and width(R) / width(Bounds). R is
/// divided by scale when scale >= 1 (too large) or Stretch is set (grow to fit); otherwise
/// it keeps its size and is only centred. Returns scale, the factor R was or would have
/// been divided by. Bounds without area leave R unchanged and return 1. A stretched R
/// without width and height divides 0 by 0 and raises platform::EInvalidOp.
float FitRect(TKwRect& R, const TKwRect& Bounds, bool Stretch);
/// The same in integers: ratios in extended precision, the new size rounded, centred with
/// the integer CenterRect.
float FitRect(TRect& R, const TRect& Bounds, bool Stretch);

/// R mapped by the scale (width(Bounds) / width(R), height(Bounds) / height(R)), then
/// translated by Bounds' top-left corner, then by M (KwMatrixTransform of both corners).
/// R is not moved to the origin first: it lands on Bounds (before M) only when its top-left
/// corner is (0, 0). An R without width or height raises platform::EZeroDivide
/// (EInvalidOp when Bounds has no width or height either).
TKwRect FitRect(const TKwMatrix& M, const TKwRect& R, const TKwRect& Bounds);

/// The matrix that scales Bounds by one factor about the origin, keeping its proportions,
/// as large as fits into Into, and moves it to Into's centre. A Bounds without height is
/// scaled by the widths alone, one without width by the heights; a Bounds that is a single
/// point (or empty) is only moved to the centre. Into is normalised first.
TKwMatrix KwFitMatrix(const TKwRect& Bounds, const TKwRect& Into);

} // namespace kw
