// SPDX-License-Identifier: MIT
// One polygon per figure of a path, close to the cubic for curves, and the even-odd hit
// test built on them.
#include "PathTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kw {
namespace {

using test::AddSquare;

// A circle of radius 50 about (60, 60) from four cubic quarters.
void AddCircle(TKwPathData& Path) {
    const float k = 50 * 0.5522848f;
    Path.MoveTo({110, 60});
    Path.CurveTo({110, 60 + k}, {60 + k, 110}, {60, 110});
    Path.CurveTo({60 - k, 110}, {10, 60 + k}, {10, 60});
    Path.CurveTo({10, 60 - k}, {60 - k, 10}, {60, 10});
    Path.CurveTo({60 + k, 10}, {110, 60 - k}, {110, 60});
    Path.ClosePath();
}

double DistanceFromCentre(double X, double Y) {
    return std::hypot(X - 60, Y - 60);
}

// Even-odd by counting crossings of the ray to +X, written independently of the library:
// the edge's crossing is found by comparing signs of a cross product in double.
bool ReferenceInside(const TKwPoints& Poly, double X, double Y) {
    bool inside = false;
    const size_t n = Poly.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double yi = Poly[i].Y, yj = Poly[j].Y, xi = Poly[i].X, xj = Poly[j].X;
        const bool upward = yi <= Y && Y < yj;
        const bool downward = yj <= Y && Y < yi;
        if (!upward && !downward) continue;
        // Point strictly left of the edge (seen along increasing Y) means a crossing.
        const double cross = (xj - xi) * (Y - yi) - (X - xi) * (yj - yi);
        if (upward ? cross > 0 : cross < 0) inside = !inside;
    }
    return inside;
}

TEST(PathPolygons, OnePolygonPerFigure) {
    TKwPathData path;
    path.MoveTo({0, 0});
    path.LineTo({10, 0});
    path.LineTo({10, 10});
    path.ClosePath();
    path.MoveTo({20, 20});
    path.LineTo({30, 20});
    const TKwPolygons polygons = path.ToPolygons();
    ASSERT_EQ(polygons.size(), 2u);
    ASSERT_EQ(polygons[0].size(), 4u);
    EXPECT_TRUE(polygons[0][3].SameAs({0, 0}));
    ASSERT_EQ(polygons[1].size(), 2u);
    EXPECT_TRUE(polygons[1][1].SameAs({30, 20}));

    // A second close has nothing left to close; a move right after a move leaves a
    // one-point figure behind.
    TKwPathData odd;
    odd.MoveTo({1, 1});
    odd.LineTo({2, 2});
    odd.ClosePath();
    odd.ClosePath();
    odd.MoveTo({5, 5});
    odd.MoveTo({6, 6});
    odd.LineTo({7, 7});
    const TKwPolygons oddPolygons = odd.ToPolygons();
    ASSERT_EQ(oddPolygons.size(), 3u);
    EXPECT_EQ(oddPolygons[0].size(), 3u);
    EXPECT_EQ(oddPolygons[1].size(), 1u);
    EXPECT_EQ(oddPolygons[2].size(), 2u);

    EXPECT_TRUE(TKwPathData().ToPolygons().empty());
}

TEST(PathPolygons, CurvesBecomePolygonsCloseToTheCubic) {
    TKwPathData path;
    AddCircle(path);
    const TKwPolygons polygons = path.ToPolygons();
    ASSERT_EQ(polygons.size(), 1u);
    const TKwPoints& circle = polygons[0];
    // Corners on the curve (four cubics match a circle to 0.03%), edges within the 0.1
    // tolerance. Passing through the control points instead would reach 57 from the
    // centre; a coarse polygon would cut inside.
    ASSERT_GT(circle.size(), 8u);
    EXPECT_LT(circle.size(), 100u);
    for (size_t i = 0; i + 1 < circle.size(); ++i) {
        const TKwPoint a = circle[i], b = circle[i + 1];
        EXPECT_NEAR(DistanceFromCentre(a.X, a.Y), 50, 0.02) << i;
        EXPECT_NEAR(DistanceFromCentre((a.X + b.X) / 2.0, (a.Y + b.Y) / 2.0), 50, 0.12) << i;
    }
    // Each quarter ends exactly on its end point.
    EXPECT_TRUE(circle.back().SameAs({110, 60}));
    EXPECT_EQ(std::count_if(circle.begin(), circle.end(),
                            [](const TKwPoint& p) {
                                return p.SameAs({60, 10});
                            }),
              1);

    // A straight cubic contributes its end point only, after the line to its start.
    TKwPathData straight;
    straight.MoveTo({0, 0});
    straight.LineTo({5, 5});
    straight.CurveTo({6, 5}, {7, 5}, {8, 5});
    const TKwPolygons straightPolygons = straight.ToPolygons();
    ASSERT_EQ(straightPolygons.size(), 1u);
    ASSERT_EQ(straightPolygons[0].size(), 3u);
    EXPECT_TRUE(straightPolygons[0][2].SameAs({8, 5}));

    // Coordinates out of all proportion stay bounded; non-finite ones give the end point.
    TKwPathData huge;
    huge.MoveTo({0, 0});
    huge.CurveTo({3e37f, 0}, {-3e37f, 3e37f}, {1, 1});
    EXPECT_LE(huge.ToPolygons()[0].size(), 10000u + 1);
    TKwPathData bad;
    bad.MoveTo({0, 0});
    bad.CurveTo({std::numeric_limits<float>::infinity(), 0}, {1, 1}, {2, 2});
    EXPECT_EQ(bad.ToPolygons()[0].size(), 2u);
}

