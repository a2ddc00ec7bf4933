// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: text handed to Cairo or Pango must be valid UTF-8 without NUL
// characters, or they refuse it (Cairo stops drawing, Pango warns and cuts the text).

#include <string>
#include <string_view>

namespace kw::platform::cairo_detail {

// Whether Text is valid UTF-8 (shortest forms, no surrogates, at most U+10FFFF) without NUL.
bool IsCleanUtf8(std::string_view Text);

// Text with every byte that does not start a valid, NUL-free sequence replaced by U+FFFD;
// reads Text's bytes only, never past its end.
std::string RepairUtf8(std::string_view Text);

} // namespace kw::platform::cairo_detail
