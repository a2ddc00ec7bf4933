// SPDX-License-Identifier: MIT
// Inputs the fuzz targets found (fuzz/text_wrap.cpp, fuzz/drawing_args.cpp), one named case
// each with the numbers that broke: every one overflowed 32-bit arithmetic, which the
// sanitizer build of the tests reports as an error. Each case also checks the defined
// result it gives now, worked out here in 64 bits.

#include "kwgfx/drawing/Arrows.h"
#include "kwgfx/drawing/Gradients.h"
#include "kwgfx/drawing/Shapes.h"
#include "kwgfx/drawing/TextWrap.h"
#include "kwgfx/platform/graphics/DrawTextFlags.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace kw {
namespace {

using namespace platform;
constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();

std::vector<int32_t> Box(int64_t L, int64_t T, int64_t R, int64_t B) {
    return {int32_t(L), int32_t(T), int32_t(R), int32_t(B)};
}

struct TFoundInput {
    const char* Name;
    std::function<void(TRecordingCanvas&)> Run;
};

const TFoundInput kFoundInputs[] = {
    {"text_wrap: eleven characters at a 587202548-pixel font measure past 2^31",
     [](TRecordingCanvas& C) {
         C.Font().SetHeight(587202548); // advance 293601274
         EXPECT_EQ(C.TextExtent("hello world"), (TSize{Max32, 587202548 + 146800637}));
         // Every chunk is too wide, so each starts a line of its own.
         EXPECT_EQ(WrapCanvasText(C, "hello world again", 100), "hello \r\nworld \r\nagain");
     }},
    {"text_wrap: the most negative font height has no positive em",
     [](TRecordingCanvas& C) {
         C.Font().SetHeight(std::numeric_limits<int32_t>::min());
         EXPECT_EQ(C.TextExtent(""), (TSize{0, Max32}));
         EXPECT_EQ(C.GetTextMetrics().tmHeight, Max32);
         EXPECT_EQ(C.TextExtent("ab").cx, Max32 - 1); // two advances of 2^30 - 1
     }},
    {"text_wrap: DrawText centred on one line of a rectangle taller than 2^31",
     [](TRecordingCanvas& C) {
         const int64_t top = -1803492832, bottom = 2000000000;
         TRect r(0, int32_t(top), 50, int32_t(bottom));
         const int64_t lineHeight = C.GetTextMetrics().tmHeight;
         const int64_t lineTop = top + (bottom - top - lineHeight) / 2;
         EXPECT_EQ(C.DrawText("centred", r, platform::DT_SINGLELINE | platform::DT_VCENTER),
                   lineTop - top + lineHeight);
         // Measuring gives the line's box from the rectangle's corner.
         EXPECT_EQ(C.DrawText("centred", r, platform::DT_CALCRECT), lineHeight);
         EXPECT_EQ(r, TRect(0, int32_t(top), C.TextWidth("centred"), int32_t(top + lineHeight)));
     }},
    {"drawing_args: RectGradient over a rectangle wider than 2^31",
     [](TRecordingCanvas& C) {
         const TColor colors[] = {clRed, clBlue};
         RectGradient(C, TRect(-1723727873, 0, 1107296397, 10), colors, 1);
         // Rings stop at half the shorter side; the innermost box is then filled.
         const auto rings = C.CallsNamed("Rectangle");
         ASSERT_EQ(rings.size(), 5u);
         EXPECT_EQ(rings[4].Args, Box(-1723727873 + 4, 4, 1107296397 - 4, 6));
         ASSERT_EQ(C.CallsNamed("FillRect").size(), 1u);
         EXPECT_EQ(C.CallsNamed("FillRect")[0].Args, rings[4].Args);
     }},
    {"drawing_args: a circle style in a rectangle wider than 2^31",
     [](TRecordingCanvas& C) {
         const int64_t left = -1532713820, right = 1500000000, height = 100;
         const TRect drawn = DrawShape(C, TRect(int32_t(left), 0, int32_t(right), int32_t(height)),
                                       nullptr, ssCircle, false, clWhite, clGray, 0);
         // The largest square centred in the rectangle.
         const int64_t squareLeft = left + (right - left - height) / 2;
         EXPECT_EQ(drawn, TRect(int32_t(squareLeft), 0, int32_t(squareLeft + height), 100));
         ASSERT_EQ(C.CallsNamed("Ellipse").size(), 1u);
         EXPECT_EQ(C.CallsNamed("Ellipse")[0].Args, Box(squareLeft, 0, squareLeft + height, 100));
     }},
    {"drawing_args: an arrow caption near the right end of the pixel range",
     [](TRecordingCanvas& C) {
         const int32_t x1 = Max32 - 10, x2 = Max32;
         DrawArrow(C, x1, 0, x2, 0, 4, "caption", {aoArrowAtEnd, aoDrawCaption}, 1);
         ASSERT_EQ(C.CallsNamed("TextOut").size(), 1u);
         EXPECT_EQ(C.CallsNamed("TextOut")[0].Args, (std::vector<int32_t>{Max32 - 5, 0}));
         // Text moves the pen to its end, which stops at the end of the range.
         C.TextOut(Max32 - 5, 7, "caption");
         EXPECT_EQ(C.PenPos(), TPoint(Max32, 7));
     }},
};

TEST(FuzzFoundInputs, EachGivesADefinedResult) {
    for (const TFoundInput& input : kFoundInputs) {
        SCOPED_TRACE(input.Name);
        TRecordingCanvas canvas;
        input.Run(canvas);
    }
}

// The 32-bit width of a rectangle wraps around like the platform's arithmetic instead of
// overflowing; code that needs the true width computes it in 64 bits.
static_assert(TRect(std::numeric_limits<int32_t>::min(), 0, Max32, 0).Width() == -1);
static_assert(TRect(0, -2, 0, Max32).Height() == std::numeric_limits<int32_t>::min() + 1);

} // namespace
} // namespace kw
