// SPDX-License-Identifier: MIT
// Rectangle overlap, segment crossing, segment against rectangle outline, and the
// even-odd point-in-polygon test.
#include "GeometryTestSupport.h"

#include <kwgfx/geometry/KwConversions.h>
#include <kwgfx/geometry/KwIntersections.h>

#include <cmath>
#include <cstdint>

using namespace kw;
using kw::test::SamePoint;
using kw::test::SameRect;

TEST(KwIntersectRect, TouchingRectanglesIntersect) {
    TKwRect r;
    EXPECT_TRUE(KwIntersectRect(TKwRect(0, 0, 10, 10), TKwRect(10, 0, 20, 10), r));
    EXPECT_TRUE(SameRect(r, {10, 0, 10, 10}));
    EXPECT_TRUE(KwIntersectRect(TKwRect(0, 0, 10, 10), TKwRect(5, -5, 15, 5), r));
    EXPECT_TRUE(SameRect(r, {5, 0, 10, 5}));
}

TEST(KwIntersectRect, DisjointRectanglesLeaveTheInvertedOverlap) {
    TKwRect r(1, 2, 3, 4);
    EXPECT_FALSE(KwIntersectRect(TKwRect(0, 0, 10, 10), TKwRect(20, 20, 30, 30), r));
    EXPECT_TRUE(SameRect(r, {20, 20, 10, 10}));
}

TEST(KwIntersectRect, ResultMayAliasAnInput) {
    TKwRect a(0, 0, 10, 10);
    EXPECT_TRUE(KwIntersectRect(a, TKwRect(5, 5, 20, 20), a));
    EXPECT_TRUE(SameRect(a, {5, 5, 10, 10}));
}

TEST(KwIntersectLine, CrossingSegmentsGiveTheTrueCrossingPoint) {
    TKwPoint x;
    EXPECT_TRUE(KwIntersectLine({0, 0}, {10, 10}, {0, 10}, {10, 0}, x));
    EXPECT_TRUE(SamePoint(x, {5, 5}));
    // Not on whole units: a rounding term of half the denominator would give (1, 1).
    EXPECT_TRUE(KwIntersectLine({0, 0}, {1, 1}, {0, 1}, {1, 0}, x));
    EXPECT_TRUE(SamePoint(x, {0.5f, 0.5f}));
    EXPECT_TRUE(KwIntersectLine({-1, 0.25f}, {3, 0.25f}, {0.5f, -2}, {0.5f, 2}, x));
    EXPECT_TRUE(SamePoint(x, {0.5f, 0.25f}));
}

TEST(KwIntersectLine, AnEndOnTheOtherSegmentCounts) {
    TKwPoint x;
    EXPECT_TRUE(KwIntersectLine({0, 0}, {10, 0}, {5, 0}, {5, 5}, x));
    EXPECT_TRUE(SamePoint(x, {5, 0}));
    EXPECT_TRUE(KwIntersectLine({0, 0}, {10, 0}, {10, 0}, {12, 7}, x)); // shared end
    EXPECT_TRUE(SamePoint(x, {10, 0}));
}

TEST(KwIntersectLine, NoCrossingLeavesIntersectionUnchanged) {
    const TKwPoint sentinel(-99, -99);
    TKwPoint x = sentinel;
    EXPECT_FALSE(KwIntersectLine({0, 0}, {10, 0}, {0, 1}, {10, 1}, x));  // parallel
    EXPECT_FALSE(KwIntersectLine({0, 0}, {10, 0}, {5, 0}, {15, 0}, x));  // overlapping
    EXPECT_FALSE(KwIntersectLine({0, 0}, {10, 0}, {11, 0}, {15, 0}, x)); // collinear apart
    EXPECT_FALSE(KwIntersectLine({0, 0}, {10, 0}, {5, 1}, {5, 5}, x));   // short of the line
    EXPECT_FALSE(KwIntersectLine({0, 0}, {1, 1}, {3, 0}, {4, -5}, x));   // lines cross elsewhere
    EXPECT_TRUE(SamePoint(x, sentinel));
}

TEST(KwIntersectRectSegment, CrossingThroughTwoEdges) {
    TKwPoints points{{1, 1}}; // cleared first
    EXPECT_TRUE(KwIntersectRect(KwPoint(-5, 5), KwPoint(15, 5), TKwRect(0, 0, 10, 10), points));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(SamePoint(points[0], {0, 5}));  // left edge first
    EXPECT_TRUE(SamePoint(points[1], {10, 5})); // then right
    EXPECT_TRUE(KwIntersectRect(KwPoint(5, 15), KwPoint(5, -5), TKwRect(0, 0, 10, 10), points));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(SamePoint(points[0], {5, 0})); // top edge before bottom
    EXPECT_TRUE(SamePoint(points[1], {5, 10}));
}

