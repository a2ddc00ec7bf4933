// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// 3x3 matrices acting on row vectors: p' = p x M, the translation in m31/m32, and A x B
/// applies A first, then B. Angles of the builders are in radians, the rotation angle read
/// back from a matrix is in degrees.
///
/// Sums of products are formed in double and rounded once to float. No function divides by
/// W: projective matrices are not normalised.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/geometry/KwVectorTypes.h"

namespace kw {

// ---------------------------------------------------------------- products

/// A x B.
TKwMatrix KwMatrixMultiply(const TKwMatrix& A, const TKwMatrix& B);
/// The point with W = 1 times M; the new W is not computed.
TKwPoint KwMatrixMultiply(const TKwPoint& P, const TKwMatrix& M);
/// The full row-vector product, the new W included.
TKwVector KwMatrixMultiply(const TKwVector& V, const TKwMatrix& M);
/// New X and Y from V's X, Y and W; the result's W is 1.
TKwVector KwMatrixTransform(const TKwMatrix& M, const TKwVector& V);
/// Transforms the two corners TopLeft and BottomRight as points. The result is built from
/// the transformed corners as they are: not normalised, not the bounding box of a rotation.
TKwRect KwMatrixTransform(const TKwMatrix& M, const TKwRect& R);

// ---------------------------------------------------------------- determinant and inverse

/// The determinant of M.
float KwMatrixDeterminant(const TKwMatrix& M);
/// Replaces M by its adjugate (the transpose of its cofactor matrix).
void AdjointKwMatrix(TKwMatrix& M);
/// Multiplies all nine elements by F.
void ScaleKwMatrix(TKwMatrix& M, float F);
/// Replaces M by its inverse; a (nearly) singular M, |det| < 1E-40, becomes the identity.
void InvertKwMatrix(TKwMatrix& M);

// ---------------------------------------------------------------- builders

/// Rotation by Angle radians, turning +X towards +Y (clockwise on a Y-down canvas).
TKwMatrix CreateRotationKwMatrix(float Angle);
/// Rotation by Angle radians about Center.
TKwMatrix CreateRotationKwMatrix(const TKwPoint& Center, float Angle);
/// Scaling by SX horizontally and SY vertically about the origin.
TKwMatrix CreateScaleKwMatrix(float SX, float SY);
/// Translation by (DX, DY): the third row is (DX, DY, 1).
TKwMatrix CreateTranslateKwMatrix(float DX, float DY);

// ---------------------------------------------------------------- decomposition

/// (m31, m32).
TKwPoint KwMatrixTranslationVector(const TKwMatrix& M);
/// (m11, m22): the scale only for a matrix without rotation or skew.
TKwPoint KwMatrixScaleVector(const TKwMatrix& M);
/// The rotation angle in degrees in [0, 360): for CreateRotationKwMatrix(t), t in degrees.
float KwMatrixRotationAngle(const TKwMatrix& M);
/// Rotations about X, Y and Z in radians, returned as (X, Y, W).
TKwVector KwMatrixEulerAngles(const TKwMatrix& M);
/// True only when all nine elements equal the identity's exactly.
bool IsIdentityMatrix(const TKwMatrix& M);

} // namespace kw
