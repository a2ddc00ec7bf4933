// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/PixelImage.h"

#include "kwgfx/platform/base/Exceptions.h"

#include <algorithm>
#include <limits>

namespace kw::platform {

TPixelImage::TPixelImage(int32_t Width, int32_t Height) {
    SetSize(Width, Height);
}

void TPixelImage::SetSize(int32_t Width, int32_t Height) {
    const int64_t w = std::max<int32_t>(Width, 0), h = std::max<int32_t>(Height, 0);
    // 2^28 pixels (1 GiB) is far beyond any picture this library handles; refusing larger
    // sizes keeps a hostile size from turning into a huge allocation.
    if (w * h > (int64_t(1) << 28)) throw ERangeError("image size out of range");
    FPixels.assign(static_cast<std::size_t>(w * h), 0u);
    FWidth = static_cast<int32_t>(w);
    FHeight = static_cast<int32_t>(h);
}

uint32_t TPixelImage::Pixel(int32_t X, int32_t Y) const {
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return 0;
    return FPixels[static_cast<std::size_t>(Y) * FWidth + X];
}

void TPixelImage::SetPixel(int32_t X, int32_t Y, uint32_t Value) {
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return;
    FPixels[static_cast<std::size_t>(Y) * FWidth + X] = Value;
}

void TPixelImage::ReadPixels(std::span<uint32_t> Dest) const {
    std::copy_n(FPixels.begin(), std::min(Dest.size(), FPixels.size()), Dest.begin());
}

void TPixelImage::Assign(const TPersistent& Source) {
    const auto* graphic = dynamic_cast<const TGraphic*>(&Source);
    if (!graphic) {
        TPersistent::Assign(Source);
        return;
    }
    if (graphic == this) return;
    SetSize(graphic->Width(), graphic->Height());
    graphic->ReadPixels(FPixels);
}

void TPixelImage::StretchFrom(const TGraphic& Source) {
    std::fill(FPixels.begin(), FPixels.end(), 0u);
    if (Source.Empty() || FPixels.empty()) return;
    TPixelImage source;
    source.Assign(Source);
    const int64_t sw = source.Width(), sh = source.Height();
    for (int32_t y = 0; y < FHeight; ++y) {
        // The source row whose span holds this row's centre: floor((y + 0.5) * sh / h).
        const int64_t sy = ((2 * int64_t(y) + 1) * sh) / (2 * int64_t(FHeight));
        for (int32_t x = 0; x < FWidth; ++x) {
            const int64_t sx = ((2 * int64_t(x) + 1) * sw) / (2 * int64_t(FWidth));
            FPixels[static_cast<std::size_t>(y) * FWidth + x] =
                source.FPixels[static_cast<std::size_t>(sy * sw + sx)];
        }
    }
}

} // namespace kw::platform
