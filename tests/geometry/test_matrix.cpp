// SPDX-License-Identifier: MIT
#include <kwgfx/geometry/KwConversions.h>
#include <kwgfx/geometry/KwMatrix.h>
#include <kwgfx/geometry/KwVector.h>

#include <gtest/gtest.h>

#include <numbers>

using namespace kw;

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

void ExpectPointNear(const TKwPoint& P, float X, float Y, float Tol = 1e-5f) {
    EXPECT_NEAR(P.X, X, Tol);
    EXPECT_NEAR(P.Y, Y, Tol);
}

void ExpectMatrixNear(const TKwMatrix& A, const TKwMatrix& B, float Tol = 1e-5f) {
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            EXPECT_NEAR(A.M[i].V(j), B.M[i].V(j), Tol) << "row " << i << " column " << j;
}

TKwMatrix Matrix(float m11, float m12, float m13, float m21, float m22, float m23, float m31,
                 float m32, float m33) {
    return {{TKwVector{m11, m12, m13}, TKwVector{m21, m22, m23}, TKwVector{m31, m32, m33}}};
}

} // namespace

TEST(Matrix, ProductAppliesTheLeftMatrixFirst) {
    const TKwMatrix m =
        KwMatrixMultiply(CreateTranslateKwMatrix(10, 0), CreateRotationKwMatrix(kPi / 2));
    ExpectPointNear(KwMatrixMultiply(TKwPoint(0, 0), m), 0, 10);
    const TKwMatrix n =
        KwMatrixMultiply(CreateRotationKwMatrix(kPi / 2), CreateTranslateKwMatrix(10, 0));
    ExpectPointNear(KwMatrixMultiply(TKwPoint(0, 0), n), 10, 0);
}

TEST(Matrix, ProductOfGeneralMatricesIsRowByColumn) {
    const TKwMatrix a = Matrix(1, 2, 3, 4, 5, 6, 7, 8, 9);
    const TKwMatrix b = Matrix(9, 8, 7, 6, 5, 4, 3, 2, 1);
    ExpectMatrixNear(KwMatrixMultiply(a, b), Matrix(30, 24, 18, 84, 69, 54, 138, 114, 90), 0);
}

TEST(Matrix, RotationTurnsXTowardsY) {
    const TKwMatrix r = CreateRotationKwMatrix(kPi / 2);
    ExpectPointNear(KwMatrixMultiply(TKwPoint(1, 0), r), 0, 1);
    ExpectPointNear(KwMatrixMultiply(TKwPoint(0, 1), r), -1, 0);
}

TEST(Matrix, RotationAboutACentre) {
    const TKwMatrix r = CreateRotationKwMatrix(TKwPoint(5, 5), kPi);
    ExpectPointNear(KwMatrixMultiply(TKwPoint(10, 5), r), 0, 5);
    ExpectPointNear(KwMatrixMultiply(TKwPoint(5, 5), r), 5, 5);
}

TEST(Matrix, VectorProductsDifferInTheirWeight) {
    const TKwMatrix m = Matrix(2, 0, 0.5f, 0, 3, 0, 10, 20, 1);
    const TKwVector full = KwMatrixMultiply(TKwVector(1, 1, 1), m);
    EXPECT_FLOAT_EQ(full.X, 12);
    EXPECT_FLOAT_EQ(full.Y, 23);
    EXPECT_FLOAT_EQ(full.W, 1.5f); // computed, never divided out
    const TKwVector t = KwMatrixTransform(m, TKwVector(1, 1, 1));
    EXPECT_FLOAT_EQ(t.X, 12);
    EXPECT_FLOAT_EQ(t.Y, 23);
    EXPECT_FLOAT_EQ(t.W, 1);
    const TKwVector viaMethod = m.Transform(TKwVector(1, 1, 1));
    EXPECT_EQ(viaMethod.X, t.X);
    EXPECT_EQ(viaMethod.Y, t.Y);
    EXPECT_EQ(viaMethod.W, t.W);
}

TEST(Matrix, DirectionsIgnoreTheTranslation) {
    const TKwMatrix m = CreateTranslateKwMatrix(100, 200);
    const TKwVector d = KwMatrixTransform(m, TKwVector(3, 4, 0));
    EXPECT_FLOAT_EQ(d.X, 3);
    EXPECT_FLOAT_EQ(d.Y, 4);
    EXPECT_FLOAT_EQ(d.W, 1);
}

TEST(Matrix, RectTransformMapsTheTwoCornersOnly) {
    const TKwRect r = KwMatrixTransform(CreateScaleKwMatrix(-2, 3), TKwRect(1, 2, 4, 6));
    // Not normalised: the mirrored X keeps Left > Right.
    EXPECT_FLOAT_EQ(r.Left, -2);
    EXPECT_FLOAT_EQ(r.Top, 6);
    EXPECT_FLOAT_EQ(r.Right, -8);
    EXPECT_FLOAT_EQ(r.Bottom, 18);
    const TKwRect q = KwMatrixTransform(CreateRotationKwMatrix(kPi / 2), TKwRect(0, 0, 2, 1));
    ExpectPointNear(q.TopLeft(), 0, 0);
    ExpectPointNear(q.BottomRight(), -1, 2);
}

