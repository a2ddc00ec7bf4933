// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A list of same-sized images addressed by index, as toolbars and shape controls use them.
/// The list holds graphics shared with the caller (any TGraphic: a Cairo TBitmap, a
/// TPixelImage, ...) and shows each at the list's own Width x Height: an image of another
/// size is scaled to it when fetched or drawn.

#include "kwgfx/platform/graphics/Canvas.h"
#include "kwgfx/platform/graphics/Graphic.h"
#include "kwgfx/platform/graphics/PixelImage.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kw::platform {

/// A list of same-sized images; see the file's description.
class TImageList : public TPersistent {
public:
    /// Sizes below 1 count as 1.
    explicit TImageList(int32_t Width = 16, int32_t Height = 16);

    /// The size the images are shown at.
    ///@{
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    ///@}
    /// The number of images.
    int32_t Count() const { return static_cast<int32_t>(FImages.size()); }

    /// Appends an image and returns its index; a null image is not added and gives -1.
    int32_t Add(std::shared_ptr<const TGraphic> Image);
    /// Removes the image at Index (later images move down by one); out of range: nothing.
    void Delete(int32_t Index);
    /// Removes every image.
    void Clear() { FImages.clear(); }
    /// The image as added; null for an index out of range.
    std::shared_ptr<const TGraphic> Image(int32_t Index) const;

    /// Fetches the image at Index into Bitmap at the list's size. Returns false, leaving
    /// Bitmap unchanged, for an index out of range.
    bool GetBitmap(int32_t Index, TPixelImage& Bitmap) const;

    /// Draws the image at Index at the list's size with its top-left corner at (X, Y); a
    /// disabled image is drawn in light greys. An index out of range draws nothing.
    void Draw(TCanvas& Canvas, int32_t X, int32_t Y, int32_t Index, bool Enabled = true) const;

private:
    int32_t FWidth;
    int32_t FHeight;
    std::vector<std::shared_ptr<const TGraphic>> FImages;
};

} // namespace kw::platform
