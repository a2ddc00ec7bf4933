// SPDX-License-Identifier: MIT
// Colour schemes: the palettes' values and the colour ramp over a palette.
#include "kwgfx/drawing/ColorSchemes.h"
#include "kwgfx/platform/graphics/Colors.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

TColor Gray(int V) {
    return V | (V << 8) | (V << 16);
}

const TColors BlackWhite = {platform::clBlack, platform::clWhite};

} // namespace

TEST(ColorSchemes, ListsHoldTheirColoursWithRedInTheLowByte) {
    EXPECT_EQ(DefaultColorList[0], platform::clRed);
    EXPECT_EQ(DefaultColorList[1], platform::clGreen);
    EXPECT_EQ(DefaultColorList[3], platform::clBlue);
    EXPECT_EQ(PastelsColorList[0], 0xE6D8AD);   // light blue AD D8 E6
    EXPECT_EQ(GraysColorList[5], 0x4F4F2F);     // 2F 4F 4F
    EXPECT_EQ(SouthwestColorList[1], 0x008CFF); // dark orange FF 8C 00
    EXPECT_EQ(BluesColorList[3], 0x8B0000);     // dark blue 00 00 8B
    EXPECT_EQ(VioletsColorList[0], 0xD30094);   // 94 00 D3
    EXPECT_EQ(DystopiaColorList[6], 0x8B3D48);  // 48 3D 8B
    EXPECT_EQ(AntiqueColorList[9], 0x2222B2);   // B2 22 22
    for (int k = 0; k < 10; ++k) EXPECT_EQ(BWColorList[k], k % 2 ? platform::clWhite : 0);

    EXPECT_TRUE(ColorSchemeList(csCustom).empty());
    EXPECT_EQ(ColorSchemeList(csDefaultColors).data(), DefaultColorList.data());
    EXPECT_EQ(ColorSchemeList(csAntique).data(), AntiqueColorList.data());
    EXPECT_EQ(ColorSchemeList(csGreens)[0], 0xAAE8EE);
}

TEST(IndexToColor, BlendsAlongTheSegmentsAndStopsAtTheLastColour) {
    // Black to white over 10 steps: index 0 is already a tenth of the way (25.5 -> 26).
    EXPECT_EQ(IndexToColor(0, 10, BlackWhite), Gray(26));
    EXPECT_EQ(IndexToColor(4, 10, BlackWhite), Gray(128));
    EXPECT_EQ(IndexToColor(9, 10, BlackWhite), platform::clWhite);
    EXPECT_EQ(IndexToColor(10, 10, BlackWhite), platform::clWhite) << "no colour past the list";
    EXPECT_EQ(IndexToColor(1000, 10, BlackWhite), platform::clWhite);
    EXPECT_EQ(IndexToColor(-3, 10, BlackWhite), platform::clBlack);

    // Three colours over 10 steps: two segments of 5; index 5 starts the second.
    const TColors rgb = {platform::clRed, platform::clLime, platform::clBlue};
    EXPECT_EQ(IndexToColor(5, 10, rgb), 0x33CC00); // a fifth from lime to blue
    EXPECT_EQ(IndexToColor(4, 10, rgb), platform::clLime);

    EXPECT_EQ(IndexToColor(3, 10, {}), platform::clBlack);
    EXPECT_EQ(IndexToColor(3, 10, TColors{platform::clTeal}), platform::clTeal);
    // No steps: no division by zero, the colour stays within the list's range.
    const TColor noSteps = IndexToColor(0, 0, BlackWhite);
    EXPECT_TRUE(noSteps == platform::clBlack || noSteps == platform::clWhite) << noSteps;
}
