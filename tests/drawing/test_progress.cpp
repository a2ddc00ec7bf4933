// SPDX-License-Identifier: MIT
// Progress indicators: the element count, and the elements, boxes and colours
// the three indicators record.
#include "kwgfx/drawing/Progress.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw;
using platform::TRecordingCanvas;

namespace {

using Args = std::vector<int32_t>;

TColor Gray(int V) {
    return V | (V << 8) | (V << 16);
}

const TColors BlackWhite = {platform::clBlack, platform::clWhite};

} // namespace

TEST(ProgressCount, WholeStepsOfTheRangeFromMin) {
    EXPECT_EQ(ProgressElementCount(10, 0, 10, 4), 4);
    EXPECT_EQ(ProgressElementCount(5, 0, 10, 4), 2);
    EXPECT_EQ(ProgressElementCount(3, 3, 3, 4), 4) << "Min = Max counts as complete";
    EXPECT_EQ(ProgressElementCount(5, 5, 15, 4), 0) << "at Min nothing is complete";
    EXPECT_EQ(ProgressElementCount(10, 5, 15, 4), 2);
    EXPECT_EQ(ProgressElementCount(500, 0, 10, 4), 4) << "at most Steps";
    EXPECT_EQ(ProgressElementCount(-5, 0, 10, 4), 0);
    EXPECT_EQ(ProgressElementCount(5, 0, 10, 0), 0);
}

TEST(ProgressCircle, AllElementsAtMaxEachInItsPredecessorsColour) {
    TRecordingCanvas c;
    c.Brush().SetColor(platform::clYellow);
    c.Pen().SetColor(platform::clNavy);
    ProgressCircle(c, TRect(0, 0, 100, 100), 0, 10, 0, 10, BlackWhite, true, 4, sCircle, soUp,
                   false, 0, 0, pdForward, dtAllProgress);
    const auto elements = c.CallsNamed("Ellipse");
    ASSERT_EQ(elements.size(), 4u) << c.ToString();
    // Elements of Round(100 pi / 4) = 79 pixels on a circle of radius (100 - 79)
    // / 2, starting at 90 degrees and going counter-clockwise.
    EXPECT_EQ(elements[0].Args, (Args{10, 0, 89, 79}));
    EXPECT_EQ(elements[1].Args, (Args{0, 10, 79, 89}));
    EXPECT_EQ(elements[3].Args, (Args{21, 10, 100, 89}));
    const TColor expected[] = {platform::clBlack, Gray(128), Gray(191), platform::clWhite};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(elements[k].Brush.Color, expected[k]) << k;
        EXPECT_EQ(elements[k].Pen.Color, expected[k]) << "pen follows the brush";
    }
    EXPECT_EQ(c.Brush().Color(), platform::clYellow);
    EXPECT_EQ(c.Pen().Color(), platform::clNavy);
}

TEST(ProgressCircle, CurrentProgressDrawsOnlyTheLastCompletedElement) {
    TRecordingCanvas c;
    ProgressCircle(c, TRect(0, 0, 100, 100), 0, 5, 0, 10, BlackWhite, false, 4, sCircle, soUp,
                   false, 0, 0, pdBackward, dtCurrentProgress);
    const auto elements = c.CallsNamed("Ellipse");
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0].Args, (Args{0, 10, 79, 89})) << "element 2 of 4, at 180 degrees";
    EXPECT_EQ(elements[0].Brush.Color, Gray(128));
    EXPECT_EQ(elements[0].Pen.Color, platform::clBlack) << "pen untouched without PenToo";

    c.Clear();
    ProgressCircle(c, TRect(0, 0, 100, 100), 0, 10, 0, 10, {}, false, 4, sCircle, soUp, false, 0, 0,
                   pdForward, dtAllProgress);
    ProgressCircle(c, TRect(0, 0, 100, 100), 0, 10, 0, 10, BlackWhite, false, 0, sCircle, soUp,
                   false, 0, 0, pdForward, dtAllProgress);
    EXPECT_TRUE(c.Calls().empty());
}

TEST(ProgressPie, SlicesWithHalfTheGapOnEachSide) {
    TRecordingCanvas c;
    ProgressPie(c, TRect(0, 0, 100, 100), 37, 10, 0, 10, BlackWhite, false, 4, 10, pdForward,
                dtAllProgress);
    const auto slices = c.CallsNamed("Pie");
    ASSERT_EQ(slices.size(), 4u);
    // 5 to 85 degrees: radial points (100, 46) and (54, 0).
    EXPECT_EQ(slices[0].Args, (Args{0, 0, 100, 100, 100, 46, 54, 0}));
    EXPECT_EQ(slices[0].Brush.Color, platform::clBlack);
    EXPECT_EQ(slices[1].Brush.Color, Gray(64)) << "slice j in the colour of index j - 1";
    EXPECT_EQ(slices[3].Brush.Color, Gray(191));

    // The margin plays no part.
    TRecordingCanvas other;
    ProgressPie(other, TRect(0, 0, 100, 100), 0, 10, 0, 10, BlackWhite, false, 4, 10, pdForward,
                dtAllProgress);
    EXPECT_EQ(other.ToString(), c.ToString());

    c.Clear();
    ProgressPie(c, TRect(0, 0, 100, 100), 0, 3, 0, 10, BlackWhite, false, 4, 10, pdBackward,
                dtAllProgress);
    ASSERT_EQ(c.CallsNamed("Pie").size(), 1u);
    // Backward slice 0 covers (360 - 0) + 90 = 450, that is 95 to 175 degrees.
    EXPECT_EQ(c.CallsNamed("Pie")[0].Args, (Args{0, 0, 100, 100, 46, 0, 0, 46}));
}

TEST(ProgressRect, ElementsInARowOrColumnFromEitherEnd) {
    TRecordingCanvas c;
    ProgressRect(c, TRect(0, 0, 100, 20), 2, 10, 0, 10, BlackWhite, false, 4, sRect, soUp, false, 0,
                 2, poHorizontal, pdForward, dtAllProgress);
    auto boxes = c.CallsNamed("FillRect");
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].Args, (Args{2, 2, 24, 18}));
    EXPECT_EQ(boxes[3].Args, (Args{74, 2, 96, 18}));

    c.Clear();
    ProgressRect(c, TRect(10, 100, 30, 0), 2, 5, 0, 10, BlackWhite, false, 4, sRect, soUp, false, 0,
                 2, poVertical, pdBackward, dtCurrentProgress);
    boxes = c.CallsNamed("FillRect");
    ASSERT_EQ(boxes.size(), 1u);
    // Second element from the bottom of (10, 0, 30, 100).
    EXPECT_EQ(boxes[0].Args, (Args{12, 52, 28, 74}));
    EXPECT_EQ(boxes[0].Brush.Color, Gray(128));
}

TEST(ProgressRect, ElementPastTheFarMarginIsCutBack) {
    TRecordingCanvas c;
    // Spacing -10 makes elements wider than their step: the last one would end at
    // 110.
    ProgressRect(c, TRect(0, 0, 100, 10), 0, 10, 0, 10, BlackWhite, false, 4, sRect, soUp, false, 0,
                 -10, poHorizontal, pdForward, dtCurrentProgress);
    const auto boxes = c.CallsNamed("FillRect");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Args, (Args{75, 0, 100, 10}));
}
