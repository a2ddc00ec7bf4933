// SPDX-License-Identifier: MIT
// Bitmaps with transparency: starting and clearing to any colour with alpha, drawing over
// it, copying it, and PNG files that carry the alpha channel exactly when there is one.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/platform/graphics/SystemColors.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace kw::platform;

namespace {

namespace fs = std::filesystem;

// The colour type byte of a PNG file's header: 2 RGB, 6 RGB with alpha.
int PngColorType(const std::string& File) {
    std::ifstream in(File, std::ios::binary);
    char header[26] = {};
    in.read(header, sizeof header);
    return in ? static_cast<unsigned char>(header[25]) : -1;
}

bool NearRGBA(TRGBA A, TRGBA B, int Tolerance) {
    return std::abs(A.R - B.R) <= Tolerance && std::abs(A.G - B.G) <= Tolerance &&
           std::abs(A.B - B.B) <= Tolerance && A.A == B.A;
}

class BitmapAlpha : public ::testing::Test {
protected:
    std::string File(const std::string& Name) const { return FDir.File(Name); }

    kwtest::TScratchFolder FDir{"kwgfx-alpha"};
};

TEST_F(BitmapAlpha, ExistingCallersStillGetOpaqueWhiteAndRgbFiles) {
    TBitmap b(3, 2);
    EXPECT_EQ(b.GetPixelRGBA(2, 1), TRGBA::White);
    b.SetSize(5, 4);
    EXPECT_EQ(b.GetPixelRGBA(4, 3), TRGBA::White);
    b.SaveToFile(File("white.png"));
    EXPECT_EQ(PngColorType(File("white.png")), 2);
}

TEST_F(BitmapAlpha, ATransparentStartSavesAndLoadsWithItsAlpha) {
    TBitmap b(8, 6, TRGBA::Transparent);
    EXPECT_EQ(b.GetPixelRGBA(0, 0), TRGBA::Transparent);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(TRect(2, 2, 5, 4));
    EXPECT_EQ(b.GetPixelRGBA(3, 3), (TRGBA{255, 0, 0, 255}));
    EXPECT_EQ(b.GetPixelRGBA(1, 3), TRGBA::Transparent);

    b.SaveToFile(File("icon.png"));
    EXPECT_EQ(PngColorType(File("icon.png")), 6);
    TBitmap loaded;
    loaded.LoadFromFile(File("icon.png"));
    TBitmap copy;
    copy.Assign(loaded);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(loaded.GetPixelRGBA(x, y), b.GetPixelRGBA(x, y)) << x << "," << y;
            EXPECT_EQ(copy.GetPixelRGBA(x, y), b.GetPixelRGBA(x, y)) << x << "," << y;
        }

    // Painted over completely, nothing is transparent any more: an RGB file again.
    b.Canvas().FillRect(TRect(0, 0, 8, 6));
    b.SaveToFile(File("covered.png"));
    EXPECT_EQ(PngColorType(File("covered.png")), 2);
}

TEST_F(BitmapAlpha, ClearReplacesEveryPixelWithAnyColourAndAlpha) {
    const TRGBA colours[] = {
        TRGBA::Transparent, {0x1E, 0x88, 0xE5, 0x80}, {255, 0, 0, 128},
        {10, 200, 30, 255}, {255, 255, 255, 1},       ColorToRGBA(clBtnFace, 200),
    };
    TBitmap b(4, 4);
    for (const TRGBA c : colours) {
        b.Canvas().Brush().SetColor(clBlack);
        b.Canvas().FillRect(TRect(0, 0, 4, 4)); // replaced, not painted over
        b.Clear(c);
        // Stored premultiplied: colour channels come back within rounding of the alpha.
        const int tolerance = c.A == 0 ? 0 : 255 / c.A + 1;
        const TRGBA expected = c.A == 0 ? TRGBA::Transparent : c;
        EXPECT_TRUE(NearRGBA(b.GetPixelRGBA(0, 0), expected, tolerance));
        EXPECT_EQ(b.GetPixelRGBA(3, 3), b.GetPixelRGBA(0, 0));
        b.SaveToFile(File("clear.png"));
        EXPECT_EQ(PngColorType(File("clear.png")), c.A == 255 ? 2 : 6);
        TBitmap loaded;
        loaded.LoadFromFile(File("clear.png"));
        EXPECT_TRUE(NearRGBA(loaded.GetPixelRGBA(2, 1), expected, tolerance));
    }
    b.SetSize(2, 3, TRGBA{0, 0, 255, 64});
    EXPECT_EQ(b.Width(), 2);
    EXPECT_TRUE(NearRGBA(b.GetPixelRGBA(1, 2), TRGBA{0, 0, 255, 64}, 4));
}

TEST(ColorToRGBA, SplitsTheColourValueAndResolvesSystemColours) {
    EXPECT_EQ(ColorToRGBA(0x00E5881E, 7), (TRGBA{0x1E, 0x88, 0xE5, 7}));
    EXPECT_EQ(ColorToRGBA(clRed), (TRGBA{255, 0, 0, 255}));
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(ColorToRGBA(clBtnFace),
              (TRGBA{uint8_t(face & 0xFF), uint8_t((face >> 8) & 0xFF), uint8_t(face >> 16), 255}));
}

} // namespace
