// SPDX-License-Identifier: MIT
// TGtkWindowSurface: the popover (or toplevel) with its drawing area, showing, hiding and
// painting through our canvas.
#include "kwgfx/backends/gtk/GtkWindowSurface.h"

#include "kwgfx/backends/gtk/GtkPlatform.h"

#include <cairo.h>
#include <gtk/gtk.h>

#include <algorithm>

namespace kw::platform::gtk {

namespace {

// A popover draws a frame, padding, a shadow and an arrow around its child; a window of
// ours is only its drawing area.
void InstallPopoverStyle() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css,
                                    "popover.kwgfx-window, popover.kwgfx-window > contents {"
                                    " padding: 0; margin: 0; border: none; border-radius: 0;"
                                    " box-shadow: none; background: none; min-width: 0;"
                                    " min-height: 0; }",
                                    -1);
    gtk_style_context_add_provider_for_display(gdk_display_get_default(), GTK_STYLE_PROVIDER(css),
                                               GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}

} // namespace

TGtkWindowSurface::TGtkWindowSurface()
    : FIdleSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1)), FCanvas(FIdleSurface) {}

TGtkWindowSurface::~TGtkWindowSurface() {
    if (FWindow) {
        if (FPopover)
            gtk_widget_unparent(FWindow);
        else
            gtk_window_destroy(GTK_WINDOW(FWindow));
        g_object_unref(FWindow);
    }
    if (FArea) {
        gtk_drawing_area_set_draw_func(GTK_DRAWING_AREA(FArea), nullptr, nullptr, nullptr);
        g_object_unref(FArea);
    }
    cairo_surface_destroy(FIdleSurface);
}

void TGtkWindowSurface::SetSize(int32_t Width, int32_t Height) {
    if (!FArea) return;
    gtk_drawing_area_set_content_width(GTK_DRAWING_AREA(FArea), std::max(1, Width));
    gtk_drawing_area_set_content_height(GTK_DRAWING_AREA(FArea), std::max(1, Height));
}

void TGtkWindowSurface::QueuePaint() {
    if (FArea) gtk_widget_queue_draw(FArea);
}

void TGtkWindowSurface::MakeWindow() {
    FArea = gtk_drawing_area_new();
    g_object_ref_sink(FArea);
    gtk_drawing_area_set_draw_func(GTK_DRAWING_AREA(FArea),
                                   reinterpret_cast<GtkDrawingAreaDrawFunc>(&Draw), this, nullptr);
    GtkWindow* main = MainWindow();
    GtkWidget* anchor = main ? gtk_window_get_child(main) : nullptr;
    FPopover = anchor != nullptr;
    if (FPopover) {
        InstallPopoverStyle();
        FWindow = gtk_popover_new();
        g_object_ref_sink(FWindow);
        gtk_widget_add_css_class(FWindow, "kwgfx-window");
        gtk_popover_set_has_arrow(GTK_POPOVER(FWindow), FALSE);
        gtk_popover_set_autohide(GTK_POPOVER(FWindow), FALSE);
        gtk_popover_set_position(GTK_POPOVER(FWindow), GTK_POS_BOTTOM);
        gtk_popover_set_child(GTK_POPOVER(FWindow), FArea);
        gtk_widget_set_parent(FWindow, anchor);
    } else {
        FWindow = gtk_window_new();
        g_object_ref_sink(FWindow);
        gtk_window_set_decorated(GTK_WINDOW(FWindow), FALSE);
        gtk_window_set_resizable(GTK_WINDOW(FWindow), FALSE);
        gtk_window_set_child(GTK_WINDOW(FWindow), FArea);
    }
}

void TGtkWindowSurface::Show(const TRect& Bounds) {
    if (!FWindow) MakeWindow();
    SetSize(Bounds.Width(), Bounds.Height());
    if (FPopover) {
        // A popover below a 1-pixel-high rectangle, centred on it: with the rectangle as
        // wide as the window and just above its top, the window covers Bounds exactly.
        const GdkRectangle at = {Bounds.Left, Bounds.Top - 1, std::max(1, Bounds.Width()), 1};
        gtk_popover_set_pointing_to(GTK_POPOVER(FWindow), &at);
        gtk_popover_popup(GTK_POPOVER(FWindow));
    } else {
        gtk_window_present(GTK_WINDOW(FWindow));
    }
    gtk_widget_queue_draw(FArea);
}

void TGtkWindowSurface::Hide() {
    if (!FWindow) return;
    if (FPopover)
        gtk_popover_popdown(GTK_POPOVER(FWindow));
    else
        gtk_widget_set_visible(FWindow, FALSE);
}

bool TGtkWindowSurface::Visible() const {
    return FWindow && gtk_widget_get_mapped(FWindow);
}

void TGtkWindowSurface::Draw(GtkWidget*, void* Context, int, int, void* Self) {
    auto* self = static_cast<TGtkWindowSurface*>(Self);
    if (!self->FPaint) return;
    self->FCanvas.Attach(static_cast<cairo_t*>(Context));
    try {
        self->FPaint();
    } catch (...) {
        // A paint that fails leaves the window as far as it got; GTK's C frames must not
        // see the exception.
    }
    self->FCanvas.Attach(self->FIdleSurface);
}

} // namespace kw::platform::gtk
