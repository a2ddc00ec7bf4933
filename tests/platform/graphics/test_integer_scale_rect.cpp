// SPDX-License-Identifier: MIT
// Growing an integer rectangle by an amount: the exact growth, the extra pixel of odd
// amounts, and saturation at the ends of the integer range.
#include <kwgfx/platform/graphics/IntegerScaleRect.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace kw::platform;

TEST(IntegerScaleRect, IntegerScaleRectGrowsByExactlyTheAmount) {
    const TRect r(0, 0, 10, 10);
    EXPECT_EQ(ScaleRect(r, 4, 6), TRect(-2, -3, 12, 13));
    // An odd amount puts the extra pixel on the right and bottom.
    const TRect odd = ScaleRect(r, 5, 3);
    EXPECT_EQ(odd, TRect(-2, -1, 13, 12));
    EXPECT_EQ(odd.Width(), 15);
    EXPECT_EQ(odd.Height(), 13);
    const TRect shrunk = ScaleRect(r, -5, -3);
    EXPECT_EQ(shrunk, TRect(2, 1, 7, 8));
    EXPECT_EQ(shrunk.Width(), 5);
    EXPECT_EQ(r, TRect(0, 0, 10, 10)); // the input is untouched
}

TEST(IntegerScaleRect, IntegerScaleRectSaturatesInsteadOfWrapping) {
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    constexpr int32_t small = std::numeric_limits<int32_t>::min();
    const TRect r = ScaleRect(TRect(small + 1, -5, big - 1, 5), big, big);
    EXPECT_EQ(r.Left, small);
    EXPECT_EQ(r.Right, big);
    EXPECT_EQ(r.Top, -5 - big / 2);
    EXPECT_EQ(r.Bottom, 5 + (big - big / 2));
}
