// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Conversions between the float geometry records and the integer canvas records.
///
/// Rounding: "Round" is round to nearest with ties to even (2.5 -> 2, 3.5 -> 4,
/// -2.5 -> -2), "Trunc" rounds towards zero; integer halving truncates towards zero.
/// Out of range: a float that rounds outside the 32-bit range of a TPoint or TRect field
/// saturates to INT32_MIN or INT32_MAX, and NaN gives 0. The 64-bit results of
/// CanvasRound, CanvasTrunc and CanvasDiv raise platform::EInvalidOp for NaN or a value
/// outside the 64-bit range, as the platform's own rounding does.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/PixelRounding.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

namespace kw {

// ------------------------------------------------------------------ canvas conversions

/// Each field rounded (the same as KwRectToRect).
TRect CanvasRect(const TKwRect& R);
/// A copy.
TRect CanvasRect(const TRect& R);
/// The rectangle with the given edges.
TRect CanvasRect(int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom);
/// Each value rounded.
TRect CanvasRect(float ALeft, float ATop, float ARight, float ABottom);

/// The point (X, Y).
TPoint CanvasPoint(int32_t X, int32_t Y);
/// Each value rounded.
TPoint CanvasPoint(float X, float Y);

/// Value rounded to nearest, ties to even, as a 64-bit integer.
int64_t CanvasRound(double Value);
/// Value rounded towards zero, as a 64-bit integer.
int64_t CanvasTrunc(double Value);
/// A / B truncated towards zero. B == 0 raises platform::EDivByZero; INT64_MIN / -1
/// raises platform::EIntOverflow.
int64_t CanvasDiv(int64_t A, int64_t B);
/// Round(A / B), the quotient taken in extended precision. B == 0 raises
/// platform::EZeroDivide, or platform::EInvalidOp when A is 0 too.
int64_t CanvasDiv(double A, double B);

/// The largest / smallest value of a non-empty list; an empty list raises
/// platform::ERangeError.
///@{
int32_t CanvasMax(std::span<const int32_t> Values);
int32_t CanvasMin(std::span<const int32_t> Values);
///@}

/// (Left + (Right - Left) div 2, Top + (Bottom - Top) div 2), div truncating towards zero.
TPoint CanvasCenterPoint(const TRect& R);

// ------------------------------------------------------------------ points

/// The point (X, Y).
constexpr TKwPoint KwPoint(float X, float Y) {
    return {X, Y};
}
/// Integer coordinates converted to float (to nearest beyond 2^24).
constexpr TKwPoint KwPoint(const TPoint& P) {
    return {static_cast<float>(P.X), static_cast<float>(P.Y)};
}
/// The same as KwPoint(P).
constexpr TKwPoint PointToKwPoint(const TPoint& P) {
    return KwPoint(P);
}
/// Each point converted as KwPoint does; a new array.
TKwPoints PointsToKwPoints(std::span<const TPoint> Points);

/// Each coordinate rounded.
TPoint KwPointToPoint(const TKwPoint& P);
/// The same as KwPointToPoint.
TPoint KwPointToCanvasPoint(const TKwPoint& P);
/// Each point rounded as KwPointToPoint does; a new array.
TCanvasPoints KwPointsToPoints(std::span<const TKwPoint> Points);

namespace detail {

/// A 64-bit intermediate wrapped into 32 bits (two's complement), as the platform's
/// unchecked integer arithmetic does.
constexpr int32_t Wrap32(int64_t Value) {
    return static_cast<int32_t>(Value);
}

} // namespace detail

} // namespace kw
