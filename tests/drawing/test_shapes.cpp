// SPDX-License-Identifier: MIT
// Shapes: the shape-type and style forms of DrawShape, and the exact bytes of
// ShapeStyles3D.
#include "kwgfx/drawing/Shapes.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace kw;
using platform::TRecordingCanvas;

namespace {

using Pts = std::vector<TPoint>;
using Names = std::vector<std::string>;
using Args = std::vector<int32_t>;

constexpr TColor Light = ShapeLightColor;
constexpr TColor Shadow = ShapeShadowColor;

class TSizedGraphic : public platform::TGraphic {
public:
    int32_t Width() const override { return 16; }
    int32_t Height() const override { return 8; }
    void ReadPixels(std::span<uint32_t>) const override {}
};

} // namespace

TEST(ShapeStyles, ThreeDSetHasTheExactBytesAndLeavesOutTheImage) {
    const uint32_t bits = ShapeStyles3D.ToBits();
    unsigned char bytes[4];
    for (int k = 0; k < 4; ++k) bytes[k] = static_cast<unsigned char>(bits >> (8 * k));
    EXPECT_EQ(bytes[0], 0x00);
    EXPECT_EQ(bytes[1], 0xB0);
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(bytes[3], 0x00);
    EXPECT_FALSE(ShapeStyles3D.Contains(ss3DImage));
    EXPECT_TRUE(ShapeStyles3D.Contains(ss3DRectangle));
    EXPECT_TRUE(ShapeStyles3D.Contains(ss3DRoundSquare));
    EXPECT_FALSE(ShapeStyles3D.Contains(ssRoundSquare));
    EXPECT_EQ(int(ss3DCircle), int(ssCircle) + 12);
}

TEST(DrawShapeType, RectangleIsFilledWithoutOutlineAndBevelledByOrientation) {
    TRecordingCanvas c;
    EXPECT_EQ(DrawShape(c, TRect(0, 0, 10, 10), sRect, soUp, false, 3), TRect(0, 0, 10, 10));
    ASSERT_EQ(c.Names(), (Names{"FillRect"}));

    c.Clear();
    EXPECT_EQ(DrawShape(c, TRect(0, 0, 10, 10), sRect, soDown, true, 2), TRect(2, 2, 8, 8));
    ASSERT_EQ(c.Names().back(), "FillRect");
    EXPECT_EQ(c.Calls()[0].Pen.Color, Shadow) << "lit from below when pointing down";
    EXPECT_EQ(c.Calls()[1].Pen.Color, Light);
    EXPECT_EQ(c.Calls().back().Args, (Args{2, 2, 8, 8}));
}

TEST(DrawShapeType, CircleBevelColoursFollowTheOrientation) {
    TRecordingCanvas c;
    EXPECT_EQ(DrawShape(c, TRect(0, 0, 20, 20), sCircle, soRight, true, 3), TRect(3, 3, 17, 17));
    ASSERT_EQ(c.Names(), (Names{"Chord", "Chord", "Ellipse"}));
    EXPECT_EQ(c.Calls()[0].Brush.Color, Shadow);
    EXPECT_EQ(c.Calls()[1].Brush.Color, Light);
    EXPECT_EQ(c.Calls()[2].Args, (Args{3, 3, 17, 17}));
    EXPECT_EQ(c.Calls()[2].Pen.Style, platform::psSolid);
}

