// SPDX-License-Identifier: MIT
#include "kwgfx/backends/cairo/CairoStaticData.h"

#if KWGFX_HAVE_PANGO
#include "kwgfx/backends/cairo/detail/PangoText.h"

#include <glib-object.h>
#endif

#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace kw::platform {

void ReleaseCairoStaticData() {
#if KWGFX_HAVE_PANGO
    // Pango's shared fonts hold Cairo's; they go first.
    cairo_detail::ReleasePangoFontMap();
    // Once any Pango font map has lived in the process (ours, GTK's, or that of a second copy
    // of the text code, as a test linked against the shared library has), its fonts and
    // Pango's fontconfig helper threads may still hold Cairo's and fontconfig's fonts, and
    // their resets assert that none is alive: their caches stay (reachable, or named in the
    // tests' leak suppressions).
    if (g_type_from_name("PangoCairoFcFontMap") != 0) return;
#endif
    cairo_debug_reset_static_data();
    FcFini();
}

} // namespace kw::platform
