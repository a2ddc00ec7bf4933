// SPDX-License-Identifier: MIT
// Canvas and point conversions: rounding (half to even), truncation, integer division,
// extremes, and the division and empty-list errors.
#include "GeometryTestSupport.h"

#include <kwgfx/geometry/KwConversions.h>
#include <kwgfx/platform/base/Exceptions.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

using namespace kw;
using kw::test::SamePoint;

namespace {
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int64_t kMin64 = std::numeric_limits<int64_t>::min();
} // namespace

TEST(CanvasConversions, RoundHalfToEven) {
    EXPECT_EQ(CanvasPoint(2.5f, 3.5f), TPoint(2, 4));
    EXPECT_EQ(KwPointToPoint(KwPoint(-0.5f, -1.5f)), TPoint(0, -2));
    EXPECT_EQ(KwPointToCanvasPoint(KwPoint(-0.5f, -1.5f)), TPoint(0, -2));
    EXPECT_EQ(CanvasRound(-2.5), -2);
    EXPECT_EQ(CanvasRound(0.5), 0);
    EXPECT_EQ(CanvasRound(1.5), 2);
    EXPECT_EQ(CanvasRound(2.4999999), 2);
    EXPECT_EQ(CanvasRect(0.5f, 1.5f, 2.5f, -3.5f), TRect(0, 2, 2, -4));
    EXPECT_EQ(CanvasRect(TKwRect(0.5f, 1.5f, 2.5f, -3.5f)), TRect(0, 2, 2, -4));
    // The largest float below 0.5 must not round up (a "+0.5 then floor" rounding does).
    EXPECT_EQ(CanvasPoint(std::nextafter(0.5f, 0.0f), 0.0f), TPoint(0, 0));
}

TEST(CanvasConversions, TruncTowardsZero) {
    EXPECT_EQ(CanvasTrunc(-2.7), -2);
    EXPECT_EQ(CanvasTrunc(2.7), 2);
    EXPECT_EQ(CanvasTrunc(-0.9), 0);
}

TEST(CanvasConversions, SixtyFourBitResults) {
    EXPECT_EQ(CanvasRound(4294967296.5), 4294967296);
    EXPECT_EQ(CanvasTrunc(-9007199254740993.0), -9007199254740992);
    EXPECT_EQ(CanvasRound(-9223372036854775808.0), kMin64);
    EXPECT_THROW(CanvasRound(9223372036854775808.0), platform::EInvalidOp);
    EXPECT_THROW(CanvasRound(std::nan("")), platform::EInvalidOp);
    EXPECT_THROW(CanvasTrunc(-INFINITY), platform::EInvalidOp);
}

TEST(CanvasConversions, OutOfRangeFieldsSaturate) {
    EXPECT_EQ(CanvasPoint(3e9f, -3e9f), TPoint(kMax32, kMin32));
    EXPECT_EQ(CanvasPoint(INFINITY, -INFINITY), TPoint(kMax32, kMin32));
    EXPECT_EQ(CanvasPoint(NAN, 1.0f), TPoint(0, 1));
    EXPECT_EQ(CanvasPoint(-2147483648.0f, 2147483520.0f), TPoint(kMin32, 2147483520));
}

TEST(CanvasConversions, IntegerForms) {
    EXPECT_EQ(CanvasRect(1, 2, 3, 4), TRect(1, 2, 3, 4));
    EXPECT_EQ(CanvasRect(TRect(-1, -2, 3, 4)), TRect(-1, -2, 3, 4));
    EXPECT_EQ(CanvasPoint(-7, 9), TPoint(-7, 9));
}

TEST(CanvasDiv, IntegersTruncateTowardsZero) {
    EXPECT_EQ(CanvasDiv(int64_t{7}, int64_t{2}), 3);
    EXPECT_EQ(CanvasDiv(int64_t{-7}, int64_t{2}), -3);
    EXPECT_EQ(CanvasDiv(int64_t{7}, int64_t{-2}), -3);
    EXPECT_EQ(CanvasDiv(kMin64, int64_t{1}), kMin64);
}

