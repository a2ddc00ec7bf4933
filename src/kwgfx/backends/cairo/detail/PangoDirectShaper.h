// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: the advance of a line that Pango would lay out as one
// left-to-right run in one font, found by shaping it with HarfBuzz directly. A PangoLayout
// costs several times a simple measurement (itemising, the bidirectional algorithm, font
// fallback, log attributes); for the common line (Latin, Greek or Cyrillic letters, digits,
// punctuation and spaces that the first font of the fontset has) all of that decides
// nothing, and HarfBuzz with the same font, script, language, features and buffer settings
// gives the same glyphs and advances to the Pango unit. Anything else is left to the layout.
// Used with the Pango lock held.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

typedef struct _PangoContext PangoContext;
typedef struct _PangoFontDescription PangoFontDescription;
typedef struct hb_buffer_t hb_buffer_t;

namespace kw::platform::cairo_detail {

class TPangoDirectShaper {
public:
    // Shapes for layouts made on Context (its font map, language, gravity and options).
    explicit TPangoDirectShaper(PangoContext* Context);
    ~TPangoDirectShaper();
    TPangoDirectShaper(const TPangoDirectShaper&) = delete;
    TPangoDirectShaper& operator=(const TPangoDirectShaper&) = delete;

    // The logical width in Pango units of a one-line, left-to-right PangoLayout of Text
    // (valid UTF-8 without NUL) in Desc, FontSerial naming Desc; nothing when the line is not
    // one run of the fontset's first font or holds a character the direct way leaves out.
    std::optional<int32_t> Advance(std::string_view Text, const PangoFontDescription* Desc,
                                   uint32_t FontSerial);

    struct TRunFont; // a font in one script (public for HarfBuzz's callbacks)

private:
    TRunFont& RunFont(const PangoFontDescription* Desc, uint32_t FontSerial, int Script);

    PangoContext* FContext;
    hb_buffer_t* FBuffer;
    std::vector<uint16_t> FIndices;                // the line's characters, by table index
    std::vector<std::unique_ptr<TRunFont>> FFonts; // most recently used first
};

} // namespace kw::platform::cairo_detail
