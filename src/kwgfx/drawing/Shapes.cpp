// SPDX-License-Identifier: MIT
// DrawShape in its two forms.
//   - shape-type form: bevel colours by orientation, rectangle, circle,
//   isosceles and
//     right triangles
//   - style form: rectangle and ellipse rules, image, the round group, diamond
//   and
//     triangles with their 3D bevels
#include "kwgfx/drawing/Shapes.h"

#include "kwgfx/drawing/Frame3D.h"
#include "kwgfx/drawing/detail/DrawingRounding.h"
#include "kwgfx/geometry/KwCenters.h"
#include "kwgfx/geometry/KwPointOps.h"
#include "kwgfx/platform/graphics/CanvasStateSaver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace kw {

namespace {

using detail::ClampPixel;

constexpr TColor D = ShapeLightColor;
constexpr TColor A = ShapeShadowColor;

struct TOrientationColors {
    TColor FrameTop, FrameBottom;
    TColor CircleUpperLeft, CircleLowerRight;
    std::array<TColor, 3> Isosceles;
};

// Indexed by TKwShapeOrientation: soUp, soDown, soLeft, soRight.
constexpr std::array<TOrientationColors, 4> OrientationColors = {{
    {D, A, D, A, {D, A, A}},
    {A, D, A, D, {D, D, A}},
    {A, D, D, A, {D, A, A}},
    {D, A, A, D, {D, D, A}},
}};

TRect Inset(const TRect& R, int64_t By) {
    return TRect(ClampPixel(R.Left + By), ClampPixel(R.Top + By), ClampPixel(R.Right - By),
                 ClampPixel(R.Bottom - By));
}

TPoint Mid(const TRect& R) {
    return {ClampPixel(R.Left + (int64_t(R.Right) - R.Left) / 2),
            ClampPixel(R.Top + (int64_t(R.Bottom) - R.Top) / 2)};
}

std::array<TPoint, 3> IsoscelesVertices(const TRect& R, TKwShapeOrientation Orientation) {
    const TPoint m = Mid(R);
    switch (Orientation) {
    case soUp:
        return {{{m.X, R.Top}, {R.Left, R.Bottom}, {R.Right, R.Bottom}}};
    case soDown:
        return {{{m.X, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}}};
    case soLeft:
        return {{{R.Left, m.Y}, {R.Right, R.Top}, {R.Right, R.Bottom}}};
    case soRight:
        break;
    }
    return {{{R.Right, m.Y}, {R.Left, R.Top}, {R.Left, R.Bottom}}};
}

std::array<TPoint, 3> RightTriangleVertices(const TRect& R, TKwShapeOrientation Orientation) {
    switch (Orientation) {
    case soUp:
        return {{{R.Right, R.Top}, {R.Left, R.Bottom}, {R.Right, R.Bottom}}};
    case soDown:
        return {{{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}}};
    case soLeft:
        return {{{R.Left, R.Top}, {R.Right, R.Top}, {R.Right, R.Bottom}}};
    case soRight:
        break;
    }
    return {{{R.Right, R.Bottom}, {R.Left, R.Top}, {R.Left, R.Bottom}}};
}

// The isosceles triangle's bevel: three triangles from its edges to the
// rectangle's centre, filled without an outline.
void IsoscelesBevel(platform::TCanvas& Canvas, const TRect& R, TKwShapeOrientation Orientation) {
    const auto v = IsoscelesVertices(R, Orientation);
    const TPoint m = Mid(R);
    // Which edge each of the three colours lies on: pairs of vertex indices.
    std::array<std::pair<int, int>, 3> edges;
    switch (Orientation) {
    case soUp:
        edges = {{{0, 1}, {2, 0}, {1, 2}}};
        break;
    case soRight:
        edges = {{{0, 1}, {2, 1}, {2, 0}}};
        break;
    default:
        edges = {{{0, 1}, {1, 2}, {2, 0}}};
        break;
    }
    platform::TPenSaver pen(Canvas);
    platform::TBrushSaver brush(Canvas);
    Canvas.Pen().SetStyle(platform::psClear);
    for (size_t k = 0; k < 3; ++k) {
        Canvas.Brush().SetColor(OrientationColors[Orientation].Isosceles[k]);
        const TPoint part[] = {v[edges[k].first], v[edges[k].second], m};
        Canvas.Polygon(part);
    }
}

} // namespace

