// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/FixedTextModel.h"

#include "kwgfx/platform/graphics/PixelRounding.h"

#include <algorithm>

namespace kw::platform {

namespace {

int64_t CodePointCount(std::string_view Text) {
    int64_t n = 0;
    for (char c : Text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace

int32_t FixedTextModelEm(const TFont& Font) {
    const int64_t h = Font.Height();
    if (h == 0) return 12;
    return ClampToPixel(h < 0 ? -h : h);
}

int32_t FixedTextModelAdvance(const TFont& Font) {
    return std::max(1, FixedTextModelEm(Font) / 2);
}

TSize FixedTextModelExtent(const TFont& Font, std::string_view Text) {
    const int64_t em = FixedTextModelEm(Font);
    return {ClampToPixel(CodePointCount(Text) * FixedTextModelAdvance(Font)),
            ClampToPixel(em + em / 4)};
}

TTextMetric FixedTextModelMetrics(const TFont& Font, bool BitmapFace) {
    const int32_t em = FixedTextModelEm(Font);
    TTextMetric tm;
    tm.tmAscent = em;
    tm.tmDescent = em / 4;
    tm.tmHeight = ClampToPixel(int64_t(tm.tmAscent) + tm.tmDescent);
    tm.tmAveCharWidth = FixedTextModelAdvance(Font);
    tm.tmMaxCharWidth = FixedTextModelAdvance(Font);
    const TFontStyles style = Font.Style();
    tm.tmWeight = style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    tm.tmItalic = style.Contains(fsItalic);
    tm.tmUnderlined = style.Contains(fsUnderline);
    tm.tmStruckOut = style.Contains(fsStrikeOut);
    tm.tmCharSet = Font.Charset();
    // Fixed pitch: TMPF_FIXED_PITCH stays clear.
    tm.tmPitchAndFamily = BitmapFace ? 0 : (TMPF_TRUETYPE | TMPF_VECTOR);
    return tm;
}

} // namespace kw::platform
