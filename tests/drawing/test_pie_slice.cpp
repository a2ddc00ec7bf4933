// SPDX-License-Identifier: MIT
// Pie slices: the radial points of a slice.
#include "kwgfx/drawing/PieSlice.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw;
using platform::TRecordingCanvas;

TEST(DrawPieSlice, RadialPointsRunCounterClockwiseFromTheRight) {
    TRecordingCanvas c;
    DrawPieSlice(c, TRect(0, 0, 100, 60), 0, 90, 0);
    DrawPieSlice(c, TRect(100, 60, 0, 0), 0, 90, 90); // normalised; offset turns both
    DrawPieSlice(c, TRect(0, 0, 100, 60), 45, 225, 0);
    const auto pies = c.CallsNamed("Pie");
    ASSERT_EQ(pies.size(), 3u);
    EXPECT_EQ(pies[0].Args, (std::vector<int32_t>{0, 0, 100, 60, 100, 30, 50, 0}));
    EXPECT_EQ(pies[1].Args, (std::vector<int32_t>{0, 0, 100, 60, 50, 0, 0, 30}));
    // cos 45 * 50 = 35.36 and sin 45 * 30 = 21.21.
    EXPECT_EQ(pies[2].Args, (std::vector<int32_t>{0, 0, 100, 60, 85, 9, 15, 51}));
}