TRect DrawShape(platform::TCanvas& Canvas, const TRect& Rect, TKwShapeType ShapeType,
                TKwShapeOrientation Orientation, bool Is3D, int32_t Depth) {
    const TOrientationColors& colors = OrientationColors[Orientation & 3];
    TRect r = Rect;
    switch (ShapeType) {
    case sRect:
        if (Is3D) Frame3DExt(Canvas, r, colors.FrameTop, colors.FrameBottom, Depth);
        Canvas.FillRect(r);
        break;
    case sCircle:
        if (Is3D) Frame3DEllipse(Canvas, r, colors.CircleUpperLeft, colors.CircleLowerRight, Depth);
        Canvas.Ellipse(r);
        break;
    case sIsoscelesTriangle: {
        if (Is3D) {
            IsoscelesBevel(Canvas, r, Orientation);
            r = Inset(r, Depth);
        }
        const auto v = IsoscelesVertices(r, Orientation);
        Canvas.Polygon(v);
        break;
    }
    case sRightTriangle: {
        if (Is3D) r = Inset(r, Depth);
        const auto v = RightTriangleVertices(r, Orientation);
        Canvas.Polygon(v);
        break;
    }
    }
    return r;
}

namespace {

// The outline points of the diamond and the four triangles.
struct TStylePoints {
    TPoint ML, MT, MR, MB, TL, TR, BL, BR;
    explicit TStylePoints(const TRect& R) {
        const int32_t cx = ClampPixel((int64_t(R.Left) + R.Right) / 2);
        const int32_t cy = ClampPixel((int64_t(R.Top) + R.Bottom) / 2);
        ML = {R.Left, cy};
        MT = {cx, R.Top};
        MR = {R.Right, cy};
        MB = {cx, R.Bottom};
        TL = {R.Left, R.Top};
        TR = {R.Right, R.Top};
        BL = {R.Left, R.Bottom};
        BR = {R.Right, R.Bottom};
    }
};

// The incentre of the triangle; a triangle shrunk to one point (an empty rectangle) has
// that point as its centre instead of dividing by zero.
TPoint TriangleInCenter(const std::array<TPoint, 3>& V) {
    if (V[0] == V[1] && V[1] == V[2]) return V[0];
    return InCenterPoint(V[0], V[1], V[2]);
}

void FillTriangle(platform::TCanvas& Canvas, TPoint P1, TPoint P2, TPoint P3) {
    const TPoint points[] = {P1, P2, P3};
    Canvas.Polygon(points);
}

void DrawDiamond(platform::TCanvas& Canvas, const TStylePoints& P, bool Is3D, TColor Light,
                 TColor Shadow, int32_t Depth) {
    if (!Is3D) {
        const TPoint outline[] = {P.ML, P.MT, P.MR, P.MB};
        Canvas.Polygon(outline);
        return;
    }
    {
        platform::TPenSaver pen(Canvas);
        platform::TBrushSaver brush(Canvas);
        Canvas.Pen().SetStyle(platform::psClear);
        Canvas.Brush().SetColor(Light);
        FillTriangle(Canvas, P.ML, P.MT, P.MB);
        Canvas.Brush().SetColor(Shadow);
        FillTriangle(Canvas, P.MR, P.MT, P.MB);
    }
    const TPoint inset[] = {{ClampPixel(int64_t(P.ML.X) + Depth), P.ML.Y},
                            {P.MT.X, ClampPixel(int64_t(P.MT.Y) + Depth)},
                            {ClampPixel(int64_t(P.MR.X) - Depth), P.MR.Y},
                            {P.MB.X, ClampPixel(int64_t(P.MB.Y) - Depth)}};
    Canvas.Polygon(inset);
}

void DrawTriangleStyle(platform::TCanvas& Canvas, TKwShapeStyle PlainStyle, const TStylePoints& P,
                       bool Is3D, TColor Light, TColor Shadow, int32_t Depth) {
    std::array<TPoint, 3> v;
    switch (PlainStyle) {
    case ssLeftTriangle:
        v = {P.ML, P.TR, P.BR};
        break;
    case ssRightTriangle:
        v = {P.TL, P.MR, P.BL};
        break;
    case ssUpTriangle:
        v = {P.BL, P.MT, P.BR};
        break;
    default:
        v = {P.TL, P.TR, P.MB};
        break;
    }
    if (Is3D) {
        const TPoint i = TriangleInCenter(v);
        {
            platform::TPenSaver pen(Canvas);
            platform::TBrushSaver brush(Canvas);
            Canvas.Pen().SetStyle(platform::psClear);
            Canvas.Brush().SetColor(Light);
            Canvas.Polygon(v);
            Canvas.Brush().SetColor(Shadow);
            switch (PlainStyle) {
            case ssLeftTriangle:
                FillTriangle(Canvas, i, P.TR, P.BR);
                break;
            case ssRightTriangle:
                FillTriangle(Canvas, i, P.TL, P.MR);
                FillTriangle(Canvas, i, P.MR, P.BL);
                break;
            case ssUpTriangle:
                FillTriangle(Canvas, P.MT, i, P.BR);
                FillTriangle(Canvas, P.BL, i, P.BR);
                break;
            default:
                FillTriangle(Canvas, P.MB, i, P.TR);
                break;
            }
        }
        for (TPoint& vertex : v) OffsetPoint(vertex, i, static_cast<float>(Depth));
    }
    Canvas.Polygon(v);
}

} // namespace

