// SPDX-License-Identifier: MIT
// Raster conventions of the Cairo canvas: which pixels shapes, lines and pictures cover.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/platform/base/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>

using namespace kw::platform;

namespace {

// The set of columns in row Y that have colour C, as a compact string "a..b" per run.
std::string RunsOf(const TBitmap& B, int Y, TColor C) {
    std::string out;
    int start = -1;
    for (int x = 0; x <= B.Width(); ++x) {
        const bool hit = x < B.Width() && B.GetPixel(x, Y) == C;
        if (hit && start < 0) start = x;
        if (!hit && start >= 0) {
            if (!out.empty()) out += ' ';
            out += std::to_string(start) + ".." + std::to_string(x - 1);
            start = -1;
        }
    }
    return out;
}

std::string ColumnRunsOf(const TBitmap& B, int X, TColor C) {
    std::string out;
    int start = -1;
    for (int y = 0; y <= B.Height(); ++y) {
        const bool hit = y < B.Height() && B.GetPixel(X, y) == C;
        if (hit && start < 0) start = y;
        if (!hit && start >= 0) {
            if (!out.empty()) out += ' ';
            out += std::to_string(start) + ".." + std::to_string(y - 1);
            start = -1;
        }
    }
    return out;
}

std::set<TColor> ColoursIn(const TBitmap& B) {
    std::set<TColor> colours;
    for (int y = 0; y < B.Height(); ++y)
        for (int x = 0; x < B.Width(); ++x) colours.insert(B.GetPixel(x, y));
    return colours;
}

} // namespace

TEST(CairoShapes, RectangleCoversBoxWithOutlineInside) {
    TBitmap b(20, 20);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clYellow);
    c.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(RunsOf(b, 0, clBlack), "0..9");
    EXPECT_EQ(RunsOf(b, 9, clBlack), "0..9");
    EXPECT_EQ(RunsOf(b, 5, clBlack), "0..0 9..9");
    EXPECT_EQ(RunsOf(b, 5, clYellow), "1..8");
    EXPECT_EQ(ColumnRunsOf(b, 0, clBlack), "0..9");
    EXPECT_EQ(b.GetPixel(10, 10), clWhite);

    // A wider pen stays inside the box too; an inverted box means the same box.
    TBitmap w(30, 30);
    w.Canvas().Brush().SetColor(clYellow);
    w.Canvas().Pen().SetWidth(3);
    w.Canvas().Rectangle(20, 20, 0, 0);
    EXPECT_EQ(RunsOf(w, 10, clBlack), "0..2 17..19");
    EXPECT_EQ(RunsOf(w, 10, clYellow), "3..16");
    EXPECT_EQ(ColumnRunsOf(w, 10, clBlack), "0..2 17..19");

    // A box smaller than two pen widths is all outline.
    TBitmap s(10, 10);
    s.Canvas().Pen().SetWidth(4);
    s.Canvas().Rectangle(1, 1, 6, 6);
    EXPECT_EQ(RunsOf(s, 3, clBlack), "1..5");
}

TEST(CairoShapes, ClearStylesDrawNothingOfTheirKind) {
    TBitmap b(30, 12);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clLime);
    c.FillRect({0, 0, 30, 12});

    c.Brush().SetStyle(bsClear);
    c.Rectangle(0, 0, 10, 10); // outline only
    EXPECT_EQ(RunsOf(b, 5, clBlack), "0..0 9..9");
    EXPECT_EQ(RunsOf(b, 5, clLime).substr(0, 5), "1..8 ");
    c.FillRect({0, 0, 30, 12}); // nothing at all
    EXPECT_EQ(b.GetPixel(20, 5), clLime);

    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clRed);
    c.Pen().SetStyle(psClear);
    c.Rectangle(12, 0, 22, 10); // fill only, the whole box
    EXPECT_EQ(RunsOf(b, 0, clRed), "12..21");
    EXPECT_EQ(RunsOf(b, 5, clBlack), "0..0 9..9");
    c.Ellipse(22, 0, 30, 8);
    EXPECT_EQ(ColoursIn(b).count(clBlack), 1u);
}

