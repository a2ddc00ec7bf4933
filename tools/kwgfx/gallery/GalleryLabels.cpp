// SPDX-License-Identifier: MIT
#include "GalleryLabels.h"

#include <cstdio>

namespace kwtool::gallery {

using kw::platform::TColor;
using kw::platform::TPoint;
using kw::platform::TRect;

std::string Hex(TColor C) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%06X", static_cast<unsigned>(C) & 0xFFFFFFu);
    return buf;
}

std::string Num(double V) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", V);
    return buf;
}

std::string RectText(const TRect& R) {
    return "(" + std::to_string(R.Left) + ", " + std::to_string(R.Top) + ", " +
           std::to_string(R.Right) + ", " + std::to_string(R.Bottom) + ")";
}

std::string PointText(const TPoint& P) {
    return "(" + std::to_string(P.X) + ", " + std::to_string(P.Y) + ")";
}

std::string ColorsText(std::span<const TColor> Colors) {
    std::string out = "[";
    for (size_t k = 0; k < Colors.size(); ++k) out += (k ? " " : "") + Hex(Colors[k]);
    return out + "]";
}

std::string Bool(bool B) {
    return B ? "True" : "False";
}

TRect Inset(const TRect& R, int DX, int DY) {
    return TRect(R.Left + DX, R.Top + DY, R.Right - DX, R.Bottom - DY);
}

} // namespace kwtool::gallery
