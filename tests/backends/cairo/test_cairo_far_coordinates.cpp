// SPDX-License-Identifier: MIT
// Integer canvas calls with coordinates far outside the surface (up to the int32 limits):
// the pixels inside the surface must be those of the true figure, as if the surface were
// a window onto an unbounded plane. Each far figure is compared with a near figure that
// shows the same pixels, or with coverage worked out from the exact geometry.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/platform/graphics/Colors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

using namespace kw::platform;

namespace {

constexpr int kSize = 64;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
// Far x values: a plain one, the limits, and one that a 24.8 fixed-point wrap turns into a
// negative coordinate.
constexpr int32_t kFarValues[] = {2'000'000'000, kMax, 2'009'071'616};

std::vector<uint32_t> Pixels(const TBitmap& Bmp) {
    std::vector<uint32_t> p(static_cast<std::size_t>(Bmp.Width()) * Bmp.Height());
    Bmp.ReadPixels(p);
    return p;
}

// Every channel of every pixel within Tolerance.
void ExpectSamePixels(const TBitmap& Actual, const TBitmap& Expected, int Tolerance) {
    const std::vector<uint32_t> a = Pixels(Actual), e = Pixels(Expected);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int k = 0; k < 32; k += 8) {
            const int ca = (a[i] >> k) & 0xFF, ce = (e[i] >> k) & 0xFF;
            ASSERT_LE(std::abs(ca - ce), Tolerance)
                << "pixel " << i % kSize << "," << i / kSize << " channel " << k / 8;
        }
}

void SetUpPens(TCanvas& C, bool Antialias, int PenWidth) {
    static_cast<TCairoCanvas&>(C).SetAntialias(Antialias);
    C.Pen().SetColor(clRed);
    C.Pen().SetWidth(PenWidth);
    C.Brush().SetColor(clBlue);
}

bool Painted(const TBitmap& Bmp, int X, int Y) {
    return Bmp.GetPixel(X, Y) != clWhite;
}

} // namespace

// ---------------------------------------------------------------- filled figures

TEST(CairoFarCoordinates, PolygonWithAFarVertexMatchesTheSameFigureCutShort) {
    // With a pen, and without one (then the fill alone goes to the rasteriser as it is).
    for (const int32_t far : kFarValues)
        for (const bool antialias : {false, true})
            for (const bool pen : {true, false}) {
                SCOPED_TRACE(testing::Message()
                             << far << (antialias ? " antialiased" : "") << (pen ? " pen" : ""));
                const TPoint triangle[] = {{-10, 3}, {far, 40}, {-10, 60}};
                TBitmap actual(kSize, kSize);
                // A 3-pixel pen leaves no pixel centre on the edge of its band.
                SetUpPens(actual.Canvas(), antialias, 3);
                if (!pen) actual.Canvas().Pen().SetStyle(psClear);
                actual.Canvas().Polygon(triangle);

                // The same triangle cut at x = 1000, well outside the surface; the cut edge's
                // outline is out of sight too.
                const double t = (1000.0 + 10) / (double(far) + 10);
                const std::vector<std::vector<TPointD>> cut{
                    {{-10, 3}, {1000, 3 + 37 * t}, {1000, 60 - 20 * t}, {-10, 60}}};
                TBitmap expected(kSize, kSize);
                SetUpPens(expected.Canvas(), antialias, 3);
                if (!pen) expected.Canvas().Pen().SetStyle(psClear);
                expected.Canvas().PolyPolygonF(cut);
                ExpectSamePixels(actual, expected, 1);
            }
}

TEST(CairoFarCoordinates, PolyPolygonClipsEachFigureAndKeepsTheFillRule) {
    // A far square with a near square hole (alternate) or not (winding, same direction).
    for (const TPolyFillMode mode : {pfAlternate, pfWinding}) {
        const std::vector<std::vector<TPoint>> figures{
            {{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}},
            {{20, 20}, {40, 20}, {40, 40}, {20, 40}}};
        TBitmap bmp(kSize, kSize);
        bmp.Canvas().Pen().SetStyle(psClear);
        bmp.Canvas().Brush().SetColor(clBlack);
        bmp.Canvas().PolyPolygon(figures, mode);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                // Points name pixels: the hole's path runs through the centres of 20 and 40,
                // so it takes pixels 21..39 when the centres on the edge are shared out.
                const bool hole = mode == pfAlternate && x >= 21 && x <= 39 && y >= 21 && y <= 39;
                if (mode == pfAlternate && (x == 20 || x == 40 || y == 20 || y == 40)) continue;
                ASSERT_EQ(bmp.GetPixel(x, y), hole ? clWhite : clBlack) << x << "," << y;
            }
    }
}

// ---------------------------------------------------------------- lines

