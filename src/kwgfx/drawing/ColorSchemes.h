// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Named ten-colour palettes and the colour ramp that maps a step index onto a palette.
/// TColor values are 0x00BBGGRR (red in the low byte); each list's comment gives its
/// colours as red-green-blue.

#include "kwgfx/geometry/KwTypes.h"

#include <array>
#include <cstdint>
#include <span>

namespace kw {

/// The named palettes; csCustom has no list of its own.
enum TKwColorScheme : uint8_t {
    csCustom, ///< no list of its own
    csDefaultColors,
    csPastels,
    csBlackandWhite,
    csGrays,
    csSouthwest,
    csReds,
    csGreens,
    csBlues,
    csViolets,
    csDystopia,
    csAntique
};

/// The ten colours of a palette.
using TColorList = std::array<TColor, 10>;

/// Red-green-blue: FF0000 008000 FFFF00 0000FF 800080 800000 00FF00 008080 FF00FF 00FFFF
inline constexpr TColorList DefaultColorList = {0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0x800080,
                                                0x000080, 0x00FF00, 0x808000, 0xFF00FF, 0xFFFF00};
/// Red-green-blue: ADD8E6 F08080 FAFAD2 90EE90 FFB6C1 FFA07A E0FFFF 87CEFA B0C4DE FFFFE0
inline constexpr TColorList PastelsColorList = {0xE6D8AD, 0x8080F0, 0xD2FAFA, 0x90EE90, 0xC1B6FF,
                                                0x7AA0FF, 0xFFFFE0, 0xFACE87, 0xDEC4B0, 0xE0FFFF};
/// Red-green-blue: 000000 FFFFFF 000000 FFFFFF 000000 FFFFFF 000000 FFFFFF 000000 FFFFFF
inline constexpr TColorList BWColorList = {0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000,
                                           0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF};
/// Red-green-blue: 000000 A9A9A9 808080 D3D3D3 696969 2F4F4F 778899 708090 FFFFFF 808080
inline constexpr TColorList GraysColorList = {0x000000, 0xA9A9A9, 0x808080, 0xD3D3D3, 0x696969,
                                              0x4F4F2F, 0x998877, 0x908070, 0xFFFFFF, 0x808080};
/// Red-green-blue: FFFF00 FF8C00 FF0000 CD5C5C FFD700 D2691E FFA07A B22222 A0522D BC8F8F
inline constexpr TColorList SouthwestColorList = {0x00FFFF, 0x008CFF, 0x0000FF, 0x5C5CCD, 0x00D7FF,
                                                  0x1E69D2, 0x7AA0FF, 0x2222B2, 0x2D52A0, 0x8F8FBC};
/// Red-green-blue: FF8C00 FF0000 8B0000 800000 CD5C5C FA8072 FF7F50 FF6347 FF4500 B22222
inline constexpr TColorList RedsColorList = {0x008CFF, 0x0000FF, 0x00008B, 0x000080, 0x5C5CCD,
                                             0x7280FA, 0x507FFF, 0x4763FF, 0x0045FF, 0x2222B2};
/// Red-green-blue: EEE8AA 808000 ADFF2F 90EE90 2E8B57 F0E68C 008000 7CFC00 66CDAA B8860B
inline constexpr TColorList GreensColorList = {0xAAE8EE, 0x008080, 0x2FFFAD, 0x90EE90, 0x578B2E,
                                               0x8CE6F0, 0x008000, 0x00FC7C, 0xAACD66, 0x0B86B8};
/// Red-green-blue: 0000FF E0FFFF 87CEFA 00008B 48D1CC 00FFFF B0E0E6 4169E1 191970 008080
inline constexpr TColorList BluesColorList = {0xFF0000, 0xFFFFE0, 0xFACE87, 0x8B0000, 0xCCD148,
                                              0xFFFF00, 0xE6E0B0, 0xE16941, 0x701919, 0x808000};
/// Red-green-blue: 9400D3 9932CC FF00FF C71585 8A2BE2 9370DB FF1493 EE82EE DDA0DD FF69B4
inline constexpr TColorList VioletsColorList = {0xD30094, 0xCC3299, 0xFF00FF, 0x8515C7, 0xE22B8A,
                                                0xDB7093, 0x9314FF, 0xEE82EE, 0xDDA0DD, 0xB469FF};
/// Red-green-blue: B0C4DE 778899 D3D3D3 4682B4 708090 C0C0C0 483D8B 2F4F4F DCDCDC A9A9A9
inline constexpr TColorList DystopiaColorList = {0xDEC4B0, 0x998877, 0xD3D3D3, 0xB48246, 0x908070,
                                                 0xC0C0C0, 0x8B3D48, 0x4F4F2F, 0xDCDCDC, 0xA9A9A9};
/// Red-green-blue: 008080 C0C0C0 FFF5EE E6E6FA F0E68C 800080 4169E1 B8860B EEE8AA B22222
inline constexpr TColorList AntiqueColorList = {0x808000, 0xC0C0C0, 0xEEF5FF, 0xFAE6E6, 0x8CE6F0,
                                                0x800080, 0xE16941, 0x0B86B8, 0xAAE8EE, 0x2222B2};

/// The list of a scheme; csCustom (or a value past csAntique) gives an empty span.
///
/// \gallery{color_schemes.png}
std::span<const TColor> ColorSchemeList(TKwColorScheme Scheme);

/// The colour of step Index of Steps along the palette: the steps are spread evenly over
/// the transitions between neighbouring colours, each step blending one step further
/// from its segment's first colour towards the next. An empty palette gives black, one
/// colour that colour; an index in the last palette entry's segment (or past it) gives
/// the last colour, a negative index the first.
TColor IndexToColor(int32_t Index, int32_t Steps, std::span<const TColor> Colors);

} // namespace kw
