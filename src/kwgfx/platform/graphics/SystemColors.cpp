// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/SystemColors.h"

namespace kw::platform {

namespace {

constexpr TColor Rgb(int R, int G, int B) {
    return TColor(R | (G << 8) | (B << 16));
}

} // namespace

// Indexes as in Colors.h (clScrollBar = 0 ... clMenuBar = 30).
const std::array<TColor, SystemColorCount> SystemColorTable = {
    Rgb(200, 200, 200), //  0 scroll bar
    Rgb(0, 0, 0),       //  1 desktop background
    Rgb(153, 180, 209), //  2 active caption
    Rgb(191, 205, 219), //  3 inactive caption
    Rgb(240, 240, 240), //  4 menu
    Rgb(255, 255, 255), //  5 window
    Rgb(100, 100, 100), //  6 window frame
    Rgb(0, 0, 0),       //  7 menu text
    Rgb(0, 0, 0),       //  8 window text
    Rgb(0, 0, 0),       //  9 caption text
    Rgb(180, 180, 180), // 10 active border
    Rgb(244, 247, 252), // 11 inactive border
    Rgb(171, 171, 171), // 12 application workspace
    Rgb(0, 120, 215),   // 13 highlight
    Rgb(255, 255, 255), // 14 highlight text
    Rgb(240, 240, 240), // 15 button face
    Rgb(160, 160, 160), // 16 button shadow
    Rgb(109, 109, 109), // 17 grey text
    Rgb(0, 0, 0),       // 18 button text
    Rgb(0, 0, 0),       // 19 inactive caption text
    Rgb(255, 255, 255), // 20 button highlight
    Rgb(105, 105, 105), // 21 3D dark shadow
    Rgb(227, 227, 227), // 22 3D light
    Rgb(0, 0, 0),       // 23 tooltip text
    Rgb(255, 255, 225), // 24 tooltip background
    Rgb(0, 0, 0),       // 25 (no system colour)
    Rgb(0, 102, 204),   // 26 hot-tracked item
    Rgb(185, 209, 234), // 27 gradient end of the active caption
    Rgb(215, 228, 242), // 28 gradient end of the inactive caption
    Rgb(51, 153, 255),  // 29 menu highlight
    Rgb(240, 240, 240), // 30 menu bar
};

TColor ColorToRGB(TColor Color) {
    if (!IsSystemColor(Color)) return Color;
    const int index = Color & 0xFF;
    return index < SystemColorCount ? SystemColorTable[index] : 0;
}

} // namespace kw::platform
