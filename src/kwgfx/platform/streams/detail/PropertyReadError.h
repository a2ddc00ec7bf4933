// SPDX-License-Identifier: MIT
#pragma once
// How the property reader's files report a fault in the text: an EReadError that names
// the line and column of the token at fault and says what was expected there.

#include "kwgfx/platform/streams/PropertyText.h"

#include <string>

namespace kw::platform::reader_detail {

// Raises EReadError "Property stream line L, column C: What" for the token At.
[[noreturn]] void FailAt(const property_text::TToken& At, const std::string& What);

// The token as an error message names it: "'Name'", "number", "end of stream", "'{'", ...
std::string Describe(const property_text::TToken& T);

} // namespace kw::platform::reader_detail
