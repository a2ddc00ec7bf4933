// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo backend: owning handles for Cairo's reference-counted objects, so
// that a reference is dropped on every way out of a scope, an exception's included.

#include <cairo.h>

#include <memory>

namespace kw::platform::cairo_detail {

template <typename T, void (*Destroy)(T*)>
struct TCairoRelease {
    void operator()(T* Object) const {
        if (Object) Destroy(Object);
    }
};

using TCairoContextHandle = std::unique_ptr<cairo_t, TCairoRelease<cairo_t, cairo_destroy>>;
using TCairoSurfaceHandle =
    std::unique_ptr<cairo_surface_t, TCairoRelease<cairo_surface_t, cairo_surface_destroy>>;
using TCairoPatternHandle =
    std::unique_ptr<cairo_pattern_t, TCairoRelease<cairo_pattern_t, cairo_pattern_destroy>>;
using TCairoFontFaceHandle =
    std::unique_ptr<cairo_font_face_t, TCairoRelease<cairo_font_face_t, cairo_font_face_destroy>>;

} // namespace kw::platform::cairo_detail
