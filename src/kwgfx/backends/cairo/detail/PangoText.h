// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: its text through Pango. One TPangoText per canvas holds a
// Pango context on the process's shared font map, the fonts the canvas has asked for, a
// bounded cache of laid-out lines, so that measuring a line again and drawing what was
// measured reuse one layout, and a table of lately measured widths. A line that is only
// measured is shaped directly with HarfBuzz where that gives its layout's width
// (TPangoDirectShaper), and laid out otherwise. Every member is called with the Pango lock
// held (LockPango): Pango's font map and fonts are not safe to use from two threads at once.

#include "kwgfx/platform/graphics/Font.h"
#include "kwgfx/platform/graphics/FontRecords.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;

namespace kw::platform::cairo_detail {

class TPangoDirectShaper;
class TPangoLayoutCache;
class TPangoWidthCache;
struct TPangoFontEntry;

// The lock every use of Pango holds; recursive, as DrawText measures and draws its lines
// through the calls that take it too.
std::unique_lock<std::recursive_mutex> LockPango();

// Lets go of the fonts the canvases share (not of the font map, which lives as long as the
// process); says whether Pango has laid out text in this process.
bool ReleasePangoFontMap();

struct TPangoFontMetrics {
    double Em = 12;
    int32_t Ascent = 0;
    int32_t Descent = 0;
    int32_t LineHeight = 0; // the font's line spacing
    int32_t UnderlineOffset = 1;
    int32_t UnderlineThickness = 1;
    int32_t StrikeOffset = 0;
    int32_t StrikeThickness = 1;
    double MaxAdvance = 0;
    bool Scalable = true;
};

// A laid-out line: valid until the next call on its TPangoText.
struct TPangoLine {
    PangoLayout* Layout = nullptr;
    int32_t Width = 0; // the advance of the line, rounded
};

class TPangoText {
public:
    TPangoText();
    ~TPangoText();
    TPangoText(const TPangoText&) = delete;
    TPangoText& operator=(const TPangoText&) = delete;

    // Selects the font, the canvas's anti-aliasing and DrawText's DT_EXPANDTABS and
    // DT_RTLREADING (from Flags) for the calls that follow.
    void Select(const TFont& Font, bool Antialias, uint32_t Flags);
    const TPangoFontMetrics& Metrics() const;
    // The selected font's record: the metrics above plus average widths and pitch.
    TTextMetric TextMetrics(const TFont& Font);

    // Text as one line (line breaks in it are characters too).
    TPangoLine Line(std::string_view Text);
    // The advance of Text as one line, rounded: Line(Text).Width, without laying the line
    // out where shaping it directly gives the same advance (TPangoDirectShaper). The result
    // is kept, so measuring a line again costs a table look-up.
    int32_t Width(std::string_view Text);
    // The advance in Pango units of Text shaped directly, or nothing where the line needs
    // its layout; what Width goes by, exposed to check it against the layout.
    std::optional<int32_t> DirectAdvance(std::string_view Text);
    // Draws Line with its left end at (X, Baseline) in Cr's user space.
    void Show(cairo_t* Cr, const TPangoLine& Line, double X, double Baseline);
    // Breaks Paragraph at Pango's line-break opportunities (Unicode's rules: between words,
    // between ideographs, never inside a cluster) into lines no wider than MaxWidth; a word
    // wider than that stays whole on its line. Spaces at a break are dropped.
    void Wrap(std::string_view Paragraph, int32_t MaxWidth, std::vector<std::string>& Lines);

private:
    TPangoFontEntry& Entry(const TFont& Font);
    std::shared_ptr<TPangoFontEntry> NewEntry(const std::string& Face, int32_t Height, bool Bold,
                                              bool Italic);
    double AverageCharWidth(TPangoFontEntry& Entry);
    PangoLayout* NewLayout(std::string_view Text, int32_t WrapWidth);
    void MakeKey();
    uint8_t ParagraphOptions() const;
    TPangoLine PreparedLine();
    std::optional<int32_t> DirectAdvanceOfText();
    void PrepareText(std::string_view Text);
    void SetAntialias(bool Antialias);

    PangoContext* FContext = nullptr;
    std::vector<std::shared_ptr<TPangoFontEntry>> FFonts; // most recently used first
    TPangoFontEntry* FFont = nullptr;                     // the selected font, FFonts' first
    std::string FFontName;                                // the name it was asked for by
    std::unique_ptr<TPangoLayoutCache> FLines;
    std::unique_ptr<TPangoWidthCache> FWidths;
    std::unique_ptr<TPangoDirectShaper> FDirect;
    PangoLayout* FUncached = nullptr; // a line too long to cache, kept until the next text
    bool FAntialias = false;
    bool FExpandTabs = false;
    bool FRightToLeft = false;
    std::string_view FText; // the text being laid out, valid UTF-8 without NUL: the
                            // caller's or FRepaired
    std::string FRepaired;  // the text with bad UTF-8 or tabs replaced
    std::string FKey;       // the layout cache's key of the text
};

} // namespace kw::platform::cairo_detail
