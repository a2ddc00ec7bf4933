// SPDX-License-Identifier: MIT
#include "kwgfx/platform/text/Utf16Text.h"

namespace kw::platform {

namespace {

// Decodes the sequence at Text[At]; returns the code point (or U+FFFD) and sets Length
// to the bytes used (1 for a malformed sequence).
char32_t DecodeAt(std::string_view Text, size_t At, size_t& Length) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(Text[i]); };
    const unsigned char lead = byte(At);
    Length = 1;
    if (lead < 0x80) return lead;
    size_t count;
    char32_t cp;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return U'\uFFFD';
    }
    if (At + count >= Text.size()) return U'\uFFFD'; // cut short at the end
    for (size_t i = 1; i <= count; ++i) {
        const unsigned char b = byte(At + i);
        if ((b & 0xC0) != 0x80) return U'\uFFFD';
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return U'\uFFFD';
    Length = count + 1;
    return cp;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view Text) {
    std::u16string result;
    result.reserve(Text.size());
    for (size_t at = 0; at < Text.size();) {
        size_t length = 1;
        const char32_t cp = DecodeAt(Text, at, length);
        at += length;
        if (cp < 0x10000) {
            result.push_back(char16_t(cp));
        } else {
            const char32_t v = cp - 0x10000;
            result.push_back(char16_t(0xD800 + (v >> 10)));
            result.push_back(char16_t(0xDC00 + (v & 0x3FF)));
        }
    }
    return result;
}

} // namespace kw::platform
