// SPDX-License-Identifier: MIT
// Drawing a path on a canvas that tells its clip box: geometry in view draws exactly as
// before, geometry out of view costs little and changes no winding number inside the box.
// The recording canvas plays a 256 x 256 raster canvas here (SetClipBox).
#include "support/AreaOracle.h"

#include "kwgfx/path/KwPathAreaFill.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace kw;
using platform::TPointD;
using platform::TRecordingCanvas;
using test::AreaFigures;
using test::TFiguresD;

namespace {

const platform::TRect Box{0, 0, 256, 256};

// The calls of FillPathArea, FillPath and DrawPath with the pen width given.
std::vector<platform::TCanvasCall> Draw(const TKwPathData& Path,
                                        std::optional<platform::TRect> Clip, int32_t PenWidth) {
    TRecordingCanvas canvas;
    canvas.SetClipBox(Clip);
    canvas.Pen().SetWidth(PenWidth);
    FillPathArea(canvas, Path);
    Path.FillPath(canvas, 1);
    Path.DrawPath(canvas, 1);
    return canvas.Calls();
}

void ExpectSameCalls(const std::vector<platform::TCanvasCall>& A,
                     const std::vector<platform::TCanvasCall>& B, const std::string& What) {
    ASSERT_EQ(A.size(), B.size()) << What;
    for (size_t i = 0; i < A.size(); ++i) {
        EXPECT_EQ(A[i].Name, B[i].Name) << What;
        EXPECT_EQ(A[i].Args, B[i].Args) << What << " call " << i;
        EXPECT_EQ(A[i].Points, B[i].Points) << What << " call " << i;
        EXPECT_EQ(A[i].PointsF, B[i].PointsF) << What << " call " << i;
    }
}

size_t PointCount(const TFiguresD& Figures) {
    size_t n = 0;
    for (const auto& f : Figures) n += f.size();
    return n;
}

std::string RandomCurves(std::mt19937& Rng, int Count, float Lo, float Hi) {
    std::uniform_real_distribution<float> c(Lo, Hi);
    std::string s;
    for (int i = 0; i < Count; ++i) {
        s += (i % 3 == 0 ? "M" : "C");
        const int numbers = i % 3 == 0 ? 2 : 6;
        for (int k = 0; k < numbers; ++k) s += std::to_string(c(Rng)) + " ";
        if (i % 5 == 4) s += "Z";
    }
    return s;
}

} // namespace

// Everything whose control points lie in the box or overhang it by less than its size is
// drawn exactly as on a canvas without a clip box, whatever the pen.
TEST(PathBoundedFill, GeometryNearTheBoxDrawsTheSameCalls) {
    const char* texts[] = {
        "M128 10C200 10 246 60 246 128S200 246 128 246 10 200 10 128 60 10 128 10Z",
        // curves overhanging every side by up to 200 pixels
        "M-200 -150C300 -200 456 100 400 300C350 456 -100 420 -180 200Z",
        "M0 0C256 0 256 256 0 256M20 20C-100 300 400 300 128 -100",
        "M50 50H200V200H50ZM80 80V170H170V80Z",
        "M10 10L300 300L-40 280",
    };
    for (const char* text : texts) {
        TKwPathData path;
        path.SetSvgPathString(text);
        for (TKwFillMode mode : {fmEvenOdd, fmNonZero}) {
            path.SetFillMode(mode);
            for (int32_t pen : {1, 7})
                ExpectSameCalls(Draw(path, Box, pen), Draw(path, std::nullopt, pen),
                                std::string(text) + " pen " + std::to_string(pen));
        }
    }
    std::mt19937 rng(7);
    for (int round = 0; round < 50; ++round) {
        TKwPathData path;
        path.SetSvgPathString(RandomCurves(rng, 12, -240, 490));
        ExpectSameCalls(Draw(path, Box, 1), Draw(path, std::nullopt, 1), path.GetSvgPathString());
    }
}