TEST(KwIntersectRectSegment, EndsInsideTheClosedRectangle) {
    TKwPoints points;
    EXPECT_TRUE(KwIntersectRect(KwPoint(2, 2), KwPoint(8, 8), TKwRect(0, 0, 10, 10), points));
    EXPECT_TRUE(points.empty());
    // An end on the right edge is inside, and the edge reports it as a crossing.
    EXPECT_TRUE(KwIntersectRect(KwPoint(5, 5), KwPoint(10, 5), TKwRect(0, 0, 10, 10), points));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_TRUE(SamePoint(points[0], {10, 5}));
    // Along the top edge: inside, but the parallel edge is not reported.
    EXPECT_TRUE(KwIntersectRect(KwPoint(2, 0), KwPoint(8, 0), TKwRect(0, 0, 10, 10), points));
    EXPECT_TRUE(points.empty());
}

TEST(KwIntersectRectSegment, CornerIsReportedByBothEdges) {
    TKwPoints points;
    EXPECT_TRUE(KwIntersectRect(KwPoint(-5, -5), KwPoint(5, 5), TKwRect(0, 0, 10, 10), points));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(SamePoint(points[0], {0, 0}));
    EXPECT_TRUE(SamePoint(points[1], {0, 0}));
}

TEST(KwIntersectRectSegment, OutsideGivesFalse) {
    TKwPoints points{{1, 1}};
    EXPECT_FALSE(KwIntersectRect(KwPoint(20, 20), KwPoint(30, 5), TKwRect(0, 0, 10, 10), points));
    EXPECT_TRUE(points.empty());
}

TEST(PointInPath, EdgesOfASquare) {
    const TCanvasPoints square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(PointInPath(square, 0, 5));   // left edge inside
    EXPECT_FALSE(PointInPath(square, 10, 5)); // right edge outside
    EXPECT_TRUE(PointInPath(square, 5, 0));   // top edge inside
    EXPECT_FALSE(PointInPath(square, 5, 10)); // bottom edge outside
    EXPECT_TRUE(PointInPath(square, 5, 5));
    EXPECT_FALSE(PointInPath(square, -1, 5));

    const TKwPoints fsquare = PointsToKwPoints(square);
    EXPECT_TRUE(PointInPath(fsquare, 0.0f, 5.0f));
    EXPECT_FALSE(PointInPath(fsquare, 10.0f, 5.0f));
    EXPECT_TRUE(PointInPath(fsquare, 5.0f, 0.0f));
    EXPECT_FALSE(PointInPath(fsquare, 5.0f, 10.0f));
    EXPECT_TRUE(PointInPath(fsquare, 9.99f, 9.99f));
}

TEST(PointInPath, EmptyAndDegenerateLists) {
    EXPECT_FALSE(PointInPath(TCanvasPoints{}, 0, 0));
    EXPECT_FALSE(PointInPath(TKwPoints{}, 0.0f, 0.0f));
    EXPECT_FALSE(PointInPath(TKwPoints{{0, 0}}, 0.0f, 0.0f));
    EXPECT_FALSE(PointInPath(TKwPoints{{0, 0}, {10, 0}}, 5.0f, 0.0f)); // horizontal only
}

TEST(PointInPath, EvenOddRuleForASelfCrossingStar) {
    // A pentagram drawn in one stroke: the pentagon in the middle is crossed twice.
    TKwPoints star;
    for (int k = 0; k < 5; ++k) {
        const double a = (-90 + 144.0 * k) * 3.14159265358979 / 180;
        star.emplace_back(static_cast<float>(100 * std::cos(a)),
                          static_cast<float>(100 * std::sin(a)));
    }
    EXPECT_FALSE(PointInPath(star, 0.0f, 0.0f));  // the centre
    EXPECT_TRUE(PointInPath(star, 0.0f, -80.0f)); // inside the top tip
    EXPECT_FALSE(PointInPath(star, 0.0f, 90.0f)); // between the two lower tips
}

TEST(PointInPath, IntegerFormDoesNotOverflow) {
    const TCanvasPoints square{{-1000000000, -1000000000},
                               {1000000000, -1000000000},
                               {1000000000, 1000000000},
                               {-1000000000, 1000000000}};
    EXPECT_TRUE(PointInPath(square, 0, 0));
    EXPECT_TRUE(PointInPath(square, 999999999, 999999999));
    EXPECT_FALSE(PointInPath(square, 1000000000, 0));
}
