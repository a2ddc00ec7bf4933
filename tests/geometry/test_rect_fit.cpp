// Rectangles: measuring, building, normalising, growing, centring and fitting, and the
// connection points on their outline.
#include "GeometryTestSupport.h"

#include <cstdint>
#include <limits>

using namespace kw;
using kw::test::SamePoint;
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
    EXPECT_FALSE(PtInKwRect(KwPoint(5, 5), TKwRect(10, 10, 0, 0)));  // inverted: empty
    // Integers are compared exactly, not after rounding to float.
    EXPECT_TRUE(PtInKwRect(TPoint(16777219, 0), TKwRect(0, 0, 16777220.0f, 1)));
}

TEST(RectBuilding, ConstructorsAndConversions) {
    EXPECT_TRUE(SameRect(KwRect(1, 2, 3, 4), {1, 2, 3, 4}));
    EXPECT_TRUE(SameRect(KwRect(KwPoint(5, 6), KwPoint(1, 2)), {5, 6, 1, 2}));  // not normalised
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
    EXPECT_EQ(ScaleRect(TRect(0, 0, 10, 10), 5.0f, 5.0f), TRect(-2, -2, 12, 12));  // 2.5 -> 2
    EXPECT_EQ(ScaleRect(TRect(0, 0, 10, 10), 7.0f, -3.0f), TRect(-4, 2, 14, 8));  // 3.5 -> 4, -1.5 -> -2
    EXPECT_TRUE(SameRect(ScaleRect(TKwRect(0, 0, 10, 10), 5, -1), {-2.5f, 0.5f, 12.5f, 9.5f}));
}

TEST(CenterRect, OnAPoint) {
    EXPECT_EQ(CenterRect(TPoint(10, 10), 5, 5), TRect(8, 8, 12, 12));  // odd size loses a unit
    EXPECT_EQ(CenterRect(10, 10, 4, 6), TRect(8, 7, 12, 13));
    EXPECT_EQ(CenterRect(0, 0, -5, 5), TRect(2, -2, -2, 2));
    EXPECT_TRUE(SameRect(CenterRect(KwPoint(10, 10), 5, 5), {7.5f, 7.5f, 12.5f, 12.5f}));
    EXPECT_TRUE(SameRect(CenterRect(1.0f, 2.0f, 3.0f, 4.0f), {-0.5f, 0, 2.5f, 4}));
}

TEST(CenterRect, InBoundsOnWholeUnits) {
    TKwRect r(0, 0, 3, 3);
    EXPECT_TRUE(SameRect(CenterRect(r, TKwRect(0, 0, 10, 10)), {4, 4, 7, 7}));  // 3.5 -> 4
    EXPECT_TRUE(SameRect(r, {4, 4, 7, 7}));
    r = {0, 0, 5, 5};
    CenterRect(r, TKwRect(0, 0, 10, 10));
    EXPECT_TRUE(SameRect(r, {2, 2, 7, 7}));  // 2.5 -> 2
    r = {100, 100, 100.5f, 101};
    CenterRect(r, TKwRect(10, 20, 13, 23));
    EXPECT_TRUE(SameRect(r, {11, 21, 11.5f, 22}));  // 1.25 -> 1, 1
    r = {0, 0, 20, 20};  // larger than the bounds: overhangs both sides
    CenterRect(r, TKwRect(0, 0, 10, 10));
    EXPECT_TRUE(SameRect(r, {-5, -5, 15, 15}));
}

TEST(CenterRect, BoundsMayBeTheRectangleItself) {
    TKwRect r(10, 10, 13, 13);
    CenterRect(r, r);
    EXPECT_TRUE(SameRect(r, {10, 10, 13, 13}));
    TRect ir(10, 10, 13, 13);
    CenterRect(ir, ir);
    EXPECT_EQ(ir, TRect(10, 10, 13, 13));
}

