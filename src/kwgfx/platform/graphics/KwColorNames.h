// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Colour names under the library's own names, in namespace kw: thin pass-throughs to the
/// colour-identifier table of this room (ColorIdents.h), kept beside it because they know
/// nothing but colours. The text of a colour is its identifier ("clRed", "clBtnFace") or
/// "$" + 8 hexadecimal digits ("$00123456"); StringToCanvasColor reads back every text
/// CanvasColorToString writes.

#include "kwgfx/platform/graphics/Types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kw {

/// The colour's identifier when it has one ("clRed"), otherwise "$" and 8 upper-case hexadecimal
/// digits ("$00123456").
std::string CanvasColorToString(platform::TColor Color);
/// An identifier (any ASCII case) or a whole number ("$hex", "0xhex" or decimal); other
/// text raises platform::EConvertError naming the text.
platform::TColor StringToCanvasColor(std::string_view S);
/// True and the identifier if the colour has one; false, Ident untouched, otherwise.
bool CanvasColorToIdent(int32_t Color, std::string& Ident);
/// True and the colour if the text is a known identifier; false, Color untouched, otherwise.
bool IdentToCanvasColor(std::string_view Ident, int32_t& Color);

} // namespace kw
