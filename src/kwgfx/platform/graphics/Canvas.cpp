// SPDX-License-Identifier: MIT
// The public operations of TCanvas: they keep the pen position and hand the drawing to
// the concrete canvas.
#include "kwgfx/platform/graphics/Canvas.h"

#include "kwgfx/platform/graphics/PixelRounding.h"
#include "kwgfx/platform/graphics/ScreenFont.h"

#include <algorithm>

namespace kw::platform {

TCanvas::~TCanvas() {
    ForgetScreenCanvas(this);
}

std::optional<TRect> TCanvas::DoClipBox() const {
    return std::nullopt;
}

void TCanvas::MoveTo(int32_t X, int32_t Y) {
    DoMoveTo(X, Y);
    FPenPos = {X, Y};
}

void TCanvas::DoMoveTo(int32_t, int32_t) {}

void TCanvas::LineTo(int32_t X, int32_t Y) {
    DoLineTo(FPenPos, {X, Y});
    FPenPos = {X, Y};
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
    DoPolygon(Points);
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
    DoPolyline(Points);
}

void TCanvas::Polylines(std::span<const std::vector<TPoint>> Lines) {
    DoPolylines(Lines);
}

void TCanvas::DoPolylines(std::span<const std::vector<TPoint>> Lines) {
    for (const std::vector<TPoint>& line : Lines) DoPolyline(line);
}

void TCanvas::PolyPolygon(std::span<const std::vector<TPoint>> Polygons, TPolyFillMode FillMode) {
    DoPolyPolygon(Polygons, FillMode);
}

void TCanvas::PolyPolygonF(std::span<const std::vector<TPointD>> Polygons, TPolyFillMode FillMode) {
    DoPolyPolygonF(Polygons, FillMode);
}

void TCanvas::DoPolyPolygonF(std::span<const std::vector<TPointD>> Polygons,
                             TPolyFillMode FillMode) {
    std::vector<std::vector<TPoint>> pixels;
    pixels.reserve(Polygons.size());
    for (const std::vector<TPointD>& figure : Polygons) {
        if (!std::all_of(figure.begin(), figure.end(), IsFinitePoint)) continue;
        std::vector<TPoint>& rounded = pixels.emplace_back();
        rounded.reserve(figure.size());
        for (const TPointD& p : figure) rounded.push_back(RoundToPixel(p));
    }
    DoPolyPolygon(pixels, FillMode);
}

bool TCanvas::DoFillPathCurves(const raster::TRasterPath&, const raster::TAffine&, TColor, bool,
                               TPolyFillMode) {
    return false;
}

void TCanvas::Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
    DoRectangle({X1, Y1, X2, Y2});
}

void TCanvas::RoundRect(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3) {
    DoRoundRect({X1, Y1, X2, Y2}, X3, Y3);
}

void TCanvas::Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
    DoEllipse({X1, Y1, X2, Y2});
}

void TCanvas::Chord(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3,
                    int32_t X4, int32_t Y4) {
    DoChord({X1, Y1, X2, Y2}, {X3, Y3}, {X4, Y4});
}

void TCanvas::Pie(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3,
                  int32_t X4, int32_t Y4) {
    DoPie({X1, Y1, X2, Y2}, {X3, Y3}, {X4, Y4});
}

void TCanvas::FillRect(const TRect& Rect) {
    DoFillRect(Rect);
}

void TCanvas::Draw(int32_t X, int32_t Y, const TGraphic& Graphic) {
    DoDraw(X, Y, Graphic);
}

void TCanvas::StretchDraw(const TRect& Rect, const TGraphic& Graphic) {
    DoStretchDraw(Rect, Graphic);
}

void TCanvas::TextOut(int32_t X, int32_t Y, std::string_view Text) {
    DoTextOut(X, Y, Text);
    // The pen moves to the end of the text, so consecutive calls can continue a line.
    FPenPos = {ClampToPixel(int64_t(X) + TextWidth(Text)), Y};
}

bool TCanvas::GradientFill(std::span<const TTriVertex> Vertices,
                           std::span<const TGradientTriangle> Triangles) {
    for (const TGradientTriangle& t : Triangles)
        if (t.Vertex1 >= Vertices.size() || t.Vertex2 >= Vertices.size() ||
            t.Vertex3 >= Vertices.size())
            return false;
    DoGradientFill(Vertices, Triangles);
    return true;
}

int32_t TCanvas::DoDrawText(std::string_view Text, TRect& Rect, uint32_t Flags) {
    return LayoutText(Text, Rect, Flags, (Flags & DT_CALCRECT) == 0);
}

void TCanvas::DoTextLine(int32_t X, int32_t Y, std::string_view Text, const TRect*) {
    DoTextOut(X, Y, Text);
}

} // namespace kw::platform
