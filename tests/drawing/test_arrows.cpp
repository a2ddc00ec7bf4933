// SPDX-License-Identifier: MIT
// Arrows: shaft, heads and caption of one segment, and how a chain spreads its options.
#include "kwgfx/drawing/Arrows.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw;
using platform::TRecordingCanvas;

namespace {

using Pts = std::vector<TPoint>;
using Names = std::vector<std::string>;

} // namespace

TEST(DrawArrow, LineShaftAndOpenHeadsOfAHorizontalArrow) {
    TRecordingCanvas c;
    DrawArrow(c, 0, 0, 100, 0, 10, "", {aoArrowAtStart, aoArrowAtEnd}, 1);
    ASSERT_EQ(c.Names(), (Names{"MoveTo", "LineTo", "Polyline", "Polyline"})) << c.ToString();
    const auto& calls = c.Calls();
    EXPECT_EQ(calls[0].Args, (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(calls[1].Args, (std::vector<int32_t>{100, 0}));
    EXPECT_EQ(calls[2].Points, (Pts{{10, -10}, {0, 0}, {10, 10}})) << "start head first";
    EXPECT_EQ(calls[3].Points, (Pts{{90, -10}, {100, 0}, {90, 10}}));
}

TEST(DrawArrow, FilledClosedHeadRepeatsItsFirstPoint) {
    TRecordingCanvas c;
    DrawArrow(c, 0, 0, 0, 50, 5, "", {aoArrowAtEnd, aoFillHead, aoClosedHead}, 1);
    ASSERT_EQ(c.Names(), (Names{"MoveTo", "LineTo", "Polygon"}));
    // Along (0, 1), normal (1, 0).
    EXPECT_EQ(c.Calls()[2].Points, (Pts{{5, 45}, {0, 50}, {-5, 45}, {5, 45}}));
}

TEST(DrawArrow, WideShaftIsAnOutlineStoppingBeforeTheHead) {
    TRecordingCanvas c;
    // Length 50: along (0.6, 0.8), normal (0.8, -0.6); every offset rounded per component.
    DrawArrow(c, 0, 0, 30, 40, 10, "", {aoArrowAtEnd}, 4);
    ASSERT_EQ(c.Names(), (Names{"Polyline", "Polyline"})) << c.ToString();
    EXPECT_EQ(c.Calls()[0].Points, (Pts{{4, 2}, {0, 4}, {22, 33}, {26, 31}, {4, 2}}));
    EXPECT_EQ(c.Calls()[1].Points, (Pts{{32, 26}, {30, 40}, {16, 38}}));

    c.Clear();
    DrawArrow(c, 0, 0, 30, 40, 10, "", {aoFillHead}, 0);
    ASSERT_EQ(c.Names(), (Names{"Polygon"})) << "width 0 is an outline too, filled here";
}

TEST(DrawArrow, ZeroLengthDrawsNothing) {
    TRecordingCanvas c;
    DrawArrow(c, 7, 7, 7, 7, 10, "caption", {aoArrowAtStart, aoArrowAtEnd, aoDrawCaption}, 3);
    EXPECT_TRUE(c.Calls().empty());
}

TEST(DrawArrow, CaptionLinesAtTheMiddleOnAClearBrushThenBrushRestored) {
    TRecordingCanvas c;
    c.Brush().SetColor(platform::clYellow);
    DrawArrow(c, 0, 0, 101, 51, 10, "ab\r\ncd\r\n", {aoDrawCaption, aoFillHead}, 4);
    const auto texts = c.CallsNamed("TextOut");
    ASSERT_EQ(texts.size(), 2u) << "a trailing line break adds no line";
    const int32_t lineHeight = c.TextHeight("A");
    EXPECT_EQ(texts[0].Args, (std::vector<int32_t>{50, 25}));
    EXPECT_EQ(texts[0].Text, "ab");
    EXPECT_EQ(texts[1].Args, (std::vector<int32_t>{50, 25 + lineHeight}));
    EXPECT_EQ(texts[1].Text, "cd");
    for (const auto& t : texts) EXPECT_EQ(t.Brush.Style, platform::bsClear);
    const auto shaft = c.CallsNamed("Polygon");
    ASSERT_EQ(shaft.size(), 1u);
    EXPECT_EQ(shaft[0].Brush, (platform::TBrushValues{platform::clYellow, platform::bsSolid}))
        << "shaft painted with the caller's brush";

    c.Clear();
    DrawArrow(c, 0, 0, 100, 50, 10, "no text", {}, 1);
    EXPECT_TRUE(c.CallsNamed("TextOut").empty());
    EXPECT_EQ(c.Brush().Style(), platform::bsSolid);
    EXPECT_EQ(c.Brush().Color(), platform::clYellow);
}

TEST(DrawArrow, ChainPutsHeadsOnTheEndSegmentsAndTheCaptionOnItsIndex) {
    TRecordingCanvas c;
    const TPoint chain[] = {{0, 0}, {100, 0}, {100, 100}};
    const TArrowOptions all = {aoArrowAtStart, aoArrowAtEnd, aoDrawCaption};
    DrawArrow(c, chain, 10, "x", all, 1, -1);
    ASSERT_EQ(c.Names(),
              (Names{"MoveTo", "LineTo", "Polyline", "TextOut", "MoveTo", "LineTo", "Polyline"}))
        << c.ToString();
    EXPECT_EQ(c.Calls()[2].Points[1], TPoint(0, 0)) << "start head on the first segment";
    EXPECT_EQ(c.Calls()[3].Args, (std::vector<int32_t>{100, 50})) << "caption on segment 1";
    EXPECT_EQ(c.Calls()[6].Points[1], TPoint(100, 100)) << "end head on the last segment";

    // An index past the last segment also picks the middle one; 0 picks the first.
    c.Clear();
    DrawArrow(c, chain, 10, "x", {aoDrawCaption}, 1, 7);
    EXPECT_EQ(c.CallsNamed("TextOut")[0].Args, (std::vector<int32_t>{100, 50}));
    c.Clear();
    DrawArrow(c, chain, 10, "x", {aoDrawCaption}, 1, 0);
    EXPECT_EQ(c.CallsNamed("TextOut")[0].Args, (std::vector<int32_t>{50, 0}));

    c.Clear();
    DrawArrow(c, std::span<const TPoint>(chain, 1), 10, "x", all, 1, -1);
    EXPECT_TRUE(c.Calls().empty());
}

TEST(DrawArrow, FloatChainIsRoundedHalfToEven) {
    TRecordingCanvas c;
    const TKwPoint chain[] = {{0.5f, 1.5f}, {10.5f, -2.5f}};
    DrawArrow(c, chain, 4, "", {}, 1, -1);
    ASSERT_EQ(c.Names(), (Names{"MoveTo", "LineTo"}));
    EXPECT_EQ(c.Calls()[0].Args, (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(c.Calls()[1].Args, (std::vector<int32_t>{10, -2}));
}