TEST(DrawShapeType, IsoscelesTriangleBevelThenInsetTriangle) {
    TRecordingCanvas c;
    DrawShape(c, TRect(0, 0, 20, 10), sIsoscelesTriangle, soUp, true, 2);
    ASSERT_EQ(c.Names(), (Names{"Polygon", "Polygon", "Polygon", "Polygon"}));
    const auto& k = c.Calls();
    EXPECT_EQ(k[0].Points, (Pts{{10, 0}, {0, 10}, {10, 5}}));
    EXPECT_EQ(k[1].Points, (Pts{{20, 10}, {10, 0}, {10, 5}}));
    EXPECT_EQ(k[2].Points, (Pts{{0, 10}, {20, 10}, {10, 5}}));
    EXPECT_EQ(k[0].Brush.Color, Light);
    EXPECT_EQ(k[1].Brush.Color, Shadow);
    EXPECT_EQ(k[2].Brush.Color, Shadow);
    EXPECT_EQ(k[2].Pen.Style, platform::psClear);
    EXPECT_EQ(k[3].Points, (Pts{{10, 2}, {2, 8}, {18, 8}}));
    EXPECT_EQ(k[3].Pen.Style, platform::psSolid);

    c.Clear();
    DrawShape(c, TRect(0, 0, 20, 10), sIsoscelesTriangle, soRight, true, 2);
    EXPECT_EQ(c.Calls()[1].Points, (Pts{{0, 10}, {0, 0}, {10, 5}}));
    EXPECT_EQ(c.Calls()[1].Brush.Color, Light);
    EXPECT_EQ(c.Calls()[2].Brush.Color, Shadow);
}

TEST(DrawShapeType, RightTriangleOnlyInsetsIn3D) {
    TRecordingCanvas c;
    DrawShape(c, TRect(0, 0, 20, 10), sRightTriangle, soLeft, true, 2);
    ASSERT_EQ(c.Names(), (Names{"Polygon"}));
    EXPECT_EQ(c.Calls()[0].Points, (Pts{{2, 2}, {18, 2}, {18, 8}}));
}

TEST(DrawShapeStyle, PlainStylesUseTheCallersPenAndBrush) {
    TRecordingCanvas c;
    TSizedGraphic bitmap;
    EXPECT_EQ(DrawShape(c, TRect(100, 40, 0, 0), nullptr, ssCircle, false, Light, Shadow, 2),
              TRect(30, 0, 70, 40));
    DrawShape(c, TRect(0, 0, 100, 40), nullptr, ssRectangle, false, Light, Shadow, 2);
    DrawShape(c, TRect(0, 0, 100, 40), nullptr, ssRoundRect, false, Light, Shadow, 2);
    DrawShape(c, TRect(0, 0, 100, 40), nullptr, ssRoundSquare, false, Light, Shadow, 2);
    DrawShape(c, TRect(0, 0, 100, 40), &bitmap, ssImage, false, Light, Shadow, 2);
    DrawShape(c, TRect(0, 0, 100, 40), &bitmap, ssImage, true, Light, Shadow, 2);
    DrawShape(c, TRect(0, 0, 100, 40), nullptr, ssImage, true, Light, Shadow, 2);
    DrawShape(c, TRect(0, 0, 100, 40), nullptr, ssDownTriangle, false, Light, Shadow, 2);
    ASSERT_EQ(c.Names(), (Names{"Ellipse", "Rectangle", "RoundRect", "RoundRect", "Draw",
                                "StretchDraw", "Polygon"}))
        << c.ToString();
    const auto& k = c.Calls();
    EXPECT_EQ(k[0].Args, (Args{30, 0, 70, 40})) << "a 40x40 circle centred in 100x40";
    EXPECT_EQ(k[2].Args, (Args{0, 0, 100, 40, 10, 10}));
    EXPECT_EQ(k[3].Args, (Args{30, 0, 70, 40, 10, 10}));
    EXPECT_EQ(k[4].Args, (Args{0, 0, 16, 8}));
    EXPECT_EQ(k[5].Args, (Args{0, 0, 100, 40, 16, 8}));
    EXPECT_EQ(k[6].Points, (Pts{{0, 0}, {100, 0}, {50, 40}}));
}

TEST(DrawShapeStyle, ThreeDImageDrawsNothingAndReturnsTheNormalisedRectangle) {
    TRecordingCanvas c;
    TSizedGraphic bitmap;
    EXPECT_EQ(DrawShape(c, TRect(50, 30, 10, 0), &bitmap, ss3DImage, true, Light, Shadow, 2),
              TRect(10, 0, 50, 30));
    EXPECT_TRUE(c.Calls().empty());
}

