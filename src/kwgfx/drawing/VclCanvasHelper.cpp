// SPDX-License-Identifier: MIT
#include "kwgfx/drawing/VclCanvasHelper.h"

#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/platform/graphics/PixelRounding.h"

namespace kw {

void TVclCanvasHelper::DrawLine(const TKwPoint& P1, const TKwPoint& P2) const {
    DrawLine(KwPointToPoint(P1), KwPointToPoint(P2));
}

void TVclCanvasHelper::DrawLine(const TPoint& P1, const TPoint& P2) const {
    FCanvas.MoveTo(P1.X, P1.Y);
    FCanvas.LineTo(P2.X, P2.Y);
}

void TVclCanvasHelper::Polygon(const TKwPoints& Points) const {
    FCanvas.Polygon(KwPointsToPoints(Points));
}

void TVclCanvasHelper::Polyline(const TKwPoints& Points) const {
    FCanvas.Polyline(KwPointsToPoints(Points));
}

float TVclCanvasHelper::PenWidth() const {
    return static_cast<float>(FCanvas.Pen().Width());
}

void TVclCanvasHelper::SetPenWidth(float Value) const {
    const int64_t rounded = CanvasRound(Value);
    FCanvas.Pen().SetWidth(platform::ClampToPixel(rounded));
}

void CopyCanvasState(TCanvas& Target, const TCanvas& Source) {
    Target.Brush().Assign(Source.Brush());
    Target.Pen().Assign(Source.Pen());
    Target.Font().Assign(Source.Font());
}

} // namespace kw
