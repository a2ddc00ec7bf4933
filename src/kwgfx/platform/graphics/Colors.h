// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Named colour values of the drawing platform. RGB colours are 0x00BBGGRR; system
/// colours carry 0xFF in the top byte and the index of the system colour in the low byte
/// (resolved through the system colour table, see SystemColors.h). RGB makes a colour from
/// its red, green and blue bytes; ParseColor (ColorParsing.h) reads colours from text.

#include "kwgfx/platform/graphics/Types.h"

namespace kw::platform {

/// The colour of red, green and blue bytes: Red in the low byte, so RGB(0x1E, 0x88, 0xE5)
/// is 0x00E5881E, a blue.
constexpr TColor RGB(uint8_t Red, uint8_t Green, uint8_t Blue) {
    return static_cast<TColor>(Red | (Green << 8) | (Blue << 16));
}

/// The sixteen standard colours.
///@{
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
///@}
/// Four more named colours.
///@{
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
///@}
/// No colour: nothing is painted where a colour may be omitted.
inline constexpr TColor clNone = 0x1FFFFFFF;
/// The default colour of whatever the colour is for.
inline constexpr TColor clDefault = 0x20000000;

/// System colours: top byte 0xFF, low byte the system colour index.
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
/// The system colour of that index.
inline constexpr TColor SystemColor(int Index) {
    return clSystemColor | Index;
}
/// The system colours by index, resolved through the system colour table (SystemColors.h).
///@{
inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);
inline constexpr TColor clHotLight = SystemColor(26);
inline constexpr TColor clGradientActiveCaption = SystemColor(27);
inline constexpr TColor clGradientInactiveCaption = SystemColor(28);
inline constexpr TColor clMenuHighlight = SystemColor(29);
inline constexpr TColor clMenuBar = SystemColor(30);
///@}

} // namespace kw::platform
