// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A picture held in memory without any canvas: Width x Height premultiplied 0xAARRGGBB
/// pixels, row by row from the top. It is the bitmap the core can create on its own (the
/// Cairo TBitmap needs the raster target); every canvas draws it through ReadPixels.

#include "kwgfx/platform/graphics/Graphic.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kw::platform {

/// A picture in memory without a canvas; see the file's description.
class TPixelImage : public TGraphic {
public:
    TPixelImage() = default;
    /// Negative sizes count as 0. New pixels are transparent (0).
    TPixelImage(int32_t Width, int32_t Height);

    /// Width in pixels.
    int32_t Width() const override { return FWidth; }
    /// Height in pixels.
    int32_t Height() const override { return FHeight; }
    /// New size, all pixels transparent. Negative sizes count as 0; a size whose pixel count
    /// does not fit in memory throws ERangeError.
    void SetSize(int32_t Width, int32_t Height);

    /// The pixel at (X, Y); 0 outside the image.
    uint32_t Pixel(int32_t X, int32_t Y) const;
    /// Sets the pixel at (X, Y); outside the image nothing happens.
    void SetPixel(int32_t X, int32_t Y, uint32_t Value);
    /// All pixels, row by row from the top.
    ///@{
    std::span<uint32_t> Pixels() { return FPixels; }
    std::span<const uint32_t> Pixels() const { return FPixels; }
    ///@}

    void ReadPixels(std::span<uint32_t> Dest) const override;

    /// Takes over size and pixels of any graphic.
    void Assign(const TPersistent& Source) override;

    /// Copies Source scaled to this image's size, each pixel taken from the source pixel
    /// nearest to its centre. An empty source leaves every pixel transparent.
    void StretchFrom(const TGraphic& Source);

private:
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    std::vector<uint32_t> FPixels;
};

} // namespace kw::platform