TEST(CairoFarCoordinates, LineToAFarPointPaintsItsRowToTheEdge) {
    for (const int32_t far : kFarValues) {
        SCOPED_TRACE(far);
        TBitmap bmp(kSize, kSize);
        TCanvas& c = bmp.Canvas();
        c.MoveTo(10, 10);
        c.LineTo(far, 10);
        // The pen stays at the true end point, and the next line starts from there.
        EXPECT_EQ(c.PenPos(), TPoint(far, 10));
        c.LineTo(10, 20);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const bool on = (y == 10 && x >= 10) || (y == 20 && x >= 11);
                ASSERT_EQ(Painted(bmp, x, y), on) << x << "," << y;
            }
    }
}

TEST(CairoFarCoordinates, LineFromAFarPointAndAcrossTheSurface) {
    TBitmap bmp(kSize, kSize);
    TCanvas& c = bmp.Canvas();
    // Both ends far on either side: the whole row, both columns; a vertical line entering
    // from far above and ending at row 30 leaves out its end pixel.
    c.MoveTo(kMin, 5);
    c.LineTo(kMax, 5);
    c.MoveTo(50, -2'000'000'000);
    c.LineTo(50, 30);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const bool on = y == 5 || (x == 50 && y < 30);
            ASSERT_EQ(Painted(bmp, x, y), on) << x << "," << y;
        }
}

