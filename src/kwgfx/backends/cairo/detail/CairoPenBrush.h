#pragma once
// Internal to the Cairo canvas: how a TPen and a TBrush become Cairo's source and line
// settings.

#include "kwgfx/platform/graphics/Brush.h"
#include "kwgfx/platform/graphics/Pen.h"

#include <cairo.h>

#include <cstdint>

namespace kw::platform::cairo_detail {

// Sets the pen colour, width, dashes and joins; false for psClear. Width receives the
// width in pixels (at least 1), also for psClear.
bool SetPenSource(cairo_t* Cr, const TPen& Pen, int32_t& Width);

// Sets the brush colour or hatch pattern as source; false for bsClear.
bool SetBrushSource(cairo_t* Cr, const TBrush& Brush);

} // namespace kw::platform::cairo_detail
