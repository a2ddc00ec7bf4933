// SPDX-License-Identifier: MIT
// ClipSegmentToBox: the part of a segment inside a box, for lines with far-away ends.
#include "kwgfx/platform/graphics/PolygonBoxClip.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kw::platform;

namespace {

const TBoxD kBox{0, 0, 100, 50};

} // namespace

TEST(SegmentBoxClip, InsideSegmentsKeepTheirExactEnds) {
    TPointD a(1.25, 3), b(99, 50);
    ASSERT_TRUE(ClipSegmentToBox(a, b, kBox));
    EXPECT_EQ(a, TPointD(1.25, 3));
    EXPECT_EQ(b, TPointD(99, 50));
    // A point on the edge counts as inside, as does a segment of zero length.
    TPointD p(100, 20), q = p;
    EXPECT_TRUE(ClipSegmentToBox(p, q, kBox));
    EXPECT_EQ(p, TPointD(100, 20));
}

TEST(SegmentBoxClip, EndsOutsideMoveAlongTheSegmentToTheBox) {
    // Crossing the whole box along a diagonal: y = 10 + x / 4 between x = 0 and 100.
    TPointD a(-1000, 10 - 250), b(1000, 10 + 250);
    ASSERT_TRUE(ClipSegmentToBox(a, b, kBox));
    EXPECT_DOUBLE_EQ(a.X, 0);
    EXPECT_DOUBLE_EQ(a.Y, 10);
    EXPECT_DOUBLE_EQ(b.X, 100);
    EXPECT_DOUBLE_EQ(b.Y, 35);
    // Leaving through the bottom: the far end stops where y = 50, the near one stays.
    TPointD c(10, 10), d(10 + 2e9, 10 + 4e9);
    ASSERT_TRUE(ClipSegmentToBox(c, d, kBox));
    EXPECT_EQ(c, TPointD(10, 10));
    EXPECT_DOUBLE_EQ(d.X, 30);
    EXPECT_DOUBLE_EQ(d.Y, 50);
}

TEST(SegmentBoxClip, SegmentsMissingTheBoxAreRejectedUntouched) {
    const struct {
        TPointD A, B;
    } misses[] = {
        {{-10, -10}, {-1, 60}},  // left of the box
        {{-10, 5}, {5, -10}},    // passes the corner outside the box
        {{200, 60}, {101, 60}},  // parallel to an edge, beyond it
        {{50, 51}, {1e300, 51}}, // far end huge, still below
    };
    for (const auto& m : misses) {
        TPointD a = m.A, b = m.B;
        EXPECT_FALSE(ClipSegmentToBox(a, b, kBox)) << m.A.X << "," << m.A.Y;
        EXPECT_EQ(a, m.A);
        EXPECT_EQ(b, m.B);
    }
}

TEST(SegmentBoxClip, ExtremeFiniteEndsDoNotOverflow) {
    // The difference of the ends overflows a double; the clipped points stay in the box.
    const double big = std::numeric_limits<double>::max();
    TPointD a(-big, 25), b(big, 25);
    ASSERT_TRUE(ClipSegmentToBox(a, b, kBox));
    EXPECT_EQ(a, TPointD(0, 25));
    EXPECT_EQ(b, TPointD(100, 25));
}
