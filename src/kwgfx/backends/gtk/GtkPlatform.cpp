// SPDX-License-Identifier: MIT
// The GTK platform: InitPlatform, the main window, canvas areas, widget read-back and
// running the main context.
#include "kwgfx/backends/gtk/GtkPlatform.h"

#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/CairoCanvas.h"
#include "kwgfx/backends/gtk/GtkLoopHost.h"
#include "kwgfx/backends/gtk/GtkWindowSurface.h"
#include "kwgfx/platform/windowing/Application.h"
#include "kwgfx/platform/windowing/Screen.h"

#include <cairo.h>
#include <gtk/gtk.h>

#include <cstring>
#include <memory>

namespace kw::platform::gtk {

namespace {

std::unique_ptr<TGlibLoopHost>& LoopHost() {
    static std::unique_ptr<TGlibLoopHost> host;
    return host;
}

GtkWindow*& TheMainWindow() {
    static GtkWindow* window = nullptr;
    return window;
}

void ReadMonitorSize() {
    GListModel* monitors = gdk_display_get_monitors(gdk_display_get_default());
    if (g_list_model_get_n_items(monitors) == 0) return;
    auto* monitor = static_cast<GdkMonitor*>(g_list_model_get_item(monitors, 0));
    GdkRectangle area;
    gdk_monitor_get_geometry(monitor, &area);
    Screen().SetSize(area.width, area.height);
    g_object_unref(monitor);
}

} // namespace

bool InitPlatform(std::string* Error) {
    if (LoopHost()) return true;
    // GTK initialises once per process: a second gtk_init_check after a failed one says
    // yes without a display, so the display is what is checked.
    if (!gtk_init_check() || !gdk_display_get_default()) {
        if (Error) *Error = "cannot open a display (is DISPLAY or WAYLAND_DISPLAY set?)";
        return false;
    }
    LoopHost() = std::make_unique<TGlibLoopHost>(Application().MessageLoop());
    Application().SetWindowSurfaceFactory([] { return std::make_unique<TGtkWindowSurface>(); });
    ReadMonitorSize();
    return true;
}

bool PlatformReady() {
    return LoopHost() != nullptr;
}

void SetMainWindow(GtkWindow* Window) {
    TheMainWindow() = Window;
}

GtkWindow* MainWindow() {
    return TheMainWindow();
}

GtkWidget* NewCanvasArea(TAreaPaint Paint) {
    GtkWidget* area = gtk_drawing_area_new();
    auto draw = [](GtkDrawingArea*, cairo_t* Context, int Width, int Height, gpointer Data) {
        TCairoCanvas canvas(Context);
        try {
            (*static_cast<TAreaPaint*>(Data))(canvas, Width, Height);
        } catch (...) {
            // GTK's C frames must not see the exception; the area shows what was drawn.
        }
    };
    gtk_drawing_area_set_draw_func(GTK_DRAWING_AREA(area), draw, new TAreaPaint(std::move(Paint)),
                                   [](gpointer Data) { delete static_cast<TAreaPaint*>(Data); });
    return area;
}

bool SnapshotWidget(GtkWidget* Widget, TBitmap& Into) {
    const int width = gtk_widget_get_width(Widget);
    const int height = gtk_widget_get_height(Widget);
    GtkNative* native = gtk_widget_get_native(Widget);
    if (width <= 0 || height <= 0 || !native || !gtk_widget_get_mapped(Widget)) return false;
    GdkPaintable* paintable = gtk_widget_paintable_new(Widget);
    GtkSnapshot* snapshot = gtk_snapshot_new();
    gdk_paintable_snapshot(paintable, snapshot, width, height);
    GskRenderNode* node = gtk_snapshot_free_to_node(snapshot);
    g_object_unref(paintable);
    if (!node) return false;
    const graphene_rect_t viewport = GRAPHENE_RECT_INIT(0, 0, float(width), float(height));
    GdkTexture* texture =
        gsk_renderer_render_texture(gtk_native_get_renderer(native), node, &viewport);
    gsk_render_node_unref(node);
    // GDK's default memory format is Cairo's ARGB32 (premultiplied, native byte order).
    Into.SetSize(width, height);
    cairo_surface_t* surface = Into.Surface();
    cairo_surface_flush(surface);
    gdk_texture_download(texture, cairo_image_surface_get_data(surface),
                         cairo_image_surface_get_stride(surface));
    cairo_surface_mark_dirty(surface);
    g_object_unref(texture);
    return true;
}

bool IterateUntil(const std::function<bool()>& Done, int TimeoutMs) {
    const gint64 end = g_get_monotonic_time() + gint64(TimeoutMs) * 1000;
    // A ticking source wakes the context so that a blocking iteration never sleeps past
    // the deadline.
    const guint tick = g_timeout_add(
        10, [](gpointer) -> gboolean { return G_SOURCE_CONTINUE; }, nullptr);
    while (!Done() && g_get_monotonic_time() < end) g_main_context_iteration(nullptr, TRUE);
    g_source_remove(tick);
    return Done();
}

} // namespace kw::platform::gtk
