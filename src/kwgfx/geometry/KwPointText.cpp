// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwPointText.h"

#include "kwgfx/platform/text/NumberText.h"

namespace kw {

namespace {

constexpr bool IsPointDelimiter(char C) {
    return C == ',' || C == '(' || C == ')';
}

// Takes the text before the first delimiter and leaves the text after it in S; without a
// delimiter takes all of S and leaves nothing.
std::string_view NextToken(std::string_view& S) {
    for (size_t i = 0; i < S.size(); ++i)
        if (IsPointDelimiter(S[i])) {
            const std::string_view token = S.substr(0, i);
            S.remove_prefix(i + 1);
            return token;
        }
    const std::string_view token = S;
    S = {};
    return token;
}

} // namespace

std::string KwPointToString(const TKwPoint& P) {
    std::string s;
    s.reserve(40);
    s += '(';
    platform::AppendFloatToStr(s, P.X, USFormatSettings);
    s += ',';
    platform::AppendFloatToStr(s, P.Y, USFormatSettings);
    s += ')';
    return s;
}

TKwPoint StringToKwPoint(std::string_view S) noexcept {
    std::string_view rest = S;
    NextToken(rest);
    const std::string_view xText = NextToken(rest);
    const std::string_view yText = NextToken(rest);
    TKwPoint p;
    if (!platform::TryStrToSingle(xText, p.X, USFormatSettings) ||
        !platform::TryStrToSingle(yText, p.Y, USFormatSettings))
        return {0, 0};
    return p;
}

} // namespace kw
