// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Operators and operations on points.
///
/// Equality of points is fuzzy: two floats a and b are equal when
/// |a - b| <= max(min(|a|, |b|) * 1E-4, 1E-4), the platform's single-precision SameValue
/// with its default tolerance. For exact comparison use TKwPoint::SameAs.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/base/Math.h"

#include <cstdint>
#include <span>

namespace kw {

/// Both coordinates equal under the fuzzy rule.
inline bool PointsEqual(const TKwPoint& A, const TKwPoint& B) {
    return platform::SameValue(A.X, B.X) && platform::SameValue(A.Y, B.Y);
}

/// Fuzzy, as PointsEqual; != is its negation.
inline bool operator==(const TKwPoint& A, const TKwPoint& B) {
    return PointsEqual(A, B);
}

/// (A.X + B.X, A.Y + B.Y).
constexpr TKwPoint operator+(const TKwPoint& A, const TKwPoint& B) {
    return {A.X + B.X, A.Y + B.Y};
}
/// (A.X - B.X, A.Y - B.Y).
constexpr TKwPoint operator-(const TKwPoint& A, const TKwPoint& B) {
    return {A.X - B.X, A.Y - B.Y};
}
/// Component-wise: (A.X * B.X, A.Y * B.Y).
constexpr TKwPoint operator*(const TKwPoint& A, const TKwPoint& B) {
    return {A.X * B.X, A.Y * B.Y};
}

/// Every point scaled about the mean centre C of the input (KwCenterPoint):
/// X' = (X - C.X) * SX + C.X, Y' likewise. A new array of the same length.
TKwPoints ScalePoints(std::span<const TKwPoint> Points, float SX, float SY);
/// The same about the float centre of the integer points, each result coordinate rounded.
TCanvasPoints ScalePoints(std::span<const TPoint> Points, float SX, float SY);

/// Returns P as it was, then adds DX and DY to it.
///@{
TPoint OffsetPoint(TPoint& P, int32_t DX, int32_t DY);
TKwPoint OffsetPoint(TKwPoint& P, float DX, float DY);
///@}

/// Returns P as it was, then moves it Distance towards Target (a negative Distance moves
/// away; a Distance beyond the target passes it). P stays where it is when it equals
/// Target. The integer form rounds each increment before adding it.
///@{
TPoint OffsetPoint(TPoint& P, const TPoint& Target, float Distance);
TKwPoint OffsetPoint(TKwPoint& P, const TKwPoint& Target, float Distance);
///@}

} // namespace kw
