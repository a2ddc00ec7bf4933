// SPDX-License-Identifier: MIT
// DrawArrow: the caption, the shaft (a line or an outline) and the heads of one segment,
// and the chain forms that spread the options over their segments.
#include "kwgfx/drawing/Arrows.h"

#include "kwgfx/drawing/detail/DrawingRounding.h"
#include "kwgfx/platform/graphics/CanvasStateSaver.h"

#include <cmath>
#include <vector>

namespace kw {

namespace {

using detail::ClampPixel;
using detail::RoundPixel;

// A vector in pixels, each component rounded on its own.
TPoint RoundedScaled(double X, double Y, double Factor) {
    return {RoundPixel(X * Factor), RoundPixel(Y * Factor)};
}

TPoint Plus(TPoint A, TPoint B) {
    return {ClampPixel(int64_t(A.X) + B.X), ClampPixel(int64_t(A.Y) + B.Y)};
}

TPoint Minus(TPoint A, TPoint B) {
    return {ClampPixel(int64_t(A.X) - B.X), ClampPixel(int64_t(A.Y) - B.Y)};
}

void DrawCaption(platform::TCanvas& Canvas, int32_t X, int32_t Y, std::string_view Caption,
                 bool Draw) {
    platform::TBrushSaver brush(Canvas);
    Canvas.Brush().SetStyle(platform::bsClear);
    if (!Draw) return;
    const int64_t lineHeight = Canvas.TextHeight("A");
    int64_t k = 0;
    // Lines are separated by CR LF; a trailing CR LF does not start another line.
    while (!Caption.empty()) {
        const size_t end = Caption.find("\r\n");
        const std::string_view line = Caption.substr(0, end);
        Canvas.TextOut(X, ClampPixel(Y + k * lineHeight), line);
        ++k;
        if (end == std::string_view::npos) break;
        Caption.remove_prefix(end + 2);
    }
}

void DrawOpenOrFilled(platform::TCanvas& Canvas, std::span<const TPoint> Points, bool Filled) {
    if (Filled)
        Canvas.Polygon(Points);
    else
        Canvas.Polyline(Points);
}

} // namespace

void DrawArrow(platform::TCanvas& Canvas, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2,
               int32_t HeadSize, std::string_view Caption, TArrowOptions Options, int32_t LineWidth,
               float) {
    const int64_t dx = int64_t(X2) - X1, dy = int64_t(Y2) - Y1;
    if (dx == 0 && dy == 0) return;

    if (!Caption.empty())
        DrawCaption(Canvas, ClampPixel(X1 + dx / 2), ClampPixel(Y1 + dy / 2), Caption,
                    Options.Contains(aoDrawCaption));

    const double length = std::sqrt(double(dx) * double(dx) + double(dy) * double(dy));
    const double ux = dx / length, uy = dy / length;  // along the segment
    const double nx = dy / length, ny = -dx / length; // its normal
    const TPoint start(X1, Y1), end(X2, Y2);
    const bool filled = Options.Contains(aoFillHead);

    if (LineWidth == 1) {
        Canvas.MoveTo(X1, Y1);
        Canvas.LineTo(X2, Y2);
    } else {
        const TPoint s = Plus(start, RoundedScaled(ux, uy, LineWidth));
        const TPoint e = Minus(end, RoundedScaled(ux, uy, HeadSize));
        const TPoint half = RoundedScaled(nx, ny, LineWidth / 2.0);
        const TPoint outline[] = {Plus(s, half), Minus(s, half), Minus(e, half), Plus(e, half),
                                  Plus(s, half)};
        DrawOpenOrFilled(Canvas, outline, filled);
    }

    const TPoint side = RoundedScaled(nx, ny, HeadSize);
    const TPoint along = RoundedScaled(ux, uy, HeadSize);
    auto drawHead = [&](TPoint Tip, TPoint Base) {
        const TPoint head[] = {Plus(Base, side), Tip, Minus(Base, side), Plus(Base, side)};
        const size_t count = Options.Contains(aoClosedHead) ? 4 : 3;
        DrawOpenOrFilled(Canvas, std::span<const TPoint>(head, count), filled);
    };
    if (Options.Contains(aoArrowAtStart)) drawHead(start, Plus(start, along));
    if (Options.Contains(aoArrowAtEnd)) drawHead(end, Minus(end, along));
}

void DrawArrow(platform::TCanvas& Canvas, std::span<const TPoint> Points, int32_t HeadSize,
               std::string_view Caption, TArrowOptions Options, int32_t LineWidth,
               int32_t CaptionIndex, float Reserved) {
    const int64_t n = static_cast<int64_t>(Points.size());
    if (n < 2) return;
    int64_t captionIndex = CaptionIndex;
    if (captionIndex == -1 || captionIndex >= n - 1) captionIndex = (n - 1) / 2;
    for (int64_t i = 0; i <= n - 2; ++i) {
        TArrowOptions options = Options;
        if (i != 0) options.Exclude(aoArrowAtStart);
        if (i != n - 2) options.Exclude(aoArrowAtEnd);
        if (i != captionIndex) options.Exclude(aoDrawCaption);
        DrawArrow(Canvas, Points[i].X, Points[i].Y, Points[i + 1].X, Points[i + 1].Y, HeadSize,
                  Caption, options, LineWidth, Reserved);
    }
}

void DrawArrow(platform::TCanvas& Canvas, std::span<const TKwPoint> Points, int32_t HeadSize,
               std::string_view Caption, TArrowOptions Options, int32_t LineWidth,
               int32_t CaptionIndex, float Reserved) {
    std::vector<TPoint> rounded;
    rounded.reserve(Points.size());
    for (const TKwPoint& p : Points) rounded.emplace_back(RoundPixel(p.X), RoundPixel(p.Y));
    DrawArrow(Canvas, std::span<const TPoint>(rounded), HeadSize, Caption, Options, LineWidth,
              CaptionIndex, Reserved);
}

} // namespace kw
