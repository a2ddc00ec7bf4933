// SPDX-License-Identifier: MIT
// The text layout behind TCanvas::DrawText: prefix markers, line breaks, word wrapping,
// alignment and the measuring rectangle.
#include "kwgfx/platform/graphics/Canvas.h"

#include "kwgfx/platform/graphics/PixelRounding.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace kw::platform {

namespace {

// "&x" shows x, "&&" shows "&", a lone trailing "&" shows nothing.
std::string StripPrefixes(std::string_view Text) {
    std::string out;
    out.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '&') {
            if (i + 1 < Text.size() && Text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += Text[i];
    }
    return out;
}

// Splits at CR LF, CR and LF; a single-line layout joins the pieces with a space.
std::vector<std::string> SplitParagraphs(const std::string& Text, bool SingleLine) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c != '\r' && c != '\n') {
            parts.back() += c;
            continue;
        }
        if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        if (SingleLine)
            parts.back() += ' ';
        else
            parts.emplace_back();
    }
    return parts;
}

std::size_t SkipSpaces(std::string_view Text, std::size_t I) {
    while (I < Text.size() && Text[I] == ' ') ++I;
    return I;
}

} // namespace

// Greedy word wrap: as many words as fit in MaxWidth; a word that alone is too wide takes a
// line of its own. Spaces at a break are dropped.
void TCanvas::DoWrapParagraph(std::string_view Text, int32_t MaxWidth,
                              std::vector<std::string>& Lines) {
    auto Width = [this](std::string_view S) { return DoTextExtent(S).cx; };
    std::size_t start = 0;
    bool first = true;
    do {
        if (!first) start = SkipSpaces(Text, start);
        first = false;
        std::size_t fitEnd = std::string_view::npos;
        std::size_t next = Text.size();
        std::size_t j = start;
        while (true) {
            std::size_t k = SkipSpaces(Text, j);
            while (k < Text.size() && Text[k] != ' ') ++k;
            const bool fits = Width(Text.substr(start, k - start)) <= MaxWidth;
            if (fits || fitEnd == std::string_view::npos) {
                fitEnd = k;
                next = k;
                if (!fits || k >= Text.size()) break;
                j = k;
                continue;
            }
            next = fitEnd;
            break;
        }
        std::string_view line = Text.substr(start, fitEnd - start);
        while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
        Lines.emplace_back(line);
        start = next;
    } while (SkipSpaces(Text, start) < Text.size());
}

int32_t TCanvas::LayoutText(std::string_view Text, TRect& Rect, uint32_t Flags, bool Paint) {
    if (Text.empty()) {
        if (Flags & DT_CALCRECT) {
            Rect.Right = Rect.Left;
            Rect.Bottom = Rect.Top;
        }
        return 0;
    }
    const std::string shown = (Flags & DT_NOPREFIX) ? std::string(Text) : StripPrefixes(Text);
    const bool singleLine = (Flags & DT_SINGLELINE) != 0;
    auto width = [this](std::string_view S) { return DoTextExtent(S).cx; };

    // Positions are worked out in 64 bits and saturate at the pixel range, so that any
    // rectangle and font height give a defined layout.
    const int64_t left = Rect.Left, top0 = Rect.Top, right = Rect.Right, bottom = Rect.Bottom;
    std::vector<std::string> lines;
    for (const std::string& paragraph : SplitParagraphs(shown, singleLine)) {
        if ((Flags & DT_WORDBREAK) && !paragraph.empty())
            DoWrapParagraph(paragraph, ClampToPixel(right - left), lines);
        else
            lines.push_back(paragraph);
    }

    const int64_t lineHeight = DoGetTextMetrics().tmHeight;
    const int64_t blockHeight = lineHeight * static_cast<int64_t>(lines.size());
    int64_t top = top0;
    if (singleLine && (Flags & DT_VCENTER))
        top = top0 + (bottom - top0 - lineHeight) / 2;
    else if (singleLine && (Flags & DT_BOTTOM))
        top = bottom - lineHeight;

    if (Flags & DT_CALCRECT) {
        int64_t widest = 0;
        for (const std::string& line : lines) widest = std::max<int64_t>(widest, width(line));
        Rect.Right = ClampToPixel(left + widest);
        Rect.Bottom = ClampToPixel(top0 + blockHeight);
    }
    if (Paint) {
        const TRect clip = Rect;
        // Lines far from what can be seen are not drawn (a long paragraph in a small box):
        // the rows the drawing is clipped to, with a line's height to spare for glyphs that
        // reach beyond their cell; turned text may go anywhere.
        int64_t seenTop = INT64_MIN, seenBottom = INT64_MAX;
        if (Font().Orientation() == 0) {
            if (!(Flags & DT_NOCLIP)) seenTop = top0, seenBottom = bottom;
            if (const std::optional<TRect> box = ClipBox()) {
                seenTop = std::max<int64_t>(seenTop, box->Top);
                seenBottom = std::min<int64_t>(seenBottom, box->Bottom);
            }
        }
        int64_t y = top;
        for (const std::string& line : lines) {
            if (y + 2 * lineHeight <= seenTop || y - lineHeight >= seenBottom) {
                y += lineHeight;
                continue;
            }
            int64_t x = left;
            if (Flags & DT_CENTER)
                x = left + (right - left - width(line)) / 2;
            else if (Flags & DT_RIGHT)
                x = right - width(line);
            if (!line.empty())
                DoTextLine(ClampToPixel(x), ClampToPixel(y), line,
                           (Flags & DT_NOCLIP) ? nullptr : &clip);
            y += lineHeight;
        }
    }
    return ClampToPixel(top - top0 + blockHeight);
}

} // namespace kw::platform
