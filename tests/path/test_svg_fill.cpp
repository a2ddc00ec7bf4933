// SPDX-License-Identifier: MIT
// FillSvgPath on the recording canvas: one sub-pixel fill under SVG's rule, on SVG's pixel
// grid, without an outline, pen and brush put back (also when the canvas fails); curves
// sampled at the fitted size; SVG's error rule.
#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/path/KwSvgFill.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace kw;
using namespace kw::platform;

namespace {

struct TExtent {
    double Left = 1e30, Top = 1e30, Right = -1e30, Bottom = -1e30;
};

TExtent ExtentOf(const std::vector<TPointD>& Points) {
    TExtent e;
    for (const TPointD& p : Points) {
        e.Left = std::min(e.Left, p.X);
        e.Right = std::max(e.Right, p.X);
        e.Top = std::min(e.Top, p.Y);
        e.Bottom = std::max(e.Bottom, p.Y);
    }
    return e;
}

class SvgFill : public ::testing::Test {
protected:
    void SetUp() override {
        // A canvas as a user leaves it: a pen that outlines, a brush of another colour.
        C.Pen().SetColor(clRed);
        C.Pen().SetWidth(3);
        C.Brush().SetColor(clYellow);
        C.Brush().SetStyle(bsCross);
    }
    void ExpectCanvasStateBack() {
        EXPECT_EQ(C.Pen().Color(), clRed);
        EXPECT_EQ(C.Pen().Style(), psSolid);
        EXPECT_EQ(C.Pen().Width(), 3);
        EXPECT_EQ(C.Brush().Color(), clYellow);
        EXPECT_EQ(C.Brush().Style(), bsCross);
    }
    // The one call FillSvgPath made.
    TCanvasCall OnlyCall() {
        EXPECT_EQ(C.Names(), std::vector<std::string>{"PolyPolygonF"}) << C.ToString();
        return C.Calls().empty() ? TCanvasCall{} : C.Calls().front();
    }

    TRecordingCanvas C;
};

TEST_F(SvgFill, OneAreaUnderSvgsRuleOnPixelEdgesWithoutAnOutline) {
    TKwPathData path; // even-odd by its own default, which the fill does not consult
    path.SetSvgPathString("M0 0H4V4H0Z M1 1H3V3H1Z");
    const std::string before = path.GetSvgPathString();

    FillSvgPath(C, path);
    TCanvasCall call = OnlyCall();
    EXPECT_EQ(call.Args, (std::vector<int32_t>{1, 5, 5})); // winding; two closed figures
    EXPECT_EQ(call.Pen.Style, psClear);
    EXPECT_EQ(call.Brush, (TBrushValues{clBlack, bsSolid}));
    // SVG's (0,0) is the top-left corner of pixel 0, the canvas's (-0.5,-0.5).
    ASSERT_EQ(call.PointsF.size(), 10u);
    EXPECT_EQ(call.PointsF[0], TPointD(-0.5, -0.5));
    EXPECT_EQ(call.PointsF[2], TPointD(3.5, 3.5));
    EXPECT_EQ(call.PointsF[5], TPointD(0.5, 0.5));
    ExpectCanvasStateBack();
    EXPECT_EQ(path.GetSvgPathString(), before);
    EXPECT_EQ(path.FillMode(), fmEvenOdd);

    C.Clear();
    TKwSvgFillOptions evenOdd;
    evenOdd.FillRule = fmEvenOdd;
    evenOdd.Color = 0x123456;
    FillSvgPath(C, path, evenOdd);
    call = OnlyCall();
    EXPECT_EQ(call.Args.at(0), 0); // alternate
    EXPECT_EQ(call.Brush, (TBrushValues{0x123456, bsSolid}));
    ExpectCanvasStateBack();
}

TEST_F(SvgFill, FitsTheDrawnGeometryNotTheControlPoints) {
    // The curve's control points reach y = 0, the curve itself only y = 5 (at t = 1/2:
    // (20 + 0 + 0 + 20) / 8). Tight bounds 20 x 25; by the control points it would be 20 x 30.
    TKwPathData path;
    path.SetSvgPathString("M10 30H30V20C30 0 10 0 10 20Z");
    TKwSvgFillOptions fit;
    fit.FitInto = TKwRect(0, 0, 100, 100);
    FillSvgPath(C, path, fit);
    const TExtent e = ExtentOf(OnlyCall().PointsF);
    // Scaled by 4 to 80 x 100, centred, then half a pixel up and left.
    EXPECT_NEAR(e.Left, 10 - 0.5, 1e-3);
    EXPECT_NEAR(e.Right, 90 - 0.5, 1e-3);
    EXPECT_NEAR(e.Top, 0 - 0.5, 0.1); // the samples reach the curve's top within 0.1
    EXPECT_NEAR(e.Bottom, 100 - 0.5, 1e-3);
}

TEST_F(SvgFill, SamplesCurvesAtTheFittedSize) {
    // A unit circle blown up to radius 500: sampled before the fit, its chords would stray
    // by many pixels; sampled after, by a fraction of one.
    TKwPathData path;
    path.SetSvgPathString("M1 0A1 1 0 0 1-1 0A1 1 0 0 1 1 0Z");
    TKwSvgFillOptions fit;
    fit.FitInto = TKwRect(0, 0, 1000, 1000);
    FillSvgPath(C, path, fit);
    const std::vector<TPointD> points = OnlyCall().PointsF;
    ASSERT_GT(points.size(), 40u);
    double worst = 0;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const double mx = (points[i].X + points[i + 1].X) / 2 + 0.5;
        const double my = (points[i].Y + points[i + 1].Y) / 2 + 0.5;
        worst = std::max(worst, std::abs(std::hypot(mx - 500, my - 500) - 500));
    }
    EXPECT_LT(worst, 0.5);
}

TEST_F(SvgFill, TextIsDrawnUpToItsFirstErrorAsSvgDoes) {
    const std::string text = "M0 0 L10 0 L10 10 Z L 5";
    TKwPathData oracle;
    const TKwSvgPathResult expected = oracle.SetSvgPathString(text);
    ASSERT_FALSE(expected.Ok);

    const TKwSvgPathResult read = FillSvgPath(C, text);
    EXPECT_FALSE(read.Ok);
    EXPECT_EQ(read.Position, expected.Position);
    EXPECT_EQ(read.Message, expected.Message);
    const TCanvasCall call = OnlyCall(); // the closed triangle before the error
    EXPECT_EQ(call.PointsF.front(), TPointD(-0.5, -0.5));
    EXPECT_EQ(ExtentOf(call.PointsF).Right, 9.5);

    C.Clear();
    EXPECT_TRUE(FillSvgPath(C, "").Ok);
    EXPECT_TRUE(FillSvgPath(C, "M5 5").Ok); // a move alone has no area
    TKwSvgFillOptions none;
    none.Color = clNone; // SVG's fill="none"
    EXPECT_TRUE(FillSvgPath(C, "M0 0H4V4Z", none).Ok);
    EXPECT_TRUE(C.Calls().empty()) << C.ToString();
}

TEST_F(SvgFill, PutsPenAndBrushBackWhenTheCanvasFails) {
    C.FailOn("PolyPolygonF");
    EXPECT_THROW(FillSvgPath(C, "M0 0H4V4Z"), Exception);
    ExpectCanvasStateBack();
    EXPECT_FALSE(C.Antialias()); // a recording canvas has no smooth edges to turn on
}

} // namespace
