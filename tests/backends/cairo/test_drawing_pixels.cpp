// SPDX-License-Identifier: MIT
// A few drawing routines on the Cairo canvas, checked pixel by pixel: gradient rows, a
// pie quadrant, the bevel of a square frame and the centre of a rectangle gradient.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/drawing/Frame3D.h"
#include "kwgfx/drawing/Gradients.h"
#include "kwgfx/drawing/PieSlice.h"

#include "PixelTestTools.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kw;
using namespace kw::platform;
using kwtest::Channel;
using kwtest::Near;

namespace {} // namespace

TEST(DrawingPixels, VerticalGradientRunsFromTheFirstColourRowToNearlyTheSecond) {
    TBitmap bitmap(20, 100);
    const TColor colors[] = {clRed, clBlue};
    LineGradient(bitmap.Canvas(), TRect(0, 0, 20, 100), colors, 1, diVertical);
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(bitmap.GetPixel(x, 0), clRed) << x;
        // Row 99 has 99 of the 100 steps: red 2.55, blue 252.45.
        EXPECT_EQ(bitmap.GetPixel(x, 99), TColor(0xFC0003)) << x;
    }
    for (int y = 1; y < 100; ++y) {
        const TColor above = bitmap.GetPixel(10, y - 1), here = bitmap.GetPixel(10, y);
        EXPECT_LE(Channel(here, 0), Channel(above, 0)) << y;
        EXPECT_GE(Channel(here, 2), Channel(above, 2)) << y;
        EXPECT_EQ(bitmap.GetPixel(0, y), here) << "rows are uniform";
    }
    EXPECT_TRUE(Near(bitmap.GetPixel(5, 50), 0x800080, 1));
}

TEST(DrawingPixels, PieFromZeroToNinetyFillsTheUpperRightQuadrant) {
    TBitmap bitmap(100, 100);
    TCanvas& c = bitmap.Canvas();
    c.Brush().SetColor(clBlack);
    c.Pen().SetStyle(psClear);
    DrawPieSlice(c, TRect(0, 0, 100, 100), 0, 90, 0);
    EXPECT_EQ(bitmap.GetPixel(75, 25), clBlack);
    EXPECT_EQ(bitmap.GetPixel(60, 40), clBlack);
    EXPECT_EQ(bitmap.GetPixel(25, 25), clWhite);
    EXPECT_EQ(bitmap.GetPixel(25, 75), clWhite);
    EXPECT_EQ(bitmap.GetPixel(75, 75), clWhite);
    EXPECT_EQ(bitmap.GetPixel(97, 3), clWhite) << "outside the circle";
}

TEST(DrawingPixels, SquareBevelIsLightAtTopLeftAndDarkAtBottomRight) {
    TBitmap bitmap(12, 12);
    TRect r(1, 1, 11, 11);
    Frame3DExt(bitmap.Canvas(), r, clSilver, clGray, 2);
    EXPECT_EQ(r, TRect(3, 3, 9, 9));
    EXPECT_EQ(bitmap.GetPixel(1, 1), clSilver);
    EXPECT_EQ(bitmap.GetPixel(5, 2), clSilver);
    EXPECT_EQ(bitmap.GetPixel(10, 10), clGray);
    EXPECT_EQ(bitmap.GetPixel(9, 5), clGray);
    EXPECT_EQ(bitmap.GetPixel(5, 5), clWhite) << "the face is left to the caller";
    EXPECT_EQ(bitmap.GetPixel(0, 0), clWhite) << "nothing outside the rectangle";
    EXPECT_EQ(bitmap.GetPixel(11, 11), clWhite);
}

TEST(DrawingPixels, RectGradientFillsItsCentreInTheInnermostRingColour) {
    TBitmap bitmap(40, 40);
    const TColor colors[] = {clBlack, clWhite};
    RectGradient(bitmap.Canvas(), TRect(0, 0, 40, 40), colors, 4);
    EXPECT_EQ(bitmap.GetPixel(0, 0), clBlack);
    EXPECT_EQ(bitmap.GetPixel(39, 20), clBlack);
    // Five rings of 4 pixels, 51 channel units apart; the fifth starts at 36,36.
    EXPECT_TRUE(Near(bitmap.GetPixel(20, 20), 0xCCCCCC, 1)) << std::hex << bitmap.GetPixel(20, 20);
    EXPECT_TRUE(Near(bitmap.GetPixel(5, 20), 0x333333, 1)) << std::hex << bitmap.GetPixel(5, 20);
}
