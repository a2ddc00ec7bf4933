// SPDX-License-Identifier: MIT
// A line measured by shaping it directly with HarfBuzz measures what its Pango layout
// measures, to the Pango unit: a table of lines the direct way must take or leave, and a
// property over random Latin, Greek and Cyrillic lines in several fonts, sizes and styles.
// On the canvas, what TextOut draws (its background box, as wide as the line's advance) is
// as wide as TextExtent measured the line before it was ever drawn.
#if KWGFX_HAVE_PANGO
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/CairoCanvas.h"
#include "kwgfx/backends/cairo/detail/PangoText.h"
#include "kwgfx/platform/graphics/DrawTextFlags.h"

#include <gtest/gtest.h>
#include <pango/pango.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace kw::platform;
using kw::platform::cairo_detail::TPangoText;

namespace {

TFont FontOf(const char* Name, int32_t Height, uint8_t Styles) {
    TFont f;
    f.SetName(Name);
    f.SetHeight(Height);
    f.SetStyle(TFontStyles::FromBits(Styles));
    return f;
}

// The logical width, in Pango units, of the layout Text is drawn with.
int LayoutAdvance(TPangoText& P, const std::string& Text) {
    PangoRectangle logical;
    pango_layout_line_get_extents(pango_layout_get_line_readonly(P.Line(Text).Layout, 0), nullptr,
                                  &logical);
    return logical.width;
}

std::string Utf8(char32_t C) {
    std::string s;
    if (C < 0x80) return s += char(C);
    if (C < 0x800) return s += {char(0xC0 | C >> 6), char(0x80 | (C & 0x3F))};
    return s += {char(0xE0 | C >> 12), char(0x80 | (C >> 6 & 0x3F)), char(0x80 | (C & 0x3F))};
}

// The first and last column holding a pure red pixel.
std::pair<int, int> RedColumns(const TBitmap& B) {
    std::vector<uint32_t> pixels(std::size_t(B.Width()) * B.Height());
    B.ReadPixels(pixels);
    std::pair<int, int> columns{B.Width(), -1};
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] == 0xFFFF0000u) {
            columns.first = std::min(columns.first, int(i % B.Width()));
            columns.second = std::max(columns.second, int(i % B.Width()));
        }
    return columns;
}

// Letters of one script (or of all three) with digits, punctuation and spaces among them.
std::string RandomLine(std::mt19937& Rng, int Script) {
    static const std::u32string kCommon = U" 0123456789 .,:;!?-()'\"&/ \u00A0«»©®×÷–—‘’“”…•€‼";
    static const char32_t kLetters[3][4] = {
        {'a', 'z', 0xC0, 0x17F}, {0x386, 0x3CE, 0x386, 0x3CE}, {0x400, 0x45F, 0x400, 0x45F}};
    std::string s;
    for (int n = std::uniform_int_distribution(1, 40)(Rng); n > 0; --n) {
        const int kind = std::uniform_int_distribution(0, 9)(Rng);
        const char32_t* range = kLetters[Script < 3 ? Script : kind % 3] + 2 * (kind % 2);
        if (kind < 3)
            s += Utf8(
                kCommon[std::uniform_int_distribution<std::size_t>(0, kCommon.size() - 1)(Rng)]);
        else
            s += Utf8(std::uniform_int_distribution<char32_t>(range[0], range[1])(Rng));
    }
    return s;
}

} // namespace

TEST(PangoDirectShaping, TakesTheLinesItMeasuresExactly) {
    const struct {
        const char* Text;
        bool Direct;
    } cases[] = {
        {"Quarterly report: Q3", true},
        {"office ffi AV To Wa", true},
        {"Γειά σου κόσμε", true},
        {"Привет, мир! 123", true},
        {"Łódź – „Ærøskøbing“ ©®×÷ 5 €…", true},
        {"   ", true},
        {"tab\tstop", true},
        {"abc שלום", false},
        {"Γειά Привет", false},
        {"e\u0301", false},
        {"soft\u00ADhyphen", false},
        {"你好", false},
        {"line\nbreak", false},
        {"\xFF bad", false},
    };
    TPangoText pango;
    for (const char* face : {"DejaVu Sans", "DejaVu Serif", "sans-serif"})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(face) + ": " + c.Text);
            // Smooth and crisp text by turns: the fonts found for one serve the other.
            pango.Select(FontOf(face, -13, 0), (&c - cases) % 2, 0);
            const auto direct = pango.DirectAdvance(c.Text);
            EXPECT_EQ(direct.has_value(), c.Direct);
            if (direct) {
                EXPECT_EQ(*direct, LayoutAdvance(pango, c.Text));
            }
        }
    // A character the font lacks (DejaVu has no bitcoin sign), a right-to-left paragraph
    // and expanded tabs need the layout.
    pango.Select(FontOf("DejaVu Sans", -13, 0), false, 0);
    EXPECT_FALSE(pango.DirectAdvance("5 ₿"));
    pango.Select(FontOf("DejaVu Sans", -13, 0), false, DT_RTLREADING);
    EXPECT_FALSE(pango.DirectAdvance("abc def"));
    pango.Select(FontOf("DejaVu Sans", -13, 0), false, DT_EXPANDTABS);
    EXPECT_FALSE(pango.DirectAdvance("tab\tstop"));
}

TEST(PangoDirectShaping, RandomLinesMeasureAsTheirLayouts) {
    const char* const faces[] = {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono", "Noto Sans",
                                 "Nimbus Roman"};
    const int32_t heights[] = {-7, -13, -20, -36, 17};
    std::mt19937 rng(21);
    TPangoText pango;
    TBitmap b(900, 60);
    auto& canvas = static_cast<TCairoCanvas&>(b.Canvas());
    int direct = 0;
    // 20 fonts (every face at four sizes, every style), 60 lines each, one script a line
    // or all three mixed.
    for (int f = 0; f < 20; ++f) {
        const TFont font = FontOf(faces[f % 5], heights[(f + f / 5) % 5], uint8_t(f / 5));
        const bool antialias = f % 2;
        pango.Select(font, antialias, 0);
        canvas.SetAntialias(antialias);
        canvas.Font().Assign(font);
        canvas.Font().SetColor(clWhite);
        for (int i = 0; i < 60; ++i) {
            const std::string text = RandomLine(rng, i % 4);
            SCOPED_TRACE(faces[f % 5] + (" " + std::to_string(font.Height()) + ": " + text));
            const auto advance = pango.DirectAdvance(text);
            const int layout = LayoutAdvance(pango, text);
            if (advance) {
                EXPECT_EQ(*advance, layout);
            }
            direct += advance.has_value();
            if (i % 3) continue;
            // The canvas measures the new line (directly where it can), then draws it: white
            // glyphs on a red box from its pen position to its advance.
            canvas.Brush().SetColor(clWhite);
            canvas.FillRect(TRect(0, 0, b.Width(), b.Height()));
            canvas.Brush().SetColor(clRed);
            const int32_t width = canvas.TextExtent(text).cx;
            EXPECT_EQ(width, std::lround(layout / double(PANGO_SCALE)));
            canvas.TextOut(3, 3, text);
            if (width > 0 && width < b.Width() - 3) {
                EXPECT_EQ(RedColumns(b), std::make_pair(3, 3 + width - 1));
            }
        }
    }
    // Most single-script lines go the direct way (the others hold a character some font
    // lacks, or mix scripts).
    EXPECT_GT(direct, 600);
}

#endif // KWGFX_HAVE_PANGO
