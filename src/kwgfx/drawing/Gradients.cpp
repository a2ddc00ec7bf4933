// SPDX-License-Identifier: MIT
// The four band painters: LineGradient, the two EllipseGradient forms and RectGradient.
// They share the colour walk of GradientColorWalk and differ in the band shapes and in
// the segment length S over which one colour passes into the next.
#include "kwgfx/drawing/Gradients.h"

#include "kwgfx/drawing/detail/DrawingRounding.h"
#include "kwgfx/drawing/detail/GradientColorWalk.h"
#include "kwgfx/platform/graphics/CanvasStateSaver.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace kw {

using detail::ClampPixel;
using detail::RoundPixel;

uint8_t DoubleToByte(double Value) {
    const double r = std::nearbyint(Value);
    if (!(r > 0)) return 0; // also NaN
    if (r > 255) return 255;
    return static_cast<uint8_t>(r);
}

void LineGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  int32_t Step, TGradientOrientation Orientation, float) {
    if (Colors.empty()) return;
    if (Rect.Left == Rect.Right || Rect.Top == Rect.Bottom) return;
    const int64_t left = std::min(Rect.Left, Rect.Right), right = std::max(Rect.Left, Rect.Right);
    const int64_t top = std::min(Rect.Top, Rect.Bottom), bottom = std::max(Rect.Top, Rect.Bottom);
    const int64_t step = Step <= 0 ? 1 : Step;
    const bool alongX = Orientation == diHorizontal;
    const int64_t start = alongX ? left : top;
    const int64_t end = alongX ? right : bottom;
    const int64_t segment =
        std::max<int64_t>(1, (end - start) / detail::GradientTransitions(Colors.size()));

    detail::TGradientColorWalk walk(Colors, static_cast<double>(segment),
                                    static_cast<double>(step));
    platform::TBrushSaver brush(Canvas);
    for (int64_t p = start; p <= end; p += step) {
        Canvas.Brush().SetColor(walk.Color());
        if (alongX)
            Canvas.FillRect(
                TRect(ClampPixel(p), ClampPixel(top), ClampPixel(p + step), ClampPixel(bottom)));
        else
            Canvas.FillRect(
                TRect(ClampPixel(left), ClampPixel(p), ClampPixel(right), ClampPixel(p + step)));
        walk.Advance(static_cast<double>(p + step - start));
    }
}

void EllipseGradient(platform::TCanvas& Canvas, const TRect& Rect, float CenterX, float CenterY,
                     std::span<const TColor> Colors, float Step, float) {
    if (Colors.empty()) return;
    if (Rect.Right == 0 || Rect.Bottom == 0) return;
    // A zero width or height would divide by zero in the ring shrink below.
    if (Rect.Right == Rect.Left || Rect.Bottom == Rect.Top) return;
    const float step = Step > 0 ? Step : 1.0f; // NaN counts as not positive too
    const int64_t l = Rect.Left, t = Rect.Top, r = Rect.Right, b = Rect.Bottom;
    const int64_t cx = RoundPixel(std::fabs(static_cast<long double>(r - l) * CenterX) + l);
    const int64_t cy = RoundPixel(std::fabs(static_cast<long double>(b - t) * CenterY) + t);
    const int64_t distance =
        std::max({std::llabs(cx - l), std::llabs(cx - r), std::llabs(cy - b), std::llabs(cy - t)});
    const int64_t segment =
        std::max<int64_t>(1, distance / detail::GradientTransitions(Colors.size()));

    float x1 = static_cast<float>(l), y1 = static_cast<float>(t);
    float x2 = static_cast<float>(r), y2 = static_cast<float>(b);
    const double ringsX = static_cast<double>(r - l) / step;
    const double ringsY = static_cast<double>(b - t) / step;
    const float dL = static_cast<float>((cx - l) / ringsX);
    const float dR = static_cast<float>((r - cx) / ringsX);
    const float dT = static_cast<float>((cy - t) / ringsY);
    const float dB = static_cast<float>((b - cy) / ringsY);
    const float advance = std::max({dL, dR, dT, dB});

    detail::TGradientColorWalk walk(Colors, static_cast<double>(segment), step);
    platform::TPenSaver pen(Canvas);
    platform::TBrushSaver brush(Canvas);
    Canvas.Pen().SetWidth(0);
    Canvas.Pen().SetStyle(platform::psClear);
    float progress = 0;
    while (cx > x1 && cy > y1) {
        Canvas.Brush().SetColor(walk.Color());
        Canvas.Ellipse(RoundPixel(x1), RoundPixel(y1), RoundPixel(x2), RoundPixel(y2));
        const float nextX1 = x1 + dL, nextY1 = y1 + dT;
        // Stop when neither edge moves towards the centre any more (a rectangle given
        // right-to-left and bottom-to-top, or float steps too small to register), which
        // would otherwise never end.
        const bool approaching = nextX1 > x1 || nextY1 > y1;
        x1 = nextX1;
        x2 -= dR;
        y1 = nextY1;
        y2 -= dB;
        progress += advance;
        walk.Advance(progress);
        if (!approaching) break;
    }
}

