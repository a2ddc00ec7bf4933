// SPDX-License-Identifier: MIT
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/detail/CairoHandles.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/SystemColors.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace kw::platform {

using cairo_detail::TCairoContextHandle;
using cairo_detail::TCairoSurfaceHandle;

namespace {

// Fills the whole surface with Color, replacing what was there.
void FillSurface(cairo_surface_t* S, TRGBA Color) {
    const TCairoContextHandle cr(cairo_create(S));
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr.get(), Color.R / 255.0, Color.G / 255.0, Color.B / 255.0,
                          Color.A / 255.0);
    cairo_paint(cr.get());
}

// Paints Source onto Dest at the origin, replacing what was there.
void CopySurface(cairo_surface_t* Dest, cairo_surface_t* Source) {
    const TCairoContextHandle cr(cairo_create(Dest));
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr.get(), Source, 0, 0);
    cairo_paint(cr.get());
}

TCairoSurfaceHandle CreateSurface(int32_t Width, int32_t Height, TRGBA Background) {
    Width = std::max<int32_t>(0, Width);
    Height = std::max<int32_t>(0, Height);
    TCairoSurfaceHandle s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Width, Height));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) {
        throw Exception("Bitmap size " + std::to_string(Width) + " x " + std::to_string(Height) +
                        " is not supported");
    }
    FillSurface(s.get(), Background);
    return s;
}

// Reads one pixel's premultiplied 0xAARRGGBB value.
uint32_t RawPixel(cairo_surface_t* S, int32_t X, int32_t Y) {
    cairo_surface_flush(S);
    const unsigned char* data = cairo_image_surface_get_data(S);
    uint32_t v;
    std::memcpy(&v, data + Y * cairo_image_surface_get_stride(S) + X * 4, 4);
    return v;
}

uint8_t Unpremultiply(uint32_t Channel, uint32_t Alpha) {
    if (Alpha == 0) return 0;
    return static_cast<uint8_t>(std::min<uint32_t>(255, (Channel * 255 + Alpha / 2) / Alpha));
}

} // namespace

TBitmap::TBitmap() : TBitmap(0, 0) {}

TRGBA ColorToRGBA(TColor Color, uint8_t Alpha) {
    const auto c = static_cast<uint32_t>(ColorToRGB(Color));
    return {uint8_t(c & 0xFF), uint8_t((c >> 8) & 0xFF), uint8_t((c >> 16) & 0xFF), Alpha};
}

TBitmap::TBitmap(int32_t Width, int32_t Height) : TBitmap(Width, Height, TRGBA::White) {}

TBitmap::TBitmap(int32_t Width, int32_t Height, TRGBA Background) {
    FSurface = CreateSurface(Width, Height, Background).release();
    FCanvas = std::make_unique<TCairoCanvas>(FSurface);
}

TBitmap::~TBitmap() {
    FCanvas.reset();
    cairo_surface_destroy(FSurface);
}

void TBitmap::Replace(cairo_surface_t* Surface) {
    TCairoSurfaceHandle owned(Surface);
    FCanvas->Attach(Surface);
    cairo_surface_destroy(FSurface);
    FSurface = owned.release();
}

int32_t TBitmap::Width() const {
    return cairo_image_surface_get_width(FSurface);
}

int32_t TBitmap::Height() const {
    return cairo_image_surface_get_height(FSurface);
}

void TBitmap::SetSize(int32_t Width, int32_t Height) {
    SetSize(Width, Height, TRGBA::White);
}

void TBitmap::SetSize(int32_t Width, int32_t Height, TRGBA Background) {
    Replace(CreateSurface(Width, Height, Background).release());
}

void TBitmap::Clear(TRGBA Color) {
    FillSurface(FSurface, Color);
}

TRGBA TBitmap::GetPixelRGBA(int32_t X, int32_t Y) const {
    if (X < 0 || Y < 0 || X >= Width() || Y >= Height()) return {};
    const uint32_t v = RawPixel(FSurface, X, Y);
    const uint32_t a = v >> 24;
    return {Unpremultiply((v >> 16) & 0xFF, a), Unpremultiply((v >> 8) & 0xFF, a),
            Unpremultiply(v & 0xFF, a), static_cast<uint8_t>(a)};
}

TColor TBitmap::GetPixel(int32_t X, int32_t Y) const {
    if (X < 0 || Y < 0 || X >= Width() || Y >= Height()) return -1;
    const TRGBA p = GetPixelRGBA(X, Y);
    return static_cast<TColor>(p.R | (p.G << 8) | (p.B << 16));
}

void TBitmap::ReadPixels(std::span<uint32_t> Dest) const {
    const int32_t w = Width(), h = Height();
    if (Dest.size() < static_cast<std::size_t>(w) * h) return;
    cairo_surface_flush(FSurface);
    const unsigned char* data = cairo_image_surface_get_data(FSurface);
    const int stride = cairo_image_surface_get_stride(FSurface);
    for (int32_t y = 0; y < h; ++y)
        std::memcpy(Dest.data() + static_cast<std::size_t>(y) * w, data + y * stride,
                    static_cast<std::size_t>(w) * 4);
}

void TBitmap::Assign(const TPersistent& Source) {
    const auto* other = dynamic_cast<const TBitmap*>(&Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    if (other == this) return;
    TCairoSurfaceHandle copy = CreateSurface(other->Width(), other->Height(), TRGBA::White);
    CopySurface(copy.get(), other->FSurface);
    Replace(copy.release());
}

void TBitmap::LoadFromFile(const std::string& FileName) {
    if (std::FILE* f = std::fopen(FileName.c_str(), "rb"))
        std::fclose(f);
    else
        throw EFOpenError("Cannot open file \"" + FileName + "\"");
    const TCairoSurfaceHandle png(cairo_image_surface_create_from_png(FileName.c_str()));
    const cairo_status_t status = cairo_surface_status(png.get());
    if (status != CAIRO_STATUS_SUCCESS)
        throw EReadError("Cannot read PNG file \"" + FileName +
                         "\": " + cairo_status_to_string(status));
    // Whatever format the file had, the bitmap keeps ARGB32.
    TCairoSurfaceHandle argb =
        CreateSurface(cairo_image_surface_get_width(png.get()),
                      cairo_image_surface_get_height(png.get()), TRGBA::White);
    CopySurface(argb.get(), png.get());
    Replace(argb.release());
}

void TBitmap::SaveToFile(const std::string& FileName) const {
    cairo_surface_flush(FSurface);
    const cairo_status_t status = cairo_surface_write_to_png(FSurface, FileName.c_str());
    if (status == CAIRO_STATUS_WRITE_ERROR)
        throw EFOpenError("Cannot create file \"" + FileName + "\"");
    if (status != CAIRO_STATUS_SUCCESS)
        throw EWriteError("Cannot write PNG file \"" + FileName +
                          "\": " + cairo_status_to_string(status));
}

} // namespace kw::platform
