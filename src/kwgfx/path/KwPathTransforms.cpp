// SPDX-License-Identifier: MIT
// TKwPathData: affine transforms applied to the entries in place.

#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/geometry/KwVector.h"
#include "kwgfx/path/KwPathData.h"

namespace kw {

namespace {

// Calls F on the point of every entry but closes, storing what it returns. A close keeps
// the start point it copied when it was added; the walks that use it take the figure's
// own first point instead.
template <typename F>
void TransformPoints(std::vector<TKwPathPoint>& Entries, F&& Map) {
    for (TKwPathPoint& e : Entries) {
        if (e.Kind < ppClose) e.Point = Map(TKwPoint(e.Point));
    }
}

} // namespace

void TKwPathData::Scale(float scaleX, float scaleY) {
    if (FPathData.empty()) return;
    TransformPoints(FPathData,
                    [&](const TKwPoint& P) { return TKwPoint(P.X * scaleX, P.Y * scaleY); });
    Change();
}

void TKwPathData::Translate(float dX, float dY) {
    if (FPathData.empty()) return;
    TransformPoints(FPathData, [&](const TKwPoint& P) { return TKwPoint(P.X + dX, P.Y + dY); });
    Change();
}

void TKwPathData::ApplyMatrix(const TKwMatrix& M) {
    if (FPathData.empty()) return;
    TransformPoints(FPathData, [&](const TKwPoint& P) {
        return KwPoint(KwMatrixTransform(M, KwVector(P, 1)));
    });
    Change();
}

void TKwPathData::FitToRect(const TKwRect& ARect) {
    const TKwRect b = GetBounds();
    const float bw = b.Right - b.Left;
    const float bh = b.Bottom - b.Top;
    if (bw == 0 || bh == 0) return;
    // Bounds corner to the origin, scale, then to the rectangle's corner.
    const TKwMatrix toOrigin = CreateTranslateKwMatrix(-b.Left, -b.Top);
    const TKwMatrix scale =
        CreateScaleKwMatrix((ARect.Right - ARect.Left) / bw, (ARect.Bottom - ARect.Top) / bh);
    const TKwMatrix toRect = CreateTranslateKwMatrix(ARect.Left, ARect.Top);
    ApplyMatrix(KwMatrixMultiply(KwMatrixMultiply(toOrigin, scale), toRect));
}

} // namespace kw
