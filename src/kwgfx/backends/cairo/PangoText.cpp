// SPDX-License-Identifier: MIT
// The Cairo canvas's text through Pango: the shared font map and its lock, fonts from TFont,
// lines laid out once and cached, drawing, and word wrapping by Pango's line breaking.
//
// Sections:
//   1. The shared font map and its lock
//   2. Fonts: TFont to a Pango font description, metrics
//   3. Lines: the text Pango gets, layouts, the cache
//   4. Drawing and wrapping
#include "kwgfx/backends/cairo/detail/PangoText.h"
#include "kwgfx/backends/cairo/detail/PangoDirectShaper.h"
#include "kwgfx/backends/cairo/detail/PangoLayoutCache.h"
#include "kwgfx/backends/cairo/detail/PangoWidthCache.h"
#include "kwgfx/backends/cairo/detail/Utf8Repair.h"
#include "kwgfx/platform/graphics/DrawTextFlags.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-font.h>

#include <algorithm>
#include <climits>
#include <cmath>

namespace kw::platform::cairo_detail {

namespace {

// Lines kept per canvas: a window's captions, labels and a paragraph's lines stay laid out;
// memory stays within a few hundred layouts whatever a program measures.
constexpr std::size_t kCachedLines = 256;
constexpr std::size_t kCachedKeyBytes = 64 * 1024;
// Widths of lines measured lately: 2 x 256 of them, texts of at most 256 bytes (128 KiB).
constexpr std::size_t kWidthSets = 256, kLongestWidthKey = 256;
// Longer lines are laid out for the call alone.
constexpr std::size_t kLongestCachedLine = 2048;
constexpr std::size_t kFontsKept = 16;
// Bytes of a paragraph that Pango breaks into lines at once.
constexpr std::size_t kWrapPiece = 2048;
// Fonts the canvases share: finding a face and its metrics costs milliseconds.
constexpr std::size_t kFontsShared = 256;
// Sizes beyond these make no sense on a canvas and would overflow Pango's units.
constexpr double kSmallestEm = 1.0 / 64, kLargestEm = 100000;

int32_t RoundToInt(double V) {
    return static_cast<int32_t>(std::lround(V));
}

// The whole pixels that hold V, as a hinted face rounds its ascent and descent up; the slack
// keeps 12.000001 at 12.
int32_t CoverPixels(double V) {
    return static_cast<int32_t>(std::ceil(V - 1.0 / 64));
}

double FromPango(int V) {
    return V / double(PANGO_SCALE);
}

int32_t LineWidth(PangoLayoutLine* Line) {
    PangoRectangle logical;
    pango_layout_line_get_extents(Line, nullptr, &logical);
    return RoundToInt(FromPango(logical.width));
}

} // namespace

// ---------------------------------------------------------------- 1. font map and lock

std::unique_lock<std::recursive_mutex> LockPango() {
    static std::recursive_mutex mutex;
    return std::unique_lock(mutex);
}

// One font map for the process, so that fonts are found and loaded once however many
// canvases there are; it lives as long as the process.
static PangoFontMap* gFontMap = nullptr;

static PangoFontMap* SharedFontMap() {
    if (!gFontMap) gFontMap = pango_cairo_font_map_new();
    return gFontMap;
}

// ---------------------------------------------------------------- 2. fonts

struct TPangoFontEntry {
    std::string Face;
    int32_t Height = 0;
    bool Bold = false, Italic = false;
    PangoFontDescription* Desc = nullptr;
    uint32_t Serial = 0;
    TPangoFontMetrics Metrics;
    bool HaveWidths = false;
    double AlphabetWidth = 0, NarrowWidth = 0, WideWidth = 0;

