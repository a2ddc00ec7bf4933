// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Puts the application on GTK 4: InitPlatform opens the display, runs the application's
/// message loop on GLib (TGlibLoopHost), makes every window surface a window on screen
/// (TGtkWindowSurface) and sets Screen() to the monitor's size. The headless platform stays
/// the default: nothing changes until InitPlatform succeeds.
///
/// Helpers for programs and tests: a drawing area that paints with our canvas, a read-back
/// of what a widget shows, and running the main context until something happened.

#include "kwgfx/platform/graphics/Canvas.h"

#include <cstdint>
#include <functional>
#include <string>

typedef struct _GtkWidget GtkWidget;
typedef struct _GtkWindow GtkWindow;

namespace kw::platform {
class TBitmap;
}

namespace kw::platform::gtk {

/// False, with the reason in Error, when no display can be opened; true when the platform
/// is (already) up.
///@{
bool InitPlatform(std::string* Error = nullptr);
bool PlatformReady();
///@}

/// The window popups (hint windows) are anchored to; null for none.
///@{
void SetMainWindow(GtkWindow* Window);
GtkWindow* MainWindow();
///@}

/// Paints an area of Width x Height pixels on Canvas.
using TAreaPaint = std::function<void(TCanvas& Canvas, int32_t Width, int32_t Height)>;
/// A GtkDrawingArea that paints with Paint on a Cairo canvas over GTK's cairo_t, at the
/// area's size, every time GTK draws it.
GtkWidget* NewCanvasArea(TAreaPaint Paint);

/// What Widget shows, rendered by its window's renderer into Into (resized to the widget).
/// False when the widget is not shown or has no size.
bool SnapshotWidget(GtkWidget* Widget, TBitmap& Into);

/// Iterates the default main context until Done() or TimeoutMs; returns Done().
bool IterateUntil(const std::function<bool()>& Done, int TimeoutMs);

} // namespace kw::platform::gtk
