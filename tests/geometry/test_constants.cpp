// SPDX-License-Identifier: MIT
// The geometry constants: their values and exact bit patterns.
#include <kwgfx/geometry/KwConstants.h>
#include <kwgfx/geometry/KwGfxException.h>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <type_traits>

using namespace kw;

TEST(Constants, ValuesAndBitPatterns) {
    EXPECT_EQ(std::bit_cast<uint32_t>(cPI), 0x40490FDBu);
    EXPECT_EQ(std::bit_cast<uint32_t>(Epsilon), 0x000116C2u);
    EXPECT_EQ(std::fpclassify(Epsilon), FP_SUBNORMAL);
    EXPECT_EQ(Epsilon, 1E-40f);
    EXPECT_EQ(KwClosePolygon.X, 65535);
    EXPECT_EQ(KwClosePolygon.Y, 65535);
    static_assert(std::is_base_of_v<EKwException, EKwGfxException>);
    static_assert(std::is_base_of_v<platform::Exception, EKwGfxException>);
}
