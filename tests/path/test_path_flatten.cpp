// Path geometry: the bounds cache, in-place transforms, flattening, polygons and hit test.

#include "PathTestSupport.h"

#include "kwgfx/geometry/KwConstants.h"
#include "kwgfx/geometry/KwMatrix.h"
#include <numbers>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

namespace kw {
namespace {

using test::ChangeCounter;
using test::ExpectEntries;

void ExpectRect(const TKwRect& R, float L, float T, float Ri, float B) {
    EXPECT_EQ(R.Left, L);
    EXPECT_EQ(R.Top, T);
    EXPECT_EQ(R.Right, Ri);
    EXPECT_EQ(R.Bottom, B);
}

void AddSquare(TKwPathData& Path, float X, float Y, float Size) {
    Path.MoveTo({X, Y});
    Path.LineTo({X + Size, Y});
    Path.LineTo({X + Size, Y + Size});
    Path.LineTo({X, Y + Size});
    Path.ClosePath();
}

// ---------------------------------------------------------------- bounds

TEST(PathBounds, PointsOfAllButClosesWithZeroSizesWidened) {
    TKwPathData empty;
    ExpectRect(empty.GetBounds(), 0, 0, 0, 0);
    EXPECT_TRUE(empty.IsEmpty());

    TKwPathData dot;
    dot.MoveTo({5, 5});
    ExpectRect(dot.GetBounds(), 5, 5, 5.001f, 5.001f);
    EXPECT_FALSE(dot.IsEmpty());

    // Control points count although the curve does not reach them; a close holding a far
    // away start point does not.
    TKwPathData curve;
    curve.MoveTo({0, 0});
    curve.CurveTo({-5, 20}, {15, -8}, {10, 0});
    ExpectRect(curve.GetBounds(), -5, -8, 15, 20);

    TKwPathData closed;
    closed.MoveTo({-100, -100});
    closed.ClosePath();
    closed.Translate(200, 200); // the close keeps (-100,-100)
    ExpectRect(closed.GetBounds(), 100, 100, 100.001f, 100.001f);

    // Widening that a float cannot hold leaves a zero size: the path is empty.
    TKwPathData far;
    far.MoveTo({50000, 50000});
    far.LineTo({50000, 50000});
    EXPECT_TRUE(far.IsEmpty());
}

TEST(PathBounds, StartValuesLimitPathsBeyondTheSearchRange) {
    TKwPathData path;
    path.MoveTo({70000, -80000});
    path.LineTo({90000, -70000});
    ExpectRect(path.GetBounds(), 65535, -80000, 90000, -65535);
}

TEST(PathBounds, CacheIsRefreshedOnlyByNotifyingChanges) {
    TKwPathData path;
    path.MoveTo({0, 0});
    path.LineTo({10, 10});
    ExpectRect(path.GetBounds(), 0, 0, 10, 10);

    path.BeginUpdate();
    path.LineTo({50, 50});
    ExpectRect(path.GetBounds(), 0, 0, 10, 10); // still the cached box
    path.EndUpdate();
    ExpectRect(path.GetBounds(), 0, 0, 50, 50);

    // A const path answers too, and Clear drops back to the empty box.
    const TKwPathData& view = path;
    ExpectRect(view.GetBounds(), 0, 0, 50, 50);
    path.Clear();
    ExpectRect(view.GetBounds(), 0, 0, 0, 0);
}

// ---------------------------------------------------------------- transforms

TEST(PathTransforms, MoveAllButClosesAndNotifyOnce) {
    TKwPathData path;
    AddSquare(path, 1, 2, 3);
    path.CurveTo({1, 1}, {2, 2}, {3, 3});
    ChangeCounter counter;
    counter.Attach(path);

    path.Scale(2, -1);
    EXPECT_EQ(counter.Calls, 1);
    ExpectEntries(path, {{ppMoveTo, 2, -2},
                         {ppLineTo, 8, -2},
                         {ppLineTo, 8, -5},
                         {ppLineTo, 2, -5},
                         {ppClose, 1, 2},
                         {ppCurveTo, 2, -1},
                         {ppCurveTo, 4, -2},
                         {ppCurveTo, 6, -3}});
    // LastPoint after a close is the close's own, unscaled point.
    TKwPathData closedOnly;
    AddSquare(closedOnly, 1, 2, 3);
    closedOnly.Scale(2, 2);
    EXPECT_TRUE(closedOnly.LastPoint().SameAs({1, 2}));

    path.Translate(-2, 5);
    EXPECT_EQ(counter.Calls, 2);
    EXPECT_TRUE(TKwPoint(path.GetPoint(0).Point).SameAs({0, 3}));
    EXPECT_TRUE(TKwPoint(path.GetPoint(4).Point).SameAs({1, 2}));

    // A quarter turn about the origin: +X goes to +Y.
    path.ApplyMatrix(CreateRotationKwMatrix(std::numbers::pi_v<float> / 2));
    EXPECT_EQ(counter.Calls, 3);
    const TKwPoint p = path.GetPoint(1).Point; // was (6, 3)
    EXPECT_NEAR(p.X, -3, 1e-5);
    EXPECT_NEAR(p.Y, 6, 1e-5);

    TKwPathData empty;
    ChangeCounter silent;
    silent.Attach(empty);
    empty.Scale(2, 2);
    empty.Translate(1, 1);
    empty.ApplyMatrix(CreateScaleKwMatrix(3, 3));
    empty.FitToRect({0, 0, 10, 10});
    EXPECT_EQ(silent.Calls, 0);
}

TEST(PathTransforms, FitToRectStretchesEachAxis) {
    TKwPathData path;
    path.MoveTo({10, 20});
    path.LineTo({30, 60});
    path.LineTo({20, 40});
    path.FitToRect({100, 200, 300, 250});
    ExpectEntries(path, {{ppMoveTo, 100, 200}, {ppLineTo, 300, 250}, {ppLineTo, 200, 225}});

    // A horizontal line has the widened height 0.001, so the vertical factor is the
    // rectangle's height over 0.001 and the line lands on the rectangle's top.
    TKwPathData line;
    line.MoveTo({0, 7});
    line.LineTo({10, 7});
    line.FitToRect({0, 0, 50, 50});
    const TKwPoint a = line.GetPoint(0).Point;
    const TKwPoint b = line.GetPoint(1).Point;
    EXPECT_FLOAT_EQ(a.X, 0);
    EXPECT_FLOAT_EQ(b.X, 50);
    EXPECT_NEAR(a.Y, 0, 1e-3);
    EXPECT_NEAR(b.Y, 0, 1e-3);
}

// ---------------------------------------------------------------- flattening

// The straight cubic from (0,0) to (10,0), 10 units long.
void AddStraightCubic(TKwPathData& Path) {
    Path.MoveTo({0, 0});
    Path.CurveTo({0, 0}, {10, 0}, {10, 0});
}

TEST(PathFlatten, SampleCountIsLengthOverFlatness) {
    TKwPathData path;
    AddStraightCubic(path);
    path.Flatten(1);
    ASSERT_EQ(path.Count(), 11);
    EXPECT_EQ(path.GetPoint(0).Kind, ppMoveTo);
    for (int i = 1; i < 11; ++i) EXPECT_EQ(path.GetPoint(i).Kind, ppLineTo) << i;
    // The first sample repeats the start; the last lands (nearly) on the end point.
    EXPECT_TRUE(TKwPoint(path.GetPoint(1).Point).SameAs({0, 0}));
    const TKwPoint last = path.GetPoint(10).Point;
    EXPECT_NEAR(last.X, 10, 1e-4);
    EXPECT_NEAR(last.Y, 0, 1e-4);
    // Samples move monotonically along this curve.
    for (int i = 2; i < 11; ++i)
        EXPECT_GT(TKwPoint(path.GetPoint(i).Point).X, TKwPoint(path.GetPoint(i - 1).Point).X);

    // A flatness of 0 (or below the floor, or not a number) means 0.05: 200 samples.
    for (float flatness : {0.0f, -3.0f, 0.01f, std::numeric_limits<float>::quiet_NaN()}) {
        TKwPathData fine;
        AddStraightCubic(fine);
        fine.Flatten(flatness);
        EXPECT_EQ(fine.Count(), 201) << flatness;
    }
}

TEST(PathFlatten, ShortCurveBecomesOneLineAndTheNextStartsAtItsEnd) {
    TKwPathData path;
    path.MoveTo({0, 0});
    path.CurveTo({0.2f, 0.5f}, {0.8f, 0.5f}, {1, 0}); // far below 1.5 x flatness
    path.CurveTo({1, 0}, {11, 0}, {11, 0});           // 10 long, from (1,0)
    path.Flatten(2);
    ASSERT_EQ(path.Count(), 1 + 1 + 5);
    EXPECT_TRUE(TKwPoint(path.GetPoint(1).Point).SameAs({1, 0}));
    EXPECT_TRUE(TKwPoint(path.GetPoint(2).Point).SameAs({1, 0})); // first sample
    for (int i = 1; i < path.Count(); ++i) {
        EXPECT_EQ(path.GetPoint(i).Kind, ppLineTo);
        EXPECT_EQ(path.GetPoint(i).Point.Y(), 0);
    }
    EXPECT_NEAR(path.GetPoint(6).Point.X(), 11, 1e-4);

    // 10 / 6 rounds to 2 samples (truncating would make it a single line).
    TKwPathData rounded;
    AddStraightCubic(rounded);
    rounded.Flatten(6);
    EXPECT_EQ(rounded.Count(), 3);
}

TEST(PathFlatten, KeepsMovesLinesAndClosesAndNotifiesPerEntry) {
    TKwPathData path;
    AddSquare(path, 0, 0, 4);
    AddStraightCubic(path);
    path.ClosePath();
    ChangeCounter counter;
    counter.Attach(path);
    path.Flatten(5); // the cubic gets 2 samples
    ExpectEntries(path, {{ppMoveTo, 0, 0},
                         {ppLineTo, 4, 0},
                         {ppLineTo, 4, 4},
                         {ppLineTo, 0, 4},
                         {ppClose, 0, 0},
                         {ppMoveTo, 0, 0},
                         {ppLineTo, 0, 0},
                         {ppLineTo, 10, 0},
                         {ppClose, 0, 0}});
    // One notification per re-added entry, then the final one.
    EXPECT_EQ(counter.Calls, 9 + 1);

    TKwPathData empty;
    counter.Attach(empty);
    counter.Calls = 0;
    empty.Flatten(1);
    EXPECT_EQ(counter.Calls, 0);
}

TEST(PathFlatten, CurveAfterCloseStartsAtTheFigureStart) {
    // After a close the current point is the figure's start; flattening must not draw a
    // line back to the figure's last corner.
    TKwPathData path;
    AddSquare(path, 0, 0, 10);
    path.CurveTo({0, 0}, {0, 10}, {0, 10}); // straight down from (0,0), 10 long
    path.Scale(2, 2);                       // the close keeps (0,0); the move is (0,0) too
    path.Translate(5, 5);                   // now the close's point is stale
    path.Flatten(5);
    // Entries: move, 3 lines, close, then 4 samples from the moved start (5,5) to (5,25).
    ASSERT_EQ(path.Count(), 5 + 4);
    const TKwPoint first = path.GetPoint(5).Point;
    EXPECT_TRUE(first.SameAs({5, 5}));
    const TKwPoint last = path.GetPoint(8).Point;
    EXPECT_NEAR(last.X, 5, 1e-4);
    EXPECT_NEAR(last.Y, 25, 1e-4);
}

TEST(PathFlatten, HugeOrNonFiniteCurvesStayBounded) {
    TKwPathData huge;
    huge.MoveTo({0, 0});
    huge.CurveTo({1e30f, 0}, {-1e30f, 1e30f}, {1e30f, 1e30f});
    huge.Flatten(0.05f);
    EXPECT_EQ(huge.Count(), 1 + 10000);

    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (TKwPoint bad : {TKwPoint(inf, 0), TKwPoint(nan, 1), TKwPoint(3e38f, -3e38f)}) {
        TKwPathData path;
        path.MoveTo({0, 0});
        path.CurveTo(bad, {1, 1}, {2, 2});
        path.Flatten(1);
        ExpectEntries(path, {{ppMoveTo, 0, 0}, {ppLineTo, 2, 2}});
    }
}

TEST(PathFlattenToPolygon, FiguresEndWithOneSeparatorAndNoRepeats) {
    TKwPathData path;
    AddSquare(path, 0, 0, 10);
    AddSquare(path, 20, 0, 5);
    TKwPoints polygon{{99, 99}}; // replaced, not appended to
    const TKwPoint size = path.FlattenToPolygon(polygon, 1);
    const TKwPoints expected{{0, 0},  {10, 0}, {10, 10}, {0, 10}, {0, 0},  KwClosePolygon,
                             {20, 0}, {25, 0}, {25, 5},  {20, 5}, {20, 0}, KwClosePolygon};
    ASSERT_EQ(polygon.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(polygon[i].SameAs(expected[i])) << i;
    EXPECT_TRUE(size.SameAs({25, 10}));

    // Open figures are separated by the move; repeated points collapse; the path itself
    // is not touched.
    TKwPathData open;
    open.MoveTo({1, 1});
    open.LineTo({1, 1});
    open.LineTo({2, 1});
    open.MoveTo({2, 1});
    open.LineTo({3, 3});
    ChangeCounter counter;
    counter.Attach(open);
    open.FlattenToPolygon(polygon, 1);
    const TKwPoints expectedOpen{{1, 1}, {2, 1}, KwClosePolygon, {2, 1}, {3, 3}};
    ASSERT_EQ(polygon.size(), expectedOpen.size());
    for (size_t i = 0; i < expectedOpen.size(); ++i)
        EXPECT_TRUE(polygon[i].SameAs(expectedOpen[i])) << i;
    EXPECT_EQ(open.Count(), 5);
    EXPECT_EQ(counter.Calls, 0);

    TKwPathData empty;
    EXPECT_TRUE(empty.FlattenToPolygon(polygon, 1).SameAs({0, 0}));
    EXPECT_TRUE(polygon.empty());
}

TEST(PathFlattenToPolygon, CurvesAreSampledLikeFlatten) {
    TKwPathData path;
    path.MoveTo({3, 4});
    path.CurveTo({40, -10}, {-20, 60}, {50, 50});
    path.LineTo({50, 50});                            // the last sample is only near the end point
    path.CurveTo({50, 50}, {50, 50.5f}, {50, 50.5f}); // short: a line to its end
    path.LineTo({0, 50});
    TKwPoints polygon;
    const TKwPoint size = path.FlattenToPolygon(polygon, 0.5f);

    const std::unique_ptr<TKwPathData> flat = path.Clone();
    flat->Flatten(0.5f);
    // Same points in order, except that the polygon never repeats a point.
    TKwPoints fromFlatten;
    for (int i = 0; i < flat->Count(); ++i) {
        const TKwPoint p = flat->GetPoint(i).Point;
        if (fromFlatten.empty() || !fromFlatten.back().SameAs(p)) fromFlatten.push_back(p);
    }
    ASSERT_EQ(polygon.size(), fromFlatten.size());
    for (size_t i = 0; i < polygon.size(); ++i) EXPECT_TRUE(polygon[i].SameAs(fromFlatten[i])) << i;
    EXPECT_GT(polygon.size(), 50u);
    EXPECT_TRUE(size.SameAs({70, 70})); // control points included
}

// ---------------------------------------------------------------- polygons

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

// ---------------------------------------------------------------- hit test

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
