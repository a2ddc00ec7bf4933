// SPDX-License-Identifier: MIT
// Gradients: the byte clamp, the direction table, and the bands, rings and colours the
// four painters record.
#include "kwgfx/drawing/Gradients.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kw;
using platform::TRecordingCanvas;

namespace {

TColor Gray(int V) {
    return V | (V << 8) | (V << 16);
}

std::vector<int32_t> Box(int32_t L, int32_t T, int32_t R, int32_t B) {
    return {L, T, R, B};
}

} // namespace

TEST(DoubleToByte, RoundsHalfToEvenAndClamps) {
    EXPECT_EQ(DoubleToByte(0.5), 0);
    EXPECT_EQ(DoubleToByte(1.5), 2);
    EXPECT_EQ(DoubleToByte(254.5), 254);
    EXPECT_EQ(DoubleToByte(255.4), 255);
    EXPECT_EQ(DoubleToByte(255.6), 255);
    EXPECT_EQ(DoubleToByte(-0.6), 0);
    EXPECT_EQ(DoubleToByte(1e300), 255);
    EXPECT_EQ(DoubleToByte(-1e300), 0);
    EXPECT_EQ(DoubleToByte(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(GradientDirections, UnitStepsWithYDown) {
    EXPECT_EQ(GradDirXDeltas[gdDownRight], 1);
    EXPECT_EQ(GradDirYDeltas[gdDownRight], 1);
    EXPECT_EQ(GradDirXDeltas[gdDown], 0);
    EXPECT_EQ(GradDirYDeltas[gdDown], 1);
    EXPECT_EQ(GradDirXDeltas[gdLeft], -1);
    EXPECT_EQ(GradDirYDeltas[gdLeft], 0);
    EXPECT_EQ(GradDirXDeltas[gdUpLeft], -1);
    EXPECT_EQ(GradDirYDeltas[gdUpLeft], -1);
    EXPECT_EQ(GradDirXDeltas[gdUp], 0);
    EXPECT_EQ(GradDirYDeltas[gdUp], -1);
}

TEST(LineGradient, TwoColoursOverHundredPixelsRunTheChannelsInDouble) {
    TRecordingCanvas c;
    const TColor colors[] = {platform::clBlack, platform::clWhite};
    LineGradient(c, TRect(0, 0, 100, 10), colors, 1, diHorizontal);
    const auto bands = c.CallsNamed("FillRect");
    ASSERT_EQ(bands.size(), 101u) << "the band at the far edge is painted too";
    // The running channel gains 2.55 per band until the boundary at 100 switches to the
    // (white, white) pair, so the last two bands share 99 steps' worth.
    double running = 0;
    for (size_t k = 0; k < bands.size(); ++k) {
        EXPECT_EQ(bands[k].Args, Box(int32_t(k), 0, int32_t(k) + 1, 10)) << k;
        EXPECT_EQ(bands[k].Brush.Color, Gray(DoubleToByte(running))) << k;
        if (k + 1 < 100) running += 2.55;
    }
    EXPECT_EQ(bands[100].Brush.Color, Gray(252));
    EXPECT_EQ(c.Brush().Color(), platform::clWhite) << "brush colour restored";
}

TEST(LineGradient, VerticalBandsStepAndNormalisedRectangle) {
    TRecordingCanvas c;
    const TColor colors[] = {platform::clRed};
    // Given bottom-to-top: normalised to (5, 0, 25, 30); Step 10 gives bands at 0, 10,
    // 20 and 30, all in the one colour.
    LineGradient(c, TRect(5, 30, 25, 0), colors, 10, diVertical);
    const auto bands = c.CallsNamed("FillRect");
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0].Args, Box(5, 0, 25, 10));
    EXPECT_EQ(bands[3].Args, Box(5, 30, 25, 40));
    for (const auto& b : bands) EXPECT_EQ(b.Brush.Color, platform::clRed);

    c.Clear();
    LineGradient(c, TRect(5, 5, 5, 30), colors, 1, diVertical);
    LineGradient(c, TRect(0, 0, 10, 10), {}, 1, diVertical);
    EXPECT_TRUE(c.Calls().empty());
}

TEST(LineGradient, ManyColoursCarryOnAtBoundariesAndStopAtTheLast) {
    TRecordingCanvas c;
    const TColor colors[] = {Gray(0), Gray(90), Gray(180)};
    // Two transitions over 20 pixels: S = 10. The walk climbs 9 per band towards 90; at
    // the boundary it switches to (90, 180) before stepping and carries on from where it
    // is; at the second boundary the pair becomes (180, 180) and it stays. Step 0 counts
    // as 1.
    LineGradient(c, TRect(0, 0, 20, 1), colors, 0, diHorizontal);
    const auto bands = c.CallsNamed("FillRect");
    ASSERT_EQ(bands.size(), 21u);
    EXPECT_EQ(bands[0].Brush.Color, Gray(0));
    EXPECT_EQ(bands[9].Brush.Color, Gray(81));
    EXPECT_EQ(bands[10].Brush.Color, Gray(90));
    EXPECT_EQ(bands[19].Brush.Color, Gray(171));
    EXPECT_EQ(bands[20].Brush.Color, Gray(171)) << "no colour past the last";
}

TEST(EllipseGradient, CentredRingsStopAtHalfTheShorterSide) {
    TRecordingCanvas c;
    c.Pen().SetWidth(3);
    const TColor colors[] = {Gray(0), Gray(200)};
    EllipseGradient(c, TRect(0, 0, 100, 10), colors, 1);
    const auto rings = c.CallsNamed("Ellipse");
    ASSERT_EQ(rings.size(), 5u);
    EXPECT_EQ(rings[0].Args, Box(0, 0, 100, 10));
    EXPECT_EQ(rings[4].Args, Box(4, 4, 96, 6));
    // S = (100 div 1) div 2 = 50: the rings stop long before the second colour.
    EXPECT_EQ(rings[4].Brush.Color, Gray(16));
    for (const auto& r : rings) {
        EXPECT_EQ(r.Pen.Style, platform::psClear);
        EXPECT_EQ(r.Pen.Width, 0);
    }
    EXPECT_EQ(c.Pen().Width(), 3);
    EXPECT_EQ(c.Pen().Style(), platform::psSolid);
}

TEST(EllipseGradient, RightOrBottomAtZeroDrawsNothing) {
    TRecordingCanvas c;
    const TColor colors[] = {Gray(0), Gray(200)};
    EllipseGradient(c, TRect(-50, -50, 0, 40), colors, 1);
    EllipseGradient(c, TRect(-50, -50, 40, 0), colors, 1);
    EllipseGradient(c, TRect(-50, -50, 0, 40), 0.5f, 0.5f, colors, 1.0f);
    RectGradient(c, TRect(-50, -50, 40, 0), colors, 1);
    EXPECT_TRUE(c.Calls().empty());
}

TEST(EllipseGradient, OffCentreRingsShrinkTowardsTheCentre) {
    TRecordingCanvas c;
    const TColor colors[] = {Gray(0), Gray(100)};
    // Centre (25, 10) in (0, 0, 100, 40): each ring moves the left edge by 25 / 100,
    // the right by 75 / 100, the top by 10 / 40 and the bottom by 30 / 40 at Step 1.
    EllipseGradient(c, TRect(0, 0, 100, 40), 0.25f, 0.25f, colors, 1.0f);
    const auto rings = c.CallsNamed("Ellipse");
    ASSERT_EQ(rings.size(), 40u);
    EXPECT_EQ(rings[0].Args, Box(0, 0, 100, 40));
    EXPECT_EQ(rings[4].Args, Box(1, 1, 97, 37));
    // D = 75 (centre to the right edge), S = 75; progress 0.75 per ring.
    EXPECT_EQ(rings[39].Brush.Color, Gray(DoubleToByte(39 * 100.0 / 75)));
}

TEST(EllipseGradient, ReversedRectangleEndsInsteadOfLoopingForever) {
    TRecordingCanvas c;
    const TColor colors[] = {Gray(0), Gray(100)};
    EllipseGradient(c, TRect(100, 40, 0, 0), 0.5f, 0.5f, colors, 1.0f);
    EXPECT_LE(c.CallsNamed("Ellipse").size(), 1u);
}

TEST(RectGradient, OutlinesOfStepWidthThenTheInnerBoxFilled) {
    TRecordingCanvas c;
    c.Pen().SetColor(platform::clNavy);
    c.Brush().SetColor(platform::clYellow);
    const TColor colors[] = {Gray(0), Gray(100)};
    RectGradient(c, TRect(0, 0, 20, 12), colors, 2);
    ASSERT_EQ(c.Names(),
              (std::vector<std::string>{"Rectangle", "Rectangle", "Rectangle", "FillRect"}))
        << c.ToString();
    const auto& calls = c.Calls();
    EXPECT_EQ(calls[0].Args, Box(0, 0, 20, 12));
    EXPECT_EQ(calls[2].Args, Box(4, 4, 16, 8));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(calls[k].Pen.Width, 2);
        EXPECT_EQ(calls[k].Brush.Color, platform::clYellow) << "rings fill with the caller's brush";
    }
    // S = (20 div 1) div 2 = 10; 10 channel units per ring of 2 pixels.
    EXPECT_EQ(calls[1].Pen.Color, Gray(20));
    EXPECT_EQ(calls[2].Pen.Color, Gray(40));
    EXPECT_EQ(calls[3].Args, calls[2].Args);
    EXPECT_EQ(calls[3].Brush.Color, Gray(40));
    EXPECT_EQ(calls[3].Pen.Color, platform::clNavy) << "pen restored before the fill";
    EXPECT_EQ(c.Pen().Width(), 1);
    EXPECT_EQ(c.Brush().Color(), platform::clYellow);
}

TEST(RectGradient, ThinRectangleIsFilledInTheFirstColour) {
    TRecordingCanvas c;
    const TColor colors[] = {platform::clRed, platform::clBlue};
    RectGradient(c, TRect(3, 0, 4, 50), colors, 1);
    ASSERT_EQ(c.Names(), (std::vector<std::string>{"FillRect"}));
    EXPECT_EQ(c.Calls()[0].Args, Box(3, 0, 4, 50));
    EXPECT_EQ(c.Calls()[0].Brush.Color, platform::clRed);
}
