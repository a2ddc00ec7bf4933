// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The lexical layer of the property stream (docs/property-stream.md): how values are
/// spelled when written and how the text is cut into tokens when read. The writer and
/// reader (PropertyWriter.h, PropertyReader.h) build the line structure on top of it.

#include <cstdint>
#include <string>
#include <string_view>

namespace kw::platform::property_text {

/// The first line of every property stream: format name and version.
inline constexpr std::string_view kHeader = "kwgfx-properties 1";
/// Deepest nesting of objects a stream may hold (the root is level 1); the writer refuses
/// to write deeper, so everything written can be read.
inline constexpr int kMaxNesting = 64;
/// Largest stream the reader accepts, in bytes.
inline constexpr int64_t kMaxStreamSize = 64 * 1024 * 1024;

/// Names of classes, properties and enumeration or set members: a letter or "_", then
/// letters, digits and "_".
bool IsIdentifier(std::string_view Text);

/// A string between double quotes; "\" and the quote are escaped, control bytes become
/// `\n`, `\r`, `\t` or `\xHH`; other bytes (UTF-8 included) stand as they are.
std::string QuoteString(std::string_view Text);
/// Shortest text that reads back to the same float / double; "nan", "inf", "-inf".
///@{
std::string FormatSingle(float Value);
std::string FormatDouble(double Value);
///@}
/// Upper-case hexadecimal digits of Bytes, two per byte.
std::string HexDigits(std::string_view Bytes);

/// Number texts as the reader converts them. Integers: optional sign and decimal digits.
/// Floats: optional sign, digits with an optional "." and fraction, optional exponent, or
/// "nan" / "inf" with an optional sign. False for any other text or a value out of range.
///@{
bool ParseInteger(std::string_view Text, int64_t& Value);
bool ParseSingle(std::string_view Text, float& Value);
bool ParseDouble(std::string_view Text, double& Value);
///@}

/// The kinds of tokens.
enum class TTokenKind {
    tkEnd,
    tkIdentifier,
    tkNumber, ///< the raw text of a number, converted by the reader for the target kind
    tkString, ///< the decoded bytes of a quoted string
    tkBinary, ///< the decoded bytes of a `<hex>` body
    tkEquals,
    tkLeftBrace,
    tkRightBrace,
    tkLeftBracket,
    tkRightBracket,
    tkComma
};

/// One token and where it starts.
struct TToken {
    TTokenKind Kind = TTokenKind::tkEnd; ///< What the token is.
    /// Its text: an identifier's name, a number's raw text, a string's or body's decoded bytes.
    std::string Text;
    int Line = 0;   ///< The line it starts on, from 1.
    int Column = 0; ///< The column it starts at, from 1.
};

/// "line L, column C"
std::string PositionText(int Line, int Column);

/// Cuts text into tokens. Blanks, tabs and line ends separate tokens; a malformed token
/// (an unterminated string, a bad escape, an odd number of hex digits, a stray byte)
/// raises EReadError with its position.
class TLexer {
public:
    /// Text starts at line FirstLine, column 1.
    TLexer(std::string_view Text, int FirstLine);
    /// The next token; tkEnd, again and again, at the end of the text.
    TToken Next();

private:
    [[noreturn]] void Fail(const std::string& What) const;
    char Peek(size_t Ahead = 0) const {
        return FPos + Ahead < FText.size() ? FText[FPos + Ahead] : '\0';
    }
    bool AtEnd() const { return FPos >= FText.size(); }
    void Advance();
    void SkipBlanks();
    TToken LexString();
    TToken LexBinary();
    TToken LexNumber();
    TToken LexIdentifier();

    std::string_view FText;
    size_t FPos = 0;
    int FLine;
    int FColumn = 1;
    int FTokenLine = 0;
    int FTokenColumn = 0;
};

} // namespace kw::platform::property_text
