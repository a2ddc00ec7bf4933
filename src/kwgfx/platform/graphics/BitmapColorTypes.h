// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The platform's colour records of bitmaps and palettes: a bitmap colour-table entry
/// (bytes blue, green, red, reserved) and a logical-palette entry (red, green, blue, flags),
/// and the pixel formats a bitmap can have.

#include <cstdint>

namespace kw::platform {

/// A colour-table entry of a bitmap: blue, green, red, reserved.
struct tagRGBQUAD {
    uint8_t rgbBlue = 0;     ///< Blue.
    uint8_t rgbGreen = 0;    ///< Green.
    uint8_t rgbRed = 0;      ///< Red.
    uint8_t rgbReserved = 0; ///< Reserved, 0.
    friend constexpr bool operator==(const tagRGBQUAD&, const tagRGBQUAD&) = default;
};

/// An entry of a logical palette: red, green, blue, flags.
struct tagPALETTEENTRY {
    uint8_t peRed = 0;   ///< Red.
    uint8_t peGreen = 0; ///< Green.
    uint8_t peBlue = 0;  ///< Blue.
    uint8_t peFlags = 0; ///< How the palette entry is used; the library copies 0.
    friend constexpr bool operator==(const tagPALETTEENTRY&, const tagPALETTEENTRY&) = default;
};

/// Bits per pixel of a bitmap; pfDevice is the screen's own format, pfCustom any other.
enum TPixelFormat : uint8_t {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};

static_assert(sizeof(tagRGBQUAD) == 4 && sizeof(tagPALETTEENTRY) == 4);

} // namespace kw::platform
