// SPDX-License-Identifier: MIT
// FillSvgPath on the raster canvas: SVG's pixel-edge grid covers whole pixels exactly,
// anti-aliasing is turned on for the fill and off again, the fit fills the picture, the fill
// rule decides holes, and an icon on a transparent bitmap keeps its colour at its edges.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/path/KwSvgFill.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kw;
using namespace kw::platform;

namespace {

// Pixels neither white nor black: partly covered by an anti-aliased black fill.
int PartlyCovered(const TBitmap& B) {
    int n = 0;
    for (int y = 0; y < B.Height(); ++y)
        for (int x = 0; x < B.Width(); ++x) {
            const TColor c = B.GetPixel(x, y);
            n += c != clWhite && c != clBlack;
        }
    return n;
}

TEST(CairoSvgFill, PixelEdgeGridCoversWholePixelsExactly) {
    TBitmap b(10, 10);
    ASSERT_FALSE(b.Canvas().Antialias());
    FillSvgPath(b.Canvas(), "M0 0H8V8H0Z");
    EXPECT_FALSE(b.Canvas().Antialias()); // turned on for the fill only
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(b.GetPixel(x, y), x < 8 && y < 8 ? clBlack : clWhite) << x << "," << y;

    // Half a pixel off the grid: the edge pixels are half covered, anti-aliased...
    b.Clear(TRGBA::White);
    FillSvgPath(b.Canvas(), "M0.5 0.5H8.5V8.5H0.5Z");
    EXPECT_EQ(b.GetPixel(4, 4), clBlack);
    for (const TPoint edge : {TPoint(0, 4), TPoint(8, 4), TPoint(4, 0), TPoint(4, 8)})
        EXPECT_NEAR(b.GetPixelRGBA(edge.X, edge.Y).R, 128, 3) << edge.X << "," << edge.Y;
    // ...and whole pixels only when asked so.
    b.Clear(TRGBA::White);
    TKwSvgFillOptions aliased;
    aliased.Antialias = false;
    FillSvgPath(b.Canvas(), "M0.5 0.5H8.5V8.5H0.5Z", aliased);
    EXPECT_EQ(PartlyCovered(b), 0);
    EXPECT_EQ(b.GetPixel(4, 4), clBlack);
}

TEST(CairoSvgFill, FitFillsThePictureCentredWithoutHalfCoveredEdges) {
    // 10 x 5 fitted into 40 x 40: 40 x 20 from row 10 to row 29.
    TBitmap b(40, 40);
    TKwSvgFillOptions fit;
    fit.FitInto = TKwRect(0, 0, 40, 40);
    FillSvgPath(b.Canvas(), "M3 5H13V10H3Z", fit);
    for (int y = 0; y < 40; ++y) {
        const TColor expected = y >= 10 && y < 30 ? clBlack : clWhite;
        EXPECT_EQ(b.GetPixel(0, y), expected) << y;
        EXPECT_EQ(b.GetPixel(39, y), expected) << y;
    }
    EXPECT_EQ(PartlyCovered(b), 0);
}

TEST(CairoSvgFill, TheRuleDecidesWhetherAnInnerFigureWoundTheSameWayIsAHole) {
    const char* sameWinding = "M0 0H20V20H0Z M5 5H15V15H5Z";
    TBitmap b(20, 20);
    FillSvgPath(b.Canvas(), sameWinding);
    EXPECT_EQ(b.GetPixel(10, 10), clBlack); // nonzero: winding 2
    TKwSvgFillOptions evenOdd;
    evenOdd.FillRule = fmEvenOdd;
    b.Clear(TRGBA::White);
    FillSvgPath(b.Canvas(), sameWinding, evenOdd);
    EXPECT_EQ(b.GetPixel(10, 10), clWhite);
    EXPECT_EQ(b.GetPixel(2, 10), clBlack);
}

TEST(CairoSvgFill, AnIconOnATransparentBitmapKeepsItsColourAtItsEdges) {
    const TColor blue = RGB(0x1E, 0x88, 0xE5);
    TBitmap icon(24, 24, TRGBA::Transparent);
    TKwSvgFillOptions fill;
    fill.Color = blue;
    fill.FitInto = TKwRect(0, 0, 24, 24);
    FillSvgPath(icon.Canvas(), "M12 2a10 10 0 1 0 0 20a10 10 0 1 0 0-20z", fill);
    EXPECT_EQ(icon.GetPixelRGBA(12, 12), (TRGBA{0x1E, 0x88, 0xE5, 255}));
    EXPECT_EQ(icon.GetPixelRGBA(0, 0), TRGBA::Transparent);
    int partial = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const TRGBA p = icon.GetPixelRGBA(x, y);
            if (p.A == 0 || p.A == 255) continue;
            ++partial;
            // Straight colour at the soft edge: blue, not blue darkened towards black.
            if (p.A >= 64) {
                EXPECT_NEAR(p.R, 0x1E, 4);
                EXPECT_NEAR(p.G, 0x88, 4);
                EXPECT_NEAR(p.B, 0xE5, 4);
            }
        }
    EXPECT_GT(partial, 20);
    // The circle touches all four sides of the icon: fitted by its drawn geometry.
    EXPECT_GT(icon.GetPixelRGBA(0, 12).A, 128);
    EXPECT_GT(icon.GetPixelRGBA(23, 12).A, 128);
    EXPECT_GT(icon.GetPixelRGBA(12, 0).A, 128);
    EXPECT_GT(icon.GetPixelRGBA(12, 23).A, 128);
}

} // namespace
