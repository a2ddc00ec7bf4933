#include "kwgfx/ui/FontRotation.h"

#include "kwgfx/drawing/DrawingRounding.h"
#include "kwgfx/platform/ScreenFont.h"

#include <cctype>
#include <string_view>

namespace kw {

namespace {

// The face substituted for one that only exists as a bitmap, which cannot be rotated.
constexpr std::string_view OutlineFallbackFace = "Arial";

bool IsDefaultName(std::string_view Name) {
    constexpr std::string_view name = "default";
    if (Name.size() != name.size()) return false;
    for (std::size_t i = 0; i < Name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(Name[i])) != name[i]) return false;
    return true;
}

// At most MaxChars code points of a UTF-8 name.
std::string CutName(std::string_view Name, std::size_t MaxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < Name.size(); ++i) {
        if ((static_cast<unsigned char>(Name[i]) & 0xC0) == 0x80) continue;
        if (chars == MaxChars) return std::string(Name.substr(0, i));
        ++chars;
    }
    return std::string(Name);
}

// The logical font RotateFont hands to the font.
platform::TLogFont RotatedLogFont(const platform::TFont& Font, float Angle) {
    using namespace platform;
    TLogFont lf;
    lf.lfHeight = Font.Height();
    lf.lfWidth = 0;
    lf.lfEscapement = detail::RoundPixel(10.0L * Angle);
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
        IsDefaultName(Font.Name()) ? DefaultFontFace : std::string_view(Font.Name());
    lf.lfFaceName = CutName(face, LF_FACESIZE_CHARS);
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
