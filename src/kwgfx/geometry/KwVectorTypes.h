// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Homogeneous 2D vectors and 3x3 matrices (row-vector convention, p' = p x M, the
/// translation in the third row). The functions on them are in KwVector.h / KwMatrix.h.

#include "kwgfx/geometry/KwTypes.h"

#include <array>
#include <cstddef>

namespace kw {

/// The three floats of a vector as an array.
using TKwVectorArray = std::array<float, 3>;

/// X, Y and the weight W (1 for a point, 0 for a direction). V(i) views the same floats
/// as an array: V(0) is X, V(1) is Y, V(2) is W.
struct TKwVector {
    float X = 0; ///< The horizontal component.
    float Y = 0; ///< The vertical component.
    float W = 0; ///< The weight.
    constexpr TKwVector() = default;
    /// The vector (AX, AY, AW).
    constexpr TKwVector(float AX, float AY, float AW) : X(AX), Y(AY), W(AW) {}
    /// Conversions to a vector set W to 1.
    ///@{
    constexpr TKwVector(const TKwPoint& P) : X(P.X), Y(P.Y), W(1) {}
    constexpr TKwVector(const TKwSize& S) : X(S.cx), Y(S.cy), W(1) {}
    ///@}
    /// (X, Y): the weight dropped.
    constexpr operator TKwPoint() const { return {X, Y}; }

    /// The component I: 0 is X, 1 is Y, any other index W.
    ///@{
    constexpr float& V(std::size_t I) { return I == 0 ? X : (I == 1 ? Y : W); }
    constexpr float V(std::size_t I) const { return I == 0 ? X : (I == 1 ? Y : W); }
    constexpr float& operator[](std::size_t I) { return V(I); }
    constexpr float operator[](std::size_t I) const { return V(I); }
    ///@}

    // The methods below are defined in KwVector.cpp. Unless a comment says otherwise the
    // result's W is 1 and the inputs' W is ignored.

    /// (X + B.X, Y + B.Y, 1).
    TKwVector Add(const TKwVector& B) const;
    /// (X - B.X, Y - B.Y, 1).
    TKwVector Subtract(const TKwVector& B) const;
    /// (X * F, Y * F, 1).
    TKwVector Scale(float F) const;
    /// X * B.X + Y * B.Y.
    float DotProduct(const TKwVector& B) const;
    /// Squared length X*X + Y*Y.
    float Norm() const;
    /// The length: the square root of Norm().
    float Length() const;
    /// Unit direction (W = 0); the zero vector gives (0, 0, 0).
    TKwVector Normalize() const;
    /// Mirror image about the line perpendicular to the unit normal N.
    TKwVector Reflect(const TKwVector& N) const;
    /// 1 / sqrt(|x|), and 1 for x = 0.
    static float RSqrt(float x);
    /// (X, Y).
    constexpr TKwPoint ToKwPoint() const { return {X, Y}; }
    /// (X, Y) as the platform's float point.
    constexpr platform::TPointF ToPointF() const { return {X, Y}; }
};

/// The three rows of a matrix.
using TKwMatrixArray = std::array<TKwVector, 3>;

/// M[row] is a row vector; mRC() is the element in row R and column C, both from 1.
struct TKwMatrix {
    TKwMatrixArray M{}; ///< The rows.

    /// The element in row R and column C (mRC), writable: the row's X, Y or W.
    ///@{
    constexpr float& m11() { return M[0].X; }
    constexpr float& m12() { return M[0].Y; }
    constexpr float& m13() { return M[0].W; }
    constexpr float& m21() { return M[1].X; }
    constexpr float& m22() { return M[1].Y; }
    constexpr float& m23() { return M[1].W; }
    constexpr float& m31() { return M[2].X; }
    constexpr float& m32() { return M[2].Y; }
    constexpr float& m33() { return M[2].W; }
    ///@}
    /// The element in row R and column C (mRC).
    ///@{
    constexpr float m11() const { return M[0].X; }
    constexpr float m12() const { return M[0].Y; }
    constexpr float m13() const { return M[0].W; }
    constexpr float m21() const { return M[1].X; }
    constexpr float m22() const { return M[1].Y; }
    constexpr float m23() const { return M[1].W; }
    constexpr float m31() const { return M[2].X; }
    constexpr float m32() const { return M[2].Y; }
    constexpr float m33() const { return M[2].W; }
    ///@}

    /// The same as KwMatrixTransform(*this, V). Defined with the matrix functions.
    TKwVector Transform(const TKwVector& V) const;
};

/// The identity matrix.
inline constexpr TKwMatrix KwIdentityMatrix{
    {TKwVector{1, 0, 0}, TKwVector{0, 1, 0}, TKwVector{0, 0, 1}}};

} // namespace kw
