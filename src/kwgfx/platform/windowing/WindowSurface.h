#pragma once
/// \file
/// What a window paints on: a canvas the size of the window's client area. The application
/// makes one for each window that paints (TApplication::SetWindowSurfaceFactory), so the
/// same window code paints into a recording canvas in tests and into pixels in programs.

#include "kwgfx/platform/graphics/Canvas.h"

#include <cstdint>

namespace kw::platform {

/// What a window paints on; see the file's description.
class TWindowSurface {
public:
    virtual ~TWindowSurface() = default;
    /// The canvas to paint on.
    virtual TCanvas& Canvas() = 0;
    /// Called before each paint with the size of the window's client area; a surface with
    /// pixels resizes them.
    virtual void SetSize(int32_t Width, int32_t Height) = 0;
};

} // namespace kw::platform
