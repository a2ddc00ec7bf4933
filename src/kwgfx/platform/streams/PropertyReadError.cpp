// SPDX-License-Identifier: MIT
#include "kwgfx/platform/streams/detail/PropertyReadError.h"

#include "kwgfx/platform/base/Exceptions.h"

namespace kw::platform::reader_detail {

using namespace property_text;

void FailAt(const TToken& At, const std::string& What) {
    throw EReadError("Property stream " + PositionText(At.Line, At.Column) + ": " + What);
}

std::string Describe(const TToken& T) {
    switch (T.Kind) {
    case TTokenKind::tkEnd:
        return "end of stream";
    case TTokenKind::tkIdentifier:
        return "'" + T.Text + "'";
    case TTokenKind::tkNumber:
        return "number";
    case TTokenKind::tkString:
        return "string";
    case TTokenKind::tkBinary:
        return "binary value";
    case TTokenKind::tkEquals:
        return "'='";
    case TTokenKind::tkLeftBrace:
        return "'{'";
    case TTokenKind::tkRightBrace:
        return "'}'";
    case TTokenKind::tkLeftBracket:
        return "'['";
    case TTokenKind::tkRightBracket:
        return "']'";
    case TTokenKind::tkComma:
        return "','";
    }
    return "token";
}

} // namespace kw::platform::reader_detail
