// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/KwColorNames.h"

#include "kwgfx/platform/graphics/ColorIdents.h"

namespace kw {

std::string CanvasColorToString(platform::TColor Color) {
    return platform::ColorToString(Color);
}

platform::TColor StringToCanvasColor(std::string_view S) {
    return platform::StringToColor(S);
}

bool CanvasColorToIdent(int32_t Color, std::string& Ident) {
    return platform::ColorToIdent(Color, Ident);
}

bool IdentToCanvasColor(std::string_view Ident, int32_t& Color) {
    return platform::IdentToColor(Ident, Color);
}

} // namespace kw