TEST(CairoFarCoordinates, PolylineThroughFarPointsMatchesTheNearPolyline) {
    // A zigzag leaving the surface and coming back: far turns against turns at 1000 pixels
    // on the same lines, which look alike inside the surface.
    const TPoint far[] = {{5, 5}, {1'000'000'000, 5}, {-1'000'000'000, 5 + 1'000'000'000}};
    for (const bool antialias : {false, true}) {
        TBitmap actual(kSize, kSize), expected(kSize, kSize);
        SetUpPens(actual.Canvas(), antialias, 3);
        SetUpPens(expected.Canvas(), antialias, 3);
        actual.Canvas().Polyline(far);
        // The second segment runs from (1e9, 5) down-left at slope -1/2; it crosses the
        // surface nowhere (it reaches x = 63 only at y > 5e8), so the near figure is the
        // first leg alone, carried on past the right edge.
        const TPoint near[] = {{5, 5}, {1000, 5}};
        expected.Canvas().Polyline(near);
        ExpectSamePixels(actual, expected, 1);
    }
}

TEST(CairoFarCoordinates, DashedLineFromFarAwayKeepsItsPhase) {
    // A one-pixel dash pen repeats 18 on, 6 off from the line's start; starting far to the
    // left, pixel x is painted when (x + 0.5 - start) mod 24 < 18.
    for (const int32_t start : {-1'000'000, -2'000'000'007, kMin}) {
        SCOPED_TRACE(start);
        TBitmap bmp(kSize, kSize);
        TCanvas& c = bmp.Canvas();
        c.Pen().SetStyle(psDash);
        c.MoveTo(start, 7);
        c.LineTo(100, 7);
        for (int x = 0; x < kSize; ++x) {
            const double along = std::fmod(x + 0.5 - double(start), 24.0);
            if (std::abs(along - 18) < 0.6 || along < 0.6) continue; // dash ends: shared
            EXPECT_EQ(Painted(bmp, x, 7), along < 18) << x;
        }
    }
}

// ---------------------------------------------------------------- box shapes

TEST(CairoFarCoordinates, FillRectOverTheWholeRangeFillsTheSurface) {
    TBitmap bmp(kSize, kSize);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(clBlack);
    c.FillRect(TRect(-2'000'000'000, -2'000'000'000, 2'000'000'000, 2'000'000'000));
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) ASSERT_EQ(bmp.GetPixel(x, y), clBlack) << x << "," << y;

    TBitmap part(kSize, kSize);
    part.Canvas().Brush().SetColor(clBlack);
    part.Canvas().FillRect(TRect(kMin, 10, 20, kMax));
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            ASSERT_EQ(Painted(part, x, y), x < 20 && y >= 10) << x << "," << y;
}

TEST(CairoFarCoordinates, FarRectanglesAndRoundRectsMatchTheirNearCounterparts) {
    // Far sides against sides 100 pixels off the surface; the corners near (40, 10) show.
    for (const bool antialias : {false, true}) {
        SCOPED_TRACE(antialias);
        TBitmap actual(kSize, kSize), expected(kSize, kSize);
        SetUpPens(actual.Canvas(), antialias, 3);
        SetUpPens(expected.Canvas(), antialias, 3);
        actual.Canvas().Rectangle(kMin, 10, 40, kMax);
        expected.Canvas().Rectangle(-100, 10, 40, 200);
        ExpectSamePixels(actual, expected, 1);

        TBitmap actualRound(kSize, kSize), expectedRound(kSize, kSize);
        SetUpPens(actualRound.Canvas(), antialias, 3);
        SetUpPens(expectedRound.Canvas(), antialias, 3);
        actualRound.Canvas().RoundRect(-2'000'000'000, 10, 40, 2'000'000'000, 30, 20);
        expectedRound.Canvas().RoundRect(-100, 10, 40, 200, 30, 20);
        ExpectSamePixels(actualRound, expectedRound, antialias ? 24 : 0);
    }
}

TEST(CairoFarCoordinates, HugeEllipseShowsItsTopAsBandsOfPenAndBrush) {
    // A circle of radius 1e9 whose top touches row 20 in the middle of the surface: over 64
    // pixels it bends by 64^2 / 2e9 of a pixel, so rows 20..22 are the 3-pixel pen (kept
    // inside the box) and the rows below are brush.
    const int32_t r = 1'000'000'000;
    TBitmap bmp(kSize, kSize);
    SetUpPens(bmp.Canvas(), false, 3);
    bmp.Canvas().Ellipse(32 - r, 20, 32 + r, 20 + 2 * r);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const TColor want = y < 20 ? clWhite : y < 23 ? clRed : clBlue;
            ASSERT_EQ(bmp.GetPixel(x, y), want) << x << "," << y;
        }
}

TEST(CairoFarCoordinates, HugePieShowsItsWedgeAndMatchesASmallerPie) {
    // Counter-clockwise from east to north around (32, 32): the upper right quadrant.
    const int32_t r = 2'000'000'000;
    TBitmap bmp(kSize, kSize);
    bmp.Canvas().Pen().SetStyle(psClear);
    bmp.Canvas().Brush().SetColor(clBlack);
    bmp.Canvas().Pie(32 - r, 32 - r, 32 + r, 32 + r, 64, 32, 32, 0);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            ASSERT_EQ(Painted(bmp, x, y), x >= 32 && y < 32) << x << "," << y;

    // With a pen and a slanted radial: the arc of a radius-100 pie is already off the
    // surface, so the two pies look alike.
    for (const bool antialias : {false, true}) {
        TBitmap actual(kSize, kSize), expected(kSize, kSize);
        SetUpPens(actual.Canvas(), antialias, 2);
        SetUpPens(expected.Canvas(), antialias, 2);
        actual.Canvas().Pie(32 - r, 32 - r, 32 + r, 32 + r, 60, 20, 10, 0);
        expected.Canvas().Pie(-68, -68, 132, 132, 60, 20, 10, 0);
        ExpectSamePixels(actual, expected, antialias ? 24 : 0);
    }
}

TEST(CairoFarCoordinates, HugeChordCutsItsCapAtTheExactChordLine) {
    // A circle of radius 1e9 with its top on row 20; the radials through (32 +- 2, cy -
    // 10000) meet it where the chord is the horizontal line at cy - r * 10000 / hypot(2,
    // 10000), about y = 40: the cap between covers rows 20..39.
    const int32_t r = 1'000'000'000;
    const int32_t cy = 20 + r;
    const double chordY = cy - r * (10000 / std::hypot(2.0, 10000.0));
    TBitmap bmp(kSize, kSize);
    bmp.Canvas().Pen().SetStyle(psClear);
    bmp.Canvas().Brush().SetColor(clBlack);
    bmp.Canvas().Chord(32 - r, 20, 32 + r, 20 + 2 * r, 34, cy - 10000, 30, cy - 10000);
    for (int y = 0; y < kSize; ++y) {
        const double centre = y + 0.5;
        if (std::abs(centre - chordY) < 0.05) continue;
        for (int x = 0; x < kSize; ++x)
            ASSERT_EQ(Painted(bmp, x, y), centre > 20 && centre < chordY) << x << "," << y;
    }
}

TEST(CairoFarCoordinates, AntialiasedFarWedgeKeepsItsSlantedSides) {
    // The anti-aliased rasteriser mishandles very long edges, so the far reach must keep
    // clipped edges short: a wedge from (32, 32) reaching a million pixels out looks like
    // the same wedge reaching a hundred.
    const auto wedge = [](double Scale) {
        return std::vector<std::vector<TPointD>>{
            {{32, 32}, {32 - 22 * Scale, 32 - 32 * Scale}, {32 + 28 * Scale, 32 - 12 * Scale}}};
    };
    TBitmap actual(kSize, kSize), expected(kSize, kSize);
    for (TBitmap* bmp : {&actual, &expected}) {
        bmp->Canvas().SetAntialias(true);
        bmp->Canvas().Pen().SetStyle(psClear);
        bmp->Canvas().Brush().SetColor(clBlack);
    }
    actual.Canvas().PolyPolygonF(wedge(1e6));
    expected.Canvas().PolyPolygonF(wedge(100));
    ExpectSamePixels(actual, expected, 2);
}
