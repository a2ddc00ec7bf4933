// SPDX-License-Identifier: MIT
// The Cairo canvas's pen and brush: line settings, dash patterns and hatch tiles.
#include "kwgfx/backends/cairo/detail/CairoPenBrush.h"
#include "kwgfx/backends/cairo/detail/CairoConvert.h"
#include "kwgfx/backends/cairo/detail/CairoHandles.h"

#include <algorithm>
#include <cstring>

namespace kw::platform::cairo_detail {

namespace {

// An 8 x 8 tile with the hatch lines in Color on a transparent ground, repeated from the
// canvas origin.
TCairoPatternHandle CreateHatchPattern(TBrushStyle Style, TColor Color) {
    const TCairoSurfaceHandle tile(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8));
    cairo_surface_flush(tile.get());
    unsigned char* data = cairo_image_surface_get_data(tile.get());
    const int stride = cairo_image_surface_get_stride(tile.get());
    const auto c = static_cast<uint32_t>(ColorToRGB(Color));
    const uint32_t argb = 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    auto set = [&](int x, int y) { std::memcpy(data + y * stride + x * 4, &argb, 4); };
    for (int i = 0; i < 8; ++i) {
        const bool horizontal = Style == bsHorizontal || Style == bsCross;
        const bool vertical = Style == bsVertical || Style == bsCross;
        const bool down = Style == bsFDiagonal || Style == bsDiagCross;
        const bool up = Style == bsBDiagonal || Style == bsDiagCross;
        if (horizontal) set(i, 7);
        if (vertical) set(7, i);
        if (down) set(i, i);
        if (up) set(7 - i, i);
    }
    cairo_surface_mark_dirty(tile.get());
    TCairoPatternHandle pattern(cairo_pattern_create_for_surface(tile.get()));
    cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern.get(), CAIRO_FILTER_NEAREST);
    return pattern;
}

} // namespace

std::optional<int32_t> SetPenSource(cairo_t* Cr, const TPen& Pen) {
    const int32_t Width = std::max<int32_t>(1, Pen.Width());
    if (Pen.Style() == psClear) return std::nullopt;
    to_cairo_source(Cr, Pen.Color());
    cairo_set_line_width(Cr, Width);
    cairo_set_line_cap(Cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(Cr, CAIRO_LINE_JOIN_MITER);
    // Square corners stay square; sharp polygon tips are bevelled instead of spiking out.
    cairo_set_miter_limit(Cr, 2);
    // Dashed styles apply to one-pixel pens; wider pens draw solid lines.
    static const double dash[] = {18, 6};
    static const double dot[] = {3, 3};
    static const double dashDot[] = {9, 6, 3, 6};
    static const double dashDotDot[] = {9, 3, 3, 3, 3, 3};
    if (Width == 1) {
        switch (Pen.Style()) {
        case psDash:
            cairo_set_dash(Cr, dash, 2, 0);
            break;
        case psDot:
            cairo_set_dash(Cr, dot, 2, 0);
            break;
        case psDashDot:
            cairo_set_dash(Cr, dashDot, 4, 0);
            break;
        case psDashDotDot:
            cairo_set_dash(Cr, dashDotDot, 6, 0);
            break;
        default:
            break;
        }
    }
    return Width;
}

bool SetBrushSource(cairo_t* Cr, const TBrush& Brush) {
    if (Brush.Style() == bsClear) return false;
    if (Brush.Style() == bsSolid) {
        to_cairo_source(Cr, Brush.Color());
    } else {
        cairo_set_source(Cr, CreateHatchPattern(Brush.Style(), Brush.Color()).get());
    }
    return true;
}

} // namespace kw::platform::cairo_detail
