// SPDX-License-Identifier: MIT
// 3D frames: the bevel painters' nested frames, rounded shadows and chords.
#include "kwgfx/drawing/Frame3D.h"
#include "kwgfx/drawing/Shapes.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw;
using platform::TRecordingCanvas;

namespace {

using Pts = std::vector<TPoint>;
using Names = std::vector<std::string>;
using Args = std::vector<int32_t>;

constexpr TColor Shadow = ShapeShadowColor;

} // namespace

TEST(Frame3DExt, SquareFormDrawsNestedFramesAndShrinksTheRectangle) {
    TRecordingCanvas c;
    c.Pen().SetWidth(5);
    c.Pen().SetColor(platform::clNavy);
    TRect r(0, 0, 10, 10);
    Frame3DExt(c, r, platform::clWhite, platform::clGray, 2);
    EXPECT_EQ(r, TRect(2, 2, 8, 8));
    ASSERT_EQ(c.Names(), (Names{"Polyline", "Polyline", "Polyline", "Polyline"}));
    const auto& k = c.Calls();
    EXPECT_EQ(k[0].Points, (Pts{{0, 9}, {0, 0}, {9, 0}}));
    EXPECT_EQ(k[1].Points, (Pts{{9, 0}, {9, 9}, {-1, 9}}));
    EXPECT_EQ(k[2].Points, (Pts{{1, 8}, {1, 1}, {8, 1}}));
    EXPECT_EQ(k[3].Points, (Pts{{8, 1}, {8, 8}, {0, 8}}));
    EXPECT_EQ(k[0].Pen.Color, platform::clWhite);
    EXPECT_EQ(k[1].Pen.Color, platform::clGray);
    EXPECT_EQ(k[0].Pen.Width, 1);
    EXPECT_EQ(c.Pen().Width(), 5);
    EXPECT_EQ(c.Pen().Color(), platform::clNavy);
}

TEST(Frame3DExt, SquareFormStopsDrawingOnceTheRectangleClosesUp) {
    TRecordingCanvas c;
    TRect r(0, 0, 6, 6);
    Frame3DExt(c, r, platform::clWhite, platform::clGray, 100);
    EXPECT_EQ(c.Names().size(), 6u) << "three frames fit in 6 pixels";
    EXPECT_EQ(r, TRect(100, 100, -94, -94)) << "still shrunk by the whole width";
}

TEST(Frame3DExt, RoundedFormShadowsTheLowerRightHalf) {
    TRecordingCanvas c;
    c.Brush().SetColor(platform::clYellow);
    TRect r(0, 0, 40, 30);
    Frame3DExt(c, r, platform::clWhite, platform::clGray, 3, true, 10, 8);
    EXPECT_EQ(r, TRect(3, 3, 37, 27));
    ASSERT_EQ(c.Names(), (Names{"RoundRect", "Chord", "Chord", "Ellipse", "FillRect", "FillRect"}))
        << c.ToString();
    const auto& k = c.Calls();
    EXPECT_EQ(k[0].Args, (Args{0, 0, 40, 30, 10, 8}));
    EXPECT_EQ(k[0].Brush.Color, platform::clWhite);
    EXPECT_EQ(k[0].Pen.Style, platform::psSolid) << "outlined with the caller's pen";
    EXPECT_EQ(k[1].Args, (Args{30, 0, 40, 8, 30, 8, 40, 0}));
    EXPECT_EQ(k[2].Args, (Args{0, 22, 10, 30, 0, 30, 10, 22}));
    EXPECT_EQ(k[3].Args, (Args{30, 22, 40, 30}));
    // Strips from the corner ellipses' centre lines to the edges.
    EXPECT_EQ(k[4].Args, (Args{35, 4, 40, 26}));
    EXPECT_EQ(k[5].Args, (Args{5, 26, 35, 30}));
    for (size_t i = 1; i < k.size(); ++i) {
        EXPECT_EQ(k[i].Brush.Color, platform::clGray);
        EXPECT_EQ(k[i].Pen.Style, platform::psClear);
    }
    EXPECT_EQ(c.Brush().Color(), platform::clYellow);
    EXPECT_EQ(c.Pen().Style(), platform::psSolid);
}

TEST(Frame3DEllipse, UpperLeftAndLowerRightHalves) {
    TRecordingCanvas c;
    TRect r(0, 0, 20, 10);
    Frame3DEllipse(c, r, platform::clWhite, platform::clGray, 2);
    EXPECT_EQ(r, TRect(2, 2, 18, 8));
    ASSERT_EQ(c.Names(), (Names{"Chord", "Chord"}));
    EXPECT_EQ(c.Calls()[0].Args, (Args{0, 0, 20, 10, 20, 0, 0, 10}));
    EXPECT_EQ(c.Calls()[0].Brush.Color, platform::clWhite);
    EXPECT_EQ(c.Calls()[1].Args, (Args{0, 0, 20, 10, 0, 10, 20, 0}));
    EXPECT_EQ(c.Calls()[1].Brush.Color, platform::clGray);
    EXPECT_EQ(c.Calls()[1].Pen.Style, platform::psClear);
    EXPECT_EQ(c.Pen().Style(), platform::psSolid);
}
