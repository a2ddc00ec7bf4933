// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A window surface with pixels: a TBitmap the size of the window's client area. Give the
/// application a factory of these to see what windows paint:
///   Application().SetWindowSurfaceFactory(
///       [] { return std::make_unique<TBitmapWindowSurface>(); });

#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/platform/windowing/WindowSurface.h"

namespace kw::platform {

/// A window surface of pixels; see the file's description.
class TBitmapWindowSurface final : public TWindowSurface {
public:
    TCanvas& Canvas() override { return FBitmap.Canvas(); }
    /// A new size starts from white pixels; the same size keeps the picture.
    void SetSize(int32_t Width, int32_t Height) override;
    /// The bitmap the window paints on.
    TBitmap& Bitmap() { return FBitmap; }

private:
    TBitmap FBitmap;
};

} // namespace kw::platform
