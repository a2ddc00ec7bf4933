// SPDX-License-Identifier: MIT
// Text measurement against the recording canvas's text model (6 pixels per character,
// lines 15 pixels high at the default font): multiline heights and rotated extents.
#include "kwgfx/drawing/TextMeasure.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw;
using platform::TRecordingCanvas;

TEST(MultilineTextHeight, OneLineHeightPerLineFeed) {
    TRecordingCanvas c;
    EXPECT_EQ(GetMultilineTextHeight(c, "a\nb\nc"), 45.0f);
    EXPECT_EQ(GetMultilineTextHeight(c, "a\r\nb\r\nc"), 45.0f);
    EXPECT_EQ(GetMultilineTextHeight(c, "a\rb\rc"), 15.0f);
    EXPECT_EQ(GetMultilineTextHeight(c, ""), 15.0f);
}

TEST(RotatedTextExtent, IntegerBoxesAndOrigins) {
    TRecordingCanvas c; // "abcd": W = 24, H = 15
    TPoint origin(9, 9);
    EXPECT_EQ(GetRotatedTextExtent(c, 0, "abcd", origin), (TSize{24, 15}));
    EXPECT_EQ(origin, TPoint(0, 0));
    EXPECT_EQ(GetRotatedTextExtent(c, 90, "abcd", origin), (TSize{30, 54}));
    EXPECT_EQ(origin, TPoint(15, 32)); // W + H - H div 2
    EXPECT_EQ(GetRotatedTextExtent(c, 180, "abcd", origin), (TSize{54, 30}));
    EXPECT_EQ(origin, TPoint(39, 15));
    EXPECT_EQ(GetRotatedTextExtent(c, -90, "abcd", origin), (TSize{30, 54}));
    EXPECT_EQ(origin, TPoint(15, 15));
    EXPECT_EQ(GetRotatedTextExtent(c, 45, "abcd", origin), (TSize{47, 47}));
    EXPECT_EQ(origin, TPoint(15, 25));
}

TEST(RotatedTextExtent, FloatFormKeepsFractions) {
    TRecordingCanvas c;
    TKwPoint origin(9, 9);
    TKwSize size = GetRotatedTextExtent(c, 0, "abcd", origin);
    EXPECT_EQ(size.cx, 24.0f);
    EXPECT_EQ(size.cy, 15.0f);
    EXPECT_EQ(origin.X, 0.0f);
    size = GetRotatedTextExtent(c, 45, "abcd", origin);
    EXPECT_NEAR(size.cx, 30 + 16.9706, 1e-3);
    EXPECT_NEAR(size.cy, 30 + 16.9706, 1e-3);
    EXPECT_EQ(origin.X, 15.0f);
    EXPECT_NEAR(origin.Y, 16.9706 + 15 - 7.5, 1e-3);
    size = GetRotatedTextExtent(c, 180, "abcd", origin);
    EXPECT_NEAR(size.cx, 54, 1e-3);
    EXPECT_NEAR(size.cy, 30, 1e-3);
    EXPECT_NEAR(origin.X, 39, 1e-3);
    EXPECT_NEAR(origin.Y, 15, 1e-3);
}