// A curve through the picture at ever larger scales: without a clip box it is sampled up to
// the cap, with one the points stay few, and the winding number at every pixel centre
// inside the box is what an accurate flattening of the curve gives.
TEST(PathBoundedFill, PointsGrowWithWhatIsSeenNotWithTheCoordinates) {
    for (const float scale : {1e2f, 1e4f, 1e7f, 1e15f, 1e30f, 3e38f / 3}) {
        TKwPathData path;
        path.MoveTo({-scale, -scale / 2});
        path.CurveTo({scale, -scale}, {-scale, scale}, {scale, scale / 3});
        path.MoveTo({30, 30});
        path.CurveTo({-scale, 30}, {-scale, 200}, {30, 200});
        const size_t bounded = PointCount(AreaFigures(path, Box));
        const size_t unbounded = PointCount(AreaFigures(path, std::nullopt));
        EXPECT_LE(bounded, 600u) << "scale " << scale;
        if (scale >= 1e7f) {
            EXPECT_GT(unbounded, 15000u) << "scale " << scale;
        }
    }
}

// Far curves, curves through the picture and curves near it, at coordinates where the
// unbounded samples are still within the tolerance: the winding number at every pixel
// centre more than half a pixel from an edge is the same with and without a clip box.
TEST(PathBoundedFill, WindingInsideTheBoxStaysTheSame) {
    std::mt19937 rng(11);
    for (int round = 0; round < 6; ++round) {
        TKwPathData path;
        std::string text = RandomCurves(rng, 40, -60000, 60000);
        text += RandomCurves(rng, 9, -300, 560);
        path.SetSvgPathString(text);
        path.SetFillMode(round % 2 ? fmNonZero : fmEvenOdd);
        const TFiguresD bounded = AreaFigures(path, Box);
        const TFiguresD reference = AreaFigures(path, std::nullopt);
        EXPECT_LT(PointCount(bounded), PointCount(reference) / 4) << text;
        const std::vector<bool> near = test::NearEdges(reference, 256, 256, 0.5);
        const auto boundedEdges = test::EdgesFor(bounded, 0, 0, 255);
        const auto referenceEdges = test::EdgesFor(reference, 0, 0, 255);
        int checked = 0;
        for (int y = 0; y < 256; y += 3)
            for (int x = 0; x < 256; x += 3) {
                if (near[size_t(y) * 256 + x]) continue;
                ++checked;
                ASSERT_EQ(test::WindingAt(boundedEdges, x, y),
                          test::WindingAt(referenceEdges, x, y))
                    << "at " << x << "," << y << " in " << text;
            }
        EXPECT_GT(checked, 5000);
    }
}

// 20,000 cubics with coordinates up to 1e7, almost all far outside: a few points each.
TEST(PathBoundedFill, FarCurvesBecomeChords) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> c(-10'000'000, 10'000'000);
    TKwPathData path;
    path.BeginUpdate();
    path.MoveTo({0, 0});
    for (int i = 0; i < 20000; ++i)
        path.CurveTo({float(c(rng)), float(c(rng))}, {float(c(rng)), float(c(rng))},
                     {float(c(rng)), float(c(rng))});
    path.EndUpdate();
    const TFiguresD figures = AreaFigures(path, Box);
    EXPECT_LT(PointCount(figures), size_t(4 * path.Count()));
    // The canvas of integer calls gets as few.
    TRecordingCanvas canvas;
    canvas.SetClipBox(Box);
    path.FillPath(canvas, 1);
    ASSERT_EQ(canvas.Calls().size(), 1u);
    EXPECT_LT(canvas.Calls()[0].Points.size(), size_t(4 * path.Count()));
}

// Shapes whose samples are not kept (a view that needs other samples) and kept ones alike
// follow the path's changes.
TEST(PathBoundedFill, KeptSamplesFollowChanges) {
    TKwPathData path;
    path.SetSvgPathString("M10 10C100 10 100 100 10 100Z");
    const TFiguresD before = AreaFigures(path, Box);
    path.Translate(5, 0);
    const TFiguresD moved = AreaFigures(path, Box);
    ASSERT_EQ(before.size(), moved.size());
    ASSERT_EQ(before[0].size(), moved[0].size());
    for (size_t i = 0; i < before[0].size(); ++i)
        EXPECT_FLOAT_EQ(float(moved[0][i].X), float(before[0][i].X + 5));
    // Inside an update bracket the entries change before any notification.
    path.BeginUpdate();
    path.LineTo({200, 200});
    EXPECT_EQ(AreaFigures(path, Box).back().back(), TPointD(200, 200));
    path.EndUpdate();
}
