// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Functions and operators on homogeneous 2D vectors. The record itself, with its methods,
/// is in KwVectorTypes.h.
///
/// Unless a comment says otherwise a result's W is 1 and the inputs' W is ignored.
/// Sums of products are formed in double and rounded once to float, so a sign or a
/// length is never lost to an intermediate overflow or underflow of float.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/geometry/KwVectorTypes.h"

namespace kw {

// ---------------------------------------------------------------- building and converting

/// The vector (X, Y, W).
constexpr TKwVector KwVector(float X, float Y, float W) {
    return {X, Y, W};
}
/// The vector (P.X, P.Y, W).
constexpr TKwVector KwVector(const TKwPoint& P, float W) {
    return {P.X, P.Y, W};
}
/// (X, Y); W is dropped.
constexpr TKwPoint KwPoint(const TKwVector& V) {
    return {V.X, V.Y};
}

// ---------------------------------------------------------------- arithmetic

/// (A.X + B.X, A.Y + B.Y, 1).
TKwVector KwVectorAdd(const TKwVector& A, const TKwVector& B);
/// (A.X - B.X, A.Y - B.Y, 1).
TKwVector KwVectorSubtract(const TKwVector& A, const TKwVector& B);
/// (X * F, Y * F) keeping V.W.
TKwVector KwVectorMultiply(const TKwVector& V, float F);
/// The same as KwVectorMultiply(V, F).
TKwVector KwVectorMultiply(float F, const TKwVector& V);
/// Multiplies X and Y by 1 / F (rounded to float) keeping V.W; F = 0 returns V unchanged.
TKwVector KwVectorDivide(const TKwVector& V, float F);
/// A.X * B.X + A.Y * B.Y, computed in double and rounded to float once.
float KwVectorDotProduct(const TKwVector& A, const TKwVector& B);
/// The Z component of the 3D cross product of (A.X, A.Y, 0) and (B.X, B.Y, 0).
float KwVectorCrossProductZ(const TKwVector& A, const TKwVector& B);
/// Squared length.
float KwVectorNorm(const TKwVector& V);
/// The length: the square root of the squared length, rounded to float once.
float KwVectorLength(const TKwVector& V);
/// V divided by its length keeping V.W; the zero vector is returned unchanged.
TKwVector KwVectorNormalize(const TKwVector& V);
/// Mirror image of V about the line perpendicular to N; N is expected to be of unit length.
TKwVector KwVectorReflect(const TKwVector& V, const TKwVector& N);

// ---------------------------------------------------------------- angles

/// Cosine of the angle between A and B, clamped to [-1, 1]; 0 when either is the zero vector.
float KwVectorAngleCosine(const TKwVector& A, const TKwVector& B);
/// Signed angle in degrees from A to B, in [-180, 180]: positive when B lies clockwise of A
/// in a Y-up frame (counter-clockwise on a Y-down canvas), negative otherwise; parallel
/// vectors give 0, opposite vectors -180, and a zero vector 0.
float KwVectorAngle(const TKwVector& A, const TKwVector& B);

// ---------------------------------------------------------------- operators

/// KwVectorAdd(A, B).
inline TKwVector operator+(const TKwVector& A, const TKwVector& B) {
    return KwVectorAdd(A, B);
}
/// KwVectorSubtract(A, B).
inline TKwVector operator-(const TKwVector& A, const TKwVector& B) {
    return KwVectorSubtract(A, B);
}
/// X and Y the same under the platform's fuzzy SameValue; W is not compared. != follows.
bool operator==(const TKwVector& A, const TKwVector& B);

} // namespace kw
