// SPDX-License-Identifier: MIT
// PolyPolygonF on the raster canvas: sub-pixel edges with and without anti-aliasing, the
// fill rules, brush and pen as for whole-pixel figures, and input that must not upset Cairo.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/platform/graphics/Colors.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace kw::platform;

namespace {

using TFiguresD = std::vector<std::vector<TPointD>>;

std::vector<TPointD> Square(double L, double T, double R, double B) {
    return {{L, T}, {R, T}, {R, B}, {L, B}};
}

// Grey level of a black fill on white: 0 where fully covered, 255 where untouched.
int Grey(const TBitmap& Bmp, int X, int Y) {
    return Bmp.GetPixelRGBA(X, Y).G;
}

void PrepareBlackFill(TBitmap& Bmp, bool Antialias) {
    TCairoCanvas& c = Bmp.Canvas();
    c.SetAntialias(Antialias);
    c.Pen().SetStyle(psClear);
    c.Brush().SetColor(clBlack);
}

// Pixels First..Last of both axes are fully covered, all others untouched.
void ExpectSolidSquare(const TBitmap& Bmp, int First, int Last) {
    for (int y = 0; y < Bmp.Height(); ++y)
        for (int x = 0; x < Bmp.Width(); ++x) {
            const bool in = x >= First && x <= Last && y >= First && y <= Last;
            ASSERT_EQ(Grey(Bmp, x, y), in ? 0 : 255) << x << "," << y;
        }
}

std::vector<uint32_t> Pixels(const TBitmap& Bmp) {
    std::vector<uint32_t> p(static_cast<std::size_t>(Bmp.Width()) * Bmp.Height());
    Bmp.ReadPixels(p);
    return p;
}

} // namespace

TEST(CairoSubPixelFill, AntialiasedEdgesCoverTheirShareOfAPixel) {
    TBitmap bmp(8, 8);
    PrepareBlackFill(bmp, true);
    // Points name pixel centres: a square from (0.5, 0.5) to (4.5, 4.5) has its edges on
    // pixel borders and covers pixels 1..4 exactly.
    bmp.Canvas().PolyPolygonF(TFiguresD{Square(0.5, 0.5, 4.5, 4.5)});
    ExpectSolidSquare(bmp, 1, 4);

    // Half a pixel further on, the edges cut pixels 1 and 5 in half and the corners in
    // quarters; the inside stays fully covered.
    TBitmap half(8, 8);
    PrepareBlackFill(half, true);
    half.Canvas().PolyPolygonF(TFiguresD{Square(1, 1, 5, 5)});
    EXPECT_EQ(Grey(half, 3, 3), 0);
    EXPECT_EQ(Grey(half, 2, 4), 0);
    EXPECT_NEAR(Grey(half, 1, 3), 128, 2);
    EXPECT_NEAR(Grey(half, 5, 3), 128, 2);
    EXPECT_NEAR(Grey(half, 3, 1), 128, 2);
    EXPECT_NEAR(Grey(half, 1, 1), 191, 2);
    EXPECT_NEAR(Grey(half, 5, 5), 191, 2);
    EXPECT_EQ(Grey(half, 0, 3), 255);
    EXPECT_EQ(Grey(half, 6, 3), 255);
}

TEST(CairoSubPixelFill, WithoutAntialiasingAPixelIsFilledWhenItsCentreIsInside) {
    // (0.8 .. 4.2) holds the centres of pixels 1..4; (1.2 .. 3.8) only those of 2 and 3,
    // although rounding the corners would give the pixels 1..4.
    const struct {
        double Lo, Hi;
        int First, Last;
    } cases[] = {{0.8, 4.2, 1, 4}, {1.2, 3.8, 2, 3}};
    for (const auto& k : cases) {
        TBitmap bmp(8, 8);
        PrepareBlackFill(bmp, false);
        bmp.Canvas().PolyPolygonF(TFiguresD{Square(k.Lo, k.Lo, k.Hi, k.Hi)});
        SCOPED_TRACE(k.Lo);
        ExpectSolidSquare(bmp, k.First, k.Last);
    }
}

TEST(CairoSubPixelFill, FillRuleDecidesWhetherAnInnerFigureCutsAHole) {
    const std::vector<TPointD> outer = Square(0.5, 0.5, 38.5, 38.5);
    const std::vector<TPointD> sameWay = Square(10.25, 10.25, 29.75, 29.75);
    const std::vector<TPointD> otherWay(sameWay.rbegin(), sameWay.rend());
    auto centre = [&](const std::vector<TPointD>& Inner, TPolyFillMode Mode) {
        TBitmap bmp(40, 40);
        PrepareBlackFill(bmp, true);
        bmp.Canvas().PolyPolygonF(TFiguresD{outer, Inner}, Mode);
        EXPECT_EQ(Grey(bmp, 5, 20), 0); // the ring is always filled
        // The hole's edge at 10.25 + 0.5 leaves three quarters of pixel 10 covered.
        EXPECT_NEAR(Grey(bmp, 10, 20), Mode == pfWinding && &Inner == &sameWay ? 0 : 64, 2);
        return Grey(bmp, 20, 20);
    };
    EXPECT_EQ(centre(sameWay, pfAlternate), 255);
    EXPECT_EQ(centre(otherWay, pfAlternate), 255);
    EXPECT_EQ(centre(sameWay, pfWinding), 0);
    EXPECT_EQ(centre(otherWay, pfWinding), 255);
}

