// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/Font.h"

#include "kwgfx/platform/graphics/PixelRounding.h"
#include "kwgfx/platform/text/AsciiText.h"

#include <cstdlib>

namespace kw::platform {

int32_t MulDiv(int32_t Number, int32_t Numerator, int32_t Denominator) {
    if (Denominator == 0) return -1;
    const int64_t product = int64_t(Number) * Numerator;
    const int64_t half = std::llabs(Denominator) / 2;
    const bool negative = (product < 0) != (Denominator < 0);
    const int64_t magnitude = (std::llabs(product) + half) / std::llabs(Denominator);
    const int64_t result = negative ? -magnitude : magnitude;
    return ClampToPixel(result);
}

TFont::TFont(const TFont& Other) : TPersistent(), F(Other.F) {}

TFont& TFont::operator=(const TFont& Other) {
    SetValues(Other.F);
    return *this;
}

void TFont::SetValues(const TValues& Values) {
    if (F == Values) return;
    F = Values;
    Changed();
}

void TFont::SetName(std::string_view Value) {
    TValues v = F;
    v.Name = std::string(Value);
    SetValues(v);
}

int32_t TFont::Size() const {
    return -MulDiv(F.Height, 72, FontPixelsPerInch);
}

void TFont::SetSize(int32_t Value) {
    TValues v = F;
    v.Height = -MulDiv(Value, FontPixelsPerInch, 72);
    SetValues(v);
}

void TFont::SetHeight(int32_t Value) {
    TValues v = F;
    v.Height = Value;
    SetValues(v);
}

void TFont::SetStyle(TFontStyles Value) {
    TValues v = F;
    v.Style = Value;
    SetValues(v);
}

void TFont::SetColor(TColor Value) {
    TValues v = F;
    v.Color = Value;
    SetValues(v);
}

void TFont::SetCharset(TFontCharset Value) {
    TValues v = F;
    v.Charset = Value;
    SetValues(v);
}

void TFont::SetPitch(TFontPitch Value) {
    TValues v = F;
    v.Pitch = Value;
    SetValues(v);
}

void TFont::SetOrientation(int32_t Value) {
    TValues v = F;
    v.Orientation = Value;
    SetValues(v);
}

std::string TFont::FaceName() const {
    if (F.Name.empty() || SameText(F.Name, "Default")) return std::string(DefaultFontFace);
    return F.Name;
}

std::string CutFaceName(std::string_view Name) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < Name.size(); ++i) {
        if ((static_cast<unsigned char>(Name[i]) & 0xC0) == 0x80) continue;
        if (chars == LF_FACESIZE_CHARS) return std::string(Name.substr(0, i));
        ++chars;
    }
    return std::string(Name);
}

TLogFont TFont::LogFont() const {
    TLogFont lf;
    lf.lfHeight = F.Height;
    lf.lfWidth = F.Width;
    lf.lfEscapement = F.Orientation;
    lf.lfOrientation = F.Orientation;
    lf.lfWeight = F.Style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = F.Style.Contains(fsItalic) ? 1 : 0;
    lf.lfUnderline = F.Style.Contains(fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = F.Style.Contains(fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = F.Charset;
    lf.lfPitchAndFamily = F.Pitch == fpFixed      ? FIXED_PITCH
                          : F.Pitch == fpVariable ? VARIABLE_PITCH
                                                  : DEFAULT_PITCH;
    lf.lfFaceName = CutFaceName(F.Name);
    return lf;
}

void TFont::SetLogFont(const TLogFont& Value) {
    TValues v = F;
    v.Height = Value.lfHeight;
    v.Width = Value.lfWidth;
    v.Orientation = Value.lfEscapement;
    TFontStyles style;
    if (Value.lfWeight >= 600) style.Include(fsBold);
    if (Value.lfItalic) style.Include(fsItalic);
    if (Value.lfUnderline) style.Include(fsUnderline);
    if (Value.lfStrikeOut) style.Include(fsStrikeOut);
    v.Style = style;
    v.Charset = Value.lfCharSet;
    switch (Value.lfPitchAndFamily & 3) {
    case FIXED_PITCH:
        v.Pitch = fpFixed;
        break;
    case VARIABLE_PITCH:
        v.Pitch = fpVariable;
        break;
    default:
        v.Pitch = fpDefault;
        break;
    }
    v.Name = CutFaceName(Value.lfFaceName);
    SetValues(v);
}

void TFont::Assign(const TPersistent& Source) {
    const auto* font = dynamic_cast<const TFont*>(&Source);
    if (!font) {
        TPersistent::Assign(Source);
        return;
    }
    SetValues(font->F);
}

TPublishedProperties TFont::GetPublishedProperties() {
    const TValues defaults;
    TPublishedProperties props = TPersistent::GetPublishedProperties();
    props.push_back(TPublishedProperty::Integer(
        "Charset", [this] { return int32_t(Charset()); },
        [this](int32_t V) { SetCharset(static_cast<TFontCharset>(V)); }, defaults.Charset));
    props.push_back(TPublishedProperty::Integer(
        "Color", [this] { return Color(); }, [this](int32_t V) { SetColor(V); }, defaults.Color));
    props.push_back(TPublishedProperty::Integer(
        "Height", [this] { return Height(); }, [this](int32_t V) { SetHeight(V); },
        defaults.Height));
    props.push_back(TPublishedProperty::String(
        "Name", [this] { return Name(); }, [this](const std::string& V) { SetName(V); },
        defaults.Name));
    props.push_back(TPublishedProperty::Integer(
        "Orientation", [this] { return Orientation(); }, [this](int32_t V) { SetOrientation(V); },
        0));
    props.push_back(TPublishedProperty::Enumeration<TFontPitch>(
        "Pitch", {"fpDefault", "fpVariable", "fpFixed"}, [this] { return Pitch(); },
        [this](TFontPitch V) { SetPitch(V); }, fpDefault));
    props.push_back(TPublishedProperty::Integer(
                        "Size", [this] { return Size(); }, [this](int32_t V) { SetSize(V); })
                        .NotStored());
    props.push_back(TPublishedProperty::Set(
        "Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"},
        [this] { return uint32_t(Style().ToBits()); },
        [this](uint32_t V) { SetStyle(TFontStyles::FromBits(static_cast<uint8_t>(V))); }, 0u));
    return props;
}

void TFont::Changed() {
    if (OnChange) OnChange(this);
}

} // namespace kw::platform
