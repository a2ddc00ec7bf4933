// SPDX-License-Identifier: MIT
#pragma once
// Text for the cell labels: values written as the calls that drew a cell would spell
// them ($BBGGRR colours, (L, T, R, B) rectangles, True and False), plus the small area
// arithmetic the cells share.

#include <kwgfx/platform/graphics/Types.h>

#include <span>
#include <string>

namespace kwtool::gallery {

// "$BBGGRR": the colour's low three bytes in hexadecimal.
std::string Hex(kw::platform::TColor C);
// The shortest form of a number ("%g").
std::string Num(double V);
std::string RectText(const kw::platform::TRect& R);
std::string PointText(const kw::platform::TPoint& P);
// "[$BBGGRR $BBGGRR ...]"
std::string ColorsText(std::span<const kw::platform::TColor> Colors);
std::string Bool(bool B);

// R shrunk by DX on the left and right and by DY on the top and bottom.
kw::platform::TRect Inset(const kw::platform::TRect& R, int DX, int DY);

} // namespace kwtool::gallery