TEST(CairoShapes, FillRectUsesTheBrushOnly) {
    TBitmap b(12, 12);
    TCanvas& c = b.Canvas();
    c.Pen().SetColor(clRed);
    c.Pen().SetWidth(2);
    c.Brush().SetColor(clBlue);
    c.FillRect({2, 2, 8, 8});
    EXPECT_EQ(RunsOf(b, 2, clBlue), "2..7");
    EXPECT_EQ(RunsOf(b, 7, clBlue), "2..7");
    EXPECT_EQ(ColumnRunsOf(b, 5, clBlue), "2..7");
    EXPECT_EQ(ColoursIn(b), (std::set<TColor>{clWhite, clBlue}));
    EXPECT_EQ(c.Pen().Color(), clRed);
    EXPECT_EQ(c.Pen().Width(), 2);
}

TEST(CairoShapes, PolygonFillsEvenOddAndCoversItsVertices) {
    TBitmap b(60, 60);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clRed);
    c.Pen().SetStyle(psClear);
    // A five-pointed star drawn as one self-crossing outline: the pentagon in the middle
    // is crossed twice and stays empty.
    const TPoint star[] = {{30, 2}, {47, 55}, {2, 22}, {58, 22}, {13, 55}};
    c.Polygon(star);
    EXPECT_EQ(b.GetPixel(30, 32), clWhite);
    EXPECT_EQ(b.GetPixel(30, 10), clRed); // top tip
    EXPECT_EQ(b.GetPixel(10, 23), clRed); // left tip
    EXPECT_EQ(b.GetPixel(45, 50), clRed); // lower right tip

    TBitmap q(12, 12);
    q.Canvas().Brush().SetColor(clRed);
    const TPoint square[] = {{0, 0}, {9, 0}, {9, 9}, {0, 9}};
    q.Canvas().Polygon(square);
    EXPECT_EQ(RunsOf(q, 0, clBlack), "0..9");
    EXPECT_EQ(RunsOf(q, 5, clBlack), "0..0 9..9");
    EXPECT_EQ(RunsOf(q, 5, clRed), "1..8");
    EXPECT_EQ(q.GetPixel(10, 5), clWhite);
}

TEST(CairoShapes, LinesLeaveOutTheirLastPixelAndMoveThePen) {
    TBitmap b(20, 20);
    TCanvas& c = b.Canvas();
    c.MoveTo(0, 5);
    c.LineTo(10, 5);
    EXPECT_EQ(RunsOf(b, 5, clBlack), "0..9");
    EXPECT_EQ(c.PenPos(), TPoint(10, 5));
    c.LineTo(10, 15);
    EXPECT_EQ(ColumnRunsOf(b, 10, clBlack), "5..14");

    const TPoint zigzag[] = {{0, 18}, {5, 18}, {5, 12}};
    c.Polyline(zigzag);
    EXPECT_EQ(RunsOf(b, 18, clBlack), "0..5");
    EXPECT_EQ(ColumnRunsOf(b, 5, clBlack), "5..5 13..18");

    c.Pen().SetStyle(psClear);
    c.LineTo(19, 0);
    EXPECT_EQ(b.GetPixel(15, 7), clWhite);
}

TEST(CairoShapes, DottedPenAlternates) {
    TBitmap b(20, 3);
    TCanvas& c = b.Canvas();
    c.Pen().SetStyle(psDot);
    c.MoveTo(0, 1);
    c.LineTo(20, 1);
    EXPECT_EQ(RunsOf(b, 1, clBlack), "0..2 6..8 12..14 18..19");
}

TEST(CairoShapes, EllipseStaysInItsBox) {
    TBitmap b(30, 20);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clYellow);
    c.Ellipse(0, 0, 20, 10);
    EXPECT_EQ(b.GetPixel(0, 5), clBlack);
    EXPECT_EQ(b.GetPixel(19, 5), clBlack);
    EXPECT_EQ(b.GetPixel(20, 5), clWhite);
    EXPECT_EQ(b.GetPixel(10, 0), clBlack);
    EXPECT_EQ(b.GetPixel(10, 9), clBlack);
    EXPECT_EQ(b.GetPixel(10, 10), clWhite);
    EXPECT_EQ(b.GetPixel(0, 0), clWhite);
    EXPECT_EQ(b.GetPixel(10, 5), clYellow);

    TBitmap r(30, 30);
    r.Canvas().Brush().SetColor(clYellow);
    r.Canvas().RoundRect(0, 0, 30, 30, 10, 10);
    EXPECT_EQ(r.GetPixel(0, 0), clWhite); // corner cut off
    EXPECT_EQ(r.GetPixel(0, 15), clBlack);
    EXPECT_EQ(r.GetPixel(29, 15), clBlack);
    EXPECT_EQ(r.GetPixel(15, 15), clYellow);
}

