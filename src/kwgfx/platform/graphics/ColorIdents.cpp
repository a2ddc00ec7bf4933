// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/ColorIdents.h"

#include "kwgfx/platform/graphics/Colors.h"
#include "kwgfx/platform/text/AsciiText.h"
#include "kwgfx/platform/text/NumberText.h"

#include <array>
#include <cstdint>

namespace kw::platform {

namespace {

constexpr std::array<TIdentMapEntry, 52> kColorIdents{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
}};

} // namespace

std::span<const TIdentMapEntry> ColorIdentTable() {
    return kColorIdents;
}

bool ColorToIdent(int32_t Color, std::string& Ident) {
    for (const TIdentMapEntry& e : kColorIdents)
        if (e.Value == Color) {
            Ident = e.Name;
            return true;
        }
    return false;
}

bool IdentToColor(std::string_view Ident, int32_t& Color) {
    for (const TIdentMapEntry& e : kColorIdents)
        if (SameText(e.Name, Ident)) {
            Color = e.Value;
            return true;
        }
    return false;
}

std::string ColorToString(TColor Color) {
    std::string ident;
    if (ColorToIdent(Color, ident)) return ident;
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto bits = static_cast<uint32_t>(Color);
    char text[9] = {'$'};
    for (int i = 0; i < 8; ++i) text[1 + i] = kHex[(bits >> (28 - 4 * i)) & 0xF];
    return std::string(text, sizeof text);
}

TColor StringToColor(std::string_view S) {
    int32_t color = 0;
    if (IdentToColor(S, color)) return color;
    return StrToInt(S);
}

} // namespace kw::platform
