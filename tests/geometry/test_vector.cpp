// SPDX-License-Identifier: MIT
#include <kwgfx/geometry/KwConversions.h>
#include <kwgfx/geometry/KwVector.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kw;

namespace {

void ExpectVector(const TKwVector& V, float X, float Y, float W) {
    EXPECT_FLOAT_EQ(V.X, X);
    EXPECT_FLOAT_EQ(V.Y, Y);
    EXPECT_FLOAT_EQ(V.W, W);
}

} // namespace

TEST(Vector, BuildersAndConversionsSetTheWeight) {
    ExpectVector(KwVector(TKwPoint(2, 3), 0), 2, 3, 0);
    ExpectVector(TKwVector(TKwPoint(2, 3)), 2, 3, 1);
    ExpectVector(TKwVector(TKwSize(4, 5)), 4, 5, 1);
    const TKwPoint p = KwPoint(KwVector(6, 7, 0));
    EXPECT_TRUE(p.SameAs({6, 7}));
    const platform::TPointF f = KwVector(8, 9, 1).ToPointF();
    EXPECT_EQ(f.X, 8);
    EXPECT_EQ(f.Y, 9);
}

TEST(Vector, ArithmeticResetsOrKeepsTheWeight) {
    const TKwVector a(1, 2, 0), b(10, 20, 0);
    ExpectVector(a + b, 11, 22, 1);
    ExpectVector(b - a, 9, 18, 1);
    ExpectVector(a.Add(b), 11, 22, 1);
    ExpectVector(a.Scale(3), 3, 6, 1);
    // The free multiply and divide keep W; the Scale method does not.
    ExpectVector(KwVectorMultiply(a, 3), 3, 6, 0);
    ExpectVector(KwVectorMultiply(3, a), 3, 6, 0);
    ExpectVector(KwVectorDivide(TKwVector(3, 6, 7), 3), 1, 2, 7);
}

TEST(Vector, DivideByZeroReturnsTheInput) {
    const TKwVector v(3, -4, 2);
    ExpectVector(KwVectorDivide(v, 0), 3, -4, 2);
    ExpectVector(KwVectorDivide(v, -0.0f), 3, -4, 2);
}

TEST(Vector, ProductsAndLengths) {
    const TKwVector a(3, 4, 9), b(-2, 5, 9);
    EXPECT_FLOAT_EQ(KwVectorDotProduct(a, b), 14);
    EXPECT_FLOAT_EQ(a.DotProduct(b), 14);
    EXPECT_FLOAT_EQ(KwVectorCrossProductZ(a, b), 23);
    EXPECT_FLOAT_EQ(KwVectorCrossProductZ(b, a), -23);
    EXPECT_FLOAT_EQ(KwVectorNorm(a), 25);
    EXPECT_FLOAT_EQ(a.Norm(), 25);
    EXPECT_FLOAT_EQ(KwVectorLength(a), 5);
    EXPECT_FLOAT_EQ(a.Length(), 5);
}

TEST(Vector, LengthOfExtremeVectorsIsNotLost) {
    // The float square of these coordinates overflows or underflows; the length does not.
    EXPECT_FLOAT_EQ(KwVectorLength(TKwVector(3e30f, 4e30f, 1)), 5e30f);
    EXPECT_FLOAT_EQ(KwVectorLength(TKwVector(3e-30f, 4e-30f, 1)), 5e-30f);
}

TEST(Vector, NormalizeFreeFunctionKeepsWMethodClearsIt) {
    ExpectVector(KwVectorNormalize(TKwVector(3, 4, 1)), 0.6f, 0.8f, 1);
    ExpectVector(TKwVector(3, 4, 1).Normalize(), 0.6f, 0.8f, 0);
    ExpectVector(KwVectorNormalize(TKwVector(0, 0, 5)), 0, 0, 5);
    ExpectVector(TKwVector(0, 0, 5).Normalize(), 0, 0, 0);
}