TEST(CenterRect, IntegerFormRoundsThroughFloats) {
    TRect r(0, 0, 3, 3);
    EXPECT_EQ(CenterRect(r, TRect(0, 0, 10, 10)), TRect(4, 4, 7, 7));
    EXPECT_EQ(r, TRect(4, 4, 7, 7));
    r = {0, 0, 5, 5};
    CenterRect(r, TRect(-10, 0, 0, 10));
    EXPECT_EQ(r, TRect(-8, 2, -3, 7));
}

TEST(FitRect, ShrinksKeepingTheAspectRatio) {
    TKwRect r(0, 0, 200, 100);
    EXPECT_EQ(FitRect(r, TKwRect(0, 0, 100, 100), false), 2.0f);
    EXPECT_TRUE(SameRect(r, {0, 25, 100, 75}));
}

TEST(FitRect, GrowsOnlyWhenStretched) {
    TKwRect r(0, 0, 20, 10);
    EXPECT_EQ(FitRect(r, TKwRect(0, 0, 100, 100), false), 0.2f);
    EXPECT_TRUE(SameRect(r, {40, 45, 60, 55}));
    r = {0, 0, 20, 10};
    EXPECT_EQ(FitRect(r, TKwRect(0, 0, 100, 100), true), 0.2f);
    EXPECT_TRUE(SameRect(r, {0, 25, 100, 75}));
}

TEST(FitRect, TiesTakeTheHeightRatioAndOffsetsAreKept) {
    TKwRect r(5, 5, 105, 105);
    EXPECT_EQ(FitRect(r, TKwRect(10, 20, 60, 70), false), 2.0f);
    EXPECT_TRUE(SameRect(r, {10, 20, 60, 70}));
}

TEST(FitRect, BoundsWithoutAreaLeaveTheRectangle) {
    TKwRect r(1, 2, 30, 40);
    EXPECT_EQ(FitRect(r, TKwRect(5, 5, 5, 50), true), 1.0f);
    EXPECT_TRUE(SameRect(r, {1, 2, 30, 40}));
    EXPECT_EQ(FitRect(r, TKwRect(5, 5, 50, 5), false), 1.0f);
    EXPECT_TRUE(SameRect(r, {1, 2, 30, 40}));
    TRect ir(1, 2, 30, 40);
    EXPECT_EQ(FitRect(ir, TRect(0, 0, 0, 10), true), 1.0f);
    EXPECT_EQ(ir, TRect(1, 2, 30, 40));
}

TEST(FitRect, StretchingAnEmptyRectangleRaises) {
    TKwRect r(3, 3, 3, 3);
    EXPECT_THROW(FitRect(r, TKwRect(0, 0, 10, 10), true), platform::EInvalidOp);
    TRect ir(3, 3, 3, 3);
    EXPECT_THROW(FitRect(ir, TRect(0, 0, 10, 10), true), platform::EInvalidOp);
    // Without stretching the empty rectangle is only centred.
    r = {3, 3, 3, 3};
    EXPECT_EQ(FitRect(r, TKwRect(0, 0, 10, 10), false), 0.0f);
    EXPECT_TRUE(SameRect(r, {5, 5, 5, 5}));
}

TEST(FitRect, IntegerForm) {
    TRect r(0, 0, 200, 100);
    EXPECT_EQ(FitRect(r, TRect(0, 0, 100, 100), false), 2.0f);
    EXPECT_EQ(r, TRect(0, 25, 100, 75));
    r = {0, 0, 20, 10};
    EXPECT_EQ(FitRect(r, TRect(0, 0, 100, 100), false), 0.2f);
    EXPECT_EQ(r, TRect(40, 45, 60, 55));
    r = {0, 0, 20, 10};
    EXPECT_EQ(FitRect(r, TRect(0, 0, 100, 100), true), 0.2f);
    EXPECT_EQ(r, TRect(0, 25, 100, 75));
    // scale 5/3 (height): new size (Round(1.8), Round(3)) = (2, 3), then centred.
    r = {0, 0, 3, 5};
    EXPECT_EQ(FitRect(r, TRect(0, 0, 4, 3), false), 5.0f / 3.0f);
    EXPECT_EQ(r, TRect(1, 0, 3, 3));
}

