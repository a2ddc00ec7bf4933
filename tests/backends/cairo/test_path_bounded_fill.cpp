// SPDX-License-Identifier: MIT
// Bounded filling and stroking on the raster canvas: geometry far outside the bitmap leaves
// its pixels as drawing every sample would, and hostile path texts of 1 MB render in
// bounded memory.
#include "support/AreaOracle.h"
#include "support/HostilePathText.h"
#include "support/PeakMemory.h"

#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/path/KwPathAreaFill.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwSvgFill.h"
#include "kwgfx/platform/graphics/Colors.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace kw;

namespace {

constexpr int Size = 128;

// Fills Path as one area in navy (PenWidth 0), or outlines it by DrawPath with a red pen of
// that width.
void Paint(platform::TCanvas& Canvas, const TKwPathData& Path, int32_t PenWidth) {
    if (PenWidth == 0) {
        Canvas.Pen().SetStyle(platform::psClear);
        Canvas.Brush().SetColor(platform::clNavy);
        FillPathArea(Canvas, Path);
        return;
    }
    Canvas.Pen().SetStyle(platform::psSolid);
    Canvas.Pen().SetColor(platform::clRed);
    Canvas.Pen().SetWidth(PenWidth);
    Path.DrawPath(Canvas, 1);
}

// Curves far outside (coordinates up to 6e4, where every sample is still within the
// tolerance) mixed with curves through the picture.
void MakeMixedPath(TKwPathData& Path, std::mt19937& Rng) {
    std::uniform_real_distribution<float> far(-60000, 60000), near(-100, Size + 100);
    TKwPathData& path = Path;
    path.BeginUpdate();
    for (int figure = 0; figure < 6; ++figure) {
        auto& c = figure % 2 ? far : near;
        path.MoveTo({c(Rng), c(Rng)});
        for (int i = 0; i < 4; ++i)
            path.CurveTo({far(Rng), far(Rng)}, {c(Rng), c(Rng)}, {near(Rng), near(Rng)});
        if (figure % 3 == 0) path.ClosePath();
    }
    path.EndUpdate();
}

} // namespace

// The fill paints exactly the pixels whose centres the figures of every sample wind round
// (under the path's rule), but for centres within a pixel of an edge: two flattenings within
// a tenth of the curve may disagree there, and the rasteriser fills gaps narrower than a
// pixel.
TEST(CairoPathBoundedFill, FarGeometryFillsWhatTheCurvesEnclose) {
    std::mt19937 rng(21);
    for (int round = 0; round < 12; ++round) {
        TKwPathData path;
        MakeMixedPath(path, rng);
        path.SetFillMode(round % 2 ? fmNonZero : fmEvenOdd);
        platform::TBitmap picture(Size, Size);
        Paint(picture.Canvas(), path, 0);
        platform::TRecordingCanvas recorder;
        Paint(recorder, path, 0);
        const test::TFiguresD figures = test::FiguresOf(recorder.Calls());
        const std::vector<bool> near = test::NearEdges(figures, Size, Size, 1.0);
        const auto edges = test::EdgesFor(figures, 0, 0, Size - 1);
        int painted = 0;
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x) {
                const bool filled = picture.GetPixel(x, y) == platform::clNavy;
                painted += filled;
                if (near[size_t(y) * Size + x]) continue;
                const int winding = test::WindingAt(edges, x, y);
                ASSERT_EQ(filled, path.FillMode() == fmNonZero ? winding != 0 : (winding & 1) != 0)
                    << "pixel " << x << "," << y << " round " << round;
            }
        EXPECT_GT(painted, Size * Size / 20) << "round " << round;
        EXPECT_LT(painted, Size * Size * 19 / 20) << "round " << round;
    }
}

// The outline differs from the one drawn through every sample only within the pen's reach
// of that one.
TEST(CairoPathBoundedFill, FarGeometryOutlinesAsBefore) {
    std::mt19937 rng(22);
    for (int round = 0; round < 12; ++round) {
        TKwPathData path;
        MakeMixedPath(path, rng);
        const int32_t pen = 1 + round % 3;
        platform::TBitmap bounded(Size, Size);
        Paint(bounded.Canvas(), path, pen);
        platform::TRecordingCanvas recorder;
        Paint(recorder, path, pen);
        platform::TBitmap reference(Size, Size);
        test::TFiguresD outline;
        for (const platform::TCanvasCall& call : recorder.Calls()) {
            ASSERT_EQ(call.Name, "Polyline");
            reference.Canvas().SetPen(platform::TPen());
            reference.Canvas().Pen().SetColor(call.Pen.Color);
            reference.Canvas().Pen().SetWidth(call.Pen.Width);
            reference.Canvas().Polyline(call.Points);
            for (size_t i = 0; i + 1 < call.Points.size(); ++i)
                outline.push_back({{double(call.Points[i].X), double(call.Points[i].Y)},
                                   {double(call.Points[i + 1].X), double(call.Points[i + 1].Y)}});
        }
        const std::vector<bool> nearOutline = test::NearEdges(outline, Size, Size, pen / 2.0 + 1.5);
        int painted = 0;
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x) {
                const platform::TColor a = bounded.GetPixel(x, y), b = reference.GetPixel(x, y);
                painted += b != platform::clWhite;
                if (a == b) continue;
                EXPECT_TRUE(nearOutline[size_t(y) * Size + x])
                    << "pixel " << x << "," << y << " round " << round;
            }
        EXPECT_GT(painted, Size * 2) << "round " << round;
    }
}