TEST(Vector, NormalizeGivesUnitVectorsAtTheEndsOfTheFloatRange) {
    for (float s : {1e-40f, 1e-30f, 1e30f, 3e38f}) {
        SCOPED_TRACE(s);
        ExpectVector(KwVectorNormalize(TKwVector(3 * (s / 5), 4 * (s / 5), 1)), 0.6f, 0.8f, 1);
        ExpectVector(TKwVector(3 * (s / 5), 4 * (s / 5), 1).Normalize(), 0.6f, 0.8f, 0);
    }
}

TEST(Vector, RSqrtUsesTheMagnitudeAndMapsZeroToOne) {
    EXPECT_FLOAT_EQ(TKwVector::RSqrt(4), 0.5f);
    EXPECT_FLOAT_EQ(TKwVector::RSqrt(-4), 0.5f);
    EXPECT_EQ(TKwVector::RSqrt(0), 1);
}

TEST(Vector, ReflectMirrorsAboutTheNormal) {
    ExpectVector(KwVectorReflect(TKwVector(1, -1, 1), TKwVector(0, 1, 1)), 1, 1, 1);
    ExpectVector(TKwVector(2, 3, 0).Reflect(TKwVector(1, 0, 0)), -2, 3, 1);
}

TEST(Vector, AngleCosineIsClampedAndZeroForZeroVectors) {
    EXPECT_EQ(KwVectorAngleCosine(TKwVector(0, 0, 1), TKwVector(1, 0, 1)), 0);
    EXPECT_EQ(KwVectorAngleCosine(TKwVector(1, 0, 1), TKwVector(0, 0, 1)), 0);
    EXPECT_FLOAT_EQ(KwVectorAngleCosine(TKwVector(1, 1, 1), TKwVector(-1, 1, 1)), 0);
    // Rounding of the quotient must never leave [-1, 1].
    for (float x : {0.1f, 0.3f, 1.7f, 12345.678f, 1e-20f}) {
        const TKwVector v(x, x * 3, 1);
        const float same = KwVectorAngleCosine(v, v);
        const float opposite = KwVectorAngleCosine(v, KwVectorMultiply(v, -7));
        EXPECT_LE(same, 1);
        EXPECT_FLOAT_EQ(same, 1);
        EXPECT_GE(opposite, -1);
        EXPECT_FLOAT_EQ(opposite, -1);
    }
}

TEST(Vector, AngleIsSignedByTheCrossProduct) {
    EXPECT_FLOAT_EQ(KwVectorAngle(TKwVector(1, 0, 1), TKwVector(0, 1, 1)), -90);
    EXPECT_FLOAT_EQ(KwVectorAngle(TKwVector(0, 1, 1), TKwVector(1, 0, 1)), 90);
    EXPECT_FLOAT_EQ(KwVectorAngle(TKwVector(1, 0, 1), TKwVector(-1, 0, 1)), -180);
    EXPECT_FLOAT_EQ(KwVectorAngle(TKwVector(2, 2, 1), TKwVector(5, 5, 1)), 0);
    EXPECT_FLOAT_EQ(KwVectorAngle(TKwVector(1, 0, 1), TKwVector(1, -1, 1)), 45);
    EXPECT_EQ(KwVectorAngle(TKwVector(0, 0, 1), TKwVector(1, 0, 1)), 0);
    // Tiny vectors whose cross product underflows float still get the right sign.
    EXPECT_FLOAT_EQ(KwVectorAngle(TKwVector(1e-30f, 0, 1), TKwVector(0, 1e-30f, 1)), -90);
}

TEST(Vector, EqualityIsFuzzyOnXYAndIgnoresW) {
    EXPECT_TRUE(TKwVector(1, 2, 0) == TKwVector(1, 2, 1));
    EXPECT_TRUE(TKwVector(1000, 2, 1) == TKwVector(1000.05f, 2, 1));
    EXPECT_FALSE(TKwVector(1000, 2, 1) == TKwVector(1002, 2, 1));
    EXPECT_TRUE(TKwVector(1, 2, 1) != TKwVector(1, 2.1f, 1));
    EXPECT_FALSE(TKwVector(1, 2, 1) != TKwVector(1, 2, 7));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(TKwVector(nan, 0, 1) == TKwVector(nan, 0, 1));
}
