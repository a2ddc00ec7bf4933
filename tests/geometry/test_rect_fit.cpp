// SPDX-License-Identifier: MIT
// Centring a rectangle on a point or in bounds, and fitting it into bounds with or without
// keeping its aspect ratio, also through a matrix, and the matrix that fits bounds into a
// rectangle (KwFitMatrix) by its mapped bounds.
#include "GeometryTestSupport.h"

#include <kwgfx/geometry/KwConversions.h>
#include <kwgfx/geometry/KwMatrix.h>
#include <kwgfx/geometry/KwRectFit.h>
#include <kwgfx/platform/base/Exceptions.h>

using namespace kw;
using kw::test::SameRect;

TEST(CenterRect, OnAPoint) {
    EXPECT_EQ(CenterRect(TPoint(10, 10), 5, 5), TRect(8, 8, 12, 12)); // odd size loses a unit
    EXPECT_EQ(CenterRect(10, 10, 4, 6), TRect(8, 7, 12, 13));
    EXPECT_EQ(CenterRect(0, 0, -5, 5), TRect(2, -2, -2, 2));
    EXPECT_TRUE(SameRect(CenterRect(KwPoint(10, 10), 5, 5), {7.5f, 7.5f, 12.5f, 12.5f}));
    EXPECT_TRUE(SameRect(CenterRect(1.0f, 2.0f, 3.0f, 4.0f), {-0.5f, 0, 2.5f, 4}));
}

TEST(CenterRect, InBoundsOnWholeUnits) {
    TKwRect r(0, 0, 3, 3);
    EXPECT_TRUE(SameRect(CenterRect(r, TKwRect(0, 0, 10, 10)), {4, 4, 7, 7})); // 3.5 -> 4
    EXPECT_TRUE(SameRect(r, {4, 4, 7, 7}));
    r = {0, 0, 5, 5};
    CenterRect(r, TKwRect(0, 0, 10, 10));
    EXPECT_TRUE(SameRect(r, {2, 2, 7, 7})); // 2.5 -> 2
    r = {100, 100, 100.5f, 101};
    CenterRect(r, TKwRect(10, 20, 13, 23));
    EXPECT_TRUE(SameRect(r, {11, 21, 11.5f, 22})); // 1.25 -> 1, 1
    r = {0, 0, 20, 20};                            // larger than the bounds: overhangs both sides
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

TEST(KwFitMatrix, MapsTheBoundsCentredIntoTheRectangleKeepingProportions) {
    const struct {
        const char* Why;
        TKwRect Bounds, Into, Expected;
    } cases[] = {
        {"wide: fills the width", {10, 10, 30, 20}, {0, 0, 100, 100}, {0, 25, 100, 75}},
        {"tall: fills the height", {0, 0, 10, 40}, {0, 0, 100, 100}, {37.5f, 0, 62.5f, 100}},
        {"reversed rectangle", {10, 10, 30, 20}, {100, 100, 0, 0}, {0, 25, 100, 75}},
        {"negative bounds, same size", {-20, -10, 0, 10}, {10, 10, 30, 30}, {10, 10, 30, 30}},
        {"shrinks", {0, 0, 400, 200}, {2, 2, 42, 42}, {2, 12, 42, 32}},
        {"no height: widths alone", {5, 5, 15, 5}, {0, 0, 40, 20}, {0, 10, 40, 10}},
        {"no width: heights alone", {3, 0, 3, 8}, {0, 0, 40, 20}, {20, 0, 20, 20}},
        {"a point: only moved", {7, 7, 7, 7}, {0, 0, 10, 10}, {5, 5, 5, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        const TKwMatrix m = KwFitMatrix(c.Bounds, c.Into);
        const TKwPoint a = KwMatrixMultiply(c.Bounds.TopLeft(), m);
        const TKwPoint b = KwMatrixMultiply(c.Bounds.BottomRight(), m);
        EXPECT_NEAR(a.X, c.Expected.Left, 1e-4);
        EXPECT_NEAR(a.Y, c.Expected.Top, 1e-4);
        EXPECT_NEAR(b.X, c.Expected.Right, 1e-4);
        EXPECT_NEAR(b.Y, c.Expected.Bottom, 1e-4);
    }
}
