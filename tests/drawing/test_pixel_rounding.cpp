// SPDX-License-Identifier: MIT
// The one float-to-pixel rule shared by the canvases, the geometry conversions and the
// drawing routines: ties to even, saturation at the 32-bit range, NaN to 0.
#include "kwgfx/drawing/detail/DrawingRounding.h"
#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/platform/graphics/PixelRounding.h"
#include "kwgfx/platform/graphics/PointD.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace kw;
using platform::ClampToPixel;
using platform::RoundToPixel;
using platform::TruncToPixel;

namespace {
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
} // namespace

TEST(PixelRounding, TiesGoToTheEvenNeighbour) {
    const struct {
        double In;
        int32_t Out;
    } cases[] = {{0.5, 0},   {1.5, 2},       {2.5, 2},       {-0.5, 0},  {-1.5, -2},
                 {-2.5, -2}, {2.4999999, 2}, {2.5000001, 3}, {-7.75, -8}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToPixel(c.In), c.Out) << c.In;
        EXPECT_EQ(RoundToPixel(static_cast<long double>(c.In)), c.Out) << c.In;
    }
}

TEST(PixelRounding, ExtendedValuesAreRoundedOnceNotThroughDouble) {
    // 2.5 + 2^-60 is above the tie, but narrowed to double it becomes the tie 2.5 and would
    // round down to 2.
    const long double above = 2.5L + std::ldexp(1.0L, -60);
    ASSERT_EQ(static_cast<double>(above), 2.5);
    EXPECT_EQ(RoundToPixel(above), 3);
    EXPECT_EQ(detail::RoundPixel(above), 3);
    // Truncation likewise: just below 3 stays 2 though the nearest double is 3.
    const long double below = 3.0L - std::ldexp(1.0L, -60);
    ASSERT_EQ(static_cast<double>(below), 3.0);
    EXPECT_EQ(TruncToPixel(below), 2);
    EXPECT_EQ(detail::TruncPixel(below), 2);
}

TEST(PixelRounding, SaturatesAtTheIntegerRangeAndMapsNaNToZero) {
    EXPECT_EQ(RoundToPixel(2147483646.5), 2147483646); // tie, even neighbour in range
    EXPECT_EQ(RoundToPixel(2147483646.6), kMax32);
    EXPECT_EQ(RoundToPixel(2147483647.5), kMax32);
    EXPECT_EQ(RoundToPixel(1e300), kMax32);
    EXPECT_EQ(RoundToPixel(kInf), kMax32);
    EXPECT_EQ(RoundToPixel(-2147483647.5), kMin32); // tie, even neighbour is the minimum
    EXPECT_EQ(RoundToPixel(-2147483648.5), kMin32);
    EXPECT_EQ(RoundToPixel(-kInf), kMin32);
    EXPECT_EQ(RoundToPixel(kNaN), 0);
    EXPECT_EQ(RoundToPixel(static_cast<long double>(kNaN)), 0);
    EXPECT_EQ(RoundToPixel(-1e4000L), kMin32);

    EXPECT_EQ(TruncToPixel(2.9), 2);
    EXPECT_EQ(TruncToPixel(-2.9), -2);
    EXPECT_EQ(TruncToPixel(2147483647.9), kMax32);
    EXPECT_EQ(TruncToPixel(2147483648.0), kMax32);
    EXPECT_EQ(TruncToPixel(-2147483648.9), kMin32);
    EXPECT_EQ(TruncToPixel(kNaN), 0);

    EXPECT_EQ(ClampToPixel(int64_t{kMax32} + 1), kMax32);
    EXPECT_EQ(ClampToPixel(int64_t{kMin32} - 1), kMin32);
    EXPECT_EQ(ClampToPixel(std::numeric_limits<int64_t>::min()), kMin32);
    EXPECT_EQ(ClampToPixel(-5), -5);
}

TEST(PixelRounding, CanvasGeometryAndDrawingAgreeOnEveryValue) {
    // The point conversion of the canvas, the geometry's float-point conversion and the
    // drawing routines' helper must give the same pixel for the same coordinate.
    const float values[] = {0.5f,
                            -0.5f,
                            1.5f,
                            2.5f,
                            -3.5f,
                            std::nextafter(0.5f, 0.0f),
                            8388607.5f,
                            2147483520.f,
                            2147483648.f,
                            -2147483648.f,
                            -2147483904.f,
                            3e38f,
                            -3e38f,
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()};
    for (float v : values) {
        const int32_t expected = RoundToPixel(static_cast<double>(v));
        EXPECT_EQ(RoundToPixel(platform::TPointD(v, -v)), TPoint(expected, RoundToPixel(-v))) << v;
        EXPECT_EQ(KwPointToPoint(KwPoint(v, v)), TPoint(expected, expected)) << v;
        EXPECT_EQ(CanvasPoint(v, v), TPoint(expected, expected)) << v;
        EXPECT_EQ(detail::RoundPixel(v), expected) << v;
    }
}
