// SPDX-License-Identifier: MIT
// The user-interface helpers on the Cairo canvas: a diagonal gradient's corners, text in a
// rotated font running upwards, an image-list shape stretched, and a centred label.
#include "kwgfx/KwVclGraphics.h"
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/platform/graphics/ScreenFont.h"

#include "PixelTestTools.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace kw;
using namespace kw::platform;
using kwtest::Channel;
using kwtest::Near;
using kwtest::TInk;

namespace {

// Where the pixels darker than mid grey are.
TInk DarkInk(const TBitmap& B) {
    return kwtest::InkWhere(B, [](TColor P) { return Channel(P, 1) < 128; });
}

} // namespace

TEST(UiPixels, DiagonalGradientRunsFromCornerToCorner) {
    TBitmap bitmap(100, 100);
    const TColor colors[] = {clBlack, clWhite};
    DirectionGradient(bitmap.Canvas(), TRect(0, 0, 100, 100), colors, gdDownRight, 1);
    EXPECT_TRUE(Near(bitmap.GetPixel(0, 0), clBlack, 6)) << std::hex << bitmap.GetPixel(0, 0);
    EXPECT_TRUE(Near(bitmap.GetPixel(99, 99), clWhite, 6)) << std::hex << bitmap.GetPixel(99, 99);
    // The two other corners and the centre are halfway.
    for (auto [x, y] : {std::pair{99, 0}, std::pair{0, 99}, std::pair{50, 50}})
        EXPECT_TRUE(Near(bitmap.GetPixel(x, y), 0x7F7F7F, 8))
            << x << "," << y << " " << std::hex << bitmap.GetPixel(x, y);

    // Up-left starts at the bottom right.
    TBitmap up(60, 40);
    DirectionGradient(up.Canvas(), TRect(0, 0, 60, 40), colors, gdUpLeft, 1);
    EXPECT_TRUE(Near(up.GetPixel(59, 39), clBlack, 8));
    EXPECT_TRUE(Near(up.GetPixel(0, 0), clWhite, 8));
}

TEST(UiPixels, RotatedFontDrawsTextUpwards) {
    TBitmap flat(200, 200), turned(200, 200);
    for (TBitmap* b : {&flat, &turned}) {
        b->Canvas().Font().SetSize(16);
        b->Canvas().Font().SetColor(clBlack);
    }
    RotateFont(turned.Canvas().Font(), 90);
    EXPECT_EQ(turned.Canvas().Font().Orientation(), 900);
    flat.Canvas().TextOut(20, 100, "HHHHHHHH");
    turned.Canvas().TextOut(100, 180, "HHHHHHHH");
    const TInk a = DarkInk(flat), b = DarkInk(turned);
    ASSERT_GT(a.Count, 50);
    ASSERT_GT(b.Count, 50);
    const int flatWidth = a.Right - a.Left, flatHeight = a.Bottom - a.Top;
    const int turnedWidth = b.Right - b.Left, turnedHeight = b.Bottom - b.Top;
    EXPECT_GT(flatWidth, 3 * flatHeight);
    // Turned a quarter counter-clockwise: the line runs up from the origin.
    EXPECT_NEAR(turnedHeight, flatWidth, 3);
    EXPECT_NEAR(turnedWidth, flatHeight, 3);
    EXPECT_LE(b.Bottom, 180);
    EXPECT_NEAR(a.Count, b.Count, a.Count / 10);
}

TEST(UiPixels, ImageListShapeStretchesTheImage) {
    auto image = std::make_shared<TBitmap>(2, 2);
    image->Canvas().Pen().SetStyle(psClear);
    const std::pair<TRect, TColor> quarters[] = {{TRect(0, 0, 1, 1), clRed},
                                                 {TRect(1, 0, 2, 1), clLime},
                                                 {TRect(0, 1, 1, 2), clBlue},
                                                 {TRect(1, 1, 2, 2), clYellow}};
    for (const auto& [r, color] : quarters) {
        image->Canvas().Brush().SetColor(color);
        image->Canvas().FillRect(r);
    }
    TImageList list(2, 2);
    list.Add(image);

    TBitmap target(60, 60);
    const TRect got = DrawShape(target.Canvas(), TRect(10, 10, 50, 50), &list, 0, ssImage,
                                ssEllipse, true, clRed, clBlue, 2);
    EXPECT_EQ(got, TRect(10, 10, 50, 50));
    EXPECT_EQ(target.GetPixel(12, 12), clRed);
    EXPECT_EQ(target.GetPixel(47, 12), clLime);
    EXPECT_EQ(target.GetPixel(12, 47), clBlue);
    EXPECT_EQ(target.GetPixel(47, 47), clYellow);
    EXPECT_EQ(target.GetPixel(5, 5), clWhite) << "nothing outside the rectangle";
    EXPECT_EQ(target.GetPixel(52, 30), clWhite);
}

TEST(UiPixels, ScreenDeviceReportsTheRasterFacesAsOutlines) {
    TBitmap screen(4, 4);
    SetScreenCanvas(&screen.Canvas());
    TFont font;
    font.SetName("DejaVu Sans Mono");
    EXPECT_TRUE(GetFontTextMetrics(font).tmPitchAndFamily & TMPF_TRUETYPE);
    RotateFont(font, 45);
    EXPECT_EQ(font.Name(), "DejaVu Sans Mono");
    SetScreenCanvas(nullptr);
}

TEST(UiPixels, CentredWrappedLabelSitsInTheMiddle) {
    TBitmap bitmap(120, 200);
    bitmap.Canvas().Font().SetColor(clBlack);
    DrawTextLabel(bitmap.Canvas(), "several words that wrap over lines",
                  DT_VCENTER | DT_WORDBREAK | DT_CENTER, TRect(0, 0, 120, 200));
    const TInk ink = DarkInk(bitmap);
    ASSERT_GT(ink.Count, 20);
    EXPECT_GT(ink.Bottom - ink.Top, 20) << "more than one line";
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2, 100, 10);
}
