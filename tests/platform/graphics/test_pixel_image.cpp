// SPDX-License-Identifier: MIT
// In-memory pictures: sizes, pixels and copies, and stretching to another size.
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/Pen.h"
#include "kwgfx/platform/graphics/PixelImage.h"

#include "support/QuadPicture.h"

#include <gtest/gtest.h>

using namespace kw::platform;
using namespace kw::test;

TEST(PixelImage, SizesPixelsAndCopies) {
    TPixelImage image(3, -2);
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 0);
    EXPECT_TRUE(image.Empty());
    EXPECT_THROW(image.SetSize(1 << 20, 1 << 20), ERangeError);
    EXPECT_EQ(image.Width(), 3) << "a refused size leaves the image as it was";

    const auto quad = Quad();
    EXPECT_EQ(quad->Pixel(1, 0), Green);
    EXPECT_EQ(quad->Pixel(2, 0), 0u);
    EXPECT_EQ(quad->Pixel(-1, 0), 0u);
    quad->SetPixel(5, 5, Red); // outside: ignored
    image.Assign(*quad);
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Pixel(0, 1), Blue);
    EXPECT_THROW(image.Assign(TPen()), EAssignError);
}

TEST(PixelImage, StretchTakesTheNearestSourcePixel) {
    TPixelImage big(4, 4);
    big.StretchFrom(*Quad());
    const uint32_t expected[4][4] = {{Red, Red, Green, Green},
                                     {Red, Red, Green, Green},
                                     {Blue, Blue, White, White},
                                     {Blue, Blue, White, White}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(big.Pixel(x, y), expected[y][x]) << x << "," << y;

    // Shrinking a 4 x 4 checker of distinct values picks the pixels at (1, 1), (3, 1), ...
    TPixelImage source(4, 4);
    for (int i = 0; i < 16; ++i) source.Pixels()[i] = 0xFF000000u | i;
    TPixelImage small(2, 2);
    small.StretchFrom(source);
    EXPECT_EQ(small.Pixel(0, 0), 0xFF000000u | 5);
    EXPECT_EQ(small.Pixel(1, 1), 0xFF000000u | 15);
    small.StretchFrom(TPixelImage());
    EXPECT_EQ(small.Pixel(0, 0), 0u) << "an empty source leaves transparent pixels";
}
