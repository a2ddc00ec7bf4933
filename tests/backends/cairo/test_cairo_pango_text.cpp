// SPDX-License-Identifier: MIT
// Text through Pango on the Cairo canvas, checked against tools outside the library:
// HarfBuzz's hb-shape and hb-view for runs of one script in one font file, fribidi for the
// visual order of mixed-direction lines, pdftotext for the words of a PDF page; fallback to
// fonts that have what the asked-for font lacks; Unicode line breaking in DrawText.
#include "PixelTestTools.h"
#include "TextOracles.h"
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/CairoCanvas.h"
#include "kwgfx/backends/cairo/VectorDocument.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>

using namespace kw::platform;
using namespace kwtest;

namespace {

struct TSample {
    const char* Script;
    const char* Text;
    bool ColourGlyphs = false; // bitmaps hb-view does not draw
};

// One script each, so that one font file has all of a sample.
const TSample kSamples[] = {
    {"Latin with ligatures", "office affine waffle"},
    {"Greek", "Γειά σου κόσμε"},
    {"Cyrillic", "Привет, мир"},
    {"Arabic", "مرحبا بالعالم"},
    {"Hebrew", "שלום עולם"},
    {"Devanagari", "नमस्ते दुनिया"},
    {"Thai", "สวัสดีชาวโลก"},
    {"Chinese", "你好，世界"},
    {"Japanese", "こんにちは世界"},
    {"Emoji", "😀🎉", true},
};

constexpr int kPixels = 20;
// Pictures are compared larger, where strokes are several pixels wide and the hinting of
// one renderer or the other moves little of the ink.
constexpr int kInkPixels = 64;

std::string Scratch(const std::string& Name) {
    // One folder per process (ctest runs the tests of this file in parallel), removed when
    // the process ends.
    static const kwtest::TScratchFolder folder("kwgfx-pango-text");
    return folder.File(Name);
}

std::string Quote(const std::string& S) {
    return "'" + std::regex_replace(S, std::regex("'"), "'\\''") + "'";
}

// The sum of the advances hb-shape gives Text in Font at kPixels, in pixels.
double HarfBuzzAdvance(const TFontFile& Font, const std::string& Text) {
    const std::string textFile = Scratch("shape.txt");
    WriteFile(textFile, Text);
    // A size a thousand times larger keeps three decimals of the pixel advances.
    const std::string json =
        RunCommand(std::string(KWGFX_HB_SHAPE) + " --font-size=" + std::to_string(kPixels * 1000) +
                   " --face-index=" + std::to_string(Font.Index) + " --output-format=json" +
                   " --text-file=" + Quote(textFile) + " " + Quote(Font.File));
    double sum = 0;
    const std::regex advance("\"ax\":(-?[0-9]+)");
    for (std::sregex_iterator it(json.begin(), json.end(), advance), end; it != end; ++it)
        sum += std::stod((*it)[1]) / 1000;
    return sum;
}

// The ink of hb-view's picture of Text in Font at kInkPixels.
TInkMask HarfBuzzInk(const TFontFile& Font, const std::string& Text) {
    const std::string textFile = Scratch("view.txt"), png = Scratch("view.png");
    WriteFile(textFile, Text);
    std::filesystem::remove(png);
    RunCommand(std::string(KWGFX_HB_VIEW) + " --font-size=" + std::to_string(kInkPixels) +
               " --face-index=" + std::to_string(Font.Index) + " --margin=4 -O png -o " +
               Quote(png) + " --text-file=" + Quote(textFile) + " " + Quote(Font.File));
    TBitmap picture;
    picture.LoadFromFile(png);
    return InkMask(picture);
}

// The ink of Text drawn by the canvas in Family at kInkPixels, anti-aliased like hb-view's
// picture.
TInkMask CanvasInk(const std::string& Family, const std::string& Text,
                   TCairoTextEngine Engine = TCairoTextEngine::Pango) {
    TBitmap probe(1, 1);
    probe.Canvas().Font().SetName(Family);
    probe.Canvas().Font().SetHeight(-kInkPixels);
    const TSize size = probe.Canvas().TextExtent(Text);
    TBitmap b(size.cx + 2 * kInkPixels, size.cy + 2 * kInkPixels);
    auto& c = static_cast<TCairoCanvas&>(b.Canvas());
    c.SetTextEngine(Engine);
    c.SetAntialias(true);
    c.Font().SetName(Family);
    c.Font().SetHeight(-kInkPixels);
    c.Brush().SetStyle(bsClear);
    c.TextOut(kInkPixels, kInkPixels, Text);
    return InkMask(b);
}

bool HaveTools() {
    return TCairoCanvas::HasPango() && *KWGFX_HB_SHAPE && *KWGFX_HB_VIEW;
}

} // namespace

