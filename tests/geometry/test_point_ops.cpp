// SPDX-License-Identifier: MIT
// Point operators and operations: fuzzy equality, offsets and scaling.
#include "GeometryTestSupport.h"

#include <kwgfx/geometry/KwConversions.h>
#include <kwgfx/geometry/KwPointOps.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

using namespace kw;
using kw::test::SamePoint;

TEST(PointOperators, EqualityIsFuzzy) {
    EXPECT_TRUE(KwPoint(1, 2) == KwPoint(1.00005f, 2));
    EXPECT_FALSE(KwPoint(0, 0) == KwPoint(0.0002f, 0));
    EXPECT_TRUE(KwPoint(0, 0) != KwPoint(0.0002f, 0));
    EXPECT_FALSE(KwPoint(1, 2) != KwPoint(1, 2.00009f));
    // The tolerance grows with the smaller magnitude: 1E-4 of it.
    EXPECT_TRUE(KwPoint(10000, 0) == KwPoint(10000.9f, 0));
    EXPECT_FALSE(KwPoint(10000, 0) == KwPoint(10001.5f, 0));
    EXPECT_FALSE(KwPoint(1, 2) == KwPoint(2, 1));
    EXPECT_TRUE(PointsEqual(KwPoint(-3, 5), KwPoint(-3.00001f, 5)));
    EXPECT_FALSE(PointsEqual(KwPoint(-3, 5), KwPoint(3, 5)));
}

TEST(PointOperators, ComponentWiseArithmetic) {
    EXPECT_TRUE(SamePoint(KwPoint(1, 2) * KwPoint(3, 4), {3, 8}));
    EXPECT_TRUE(SamePoint(KwPoint(1, 2) + KwPoint(3, -4), {4, -2}));
    EXPECT_TRUE(SamePoint(KwPoint(1, 2) - KwPoint(3, -4), {-2, 6}));
}

TEST(OffsetPoint, ByDeltasReturnsTheOldPoint) {
    TPoint p(1, 2);
    EXPECT_EQ(OffsetPoint(p, 10, -20), TPoint(1, 2));
    EXPECT_EQ(p, TPoint(11, -18));
    TKwPoint q(1, 2);
    EXPECT_TRUE(SamePoint(OffsetPoint(q, 0.5f, -0.25f), {1, 2}));
    EXPECT_TRUE(SamePoint(q, {1.5f, 1.75f}));
}

TEST(OffsetPoint, TowardsATarget) {
    TKwPoint p(0, 0);
    EXPECT_TRUE(SamePoint(OffsetPoint(p, KwPoint(3, 4), 10), {0, 0}));
    EXPECT_TRUE(SamePoint(p, {6, 8})); // beyond the target

    p = {0, 0};
    OffsetPoint(p, KwPoint(3, 4), -5); // away from it
    EXPECT_TRUE(SamePoint(p, {-3, -4}));

    p = {2, 2};
    OffsetPoint(p, KwPoint(2, 2), 10); // target equals the point: nothing moves
    EXPECT_TRUE(SamePoint(p, {2, 2}));

    TPoint ip(0, 0);
    EXPECT_EQ(OffsetPoint(ip, TPoint(3, 4), 10), TPoint(0, 0));
    EXPECT_EQ(ip, TPoint(6, 8));
    ip = {5, 5};
    OffsetPoint(ip, TPoint(5, 5), 3);
    EXPECT_EQ(ip, TPoint(5, 5));
}

TEST(OffsetPoint, IntegerFormRoundsEachIncrementToEven) {
    // d = 5, k = 0.5: increments 1.5 (X) and 2 (Y); 1.5 rounds to 2.
    TPoint p(0, 0);
    OffsetPoint(p, TPoint(3, 4), 2.5f);
    EXPECT_EQ(p, TPoint(2, 2));
    // k = 0.5 on (5, 0): 2.5 rounds to 2.
    p = {0, 0};
    OffsetPoint(p, TPoint(5, 0), 2.5f);
    EXPECT_EQ(p, TPoint(2, 0));
}

TEST(OffsetPoint, IntegerFormMeasuresDistancesAcrossTheWholeRange) {
    // Squared differences of distant 32-bit points exceed 64 bits when summed.
    constexpr int32_t lo = std::numeric_limits<int32_t>::min();
    constexpr int32_t hi = std::numeric_limits<int32_t>::max();
    TPoint p(lo, 0);
    OffsetPoint(p, TPoint(hi, 0), 10);
    EXPECT_EQ(p, TPoint(lo + 10, 0));
    // A 3-4-5 triangle scaled to a hypotenuse of 4e9: the move of 5 splits into 3 and 4.
    TPoint q(lo, lo);
    OffsetPoint(q, TPoint(lo + 2400000000LL, lo + 3200000000LL), 5);
    EXPECT_EQ(q, TPoint(lo + 3, lo + 4));
}

TEST(ScalePoints, AboutTheMeanCentre) {
    EXPECT_TRUE(ScalePoints(TKwPoints{}, 2, 2).empty());
    EXPECT_TRUE(ScalePoints(TCanvasPoints{}, 2, 2).empty());

    const TKwPoints one = ScalePoints(TKwPoints{{3, -7}}, 5, 0.5f);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_TRUE(SamePoint(one[0], {3, -7}));

    const TKwPoints square{{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    const TKwPoints scaled = ScalePoints(square, 2, 0.5f);
    ASSERT_EQ(scaled.size(), 4u);
    EXPECT_TRUE(SamePoint(scaled[0], {-1, 0.5f}));
    EXPECT_TRUE(SamePoint(scaled[2], {3, 1.5f}));
}

TEST(ScalePoints, IntegerFormRoundsHalfToEven) {
    // Centre (0.5, 0): X' = (X - 0.5) * 2 + 0.5 gives -0.5 and 1.5.
    const TCanvasPoints scaled = ScalePoints(TCanvasPoints{{0, 0}, {1, 0}}, 2, 1);
    EXPECT_EQ(scaled, (TCanvasPoints{{0, 0}, {2, 0}}));
}
