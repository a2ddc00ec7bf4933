#include "kwgfx/backends/cairo/CairoStaticData.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace kw::platform {

void ReleaseCairoStaticData() {
    cairo_debug_reset_static_data();
    FcFini();
}

} // namespace kw::platform
