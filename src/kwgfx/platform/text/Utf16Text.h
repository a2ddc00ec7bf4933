// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// UTF-16 text for interfaces that take 16-bit characters.

#include <string>
#include <string_view>

namespace kw::platform {

/// The UTF-16 form of a UTF-8 text. A byte that does not start a well-formed UTF-8
/// sequence (overlong forms, surrogates and values above U+10FFFF included) becomes
/// U+FFFD, and decoding goes on at the next byte.
std::u16string Utf8ToUtf16(std::string_view Text);

} // namespace kw::platform
