// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The system colour table and the resolution of system colour values to RGB colours.
///
/// A colour value whose top byte is 0xFF names a system colour by the index in its low
/// byte. The table holds a light desktop theme; indexes the table does not know (25 and
/// 31 to 255) resolve to black.

#include "kwgfx/platform/graphics/Types.h"

#include <array>

namespace kw::platform {

/// The number of system colour indexes the table knows (0 to 30).
inline constexpr int SystemColorCount = 31;

/// RGB colour (0x00BBGGRR) of each system colour index.
extern const std::array<TColor, SystemColorCount> SystemColorTable;

/// True for values with the top byte 0xFF.
constexpr bool IsSystemColor(TColor Color) {
    return (static_cast<uint32_t>(Color) >> 24) == 0xFF;
}

/// A system colour becomes the RGB colour the table gives for its index; every other value
/// (RGB colours, clNone, clDefault) is returned unchanged.
TColor ColorToRGB(TColor Color);

} // namespace kw::platform
