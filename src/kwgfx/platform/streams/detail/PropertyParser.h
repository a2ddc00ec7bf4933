// SPDX-License-Identifier: MIT
#pragma once
// The first step of reading a property stream: the text after the header line parsed
// into a tree of property nodes. Only the syntax is checked here; which names exist and
// what their values mean is the binder's business (PropertyBinder.h).

#include "kwgfx/platform/streams/PropertyText.h"

#include <string_view>
#include <vector>

namespace kw::platform::reader_detail {

// One "Name = value" or "Name { ... }" of the text.
struct TPropertyNode {
    property_text::TToken Name;
    bool IsObject = false;
    // Scalar and binary values; a set is a tkLeftBracket token with its Members.
    property_text::TToken Value;
    std::vector<property_text::TToken> Members;
    std::vector<TPropertyNode> Children;
};

// The root object: its class name and its properties.
struct TDocument {
    property_text::TToken ClassName;
    std::vector<TPropertyNode> Properties;
};

// Parses Text, whose first line is line FirstLine of the stream, as one root object and
// nothing after it. A syntax fault, or objects nested deeper than kMaxNesting, raise
// EReadError with the position of the token at fault.
TDocument ParsePropertyDocument(std::string_view Text, int FirstLine);

} // namespace kw::platform::reader_detail
