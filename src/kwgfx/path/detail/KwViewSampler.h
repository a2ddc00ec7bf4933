// SPDX-License-Identifier: MIT
#pragma once
// Sampling curves for a canvas that shows only part of the plane, so that the work grows
// with what can be seen and not with the coordinates.
//
// A curve lies inside the convex hull of its control points, and so inside their box.
//   - A curve whose control box lies wholly in the keep box is sampled exactly as without a
//     view (SampleCurveWithin), so visible geometry draws as it always has.
//   - A curve whose control box misses the visible box becomes its chord: the region between
//     curve and chord lies outside that box, so the winding number of every point inside it
//     stays, and so does every pixel filled or stroked there.
//   - Any other curve is cut in halves (de Casteljau) until each piece is one of the two.
// The visible box is the canvas's clip box grown by the reach of the pen; the keep box
// grows it further, so that curves that merely overhang the picture keep their samples,
// while a piece that meets the visible box and fits the keep box has a bounded size and
// so a bounded number of samples.

#include "kwgfx/path/detail/KwCubicSampler.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kw::platform {
class TCanvas;
} // namespace kw::platform

namespace kw::detail {

struct TKwBoxD {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;

    // The box of the cubic's control points, which holds the curve.
    static TKwBoxD Of(const TKwCubicD& C) {
        const auto [l, r] = std::minmax({C.X[0], C.X[1], C.X[2], C.X[3]});
        const auto [t, b] = std::minmax({C.Y[0], C.Y[1], C.Y[2], C.Y[3]});
        return {l, t, r, b};
    }
    bool IsFinite() const {
        return std::isfinite(Left) && std::isfinite(Top) && std::isfinite(Right) &&
               std::isfinite(Bottom);
    }
    bool Contains(const TKwBoxD& B) const {
        return B.Left >= Left && B.Right <= Right && B.Top >= Top && B.Bottom <= Bottom;
    }
    bool Meets(const TKwBoxD& B) const {
        return B.Left <= Right && B.Right >= Left && B.Top <= Bottom && B.Bottom >= Top;
    }
    TKwBoxD Grown(double By) const { return {Left - By, Top - By, Right + By, Bottom + By}; }
};

struct TKwSampleView {
    TKwBoxD Visible;
    TKwBoxD Keep;
};

// The view for drawing on Canvas with its current pen, in path units (a point names the
// centre of its pixel), or nothing when the canvas tells no clip box.
std::optional<TKwSampleView> SampleViewOf(const platform::TCanvas& Canvas);

// Halves of a cubic at t = 1/2. The outer control points stay as they are, so the pieces
// of a curve join exactly and the last piece ends exactly where the curve does.
inline void SplitCubic(const TKwCubicD& C, TKwCubicD& Left, TKwCubicD& Right) {
    const auto split = [](const double(&P)[4], double(&L)[4], double(&R)[4]) {
        const double p01 = (P[0] + P[1]) / 2, p12 = (P[1] + P[2]) / 2, p23 = (P[2] + P[3]) / 2;
        const double p012 = (p01 + p12) / 2, p123 = (p12 + p23) / 2;
        const double mid = (p012 + p123) / 2;
        L[0] = P[0], L[1] = p01, L[2] = p012, L[3] = mid;
        R[0] = mid, R[1] = p123, R[2] = p23, R[3] = P[3];
    };
    split(C.X, Left.X, Right.X);
    split(C.Y, Left.Y, Right.Y);
}

// Deepest cut: halving a piece 128 times brings the largest float coordinates down to
// below a unit, so a piece still undecided there is only sampled.
inline constexpr int MaxViewDepth = 128;

// Cuts Curve in halves depth first, the left piece first, so that the pieces come out in
// order along the curve. Piece(Cubic, CanCut) looks at each piece and returns true to have
// it cut in halves, false when it has dealt with it. A piece MaxViewDepth cuts deep has
// CanCut false and must be dealt with: it is never cut further. The stack of pending pieces
// is bounded by the depth and lives on the call's own stack.
template <typename F>
void CutCubicDepthFirst(const TKwCubicD& Curve, F&& Piece) {
    struct TPiece {
        TKwCubicD Cubic;
        int Depth;
    };
    TPiece stack[MaxViewDepth + 1];
    int count = 0;
    stack[count++] = {Curve, 0};
    while (count > 0) {
        const TPiece piece = stack[--count];
        const bool canCut = piece.Depth < MaxViewDepth;
        if (!Piece(piece.Cubic, canCut) || !canCut) continue;
        TKwCubicD left, right;
        SplitCubic(piece.Cubic, left, right);
        stack[count++] = {right, piece.Depth + 1};
        stack[count++] = {left, piece.Depth + 1};
    }
}

// Which side of the box B lies wholly on: 1 left, 2 right, 3 above, 4 below; 0 when B meets
// the box.
inline int SideOutside(const TKwBoxD& Box, const TKwBoxD& B) {
    if (B.Right < Box.Left) return 1;
    if (B.Left > Box.Right) return 2;
    if (B.Bottom < Box.Top) return 3;
    if (B.Top > Box.Bottom) return 4;
    return 0;
}

// Sends Sink the points of the curve from P0 as SampleCurveWithin does (P0 itself is the
// caller's), with the work bounded by View as described above; without a view this is
// SampleCurveWithin. A curve with coordinates that are not finite gives its end point.
// Pieces in a row that lie outside on the same side become one chord: the side's half-plane
// holds all of them and the chord with them, so no point in the box winds round any
// differently.
template <typename F>
void SampleCurveInView(const TKwPoint& P0, const TKwPoint& P1, const TKwPoint& P2,
                       const TKwPoint& P3, const TKwSampleView* View, F&& Sink) {
    const TKwCubicD curve = TKwCubicD::Of(P0, P1, P2, P3);
    const TKwBoxD hull = TKwBoxD::Of(curve);
    if (!View || View->Keep.Contains(hull)) {
        SampleCubicWithin(curve, CurveTolerance, Sink);
        return;
    }
    if (!hull.IsFinite() || !View->Visible.Meets(hull)) {
        Sink(P3);
        return;
    }
    // The end of the run of outside pieces not yet sent, and their side.
    int pendingSide = 0;
    TKwPoint pending;
    const auto flush = [&] {
        if (pendingSide != 0) Sink(pending);
        pendingSide = 0;
    };
    CutCubicDepthFirst(curve, [&](const TKwCubicD& Piece, bool CanCut) {
        const TKwBoxD box = TKwBoxD::Of(Piece);
        if (const int side = SideOutside(View->Visible, box); side != 0) {
            if (side != pendingSide) flush();
            // The last piece ends on the curve's own end point, exactly.
            pending = TKwPoint(float(Piece.X[3]), float(Piece.Y[3]));
            pendingSide = side;
            return false;
        }
        if (!View->Keep.Contains(box) && CanCut) return true;
        flush();
        SampleCubicWithin(Piece, CurveTolerance, Sink);
        return false;
    });
    flush();
}

} // namespace kw::detail