TEST(CairoShapes, PieAndChordRunCounterClockwiseFromStartToEnd) {
    auto pie = [](TPoint Start, TPoint End) {
        auto b = std::make_unique<TBitmap>(41, 41);
        b->Canvas().Brush().SetColor(clRed);
        b->Canvas().Pie(0, 0, 40, 40, Start.X, Start.Y, End.X, End.Y);
        return b;
    };
    // From the right radial to the top one: the upper right quarter only.
    auto quarter = pie({40, 20}, {20, 0});
    EXPECT_EQ(quarter->GetPixel(30, 10), clRed);
    EXPECT_EQ(quarter->GetPixel(10, 10), clWhite);
    EXPECT_EQ(quarter->GetPixel(10, 30), clWhite);
    EXPECT_EQ(quarter->GetPixel(30, 30), clWhite);
    // The same radials the other way round: three quarters.
    auto threeQuarters = pie({20, 0}, {40, 20});
    EXPECT_EQ(threeQuarters->GetPixel(30, 10), clWhite);
    EXPECT_EQ(threeQuarters->GetPixel(10, 10), clRed);
    EXPECT_EQ(threeQuarters->GetPixel(10, 30), clRed);
    EXPECT_EQ(threeQuarters->GetPixel(30, 30), clRed);
    // Radial points far outside the box give the same angles.
    auto far = pie({400, 20}, {20, -300});
    EXPECT_EQ(far->GetPixel(30, 10), clRed);
    EXPECT_EQ(far->GetPixel(10, 30), clWhite);
    // Equal radials: the whole ellipse.
    auto whole = pie({40, 20}, {40, 20});
    EXPECT_EQ(whole->GetPixel(10, 10), clRed);
    EXPECT_EQ(whole->GetPixel(30, 30), clRed);

    // A chord from the right to the left radial is the upper half.
    TBitmap chord(41, 41);
    chord.Canvas().Brush().SetColor(clRed);
    chord.Canvas().Chord(0, 0, 40, 40, 40, 20, 0, 20);
    EXPECT_EQ(chord.GetPixel(20, 8), clRed);
    EXPECT_EQ(chord.GetPixel(20, 32), clWhite);
    // From the top to the left radial: the upper left segment, cut by the straight chord.
    TBitmap segment(41, 41);
    segment.Canvas().Brush().SetColor(clRed);
    segment.Canvas().Chord(0, 0, 40, 40, 20, 0, 0, 20);
    EXPECT_EQ(segment.GetPixel(5, 10), clRed);
    EXPECT_EQ(segment.GetPixel(15, 15), clWhite); // beyond the chord
    EXPECT_EQ(segment.GetPixel(30, 10), clWhite);
}

TEST(CairoShapes, AntialiasingIsAnOption) {
    auto draw = [](bool Antialias) {
        auto b = std::make_unique<TBitmap>(40, 40);
        b->Canvas().SetAntialias(Antialias);
        b->Canvas().Brush().SetColor(clYellow);
        b->Canvas().Ellipse(3, 3, 37, 30);
        const TPoint slope[] = {{0, 39}, {39, 31}};
        b->Canvas().Polyline(slope);
        return b;
    };
    EXPECT_EQ(ColoursIn(*draw(false)), (std::set<TColor>{clWhite, clBlack, clYellow}));
    EXPECT_GT(ColoursIn(*draw(true)).size(), 3u);
}

TEST(CairoShapes, HatchBrushLeavesGapsBetweenLines) {
    TBitmap b(16, 16);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clBlue);
    c.Brush().SetStyle(bsHorizontal);
    c.FillRect({0, 0, 16, 16});
    EXPECT_EQ(RunsOf(b, 7, clBlue), "0..15");
    EXPECT_EQ(RunsOf(b, 15, clBlue), "0..15");
    EXPECT_EQ(RunsOf(b, 3, clBlue), "");
}

