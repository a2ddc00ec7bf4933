// SPDX-License-Identifier: MIT
// PolyPolygon on the raster canvas: several figures filled as one area under a rule.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/platform/graphics/Colors.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kw::platform;

namespace {

using TFigures = std::vector<std::vector<TPoint>>;

TColor CentreAfterFill(const TFigures& Figures, TPolyFillMode Mode) {
    TBitmap bmp(40, 40);
    TCanvas& c = bmp.Canvas();
    c.Pen().SetStyle(psClear);
    c.Brush().SetColor(clRed);
    c.PolyPolygon(Figures, Mode);
    EXPECT_EQ(bmp.GetPixel(2, 20), clRed); // the ring is always filled
    return bmp.GetPixel(20, 20);
}

const std::vector<TPoint> kOuter{{0, 0}, {39, 0}, {39, 39}, {0, 39}};
const std::vector<TPoint> kInnerSameWay{{10, 10}, {30, 10}, {30, 30}, {10, 30}};
const std::vector<TPoint> kInnerOtherWay{{10, 10}, {10, 30}, {30, 30}, {30, 10}};

} // namespace

TEST(CairoPolyPolygon, FillRuleDecidesWhetherAnInnerFigureCutsAHole) {
    EXPECT_EQ(CentreAfterFill({kOuter, kInnerSameWay}, pfAlternate), clWhite);
    EXPECT_EQ(CentreAfterFill({kOuter, kInnerOtherWay}, pfAlternate), clWhite);
    EXPECT_EQ(CentreAfterFill({kOuter, kInnerSameWay}, pfWinding), clRed);
    EXPECT_EQ(CentreAfterFill({kOuter, kInnerOtherWay}, pfWinding), clWhite);
}

TEST(CairoPolyPolygon, OutlinesEveryFigureWithThePenAndSkipsEmptyOnes) {
    TBitmap bmp(40, 40);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(clBlue);
    c.PolyPolygon(TFigures{kOuter, {}, kInnerSameWay}, pfAlternate);
    EXPECT_EQ(bmp.GetPixel(0, 20), clBlue);
    EXPECT_EQ(bmp.GetPixel(10, 20), clBlue);
    EXPECT_EQ(bmp.GetPixel(5, 20), clWhite); // bsClear fills nothing
}
