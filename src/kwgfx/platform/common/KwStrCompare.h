// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The text tests of the common package that a search picks by option and letter case.
/// All tests take the search text first and the candidate text second.

#include <cstdint>
#include <string_view>

namespace kw::platform {

/// Which test a search applies; any ordinal above csoContains means whole-text equality.
enum TCompareStringsOption : uint8_t {
    csoStartsWith, ///< the candidate starts with the search text
    csoEndsWith,   ///< the candidate ends with the search text
    csoContains,   ///< the candidate contains the search text
    csoSameText    ///< the candidate equals the search text
};

/// A test of Candidate against SearchText, as GetStrCompareFunction returns it.
using TStrCompareFunction = bool (*)(std::string_view SearchText, std::string_view Candidate);

/// True when Candidate contains SearchText, letter case significant / ignored, in the
/// comparison of LocaleStrings.h. An empty search text is contained in every candidate.
///@{
bool KwAnsiContainsStr(std::string_view SearchText, std::string_view Candidate);
bool KwAnsiContainsText(std::string_view SearchText, std::string_view Candidate);
///@}

/// The test for the option: starts-with, ends-with, contains or equality, case-sensitive
/// or not (the locale-aware tests of LocaleStrings.h and the two above).
TStrCompareFunction GetStrCompareFunction(bool CaseSensitive, TCompareStringsOption Option);

} // namespace kw::platform
