// SPDX-License-Identifier: MIT
// Centres: the centre of rectangles and point lists, and the incentre of a triangle.
#include "GeometryTestSupport.h"

#include <kwgfx/geometry/KwCenters.h>
#include <kwgfx/geometry/KwConversions.h>
#include <kwgfx/platform/base/Exceptions.h>

#include <cstdint>
#include <limits>
#include <vector>

using namespace kw;
using kw::test::SamePoint;

TEST(KwCenterPoint, OfRectangles) {
    EXPECT_TRUE(SamePoint(KwCenterPoint(TRect(0, 0, 5, 5)), {2.5f, 2.5f}));
    EXPECT_TRUE(SamePoint(KwCenterPoint(TRect(-5, 0, 0, -3)), {-2.5f, -1.5f}));
    EXPECT_TRUE(SamePoint(KwCenterPoint(TKwRect(1, 1, 2, 4)), {1.5f, 2.5f}));
}

TEST(KwCenterPoint, OfPointListsSumsInFloat) {
    EXPECT_TRUE(SamePoint(KwCenterPoint(TKwPoints{}), {0, 0}));
    EXPECT_TRUE(SamePoint(KwCenterPoint(TCanvasPoints{}), {0, 0}));
    EXPECT_TRUE(SamePoint(KwCenterPoint(TKwPoints{{1, 2}, {3, 6}}), {2, 4}));
    // The running sum is rounded to float after each addition: 2^24 + 1 stays 2^24, so
    // the mean is 2^24 / 3, not the exact (2^24 + 2) / 3.
    const TKwPoints big{{16777216, 0}, {1, 0}, {1, 0}};
    EXPECT_TRUE(SamePoint(KwCenterPoint(big), {16777216.0f / 3, 0}));
    const TCanvasPoints bigInts{{16777216, 0}, {1, 0}, {1, 0}};
    EXPECT_TRUE(SamePoint(KwCenterPoint(bigInts), {16777216.0f / 3, 0}));
}

TEST(InCenterPoint, OfATriangle) {
    EXPECT_TRUE(SamePoint(InCenterPoint(KwPoint(0, 0), KwPoint(4, 0), KwPoint(0, 3)), {1, 1}));
    EXPECT_EQ(InCenterPoint(TPoint(0, 0), TPoint(4, 0), TPoint(0, 3)), TPoint(1, 1));
    // Two equal vertices: the incentre is that vertex.
    EXPECT_TRUE(SamePoint(InCenterPoint(KwPoint(2, 2), KwPoint(2, 2), KwPoint(8, 5)), {2, 2}));
    // Squares beyond 32 bits stay exact in the integer form.
    EXPECT_EQ(InCenterPoint(TPoint(0, 0), TPoint(400000, 0), TPoint(0, 300000)),
              TPoint(100000, 100000));
}

TEST(InCenterPoint, IntegerFormSpansTheWholeRange) {
    // A right isosceles triangle over the full coordinate range: its incentre lies on the
    // diagonal x = y, (2 - sqrt 2) / 2 of a leg from the right angle.
    constexpr int32_t lo = std::numeric_limits<int32_t>::min();
    constexpr int32_t hi = std::numeric_limits<int32_t>::max();
    const TPoint i = InCenterPoint(TPoint(lo, lo), TPoint(hi, lo), TPoint(lo, hi));
    EXPECT_EQ(i.X, i.Y);
    const long double leg = static_cast<long double>(hi) - lo;
    const long double expected = lo + leg * (2 - std::sqrt(2.0L)) / 2;
    EXPECT_NEAR(i.X, expected, 1024.0L); // side lengths are rounded to float
}

TEST(InCenterPoint, ThreeEqualPointsRaiseInvalidOp) {
    EXPECT_THROW(InCenterPoint(KwPoint(1, 1), KwPoint(1, 1), KwPoint(1, 1)), platform::EInvalidOp);
    EXPECT_THROW(InCenterPoint(TPoint(1, 1), TPoint(1, 1), TPoint(1, 1)), platform::EInvalidOp);
}
