// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The font of a canvas. Size (points) and Height (pixels) are two views of one value,
/// kept consistent at 96 pixels per inch: Height = -Size * 96 / 72, rounded. A negative
/// Height is the character height (em size), a positive one the cell height
/// (ascent + descent). The name "Default" (any letter case) means the default face.
///
/// Every setter that changes a value calls the virtual Changed(), which fires OnChange;
/// subclasses hook Changed() to follow changes.

#include "kwgfx/platform/base/Persistent.h"
#include "kwgfx/platform/graphics/Colors.h"
#include "kwgfx/platform/graphics/FontRecords.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kw::platform {

/// A font style; TFontStyles holds a set of them.
enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

/// A set of font styles, one byte: bold 1, italic 2, underline 4, strike-out 8.
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    /// The set of the given styles.
    constexpr TFontStyles(std::initializer_list<TFontStyle> Members) {
        for (TFontStyle m : Members) Include(m);
    }
    /// The set of bits B (the low four bits).
    static constexpr TFontStyles FromBits(uint8_t B) {
        TFontStyles s;
        s.FBits = B & 0x0F;
        return s;
    }
    /// The bits of the set.
    constexpr uint8_t ToBits() const { return FBits; }
    /// Whether M is in the set.
    constexpr bool Contains(TFontStyle M) const { return (FBits >> M) & 1u; }
    /// Adds M; returns the set.
    constexpr TFontStyles& Include(TFontStyle M) {
        FBits = static_cast<uint8_t>(FBits | (1u << M));
        return *this;
    }
    /// Removes M; returns the set.
    constexpr TFontStyles& Exclude(TFontStyle M) {
        FBits = static_cast<uint8_t>(FBits & ~(1u << M));
        return *this;
    }
    /// Whether no style is set.
    constexpr bool IsEmpty() const { return FBits == 0; }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    uint8_t FBits = 0;
};

/// The pitch a font asks for.
enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

/// A character set number.
using TFontCharset = uint8_t;
/// The character sets the library names.
///@{
inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SYMBOL_CHARSET = 2;
///@}

/// The face that "Default" stands for.
inline constexpr std::string_view DefaultFontFace = "DejaVu Sans";
/// Pixels per inch of every font size conversion.
inline constexpr int32_t FontPixelsPerInch = 96;

/// The font of a canvas; see the file's description.
class TFont : public TPersistent {
public:
    TFont() = default;
    /// A font with Other's attributes and no OnChange.
    TFont(const TFont& Other);
    /// Takes Other's attributes; OnChange stays, and fires once if any differed.
    TFont& operator=(const TFont& Other);

    /// The face name; "Default" stands for DefaultFontFace.
    ///@{
    const std::string& Name() const { return F.Name; }
    void SetName(std::string_view Value);
    ///@}
    /// Points; negative when Height is positive (a cell height).
    int32_t Size() const;
    /// Sets the size in points, which sets Height.
    void SetSize(int32_t Value);
    /// Pixels: negative for the character height, positive for the cell height; sets Size too.
    ///@{
    int32_t Height() const { return F.Height; }
    void SetHeight(int32_t Value);
    ///@}
    /// Bold, italic, underline and strike-out.
    ///@{
    TFontStyles Style() const { return F.Style; }
    void SetStyle(TFontStyles Value);
    ///@}
    /// The text colour.
    ///@{
    TColor Color() const { return F.Color; }
    void SetColor(TColor Value);
    ///@}
    /// The character set.
    ///@{
    TFontCharset Charset() const { return F.Charset; }
    void SetCharset(TFontCharset Value);
    ///@}
    /// The pitch.
    ///@{
    TFontPitch Pitch() const { return F.Pitch; }
    void SetPitch(TFontPitch Value);
    ///@}
    /// Text direction in tenths of a degree, counter-clockwise.
    ///@{
    int32_t Orientation() const { return F.Orientation; }
    void SetOrientation(int32_t Value);
    ///@}

    /// The face to look up: Name, or DefaultFontFace when Name is "Default" or empty.
    std::string FaceName() const;

    /// The logical-font view of this font: height, width, escapement and orientation, weight
    /// from bold, italic/underline/strike-out, charset, pitch and the face name (at most
    /// LF_FACESIZE_CHARS characters).
    TLogFont LogFont() const;
    /// Takes a logical font over: every attribute comes from the record (weight >= 600 is
    /// bold; the escapement gives the orientation); Color is kept. Fires Changed() once.
    void SetLogFont(const TLogFont& Value);

    /// Copies every attribute except OnChange; fires Changed() once if any differed.
    void Assign(const TPersistent& Source) override;

    /// Charset, Color, Height, Name, Orientation, Pitch, Size and Style, written when not
    /// default; Size is never written (Height carries the same value).
    TPublishedProperties GetPublishedProperties() override;

    /// Fired by Changed().
    TNotifyEvent OnChange;

    /// Called after every change of a value; fires OnChange.
    virtual void Changed();

private:
    // All attribute values, compared and copied as one.
    struct TValues {
        std::string Name = "Default";
        int32_t Height = -12; ///< 9 points
        TFontStyles Style;
        TColor Color = clWindowText;
        TFontCharset Charset = DEFAULT_CHARSET;
        TFontPitch Pitch = fpDefault;
        int32_t Width = 0;
        int32_t Orientation = 0;
        bool operator==(const TValues&) const = default;
    };
    // Replaces all values; fires Changed() once if any differed.
    void SetValues(const TValues& Values);

    TValues F;
};

/// A UTF-8 face name cut after at most LF_FACESIZE_CHARS code points, as a logical font
/// holds it.
std::string CutFaceName(std::string_view Name);

/// Multiplies then divides in 64 bits, rounding half away from zero (the window system's
/// rounding of font sizes).
int32_t MulDiv(int32_t Number, int32_t Numerator, int32_t Denominator);

} // namespace kw::platform
