// SPDX-License-Identifier: MIT
// Path drawing: the canvas calls DrawPath and FillPath make, checked on the recording
// canvas.

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kw {
namespace {

using platform::TCanvasCall;
using platform::TRecordingCanvas;

void ExpectPoints(const TCanvasCall& Call, const std::vector<TPoint>& Expected) {
    ASSERT_EQ(Call.Points.size(), Expected.size()) << Call.ToString();
    for (size_t i = 0; i < Expected.size(); ++i) {
        EXPECT_EQ(Call.Points[i].X, Expected[i].X) << i << ": " << Call.ToString();
        EXPECT_EQ(Call.Points[i].Y, Expected[i].Y) << i << ": " << Call.ToString();
    }
}

TEST(PathDrawing, EachFigureIsOneCanvasCall) {
    TKwPathData path;
    path.MoveTo({0, 0});
    path.LineTo({10, 0});
    path.MoveTo({0, 10});
    path.LineTo({10, 10});
    TRecordingCanvas canvas;
    path.DrawPath(canvas, 1);
    ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"Polyline", "Polyline"}));
    ExpectPoints(canvas.Calls()[0], {{0, 0}, {10, 0}});
    ExpectPoints(canvas.Calls()[1], {{0, 10}, {10, 10}});

    // A figure opened after a close starts fresh; filled figures are polygons whose last
    // point repeats the first.
    TKwPathData closed;
    closed.MoveTo({0, 0});
    closed.LineTo({10, 0});
    closed.LineTo({10, 10});
    closed.ClosePath();
    closed.MoveTo({20, 20});
    closed.LineTo({30, 20});
    TRecordingCanvas fill;
    closed.FillPath(fill, 1);
    ASSERT_EQ(fill.Names(), (std::vector<std::string>{"Polygon", "Polygon"}));
    ExpectPoints(fill.Calls()[0], {{0, 0}, {10, 0}, {10, 10}, {0, 0}});
    ExpectPoints(fill.Calls()[1], {{20, 20}, {30, 20}});

    // An inner figure is a separate call, never combined into a hole.
    TKwPathData nested;
    nested.AddPolygon(std::vector<TPoint>{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    nested.AddPolygon(std::vector<TPoint>{{2, 2}, {8, 2}, {8, 8}, {2, 8}, {2, 2}});
    TRecordingCanvas holes;
    nested.FillPath(holes, 1);
    ASSERT_EQ(holes.Names(), (std::vector<std::string>{"Polygon", "Polygon"}));
    // AddPolygon's closing line and the close both add the start point.
    EXPECT_EQ(holes.Calls()[1].Points.size(), 6u);
}

TEST(PathDrawing, OpacityAndTinyPathsOnlySwitchDrawingOff) {
    TKwPathData path;
    path.MoveTo({1, 1});
    TRecordingCanvas canvas;
    path.DrawPath(canvas, 1);
    path.FillPath(canvas, 1);
    EXPECT_TRUE(canvas.Calls().empty()); // a single entry draws nothing

    path.LineTo({5, 5});
    path.DrawPath(canvas, 0);
    EXPECT_TRUE(canvas.Calls().empty());

    TRecordingCanvas half, full;
    path.FillPath(half, 0.5f);
    path.FillPath(full, 1);
    ASSERT_EQ(half.Calls().size(), 1u);
    EXPECT_EQ(half.ToString(), full.ToString());

    TKwPathData().DrawPath(canvas, 1);
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST(PathDrawing, PointsAreRoundedHalfToEvenAndCurvesSampled) {
    TKwPathData path;
    path.MoveTo({2.5f, 3.5f});
    path.LineTo({-0.5f, 10.4999f});
    path.CurveTo({20, 5}, {30, 30}, {40.6f, 0});
    TRecordingCanvas canvas;
    path.FillPath(canvas, 1);
    ASSERT_EQ(canvas.Calls().size(), 1u);
    const TCanvasCall& call = canvas.Calls()[0];

    // The path's polygon, each point rounded, without the repeats rounding makes.
    const TKwPolygons polygons = path.ToPolygons();
    ASSERT_EQ(polygons.size(), 1u);
    std::vector<TPoint> expected;
    for (const TKwPoint& p : polygons[0]) {
        const TPoint q(int32_t(std::nearbyint(p.X)), int32_t(std::nearbyint(p.Y)));
        if (expected.empty() || !(expected.back() == q)) expected.push_back(q);
    }
    EXPECT_EQ(call.Points[0], TPoint(2, 4));
    EXPECT_EQ(call.Points[1], TPoint(0, 10));
    ExpectPoints(call, expected);
    EXPECT_EQ(call.Points.back(), TPoint(41, 0));
}

TEST(PathDrawing, TransformedPathsCloseOnTheirMovedStart) {
    // Transforms leave the close's stored point behind; drawing closes each figure on its
    // own first point, and a curve after a close starts there too.
    TKwPathData path;
    path.MoveTo({0, 0});
    path.LineTo({10, 0});
    path.LineTo({10, 10});
    path.ClosePath();
    path.CurveTo({0, 0}, {0, 5}, {0, 5});
    path.Translate(100, 100);
    TRecordingCanvas canvas;
    path.DrawPath(canvas, 1);
    ASSERT_EQ(canvas.Calls().size(), 2u);
    ExpectPoints(canvas.Calls()[0], {{100, 100}, {110, 100}, {110, 110}, {100, 100}});
    ASSERT_FALSE(canvas.Calls()[1].Points.empty());
    EXPECT_EQ(canvas.Calls()[1].Points.front(), TPoint(100, 100));
}

} // namespace
} // namespace kw