TEST(CairoSubPixelFill, WholeCoordinatesDrawAsThePixelPolygonDoes) {
    // Brush styles (bsClear fills nothing), pens and anti-aliasing: with whole coordinates
    // the sub-pixel call paints exactly the pixels of the integer one.
    const std::vector<TPoint> outer{{2, 2}, {30, 4}, {26, 29}, {3, 25}};
    const std::vector<TPoint> inner{{10, 10}, {10, 20}, {20, 20}};
    auto asD = [](const std::vector<TPoint>& P) {
        std::vector<TPointD> d;
        for (const TPoint& p : P) d.emplace_back(p.X, p.Y);
        return d;
    };
    const std::vector<std::vector<TPoint>> whole{outer, {}, inner};
    const TFiguresD sub{asD(outer), {}, asD(inner)};
    const struct {
        TBrushStyle Brush;
        TPenStyle Pen;
        int PenWidth;
        bool Antialias;
    } cases[] = {{bsSolid, psSolid, 1, false},
                 {bsClear, psSolid, 3, true},
                 {bsCross, psDash, 1, false},
                 {bsSolid, psClear, 1, true},
                 {bsClear, psClear, 1, true}};
    for (const auto& k : cases) {
        TBitmap a(32, 32), b(32, 32);
        for (TBitmap* bmp : {&a, &b}) {
            TCairoCanvas& c = bmp->Canvas();
            c.SetAntialias(k.Antialias);
            c.Brush().SetStyle(k.Brush);
            c.Brush().SetColor(clRed);
            c.Pen().SetStyle(k.Pen);
            c.Pen().SetWidth(k.PenWidth);
            c.Pen().SetColor(clBlue);
        }
        a.Canvas().PolyPolygon(whole, pfWinding);
        b.Canvas().PolyPolygonF(sub, pfWinding);
        EXPECT_EQ(Pixels(a), Pixels(b)) << "brush " << int(k.Brush) << " pen " << int(k.Pen);
        if (k.Brush == bsClear && k.Pen == psClear) {
            EXPECT_EQ(Pixels(b), Pixels(TBitmap(32, 32))) << "nothing at all is drawn";
        }
    }
}

TEST(CairoSubPixelFill, FiguresThatAreNotFiniteAreLeftOutAndFarOnesKeepTheirShape) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    TBitmap bmp(40, 40);
    PrepareBlackFill(bmp, false);
    TCairoCanvas& c = bmp.Canvas();
    c.PolyPolygonF(TFiguresD{{{0, 0}, {nan, 39}, {39, 39}},
                             {{0, 0}, {39, 0}, {39, inf}},
                             {{-inf, -inf}, {39, 0}, {0, 39}},
                             Square(30, 30, 35, 35)});
    EXPECT_EQ(Grey(bmp, 32, 32), 0) << "the finite figure of the same call is drawn";
    EXPECT_EQ(Grey(bmp, 20, 30), 255);
    EXPECT_EQ(Grey(bmp, 30, 10), 255);
    EXPECT_EQ(Grey(bmp, 5, 5), 255);

    // Beyond the reach of Cairo's fixed-point coordinates: the slope y = 2x of the edge
    // from the origin must survive, as must a band running off to the right.
    TBitmap far(40, 40);
    PrepareBlackFill(far, false);
    far.Canvas().PolyPolygonF(
        TFiguresD{{{0, 0}, {1e9, 2e9}, {0, 2e9}}, {{20, 2}, {1e15, 2}, {1e15, 6}, {20, 6}}});
    EXPECT_EQ(Grey(far, 10, 25), 0);   // 25 > 2 * 10
    EXPECT_EQ(Grey(far, 15, 25), 255); // 25 < 2 * 15
    EXPECT_EQ(Grey(far, 2, 39), 0);
    for (int x = 21; x < 40; ++x) {
        EXPECT_EQ(Grey(far, x, 4), 0) << x;
        EXPECT_EQ(Grey(far, x, 8), 255) << x;
    }

    // The canvas keeps drawing afterwards.
    c.PolyPolygonF(TFiguresD{Square(1, 1, 4, 4)});
    EXPECT_EQ(Grey(bmp, 2, 2), 0);
}