TEST(Matrix, DeterminantAndAdjugate) {
    const TKwMatrix a = Matrix(2, -3, 1, 2, 0, -1, 1, 4, 5);
    EXPECT_FLOAT_EQ(KwMatrixDeterminant(a), 49);
    TKwMatrix adj = a;
    AdjointKwMatrix(adj);
    ExpectMatrixNear(adj, Matrix(4, 19, 3, -11, 9, 4, 8, -11, 6), 0);
    // A x adj(A) = det(A) x I.
    TKwMatrix expected = KwIdentityMatrix;
    ScaleKwMatrix(expected, 49);
    ExpectMatrixNear(KwMatrixMultiply(a, adj), expected, 0);
}

TEST(Matrix, InverseUndoesTheMatrix) {
    TKwMatrix s = CreateScaleKwMatrix(2, 4);
    InvertKwMatrix(s);
    EXPECT_FLOAT_EQ(s.m11(), 0.5f);
    EXPECT_FLOAT_EQ(s.m22(), 0.25f);
    EXPECT_FLOAT_EQ(s.m33(), 1);

    const TKwMatrix m = KwMatrixMultiply(
        KwMatrixMultiply(CreateScaleKwMatrix(3, 0.5f), CreateRotationKwMatrix(0.7f)),
        CreateTranslateKwMatrix(-12, 40));
    TKwMatrix inv = m;
    InvertKwMatrix(inv);
    ExpectMatrixNear(KwMatrixMultiply(m, inv), KwIdentityMatrix);
    ExpectPointNear(KwMatrixMultiply(KwMatrixMultiply(TKwPoint(7, -3), m), inv), 7, -3, 1e-4f);
}

TEST(Matrix, SingularMatricesInvertToTheIdentity) {
    TKwMatrix zero = Matrix(0, 0, 0, 0, 0, 0, 0, 0, 0);
    InvertKwMatrix(zero);
    EXPECT_TRUE(IsIdentityMatrix(zero));
    TKwMatrix rankTwo = Matrix(1, 2, 3, 2, 4, 6, 0, 0, 1);
    InvertKwMatrix(rankTwo);
    EXPECT_TRUE(IsIdentityMatrix(rankTwo));
}

TEST(Matrix, IdentityTestIsExact) {
    EXPECT_TRUE(IsIdentityMatrix(KwIdentityMatrix));
    EXPECT_TRUE(IsIdentityMatrix(CreateRotationKwMatrix(0)));
    TKwMatrix m = KwIdentityMatrix;
    m.m31() = 1e-7f;
    EXPECT_FALSE(IsIdentityMatrix(m));
    m = KwIdentityMatrix;
    m.m13() = 1e-30f;
    EXPECT_FALSE(IsIdentityMatrix(m));
}

TEST(Matrix, RotationAngleInDegreesFromZeroTo360) {
    EXPECT_FLOAT_EQ(KwMatrixRotationAngle(CreateRotationKwMatrix(kPi / 2)), 90);
    EXPECT_EQ(KwMatrixRotationAngle(KwIdentityMatrix), 0);
    EXPECT_FLOAT_EQ(KwMatrixRotationAngle(CreateRotationKwMatrix(-kPi / 2)), 270);
    EXPECT_FLOAT_EQ(KwMatrixRotationAngle(CreateRotationKwMatrix(kPi / 6)), 30);
    EXPECT_NEAR(KwMatrixRotationAngle(CreateRotationKwMatrix(kPi)), 180, 1e-4);
    for (int deg = 0; deg < 360; deg += 7) {
        const float a = KwMatrixRotationAngle(CreateRotationKwMatrix(deg * kPi / 180));
        EXPECT_GE(a, 0);
        EXPECT_LT(a, 360);
        EXPECT_NEAR(a, float(deg), 1e-3) << deg;
    }
    // Scaling does not change the angle.
    EXPECT_FLOAT_EQ(KwMatrixRotationAngle(KwMatrixMultiply(CreateScaleKwMatrix(3, 3),
                                                           CreateRotationKwMatrix(kPi / 2))),
                    90);
}

TEST(Matrix, DecompositionReadsTheElements) {
    const TKwMatrix m = KwMatrixMultiply(CreateScaleKwMatrix(2, 5), CreateTranslateKwMatrix(7, 8));
    EXPECT_TRUE(KwMatrixTranslationVector(m).SameAs({7, 8}));
    EXPECT_TRUE(KwMatrixScaleVector(m).SameAs({2, 5}));
    const TKwVector e = KwMatrixEulerAngles(CreateRotationKwMatrix(0.5f));
    EXPECT_FLOAT_EQ(e.X, 0);
    EXPECT_FLOAT_EQ(e.Y, 0);
    EXPECT_FLOAT_EQ(e.W, -0.5f);
    const TKwVector t = KwMatrixEulerAngles(Matrix(1, 0, 0, 0, 1, 0, 0, 1, 1));
    EXPECT_FLOAT_EQ(t.X, kPi / 4);
}
