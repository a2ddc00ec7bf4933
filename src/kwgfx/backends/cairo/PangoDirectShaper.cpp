// SPDX-License-Identifier: MIT
// Measuring a line as one HarfBuzz run, the way Pango's layout would shape it.
//
// What Pango does with a one-line, left-to-right layout without attributes, and why the
// lines taken here come out the same:
// - Items split where the bidirectional level, the script, the emoji presentation or the
//   font changes. The characters taken (below U+0530, and general punctuation and currency
//   signs) are none of them right to left; a line of one script (plus common characters,
//   which join the run around them) is one script run; none has emoji presentation on its
//   own; and when the fontset's first font has every character, every character gets that
//   font. So the line is one item.
// - The item is shaped by HarfBuzz (hb_shape) with the item's font, its script, the language
//   derived from the context's language and the script, the font's features, left to right,
//   beginning and end of text, monotone character clusters. Pango's own glyph callbacks
//   differ from the font's only for characters the font lacks, which are left out here; the
//   child font used here answers the character look-ups from a table, nothing else.
// - The line's logical width is the sum of the glyph advances (negative ones turned
//   positive), unrounded, as the canvas's context does not round glyph positions.
// Controls, format characters, marks and separators are left to the layout.
#include "kwgfx/backends/cairo/detail/PangoDirectShaper.h"

#include <hb.h>
#include <pango/pango.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <climits>
#include <cstdlib>

namespace kw::platform::cairo_detail {

namespace {

// The characters the direct way may take: those below U+0530 (Latin, Greek, Coptic,
// Cyrillic) and U+2000 to U+20CF (general punctuation, super- and subscripts, currency
// signs), numbered by a table index.
constexpr char32_t kLowEnd = 0x530, kPunctuation = 0x2000, kPunctuationEnd = 0x20D0;
constexpr std::size_t kTaken = kLowEnd + (kPunctuationEnd - kPunctuation);
constexpr std::size_t kNotTaken = kTaken;

constexpr std::size_t IndexOf(char32_t C) {
    if (C < kLowEnd) return C;
    if (C >= kPunctuation && C < kPunctuationEnd) return kLowEnd + (C - kPunctuation);
    return kNotTaken;
}

constexpr char32_t CodePointAt(std::size_t I) {
    return I < kLowEnd ? char32_t(I) : char32_t(I - kLowEnd + kPunctuation);
}

constexpr uint8_t kLeftOut = 0xFF;
// Longer lines are left to the layout, which keeps the buffers here small.
constexpr std::size_t kLongestLine = 4096;
// Fonts (a font in one script) kept per canvas.
constexpr std::size_t kRunFontsKept = 16;
constexpr unsigned kMaxFeatures = 32;
constexpr hb_codepoint_t kNoGlyph = 0xFFFFFFFF;

// For each table index the character's script (a GUnicodeScript), or kLeftOut for the
// characters the direct way leaves to the layout.
const std::array<uint8_t, kTaken>& Scripts() {
    static const std::array<uint8_t, kTaken> table = [] {
        std::array<uint8_t, kTaken> t{};
        for (std::size_t i = 0; i < kTaken; ++i) {
            const char32_t c = CodePointAt(i);
            switch (g_unichar_type(c)) {
            case G_UNICODE_CONTROL:
            case G_UNICODE_FORMAT:
            case G_UNICODE_UNASSIGNED:
            case G_UNICODE_PRIVATE_USE:
            case G_UNICODE_SURROGATE:
            case G_UNICODE_NON_SPACING_MARK:
            case G_UNICODE_SPACING_MARK:
            case G_UNICODE_ENCLOSING_MARK:
            case G_UNICODE_LINE_SEPARATOR:
            case G_UNICODE_PARAGRAPH_SEPARATOR:
                t[i] = kLeftOut;
                break;
            default:
                t[i] = uint8_t(g_unichar_get_script(c));
            }
        }
        return t;
    }();
    return table;
}

// The table index of the next character of clean UTF-8 at P, or kNotTaken.
std::size_t NextIndex(const unsigned char*& P) {
    const unsigned char b = *P;
    if (b < 0x80) {
        ++P;
        return b;
    }
    if ((b & 0xE0) == 0xC0) {
        const char32_t c = char32_t(b & 0x1F) << 6 | (P[1] & 0x3F);
        P += 2;
        return IndexOf(c);
    }
    if ((b & 0xF0) == 0xE0) {
        const char32_t c = char32_t(b & 0x0F) << 12 | char32_t(P[1] & 0x3F) << 6 | (P[2] & 0x3F);
        P += 3;
        return IndexOf(c);
    }
    return kNotTaken;
}

// The language Pango's itemiser gives a run of Script: the context's, unless it is known
// not to be written in that script.
PangoLanguage* DerivedLanguage(PangoLanguage* Language, PangoScript Script) {
    if (Language && pango_language_includes_script(Language, Script)) return Language;
    if (PangoLanguage* sample = pango_script_get_sample_language(Script)) return sample;
    return pango_language_from_string("xx");
}

gboolean TakeFirstFont(PangoFontset*, PangoFont* Font, gpointer First) {
    if (!Font) return FALSE;
    *static_cast<PangoFont**>(First) = PANGO_FONT(g_object_ref(Font));
    return TRUE;
}

} // namespace

struct TPangoDirectShaper::TRunFont {
    uint32_t Serial = 0;
    int Script = 0;
    PangoFont* Font = nullptr;   // the fontset's first, referenced
    hb_font_t* Parent = nullptr; // Font's own
    hb_font_t* Hb = nullptr;     // a child of Parent that finds the taken characters fast
    // Parent's glyph of each taken character, kNoGlyph where it has none.
    std::array<hb_codepoint_t, kTaken> Glyphs{};
    hb_segment_properties_t Properties = HB_SEGMENT_PROPERTIES_DEFAULT;
    std::array<hb_feature_t, kMaxFeatures> Features{};
    unsigned FeatureCount = 0;
    std::bitset<kTaken> Covered; // the characters Pango would take from Font

