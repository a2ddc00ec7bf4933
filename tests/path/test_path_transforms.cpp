// SPDX-License-Identifier: MIT
// In-place transforms of a path: moving all entries but closes with one notification, and
// fitting to a rectangle.
#include "PathTestSupport.h"

#include "kwgfx/geometry/KwMatrix.h"

#include <gtest/gtest.h>

#include <numbers>

namespace kw {
namespace {

using test::AddSquare;
using test::ChangeCounter;
using test::ExpectEntries;

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

} // namespace
} // namespace kw
