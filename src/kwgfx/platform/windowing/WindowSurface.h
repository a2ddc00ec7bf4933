// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// What a window paints on: a canvas the size of the window's client area. The application
/// makes one for each window that paints (TApplication::SetWindowSurfaceFactory), so the
/// same window code paints into a recording canvas in tests and into pixels in programs.
///
/// A surface may also be a window on screen (the GTK room has one). Such a surface follows
/// its control (Show, Hide) and paints on the toolkit's schedule: the control asks for a
/// paint (QueuePaint) and paints when the surface calls the paint handler, with Canvas()
/// drawing on the window. The defaults are those of a surface without a window: it paints
/// at once and ignores showing and hiding.

#include "kwgfx/platform/graphics/Canvas.h"

#include "kwgfx/platform/graphics/Types.h"

#include <cstdint>
#include <functional>

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

    /// Whether the control should QueuePaint instead of painting at once.
    virtual bool PaintsLater() const { return false; }
    /// What the surface calls when the toolkit wants the window painted.
    virtual void SetPaintHandler(std::function<void()> Paint) { (void)Paint; }
    /// Asks the toolkit for a paint; it calls the paint handler later.
    virtual void QueuePaint() {}
    /// Shows the window at Bounds (screen pixels) or moves it there; hides it.
    ///@{
    virtual void Show(const TRect& Bounds) { (void)Bounds; }
    virtual void Hide() {}
    ///@}
};

} // namespace kw::platform
