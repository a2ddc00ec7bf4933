// SPDX-License-Identifier: MIT
// Flattening a path: curves replaced by lines in place, and the point list with figure
// separators of FlattenToPolygon.
#include "PathTestSupport.h"

#include "kwgfx/geometry/KwConstants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kw {
namespace {

using test::AddSquare;
using test::ChangeCounter;
using test::ExpectEntries;

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

} // namespace
} // namespace kw
