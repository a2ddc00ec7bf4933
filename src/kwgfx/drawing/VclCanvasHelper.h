// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Float-geometry conveniences on any canvas: lines and polygons from TKwPoint values
/// (rounded to pixels, ties to even) and the pen width as a float. A thin wrapper around
/// a TCanvas reference: create it where needed, e.g. TVclCanvasHelper(Canvas).DrawLine(A, B).
/// CopyCanvasState copies brush, pen and font from one canvas to another.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

namespace kw {

using platform::TBrush;
using platform::TCanvas;
using platform::TFont;
using platform::TPen;

/// Float-geometry conveniences on a canvas; see the file's description.
class TVclCanvasHelper {
public:
    /// A helper drawing on Canvas, which must outlive it.
    explicit TVclCanvasHelper(TCanvas& Canvas) : FCanvas(Canvas) {}

    /// The canvas the helper draws on.
    TCanvas& Canvas() const { return FCanvas; }

    /// MoveTo the first point, LineTo the second; float points are rounded first.
    ///@{
    void DrawLine(const TKwPoint& P1, const TKwPoint& P2) const;
    void DrawLine(const TPoint& P1, const TPoint& P2) const;
    ///@}
    /// The canvas operation of that name on the rounded points.
    ///@{
    void Polygon(const TKwPoints& Points) const;
    void Polyline(const TKwPoints& Points) const;
    ///@}

    /// Pen.Width; writing rounds (ties to even). NaN or a value beyond the 64-bit range
    /// raises platform::EInvalidOp; values beyond the 32-bit range saturate.
    ///@{
    float PenWidth() const;
    void SetPenWidth(float Value) const;
    ///@}

private:
    TCanvas& FCanvas;
};

/// Target's brush, then pen, then font take Source's values.
void CopyCanvasState(TCanvas& Target, const TCanvas& Source);

} // namespace kw
