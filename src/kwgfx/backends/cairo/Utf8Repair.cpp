// SPDX-License-Identifier: MIT
// Valid, NUL-free UTF-8 for Cairo and Pango: each invalid byte becomes U+FFFD.
#include "kwgfx/backends/cairo/detail/Utf8Repair.h"

#include <cstdint>

namespace kw::platform::cairo_detail {

namespace {

// The length of the valid sequence at I, or 0 when the byte at I starts none.
std::size_t SequenceLength(const unsigned char* S, std::size_t N, std::size_t I) {
    const unsigned char c = S[I];
    std::size_t len = 0;
    uint32_t cp = 0;
    if (c < 0x80) {
        len = 1, cp = c;
    } else if ((c & 0xE0) == 0xC0) {
        len = 2, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, cp = c & 0x07;
    }
    if (len == 0 || len > N - I) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        if ((S[I + k] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (S[I + k] & 0x3F);
    }
    static constexpr uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0) return 0;
    return len;
}

} // namespace

bool IsCleanUtf8(std::string_view Text) {
    const auto* s = reinterpret_cast<const unsigned char*>(Text.data());
    for (std::size_t i = 0; i < Text.size();) {
        if (s[i] >= 0x01 && s[i] < 0x80) {
            ++i;
            continue;
        }
        const std::size_t len = SequenceLength(s, Text.size(), i);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string RepairUtf8(std::string_view Text) {
    std::string out;
    out.reserve(Text.size());
    const auto* s = reinterpret_cast<const unsigned char*>(Text.data());
    for (std::size_t i = 0; i < Text.size();) {
        const std::size_t len = SequenceLength(s, Text.size(), i);
        if (len > 0) {
            out.append(Text.substr(i, len));
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

} // namespace kw::platform::cairo_detail