// Each sample in the first font that has all of it: the canvas measures what HarfBuzz
// shapes (ligatures, joined Arabic, conjuncts, marks) and draws the same glyphs.
TEST(PangoText, SingleScriptRunsAgreeWithHarfBuzz) {
    if (!HaveTools()) GTEST_SKIP() << "needs Pango, hb-shape and hb-view (libharfbuzz-bin)";
    for (const TSample& s : kSamples) {
        SCOPED_TRACE(s.Script);
        const auto font = CoveringFont(s.Text, "sans-serif");
        if (!font) {
            ADD_FAILURE() << "no font has all of \"" << s.Text
                          << "\" (scripts/install-deps.sh installs them)";
            continue;
        }
        SCOPED_TRACE(font->Family + " " + font->File);
        TBitmap probe(1, 1);
        probe.Canvas().Font().SetName(font->Family);
        probe.Canvas().Font().SetHeight(-kPixels);
        EXPECT_NEAR(probe.Canvas().TextWidth(s.Text), HarfBuzzAdvance(*font, s.Text), 1.0);
        const TInkMask ours = CanvasInk(font->Family, s.Text);
        EXPECT_GT(ours.Count(), 20);
        if (s.ColourGlyphs)
            EXPECT_GT(ours.Colourful, ours.Count() / 4) << "colour glyphs drawn in colour";
        else
            EXPECT_GE(InkIoU(ours, HarfBuzzInk(*font, s.Text)), 0.9);
    }
}

// Devanagari and Chinese asked for in a face without them come from the font fontconfig
// puts first for that face among those that have them, not as missing-glyph boxes.
TEST(PangoText, FallbackDrawsWhatTheFontLacks) {
    if (!HaveTools()) GTEST_SKIP() << "needs Pango, hb-shape and hb-view (libharfbuzz-bin)";
    const std::string latin = "DejaVu Sans";
    for (const char* text : {"नमस्ते दुनिया", "你好，世界"}) {
        SCOPED_TRACE(text);
        const auto fallback = CoveringFont(text, latin);
        ASSERT_TRUE(fallback) << "no font has \"" << text << "\" (scripts/install-deps.sh)";
        ASSERT_NE(fallback->Family, latin);
        TBitmap probe(1, 1);
        probe.Canvas().Font().SetName(latin);
        probe.Canvas().Font().SetHeight(-kPixels);
        EXPECT_NEAR(probe.Canvas().TextWidth(text), HarfBuzzAdvance(*fallback, text), 1.0);
        const TInkMask ours = CanvasInk(latin, text);
        EXPECT_GE(InkIoU(ours, HarfBuzzInk(*fallback, text)), 0.9);
        // The simple path's boxes are what a missing glyph looks like.
        const TInkMask boxes = CanvasInk(latin, text, TCairoTextEngine::Simple);
        EXPECT_LT(InkIoU(ours, boxes), 0.5);
    }
}