    bool Is(const std::string& F, int32_t H, bool B, bool I) const {
        return Height == H && Bold == B && Italic == I && Face == F;
    }
    ~TPangoFontEntry() {
        if (Desc) pango_font_description_free(Desc);
    }
};

// The fonts every canvas has asked for, most recently used first, at most kFontsShared.
static std::vector<std::shared_ptr<TPangoFontEntry>> gSharedFonts;
static uint32_t gNextSerial = 1;

bool ReleasePangoFontMap() {
    const auto lock = LockPango();
    gSharedFonts.clear();
    // The font map itself stays, reachable: finalising its fonts at exit, while Pango's
    // fontconfig helper threads may still be finishing, once aborted inside Cairo (a hash
    // table destroyed with live entries) after the last test of a fresh machine's run.
    return gFontMap != nullptr;
}

TPangoText::TPangoText()
    : FContext(pango_font_map_create_context(SharedFontMap())),
      FLines(std::make_unique<TPangoLayoutCache>(kCachedLines, kCachedKeyBytes)),
      FWidths(std::make_unique<TPangoWidthCache>(kWidthSets, kLongestWidthKey)),
      FDirect(std::make_unique<TPangoDirectShaper>(FContext)) {
    // Unrounded advances: a line measures the sum of its glyphs' advances, as HarfBuzz
    // gives them, on every target and at every rotation.
    pango_context_set_round_glyph_positions(FContext, FALSE);
    FAntialias = true;
    SetAntialias(false);
}

TPangoText::~TPangoText() {
    FLines.reset();
    FDirect.reset();
    if (FUncached) g_object_unref(FUncached);
    FFonts.clear();
    g_object_unref(FContext);
}

void TPangoText::SetAntialias(bool Antialias) {
    if (Antialias == FAntialias) return;
    FAntialias = Antialias;
    // Smooth text is rendered as GTK renders its own by default: grey anti-aliasing, slight
    // (vertical only) hinting, unhinted metrics and unrounded glyph positions (set in the
    // constructor), so that canvas text in a window looks like the labels beside it.
    // Fontconfig still turns hinting off where it is configured to (small DejaVu sizes).
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options,
                                     Antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    if (Antialias) cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(FContext, options);
    cairo_font_options_destroy(options);
    // Laid-out lines hold fonts rendered the old way. The widths and the direct shaper's fonts
    // stay: metrics are unhinted, and glyphs and advances the same, whatever the rendering.
    FLines->Clear();
}

// The metrics of the face Desc selects (the first of its fallback list).
static TPangoFontMetrics LoadMetrics(PangoContext* Context, const PangoFontDescription* Desc,
                                     double Em) {
    TPangoFontMetrics m;
    m.Em = Em;
    PangoFont* font = pango_context_load_font(Context, Desc);
    if (!font) { // no font at all on the machine: a plausible cell
        m.Ascent = CoverPixels(0.8 * Em);
        m.Descent = CoverPixels(0.2 * Em);
        m.LineHeight = m.Ascent + m.Descent;
        return m;
    }
    PangoFontMetrics* pm = pango_font_get_metrics(font, nullptr);
    m.Ascent = CoverPixels(FromPango(pango_font_metrics_get_ascent(pm)));
    m.Descent = CoverPixels(FromPango(pango_font_metrics_get_descent(pm)));
    m.LineHeight = RoundToInt(FromPango(pango_font_metrics_get_height(pm)));
    // Pango gives the top of each line above the baseline; the underline's is negative.
    m.UnderlineOffset =
        std::max(1, RoundToInt(-FromPango(pango_font_metrics_get_underline_position(pm))));
    m.UnderlineThickness =
        std::max(1, RoundToInt(FromPango(pango_font_metrics_get_underline_thickness(pm))));
    m.StrikeOffset =
        std::max(1, RoundToInt(FromPango(pango_font_metrics_get_strikethrough_position(pm))));
    m.StrikeThickness =
        std::max(1, RoundToInt(FromPango(pango_font_metrics_get_strikethrough_thickness(pm))));
    pango_font_metrics_unref(pm);
    if (PANGO_IS_CAIRO_FONT(font)) {
        cairo_font_extents_t fe;
        cairo_scaled_font_extents(pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(font)), &fe);
        m.MaxAdvance = fe.max_x_advance;
    }
    if (PANGO_IS_FC_FONT(font)) {
        FcBool scalable = FcTrue, outline = FcTrue;
        FcPattern* pattern = pango_fc_font_get_pattern(PANGO_FC_FONT(font));
        FcPatternGetBool(pattern, FC_SCALABLE, 0, &scalable);
        FcPatternGetBool(pattern, FC_OUTLINE, 0, &outline);
        m.Scalable = scalable && outline;
    }
    g_object_unref(font);
    return m;
}

