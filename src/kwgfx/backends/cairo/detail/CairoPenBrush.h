// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: how a TPen and a TBrush become Cairo's source and line
// settings.

#include "kwgfx/platform/graphics/Brush.h"
#include "kwgfx/platform/graphics/Pen.h"

#include <cairo.h>

#include <cstdint>
#include <optional>

namespace kw::platform::cairo_detail {

// Sets the pen colour, width, dashes and joins and gives the width in pixels (at least 1);
// nothing for psClear, which draws nothing.
std::optional<int32_t> SetPenSource(cairo_t* Cr, const TPen& Pen);

// Sets the brush colour or hatch pattern as source; false for bsClear.
bool SetBrushSource(cairo_t* Cr, const TBrush& Brush);

} // namespace kw::platform::cairo_detail
