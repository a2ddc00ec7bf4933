// SPDX-License-Identifier: MIT
// The connection points on a rectangle's outline, clockwise from the top middle.
#include "GeometryTestSupport.h"

#include <kwgfx/geometry/KwConnectionPoints.h>
#include <kwgfx/geometry/KwConversions.h>

#include <cstdint>
#include <limits>

using namespace kw;
using kw::test::SamePoint;

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