// Moves the entry at I of Fonts to the front.
template <typename T>
static T& ToFront(std::vector<T>& Fonts, std::size_t I) {
    std::rotate(Fonts.begin(), Fonts.begin() + I, Fonts.begin() + I + 1);
    return Fonts.front();
}

// The entry of Font: this canvas's few most recent, then the shared ones, else a new one.
TPangoFontEntry& TPangoText::Entry(const TFont& Font) {
    const std::string face = Font.FaceName();
    const int32_t height = Font.Height();
    const bool bold = Font.Style().Contains(fsBold), italic = Font.Style().Contains(fsItalic);
    for (std::size_t i = 0; i < FFonts.size(); ++i)
        if (FFonts[i]->Is(face, height, bold, italic)) return *ToFront(FFonts, i);
    std::shared_ptr<TPangoFontEntry> found;
    for (std::size_t i = 0; i < gSharedFonts.size() && !found; ++i)
        if (gSharedFonts[i]->Is(face, height, bold, italic)) found = ToFront(gSharedFonts, i);
    if (!found) {
        found = NewEntry(face, height, bold, italic);
        if (gSharedFonts.size() >= kFontsShared) gSharedFonts.pop_back();
        gSharedFonts.insert(gSharedFonts.begin(), found);
    }
    if (FFonts.size() >= kFontsKept) FFonts.pop_back();
    FFonts.insert(FFonts.begin(), std::move(found));
    return *FFonts.front();
}

