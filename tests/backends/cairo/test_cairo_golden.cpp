// SPDX-License-Identifier: MIT
// Whole pictures compared with golden PNGs: a catch-all for the look of shapes, pens,
// brushes and gradients.
#include "GoldenImage.h"

#include <gtest/gtest.h>

using namespace kw::platform;

TEST(CairoGolden, ShapesPensAndBrushes) {
    TBitmap b(96, 64);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clYellow);
    c.Rectangle(2, 2, 22, 18);
    c.Pen().SetWidth(3);
    c.Pen().SetColor(clNavy);
    c.Brush().SetColor(clAqua);
    c.RoundRect(26, 2, 56, 22, 12, 12);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(clBlack);
    c.Brush().SetStyle(bsDiagCross);
    c.Brush().SetColor(clGreen);
    c.Ellipse(60, 2, 94, 22);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clRed);
    c.Pie(2, 24, 30, 52, 30, 38, 16, 24);
    c.Brush().SetColor(clFuchsia);
    c.Chord(32, 24, 60, 52, 46, 24, 32, 38);
    const TPoint star[] = {{78, 24}, {88, 54}, {62, 35}, {94, 35}, {68, 54}};
    c.Brush().SetColor(clLime);
    c.Polygon(star);
    c.Pen().SetStyle(psDashDot);
    c.MoveTo(2, 58);
    c.LineTo(94, 58);
    c.Pen().SetStyle(psDash);
    const TPoint wave[] = {{2, 62}, {30, 54}, {60, 62}, {94, 54}};
    c.Polyline(wave);
    EXPECT_TRUE(kwtest::MatchesGolden(b, "shapes.png", 2));
}

TEST(CairoGolden, TriangleGradient) {
    TBitmap b(48, 32);
    const TTriVertex v[] = {{0, 0, 0xFF00, 0, 0, 0},
                            {48, 0, 0, 0xFF00, 0, 0},
                            {48, 32, 0, 0, 0xFF00, 0},
                            {0, 32, 0x8000, 0x8000, 0x8000, 0}};
    const TGradientTriangle t[] = {{0, 1, 3}, {1, 2, 3}};
    ASSERT_TRUE(b.Canvas().GradientFill(v, t));
    EXPECT_TRUE(kwtest::MatchesGolden(b, "gradient.png", 6));
}
