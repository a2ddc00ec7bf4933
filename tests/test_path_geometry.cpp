// Path geometry: the bounds cache, in-place transforms, flattening, polygons and hit test.

#include "PathTestSupport.h"

#include "kwgfx/drawing/BezierPolygon.h"
#include "kwgfx/geometry/KwMatrix.h"

#include <gtest/gtest.h>

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

TEST(PathPolygons, CurvesGoThroughTheSplineSamplerWithTheirStartPoint) {
    TKwPathData path;
    path.MoveTo({0, 0});
    path.LineTo({10, 0});
    path.CurveTo({20, 10}, {10, 20}, {0, 10});
    const TKwPolygons polygons = path.ToPolygons();
    const TKwPoint controls[] = {{10, 0}, {20, 10}, {10, 20}, {0, 10}};
    const TKwPoints samples = BezierPolygonPoints(controls, false, false, 1);
    ASSERT_EQ(polygons.size(), 1u);
    ASSERT_EQ(polygons[0].size(), 2 + samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        EXPECT_TRUE(polygons[0][2 + i].SameAs(samples[i])) << i;
}

} // namespace
} // namespace kw
