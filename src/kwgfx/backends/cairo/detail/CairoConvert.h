// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: conversions from the platform's values to Cairo's.

#include "kwgfx/platform/graphics/PolyFillMode.h"
#include "kwgfx/platform/graphics/SystemColors.h"
#include "kwgfx/platform/graphics/Types.h"

#include <cairo.h>

namespace kw::platform::cairo_detail {

struct TCairoRGB {
    double R, G, B;
};

// System colours are resolved first; the top byte of other values is ignored.
static inline TCairoRGB to_cairo_rgb(TColor Color) {
    const auto c = static_cast<uint32_t>(ColorToRGB(Color));
    return {(c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0};
}

static inline void to_cairo_source(cairo_t* Cr, TColor Color) {
    const TCairoRGB rgb = to_cairo_rgb(Color);
    cairo_set_source_rgb(Cr, rgb.R, rgb.G, rgb.B);
}

static inline cairo_antialias_t to_cairo_antialias(bool On) {
    return On ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE;
}

static inline cairo_filter_t to_cairo_filter(bool Smooth) {
    return Smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST;
}

static inline cairo_fill_rule_t to_cairo_fill_rule(TPolyFillMode FillMode) {
    return FillMode == pfWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD;
}

// A 16-bit gradient channel as Cairo's 0..1.
static inline double to_cairo_channel(uint16_t Value) {
    return Value / 65280.0 > 1.0 ? 1.0 : Value / 65280.0;
}

} // namespace kw::platform::cairo_detail