TEST(CairoPictures, DrawAndStretchDrawCopyPixels) {
    TBitmap src(4, 4);
    src.Canvas().Brush().SetColor(clRed);
    src.Canvas().FillRect({0, 0, 4, 4});
    src.Canvas().Brush().SetColor(clBlue);
    src.Canvas().FillRect({0, 0, 1, 1});

    TBitmap dst(20, 20);
    dst.Canvas().Draw(10, 10, src);
    EXPECT_EQ(dst.GetPixel(10, 10), clBlue);
    EXPECT_EQ(dst.GetPixel(13, 13), clRed);
    EXPECT_EQ(dst.GetPixel(14, 14), clWhite);
    EXPECT_EQ(dst.GetPixel(9, 9), clWhite);

    dst.Canvas().StretchDraw({0, 0, 8, 8}, src);
    EXPECT_EQ(RunsOf(dst, 0, clBlue), "0..1");
    EXPECT_EQ(RunsOf(dst, 0, clRed), "2..7");
    EXPECT_EQ(RunsOf(dst, 7, clRed), "0..7");
    EXPECT_EQ(dst.GetPixel(8, 8), clWhite);

    // Drawing a bitmap onto its own canvas reads the pixels from before the call.
    src.Canvas().Draw(1, 1, src);
    EXPECT_EQ(src.GetPixel(1, 1), clBlue);
    EXPECT_EQ(src.GetPixel(2, 2), clRed);
}

TEST(CairoPictures, GradientFillShadesTrianglesBetweenVertexColours) {
    TBitmap b(30, 30);
    const TTriVertex v[] = {{0, 0, 0xFF00, 0, 0, 0},
                            {20, 0, 0xFF00, 0, 0, 0},
                            {20, 20, 0, 0, 0xFF00, 0},
                            {0, 20, 0, 0, 0xFF00, 0}};
    const TGradientTriangle t[] = {{0, 1, 3}, {1, 2, 3}};
    ASSERT_TRUE(b.Canvas().GradientFill(v, t));
    const TRGBA top = b.GetPixelRGBA(10, 0), bottom = b.GetPixelRGBA(10, 19);
    const TRGBA middle = b.GetPixelRGBA(10, 10);
    EXPECT_GT(top.R, 230);
    EXPECT_LT(top.B, 25);
    EXPECT_GT(bottom.B, 230);
    EXPECT_NEAR(middle.R, 128, 12);
    EXPECT_NEAR(middle.B, 128, 12);
    EXPECT_EQ(b.GetPixel(20, 10), clWhite);
    EXPECT_EQ(b.GetPixel(10, 20), clWhite);

    const TGradientTriangle bad[] = {{0, 1, 4}};
    EXPECT_FALSE(b.Canvas().GradientFill(v, bad));
}

TEST(CairoBitmap, PngRoundTripAndFileErrors) {
    TBitmap b(7, 5);
    b.Canvas().Brush().SetColor(0x123456);
    b.Canvas().FillRect({1, 1, 3, 4});
    const std::string file = ::testing::TempDir() + "kwgfx_roundtrip.png";
    b.SaveToFile(file);

    TBitmap loaded;
    loaded.LoadFromFile(file);
    ASSERT_EQ(loaded.Width(), 7);
    ASSERT_EQ(loaded.Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(loaded.GetPixel(x, y), b.GetPixel(x, y));
    EXPECT_EQ(loaded.GetPixelRGBA(2, 2), (TRGBA{0x56, 0x34, 0x12, 0xFF}));
    EXPECT_EQ(loaded.GetPixel(7, 0), -1);

    EXPECT_THROW(loaded.LoadFromFile(file + ".missing"), EFOpenError);
    const std::string notPng = ::testing::TempDir() + "kwgfx_not_a_png.png";
    if (std::FILE* f = std::fopen(notPng.c_str(), "wb")) {
        std::fputs("not a png", f);
        std::fclose(f);
    }
    EXPECT_THROW(loaded.LoadFromFile(notPng), EReadError);
    EXPECT_EQ(loaded.Width(), 7); // unchanged after the failure
    EXPECT_THROW(b.SaveToFile("/nonexistent-dir/x.png"), EStreamError);
    std::remove(file.c_str());
    std::remove(notPng.c_str());
}

TEST(CairoBitmap, ResizeKeepsCanvasStateAndWhitensPixels) {
    TBitmap b(4, 4);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect({0, 0, 4, 4});
    b.SetSize(6, 3);
    EXPECT_EQ(b.Width(), 6);
    EXPECT_EQ(b.Height(), 3);
    EXPECT_EQ(b.GetPixel(0, 0), clWhite);
    b.Canvas().FillRect({0, 0, 1, 1});
    EXPECT_EQ(b.GetPixel(0, 0), clRed);

    TBitmap copy;
    copy.Assign(b);
    EXPECT_EQ(copy.Width(), 6);
    EXPECT_EQ(copy.GetPixel(0, 0), clRed);
    b.SetSize(-5, 2);
    EXPECT_EQ(b.Width(), 0);
    EXPECT_TRUE(b.Empty());
}
