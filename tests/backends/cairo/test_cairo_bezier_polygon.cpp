// SPDX-License-Identifier: MIT
// A spline polygon drawn on the raster canvas: filled inside, outlined through its points.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/drawing/DrawBezierPolygon.h"

#include <gtest/gtest.h>

using namespace kw;
using namespace kw::platform;

TEST(CairoBezierPolygon, ClosedCatmullRomFillsARoundShapeThroughItsPoints) {
    TBitmap b(40, 40);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clRed);
    const TCanvasPoints diamond = {{20, 4}, {36, 20}, {20, 36}, {4, 20}};
    DrawBezierPolygon(c, diamond, false, true, true, 1, 1);

    EXPECT_EQ(b.GetPixel(20, 20), clRed);
    // The curve bulges outwards: points just outside the straight diamond edge are inside.
    EXPECT_EQ(b.GetPixel(27, 10), clRed);
    // The outline passes through every control point.
    for (const TPoint& p : diamond) EXPECT_EQ(b.GetPixel(p.X, p.Y), clBlack) << p.X << "," << p.Y;
    EXPECT_EQ(b.GetPixel(2, 2), clWhite);
    EXPECT_EQ(b.GetPixel(37, 37), clWhite);
}

TEST(CairoBezierPolygon, OpenPolylineLeavesTheInsideUnfilled) {
    TBitmap b(40, 40);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clRed);
    DrawBezierPolygon(c, TCanvasPoints{{4, 20}, {20, 4}, {36, 20}}, false, false, false, 1, 1);
    EXPECT_EQ(b.GetPixel(20, 4), clBlack);
    EXPECT_EQ(b.GetPixel(20, 15), clWhite);
}