TEST(PathHitTest, AgreesWithAnIndependentEvenOddTestOnRandomPolygons) {
    std::mt19937 rng(20261208);
    std::uniform_real_distribution<float> coord(-100, 100);
    int insideCount = 0;
    for (int round = 0; round < 60; ++round) {
        const int n = 3 + round % 9;
        TKwPoints poly;
        for (int k = 0; k < n; ++k) poly.push_back({coord(rng), coord(rng)});
        TKwPathData path;
        path.MoveTo(poly[0]);
        for (int k = 1; k < n; ++k) path.LineTo(poly[k]);
        if (round % 2 == 0) path.ClosePath(); // open figures are closed implicitly
        for (int q = 0; q < 200; ++q) {
            const TKwPoint p{coord(rng), coord(rng)};
            const bool expected = ReferenceInside(poly, p.X, p.Y);
            insideCount += expected;
            ASSERT_EQ(path.PointInPath(p), expected)
                << "polygon " << round << " point " << p.X << "," << p.Y;
        }
    }
    EXPECT_GT(insideCount, 500); // the sample really probes both answers
}

TEST(PathHitTest, FiguresAreTestedSeparately) {
    TKwPathData path;
    AddSquare(path, 0, 0, 10);
    AddSquare(path, 2, 2, 6); // a "hole" does not cut out
    path.MoveTo({20, 0});     // an open triangle, closed implicitly
    path.LineTo({30, 0});
    path.LineTo({20, 10});
    EXPECT_TRUE(path.PointInPath(1, 1));
    EXPECT_TRUE(path.PointInPath({5, 5}));
    EXPECT_TRUE(path.PointInPath(22, 2));
    EXPECT_FALSE(path.PointInPath(29, 9));
    EXPECT_FALSE(path.PointInPath(-1, 5));
    // Left edge inside, right edge outside.
    EXPECT_TRUE(path.PointInPath(0, 5));
    EXPECT_FALSE(path.PointInPath(10, 5));

    // A move without a close ends the figure before it.
    TKwPathData twoOpen;
    twoOpen.MoveTo({0, 0});
    twoOpen.LineTo({10, 0});
    twoOpen.LineTo({10, 10});
    twoOpen.MoveTo({50, 50});
    twoOpen.LineTo({60, 50});
    twoOpen.LineTo({60, 60});
    EXPECT_TRUE(twoOpen.PointInPath(8, 2));
    EXPECT_TRUE(twoOpen.PointInPath(58, 52));
    EXPECT_FALSE(twoOpen.PointInPath(30, 30));

    EXPECT_FALSE(TKwPathData().PointInPath(0, 0));
}

TEST(PathHitTest, CurvesAreFollowed) {
    // A bulging curve whose middle is at (68.75, 68.75).
    TKwPathData path;
    path.MoveTo({0, 0});
    path.LineTo({100, 0});
    path.CurveTo({100, 50}, {50, 100}, {0, 100});
    path.ClosePath();
    EXPECT_TRUE(path.PointInPath(67, 67));  // beyond the chord (100,0)-(0,100)
    EXPECT_FALSE(path.PointInPath(71, 71)); // beyond the curve

    TKwPathData circle;
    AddCircle(circle);
    EXPECT_TRUE(circle.PointInPath(60 + 35, 60 + 35));  // 49.5 from the centre
    EXPECT_FALSE(circle.PointInPath(60 + 36, 60 + 36)); // 50.9 from the centre
}

} // namespace
} // namespace kw
