// SPDX-License-Identifier: MIT
// PointInPathArea: the hit test of what FillPathArea paints, all figures as one area under
// the path's fill mode. Checked against brute-force winding numbers over the figures that
// FillPathArea hands the canvas.
#include "support/AreaOracle.h"

#include "kwgfx/geometry/KwIntersections.h"
#include "kwgfx/path/KwPathAreaFill.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace kw;
using test::AreaFigures;
using test::TFiguresD;

namespace {

bool Filled(int Winding, TKwFillMode Mode) {
    return Mode == fmNonZero ? Winding != 0 : (Winding & 1) != 0;
}

// Figures of lines and curves, some open, some closed, some crossing each other.
std::string RandomPathText(std::mt19937& Rng) {
    std::uniform_real_distribution<float> c(0, 100);
    std::uniform_int_distribution<int> kind(0, 9);
    std::string s;
    const auto point = [&] { return std::to_string(c(Rng)) + " " + std::to_string(c(Rng)) + " "; };
    for (int figure = 0; figure < 4; ++figure) {
        s += "M" + point();
        for (int i = 0; i < 5; ++i)
            s += kind(Rng) < 5 ? "L" + point() : "C" + point() + point() + point();
        if (kind(Rng) < 6) s += "Z";
    }
    return s;
}

} // namespace

// Holes under both rules: a ring of two circles drawn the same way round is a hole only
// under even-odd, one drawn the other way round is a hole under both; PointInPath, which
// tests figures one by one, sees no hole at all.
TEST(PathAreaHit, HolesFollowTheFillMode) {
    struct TCase {
        const char* Text;
        TKwFillMode Mode;
        float X, Y;
        bool Inside;
    };
    const char* same = "M0 50A50 50 0 1 1 100 50A50 50 0 1 1 0 50Z"
                       "M30 50A20 20 0 1 1 70 50A20 20 0 1 1 30 50Z";
    const char* opposite = "M0 50A50 50 0 1 1 100 50A50 50 0 1 1 0 50Z"
                           "M30 50A20 20 0 1 0 70 50A20 20 0 1 0 30 50Z";
    const TCase cases[] = {
        {same, fmNonZero, 50, 50, true},
        {same, fmEvenOdd, 50, 50, false},
        {same, fmNonZero, 10, 50, true},
        {same, fmEvenOdd, 10, 50, true},
        {opposite, fmNonZero, 50, 50, false},
        {opposite, fmEvenOdd, 50, 50, false},
        {opposite, fmNonZero, 90, 50, true},
        {same, fmNonZero, 99.5f, 99.5f, false},
        // An open figure is closed for filling: the triangle below its missing side.
        {"M0 0L100 0L100 100", fmEvenOdd, 90, 50, true},
        {"M0 0L100 0L100 100", fmEvenOdd, 10, 50, false},
    };
    for (const TCase& c : cases) {
        TKwPathData path;
        ASSERT_TRUE(path.SetSvgPathString(c.Text));
        path.SetFillMode(c.Mode);
        EXPECT_EQ(path.PointInPathArea(c.X, c.Y), c.Inside)
            << c.Text << " at " << c.X << "," << c.Y << " mode " << int(c.Mode);
    }
    TKwPathData ring;
    ring.SetSvgPathString(opposite);
    EXPECT_TRUE(ring.PointInPath(50, 50));
    EXPECT_FALSE(ring.PointInPathArea(50, 50));
}

// Random paths of crossing figures: the answer is the brute-force winding number over the
// figures FillPathArea hands the canvas, under both rules; under even-odd it is also the
// parity of PointInPath over those figures one by one.
TEST(PathAreaHit, AgreesWithTheWindingOfTheFilledFigures) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> q(-5, 105);
    for (int round = 0; round < 40; ++round) {
        TKwPathData path;
        path.SetSvgPathString(RandomPathText(rng));
        const auto edges = test::EdgesFor(AreaFigures(path, std::nullopt), -1e9, -1e9, 1e9);
        const TKwPolygons polygons = path.ToPolygons();
        for (int i = 0; i < 500; ++i) {
            const float x = q(rng), y = q(rng);
            const int winding = test::WindingAt(edges, x, y);
            for (TKwFillMode mode : {fmEvenOdd, fmNonZero}) {
                path.SetFillMode(mode);
                ASSERT_EQ(path.PointInPathArea(x, y), Filled(winding, mode))
                    << path.GetSvgPathString() << " at " << x << "," << y;
            }
            bool parity = false;
            for (const TKwPoints& p : polygons) parity ^= PointInPath(p, x, y);
            EXPECT_EQ(parity, Filled(winding, fmEvenOdd));
        }
    }
}

