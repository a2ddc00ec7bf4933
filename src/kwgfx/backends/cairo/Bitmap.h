// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A picture in memory: an ARGB32 Cairo image surface with its own canvas. New pixels are
/// opaque white unless the bitmap is made with another background, such as
/// TRGBA::Transparent for an icon that is to be composited. PNG files load and save, alpha
/// included; pixels can be read back for tests and tools.
/// A bitmap and its canvas belong to one thread at a time; bitmaps of different threads
/// draw at the same time without a lock (KwThreads.h).

#include "kwgfx/backends/cairo/CairoCanvas.h"
#include "kwgfx/platform/graphics/Graphic.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kw::platform {

/// One pixel, straight (not premultiplied) channels; A 0 is transparent, 255 opaque.
struct TRGBA {
    uint8_t R = 0; ///< Red.
    uint8_t G = 0; ///< Green.
    uint8_t B = 0; ///< Blue.
    uint8_t A = 0; ///< Alpha.
    friend constexpr bool operator==(const TRGBA&, const TRGBA&) = default;

    static const TRGBA Transparent; ///< All zero.
    static const TRGBA White;       ///< Opaque white.
};
inline constexpr TRGBA TRGBA::Transparent{0, 0, 0, 0};
inline constexpr TRGBA TRGBA::White{255, 255, 255, 255};

/// The pixel of a colour value with the given opacity; system colours are resolved
/// (SystemColors.h).
TRGBA ColorToRGBA(TColor Color, uint8_t Alpha = 255);

/// A picture in memory with its own Cairo canvas; see the file's description.
class TBitmap : public TGraphic {
public:
    /// An empty bitmap, 0 x 0.
    TBitmap();
    /// Opaque white pixels.
    TBitmap(int32_t Width, int32_t Height);
    /// Every pixel Background, e.g. TRGBA::Transparent.
    TBitmap(int32_t Width, int32_t Height, TRGBA Background);
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    /// Width in pixels.
    int32_t Width() const override;
    /// Height in pixels.
    int32_t Height() const override;
    /// New size, all pixels opaque white. Negative sizes count as 0; sizes beyond what an
    /// image surface holds throw platform::Exception.
    void SetSize(int32_t Width, int32_t Height);
    /// The same with every pixel Background.
    void SetSize(int32_t Width, int32_t Height, TRGBA Background);
    /// Every pixel becomes Color, replaced rather than painted over, so a transparent Color
    /// makes the whole picture transparent again.
    void Clear(TRGBA Color);

    /// The canvas that draws on the bitmap.
    TCairoCanvas& Canvas() { return *FCanvas; }

    /// The pixel as a colour value 0x00BBGGRR (alpha dropped); outside the bitmap: -1.
    TColor GetPixel(int32_t X, int32_t Y) const;
    /// The pixel with its alpha; outside the bitmap all zero.
    TRGBA GetPixelRGBA(int32_t X, int32_t Y) const;

    /// Throws EFOpenError when the file cannot be opened or created, EReadError when it is
    /// not a PNG Cairo can read, EWriteError when writing fails. A failed load leaves the
    /// bitmap as it was. A file's alpha channel is kept. A bitmap whose pixels are all
    /// opaque saves as an RGB PNG, one with any transparency as RGBA.
    ///@{
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;
    ///@}

    void ReadPixels(std::span<uint32_t> Dest) const override;
    /// Copies size and pixels of another TBitmap.
    void Assign(const TPersistent& Source) override;

    /// The Cairo image surface holding the pixels; the bitmap keeps owning it.
    cairo_surface_t* Surface() const { return FSurface; }

private:
    void Replace(cairo_surface_t* Surface);

    cairo_surface_t* FSurface = nullptr;
    std::unique_ptr<TCairoCanvas> FCanvas;
};

} // namespace kw::platform
