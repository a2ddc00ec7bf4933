// SPDX-License-Identifier: MIT
#include "kwgfx/platform/common/KwStrCompare.h"

#include "kwgfx/platform/text/LocaleStrings.h"

namespace kw::platform {

bool KwAnsiContainsStr(std::string_view SearchText, std::string_view Candidate) {
    return AnsiContainsStr(Candidate, SearchText);
}

bool KwAnsiContainsText(std::string_view SearchText, std::string_view Candidate) {
    return AnsiContainsText(Candidate, SearchText);
}

TStrCompareFunction GetStrCompareFunction(bool CaseSensitive, TCompareStringsOption Option) {
    switch (Option) {
    case csoStartsWith:
        return CaseSensitive ? &AnsiStartsStr : &AnsiStartsText;
    case csoEndsWith:
        return CaseSensitive ? &AnsiEndsStr : &AnsiEndsText;
    case csoContains:
        return CaseSensitive ? &KwAnsiContainsStr : &KwAnsiContainsText;
    default:
        return CaseSensitive ? &AnsiSameStr : &AnsiSameText;
    }
}

} // namespace kw::platform
