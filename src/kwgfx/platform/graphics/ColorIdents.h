// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The colour-identifier table of the drawing platform: the names of the colours of
/// Colors.h ("clBlack", "clBtnFace", ...) and the text form of a colour value.
///
/// Text form: the identifier when the colour has one, otherwise "$" followed by the 32-bit
/// pattern in 8 upper-case hexadecimal digits ("$00123456", "$FF00001A"). StringToColor
/// reads both, and also decimal and "0x" numbers, so every text ColorToString writes
/// reads back as the same colour.

#include "kwgfx/platform/graphics/Types.h"

#include <span>
#include <string>
#include <string_view>

namespace kw::platform {

/// A colour and its identifier.
struct TIdentMapEntry {
    TColor Value;          ///< The colour.
    std::string_view Name; ///< Its identifier, such as "clBlack".
};

/// Every colour with an identifier, each value once: the 16 standard colours, clMoneyGreen,
/// clSkyBlue, clCream, clMedGray, the system colours (top byte 0xFF), clNone and clDefault.
std::span<const TIdentMapEntry> ColorIdentTable();

/// True and the identifier when Color has one; false (Ident untouched) otherwise.
bool ColorToIdent(int32_t Color, std::string& Ident);

/// True and the colour when Ident is a known identifier, compared without regard to ASCII
/// case; false (Color untouched) otherwise.
bool IdentToColor(std::string_view Ident, int32_t& Color);

/// The identifier of Color, or "$" + 8 hexadecimal digits.
std::string ColorToString(TColor Color);

/// An identifier or a whole number (decimal, "$hex" or "0xhex"; a hexadecimal text is a
/// 32-bit pattern). Anything else raises EConvertError naming the text.
TColor StringToColor(std::string_view S);

} // namespace kw::platform
