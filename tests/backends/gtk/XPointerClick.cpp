// SPDX-License-Identifier: MIT
// Real pointer clicks through XTest: where a widget's centre lies on the X screen, and the
// motion, press and release the server then delivers as if a mouse had made them.
#include "XPointerClick.h"

#include <gtk/gtk.h>

#if KWGFX_HAVE_XTEST
#include <gdk/x11/gdkx.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#endif

namespace kwtest {

#if KWGFX_HAVE_XTEST

namespace {

Display* XDisplayOf(GdkDisplay* Gdk) {
    return GDK_IS_X11_DISPLAY(Gdk) ? gdk_x11_display_get_xdisplay(Gdk) : nullptr;
}

// The centre of Widget in the coordinates of its native surface's X window, in X pixels.
bool CentreInSurface(GtkWidget* Widget, GtkNative* Native, double& X, double& Y) {
    const double halfWidth = gtk_widget_get_width(Widget) / 2.0;
    const double halfHeight = gtk_widget_get_height(Widget) / 2.0;
#if GTK_CHECK_VERSION(4, 10, 0)
    graphene_point_t centre;
    const graphene_point_t local{float(halfWidth), float(halfHeight)};
    if (!gtk_widget_compute_point(Widget, GTK_WIDGET(Native), &local, &centre)) return false;
    X = centre.x;
    Y = centre.y;
#else
    if (!gtk_widget_translate_coordinates(Widget, GTK_WIDGET(Native), halfWidth, halfHeight, &X,
                                          &Y))
        return false;
#endif
    // The native widget's origin sits inside its surface by the width of any client-side
    // shadow and frame; the surface may be drawn at a scale of several X pixels to one.
    double shiftX = 0, shiftY = 0;
    gtk_native_get_surface_transform(Native, &shiftX, &shiftY);
    const int scale = gdk_surface_get_scale_factor(gtk_native_get_surface(Native));
    X = (X + shiftX) * scale;
    Y = (Y + shiftY) * scale;
    return true;
}

// Runs the GLib loop until the double-click time has passed since the previous click, so
// that the next press starts a click of its own: a press within that time makes a double
// click, and a double click on a column title sorts once, not twice.
void WaitOutDoubleClick(GtkWidget* Widget, gint64& PreviousClick) {
    int doubleClickMs = 0;
    g_object_get(gtk_widget_get_settings(Widget), "gtk-double-click-time", &doubleClickMs, nullptr);
    const gint64 until = PreviousClick + (gint64(doubleClickMs) + 50) * 1000;
    const guint tick = g_timeout_add(
        10, [](gpointer) -> gboolean { return G_SOURCE_CONTINUE; }, nullptr);
    while (g_get_monotonic_time() < until) g_main_context_iteration(nullptr, TRUE);
    g_source_remove(tick);
}

} // namespace

std::string XClickUnavailable() {
    Display* display = XDisplayOf(gdk_display_get_default());
    if (!display) return "the display is not an X11 display";
    int eventBase, errorBase, major, minor;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor))
        return "the X server has no XTest extension";
    return {};
}

bool XClickCentre(GtkWidget* Widget) {
    GtkNative* native = gtk_widget_get_native(Widget);
    if (!native || !gtk_widget_get_mapped(Widget)) return false;
    GdkSurface* surface = gtk_native_get_surface(native);
    Display* display = XDisplayOf(gdk_surface_get_display(surface));
    if (!display || !GDK_IS_X11_SURFACE(surface)) return false;
    static gint64 previousClick = 0;
    WaitOutDoubleClick(Widget, previousClick);
    double x = 0, y = 0;
    if (!CentreInSurface(Widget, native, x, y)) return false;

    // Where the window really is: without a window manager it stays where it was mapped,
    // with one it may have been framed or moved; the server knows either way.
    const Window window = gdk_x11_surface_get_xid(surface);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    int rootX = 0, rootY = 0;
    Window child = 0;
    if (!XTranslateCoordinates(display, window, attributes.root, int(x), int(y), &rootX, &rootY,
                               &child))
        return false;
    const int screen = XScreenNumberOfScreen(attributes.screen);
    XTestFakeMotionEvent(display, screen, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
    previousClick = g_get_monotonic_time();
    return true;
}

#else

std::string XClickUnavailable() {
    return "built without libXtst (install libxtst-dev and configure again)";
}

bool XClickCentre(GtkWidget*) {
    return false;
}

#endif

} // namespace kwtest
