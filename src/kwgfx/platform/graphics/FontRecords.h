// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The window system's font records: a logical font (what a font asks for) and text
/// metrics (what the selected face delivers). TFont converts to and from TLogFont;
/// TCanvas::GetTextMetrics reports a TTextMetric for the canvas font.

#include <cstdint>
#include <string>

namespace kw::platform {

/// Weights of a logical font.
///@{
inline constexpr int32_t FW_DONTCARE = 0;
inline constexpr int32_t FW_NORMAL = 400;
inline constexpr int32_t FW_BOLD = 700;
///@}

/// Pitch in the low two bits of lfPitchAndFamily.
///@{
inline constexpr uint8_t DEFAULT_PITCH = 0;
inline constexpr uint8_t FIXED_PITCH = 1;
inline constexpr uint8_t VARIABLE_PITCH = 2;
///@}

/// Face names hold at most this many characters (longer names are cut).
inline constexpr std::size_t LF_FACESIZE_CHARS = 31;

/// A logical font: what a font asks of the window system.
struct TLogFont {
    /// Negative: character height in pixels; positive: cell height (ascent + descent);
    /// zero: the default height.
    int32_t lfHeight = 0;
    int32_t lfWidth = 0; ///< average character width; 0 lets the face choose
    /// Direction of the text baseline and of each glyph, tenths of a degree counter-clockwise.
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0; ///< Direction of each glyph, tenths of a degree counter-clockwise.
    int32_t lfWeight = FW_NORMAL; ///< Weight: FW_NORMAL, FW_BOLD, ...
    uint8_t lfItalic = 0;         ///< Non-zero for italic.
    uint8_t lfUnderline = 0;      ///< Non-zero for underlined.
    uint8_t lfStrikeOut = 0;      ///< Non-zero for struck out.
    uint8_t lfCharSet = 1; ///< DEFAULT_CHARSET
    uint8_t lfOutPrecision = 0;               ///< Output precision; stored only.
    uint8_t lfClipPrecision = 0;              ///< Clipping precision; stored only.
    uint8_t lfQuality = 0;                    ///< Output quality; stored only.
    uint8_t lfPitchAndFamily = DEFAULT_PITCH; ///< Pitch in the low two bits, family above.
    std::string lfFaceName; ///< The face name, at most LF_FACESIZE_CHARS characters.
    friend bool operator==(const TLogFont&, const TLogFont&) = default;
};

/// Bits of tmPitchAndFamily. TMPF_FIXED_PITCH set means a variable-pitch face (the bit's
/// name is historical and inverted).
///@{
inline constexpr uint8_t TMPF_FIXED_PITCH = 1;
inline constexpr uint8_t TMPF_VECTOR = 2;
inline constexpr uint8_t TMPF_TRUETYPE = 4; ///< a scalable outline face
inline constexpr uint8_t TMPF_DEVICE = 8;
///@}

/// The metrics of a face as the window system reports them.
struct TTextMetric {
    int32_t tmHeight = 0; ///< tmAscent + tmDescent
    int32_t tmAscent = 0; ///< Pixels above the baseline.
    int32_t tmDescent = 0;         ///< Pixels below the baseline.
    int32_t tmInternalLeading = 0; ///< Leading inside tmHeight.
    int32_t tmExternalLeading = 0; ///< Leading the face recommends between lines.
    int32_t tmAveCharWidth = 0;    ///< Average character width.
    int32_t tmMaxCharWidth = 0;    ///< Widest character's width.
    int32_t tmWeight = FW_NORMAL;  ///< Weight.
    uint8_t tmItalic = 0;          ///< Non-zero for italic.
    uint8_t tmUnderlined = 0;      ///< Non-zero for underlined.
    uint8_t tmStruckOut = 0;       ///< Non-zero for struck out.
    uint8_t tmPitchAndFamily = 0;  ///< TMPF_* bits.
    uint8_t tmCharSet = 1;         ///< Character set.
    friend bool operator==(const TTextMetric&, const TTextMetric&) = default;
};

} // namespace kw::platform
