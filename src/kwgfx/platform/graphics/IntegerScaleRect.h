// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Growing an integer rectangle by an amount shared between its two sides.

#include "kwgfx/platform/graphics/Types.h"

#include <cstdint>

namespace kw::platform {

/// Returns R grown by DX in width and DY in height (negative amounts shrink it); R itself
/// is not changed. Each amount is split as evenly as integers allow: Left moves out by
/// DX / 2 (truncated towards zero) and Right by the rest, DX - DX / 2, so the width grows
/// by exactly DX and the odd pixel goes to the right (and likewise to the bottom).
/// Coordinates beyond the 32-bit range saturate instead of wrapping.
TRect ScaleRect(const TRect& R, int32_t DX, int32_t DY);

} // namespace kw::platform