TEST(DrawShapeStyle, ThreeDRoundGroupBevelsTheCentredSquare) {
    TRecordingCanvas c;
    EXPECT_EQ(DrawShape(c, TRect(0, 0, 100, 40), nullptr, ss3DRoundSquare, false, Light, Shadow, 3),
              TRect(33, 3, 67, 37));
    ASSERT_EQ(c.Names().front(), "RoundRect");
    EXPECT_EQ(c.Calls().front().Args, (Args{30, 0, 70, 40, 10, 10}));
    EXPECT_EQ(c.Calls().back().Args, (Args{33, 3, 67, 37, 10, 10}));
    EXPECT_EQ(c.Calls().back().Pen.Style, platform::psSolid);

    c.Clear();
    EXPECT_EQ(DrawShape(c, TRect(0, 0, 100, 40), nullptr, ss3DSquare, false, Light, Shadow, 1),
              TRect(31, 1, 69, 39));
    EXPECT_EQ(c.Calls().back().Name, "Rectangle");
}

TEST(DrawShapeStyle, ThreeDDiamondHalvesThenInsetOutline) {
    TRecordingCanvas c;
    c.Brush().SetColor(platform::clYellow);
    DrawShape(c, TRect(0, 0, 20, 10), nullptr, ss3DDiamond, false, platform::clWhite,
              platform::clGray, 2);
    ASSERT_EQ(c.Names(), (Names{"Polygon", "Polygon", "Polygon"}));
    const auto& k = c.Calls();
    EXPECT_EQ(k[0].Points, (Pts{{0, 5}, {10, 0}, {10, 10}}));
    EXPECT_EQ(k[0].Brush.Color, platform::clWhite);
    EXPECT_EQ(k[1].Points, (Pts{{20, 5}, {10, 0}, {10, 10}}));
    EXPECT_EQ(k[1].Brush.Color, platform::clGray);
    EXPECT_EQ(k[1].Pen.Style, platform::psClear);
    EXPECT_EQ(k[2].Points, (Pts{{2, 5}, {10, 2}, {18, 5}, {10, 8}}));
    EXPECT_EQ(k[2].Pen.Style, platform::psSolid) << "outline with the caller's pen";
    EXPECT_EQ(k[2].Brush.Color, platform::clYellow) << "filled with the caller's brush";
}

TEST(DrawShapeStyle, ThreeDTrianglesMoveEveryVertexTowardsTheIncentre) {
    TRecordingCanvas c;
    // Up triangle BL (0, 30), MT (20, 0), BR (40, 30): incentre about (20, 19.3).
    DrawShape(c, TRect(0, 0, 40, 30), nullptr, ss3DUpTriangle, false, platform::clWhite,
              platform::clGray, 5);
    ASSERT_EQ(c.Names(), (Names{"Polygon", "Polygon", "Polygon", "Polygon"})) << c.ToString();
    const auto& k = c.Calls();
    EXPECT_EQ(k[0].Points, (Pts{{0, 30}, {20, 0}, {40, 30}}));
    const TPoint i = k[1].Points[1];
    EXPECT_EQ(i.X, 20);
    EXPECT_NEAR(i.Y, 19, 1);
    EXPECT_EQ(k[1].Points[0], TPoint(20, 0));
    EXPECT_EQ(k[2].Points[0], TPoint(0, 30));
    const auto& outline = k[3].Points;
    ASSERT_EQ(outline.size(), 3u);
    const TPoint original[] = {{0, 30}, {20, 0}, {40, 30}};
    for (int v = 0; v < 3; ++v) {
        const double moved = std::hypot(outline[v].X - original[v].X, outline[v].Y - original[v].Y);
        EXPECT_NEAR(moved, 5, 1) << v;
        EXPECT_LT(std::hypot(outline[v].X - i.X, outline[v].Y - i.Y),
                  std::hypot(original[v].X - i.X, original[v].Y - i.Y));
    }
}

TEST(DrawShapeStyle, EmptyRectangleDoesNotDivideByZero) {
    TRecordingCanvas c;
    for (int s = ss3DDiamond; s <= ss3DDownTriangle; ++s)
        DrawShape(c, TRect(5, 5, 5, 5), nullptr, TKwShapeStyle(s), false, Light, Shadow, 2);
    EXPECT_FALSE(c.Calls().empty());
}
