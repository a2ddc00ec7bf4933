// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Letter case of the ASCII letters only: the fast text tests that names, keys and file
/// names go through. Bytes outside A-Z / a-z (including every byte of a multi-byte UTF-8
/// character) are left alone and compared as they are.

#include <string>
#include <string_view>

namespace kw::platform {

/// C with A-Z turned into a-z.
constexpr char AsciiLower(char C) {
    return (C >= 'A' && C <= 'Z') ? char(C - 'A' + 'a') : C;
}

/// The text with A-Z turned into a-z.
std::string LowerCase(std::string_view Text);
/// The text with a-z turned into A-Z.
std::string UpperCase(std::string_view Text);

/// True when both texts are equal once A-Z and a-z are taken as the same letters.
constexpr bool SameText(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (AsciiLower(A[i]) != AsciiLower(B[i])) return false;
    return true;
}

} // namespace kw::platform