// A huge curve whose apex passes five pixels left of the bitmap: its outline stays out of
// sight, but a pen ten pixels wide reaches in, as far as it would along a straight line.
TEST(CairoPathBoundedFill, PensReachInFromCurvesJustOutside) {
    // x(1/2) = (P0 + 3 P1 + 3 P2 + P3) / 8 = -5 at y = 64.
    const float c = (-40.0f + 2e6f) / 6;
    TKwPathData path;
    path.MoveTo({-1e6f, -1e6f + 64});
    path.CurveTo({c, 64}, {c, 64}, {-1e6f, 1e6f + 64});
    for (const int32_t width : {1, 10, 16}) {
        platform::TBitmap picture(Size, Size);
        Paint(picture.Canvas(), path, width);
        // The pen's right edge lies at x = -5 + width / 2 in path units; pixel x's centre is x.
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(picture.GetPixel(x, 64) == platform::clRed, x < -5 + width / 2.0 - 0.5)
                << "pen " << width << " pixel " << x;
    }
}

// The meter the bounds below rely on sees memory taken after it started, whatever the
// process held before.
TEST(CairoPathBoundedFill, PeakMemoryMeterSeesWhatWorkTakes) {
#if !defined(__SANITIZE_ADDRESS__)
    const kwtest::TPeakMemory memory;
    std::vector<char> block(std::size_t(64) << 20);
    for (std::size_t i = 0; i < block.size(); i += 4096) block[i] = char(i);
    EXPECT_GE(memory.GrowthKb(), 60 * 1024) << "touched " << int(block[4096]) << " pages";
#endif
}

// The hostile texts that drawing bounds: far curves, a giant curve, tiny curves, deeply
// nested figures, far lines, and curves tangled across the whole picture (filled and
// stroked through the coverage mask), each filled and outlined at 256 x 256 within 256 MB.
// (Their times are measured by the benchmark hostile_paths_cairo.)
TEST(CairoPathBoundedFill, HostileTextsRenderInBoundedMemory) {
    const char* names[] = {"far-cubics", "one-giant-curve", "tiny-curves",  "nested-subpaths",
                           "far-lines",  "dense-visible",   "giant-cubics", "huge-arcs"};
    for (const char* name : names) {
        const auto& cases = kwbench::HostileCases();
        const auto it = std::find_if(cases.begin(), cases.end(),
                                     [&](const auto& C) { return std::string(C.Name) == name; });
        ASSERT_NE(it, cases.end()) << name;
        TKwPathData path;
        path.SetSvgPathString(it->Make());
        path.SetFillMode(fmNonZero);
        ASSERT_GT(path.Count(), 2) << name;
        const kwtest::TPeakMemory memory;
        platform::TBitmap picture(256, 256);
        Paint(picture.Canvas(), path, 0);
        Paint(picture.Canvas(), path, 1);
#if defined(__SANITIZE_ADDRESS__)
        // The sanitizer's shadow memory and quarantine make the peak meaningless.
#else
        EXPECT_LT(memory.GrowthKb(), 256 * 1024) << name << ": peak " << memory.GrowthKb() << " KB";
#endif
    }
}

// Every hostile text, as the program renders it (FillSvgPath, hard and smooth edges), at
// 256 x 256 within 256 MB: texts far outside sample only what can be seen, and texts whose
// edges tangle across the whole picture go through the coverage rasteriser.
TEST(CairoPathBoundedFill, HostileTextsFillAsSvgInBoundedMemory) {
    for (const auto& hostile : kwbench::HostileCases()) {
        TKwPathData path;
        path.SetSvgPathString(hostile.Make());
        ASSERT_GT(path.Count(), 0) << hostile.Name;
        const kwtest::TPeakMemory memory;
        for (const bool antialias : {false, true}) {
            platform::TBitmap picture(256, 256);
            TKwSvgFillOptions options;
            options.Antialias = antialias;
            FillSvgPath(picture.Canvas(), path, options);
        }
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_LT(memory.GrowthKb(), 256 * 1024)
            << hostile.Name << ": peak " << memory.GrowthKb() << " KB";
#endif
    }
}