namespace {

// The rings of the centred gradients: boxes Step pixels inside one another, while the
// box's top-left corner lies above and left of the centre. Paint receives each box and
// its colour.
template <typename PaintRing>
void WalkCenteredRings(const TRect& Rect, std::span<const TColor> Colors, int32_t Step,
                       PaintRing&& Paint) {
    const int64_t l = Rect.Left, t = Rect.Top, r = Rect.Right, b = Rect.Bottom;
    const int64_t w = r - l, h = b - t;
    const int64_t step = Step <= 0 ? 1 : Step;
    const int64_t longer = w < h ? h : w;
    const int64_t segment =
        std::max<int64_t>(1, (longer / detail::GradientTransitions(Colors.size())) / 2);
    detail::TGradientColorWalk walk(Colors, static_cast<double>(segment),
                                    static_cast<double>(step));
    for (int64_t x = l, y = t; x < l + w / 2 && y < t + h / 2;) {
        Paint(TRect(ClampPixel(x), ClampPixel(y), ClampPixel(r - x + l), ClampPixel(b - y + t)),
              walk.Color());
        x += step;
        y += step;
        walk.Advance(static_cast<double>(x - l));
    }
}

} // namespace

void EllipseGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                     int32_t Step, float) {
    if (Colors.empty()) return;
    if (Rect.Right == 0 || Rect.Bottom == 0) return;
    platform::TPenSaver pen(Canvas);
    platform::TBrushSaver brush(Canvas);
    Canvas.Pen().SetWidth(0);
    Canvas.Pen().SetStyle(platform::psClear);
    WalkCenteredRings(Rect, Colors, Step, [&](const TRect& Box, TColor Color) {
        Canvas.Brush().SetColor(Color);
        Canvas.Ellipse(Box);
    });
}

void RectGradient(platform::TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  int32_t Step, float) {
    if (Colors.empty()) return;
    if (Rect.Right == 0 || Rect.Bottom == 0) return;
    // The whole pen is put back, its width included: the rings are outlines of width Step.
    platform::TPenSaver pen(Canvas);
    platform::TBrushSaver brush(Canvas);
    Canvas.Pen().SetWidth(Step <= 0 ? 1 : Step);
    bool painted = false;
    TRect lastBox = Rect;
    TColor lastColor = Colors[0];
    WalkCenteredRings(Rect, Colors, Step, [&](const TRect& Box, TColor Color) {
        Canvas.Pen().SetColor(Color);
        Canvas.Rectangle(Box);
        painted = true;
        lastBox = Box;
        lastColor = Color;
    });
    pen.Restore();
    // The innermost ring's box gets a solid fill in its colour; a rectangle too thin for
    // any ring is filled in the first colour.
    if (painted || (Rect.Right > Rect.Left && Rect.Bottom > Rect.Top)) {
        Canvas.Brush().SetColor(lastColor);
        Canvas.FillRect(lastBox);
    }
}

} // namespace kw
