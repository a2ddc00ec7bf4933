// SPDX-License-Identifier: MIT
// Lexical layer of the property stream.
//   - identifiers and value spelling (writer side)
//   - number conversion (reader side)
//   - the lexer

#include "kwgfx/platform/streams/PropertyText.h"

#include "kwgfx/platform/base/Exceptions.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kw::platform::property_text {

namespace {

bool IsLetter(char C) {
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
}
bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}
int HexValue(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    return -1;
}
constexpr char kHexChars[] = "0123456789ABCDEF";

template <typename F>
std::string FormatFloat(F Value) {
    if (std::isnan(Value)) return "nan";
    if (std::isinf(Value)) return Value < 0 ? "-inf" : "inf";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, Value);
    return std::string(buf, res.ptr);
}

// Checks the shape of a decimal float text (sign handled by the caller) and returns the
// part std::from_chars reads, or false.
bool IsDecimalFloat(std::string_view S) {
    size_t i = 0, digits = 0;
    while (i < S.size() && IsDigit(S[i])) ++i, ++digits;
    if (i < S.size() && S[i] == '.') {
        ++i;
        while (i < S.size() && IsDigit(S[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < S.size() && (S[i] == 'e' || S[i] == 'E')) {
        ++i;
        if (i < S.size() && (S[i] == '+' || S[i] == '-')) ++i;
        const size_t start = i;
        while (i < S.size() && IsDigit(S[i])) ++i;
        if (i == start) return false;
    }
    return i == S.size();
}

template <typename F>
bool ParseFloat(std::string_view Text, F& Value) {
    bool negative = false;
    std::string_view s = Text;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s == "nan") {
        Value = std::numeric_limits<F>::quiet_NaN();
        return true;
    }
    if (s == "inf") {
        Value = negative ? -std::numeric_limits<F>::infinity() : std::numeric_limits<F>::infinity();
        return true;
    }
    if (!IsDecimalFloat(s)) return false;
    F v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
    Value = negative ? -v : v;
    return true;
}

} // namespace

// ---------------------------------------------------------------- writing

bool IsIdentifier(std::string_view Text) {
    if (Text.empty() || !IsLetter(Text[0])) return false;
    for (char c : Text)
        if (!IsLetter(c) && !IsDigit(c)) return false;
    return true;
}

std::string QuoteString(std::string_view Text) {
    std::string out;
    out.reserve(Text.size() + 2);
    out += '"';
    for (char c : Text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            out += "\\x";
            out += kHexChars[u >> 4];
            out += kHexChars[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string FormatSingle(float Value) {
    return FormatFloat(Value);
}

std::string FormatDouble(double Value) {
    return FormatFloat(Value);
}

std::string HexDigits(std::string_view Bytes) {
    std::string out;
    out.reserve(Bytes.size() * 2);
    for (char c : Bytes) {
        const auto u = static_cast<unsigned char>(c);
        out += kHexChars[u >> 4];
        out += kHexChars[u & 15];
    }
    return out;
}

// ---------------------------------------------------------------- number conversion

bool ParseInteger(std::string_view Text, int64_t& Value) {
    std::string_view s = Text;
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    if (s.empty() || (s[0] == '-' && s.size() == 1)) return false;
    for (size_t i = s[0] == '-' ? 1 : 0; i < s.size(); ++i)
        if (!IsDigit(s[i])) return false;
    int64_t v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
    Value = v;
    return true;
}

bool ParseSingle(std::string_view Text, float& Value) {
    return ParseFloat(Text, Value);
}

bool ParseDouble(std::string_view Text, double& Value) {
    return ParseFloat(Text, Value);
}

// ---------------------------------------------------------------- lexer

std::string PositionText(int Line, int Column) {
    return "line " + std::to_string(Line) + ", column " + std::to_string(Column);
}

TLexer::TLexer(std::string_view Text, int FirstLine) : FText(Text), FLine(FirstLine) {}

void TLexer::Fail(const std::string& What) const {
    throw EReadError("Property stream " + PositionText(FLine, FColumn) + ": " + What);
}

void TLexer::Advance() {
    if (FText[FPos] == '\n') {
        ++FLine;
        FColumn = 1;
    } else {
        ++FColumn;
    }
    ++FPos;
}

void TLexer::SkipBlanks() {
    while (!AtEnd()) {
        const char c = Peek();
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
        Advance();
    }
}

TToken TLexer::Next() {
    SkipBlanks();
    FTokenLine = FLine;
    FTokenColumn = FColumn;
    TToken t;
    t.Line = FLine;
    t.Column = FColumn;
    if (AtEnd()) return t;
    const char c = Peek();
    auto single = [&](TTokenKind Kind) {
        Advance();
        t.Kind = Kind;
        return t;
    };
    switch (c) {
    case '=':
        return single(TTokenKind::tkEquals);
    case '{':
        return single(TTokenKind::tkLeftBrace);
    case '}':
        return single(TTokenKind::tkRightBrace);
    case '[':
        return single(TTokenKind::tkLeftBracket);
    case ']':
        return single(TTokenKind::tkRightBracket);
    case ',':
        return single(TTokenKind::tkComma);
    case '"':
        return LexString();
    case '<':
        return LexBinary();
    default:
        break;
    }
    if (IsDigit(c) || c == '+' || c == '-' || c == '.') return LexNumber();
    if (IsLetter(c)) return LexIdentifier();
    const auto u = static_cast<unsigned char>(c);
    Fail(std::string("unexpected character ") + (u >= 0x21 && u < 0x7F
                                                     ? "'" + std::string(1, c) + "'"
                                                     : "0x" + HexDigits(std::string_view(&c, 1))));
}

TToken TLexer::LexString() {
    TToken t{TTokenKind::tkString, {}, FTokenLine, FTokenColumn};
    Advance(); // opening quote
    while (true) {
        if (AtEnd()) Fail("unterminated string");
        const char c = Peek();
        const auto u = static_cast<unsigned char>(c);
        if (c == '"') {
            Advance();
            return t;
        }
        if (u < 0x20 || u == 0x7F)
            Fail(c == '\n' ? "unterminated string" : "control byte in string");
        if (c != '\\') {
            t.Text += c;
            Advance();
            continue;
        }
        Advance();
        const char e = Peek();
        switch (AtEnd() ? '\0' : e) {
        case '"':
        case '\\':
            t.Text += e;
            break;
        case 'n':
            t.Text += '\n';
            break;
        case 'r':
            t.Text += '\r';
            break;
        case 't':
            t.Text += '\t';
            break;
        case 'x': {
            const int hi = HexValue(Peek(1)), lo = HexValue(Peek(2));
            if (hi < 0 || lo < 0) Fail("bad \\x escape in string");
            t.Text += static_cast<char>(hi * 16 + lo);
            Advance();
            Advance();
            break;
        }
        default:
            Fail("bad escape in string");
        }
        Advance();
    }
}

TToken TLexer::LexBinary() {
    TToken t{TTokenKind::tkBinary, {}, FTokenLine, FTokenColumn};
    Advance(); // "<"
    int pending = -1;
    while (true) {
        if (AtEnd()) Fail("unterminated binary value");
        const char c = Peek();
        if (c == '>') {
            if (pending >= 0) Fail("odd number of hex digits");
            Advance();
            return t;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            Advance();
            continue;
        }
        const int v = HexValue(c);
        if (v < 0) Fail("bad hex digit in binary value");
        if (pending < 0) {
            pending = v;
        } else {
            t.Text += static_cast<char>(pending * 16 + v);
            pending = -1;
        }
        Advance();
    }
}

TToken TLexer::LexNumber() {
    TToken t{TTokenKind::tkNumber, {}, FTokenLine, FTokenColumn};
    // Everything that can belong to a number (including "inf"/"nan" after a sign); the
    // reader checks the shape when it converts the text for its property.
    while (!AtEnd()) {
        const char c = Peek();
        const bool sign = (c == '+' || c == '-') &&
                          (t.Text.empty() || t.Text.back() == 'e' || t.Text.back() == 'E');
        if (!(IsDigit(c) || IsLetter(c) || c == '.' || sign)) break;
        t.Text += c;
        Advance();
    }
    return t;
}

TToken TLexer::LexIdentifier() {
    TToken t{TTokenKind::tkIdentifier, {}, FTokenLine, FTokenColumn};
    while (!AtEnd() && (IsLetter(Peek()) || IsDigit(Peek()))) {
        t.Text += Peek();
        Advance();
    }
    return t;
}

} // namespace kw::platform::property_text
