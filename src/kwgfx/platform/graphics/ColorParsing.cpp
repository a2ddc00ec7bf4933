// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/ColorParsing.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/ColorIdents.h"
#include "kwgfx/platform/graphics/Colors.h"
#include "kwgfx/platform/text/AsciiText.h"

#include <cstdint>
#include <string>

namespace kw::platform {

namespace {

int HexDigit(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
}

// "#RGB" or "#RRGGBB" without the "#".
bool ParseHexRGB(std::string_view Digits, TColor& Color) {
    if (Digits.size() != 3 && Digits.size() != 6) return false;
    const size_t width = Digits.size() / 3;
    uint8_t rgb[3];
    for (size_t i = 0; i < 3; ++i) {
        int value = 0;
        for (size_t k = 0; k < width; ++k) {
            const int d = HexDigit(Digits[i * width + k]);
            if (d < 0) return false;
            value = value * 16 + d;
        }
        rgb[i] = static_cast<uint8_t>(width == 1 ? value * 17 : value);
    }
    Color = RGB(rgb[0], rgb[1], rgb[2]);
    return true;
}

// "$" and one to eight hexadecimal digits: the 32-bit pattern of a colour value.
bool ParseColorValue(std::string_view Digits, TColor& Color) {
    if (Digits.empty() || Digits.size() > 8) return false;
    uint32_t bits = 0;
    for (char c : Digits) {
        const int d = HexDigit(c);
        if (d < 0) return false;
        bits = bits * 16 + static_cast<uint32_t>(d);
    }
    Color = static_cast<TColor>(bits);
    return true;
}

bool StartsWithCl(std::string_view Text) {
    return Text.size() >= 2 && SameText(Text.substr(0, 2), "cl");
}

} // namespace

bool TryParseColor(std::string_view Text, TColor& Color) {
    if (Text.empty()) return false;
    if (Text[0] == '#') return ParseHexRGB(Text.substr(1), Color);
    if (Text[0] == '$') return ParseColorValue(Text.substr(1), Color);
    int32_t value = 0;
    // "none" is found as "clNone" below, like every other name without its "cl".
    if (IdentToColor(Text, value) ||
        (!StartsWithCl(Text) && IdentToColor("cl" + std::string(Text), value))) {
        Color = value;
        return true;
    }
    return false;
}

TColor ParseColor(std::string_view Text) {
    TColor color = clNone;
    if (TryParseColor(Text, color)) return color;
    throw EConvertError("'" + std::string(Text) +
                        "' is not a colour: use a name such as red or clBtnFace, #RRGGBB, #RGB, "
                        "or $00BBGGRR");
}

} // namespace kw::platform
