// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/ImageList.h"

#include <algorithm>

namespace kw::platform {

namespace {

// The look of a disabled image: each pixel's brightness mapped into the upper half of the
// grey scale, so that the shape stays readable but clearly inactive. Works on
// premultiplied pixels: the grey is scaled by the pixel's alpha.
uint32_t DisabledPixel(uint32_t Pixel) {
    const uint32_t a = Pixel >> 24;
    if (a == 0) return 0;
    const uint32_t r = (Pixel >> 16) & 0xFF, g = (Pixel >> 8) & 0xFF, b = Pixel & 0xFF;
    // Un-premultiplied luminance (Rec. 601 weights in integers).
    const uint32_t lum = ((r * 299 + g * 587 + b * 114) / 1000) * 255 / a;
    const uint32_t grey = (128 + std::min<uint32_t>(lum, 255) / 2) * a / 255;
    return (a << 24) | (grey << 16) | (grey << 8) | grey;
}

} // namespace

TImageList::TImageList(int32_t Width, int32_t Height)
    : FWidth(std::max(Width, 1)), FHeight(std::max(Height, 1)) {}

int32_t TImageList::Add(std::shared_ptr<const TGraphic> Image) {
    if (!Image) return -1;
    FImages.push_back(std::move(Image));
    return Count() - 1;
}

void TImageList::Delete(int32_t Index) {
    if (Index < 0 || Index >= Count()) return;
    FImages.erase(FImages.begin() + Index);
}

std::shared_ptr<const TGraphic> TImageList::Image(int32_t Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return FImages[static_cast<std::size_t>(Index)];
}

bool TImageList::GetBitmap(int32_t Index, TPixelImage& Bitmap) const {
    const auto image = Image(Index);
    if (!image) return false;
    Bitmap.SetSize(FWidth, FHeight);
    Bitmap.StretchFrom(*image);
    return true;
}

void TImageList::Draw(TCanvas& Canvas, int32_t X, int32_t Y, int32_t Index, bool Enabled) const {
    const auto image = Image(Index);
    if (!image) return;
    // An enabled image of the list's size needs no copy.
    if (Enabled && image->Width() == FWidth && image->Height() == FHeight) {
        Canvas.Draw(X, Y, *image);
        return;
    }
    TPixelImage cell;
    GetBitmap(Index, cell);
    if (!Enabled)
        for (uint32_t& p : cell.Pixels()) p = DisabledPixel(p);
    Canvas.Draw(X, Y, cell);
}

} // namespace kw::platform
