// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Character tests of the common package. Characters are Unicode code points.

#include <bitset>
#include <string_view>

namespace kw::platform {

/// A set of the character codes 0 to 255.
using TKwCharSet = std::bitset<256>;

/// The set of the given single-byte characters (each byte of the text is one code).
inline TKwCharSet KwCharSet(std::string_view Chars) {
    TKwCharSet set;
    for (char c : Chars) set.set(static_cast<unsigned char>(c));
    return set;
}

/// True for the decimal digits '0' to '9' only (not for other scripts' digits).
constexpr bool KwIsDigit(char32_t C) {
    return C >= U'0' && C <= U'9';
}

/// True exactly when C is below 256 and a member of Set.
inline bool KwCharInSet(char32_t C, const TKwCharSet& Set) {
    return C < 256 && Set.test(C);
}

} // namespace kw::platform
