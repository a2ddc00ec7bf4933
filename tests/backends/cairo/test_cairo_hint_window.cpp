// SPDX-License-Identifier: MIT
// The hint window painting into pixels: the text wraps between words and "&" shows as
// itself, matching the same lines drawn with TextOut; background and frame colours.
#include "kwgfx/KwHintWindow.h"
#include "kwgfx/backends/cairo/BitmapWindowSurface.h"
#include "kwgfx/platform/graphics/SystemColors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace kw;
using namespace kw::platform;

namespace {

class CairoHintWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Application().SetWindowSurfaceFactory(
            [] { return std::make_unique<TBitmapWindowSurface>(); });
    }
    void TearDown() override { Application().SetWindowSurfaceFactory({}); }

    static TBitmap& Pixels(TKwHintWindow& W) {
        return static_cast<TBitmapWindowSurface&>(W.Surface()).Bitmap();
    }
};

// Positions of the pixels of colour C inside the 1-pixel frame, row by row.
std::vector<TPoint> InkOf(const TBitmap& B, TColor C) {
    std::vector<TPoint> ink;
    for (int y = 1; y + 1 < B.Height(); ++y)
        for (int x = 1; x + 1 < B.Width(); ++x)
            if (B.GetPixel(x, y) == C) ink.push_back({x, y});
    return ink;
}

// The given lines drawn one under the other from (2, 2) with TextOut, in Font.
std::vector<TPoint> ReferenceInk(const TFont& Font, int32_t Width, int32_t Height,
                                 const std::vector<std::string>& Lines) {
    TBitmap b(Width, Height);
    TCanvas& c = b.Canvas();
    c.SetFont(Font);
    c.Brush().SetStyle(bsClear);
    const int32_t lineHeight = c.GetTextMetrics().tmHeight;
    for (size_t i = 0; i < Lines.size(); ++i)
        c.TextOut(2, 2 + static_cast<int32_t>(i) * lineHeight, Lines[i]);
    return InkOf(b, Font.Color());
}

} // namespace

TEST_F(CairoHintWindow, LongTextWrapsBetweenWords) {
    TKwHintWindow w(nullptr);
    w.Font().SetColor(clRed);
    w.Font().SetHeight(-14);
    // Wide enough for "alpha beta" but not for "alpha beta gamma".
    w.Canvas().SetFont(w.Font());
    const int32_t limit = w.Canvas().TextWidth("alpha beta") + 2;
    ASSERT_LT(limit, w.Canvas().TextWidth("alpha beta gamma"));
    const TRect r = w.CalcHintRect(limit, "alpha beta gamma", nullptr);
    w.ActivateHint(TPoint(0, 0), "short"); // a first picture, replaced below
    w.ActivateHint(r, "alpha beta gamma");

    const TBitmap& b = Pixels(w);
    ASSERT_EQ(b.Width(), r.Width());
    ASSERT_EQ(b.Height(), r.Height());
    const std::vector<TPoint> ink = InkOf(b, clRed);
    ASSERT_FALSE(ink.empty());
    EXPECT_EQ(ink, ReferenceInk(w.Font(), r.Width(), r.Height(), {"alpha beta", "gamma"}));
}

TEST_F(CairoHintWindow, AmpersandIsDrawnAsItselfOnTheHintColour) {
    TKwHintWindow w(nullptr);
    w.Font().SetColor(clBlue);
    const std::string text = "Cut & paste &x";
    w.ActivateHint(TPoint(30, 40), text);

    const TBitmap& b = Pixels(w);
    EXPECT_EQ(InkOf(b, clBlue), ReferenceInk(w.Font(), b.Width(), b.Height(), {text}));
    // Background in the hint colour, a frame around it.
    EXPECT_EQ(b.GetPixel(b.Width() - 2, b.Height() / 2), ColorToRGB(Application().HintColor()));
    EXPECT_EQ(b.GetPixel(0, 0), ColorToRGB(clWindowFrame));
    EXPECT_EQ(b.GetPixel(b.Width() - 1, b.Height() - 1), ColorToRGB(clWindowFrame));
}
