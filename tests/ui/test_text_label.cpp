// SPDX-License-Identifier: MIT
// DrawTextLabel: which flags and rectangle reach DrawText, and the brush style around it.
// Text model of the recording canvas with Height -10: 5 pixels a character, lines 12 high.
#include "kwgfx/KwVclGraphics.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw;
using namespace kw::platform;

namespace {

struct TLabelCanvas : TRecordingCanvas {
    TLabelCanvas() { Font().SetHeight(-10); }
};

// The one DrawText call: Left, Top, Right, Bottom, flags.
std::vector<int32_t> DrawnRect(const TRecordingCanvas& C, std::string_view Text) {
    const auto calls = C.CallsNamed("DrawText");
    EXPECT_EQ(C.Names(), std::vector<std::string>{"DrawText"}) << C.ToString();
    if (calls.size() != 1) return {};
    EXPECT_EQ(calls[0].Text, Text) << "the unwrapped text is drawn";
    EXPECT_EQ(calls[0].Brush.Style, bsClear);
    return calls[0].Args;
}

// Three lines of 45, 45 and 40 pixels when wrapped to 50 (36 pixels high).
constexpr std::string_view ThreeLines = "aaaaaaaa bbbbbbbb cccccccc";

} // namespace

TEST(DrawTextLabel, VerticalPlacementWithoutWordBreakIsOneLine) {
    for (uint32_t flags : {DT_VCENTER, DT_BOTTOM, DT_VCENTER | DT_CENTER}) {
        TLabelCanvas c;
        DrawTextLabel(c, ThreeLines, flags, TRect(0, 0, 50, 100));
        EXPECT_EQ(DrawnRect(c, ThreeLines),
                  (std::vector<int32_t>{0, 0, 50, 100, int32_t(flags | DT_SINGLELINE)}));
    }
}

TEST(DrawTextLabel, WrappedBlockIsCentredOrBottomAlignedByMovingTheTop) {
    TLabelCanvas c;
    DrawTextLabel(c, ThreeLines, DT_VCENTER | DT_WORDBREAK, TRect(0, 0, 50, 100));
    // Centre 50, block 36: top 50 - 18.
    EXPECT_EQ(DrawnRect(c, ThreeLines),
              (std::vector<int32_t>{0, 32, 50, 100, int32_t(DT_VCENTER | DT_WORDBREAK)}));

    c.Clear();
    DrawTextLabel(c, ThreeLines, DT_BOTTOM | DT_WORDBREAK, TRect(0, 0, 50, 100));
    EXPECT_EQ(DrawnRect(c, ThreeLines),
              (std::vector<int32_t>{0, 64, 50, 100, int32_t(DT_BOTTOM | DT_WORDBREAK)}));

    // Both flags: centring wins.
    c.Clear();
    DrawTextLabel(c, ThreeLines, DT_VCENTER | DT_BOTTOM | DT_WORDBREAK, TRect(0, 0, 50, 100));
    EXPECT_EQ(DrawnRect(c, ThreeLines)[1], 32);

    // A wider rectangle holds the text on one line of 12.
    c.Clear();
    DrawTextLabel(c, ThreeLines, DT_VCENTER | DT_WORDBREAK, TRect(0, 0, 200, 100));
    EXPECT_EQ(DrawnRect(c, ThreeLines)[1], 44);
}

TEST(DrawTextLabel, HalvingTruncatesTowardsZeroOnNegativeCoordinates) {
    TLabelCanvas c;
    c.Font().SetHeight(-11); // lines of 11 + 2 = 13, the block of three 39 high
    // Centre -100 + 99 div 2 = -51; top -51 - 19.
    DrawTextLabel(c, ThreeLines, DT_VCENTER | DT_WORDBREAK, TRect(0, -100, 50, -1));
    EXPECT_EQ(DrawnRect(c, ThreeLines)[1], -70);
}

TEST(DrawTextLabel, OtherFlagsPassUnchanged) {
    for (uint32_t flags : {DT_LEFT, DT_WORDBREAK | DT_CENTER, DT_VCENTER | DT_SINGLELINE,
                           DT_VCENTER | DT_SINGLELINE | DT_WORDBREAK}) {
        TLabelCanvas c;
        DrawTextLabel(c, ThreeLines, flags, TRect(5, 6, 55, 106));
        EXPECT_EQ(DrawnRect(c, ThreeLines), (std::vector<int32_t>{5, 6, 55, 106, int32_t(flags)}));
    }
}

TEST(DrawTextLabel, BrushStyleIsRestoredAlsoWhenDrawingFails) {
    TLabelCanvas c;
    c.Brush().SetColor(clYellow);
    DrawTextLabel(c, "x", DT_LEFT, TRect(0, 0, 10, 10));
    EXPECT_EQ(c.Brush().Style(), bsSolid);
    c.Brush().SetStyle(bsCross);
    c.FailOn("DrawText");
    EXPECT_THROW(DrawTextLabel(c, "x", DT_VCENTER | DT_WORDBREAK, TRect(0, 0, 10, 10)),
                 platform::Exception);
    EXPECT_EQ(c.Brush().Style(), bsCross);
    EXPECT_EQ(c.Brush().Color(), clYellow);
}
