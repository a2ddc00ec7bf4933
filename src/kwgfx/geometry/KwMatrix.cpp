// SPDX-License-Identifier: MIT
// Matrix functions of KwMatrix.h and TKwMatrix::Transform.
//
// Sections: products; determinant and inverse; builders; decomposition.

#include "kwgfx/geometry/KwMatrix.h"

#include <cmath>
#include <numbers>

namespace kw {

namespace {

// Below this determinant a matrix counts as singular: 1E-40 rounded to float.
constexpr float kSingularDeterminant = 1E-40f;

constexpr long double kDegreesPerRadian = 180.0L / std::numbers::pi_v<long double>;

// Row vector (X, Y, W) times column C of M.
double RowTimesColumn(float X, float Y, float W, const TKwMatrix& M, std::size_t C) {
    return double(X) * M.M[0].V(C) + double(Y) * M.M[1].V(C) + double(W) * M.M[2].V(C);
}

} // namespace

// ---------------------------------------------------------------- products

TKwMatrix KwMatrixMultiply(const TKwMatrix& A, const TKwMatrix& B) {
    TKwMatrix r;
    for (std::size_t i = 0; i < 3; ++i) {
        const TKwVector& row = A.M[i];
        for (std::size_t j = 0; j < 3; ++j)
            r.M[i].V(j) = float(RowTimesColumn(row.X, row.Y, row.W, B, j));
    }
    return r;
}

TKwPoint KwMatrixMultiply(const TKwPoint& P, const TKwMatrix& M) {
    return {float(RowTimesColumn(P.X, P.Y, 1, M, 0)), float(RowTimesColumn(P.X, P.Y, 1, M, 1))};
}

TKwVector KwMatrixMultiply(const TKwVector& V, const TKwMatrix& M) {
    return {float(RowTimesColumn(V.X, V.Y, V.W, M, 0)), float(RowTimesColumn(V.X, V.Y, V.W, M, 1)),
            float(RowTimesColumn(V.X, V.Y, V.W, M, 2))};
}

TKwVector KwMatrixTransform(const TKwMatrix& M, const TKwVector& V) {
    return {float(RowTimesColumn(V.X, V.Y, V.W, M, 0)), float(RowTimesColumn(V.X, V.Y, V.W, M, 1)),
            1};
}

TKwVector TKwMatrix::Transform(const TKwVector& V) const {
    return KwMatrixTransform(*this, V);
}

TKwRect KwMatrixTransform(const TKwMatrix& M, const TKwRect& R) {
    const TKwPoint tl = KwMatrixMultiply(R.TopLeft(), M);
    const TKwPoint br = KwMatrixMultiply(R.BottomRight(), M);
    return {tl.X, tl.Y, br.X, br.Y};
}

// ---------------------------------------------------------------- determinant and inverse

float KwMatrixDeterminant(const TKwMatrix& M) {
    const double m11 = M.m11(), m12 = M.m12(), m13 = M.m13();
    const double m21 = M.m21(), m22 = M.m22(), m23 = M.m23();
    const double m31 = M.m31(), m32 = M.m32(), m33 = M.m33();
    return float(m11 * (m22 * m33 - m32 * m23) - m12 * (m21 * m33 - m31 * m23) +
                 m13 * (m21 * m32 - m31 * m22));
}

void AdjointKwMatrix(TKwMatrix& M) {
    const double m11 = M.m11(), m12 = M.m12(), m13 = M.m13();
    const double m21 = M.m21(), m22 = M.m22(), m23 = M.m23();
    const double m31 = M.m31(), m32 = M.m32(), m33 = M.m33();
    // Element (i, j) of the adjugate is the cofactor (j, i) of M.
    M.m11() = float(m22 * m33 - m23 * m32);
    M.m12() = float(-(m12 * m33 - m13 * m32));
    M.m13() = float(m12 * m23 - m13 * m22);
    M.m21() = float(-(m21 * m33 - m23 * m31));
    M.m22() = float(m11 * m33 - m13 * m31);
    M.m23() = float(-(m11 * m23 - m13 * m21));
    M.m31() = float(m21 * m32 - m22 * m31);
    M.m32() = float(-(m11 * m32 - m12 * m31));
    M.m33() = float(m11 * m22 - m12 * m21);
}

void ScaleKwMatrix(TKwMatrix& M, float F) {
    for (TKwVector& row : M.M) {
        row.X *= F;
        row.Y *= F;
        row.W *= F;
    }
}

void InvertKwMatrix(TKwMatrix& M) {
    const float det = KwMatrixDeterminant(M);
    if (std::fabs(det) < kSingularDeterminant) {
        M = KwIdentityMatrix;
        return;
    }
    AdjointKwMatrix(M);
    ScaleKwMatrix(M, 1.0f / det);
}

// ---------------------------------------------------------------- builders

TKwMatrix CreateRotationKwMatrix(float Angle) {
    const long double a = Angle;
    const float c = float(std::cos(a));
    const float s = float(std::sin(a));
    TKwMatrix m = KwIdentityMatrix;
    m.m11() = c;
    m.m12() = s;
    m.m21() = -s;
    m.m22() = c;
    return m;
}

TKwMatrix CreateRotationKwMatrix(const TKwPoint& Center, float Angle) {
    return KwMatrixMultiply(KwMatrixMultiply(CreateTranslateKwMatrix(-Center.X, -Center.Y),
                                             CreateRotationKwMatrix(Angle)),
                            CreateTranslateKwMatrix(Center.X, Center.Y));
}

TKwMatrix CreateScaleKwMatrix(float SX, float SY) {
    TKwMatrix m = KwIdentityMatrix;
    m.m11() = SX;
    m.m22() = SY;
    return m;
}

TKwMatrix CreateTranslateKwMatrix(float DX, float DY) {
    TKwMatrix m = KwIdentityMatrix;
    m.m31() = DX;
    m.m32() = DY;
    return m;
}

// ---------------------------------------------------------------- decomposition

TKwPoint KwMatrixTranslationVector(const TKwMatrix& M) {
    return {M.m31(), M.m32()};
}

TKwPoint KwMatrixScaleVector(const TKwMatrix& M) {
    return {M.m11(), M.m22()};
}

float KwMatrixRotationAngle(const TKwMatrix& M) {
    // A rotation by t has m21 = -sin t, so atan2(m21, m11) is -t; 360 - (-t) brings it
    // into [0, 360) after the whole turns are taken off.
    const float a =
        float(std::atan2(static_cast<long double>(M.m21()), M.m11()) * kDegreesPerRadian);
    float r = 360.0f - a;
    const long double turns = static_cast<long double>(r) / 360;
    if (turns >= 1) r = float(r - std::trunc(turns) * 360);
    return r;
}

TKwVector KwMatrixEulerAngles(const TKwMatrix& M) {
    const long double m31 = M.m31(), m32 = M.m32(), m33 = M.m33();
    return {float(std::atan2(m32, m33)), float(std::atan2(-m31, std::sqrt(m32 * m32 + m33 * m33))),
            float(std::atan2(static_cast<long double>(M.m21()), M.m11()))};
}

bool IsIdentityMatrix(const TKwMatrix& M) {
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            if (M.M[i].V(j) != KwIdentityMatrix.M[i].V(j)) return false;
    return true;
}

} // namespace kw
