// SPDX-License-Identifier: MIT
// The three progress indicators and what they share: the element count and the
// colour sequence, with the pen and brush put back afterwards.
#include "kwgfx/drawing/Progress.h"

#include "kwgfx/drawing/ColorSchemes.h"
#include "kwgfx/drawing/PieSlice.h"
#include "kwgfx/drawing/Shapes.h"
#include "kwgfx/drawing/detail/DrawingRounding.h"
#include "kwgfx/platform/graphics/CanvasStateSaver.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace kw {

using detail::ClampPixel;
using detail::RoundPixel;
using detail::TruncPixel;

int32_t ProgressElementCount(int32_t Position, int32_t Min, int32_t Max, int32_t Steps) {
    if (Steps <= 0) return 0;
    if (Max == Min || Max == Position) return Steps;
    // Progress counts from Min: a position at Min has completed nothing.
    const double perStep = (static_cast<double>(Max) - Min) / Steps;
    const double count = std::trunc((static_cast<double>(Position) - Min) / perStep);
    if (!(count > 0)) return 0; // also NaN
    return count >= Steps ? Steps : static_cast<int32_t>(count);
}

namespace {

// Visits elements First .. First + Count - 1, telling Visit whether to paint
// each (all, or only the last with dtCurrentProgress), and colours each from
// the palette after its predecessor.
template <typename VisitElement>
void DrawElements(platform::TCanvas& Canvas, std::span<const TColor> Colors, bool PenToo,
                  int32_t Steps, int32_t First, int32_t Count, TProgressDisplayType DisplayType,
                  VisitElement&& Visit) {
    platform::TPenSaver pen(Canvas);
    platform::TBrushSaver brush(Canvas);
    auto setColor = [&](TColor Color) {
        Canvas.Brush().SetColor(Color);
        if (PenToo) Canvas.Pen().SetColor(Color);
    };
    setColor(Colors[0]);
    const int32_t last = First + Count - 1;
    for (int32_t j = First; j <= last; ++j) {
        Visit(j, DisplayType == dtAllProgress || j == last);
        setColor(IndexToColor(j, Steps, Colors));
    }
}

struct TBox {
    int64_t X0, Y0, W, H;
    explicit TBox(const TRect& R)
        : X0(std::min(R.Left, R.Right)), Y0(std::min(R.Top, R.Bottom)),
          W(std::llabs(int64_t(R.Right) - R.Left)), H(std::llabs(int64_t(R.Bottom) - R.Top)) {}
};

} // namespace

void ProgressCircle(platform::TCanvas& Canvas, const TRect& Rect, int32_t Margin, int32_t Position,
                    int32_t Min, int32_t Max, std::span<const TColor> Colors, bool PenToo,
                    int32_t Steps, TKwShapeType ShapeType, TKwShapeOrientation ShapeOrientation,
                    bool Is3D, int32_t Depth, int32_t Spacing, TProgressDirection Direction,
                    TProgressDisplayType DisplayType) {
    if (Colors.empty() || Steps <= 0) return;
    const int32_t count = ProgressElementCount(Position, Min, Max, Steps);
    const TBox box(Rect);
    const int64_t w =
        RoundPixel((box.W - 2.0L * Margin) * std::numbers::pi_v<long double> / Steps) -
        int64_t(Spacing);
    const int64_t h =
        RoundPixel((box.H - 2.0L * Margin) * std::numbers::pi_v<long double> / Steps) -
        int64_t(Spacing);
    const double cw = static_cast<double>(box.W - w - 2 * int64_t(Margin));
    const double ch = static_cast<double>(box.H - h - 2 * int64_t(Margin));
    DrawElements(Canvas, Colors, PenToo, Steps, 1, count, DisplayType, [&](int32_t j, bool Paint) {
        if (!Paint) return;
        double degrees = j * 360.0 / Steps;
        if (Direction == pdBackward) degrees = -degrees;
        const double theta = degrees * std::numbers::pi / 180.0;
        const int64_t x = Margin + int64_t(TruncPixel(std::cos(theta) * cw / 2 + cw / 2));
        const int64_t y = Margin + int64_t(TruncPixel(ch / 2 - std::sin(theta) * ch / 2));
        const TRect element(ClampPixel(box.X0 + x), ClampPixel(box.Y0 + y),
                            ClampPixel(box.X0 + x + w), ClampPixel(box.Y0 + y + h));
        DrawShape(Canvas, element, ShapeType, ShapeOrientation, Is3D, Depth);
    });
}