// Curves at the sample cap and past the budget stay curves in the index; the answers still
// agree with what FillPathArea fills on a canvas that shows the region around the queries.
TEST(PathAreaHit, HugeCurvesAgreeWithTheBoundedFill) {
    std::mt19937 rng(9);
    std::uniform_real_distribution<float> far(-2e7f, 2e7f), above(-2e7f, -1e7f);
    TKwPathData path;
    path.BeginUpdate();
    for (int i = 0; i < 60; ++i) {
        // From far above the picture to far below it, so that every row crosses the curve;
        // then back through the picture.
        path.MoveTo({far(rng), above(rng)});
        path.CurveTo({far(rng), far(rng)}, {far(rng), far(rng)}, {far(rng), -above(rng)});
        path.LineTo({float(i * 4), 100});
        path.ClosePath();
    }
    // Curves through (128, 128), symmetric about it, whose pieces near the picture need
    // cutting many times before they are within the tolerance of their chords.
    std::uniform_real_distribution<float> size(1e6f, 1e7f);
    for (int i = 0; i < 12; ++i) {
        const float a = size(rng), b = size(rng), c = size(rng), d = -size(rng);
        path.MoveTo({128 - a, 128 - b});
        path.CurveTo({128 + c, 128 + d}, {128 - c, 128 - d}, {128 + a, 128 + b});
        path.LineTo({128 + a, 128 - b});
        path.ClosePath();
    }
    path.EndUpdate();
    const TFiguresD bounded = AreaFigures(path, platform::TRect{0, 0, 256, 256});
    const std::vector<bool> near = test::NearEdges(bounded, 256, 256, 1.0);
    const auto edges = test::EdgesFor(bounded, 0, 0, 255);
    for (TKwFillMode mode : {fmEvenOdd, fmNonZero}) {
        path.SetFillMode(mode);
        int checked = 0, inside = 0;
        for (int y = 0; y < 256; y += 3)
            for (int x = 0; x < 256; x += 3) {
                if (near[size_t(y) * 256 + x]) continue;
                ++checked;
                const bool filled = Filled(test::WindingAt(edges, x, y), mode);
                inside += filled;
                ASSERT_EQ(path.PointInPathArea(float(x), float(y)), filled) << x << "," << y;
            }
        EXPECT_GT(checked, 3500);
        // Even-odd leaves both inside and outside to check (non-zero fills nearly all).
        if (mode == fmEvenOdd) {
            EXPECT_GT(inside, 100);
            EXPECT_LT(inside, checked - 100);
        }
    }
}

// The index is rebuilt after every change, also inside an update bracket; the fill mode is
// read at each query.
TEST(PathAreaHit, FollowsChangesOfThePath) {
    TKwPathData path;
    path.SetSvgPathString("M0 0H10V10H0Z");
    EXPECT_TRUE(path.PointInPathArea(5, 5));
    EXPECT_FALSE(path.PointInPathArea(25, 5));
    path.Translate(20, 0);
    EXPECT_FALSE(path.PointInPathArea(5, 5));
    EXPECT_TRUE(path.PointInPathArea(25, 5));
    path.BeginUpdate();
    path.MoveTo({22, 2});
    path.LineTo({28, 2});
    path.LineTo({28, 8});
    path.LineTo({22, 8});
    path.ClosePath();
    EXPECT_FALSE(path.PointInPathArea(25, 5)); // a hole under even-odd
    path.SetFillMode(fmNonZero);
    path.EndUpdate();
    EXPECT_TRUE(path.PointInPathArea(25, 5)); // both squares run the same way round
    path.Clear();
    EXPECT_FALSE(path.PointInPathArea(25, 5));
}

// A figure with a point that is not finite has no shape on the canvas, and none here: a
// square round everything that overflows when scaled would otherwise make the small square
// a hole and the rest of the plane inside.
TEST(PathAreaHit, FiguresThatAreNotFiniteAreLeftOut) {
    TKwPathData path;
    path.SetSvgPathString("M0 0H10V10H0Z M-1e30 -1e30H1e30V1e30H-1e30Z");
    path.Scale(1e10f, 1e10f);
    path.Scale(1e-10f, 1e-10f);
    ASSERT_EQ(AreaFigures(path, std::nullopt).size(), 2u); // the canvas drops it itself
    EXPECT_TRUE(path.PointInPathArea(5, 5));
    EXPECT_FALSE(path.PointInPathArea(50, 50));
}
