// SPDX-License-Identifier: MIT
// The geometry records: point views of a rectangle, the array view of vectors and
// matrices, and sets as ordinal bits.
#include <kwgfx/geometry/KwMatrix.h>
#include <kwgfx/geometry/KwTypes.h>
#include <kwgfx/geometry/KwVectorTypes.h>

#include <gtest/gtest.h>

using namespace kw;

TEST(CoreTypes, RectPointViewsShareStorage) {
    TKwRect r(1, 2, 3, 4);
    r.TopLeft() = TKwPoint(10, 20);
    EXPECT_EQ(r.Left, 10);
    EXPECT_EQ(r.Top, 20);
    r.Right = 7;
    TKwPoint br = r.BottomRight();
    EXPECT_EQ(br.X, 7);
    EXPECT_EQ(br.Y, 4);
    const TKwRect& c = r;
    EXPECT_EQ(c.TopLeft().X, 10);
}

TEST(CoreTypes, VectorArrayViewMatchesNamedFields) {
    TKwVector v(1, 2, 3);
    v.V(2) = 9;
    EXPECT_EQ(v.W, 9);
    TKwMatrix m = KwIdentityMatrix;
    m.m32() = 5;
    EXPECT_EQ(m.M[2].Y, 5);
    EXPECT_EQ(m.M[2][1], 5);
}

TEST(CoreTypes, SetsUseOrdinalBits) {
    TKwSides s{sdLeft, sdRight};
    EXPECT_EQ(s.ToBits(), 0b1010);
    EXPECT_TRUE(s.Contains(sdRight));
    EXPECT_FALSE(s.Contains(sdTop));
    s.Exclude(sdRight);
    EXPECT_EQ(s.ToBits(), 0b0010);
}