TRect DrawShape(platform::TCanvas& Canvas, const TRect& Rect, const platform::TGraphic* Bitmap,
                TKwShapeStyle Style, bool Stretch, TColor LightColor, TColor ShadowColor,
                int32_t Depth, float) {
    TRect r(std::min(Rect.Left, Rect.Right), std::min(Rect.Top, Rect.Bottom),
            std::max(Rect.Left, Rect.Right), std::max(Rect.Top, Rect.Bottom));
    const bool is3D = Style >= ss3DRectangle;
    const auto plain = static_cast<TKwShapeStyle>(is3D ? Style - ss3DRectangle : Style);

    // The round group works in the largest square centred in the rectangle.
    // In 64 bits: a normalised rectangle may be up to 2^32 - 1 pixels wide.
    const int64_t width = int64_t(r.Right) - r.Left, height = int64_t(r.Bottom) - r.Top;
    const int64_t side = std::min(width, height);
    const int32_t corner = static_cast<int32_t>(side / 4);
    if (plain == ssSquare || plain == ssCircle || plain == ssRoundSquare) {
        const int64_t left = r.Left + (width - side) / 2, top = r.Top + (height - side) / 2;
        r = TRect(ClampPixel(left), ClampPixel(top), ClampPixel(left + side),
                  ClampPixel(top + side));
    }

    switch (plain) {
    case ssRectangle:
    case ssSquare:
        if (is3D) Frame3DExt(Canvas, r, LightColor, ShadowColor, Depth);
        Canvas.Rectangle(r);
        break;
    case ssEllipse:
    case ssCircle:
        if (is3D) Frame3DEllipse(Canvas, r, LightColor, ShadowColor, Depth);
        Canvas.Ellipse(r);
        break;
    case ssImage:
        if (is3D || Bitmap == nullptr) break;
        if (Stretch)
            Canvas.StretchDraw(r, *Bitmap);
        else
            Canvas.Draw(r.Left, r.Top, *Bitmap);
        break;
    case ssRoundRect:
    case ssRoundSquare:
        if (is3D) Frame3DExt(Canvas, r, LightColor, ShadowColor, Depth, true, corner, corner);
        Canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
        break;
    case ssDiamond:
        DrawDiamond(Canvas, TStylePoints(r), is3D, LightColor, ShadowColor, Depth);
        break;
    default:
        DrawTriangleStyle(Canvas, plain, TStylePoints(r), is3D, LightColor, ShadowColor, Depth);
        break;
    }
    return r;
}

} // namespace kw
