// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Measuring, comparing, building, normalising, moving and growing rectangles.
/// Rectangles have no ordering invariant: Right < Left or Bottom < Top is kept as it is
/// until FixRect normalises it.

#include "kwgfx/geometry/KwTypes.h"

#include <cstdint>

namespace kw {

/// All four fields equal under the fuzzy rule of PointsEqual.
bool EqualsRect(const TKwRect& A, const TKwRect& B);

/// Right - Left and Bottom - Top; negative for an inverted rectangle.
///@{
int32_t KwRectWidth(const TRect& R);
float KwRectWidth(const TKwRect& R);
int32_t KwRectHeight(const TRect& R);
float KwRectHeight(const TKwRect& R);
///@}

/// Left <= X < Right and Top <= Y < Bottom: the left and top edges are inside, the right
/// and bottom edges outside. Integer coordinates are compared exactly with the floats.
///@{
bool PtInKwRect(const TPoint& P, const TKwRect& R);
bool PtInKwRect(const TKwPoint& P, const TKwRect& R);
///@}

/// The rectangle with the given edges, taken as they are.
constexpr TKwRect KwRect(float ALeft, float ATop, float ARight, float ABottom) {
    return {ALeft, ATop, ARight, ABottom};
}
/// From two corners, not normalised.
constexpr TKwRect KwRect(const TKwPoint& ATopLeft, const TKwPoint& ABottomRight) {
    return {ATopLeft.X, ATopLeft.Y, ABottomRight.X, ABottomRight.Y};
}
/// Each field converted to float (to nearest beyond 2^24).
constexpr TKwRect RectToKwRect(const TRect& R) {
    return {static_cast<float>(R.Left), static_cast<float>(R.Top), static_cast<float>(R.Right),
            static_cast<float>(R.Bottom)};
}
/// The same as RectToKwRect(R).
constexpr TKwRect KwRect(const TRect& R) {
    return RectToKwRect(R);
}
/// A copy of R.
constexpr TKwRect KwRect(const TKwRect& R) {
    return R;
}
/// Each field rounded, ties to even (see KwConversions.h for out-of-range values).
TRect KwRectToRect(const TKwRect& R);

/// A normalised copy: Top and Bottom swapped if Bottom < Top, then Left and Right swapped
/// if Right < Left.
///@{
TRect FixRect(const TRect& R);
TKwRect FixRect(const TKwRect& R);
///@}

/// Adds DX to Left and Right and DY to Top and Bottom, and returns true; returns false and
/// does nothing when R is null.
///@{
bool OffsetKwRect(TKwRect* R, float DX, float DY);
bool OffsetKwRect(TKwRect& R, float DX, float DY);
///@}

/// Left -= DX, Right += DX, Top -= DY, Bottom += DY.
void KwInflateRect(TKwRect& R, float DX, float DY);

/// Grows the rectangle by DX in width and DY in height, half on each side:
/// hx = Round(DX / 2), hy = Round(DY / 2); (Left - hx, Top - hy, Right + hx, Bottom + hy).
/// An odd amount rounds to even: (0, 0, 10, 10) grown by 5 is (-2, -2, 12, 12).
TRect ScaleRect(const TRect& R, float DX, float DY);
/// The same with hx = DX / 2 and hy = DY / 2, no rounding.
TKwRect ScaleRect(const TKwRect& R, float DX, float DY);

} // namespace kw
