// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A window surface that is a window on screen: a GtkDrawingArea whose draw function
/// attaches our Cairo canvas to the cairo_t GTK hands it and calls the control's paint, so a
/// control paints on screen exactly what it paints on a TBitmap.
///
/// The window is an undecorated GtkPopover anchored to the application's main window
/// (SetMainWindow): GTK 4 places popups relative to a parent, so a control's screen
/// coordinates are read as coordinates in the main window's content area. Without a main
/// window the surface is an undecorated toplevel that the window manager places.
/// QueuePaint queues a redraw (gtk_widget_queue_draw); destroying the surface removes the
/// window. Between paints the canvas draws on a small image surface of its own, so text can
/// be measured at any time.

#include "kwgfx/backends/cairo/CairoCanvas.h"
#include "kwgfx/platform/windowing/WindowSurface.h"

#include <functional>

typedef struct _GtkWidget GtkWidget;

namespace kw::platform::gtk {

/// A window surface that is a window on screen; see the file's description.
class TGtkWindowSurface final : public TWindowSurface {
public:
    TGtkWindowSurface();
    ~TGtkWindowSurface() override;
    TGtkWindowSurface(const TGtkWindowSurface&) = delete;
    TGtkWindowSurface& operator=(const TGtkWindowSurface&) = delete;

    TCanvas& Canvas() override { return FCanvas; }
    void SetSize(int32_t Width, int32_t Height) override;
    bool PaintsLater() const override { return true; }
    void SetPaintHandler(std::function<void()> Paint) override { FPaint = std::move(Paint); }
    void QueuePaint() override;
    void Show(const TRect& Bounds) override;
    void Hide() override;

    /// The drawing area, and the popover or window that holds it (null until first shown).
    ///@{
    GtkWidget* Area() const { return FArea; }
    GtkWidget* Window() const { return FWindow; }
    ///@}
    /// Whether the window is shown (mapped) on screen.
    bool Visible() const;

private:
    void MakeWindow();
    static void Draw(GtkWidget* Area, void* Context, int Width, int Height, void* Self);

    cairo_surface_t* FIdleSurface; // what the canvas draws on between paints
    TCairoCanvas FCanvas;
    std::function<void()> FPaint;
    GtkWidget* FArea = nullptr;
    GtkWidget* FWindow = nullptr;
    bool FPopover = false;
};

} // namespace kw::platform::gtk
