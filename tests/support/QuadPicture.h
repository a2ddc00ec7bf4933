// SPDX-License-Identifier: MIT
#pragma once
// A small picture shared by the tests of pictures, image lists and the image-list shapes:
// 2 x 2 pixels of four different colours, so that scaling and copying show where every
// pixel went.

#include <kwgfx/platform/graphics/PixelImage.h>

#include <cstdint>
#include <memory>

namespace kw::test {

inline constexpr uint32_t Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF,
                          White = 0xFFFFFFFF;

// A 2 x 2 picture: red, green over blue, white.
inline std::shared_ptr<platform::TPixelImage> Quad() {
    auto image = std::make_shared<platform::TPixelImage>(2, 2);
    image->SetPixel(0, 0, Red);
    image->SetPixel(1, 0, Green);
    image->SetPixel(0, 1, Blue);
    image->SetPixel(1, 1, White);
    return image;
}

} // namespace kw::test
