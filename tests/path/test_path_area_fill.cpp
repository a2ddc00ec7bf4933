// SPDX-License-Identifier: MIT
// Filling a path as one area: all figures reach the canvas in one call with the fill rule.
#include "kwgfx/path/KwPathAreaFill.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw;
using platform::TPointD;
using platform::TRecordingCanvas;

namespace {

// An outer square and an inner one, the inner drawn the other way round.
void SquareWithHole(TKwPathData& P) {
    P.SetSvgPathString("M0 0H10V10H0Z M3 3V7H7V3Z");
}

} // namespace

TEST(PathAreaFill, OneCallCarriesEveryFigureAndTheFillRule) {
    TKwPathData path;
    SquareWithHole(path);
    TRecordingCanvas canvas;
    FillPathArea(canvas, path);
    ASSERT_EQ(canvas.Calls().size(), 1u) << canvas.ToString();
    const platform::TCanvasCall& call = canvas.Calls()[0];
    EXPECT_EQ(call.Name, "PolyPolygonF");
    // Even-odd (the default fill mode), then the point count of each closed figure.
    ASSERT_EQ(call.Args, (std::vector<int32_t>{platform::pfAlternate, 5, 5}));
    EXPECT_EQ(call.PointsF.front(), TPointD(0, 0));
    EXPECT_EQ(call.PointsF[5], TPointD(3, 3));
    EXPECT_EQ(call.PointsF[6], TPointD(3, 7));

    path.SetFillMode(fmNonZero);
    canvas.Clear();
    FillPathArea(canvas, path);
    ASSERT_EQ(canvas.Calls().size(), 1u);
    EXPECT_EQ(canvas.Calls()[0].Args.front(), platform::pfWinding);
}

TEST(PathAreaFill, CurvesAreSampledAndEmptyPathsDrawNothing) {
    TKwPathData path;
    TRecordingCanvas canvas;
    FillPathArea(canvas, path);
    EXPECT_TRUE(canvas.Calls().empty());

    path.AddEllipse(TKwRect(0, 0, 100, 50));
    FillPathArea(canvas, path);
    ASSERT_EQ(canvas.Calls().size(), 1u);
    const platform::TCanvasCall& call = canvas.Calls()[0];
    ASSERT_EQ(call.Args.size(), 2u);
    EXPECT_EQ(static_cast<size_t>(call.Args[1]), call.PointsF.size());
    EXPECT_GT(call.PointsF.size(), 20u);
    for (const TPointD& p : call.PointsF) {
        // Samples of the ellipse stay inside its box (a spline through the control
        // points would leave it).
        EXPECT_GE(p.X, 0);
        EXPECT_LE(p.X, 100);
        EXPECT_GE(p.Y, 0);
        EXPECT_LE(p.Y, 50);
    }
}

TEST(PathAreaFill, PointsKeepTheirFractionsUntilACanvasRoundsThem) {
    TKwPathData path;
    path.SetSvgPathString("M0.25 0.5L10.75 0.5L10.5 7.125Z");
    path.Translate(-0.5f, 1.5f);
    TRecordingCanvas canvas;
    FillPathArea(canvas, path);
    ASSERT_EQ(canvas.Calls().size(), 1u);
    // The samples as ToPolygons gives them, not rounded.
    const TKwPolygons expected = path.ToPolygons();
    ASSERT_EQ(expected.size(), 1u);
    const platform::TCanvasCall& call = canvas.Calls()[0];
    ASSERT_EQ(call.PointsF.size(), expected[0].size());
    for (std::size_t i = 0; i < expected[0].size(); ++i) {
        EXPECT_EQ(call.PointsF[i].X, expected[0][i].X);
        EXPECT_EQ(call.PointsF[i].Y, expected[0][i].Y);
    }
    EXPECT_EQ(call.PointsF[1], TPointD(10.25, 2));
    EXPECT_EQ(call.PointsF[2], TPointD(10, 8.625));
}
