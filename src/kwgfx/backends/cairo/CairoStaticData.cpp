// SPDX-License-Identifier: MIT
#include "kwgfx/backends/cairo/CairoStaticData.h"

#if KWGFX_HAVE_PANGO
#include "kwgfx/backends/cairo/detail/PangoText.h"
#endif

#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace kw::platform {

void ReleaseCairoStaticData() {
    bool pango = false;
#if KWGFX_HAVE_PANGO
    // Pango's shared fonts hold Cairo's; they go first.
    pango = cairo_detail::ReleasePangoFontMap();
#endif
    // Pango's fontconfig helper threads may let go of their last fonts a moment later, and
    // Cairo's and fontconfig's resets assert that no font is alive: after Pango their
    // caches stay (reachable, or named in the tests' leak suppressions).
    if (pango) return;
    cairo_debug_reset_static_data();
    FcFini();
}

} // namespace kw::platform
