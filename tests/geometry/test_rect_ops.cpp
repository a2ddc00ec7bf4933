// SPDX-License-Identifier: MIT
// Rectangles: measuring, building, normalising, moving and growing.
#include "GeometryTestSupport.h"

#include <kwgfx/geometry/KwConversions.h>
#include <kwgfx/geometry/KwRectOps.h>

using namespace kw;
using kw::test::SameRect;

TEST(RectMeasures, WidthHeightAndFuzzyEquality) {
    EXPECT_EQ(KwRectWidth(TRect(10, 0, 4, 0)), -6);
    EXPECT_EQ(KwRectHeight(TRect(0, -3, 0, 5)), 8);
    EXPECT_EQ(KwRectWidth(TKwRect(1, 0, 3.5f, 0)), 2.5f);
    EXPECT_EQ(KwRectHeight(TKwRect(0, 2, 0, -1)), -3.0f);
    EXPECT_TRUE(EqualsRect(TKwRect(0, 1, 2, 3), TKwRect(0.00005f, 1, 2, 3.0002f)));
    EXPECT_FALSE(EqualsRect(TKwRect(0, 1, 2, 3), TKwRect(0, 1, 2, 3.001f)));
    EXPECT_FALSE(EqualsRect(TKwRect(0, 1, 2, 3), TKwRect(0, 1, 3, 2)));
}

TEST(RectMeasures, PtInKwRectIncludesOnlyLeftAndTopEdges) {
    const TKwRect r(0, 0, 10, 10);
    EXPECT_FALSE(PtInKwRect(KwPoint(10, 5), r));
    EXPECT_FALSE(PtInKwRect(KwPoint(5, 10), r));
    EXPECT_TRUE(PtInKwRect(KwPoint(0, 0), r));
    EXPECT_TRUE(PtInKwRect(KwPoint(9.999f, 9.999f), r));
    EXPECT_FALSE(PtInKwRect(TPoint(10, 5), r));
    EXPECT_TRUE(PtInKwRect(TPoint(0, 9), r));
    EXPECT_FALSE(PtInKwRect(KwPoint(5, 5), TKwRect(10, 10, 0, 0))); // inverted: empty
    // Integers are compared exactly, not after rounding to float.
    EXPECT_TRUE(PtInKwRect(TPoint(16777219, 0), TKwRect(0, 0, 16777220.0f, 1)));
}

TEST(RectBuilding, ConstructorsAndConversions) {
    EXPECT_TRUE(SameRect(KwRect(1, 2, 3, 4), {1, 2, 3, 4}));
    EXPECT_TRUE(SameRect(KwRect(KwPoint(5, 6), KwPoint(1, 2)), {5, 6, 1, 2})); // not normalised
    EXPECT_TRUE(SameRect(KwRect(TRect(-1, 2, 3, 4)), {-1, 2, 3, 4}));
    EXPECT_TRUE(SameRect(RectToKwRect(TRect(-1, 2, 3, 4)), {-1, 2, 3, 4}));
    EXPECT_TRUE(SameRect(KwRect(TKwRect(0.5f, 1, 2, 3)), {0.5f, 1, 2, 3}));
    EXPECT_EQ(KwRectToRect(TKwRect(0.5f, 1.5f, -0.5f, 2.5f)), TRect(0, 2, 0, 2));
}

TEST(RectBuilding, FixRectSwapsInvertedPairs) {
    EXPECT_TRUE(SameRect(FixRect(TKwRect(10, 20, 0, 5)), {0, 5, 10, 20}));
    EXPECT_EQ(FixRect(TRect(10, 20, 0, 5)), TRect(0, 5, 10, 20));
    EXPECT_EQ(FixRect(TRect(0, 20, 10, 5)), TRect(0, 5, 10, 20));
    EXPECT_EQ(FixRect(TRect(1, 2, 3, 4)), TRect(1, 2, 3, 4));
}

TEST(RectMoving, OffsetAndInflate) {
    TKwRect r(0, 0, 10, 10);
    EXPECT_TRUE(OffsetKwRect(r, 2, -3));
    EXPECT_TRUE(SameRect(r, {2, -3, 12, 7}));
    EXPECT_TRUE(OffsetKwRect(&r, 1, 1));
    EXPECT_TRUE(SameRect(r, {3, -2, 13, 8}));
    EXPECT_FALSE(OffsetKwRect(nullptr, 1, 1));

    KwInflateRect(r, 1, 2);
    EXPECT_TRUE(SameRect(r, {2, -4, 14, 10}));
    KwInflateRect(r, -1, -2);
    EXPECT_TRUE(SameRect(r, {3, -2, 13, 8}));
}

TEST(RectMoving, ScaleRectSharesTheGrowthBetweenSides) {
    EXPECT_EQ(ScaleRect(TRect(0, 0, 10, 10), 5.0f, 5.0f), TRect(-2, -2, 12, 12)); // 2.5 -> 2
    EXPECT_EQ(ScaleRect(TRect(0, 0, 10, 10), 7.0f, -3.0f),
              TRect(-4, 2, 14, 8)); // 3.5 -> 4, -1.5 -> -2
    EXPECT_TRUE(SameRect(ScaleRect(TKwRect(0, 0, 10, 10), 5, -1), {-2.5f, 0.5f, 12.5f, 9.5f}));
}
