// SPDX-License-Identifier: MIT
// The direction gradient: band gradients for the axis directions, the two-triangle fill
// for the diagonals, and the form with the extra float.
#include "kwgfx/drawing/DirectionGradient.h"
#include "kwgfx/drawing/GradientTypes.h"
#include "kwgfx/drawing/Gradients.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw;
using platform::TCanvasCall;
using platform::TRecordingCanvas;
using platform::TTriVertex;

namespace {

TTriVertex Vertex(int32_t X, int32_t Y, int R, int G, int B) {
    return {X, Y, uint16_t(R * 256), uint16_t(G * 256), uint16_t(B * 256), 0};
}

// The one GradientFill call of a diagonal gradient.
TCanvasCall OnlyGradientFill(const TRecordingCanvas& C) {
    EXPECT_EQ(C.Names(), std::vector<std::string>{"GradientFill"}) << C.ToString();
    return C.Calls().empty() ? TCanvasCall{} : C.Calls().front();
}

// Name, arguments and brush of every call: what two drawings must share to look alike.
std::vector<std::string> Drawing(const TRecordingCanvas& C) {
    std::vector<std::string> lines;
    for (const TCanvasCall& call : C.Calls()) lines.push_back(call.ToString());
    return lines;
}

} // namespace

TEST(DiagonalGradient, CornersTakeTheFirstTwoColoursAndTheOthersHalfway) {
    TRecordingCanvas c;
    const TColor colors[] = {0x0000FF, 0xFF8000, 0x00FF00}; // red, then (0, 128, 255)
    DirectionGradient(c, TRect(10, 20, 110, 70), colors, gdDownRight, 1);
    const TCanvasCall call = OnlyGradientFill(c);
    // 16-bit middles: red (65280 + 0) / 2 = 32640, green (0 + 32768) / 2, blue 65280 / 2.
    const TTriVertex middle{0, 0, 32640, 16384, 32640, 0};
    ASSERT_EQ(call.Vertices.size(), 4u);
    EXPECT_EQ(call.Vertices[0], Vertex(10, 20, 255, 0, 0));
    EXPECT_EQ(call.Vertices[2], Vertex(110, 70, 0, 128, 255));
    EXPECT_EQ(call.Vertices[1], (TTriVertex{110, 20, middle.Red, middle.Green, middle.Blue, 0}));
    EXPECT_EQ(call.Vertices[3], (TTriVertex{10, 70, middle.Red, middle.Green, middle.Blue, 0}));
    const std::vector<platform::TGradientTriangle> triangles = {{0, 1, 3}, {1, 2, 3}};
    EXPECT_EQ(call.Triangles, triangles);
}

TEST(DiagonalGradient, EachDiagonalStartsAtItsOwnCorner) {
    // Start and end corner of each direction (0 top left, 1 top right, 2 bottom right,
    // 3 bottom left); the other two get the middle colour.
    const struct {
        TGradientDirection Direction;
        int Start, End;
    } cases[] = {{gdDownRight, 0, 2}, {gdDownLeft, 1, 3}, {gdUpRight, 3, 1}, {gdUpLeft, 2, 0}};
    const TColor colors[] = {platform::clWhite, platform::clBlack};
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DirectionGradient(c, TRect(0, 0, 8, 8), colors, k.Direction, 1);
        const TCanvasCall call = OnlyGradientFill(c);
        ASSERT_EQ(call.Vertices.size(), 4u);
        for (int v = 0; v < 4; ++v) {
            const uint16_t expected = v == k.Start ? 0xFF00 : v == k.End ? 0 : 0x7F80;
            EXPECT_EQ(call.Vertices[v].Red, expected)
                << "direction " << int(k.Direction) << " vertex " << v;
            EXPECT_EQ(call.Vertices[v].Blue, expected);
            EXPECT_EQ(call.Vertices[v].Alpha, 0);
        }
    }
}

TEST(DiagonalGradient, OneColourFillsFlatAndSystemColoursAreNotResolved) {
    TRecordingCanvas c;
    const TColor one[] = {platform::clBtnHighlight}; // 0xFF000014: index 20 as red
    DirectionGradient(c, TRect(0, 0, 5, 5), one, gdUpLeft, 1);
    const TCanvasCall call = OnlyGradientFill(c);
    for (const TTriVertex& v : call.Vertices) {
        EXPECT_EQ(v.Red, 20 * 256);
        EXPECT_EQ(v.Green, 0);
        EXPECT_EQ(v.Blue, 0);
    }
}

TEST(DiagonalGradient, DrawsNothingWithoutColoursOrWithRightOrBottomZero) {
    const TColor colors[] = {platform::clRed, platform::clBlue};
    TRecordingCanvas c;
    DirectionGradient(c, TRect(-50, 0, 0, 40), colors, gdDownRight, 1);
    DirectionGradient(c, TRect(0, -40, 30, 0), colors, gdDownLeft, 1);
    DirectionGradient(c, TRect(0, 0, 30, 40), std::span<const TColor>{}, gdUpRight, 1);
    EXPECT_TRUE(c.Calls().empty()) << c.ToString();
    // Right and Bottom are tested, not the size: a reversed rectangle still draws.
    DirectionGradient(c, TRect(30, 40, 1, 1), colors, gdUpRight, 1);
    EXPECT_EQ(c.Names(), std::vector<std::string>{"GradientFill"});
}

TEST(AxisGradient, DownAndRightAreLineGradientsUpAndLeftReverseTheColours) {
    const TColor rgb[] = {platform::clRed, platform::clLime, platform::clBlue};
    const TColor bgr[] = {platform::clBlue, platform::clLime, platform::clRed};
    const TRect r(3, 4, 43, 34);
    for (auto [reversedDir, forwardDir, orientation] :
         {std::tuple{gdUp, gdDown, diVertical}, std::tuple{gdLeft, gdRight, diHorizontal}}) {
        TRecordingCanvas up, down, line;
        DirectionGradient(up, r, rgb, reversedDir, 3);
        DirectionGradient(down, r, bgr, forwardDir, 3);
        LineGradient(line, r, bgr, 3, orientation, 1.0f);
        ASSERT_FALSE(up.Calls().empty());
        EXPECT_EQ(Drawing(up), Drawing(down));
        EXPECT_EQ(Drawing(down), Drawing(line));
        EXPECT_TRUE(up.CallsNamed("GradientFill").empty());
        // The first band of the reversed gradient is in the last colour.
        EXPECT_EQ(up.Calls().front().Brush.Color, platform::clBlue);
    }
}

TEST(AxisGradient, FormWithTrailingFloatDrawsTheSame) {
    const TColor colors[] = {platform::clYellow, platform::clNavy};
    for (int d = gdDownRight; d <= gdUpLeft; ++d) {
        const auto direction = static_cast<TGradientDirection>(d);
        TRecordingCanvas plain, extra;
        DirectionGradient(plain, TRect(0, 0, 20, 12), colors, direction, 2);
        DirectionGradient(extra, TRect(0, 0, 20, 12), colors, direction, 2, 123.5f);
        ASSERT_FALSE(plain.Calls().empty());
        EXPECT_EQ(Drawing(plain), Drawing(extra)) << "direction " << d;
    }
}