namespace {

// Where each word of Line lands when the canvas draws it: the left edge at which the word,
// drawn alone, matches the line's pixels best. Words in the order of their left edges.
std::vector<std::string> WordsInVisualOrder(const std::string& Line, uint32_t Flags) {
    std::vector<std::string> words;
    std::istringstream in(Line);
    for (std::string w; in >> w;) words.push_back(w);
    const int width = 1000, height = 2 * kInkPixels;
    const auto inkOf = [&](const TBitmap& B) {
        std::vector<uint8_t> ink(std::size_t(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ink[std::size_t(y) * width + x] = B.GetPixel(x, y) != clWhite;
        return ink;
    };
    TBitmap whole(width, height);
    TRect r(0, 0, width, height);
    whole.Canvas().Font().SetHeight(-kInkPixels);
    whole.Canvas().DrawText(Line, r, Flags | DT_SINGLELINE | DT_NOPREFIX);
    const std::vector<uint8_t> line = inkOf(whole);
    std::multimap<int, std::string> byLeft;
    for (const std::string& w : words) {
        TBitmap alone(width, height);
        alone.Canvas().Font().SetHeight(-kInkPixels);
        alone.Canvas().TextOut(0, 0, w);
        const std::vector<uint8_t> word = inkOf(alone);
        std::vector<std::size_t> pixels; // the word's ink, as offsets
        int right = 0;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (word[i]) pixels.push_back(i), right = std::max(right, int(i % width));
        int bestX = -1, bestScore = -1;
        for (int dx = 0; dx + right < width; ++dx) {
            int score = 0;
            for (std::size_t i : pixels) score += line[i + dx] ? 1 : -1;
            if (score > bestScore) bestScore = score, bestX = dx;
        }
        // Glyphs at other sub-pixel offsets round to other pixels here and there.
        EXPECT_GE(bestScore, int(pixels.size()) * 7 / 10) << w << " is not drawn as it is alone";
        byLeft.emplace(bestX, w);
    }
    std::vector<std::string> order;
    for (const auto& [x, w] : byLeft) order.push_back(w);
    return order;
}

// The words of Line in the visual order fribidi gives (--ltr or --rtl paragraphs).
std::vector<std::string> FribidiWordOrder(const std::string& Line, bool RightToLeft) {
    const std::string file = Scratch("bidi.txt");
    WriteFile(file, Line + "\n");
    std::istringstream map(RunCommand(std::string(KWGFX_FRIBIDI) +
                                      (RightToLeft ? " --rtl" : " --ltr") +
                                      " --nopad --nobreak --novisual --vtol " + Quote(file)));
    // Word of each logical code point (spaces belong to none).
    const std::vector<uint32_t> cps = CodePoints(Line);
    std::vector<int> wordOf(cps.size(), -1);
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < cps.size(); ++i) {
        if (cps[i] == ' ') {
            if (!words.back().empty()) words.emplace_back();
            continue;
        }
        wordOf[i] = int(words.size()) - 1;
        std::string utf8;
        const uint32_t c = cps[i];
        if (c < 0x80)
            utf8 += char(c);
        else if (c < 0x800)
            utf8 += {char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
        else
            utf8 += {char(0xE0 | c >> 12), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
        words.back() += utf8;
    }
    std::vector<std::string> order;
    int last = -1;
    for (int logical; map >> logical;)
        if (logical >= 0 && logical < int(wordOf.size()) && wordOf[logical] >= 0 &&
            wordOf[logical] != last)
            order.push_back(words[last = wordOf[logical]]);
    return order;
}

} // namespace

// Right-to-left runs inside a left-to-right line, and a right-to-left paragraph: the words
// land in the order the Unicode bidirectional algorithm (fribidi) gives.
TEST(PangoText, MixedDirectionFollowsFribidi) {
    if (!TCairoCanvas::HasPango() || !*KWGFX_FRIBIDI)
        GTEST_SKIP() << "needs Pango and fribidi (libfribidi-bin)";
    const std::string lines[] = {"abc שלום 123 def", "مرحبا بالعالم hello كيف حالك"};
    for (const std::string& line : lines)
        for (const bool rtl : {false, true}) {
            SCOPED_TRACE(line + (rtl ? " (right to left)" : " (left to right)"));
            const std::vector<std::string> expected = FribidiWordOrder(line, rtl);
            std::istringstream in(line);
            ASSERT_EQ(expected.size(),
                      std::size_t(std::distance(std::istream_iterator<std::string>(in),
                                                std::istream_iterator<std::string>())));
            EXPECT_EQ(WordsInVisualOrder(line, rtl ? DT_RTLREADING : 0), expected);
        }
}

namespace {

// Text without white space and the directional marks pdftotext puts around right-to-left
// lines (U+200E, U+200F, U+202A..U+202E).
std::string Letters(const std::string& Text) {
    std::string out;
    for (uint32_t cp : CodePoints(Text)) {
        if (cp <= ' ' || cp == 0x200E || cp == 0x200F || (cp >= 0x202A && cp <= 0x202E)) continue;
        char buffer[5] = {};
        if (cp < 0x80)
            buffer[0] = char(cp);
        else if (cp < 0x800)
            buffer[0] = char(0xC0 | cp >> 6), buffer[1] = char(0x80 | (cp & 0x3F));
        else if (cp < 0x10000)
            buffer[0] = char(0xE0 | cp >> 12), buffer[1] = char(0x80 | ((cp >> 6) & 0x3F)),
            buffer[2] = char(0x80 | (cp & 0x3F));
        else
            buffer[0] = char(0xF0 | cp >> 18), buffer[1] = char(0x80 | ((cp >> 12) & 0x3F)),
            buffer[2] = char(0x80 | ((cp >> 6) & 0x3F)), buffer[3] = char(0x80 | (cp & 0x3F));
        out += buffer;
    }
    return out;
}

} // namespace

// A PDF page keeps the text as text: pdftotext reads every line back in logical order. (Its
// word-gap guess splits some right-to-left words, as it does in PDFs of other Pango
// programs, so white space is left out of the comparison; the colour emoji are pictures in
// a PDF and have no text.)
TEST(PangoText, PdfPageKeepsEachWordInLogicalOrder) {
    if (!TCairoCanvas::HasPango() || !*KWGFX_PDFTOTEXT)
        GTEST_SKIP() << "needs Pango and pdftotext (poppler-utils)";
    const std::string pdf = Scratch("samples.pdf");
    {
        TPdfDocument doc(pdf, 600, 60 + 40 * int(std::size(kSamples)));
        TCanvas& c = doc.Canvas();
        c.Font().SetHeight(-kPixels);
        int y = 20;
        for (const TSample& s : kSamples) {
            c.TextOut(20, y, s.Text);
            y += 40;
        }
        doc.Close();
    }
    const std::string text =
        Letters(RunCommand(std::string(KWGFX_PDFTOTEXT) + " " + Quote(pdf) + " -"));
    for (const TSample& s : kSamples) {
        if (s.ColourGlyphs) continue;
        EXPECT_NE(text.find(Letters(s.Text)), std::string::npos) << s.Script << " in " << text;
    }
}

// DT_WORDBREAK breaks where Unicode allows: between ideographs without spaces, never inside
// a word; each line fits and is drawn as measured.
TEST(PangoText, WordBreakFollowsUnicodeLineBreaking) {
    if (!TCairoCanvas::HasPango()) GTEST_SKIP() << "needs Pango";
    TBitmap b(200, 200);
    TCanvas& c = b.Canvas();
    c.Font().SetHeight(-kPixels);
    const int lineHeight = c.GetTextMetrics().tmHeight;
    const std::string cjk = "你好世界这是一个没有空格的句子";
    TRect r(0, 0, 5 * kPixels, 0);
    const int h = c.DrawText(cjk, r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(h, 3 * lineHeight);
    EXPECT_LE(r.Right, 5 * kPixels);
    // A word wider than the rectangle stays whole on its line.
    TRect narrow(0, 0, 10, 0);
    c.DrawText("a Supercalifragilistic b", narrow, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(narrow.Right, c.TextWidth("Supercalifragilistic"));
    EXPECT_EQ(narrow.Bottom, 3 * lineHeight);
}

// The picture of the samples in the README (docs/text-samples.png is a copy of it): each
// line in the default face, the scripts it lacks drawn by fallback, and what each draws
// stays within what it measures.
TEST(PangoText, SamplesPicture) {
    if (!TCairoCanvas::HasPango()) GTEST_SKIP() << "needs Pango";
    const int step = 2 * kPixels;
    TBitmap b(560, step * int(std::size(kSamples)) + 8);
    TCanvas& c = b.Canvas();
    c.SetAntialias(true);
    c.Font().SetHeight(-kPixels);
    c.Font().SetColor(clBlack);
    int y = 6;
    for (const TSample& s : kSamples) {
        SCOPED_TRACE(s.Script);
        c.Font().SetColor(clGray);
        c.TextOut(8, y, s.Script);
        c.Font().SetColor(clBlack);
        c.TextOut(240, y, s.Text);
        const TSize extent = c.TextExtent(s.Text);
        int left = b.Width(), right = -1; // the darkest ink of this line's rows
        for (int row = y; row < y + step; ++row)
            for (int x = 0; x < b.Width(); ++x)
                if (Near(b.GetPixel(x, row), clBlack, 60)) left = std::min(left, x), right = x;
        EXPECT_GE(left, 240 - 2);
        EXPECT_LE(right, 240 + extent.cx + 2);
        y += step;
    }
    b.SaveToFile(std::string(KWGFX_TEST_OUTPUT_DIR) + "/text_samples.png");
}
