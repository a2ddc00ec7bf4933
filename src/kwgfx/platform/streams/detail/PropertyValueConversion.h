// SPDX-License-Identifier: MIT
#pragma once
// What a value in the property text means for a property of a given kind. Published
// properties are converted here before anything is applied; the reader's Read... calls
// for declared properties convert their one token with the same rules.

#include "kwgfx/platform/base/PublishedProperty.h"
#include "kwgfx/platform/streams/PropertyText.h"
#include "kwgfx/platform/streams/detail/PropertyParser.h"

#include <cstdint>

namespace kw::platform::reader_detail {

// The token's value as each kind reads it; false when the token is of another kind or its
// text does not convert. Integers come from number tokens only; floats also from the names
// "nan" and "inf", which the lexer gives as identifiers; booleans are the names "true" and
// "false".
bool TokenInteger(const property_text::TToken& T, int64_t& Value);
bool TokenSingle(const property_text::TToken& T, float& Value);
bool TokenDouble(const property_text::TToken& T, double& Value);
bool TokenBoolean(const property_text::TToken& T, bool& Value);

// Node's value converted to the kind of Prop, which is not pkObject: integers in the 32-bit
// range, singles as doubles, enumerations by ordinal, sets as a mask of ordinal bits. A
// value of the wrong form, out of range or naming no member raises EReadError at the
// offending token.
TPropertyValue ConvertValue(const TPublishedProperty& Prop, const TPropertyNode& Node);

} // namespace kw::platform::reader_detail
