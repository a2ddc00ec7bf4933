// SPDX-License-Identifier: MIT
// The bevel painters: square and rounded Frame3DExt, and Frame3DEllipse.
#include "kwgfx/drawing/Frame3D.h"

#include "kwgfx/drawing/detail/DrawingRounding.h"
#include "kwgfx/platform/graphics/CanvasStateSaver.h"

namespace kw {

namespace {

using detail::ClampPixel;

void Shrink(TRect& Rect, int64_t By) {
    Rect = TRect(ClampPixel(Rect.Left + By), ClampPixel(Rect.Top + By), ClampPixel(Rect.Right - By),
                 ClampPixel(Rect.Bottom - By));
}

void SquareFrame(platform::TCanvas& Canvas, TRect& Result, TColor TopColor, TColor BottomColor,
                 int32_t Width) {
    // Works on a copy so that a failed canvas call leaves the caller's rectangle alone.
    TRect r = Result;
    r.Right = ClampPixel(int64_t(r.Right) - 1);
    r.Bottom = ClampPixel(int64_t(r.Bottom) - 1);
    int64_t framed = 0;
    // Frames stop once the rectangle has closed up: more would cross over and spill
    // outside it. The rectangle still shrinks by the whole width.
    for (; framed < Width && r.Left <= r.Right && r.Top <= r.Bottom; ++framed) {
        Canvas.Pen().SetColor(TopColor);
        const TPoint upperLeft[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
        Canvas.Polyline(upperLeft);
        Canvas.Pen().SetColor(BottomColor);
        const TPoint lowerRight[] = {
            {r.Right, r.Top}, {r.Right, r.Bottom}, {ClampPixel(int64_t(r.Left) - 1), r.Bottom}};
        Canvas.Polyline(lowerRight);
        Shrink(r, 1);
    }
    if (Width > framed) Shrink(r, Width - framed);
    r.Right = ClampPixel(int64_t(r.Right) + 1);
    r.Bottom = ClampPixel(int64_t(r.Bottom) + 1);
    Result = r;
}

void RoundedFrame(platform::TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor,
                  int32_t Width, int32_t CornerWidth, int32_t CornerHeight) {
    const int64_t l = Rect.Left, t = Rect.Top, r = Rect.Right, b = Rect.Bottom;
    const int64_t cw = CornerWidth, ch = CornerHeight;
    Canvas.Brush().SetColor(TopColor);
    Canvas.RoundRect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, CornerWidth, CornerHeight);
    Canvas.Brush().SetColor(BottomColor);
    Canvas.Pen().SetStyle(platform::psClear);
    // The lower-right halves of the top-right and bottom-left corner ellipses, cut along
    // the diagonal from each box's bottom-left to its top-right corner.
    auto lowerRightHalf = [&](int64_t BoxL, int64_t BoxT, int64_t BoxR, int64_t BoxB) {
        Canvas.Chord(ClampPixel(BoxL), ClampPixel(BoxT), ClampPixel(BoxR), ClampPixel(BoxB),
                     ClampPixel(BoxL), ClampPixel(BoxB), ClampPixel(BoxR), ClampPixel(BoxT));
    };
    lowerRightHalf(r - cw, t, r, t + ch);
    lowerRightHalf(l, b - ch, l + cw, b);
    Canvas.Ellipse(ClampPixel(r - cw), ClampPixel(b - ch), ClampPixel(r), ClampPixel(b));
    // The straight sides between the corners, from the corner ellipses' centre lines
    // outwards: they meet the chords' diagonals and the bottom-right ellipse exactly at
    // those centre lines, so the shadow runs on without a step.
    Canvas.FillRect(TRect(ClampPixel(r - cw / 2), ClampPixel(t + ch / 2), ClampPixel(r),
                          ClampPixel(b - ch / 2)));
    Canvas.FillRect(TRect(ClampPixel(l + cw / 2), ClampPixel(b - ch / 2), ClampPixel(r - cw / 2),
                          ClampPixel(b)));
    Shrink(Rect, Width);
}

} // namespace

void Frame3DExt(platform::TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor,
                int32_t Width, bool Rounded, int32_t CornerWidth, int32_t CornerHeight) {
    platform::TPenSaver pen(Canvas);
    platform::TBrushSaver brush(Canvas);
    Canvas.Pen().SetWidth(1);
    if (Rounded)
        RoundedFrame(Canvas, Rect, TopColor, BottomColor, Width, CornerWidth, CornerHeight);
    else
        SquareFrame(Canvas, Rect, TopColor, BottomColor, Width);
}

void Frame3DEllipse(platform::TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor,
                    int32_t Width) {
    platform::TPenSaver pen(Canvas);
    platform::TBrushSaver brush(Canvas);
    Canvas.Pen().SetStyle(platform::psClear);
    Canvas.Brush().SetColor(TopColor);
    Canvas.Chord(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, Rect.Right, Rect.Top, Rect.Left,
                 Rect.Bottom);
    Canvas.Brush().SetColor(BottomColor);
    Canvas.Chord(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, Rect.Left, Rect.Bottom, Rect.Right,
                 Rect.Top);
    Shrink(Rect, Width);
}

} // namespace kw