std::shared_ptr<TPangoFontEntry> TPangoText::NewEntry(const std::string& Face, int32_t Height,
                                                      bool Bold, bool Italic) {
    auto e = std::make_shared<TPangoFontEntry>();
    e->Face = Face;
    e->Height = Height;
    e->Bold = Bold;
    e->Italic = Italic;
    e->Serial = gNextSerial++;
    e->Desc = pango_font_description_new();
    pango_font_description_set_family(e->Desc, Face.c_str());
    pango_font_description_set_weight(e->Desc, Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(e->Desc, Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    // Negative heights are the em size; positive ones the cell (ascent + descent).
    double em = Height < 0 ? -double(Height) : Height > 0 ? Height : 12.0;
    em = std::clamp(em, kSmallestEm, kLargestEm);
    if (Height > 0) {
        pango_font_description_set_absolute_size(e->Desc, em * PANGO_SCALE);
        if (PangoFont* font = pango_context_load_font(FContext, e->Desc)) {
            PangoFontMetrics* pm = pango_font_get_metrics(font, nullptr);
            const double cell =
                FromPango(pango_font_metrics_get_ascent(pm) + pango_font_metrics_get_descent(pm));
            pango_font_metrics_unref(pm);
            g_object_unref(font);
            if (cell > 0) em = std::clamp(em * em / cell, kSmallestEm, kLargestEm);
        }
    }
    pango_font_description_set_absolute_size(e->Desc, em * PANGO_SCALE);
    e->Metrics = LoadMetrics(FContext, e->Desc, em);
    return e;
}

void TPangoText::Select(const TFont& Font, bool Antialias, uint32_t Flags) {
    SetAntialias(Antialias);
    // The font of the last call again (most calls) is known without looking its face up.
    const bool bold = Font.Style().Contains(fsBold), italic = Font.Style().Contains(fsItalic);
    if (!FFont || FFont->Height != Font.Height() || FFont->Bold != bold ||
        FFont->Italic != italic || FFontName != Font.Name()) {
        FFont = &Entry(Font);
        FFontName = Font.Name();
    }
    FExpandTabs = (Flags & DT_EXPANDTABS) != 0;
    FRightToLeft = (Flags & DT_RTLREADING) != 0;
}

const TPangoFontMetrics& TPangoText::Metrics() const {
    return FFont->Metrics;
}

TTextMetric TPangoText::TextMetrics(const TFont& Font) {
    TPangoFontEntry& e = *FFont;
    const double average = AverageCharWidth(e);
    const TPangoFontMetrics& m = e.Metrics;
    TTextMetric tm;
    tm.tmAscent = m.Ascent;
    tm.tmDescent = m.Descent;
    tm.tmHeight = m.Ascent + m.Descent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - RoundToInt(m.Em));
    tm.tmExternalLeading = std::max(0, m.LineHeight - tm.tmHeight);
    tm.tmAveCharWidth = RoundToInt(average);
    tm.tmMaxCharWidth = RoundToInt(m.MaxAdvance);
    tm.tmWeight = Font.Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    tm.tmItalic = Font.Style().Contains(fsItalic);
    tm.tmUnderlined = Font.Style().Contains(fsUnderline);
    tm.tmStruckOut = Font.Style().Contains(fsStrikeOut);
    tm.tmCharSet = Font.Charset();
    // The historical "fixed pitch" bit is set for variable-pitch faces.
    if (RoundToInt(e.NarrowWidth) != RoundToInt(e.WideWidth))
        tm.tmPitchAndFamily |= TMPF_FIXED_PITCH;
    if (m.Scalable) tm.tmPitchAndFamily |= TMPF_TRUETYPE | TMPF_VECTOR;
    return tm;
}

// The width of an average Latin letter (of a-z and A-Z), and of "i" and "W" beside it.
double TPangoText::AverageCharWidth(TPangoFontEntry& Entry) {
    if (!Entry.HaveWidths) {
        const auto width = [&](std::string_view Sample) {
            PangoLayout* layout = pango_layout_new(FContext);
            pango_layout_set_font_description(layout, Entry.Desc);
            pango_layout_set_text(layout, Sample.data(), int(Sample.size()));
            int w = 0, h = 0;
            pango_layout_get_size(layout, &w, &h);
            g_object_unref(layout);
            return FromPango(w);
        };
        Entry.AlphabetWidth = width("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        Entry.NarrowWidth = width("i");
        Entry.WideWidth = width("W");
        Entry.HaveWidths = true;
    }
    return Entry.AlphabetWidth / 52;
}

// ---------------------------------------------------------------- 3. lines

// The text as Pango gets it: valid UTF-8 without NUL, and a tab is a space unless tabs
// expand to tab stops. FText views Text itself where it is that already.
void TPangoText::PrepareText(std::string_view Text) {
    if (FUncached) {
        g_object_unref(FUncached);
        FUncached = nullptr;
    }
    // Most text is used as it is, without a copy.
    if (IsCleanUtf8(Text) && (FExpandTabs || Text.find('\t') == Text.npos)) {
        FText = Text;
        return;
    }
    FRepaired = IsCleanUtf8(Text) ? std::string(Text) : RepairUtf8(Text);
    if (!FExpandTabs) std::replace(FRepaired.begin(), FRepaired.end(), '\t', ' ');
    FText = FRepaired;
}

// A layout of Text in the selected font and paragraph direction; WrapWidth in Pango units
// breaks it into lines, -1 keeps it one line.
PangoLayout* TPangoText::NewLayout(std::string_view Text, int32_t WrapWidth) {
    pango_context_set_base_dir(FContext, FRightToLeft ? PANGO_DIRECTION_RTL : PANGO_DIRECTION_LTR);
    PangoLayout* layout = pango_layout_new(FContext);
    pango_layout_set_auto_dir(layout, FALSE);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    pango_layout_set_font_description(layout, FFont->Desc);
    if (FExpandTabs) {
        // Tab stops every eight average characters, counted from the line's start.
        const double average = AverageCharWidth(*FFont);
        PangoTabArray* tabs = pango_tab_array_new_with_positions(
            1, FALSE, PANGO_TAB_LEFT, int(std::lround(8 * average * PANGO_SCALE)));
        pango_layout_set_tabs(layout, tabs);
        pango_tab_array_free(tabs);
    }
    if (WrapWidth >= 0) {
        pango_layout_set_width(layout, WrapWidth);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    pango_layout_set_text(layout, Text.data(), int(Text.size()));
    // Break the lines now, while the context holds this layout's direction.
    pango_layout_get_lines_readonly(layout);
    return layout;
}

TPangoLine TPangoText::Line(std::string_view Text) {
    PrepareText(Text);
    return PreparedLine();
}

// The line of the prepared text, laid out or found laid out.
TPangoLine TPangoText::PreparedLine() {
    if (FText.empty()) return {};
    if (FText.size() > kLongestCachedLine) {
        FUncached = NewLayout(FText, -1);
        return {FUncached, LineWidth(pango_layout_get_line_readonly(FUncached, 0))};
    }
    MakeKey();
    if (const TPangoLayoutCache::TEntry* hit = FLines->Find(FKey)) return {hit->Layout, hit->Width};
    PangoLayout* layout = NewLayout(FText, -1);
    const int32_t width = LineWidth(pango_layout_get_line_readonly(layout, 0));
    const TPangoLayoutCache::TEntry* entry = FLines->Insert(FKey, layout, width);
    return {entry->Layout, entry->Width};
}

// Measured before, else shaped directly where the line allows it, else laid out (and so
// ready to be drawn).
int32_t TPangoText::Width(std::string_view Text) {
    PrepareText(Text);
    if (FText.empty()) return 0;
    const uint64_t tag = uint64_t(FFont->Serial) << 8 | ParagraphOptions();
    if (const auto width = FWidths->Find(tag, FText)) return *width;
    int32_t width;
    if (const auto advance = DirectAdvanceOfText())
        width = RoundToInt(FromPango(*advance));
    else
        width = PreparedLine().Width;
    FWidths->Insert(tag, FText, width);
    return width;
}

// The key of the prepared text: font, paragraph options, text.
void TPangoText::MakeKey() {
    const uint32_t serial = FFont->Serial;
    FKey.assign(reinterpret_cast<const char*>(&serial), sizeof serial);
    FKey += char(ParagraphOptions());
    FKey += FText;
}

uint8_t TPangoText::ParagraphOptions() const {
    return (FExpandTabs ? 1 : 0) | (FRightToLeft ? 2 : 0);
}

// The direct shaper takes left-to-right paragraphs only: in a right-to-left one the spaces
// and punctuation at a Latin line's ends form runs of their own.
std::optional<int32_t> TPangoText::DirectAdvanceOfText() {
    if (FRightToLeft) return std::nullopt;
    return FDirect->Advance(FText, FFont->Desc, FFont->Serial);
}

std::optional<int32_t> TPangoText::DirectAdvance(std::string_view Text) {
    PrepareText(Text);
    return DirectAdvanceOfText();
}

// ---------------------------------------------------------------- 4. drawing and wrapping

void TPangoText::Show(cairo_t* Cr, const TPangoLine& Line, double X, double Baseline) {
    if (!Line.Layout) return;
    cairo_move_to(Cr, X, Baseline);
    pango_cairo_show_layout_line(Cr, pango_layout_get_line_readonly(Line.Layout, 0));
    cairo_new_path(Cr);
}

// Pango breaks a paragraph in time that grows faster than its length, so a long one goes
// in pieces: a piece's lines but the last are final, and the next piece starts where that
// last line starts (where a piece was cut matters to its last line alone).
void TPangoText::Wrap(std::string_view Paragraph, int32_t MaxWidth,
                      std::vector<std::string>& Lines) {
    PrepareText(Paragraph);
    const std::string text(FText);
    const int32_t width = MaxWidth <= 0                      ? 1
                          : MaxWidth > INT_MAX / PANGO_SCALE ? -1
                                                             : MaxWidth * PANGO_SCALE;
    bool first = true;
    std::size_t start = 0, piece = kWrapPiece;
    while (start < text.size()) {
        std::size_t end = text.size();
        if (end - start > piece) {
            end = start + piece;
            while (end > start && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
        }
        const bool cut = end < text.size();
        PangoLayout* layout = NewLayout(std::string_view(text).substr(start, end - start), width);
        GSList* lines = pango_layout_get_lines_readonly(layout);
        const unsigned count = g_slist_length(lines);
        if (cut && count < 2) { // one line longer than the piece: try a longer piece
            g_object_unref(layout);
            piece *= 2;
            continue;
        }
        std::size_t next = end;
        for (GSList* it = lines; it; it = it->next) {
            const auto* line = static_cast<const PangoLayoutLine*>(it->data);
            if (cut && !it->next) {
                next = start + std::size_t(line->start_index);
                break;
            }
            std::string_view part(text.data() + start + line->start_index,
                                  std::size_t(line->length));
            if (!first)
                while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
            while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
            if (first || !part.empty()) Lines.emplace_back(part);
            first = false;
        }
        g_object_unref(layout);
        start = next;
        piece = kWrapPiece;
    }
}

} // namespace kw::platform::cairo_detail
