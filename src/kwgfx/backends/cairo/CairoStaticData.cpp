#include "kwgfx/backends/cairo/CairoStaticData.h"

#if KWGFX_HAVE_PANGO
#include "kwgfx/backends/cairo/detail/PangoText.h"
#endif

#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace kw::platform {

void ReleaseCairoStaticData() {
#if KWGFX_HAVE_PANGO
    // Pango's fonts hold Cairo's; they go first.
    cairo_detail::ReleasePangoFontMap();
#endif
    cairo_debug_reset_static_data();
    FcFini();
}

} // namespace kw::platform
