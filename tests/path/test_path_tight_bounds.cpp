// SPDX-License-Identifier: MIT
// The exact bounds of a path's curves: the curve, not its control points, drawn segments
// only, and closes running back to the figure's move.
#include <kwgfx/path/KwPathData.h>
#include <kwgfx/path/KwPathTightBounds.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace kw;

TEST(PathTightBounds, FollowsTheCurveNotItsControlPoints) {
    TKwPathData path;
    // A symmetric arch: control points at y = -40, the curve's top at y = -30.
    path.MoveTo({0, 0});
    path.CurveTo({0, -40}, {100, -40}, {100, 0});
    TKwRect r = TightBounds(path.Entries());
    EXPECT_FLOAT_EQ(r.Left, 0);
    EXPECT_FLOAT_EQ(r.Right, 100);
    EXPECT_FLOAT_EQ(r.Top, -30);
    EXPECT_FLOAT_EQ(r.Bottom, 0);

    // An S-curve has one extreme on each side in x; the quarter-circle cubic none inside.
    TKwPathData s;
    s.MoveTo({0, 0});
    s.CurveTo({30, 10}, {-30, 20}, {0, 30});
    r = TightBounds(s.Entries());
    const double t = 0.5 - std::sqrt(3.0) / 6; // where x' = 0 for this curve
    const double xmax = 3 * (1 - t) * (1 - t) * t * 30 + 3 * (1 - t) * t * t * -30;
    EXPECT_NEAR(r.Right, xmax, 1e-5);
    EXPECT_NEAR(r.Left, -xmax, 1e-5);
    EXPECT_FLOAT_EQ(r.Top, 0);
    EXPECT_FLOAT_EQ(r.Bottom, 30);
}

TEST(PathTightBounds, CountsDrawnSegmentsOnly) {
    TKwPathData path;
    EXPECT_EQ(TightBounds(path.Entries()).Right, 0);
    path.MoveTo({-50, -50}); // a move nothing follows draws nothing
    path.MoveTo({1, 2});
    path.LineTo({3, -4});
    path.ClosePath();
    path.MoveTo({100, 100});
    const TKwRect r = TightBounds(path.Entries());
    EXPECT_EQ(r.Left, 1);
    EXPECT_EQ(r.Top, -4);
    EXPECT_EQ(r.Right, 3);
    EXPECT_EQ(r.Bottom, 2);
    // A degenerate cubic (all control points on a line, one running backwards).
    TKwPathData line;
    line.MoveTo({0, 0});
    line.CurveTo({40, 0}, {-30, 0}, {10, 0});
    const TKwRect l = TightBounds(line.Entries());
    EXPECT_GT(l.Right, 10);
    EXPECT_LT(l.Left, 0);
}

TEST(PathTightBounds, CloseRunsToTheMoveEvenAfterATransform) {
    TKwPathData path;
    path.MoveTo({0, 0});
    path.LineTo({10, 5});
    path.ClosePath();
    path.Translate(100, 100); // the close keeps its stored point (0,0)
    const TKwRect r = TightBounds(path.Entries());
    EXPECT_EQ(r.Left, 100);
    EXPECT_EQ(r.Top, 100);
    EXPECT_EQ(r.Right, 110);
    EXPECT_EQ(r.Bottom, 105);
}
