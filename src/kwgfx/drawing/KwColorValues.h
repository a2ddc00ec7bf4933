// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Colour arithmetic: splitting a colour value into its red, green and blue bytes and
/// joining them, interpolating between two colours, and converting palette entries to
/// bitmap colour-table entries and back.
///
/// kw::ColorToRGB splits bytes and resolves nothing; kw::platform::ColorToRGB
/// (SystemColors.h) turns system colours into RGB colours.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/BitmapColorTypes.h"
#include "kwgfx/platform/graphics/Types.h"

#include <array>
#include <cstdint>
#include <span>

namespace kw {

using platform::tagPALETTEENTRY;
using platform::tagRGBQUAD;

/// Three bytes in the order red, green, blue.
struct TRGB {
    uint8_t R = 0; ///< Red.
    uint8_t G = 0; ///< Green.
    uint8_t B = 0; ///< Blue.
    friend constexpr bool operator==(const TRGB&, const TRGB&) = default;
};
static_assert(sizeof(TRGB) == 3);
/// A pointer to a TRGB.
using PRGB = TRGB*;

/// A palette of 256 quads.
using TRGBQuads = std::array<tagRGBQUAD, 256>;
/// A palette of 256 palette entries.
using TPaletteEntries = std::array<tagPALETTEENTRY, 256>;
/// A pointer to a palette of entries.
using PPaletteEntries = TPaletteEntries*;

using platform::TPixelFormat;
/// A set of pixel formats, for users who state which formats their code handles; bit n
/// stands for the format of ordinal n. The colour routines themselves do not use it.
using TPixelFormats = TKwSet<TPixelFormat, uint16_t>;

/// The low three bytes of Color: red, green, blue. The top byte is ignored, so a system
/// colour splits into the bytes of its index.
constexpr TRGB ColorToRGB(platform::TColor Color) {
    const auto c = static_cast<uint32_t>(Color);
    return {uint8_t(c & 0xFF), uint8_t((c >> 8) & 0xFF), uint8_t((c >> 16) & 0xFF)};
}

/// R + G * 256 + B * 65536, top byte 0.
constexpr platform::TColor RGBToColor(const TRGB& RGB) {
    return platform::TColor(RGB.R | (RGB.G << 8) | (RGB.B << 16));
}

/// (1 - Fraction) * First + Fraction * Second per channel, rounded to nearest (ties to
/// even), after resolving system colours. Fraction 0 gives First, 1 gives Second; beyond
/// 0..1 the colour is extrapolated and each channel clamped to 0..255. A NaN fraction
/// counts as 0.
platform::TColor InterpolateColor(platform::TColor First, platform::TColor Second, float Fraction);

/// Copies red, green and blue; drops the flags, reserved = 0.
constexpr tagRGBQUAD PaletteEntryToRGBQuad(const tagPALETTEENTRY& Entry) {
    return {Entry.peBlue, Entry.peGreen, Entry.peRed, 0};
}

/// Copies red, green and blue; flags = 0.
constexpr tagPALETTEENTRY RGBQuadToPaletteEntry(const tagRGBQUAD& Quad) {
    return {Quad.rgbRed, Quad.rgbGreen, Quad.rgbBlue, 0};
}

/// Convert exactly 256 entries, in index order.
///@{
TRGBQuads PaletteEntriesToRGBQuads(std::span<const tagPALETTEENTRY, 256> Entries);
TPaletteEntries RGBQuadsToPaletteEntries(std::span<const tagRGBQUAD, 256> Quads);
///@}

} // namespace kw