TEST(CanvasDiv, IntegerErrors) {
    EXPECT_THROW(CanvasDiv(int64_t{1}, int64_t{0}), platform::EDivByZero);
    EXPECT_THROW(CanvasDiv(int64_t{0}, int64_t{0}), platform::EDivByZero);
    EXPECT_THROW(CanvasDiv(kMin64, int64_t{-1}), platform::EIntOverflow);
}

TEST(CanvasDiv, DoublesRoundTheQuotientHalfToEven) {
    EXPECT_EQ(CanvasDiv(5.0, 2.0), 2);
    EXPECT_EQ(CanvasDiv(7.0, 2.0), 4);
    EXPECT_EQ(CanvasDiv(-5.0, 2.0), -2);
    EXPECT_EQ(CanvasDiv(1.0, 3.0), 0);
}

TEST(CanvasDiv, DoubleDivisionByZeroRaises) {
    EXPECT_THROW(CanvasDiv(1.0, 0.0), platform::EZeroDivide);
    EXPECT_THROW(CanvasDiv(-1.0, -0.0), platform::EZeroDivide);
    EXPECT_THROW(CanvasDiv(0.0, 0.0), platform::EInvalidOp);
    EXPECT_THROW(CanvasDiv(1e300, 1e-300), platform::EInvalidOp); // beyond 64 bits
}

TEST(CanvasMaxMin, PicksTheExtremes) {
    const std::vector<int32_t> values{3, -7, 12, 0, 12, kMin32};
    EXPECT_EQ(CanvasMax(values), 12);
    EXPECT_EQ(CanvasMin(values), kMin32);
    const int32_t one[] = {-4};
    EXPECT_EQ(CanvasMax(one), -4);
    EXPECT_EQ(CanvasMin(one), -4);
}

TEST(CanvasMaxMin, EmptyListRaisesRangeError) {
    EXPECT_THROW(CanvasMax({}), platform::ERangeError);
    EXPECT_THROW(CanvasMin(std::vector<int32_t>{}), platform::ERangeError);
}

TEST(CanvasCenterPoint, HalvesTruncateTowardsZero) {
    EXPECT_EQ(CanvasCenterPoint(TRect(0, 0, 5, 5)), TPoint(2, 2));
    EXPECT_EQ(CanvasCenterPoint(TRect(-5, -5, 0, 0)), TPoint(-3, -3));
    EXPECT_EQ(CanvasCenterPoint(TRect(5, 5, 0, 0)), TPoint(3, 3));
    // The full 32-bit width does not overflow.
    EXPECT_EQ(CanvasCenterPoint(TRect(kMin32, kMin32, kMax32, 0)), TPoint(-1, -1073741824));
}

TEST(PointConversions, BuildAndConvert) {
    EXPECT_TRUE(SamePoint(KwPoint(1.5f, -2.0f), {1.5f, -2.0f}));
    EXPECT_TRUE(SamePoint(KwPoint(TPoint(-3, 4)), {-3, 4}));
    EXPECT_TRUE(SamePoint(PointToKwPoint(TPoint(-3, 4)), {-3, 4}));
    // Beyond 2^24 integers round to the nearest float, ties to even.
    EXPECT_TRUE(SamePoint(KwPoint(TPoint(16777217, 16777219)), {16777216.0f, 16777220.0f}));
}

TEST(PointConversions, ArraysKeepLengthAndOrder) {
    EXPECT_TRUE(PointsToKwPoints(TCanvasPoints{}).empty());
    EXPECT_TRUE(KwPointsToPoints(TKwPoints{}).empty());

    const TCanvasPoints ints{{1, 2}, {-3, 4}, {5, -6}};
    const TKwPoints floats = PointsToKwPoints(ints);
    ASSERT_EQ(floats.size(), 3u);
    EXPECT_TRUE(SamePoint(floats[1], {-3, 4}));
    EXPECT_EQ(KwPointsToPoints(floats), ints);

    const TCanvasPoints rounded = KwPointsToPoints(TKwPoints{{0.5f, 1.5f}, {-2.5f, 2.4999f}});
    EXPECT_EQ(rounded, (TCanvasPoints{{0, 2}, {-2, 2}}));
}
