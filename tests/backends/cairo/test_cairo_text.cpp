// SPDX-License-Identifier: MIT
// Text on the Cairo canvas: measuring, drawing with and without background, rotation,
// metrics of the face and DrawText clipping.
#include "PixelTestTools.h"
#include "kwgfx/backends/cairo/Bitmap.h"

#include <gtest/gtest.h>

using namespace kw::platform;
using kwtest::InkOf;
using kwtest::TInk;

namespace {} // namespace

TEST(CairoText, MeasuresWithTheFontAndHeightIsAscentPlusDescent) {
    TBitmap b(10, 10);
    TCanvas& c = b.Canvas();
    const TTextMetric tm = c.GetTextMetrics();
    EXPECT_GT(tm.tmAscent, 0);
    EXPECT_GT(tm.tmDescent, 0);
    EXPECT_EQ(c.TextHeight("Hg"), tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(c.TextHeight(""), tm.tmHeight);
    EXPECT_EQ(c.TextWidth(""), 0);
    EXPECT_GT(c.TextWidth("W"), c.TextWidth("i"));
    EXPECT_GT(c.TextWidth("Hello world"), c.TextWidth("Hello"));
    EXPECT_EQ(c.TextExtent("Hello").cx, c.TextWidth("Hello"));

    const int small = c.TextHeight("X");
    c.Font().SetSize(24);
    EXPECT_GT(c.TextHeight("X"), 2 * small);
    // A positive height asks for the cell height.
    c.Font().SetHeight(30);
    EXPECT_NEAR(c.TextHeight("X"), 30, 1);
    const int regular = c.TextWidth("Hello");
    c.Font().SetStyle({fsBold});
    EXPECT_GT(c.TextWidth("Hello"), regular);
}

TEST(CairoText, DefaultFaceIsAScalableVariablePitchFont) {
    TBitmap b(10, 10);
    const TTextMetric tm = b.Canvas().GetTextMetrics();
    EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_TRUETYPE);
    EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH); // set means variable pitch
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);

    b.Canvas().Font().SetName("DejaVu Sans Mono");
    EXPECT_FALSE(b.Canvas().GetTextMetrics().tmPitchAndFamily & TMPF_FIXED_PITCH);
    EXPECT_EQ(b.Canvas().TextWidth("iii"), b.Canvas().TextWidth("WWW"));
}

TEST(CairoText, TextOutDrawsInsideItsExtentWithOptionalBackground) {
    TBitmap b(120, 40);
    TCanvas& c = b.Canvas();
    c.Font().SetColor(clBlue);
    c.Brush().SetColor(clYellow);
    c.TextOut(10, 5, "Hello");
    const TSize ext = c.TextExtent("Hello");
    const TInk ink = InkOf(b, clBlue);
    EXPECT_GT(ink.Count, 20);
    EXPECT_GE(ink.Left, 10);
    EXPECT_GE(ink.Top, 5);
    EXPECT_LT(ink.Right, 10 + ext.cx);
    EXPECT_LT(ink.Bottom, 5 + ext.cy);
    // The opaque background fills the whole extent box and nothing more.
    const TInk ground = InkOf(b, clYellow);
    EXPECT_EQ(ground.Left, 10);
    EXPECT_EQ(ground.Top, 5);
    EXPECT_EQ(ground.Right, 10 + ext.cx - 1);
    EXPECT_EQ(ground.Bottom, 5 + ext.cy - 1);
    EXPECT_EQ(c.PenPos(), TPoint(10 + ext.cx, 5));

    TBitmap clear(120, 40);
    clear.Canvas().Brush().SetStyle(bsClear);
    clear.Canvas().Brush().SetColor(clYellow);
    clear.Canvas().TextOut(10, 5, "Hello");
    EXPECT_EQ(InkOf(clear, clYellow).Count, 0);
    EXPECT_GT(InkOf(clear, clBlack).Count, 20); // the default font colour is window text
}

TEST(CairoText, UnderlineAddsALineBelowTheGlyphs) {
    TBitmap plain(80, 30), underlined(80, 30);
    plain.Canvas().Brush().SetStyle(bsClear);
    underlined.Canvas().Brush().SetStyle(bsClear);
    underlined.Canvas().Font().SetStyle({fsUnderline});
    plain.Canvas().TextOut(2, 2, "ace");
    underlined.Canvas().TextOut(2, 2, "ace");
    const TInk a = InkOf(plain, clBlack), b = InkOf(underlined, clBlack);
    EXPECT_GT(b.Bottom, a.Bottom);
    EXPECT_GT(b.Count, a.Count);
}

TEST(CairoText, OrientationRotatesCounterClockwiseAroundTheTopLeft) {
    TBitmap b(60, 120);
    TCanvas& c = b.Canvas();
    c.Brush().SetStyle(bsClear);
    c.Font().SetOrientation(900);
    c.TextOut(10, 100, "Rotated");
    const TInk ink = InkOf(b, clBlack);
    // Upwards from (10, 100), the glyph tops facing left.
    EXPECT_GT(ink.Count, 20);
    EXPECT_LE(ink.Bottom, 100);
    EXPECT_LT(ink.Top, 100 - c.TextWidth("Rotated") / 2);
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, 10 + c.TextHeight("Rotated"));
}

TEST(CairoText, InvalidUtf8DoesNotDisableTheCanvas) {
    TBitmap b(60, 20);
    TCanvas& c = b.Canvas();
    EXPECT_GT(c.TextWidth("a\xFF\xC3"), 0);
    c.TextOut(0, 0, std::string_view("\xC0\x80z\0q", 5));
    c.Brush().SetColor(clRed);
    c.FillRect({50, 10, 60, 20});
    EXPECT_EQ(b.GetPixel(55, 15), clRed);
}

TEST(CairoText, DrawTextClipsToItsRectangleUnlessAskedNot) {
    TBitmap b(200, 40);
    TCanvas& c = b.Canvas();
    c.Brush().SetStyle(bsClear);
    TRect r(10, 5, 40, 30);
    c.DrawText("A long line of text", r, DT_SINGLELINE);
    TInk ink = InkOf(b, clBlack);
    EXPECT_GT(ink.Count, 0);
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, 39);

    TBitmap n(200, 40);
    n.Canvas().Brush().SetStyle(bsClear);
    n.Canvas().DrawText("A long line of text", r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkOf(n, clBlack).Right, 60);

    // Measuring draws nothing and sizes the rectangle to the text.
    TBitmap m(200, 40);
    TRect calc(0, 0, 0, 0);
    const int h = m.Canvas().DrawText("two\nlines", calc, DT_CALCRECT);
    EXPECT_EQ(h, 2 * m.Canvas().GetTextMetrics().tmHeight);
    EXPECT_EQ(calc.Bottom, h);
    EXPECT_EQ(calc.Right, m.Canvas().TextWidth("lines"));
    EXPECT_EQ(InkOf(m, clBlack).Count, 0);
}
