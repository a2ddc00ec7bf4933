#pragma once
// A picture in memory: an ARGB32 Cairo image surface with its own canvas. New pixels are
// opaque white. PNG files load and save; pixels can be read back for tests and tools.
// A bitmap and its canvas belong to one thread at a time; bitmaps of different threads
// draw at the same time without a lock (KwThreads.h).

#include "kwgfx/platform/graphics/Graphic.h"
#include "kwgfx/platform/graphics/cairo/CairoCanvas.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kw::platform {

// One pixel, straight (not premultiplied) channels.
struct TRGBA {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    uint8_t A = 0;
    friend constexpr bool operator==(const TRGBA&, const TRGBA&) = default;
};

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int32_t Width, int32_t Height);
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int32_t Width() const override;
    int32_t Height() const override;
    // New size, all pixels opaque white. Negative sizes count as 0; sizes beyond what an
    // image surface holds throw platform::Exception.
    void SetSize(int32_t Width, int32_t Height);

    TCairoCanvas& Canvas() { return *FCanvas; }

    // The pixel as a colour value 0x00BBGGRR (alpha dropped); outside the bitmap: -1.
    TColor GetPixel(int32_t X, int32_t Y) const;
    // The pixel with its alpha; outside the bitmap all zero.
    TRGBA GetPixelRGBA(int32_t X, int32_t Y) const;

    // Throws EFOpenError when the file cannot be opened or created, EReadError when it is
    // not a PNG Cairo can read, EWriteError when writing fails. A failed load leaves the
    // bitmap as it was.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

    void ReadPixels(std::span<uint32_t> Dest) const override;
    // Copies size and pixels of another TBitmap.
    void Assign(const TPersistent& Source) override;

    cairo_surface_t* Surface() const { return FSurface; }

private:
    void Replace(cairo_surface_t* Surface);

    cairo_surface_t* FSurface = nullptr;
    std::unique_ptr<TCairoCanvas> FCanvas;
};

} // namespace kw::platform
