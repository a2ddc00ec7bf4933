// SPDX-License-Identifier: MIT
// The image-list form of DrawShape: the plain shapes for other styles, the fallbacks for
// missing images, and the image drawn stretched, at the list's size or in a bevel.
#include "kwgfx/KwVclGraphics.h"
#include "kwgfx/drawing/Shapes.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include "support/QuadPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kw;
using namespace kw::platform;
using kw::test::Quad;

namespace {

std::vector<std::string> Drawing(const TRecordingCanvas& C) {
    std::vector<std::string> lines;
    for (const TCanvasCall& call : C.Calls()) lines.push_back(call.ToString());
    return lines;
}

} // namespace

TEST(ImageListShape, OtherStylesAreThePlainShapes) {
    TImageList list(4, 4);
    list.Add(Quad());
    const TRect r(40, 30, 0, 0);
    for (TKwShapeStyle style : {ssRectangle, ss3DEllipse, ssDiamond, ss3DRoundSquare}) {
        TRecordingCanvas withList, plain;
        const TRect got = DrawShape(withList, r, &list, 0, style, ssImage, false, clRed, clBlue, 2);
        const TRect want = DrawShape(plain, r, nullptr, style, false, clRed, clBlue, 2, 1.0f);
        EXPECT_EQ(got, want);
        ASSERT_FALSE(plain.Calls().empty());
        EXPECT_EQ(Drawing(withList), Drawing(plain)) << int(style);
    }
}

TEST(ImageListShape, MissingImagesFallBackWithSystemBevelColours) {
    TImageList list(4, 4);
    list.Add(Quad());
    const TRect r(0, 0, 30, 20);
    TRecordingCanvas expected;
    DrawShape(expected, r, nullptr, ss3DEllipse, true, clBtnHighlight, clBtnShadow, 3, 1.0f);
    for (auto [images, index] : {std::pair<const TImageList*, int32_t>{nullptr, 0},
                                 {&list, -1},
                                 {&list, 1},
                                 {&list, -2}}) {
        for (TKwShapeStyle style : {ssImage, ss3DImage}) {
            TRecordingCanvas c;
            const TRect got =
                DrawShape(c, r, images, index, style, ss3DEllipse, false, clRed, clBlue, 7);
            EXPECT_EQ(Drawing(c), Drawing(expected)) << "index " << index;
            EXPECT_EQ(got, TRect(3, 3, 27, 17));
        }
    }
    // The bevel halves really are in the system colours.
    const auto chords = expected.CallsNamed("Chord");
    ASSERT_EQ(chords.size(), 2u);
    EXPECT_EQ(chords[0].Brush.Color, clBtnHighlight);
    EXPECT_EQ(chords[1].Brush.Color, clBtnShadow);
}

TEST(ImageListShape, ImageFallbackEndsInARectangle) {
    for (TKwShapeStyle fallback : {ssImage, ss3DImage}) {
        TRecordingCanvas c;
        const TRect got = DrawShape(c, TRect(0, 0, 10, 10), nullptr, 0, ssImage, fallback, false,
                                    clRed, clBlue, 2);
        EXPECT_EQ(c.Names(), std::vector<std::string>{"Rectangle"});
        EXPECT_EQ(got, TRect(0, 0, 10, 10));
    }
}

TEST(ImageListShape, DrawsTheImageStretchedOrAtTheListSize) {
    TImageList list(6, 5);
    list.Add(Quad());
    TRecordingCanvas c;
    TRect got =
        DrawShape(c, TRect(10, 10, 50, 40), &list, 0, ssImage, ssEllipse, true, clRed, clBlue, 2);
    EXPECT_EQ(got, TRect(10, 10, 50, 40));
    ASSERT_EQ(c.Names(), std::vector<std::string>{"StretchDraw"});
    EXPECT_EQ(c.Calls()[0].Args, (std::vector<int32_t>{10, 10, 50, 40, 6, 5}));

    c.Clear();
    got =
        DrawShape(c, TRect(10, 10, 50, 40), &list, 0, ssImage, ssEllipse, false, clRed, clBlue, 2);
    ASSERT_EQ(c.Names(), std::vector<std::string>{"Draw"});
    EXPECT_EQ(c.Calls()[0].Args, (std::vector<int32_t>{10, 10, 6, 5}));
}

TEST(ImageListShape, ThreeDImageDrawsInsideASquareBevel) {
    TImageList list(6, 5);
    list.Add(Quad());
    TRecordingCanvas c;
    const TRect got =
        DrawShape(c, TRect(10, 10, 50, 40), &list, 0, ss3DImage, ssEllipse, true, clRed, clBlue, 2);
    EXPECT_EQ(got, TRect(12, 12, 48, 38));
    const auto lines = c.CallsNamed("Polyline");
    ASSERT_EQ(lines.size(), 4u) << c.ToString();
    EXPECT_EQ(lines[0].Pen.Color, clRed);
    EXPECT_EQ(lines[1].Pen.Color, clBlue);
    ASSERT_EQ(c.Names().back(), "StretchDraw");
    EXPECT_EQ(c.Calls().back().Args, (std::vector<int32_t>{12, 12, 48, 38, 6, 5}));
}
