// SPDX-License-Identifier: MIT
#include "kwgfx/ui/FontRotation.h"

#include "kwgfx/platform/graphics/PixelRounding.h"
#include "kwgfx/platform/graphics/ScreenFont.h"
#include "kwgfx/platform/text/AsciiText.h"

#include <string_view>

namespace kw {

namespace {

// The face substituted for one that only exists as a bitmap, which cannot be rotated.
constexpr std::string_view OutlineFallbackFace = "Arial";

// The logical font RotateFont hands to the font.
platform::TLogFont RotatedLogFont(const platform::TFont& Font, float Angle) {
    using namespace platform;
    TLogFont lf;
    lf.lfHeight = Font.Height();
    lf.lfWidth = 0;
    lf.lfEscapement = platform::RoundToPixel(10.0L * Angle);
    lf.lfOrientation = lf.lfEscapement;
    const TFontStyles style = Font.Style();
    lf.lfWeight = style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style.Contains(fsItalic) ? 1 : 0;
    lf.lfUnderline = style.Contains(fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = style.Contains(fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = Font.Charset();
    lf.lfOutPrecision = 0;
    lf.lfClipPrecision = 0;
    lf.lfQuality = 0;

    const std::string_view face =
        SameText(Font.Name(), "Default") ? DefaultFontFace : std::string_view(Font.Name());
    lf.lfFaceName = CutFaceName(face);
    // The metrics of the font as it stands, before the rotation: a bitmap face cannot turn.
    if ((GetFontTextMetrics(Font).tmPitchAndFamily & TMPF_TRUETYPE) == 0)
        lf.lfFaceName = std::string(OutlineFallbackFace);

    lf.lfPitchAndFamily = Font.Pitch() == fpVariable ? VARIABLE_PITCH
                          : Font.Pitch() == fpFixed  ? FIXED_PITCH
                                                     : DEFAULT_PITCH;
    return lf;
}

} // namespace

void RotateFont(platform::TFont& Font, float Angle) {
    Font.SetLogFont(RotatedLogFont(Font, Angle));
}

} // namespace kw
