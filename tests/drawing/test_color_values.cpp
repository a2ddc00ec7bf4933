// SPDX-License-Identifier: MIT
#include <kwgfx/drawing/KwColorValues.h>
#include <kwgfx/platform/graphics/Colors.h>
#include <kwgfx/platform/graphics/SystemColors.h>

#include <gtest/gtest.h>

#include <limits>

using namespace kw;
using namespace kw::platform;

TEST(ColorValues, SplitAndJoinBytes) {
    const TRGB rgb = kw::ColorToRGB(0x00123456);
    EXPECT_EQ(rgb, (TRGB{0x56, 0x34, 0x12}));
    EXPECT_EQ(RGBToColor(rgb), 0x00123456);
    // The top byte is ignored: a system colour splits into the bytes of its index.
    EXPECT_EQ(kw::ColorToRGB(clBtnHighlight), (TRGB{0x14, 0, 0}));
    EXPECT_EQ(RGBToColor(kw::ColorToRGB(static_cast<TColor>(0xAB123456u))), 0x00123456);
    EXPECT_EQ(RGBToColor({255, 255, 255}), clWhite);
}

TEST(ColorValues, PlatformResolvesSystemColorsOnly) {
    EXPECT_EQ(platform::ColorToRGB(clBtnFace), SystemColorTable[15]);
    EXPECT_EQ(platform::ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(platform::ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(platform::ColorToRGB(SystemColor(25)), clBlack);  // a gap in the table
    EXPECT_EQ(platform::ColorToRGB(SystemColor(200)), clBlack); // beyond the table
    EXPECT_EQ(platform::ColorToRGB(0x00123456), 0x00123456);
    EXPECT_EQ(platform::ColorToRGB(clNone), clNone);
    EXPECT_EQ(platform::ColorToRGB(static_cast<TColor>(0x80000010u)),
              static_cast<TColor>(0x80000010u));
    for (TColor c : SystemColorTable) EXPECT_EQ(c & 0xFF000000, 0); // all plain RGB values
}

TEST(ColorValues, InterpolateBetweenTheEnds) {
    EXPECT_EQ(InterpolateColor(clBlack, clWhite, 0.5f), 0x808080); // 127.5 -> 128
    EXPECT_EQ(InterpolateColor(clRed, clBlue, 0), clRed);
    EXPECT_EQ(InterpolateColor(clRed, clBlue, 1), clBlue);
    // Blue 1.5 -> 2, green 1, red 0.5 -> 0: halves round to even.
    EXPECT_EQ(InterpolateColor(0x000000, 0x030201, 0.5f), 0x020100);
    EXPECT_EQ(InterpolateColor(0x0000C8, 0x000064, 0.25f), 0x0000AF); // 200 -> 100
    EXPECT_EQ(InterpolateColor(clRed, clLime, 0.5f), 0x008080);
}

TEST(ColorValues, InterpolateResolvesSystemColoursFirst) {
    EXPECT_EQ(InterpolateColor(clBtnFace, clBlack, 0), SystemColorTable[15]);
    EXPECT_EQ(InterpolateColor(clBlack, clWindow, 0.5f), 0x808080);
    // Not the bytes of the index: clBtnHighlight is index 0x14, but white.
    EXPECT_EQ(InterpolateColor(clBtnHighlight, clBtnHighlight, 0.3f), clWhite);
}

TEST(ColorValues, InterpolateClampsFractionsOutsideTheRange) {
    EXPECT_EQ(InterpolateColor(0x646464, 0xC8C8C8, 2), 0xFFFFFF);  // 300 clamps to 255
    EXPECT_EQ(InterpolateColor(0x646464, 0xC8C8C8, -1), 0x000000); // 0
    EXPECT_EQ(InterpolateColor(0x646464, 0xC8C8C8, 1.5f), 0xFAFAFA);
    EXPECT_EQ(InterpolateColor(0x0000FF, 0x00FF00, -0.5f), 0x0000FF);
    // Channels that agree stay put however far the fraction reaches.
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(InterpolateColor(0xFF8000, 0xFF8040, 1e30f), 0xFF80FF);
    EXPECT_EQ(InterpolateColor(0xFF8000, 0xFF8040, inf), 0xFF80FF);
    EXPECT_EQ(InterpolateColor(0xFF8000, 0xFF8040, -inf), 0xFF8000);
    EXPECT_EQ(InterpolateColor(0x123456, 0x654321, std::numeric_limits<float>::quiet_NaN()),
              0x123456);
}

TEST(ColorValues, PaletteConversionsDropFlagsAndReserved) {
    const tagPALETTEENTRY entry{10, 20, 30, 0xFF};
    const tagRGBQUAD quad = PaletteEntryToRGBQuad(entry);
    EXPECT_EQ(quad, (tagRGBQUAD{30, 20, 10, 0}));
    EXPECT_EQ(RGBQuadToPaletteEntry(quad), (tagPALETTEENTRY{10, 20, 30, 0}));
    EXPECT_EQ(RGBQuadToPaletteEntry({1, 2, 3, 99}), (tagPALETTEENTRY{3, 2, 1, 0}));

    TPaletteEntries palette;
    for (int i = 0; i < 256; ++i)
        palette[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), uint8_t(i | 1)};
    const TRGBQuads quads = PaletteEntriesToRGBQuads(palette);
    const TPaletteEntries back = RGBQuadsToPaletteEntries(quads);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(quads[i], (tagRGBQUAD{uint8_t(i / 2), uint8_t(255 - i), uint8_t(i), 0})) << i;
        EXPECT_EQ(back[i], (tagPALETTEENTRY{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0})) << i;
    }
}

// Nine formats need more than a byte: pfCustom (ordinal 8) must survive in the set.
TEST(ColorValues, PixelFormatSetHoldsEveryFormat) {
    kw::TPixelFormats formats{kw::platform::pf24bit, kw::platform::pfCustom};
    EXPECT_TRUE(formats.Contains(kw::platform::pfCustom));
    EXPECT_TRUE(formats.Contains(kw::platform::pf24bit));
    EXPECT_FALSE(formats.Contains(kw::platform::pfDevice));
    EXPECT_EQ(formats.ToBits(), (1u << 6) | (1u << 8));
    formats.Exclude(kw::platform::pfCustom);
    EXPECT_EQ(formats, kw::TPixelFormats{kw::platform::pf24bit});
}
