// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Reading a colour that a person wrote: in a command line, a settings file, a style. The
/// accepted forms are the ones people reach for first:
///   clRed, clBtnFace     a colour identifier (ColorIdents.h), any ASCII case
///   red, BtnFace         the same without "cl"
///   #1E88E5, #18E        red, green and blue in hexadecimal, two digits or one (doubled)
///   $00E5881E            a colour value, 0x00BBGGRR, as ColorToString writes it
/// "none" is clNone. Decimal numbers and "0x" numbers are refused: 0x1E88E5 reads as
/// red 0xE5, green 0x88, blue 0x1E under the colour-value layout, the opposite of what
/// most people mean by it; "#" says red-green-blue and "$" says colour value, so neither
/// can be mistaken.
///
/// StringToColor (ColorIdents.h) is the reader of the stored text form: identifiers and
/// any whole number, and nothing else. Every text ColorToString writes reads back the
/// same through both.

#include "kwgfx/platform/graphics/Types.h"

#include <string_view>

namespace kw::platform {

/// True and the colour when Text has one of the forms above; false, Color untouched,
/// otherwise.
bool TryParseColor(std::string_view Text, TColor& Color);

/// The colour Text names; EConvertError naming the text and the accepted forms otherwise.
TColor ParseColor(std::string_view Text);

} // namespace kw::platform
