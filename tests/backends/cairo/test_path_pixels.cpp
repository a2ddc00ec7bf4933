// SPDX-License-Identifier: MIT
// Paths painted on the Cairo canvas: figures are filled one by one, so an inner figure is
// painted over rather than cut out, and outlines leave open figures open; lines drawn
// together are drawn as each alone.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/path/KwPathData.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <random>
#include <vector>

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

// Lines drawn together are each drawn as Polyline draws it alone: hard and smooth edges,
// thin, wide and dashed pens, lines reaching far out, and lines of one point or none, on a
// context as it comes or moved and clipped.
TEST(PathPixels, PolylinesDrawEachLineAsPolylineDoes) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> x(-10, 74), y(-10, 58), count(0, 6);
    for (int round = 0; round < 16; ++round) {
        std::vector<std::vector<TPoint>> lines(1 + round % 5);
        for (auto& line : lines) {
            for (int i = count(rng); i > 0; --i) line.push_back({x(rng), y(rng)});
            if (round % 4 == 3 && !line.empty()) line.push_back({40'000'000, -30'000'000});
        }
        TBitmap together(64, 48), alone(64, 48);
        for (TBitmap* picture : {&together, &alone}) {
            TCanvas& canvas = picture->Canvas();
            canvas.Pen().SetColor(round % 2 ? clNavy : clMaroon);
            canvas.Pen().SetWidth(round % 3 == 0 ? 3 : 1);
            canvas.Pen().SetStyle(round % 8 == 5 ? psDash : psSolid);
            canvas.SetAntialias(round / 8 == 1);
            // Now and then a moved context clipped to a box of whole pixels or not: each line
            // after the first is drawn where the first was set up.
            if (round % 3 == 1) {
                cairo_t* cr = picture->Canvas().Context();
                cairo_translate(cr, 2, 3);
                const double edge = round % 2 ? 0 : 0.5;
                cairo_rectangle(cr, 4 + edge, 3, 50, 36 - edge);
                cairo_clip(cr);
            }
        }
        together.Canvas().Polylines(lines);
        for (const auto& line : lines) alone.Canvas().Polyline(line);
        std::vector<uint32_t> a(64 * 48), b(64 * 48);
        together.ReadPixels(a);
        alone.ReadPixels(b);
        EXPECT_EQ(a, b) << "round " << round;
    }
}

} // namespace