TEST(FitRect, FitMethodMayUseItselfAsBounds) {
    TKwRect r(10, 20, 30, 60);
    EXPECT_EQ(r.Fit(r), 1.0f);
    EXPECT_TRUE(SameRect(r, {10, 20, 30, 60}));
    r = {0, 0, 200, 100};
    EXPECT_EQ(r.Fit(TKwRect(0, 0, 100, 100)), 2.0f);
    EXPECT_TRUE(SameRect(r, {0, 25, 100, 75}));
}

TEST(FitRect, ThroughAMatrixScalesTranslatesThenMaps) {
    const TKwRect bounds(5, 5, 25, 45);
    EXPECT_TRUE(SameRect(FitRect(KwIdentityMatrix, TKwRect(0, 0, 10, 20), bounds), bounds));
    // M applies last: a scale by 2 in X doubles the already translated corners.
    EXPECT_TRUE(SameRect(FitRect(CreateScaleKwMatrix(2, 1), TKwRect(0, 0, 10, 20), bounds),
                         {10, 5, 50, 45}));
    EXPECT_TRUE(SameRect(FitRect(CreateTranslateKwMatrix(100, 0), TKwRect(0, 0, 10, 20), bounds),
                         {105, 5, 125, 45}));
    // R is not moved to the origin first.
    EXPECT_TRUE(SameRect(FitRect(KwIdentityMatrix, TKwRect(10, 10, 20, 20), TKwRect(0, 0, 10, 10)),
                         {10, 10, 20, 20}));
}

TEST(FitRect, ThroughAMatrixRaisesForAnEmptyRectangle) {
    EXPECT_THROW(FitRect(KwIdentityMatrix, TKwRect(1, 1, 1, 5), TKwRect(0, 0, 10, 10)),
                 platform::EZeroDivide);
    EXPECT_THROW(FitRect(KwIdentityMatrix, TKwRect(1, 1, 5, 1), TKwRect(0, 0, 10, 10)),
                 platform::EZeroDivide);
    EXPECT_THROW(FitRect(KwIdentityMatrix, TKwRect(1, 1, 1, 5), TKwRect(0, 0, 0, 10)),
                 platform::EInvalidOp);
}

TEST(ConnectionPoints, ClockwiseFromTheTopMiddle) {
    const TRect r(0, 0, 5, 7);
    const TPoint expected[] = {{2, 0}, {5, 0}, {5, 3}, {5, 7}, {2, 7}, {0, 7}, {0, 3}, {0, 0}};
    for (int i = 0; i < 8; ++i) {
        const auto cp = static_cast<TConnectionPoint>(i);
        EXPECT_EQ(GetPointOnRect(r, cp), expected[i]) << i;
        EXPECT_EQ(GetCanvasPointOnRect(r, cp), expected[i]) << i;
    }
    const TKwRect kr(0, 0, 5, 7);
    EXPECT_TRUE(SamePoint(GetKwPointOnKwRect(kr, cpTop), {2.5f, 0}));
    EXPECT_TRUE(SamePoint(GetKwPointOnKwRect(kr, cpRight), {5, 3.5f}));
    EXPECT_TRUE(SamePoint(GetKwPointOnKwRect(kr, cpBottomLeft), {0, 7}));
    EXPECT_TRUE(SamePoint(GetKwPointOnKwRect(kr, cpLeft), {0, 3.5f}));
}

TEST(ConnectionPoints, IntegerMiddleTruncatesTowardsZero) {
    EXPECT_EQ(GetPointOnRect(TRect(-5, -5, 0, 0), cpTop), TPoint(-3, -5));
    EXPECT_EQ(GetPointOnRect(TRect(5, 5, 0, 0), cpLeft), TPoint(5, 3));
    constexpr int32_t lo = std::numeric_limits<int32_t>::min();
    constexpr int32_t hi = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(GetPointOnRect(TRect(lo, lo, hi, hi), cpBottom), TPoint(-1, hi));
}
