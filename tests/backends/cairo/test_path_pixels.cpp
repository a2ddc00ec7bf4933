// SPDX-License-Identifier: MIT
// Paths painted on the Cairo canvas: figures are filled one by one, so an inner figure is
// painted over rather than cut out, and outlines leave open figures open.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/path/KwPathData.h"

#include <gtest/gtest.h>

namespace {

using namespace kw;
using namespace kw::platform;

TEST(PathPixels, FiguresAreFilledSeparatelyAndOutlinesStayOpen) {
    TBitmap picture(40, 40);
    TCanvas& canvas = picture.Canvas();
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetColor(clRed);

    TKwPathData squares;
    squares.AddPolygon(std::vector<TKwPoint>{{4, 4}, {30, 4}, {30, 30}, {4, 30}, {4, 4}});
    squares.AddPolygon(std::vector<TKwPoint>{{10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}});
    squares.SetFillMode(fmEvenOdd); // not consulted: each figure is its own polygon
    squares.FillPath(picture.Canvas(), 1);
    EXPECT_EQ(picture.GetPixel(6, 6), clRed);
    EXPECT_EQ(picture.GetPixel(15, 15), clRed); // the inner square is not a hole
    EXPECT_EQ(picture.GetPixel(35, 35), clWhite);

    // An open V outlined: its two legs are drawn, the closing edge is not.
    TBitmap outline(40, 40);
    outline.Canvas().Pen().SetColor(clBlue);
    TKwPathData v;
    v.MoveTo({5, 5});
    v.LineTo({20, 35});
    v.LineTo({35, 5});
    v.DrawPath(outline.Canvas(), 1);
    EXPECT_EQ(outline.GetPixel(5, 5), clBlue);
    EXPECT_EQ(outline.GetPixel(20, 35), clBlue);
    for (int x = 8; x < 33; ++x) EXPECT_EQ(outline.GetPixel(x, 5), clWhite) << x;
}

} // namespace