    ~TRunFont() {
        if (Hb) hb_font_destroy(Hb);
        if (Font) g_object_unref(Font);
    }

    // Parent's advances of the glyphs asked for lately, by glyph modulo the table's size.
    struct TAdvance {
        hb_codepoint_t Glyph = kNoGlyph;
        hb_position_t Advance = 0;
    };
    std::array<TAdvance, 256> Advances{};

    bool Glyph(hb_codepoint_t Unicode, hb_codepoint_t* Glyph) const {
        const std::size_t i = IndexOf(Unicode);
        if (i == kNotTaken) return hb_font_get_nominal_glyph(Parent, Unicode, Glyph);
        *Glyph = Glyphs[i];
        return *Glyph != kNoGlyph;
    }

    hb_position_t Advance(hb_codepoint_t Glyph) {
        TAdvance& a = Advances[Glyph % Advances.size()];
        if (a.Glyph != Glyph) a = {Glyph, hb_font_get_glyph_h_advance(Parent, Glyph)};
        return a.Advance;
    }
};

namespace {

// HarfBuzz 6 looks every character up in the font's character map, a binary search per
// character, and every advance up in the font's metrics; the child font answers from its
// tables what the parent answered before. The rest goes to the parent (the child has the
// parent's scale, so the parent's values stand as they are).
hb_bool_t NominalGlyph(hb_font_t*, void* Font, hb_codepoint_t Unicode, hb_codepoint_t* Glyph,
                       void*) {
    return static_cast<const TPangoDirectShaper::TRunFont*>(Font)->Glyph(Unicode, Glyph);
}

unsigned NominalGlyphs(hb_font_t*, void* Font, unsigned Count, const hb_codepoint_t* Unicode,
                       unsigned UnicodeStride, hb_codepoint_t* Glyph, unsigned GlyphStride, void*) {
    const auto* f = static_cast<const TPangoDirectShaper::TRunFont*>(Font);
    for (unsigned i = 0; i < Count; ++i) {
        if (!f->Glyph(*Unicode, Glyph)) return i;
        Unicode = reinterpret_cast<const hb_codepoint_t*>(reinterpret_cast<const char*>(Unicode) +
                                                          UnicodeStride);
        Glyph = reinterpret_cast<hb_codepoint_t*>(reinterpret_cast<char*>(Glyph) + GlyphStride);
    }
    return Count;
}

void Advances(hb_font_t*, void* Font, unsigned Count, const hb_codepoint_t* Glyph,
              unsigned GlyphStride, hb_position_t* Advance, unsigned AdvanceStride, void*) {
    auto* f = static_cast<TPangoDirectShaper::TRunFont*>(Font);
    for (unsigned i = 0; i < Count; ++i) {
        *Advance = f->Advance(*Glyph);
        Glyph = reinterpret_cast<const hb_codepoint_t*>(reinterpret_cast<const char*>(Glyph) +
                                                        GlyphStride);
        Advance =
            reinterpret_cast<hb_position_t*>(reinterpret_cast<char*>(Advance) + AdvanceStride);
    }
}

hb_font_funcs_t* TableFuncs() {
    static hb_font_funcs_t* const funcs = [] {
        hb_font_funcs_t* f = hb_font_funcs_create();
        hb_font_funcs_set_nominal_glyph_func(f, NominalGlyph, nullptr, nullptr);
        hb_font_funcs_set_nominal_glyphs_func(f, NominalGlyphs, nullptr, nullptr);
        hb_font_funcs_set_glyph_h_advances_func(f, Advances, nullptr, nullptr);
        hb_font_funcs_make_immutable(f);
        return f;
    }();
    return funcs;
}

} // namespace

TPangoDirectShaper::TPangoDirectShaper(PangoContext* Context)
    : FContext(Context), FBuffer(hb_buffer_create()) {
    hb_buffer_set_cluster_level(FBuffer, HB_BUFFER_CLUSTER_LEVEL_MONOTONE_CHARACTERS);
    hb_buffer_set_flags(FBuffer, hb_buffer_flags_t(HB_BUFFER_FLAG_BOT | HB_BUFFER_FLAG_EOT));
    hb_buffer_set_invisible_glyph(FBuffer, PANGO_GLYPH_EMPTY);
}

TPangoDirectShaper::~TPangoDirectShaper() {
    FFonts.clear();
    hb_buffer_destroy(FBuffer);
}

// The font, script and language Pango's itemiser would give a run of Script in Desc: the
// description as the layout's attribute sets it over the context's, with the context's
// gravity, loaded as a fontset for the derived language; its first font.
TPangoDirectShaper::TRunFont& TPangoDirectShaper::RunFont(const PangoFontDescription* Desc,
                                                          uint32_t FontSerial, int Script) {
    for (std::size_t i = 0; i < FFonts.size(); ++i)
        if (FFonts[i]->Serial == FontSerial && FFonts[i]->Script == Script) {
            std::rotate(FFonts.begin(), FFonts.begin() + i, FFonts.begin() + i + 1);
            return *FFonts.front();
        }
    auto f = std::make_unique<TRunFont>();
    f->Serial = FontSerial;
    f->Script = Script;
    const auto script = PangoScript(Script);
    PangoLanguage* language = DerivedLanguage(pango_context_get_language(FContext), script);
    PangoFontDescription* desc =
        pango_font_description_copy_static(pango_context_get_font_description(FContext));
    pango_font_description_merge_static(desc, Desc, TRUE);
    pango_font_description_set_gravity(desc, pango_context_get_gravity(FContext));
    PangoFontset* fontset =
        pango_font_map_load_fontset(pango_context_get_font_map(FContext), FContext, desc, language);
    pango_font_description_free(desc);
    if (fontset) {
        pango_fontset_foreach(fontset, TakeFirstFont, &f->Font);
        g_object_unref(fontset);
    }
    if (f->Font) {
        f->Parent = pango_font_get_hb_font(f->Font);
        for (std::size_t i = 0; i < kTaken; ++i)
            if (!hb_font_get_nominal_glyph(f->Parent, CodePointAt(i), &f->Glyphs[i]))
                f->Glyphs[i] = kNoGlyph;
        f->Hb = hb_font_create_sub_font(f->Parent);
        hb_font_set_funcs(f->Hb, TableFuncs(), f.get(), nullptr);
        f->Properties.direction = HB_DIRECTION_LTR;
        f->Properties.script = hb_script_t(g_unicode_script_to_iso15924(GUnicodeScript(Script)));
        f->Properties.language = hb_language_from_string(pango_language_to_string(language), -1);
        pango_font_get_features(f->Font, f->Features.data(), kMaxFeatures, &f->FeatureCount);
        const auto& scripts = Scripts();
        for (std::size_t i = 0; i < kTaken; ++i)
            if (scripts[i] != kLeftOut && pango_font_has_char(f->Font, CodePointAt(i)))
                f->Covered.set(i);
    }
    if (FFonts.size() >= kRunFontsKept) FFonts.pop_back();
    FFonts.insert(FFonts.begin(), std::move(f));
    return *FFonts.front();
}

std::optional<int32_t> TPangoDirectShaper::Advance(std::string_view Text,
                                                   const PangoFontDescription* Desc,
                                                   uint32_t FontSerial) {
    if (Text.size() > kLongestLine) return std::nullopt;
    // One script at most, every character one the direct way takes.
    const auto& scripts = Scripts();
    const auto* begin = reinterpret_cast<const unsigned char*>(Text.data());
    const auto* end = begin + Text.size();
    int script = G_UNICODE_SCRIPT_COMMON;
    FIndices.clear();
    for (const unsigned char* p = begin; p < end;) {
        const std::size_t i = NextIndex(p);
        if (i == kNotTaken || scripts[i] == kLeftOut) return std::nullopt;
        FIndices.push_back(uint16_t(i));
        const int s = scripts[i];
        if (s == G_UNICODE_SCRIPT_COMMON || s == script) continue;
        if (script != G_UNICODE_SCRIPT_COMMON) return std::nullopt;
        script = s;
    }
    // All of it in the first font.
    TRunFont& f = RunFont(Desc, FontSerial, script);
    if (!f.Hb) return std::nullopt;
    for (const uint16_t i : FIndices)
        if (!f.Covered.test(i)) return std::nullopt;

    // Direction, script and language as the run's; the buffer's flags (beginning and end of
    // text), cluster level and invisible glyph were set once, as Pango sets them.
    hb_buffer_clear_contents(FBuffer);
    hb_buffer_set_segment_properties(FBuffer, &f.Properties);
    hb_buffer_add_utf8(FBuffer, Text.data(), int(Text.size()), 0, int(Text.size()));
    hb_shape(f.Hb, FBuffer, f.Features.data(), f.FeatureCount);

    unsigned count = 0;
    const hb_glyph_info_t* glyphs = hb_buffer_get_glyph_infos(FBuffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(FBuffer, nullptr);
    int64_t width = 0;
    for (unsigned i = 0; i < count; ++i) {
        // A missing glyph is one Pango would have drawn as its hex box.
        if (glyphs[i].codepoint == 0) return std::nullopt;
        width += std::abs(int64_t(positions[i].x_advance));
    }
    if (width > INT_MAX) return std::nullopt;
    return int32_t(width);
}

} // namespace kw::platform::cairo_detail
