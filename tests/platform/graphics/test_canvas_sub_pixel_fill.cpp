// SPDX-License-Identifier: MIT
// Sub-pixel polygon fills on the abstract canvas: what the recording canvas keeps, and the
// whole-pixel fallback of canvases that do not draw sub-pixel figures.
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

using namespace kw::platform;

namespace {

using TFiguresD = std::vector<std::vector<TPointD>>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A recording canvas that draws sub-pixel figures the way a whole-pixel canvas does.
class TWholePixelRecorder : public TRecordingCanvas {
protected:
    void DoPolyPolygonF(std::span<const std::vector<TPointD>> Polygons,
                        TPolyFillMode FillMode) override {
        TCanvas::DoPolyPolygonF(Polygons, FillMode);
    }
};

} // namespace

TEST(CanvasSubPixelFill, RecorderKeepsThePointsAsGivenAndPrintsThem) {
    TRecordingCanvas c;
    c.Brush().SetColor(clRed);
    const TFiguresD figures{{{0.25, 1}, {10.5, 1}, {10.5, -3.125}}, {}, {{kNaN, 2}, {kInf, 0}}};
    c.PolyPolygonF(figures, pfWinding);
    ASSERT_EQ(c.Names(), (std::vector<std::string>{"PolyPolygonF"}));
    const TCanvasCall& call = c.Calls()[0];
    EXPECT_EQ(call.Args, (std::vector<int32_t>{pfWinding, 3, 0, 2}));
    ASSERT_EQ(call.PointsF.size(), 5u);
    EXPECT_EQ(call.PointsF[2], TPointD(10.5, -3.125));
    EXPECT_TRUE(std::isnan(call.PointsF[3].X));
    EXPECT_TRUE(call.Points.empty());
    EXPECT_EQ(call.Brush.Color, clRed);
    EXPECT_EQ(call.ToString(), "PolyPolygonF(1, 3, 0, 2, [0.25,1 10.5,1 10.5,-3.125 nan,2 inf,0]) "
                               "pen{$00000000 psSolid 1} brush{$000000FF bsSolid}");
    // The default rule is even-odd, as for PolyPolygon; the pen position does not move.
    c.MoveTo(7, 8);
    c.PolyPolygonF(TFiguresD{{{1, 2}}});
    EXPECT_EQ(c.Calls().back().Args, (std::vector<int32_t>{pfAlternate, 1}));
    EXPECT_EQ(c.PenPos(), TPoint(7, 8));
}

TEST(CanvasSubPixelFill, WholePixelCanvasesRoundHalfToEvenAndSaturate) {
    TWholePixelRecorder c;
    const TFiguresD figures{
        {{0.5, 1.5}, {2.5, -0.5}, {-1.5, -2.5}, {3.4999, 3.5001}},
        {{1e300, -1e300}, {2147483647.6, -2147483648.7}, {2147483646.5, -2147483647.5}}};
    c.PolyPolygonF(figures, pfWinding);
    ASSERT_EQ(c.Names(), (std::vector<std::string>{"PolyPolygon"})) << c.ToString();
    const TCanvasCall& call = c.Calls()[0];
    EXPECT_EQ(call.Args, (std::vector<int32_t>{pfWinding, 4, 3}));
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(
        call.Points,
        (std::vector<TPoint>{
            {0, 2}, {2, 0}, {-2, -2}, {3, 4}, {kMax, kMin}, {kMax, kMin}, {2147483646, kMin}}));
}

TEST(CanvasSubPixelFill, WholePixelCanvasesLeaveOutFiguresThatAreNotFinite) {
    TWholePixelRecorder c;
    const TFiguresD figures{{{0, 0}, {kNaN, 1}, {2, 2}},
                            {{1, 1}, {4, 1}, {4, 4}},
                            {{0, kInf}, {1, 1}},
                            {{-kInf, 0}, {1, 1}},
                            {}};
    c.PolyPolygonF(figures, pfAlternate);
    ASSERT_EQ(c.Calls().size(), 1u);
    // Only the finite triangle and the empty figure are left; the empty one stays, as
    // PolyPolygon is given it.
    EXPECT_EQ(c.Calls()[0].Args, (std::vector<int32_t>{pfAlternate, 3, 0}));
    EXPECT_EQ(c.Calls()[0].Points, (std::vector<TPoint>{{1, 1}, {4, 1}, {4, 4}}));
}
