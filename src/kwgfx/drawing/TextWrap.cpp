// SPDX-License-Identifier: MIT
// WrapCanvasText: the chunk scan over the text's code points, and the line filling.
#include "kwgfx/drawing/TextWrap.h"

#include <vector>

namespace kw {

namespace {

// The text as code points, each with the byte offset where it starts. A byte that does
// not begin a well-formed UTF-8 sequence counts as one character of its own, outside the
// 0..255 range so that it matches no character set.
struct TCodePoints {
    std::vector<char32_t> Chars;
    std::vector<size_t> Offsets;

    explicit TCodePoints(std::string_view Text) {
        size_t i = 0;
        while (i < Text.size()) {
            const auto lead = static_cast<unsigned char>(Text[i]);
            size_t length = lead < 0x80                    ? 1
                            : lead >= 0xC2 && lead <= 0xDF ? 2
                            : lead >= 0xE0 && lead <= 0xEF ? 3
                            : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                           : 0;
            char32_t c = length == 1   ? lead
                         : length == 2 ? lead & 0x1F
                         : length == 3 ? lead & 0x0F
                                       : lead & 0x07;
            if (length == 0 || i + length > Text.size()) length = 0;
            for (size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(Text[i + k]);
                if ((next & 0xC0) != 0x80) {
                    length = 0;
                    break;
                }
                c = (c << 6) | (next & 0x3F);
            }
            if (length == 0) {
                c = 0xFFFD;
                length = 1;
            }
            Chars.push_back(c);
            Offsets.push_back(i);
            i += length;
        }
        Offsets.push_back(Text.size());
    }
    size_t Size() const { return Chars.size(); }
};

bool IsQuote(char32_t C) {
    return C == U'"' || C == U'\'';
}

bool IsLineEnd(char32_t C) {
    return C == U'\r' || C == U'\n';
}

// The number of characters of the chunk that begins at Start: a word with its quoted
// runs, then the break characters after it, then the line ends after those. The scan
// stops before the text's last character, which is never part of a chunk.
size_t ChunkLength(const TCodePoints& Text, size_t Start, const platform::TKwCharSet& Breaks) {
    const size_t last = Text.Size() - 1;
    const auto& s = Text.Chars;
    size_t i = Start;
    while (i < last && !platform::KwCharInSet(s[i], Breaks) && !IsLineEnd(s[i])) {
        if (IsQuote(s[i])) {
            ++i;
            while (i < last && !IsQuote(s[i])) ++i;
            if (i < last) ++i; // the closing quote belongs to the chunk
        } else {
            ++i;
        }
    }
    while (i < last && platform::KwCharInSet(s[i], Breaks)) ++i;
    while (i < last && IsLineEnd(s[i])) ++i;
    return i - Start;
}

bool EndsWithCrLf(std::string_view Chunk) {
    return Chunk.ends_with("\r\n");
}

} // namespace

std::string WrapCanvasText(platform::TCanvas& Canvas, std::string_view Text,
                           std::string_view LineBreak, const platform::TKwCharSet& BreakChars,
                           float MaxWidth) {
    std::string result;
    if (Text.empty()) return result;
    const TCodePoints text(Text);
    const size_t last = text.Size() - 1;
    float lineWidth = 0;
    bool atLineStart = true;
    size_t i = 0;
    while (i < last) {
        const size_t length = ChunkLength(text, i, BreakChars);
        const std::string_view chunk =
            Text.substr(text.Offsets[i], text.Offsets[i + length] - text.Offsets[i]);
        const float chunkWidth = static_cast<float>(Canvas.TextWidth(chunk));
        if (atLineStart ||
            static_cast<long double>(lineWidth) + chunkWidth < static_cast<long double>(MaxWidth)) {
            result += chunk;
            lineWidth += chunkWidth;
            atLineStart = EndsWithCrLf(chunk);
            if (atLineStart) lineWidth = 0;
        } else if (EndsWithCrLf(chunk)) {
            result += chunk;
            atLineStart = true;
            lineWidth = 0;
        } else {
            result += LineBreak;
            result += chunk;
            lineWidth = chunkWidth;
        }
        i += length;
    }
    result += Text.substr(text.Offsets[last]);
    return result;
}

std::string WrapCanvasText(platform::TCanvas& Canvas, std::string_view Text, float MaxWidth) {
    return WrapCanvasText(Canvas, Text, "\r\n", DefaultWrapBreakChars, MaxWidth);
}

} // namespace kw
