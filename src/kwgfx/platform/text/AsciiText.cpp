// SPDX-License-Identifier: MIT
#include "kwgfx/platform/text/AsciiText.h"

namespace kw::platform {

std::string LowerCase(std::string_view Text) {
    std::string result(Text);
    for (char& c : result) c = AsciiLower(c);
    return result;
}

std::string UpperCase(std::string_view Text) {
    std::string result(Text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return result;
}

} // namespace kw::platform
