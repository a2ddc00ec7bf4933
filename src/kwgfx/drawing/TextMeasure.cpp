// SPDX-License-Identifier: MIT
#include "kwgfx/drawing/TextMeasure.h"

#include "kwgfx/drawing/detail/DrawingRounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace kw {

float GetMultilineTextHeight(platform::TCanvas& Canvas, std::string_view Text) {
    const float lineHeight = static_cast<float>(Canvas.TextHeight(Text));
    float height = lineHeight;
    for (char c : Text)
        if (c == '\n') height += lineHeight;
    return height;
}

namespace {

long double AngleRadians(int32_t Angle) {
    return Angle * std::numbers::pi_v<long double> / 180.0f;
}

} // namespace

TSize GetRotatedTextExtent(platform::TCanvas& Canvas, int32_t Angle, std::string_view Text,
                           TPoint& TextOrigin) {
    TextOrigin = TPoint(0, 0);
    TSize extent = Canvas.TextExtent(Text);
    if (Angle == 0) return extent;
    const int64_t w = extent.cx, h = extent.cy;
    const long double r = AngleRadians(Angle);
    const int64_t dx = detail::RoundPixel(std::cos(r) * w);
    const int64_t dy = detail::RoundPixel(std::sin(r) * w);
    const int64_t cy = std::llabs(dy) + 2 * h;
    const int64_t cx = std::llabs(dx) + 2 * h;
    extent = TSize{detail::ClampPixel(cx), detail::ClampPixel(cy)};
    const int64_t originX = dx < 0 ? cx - h : h;
    const int64_t originY = dy < 0 ? h : (dx < 0 ? cy - h : cy - h - h / 2);
    TextOrigin = TPoint(detail::ClampPixel(originX), detail::ClampPixel(originY));
    return extent;
}

TKwSize GetRotatedTextExtent(platform::TCanvas& Canvas, int32_t Angle, std::string_view Text,
                             TKwPoint& TextOrigin) {
    TextOrigin = TKwPoint(0, 0);
    const float w = static_cast<float>(Canvas.TextWidth(Text));
    const float h = static_cast<float>(Canvas.TextHeight(Text));
    if (Angle == 0) return TKwSize(w, h);
    const long double r = AngleRadians(Angle);
    const float dx = static_cast<float>(std::cos(r) * w);
    const float dy = static_cast<float>(std::sin(r) * w);
    const float cy = std::fabs(dy) + 2.0f * h;
    const float cx = std::fabs(dx) + 2.0f * h;
    TextOrigin.X = dx < 0 ? cx - h : h;
    TextOrigin.Y = dy < 0 ? h : (dx < 0 ? cy - h : (cy - h) - h / 2.0f);
    return TKwSize(cx, cy);
}

} // namespace kw