void ProgressPie(platform::TCanvas& Canvas, const TRect& Rect, int32_t, int32_t Position,
                 int32_t Min, int32_t Max, std::span<const TColor> Colors, bool PenToo,
                 int32_t Steps, int32_t GapAngle, TProgressDirection Direction,
                 TProgressDisplayType DisplayType) {
    if (Colors.empty() || Steps <= 0) return;
    const int32_t count = ProgressElementCount(Position, Min, Max, Steps);
    const double sweep = 360.0 / Steps;
    const double halfGap = GapAngle / 2.0;
    DrawElements(Canvas, Colors, PenToo, Steps, 0, count, DisplayType, [&](int32_t j, bool Paint) {
        if (!Paint) return;
        double a = j * 360.0 / Steps;
        if (Direction == pdBackward) a = (360 - a) + sweep;
        DrawPieSlice(Canvas, Rect, a + halfGap, a + sweep - halfGap, 0);
    });
}

void ProgressRect(platform::TCanvas& Canvas, const TRect& Rect, int32_t Margin, int32_t Position,
                  int32_t Min, int32_t Max, std::span<const TColor> Colors, bool PenToo,
                  int32_t Steps, TKwShapeType ShapeType, TKwShapeOrientation ShapeOrientation,
                  bool Is3D, int32_t Depth, int32_t Spacing, TProgressOrientation Orientation,
                  TProgressDirection Direction, TProgressDisplayType DisplayType) {
    if (Colors.empty() || Steps <= 0) return;
    const int32_t count = ProgressElementCount(Position, Min, Max, Steps);
    const TBox box(Rect);
    const bool horizontal = Orientation == poHorizontal;
    const bool backward = Direction == pdBackward;
    const float margin = static_cast<float>(Margin);
    const float spacing = static_cast<float>(Spacing);
    float w, h, dx = 0, dy = 0;
    float x = margin, y = margin;
    if (horizontal) {
        w = (box.W - 2 * margin - spacing * Steps) / Steps;
        h = box.H - 2 * margin;
        dx = spacing + w;
        if (backward) {
            x = box.W - margin - w;
            dx = -dx;
        }
    } else {
        h = (box.H - 2 * margin - spacing * Steps) / Steps;
        w = box.W - 2 * margin;
        dy = spacing + h;
        if (backward) {
            y = box.H - margin - h;
            dy = -dy;
        }
    }
    DrawElements(Canvas, Colors, PenToo, Steps, 1, count, DisplayType, [&](int32_t, bool Paint) {
        // Positions advance after each element, painted or not.
        const float ex = x, ey = y;
        x += dx;
        y += dy;
        if (!Paint) return;
        int64_t left = box.X0 + TruncPixel(ex), top = box.Y0 + TruncPixel(ey);
        int64_t right = box.X0 + TruncPixel(ex + w), bottom = box.Y0 + TruncPixel(ey + h);
        // An element reaching past the far margin is cut back to it.
        if (horizontal && box.W - margin < ex + w) {
            right = box.X0 + box.W - Margin;
            left = std::min(right, left);
        } else if (!horizontal && box.H - margin < ey + h) {
            bottom = box.Y0 + box.H - Margin;
            top = std::min(bottom, top);
        }
        DrawShape(Canvas,
                  TRect(ClampPixel(left), ClampPixel(top), ClampPixel(right), ClampPixel(bottom)),
                  ShapeType, ShapeOrientation, Is3D, Depth);
    });
}

} // namespace kw
