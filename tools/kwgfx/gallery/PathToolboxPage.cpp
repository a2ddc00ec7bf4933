// SPDX-License-Identifier: MIT
// The path toolbox page: what can be made of a path besides filling it.
//   - stroke outlines: one curve with each join and cap, the outline filled and its own
//     figures traced thinly over it
//   - dashes on a curve, and on a closed figure where the last dash runs into the first
//   - measuring: points and tangents at even distances, the piece between two distances
//   - the stroke hit test: a grid of points, those on the stroke marked
//   - boolean operations of a circle and a star (even-odd, so its middle is a hole), and
//     simplify of a self-crossing star under either fill rule
#include "GalleryLabels.h"
#include "GalleryPages.h"

#include <kwgfx/path/KwPathBoolean.h>
#include <kwgfx/path/KwPathDash.h>
#include <kwgfx/path/KwPathData.h>
#include <kwgfx/path/KwPathMeasure.h>
#include <kwgfx/path/KwStrokeHitTest.h>
#include <kwgfx/path/KwStrokeOutline.h>
#include <kwgfx/path/KwSvgFill.h>

#include <cmath>
#include <string>

namespace kwtool::gallery {

using namespace kw;
using platform::TCanvas;

namespace {

constexpr TColor kInk = 0x7A3A10;    // dark blue
constexpr TColor kPale = 0xF0D8B0;   // pale blue
constexpr TColor kAccent = 0x2060E0; // orange
constexpr TColor kLine = 0x303030;

// Path moved by the area's top left corner.
void Place(TKwPathData& Path, const TRect& A) {
    Path.Translate(float(A.Left), float(A.Top));
}

void Fill(TCanvas& C, const TKwPathData& Path, TColor Color) {
    TKwSvgFillOptions fill;
    fill.Color = Color;
    FillSvgPath(C, Path, fill);
}

// The path's own lines, drawn as a thin stroke (itself an outline).
void Trace(TCanvas& C, const TKwPathData& Path, TColor Color, float Width = 0.8f) {
    TKwStrokeStyle thin;
    thin.Width = Width;
    thin.Join = ljRound;
    TKwPathData outline;
    KwStrokeOutline(Path, thin, outline);
    Fill(C, outline, Color);
}

// A wave with a sharp corner and a tight turn, in a 200 x 120 area.
TKwPathData Wave(const TRect& A) {
    TKwPathData p;
    p.SetSvgPathString("M30 95 C50 20 80 20 95 70 L120 30 C150 -5 185 40 160 90");
    Place(p, A);
    return p;
}

TDrawCell StrokeCell(TKwLineJoin Join, TKwLineCap Cap, const char* Names) {
    return [=](TCanvas& C, const TRect& A) {
        const TKwPathData wave = Wave(A);
        TKwStrokeStyle style;
        style.Width = 22;
        style.Join = Join;
        style.Cap = Cap;
        TKwPathData outline;
        KwStrokeOutline(wave, style, outline);
        Fill(C, outline, kPale);
        Trace(C, outline, kInk);
        Trace(C, wave, kAccent, 1.2f);
        return std::string("KwStrokeOutline(wave, {Width 22, ") + Names +
               "}); the outline filled, its figures traced";
    };
}

} // namespace

TGalleryPage PathToolboxPage() {
    TGalleryPage page("path_toolbox.png",
                      "Path toolbox: stroke outlines, dashes, measuring, hit tests, boolean "
                      "operations",
                      4, 200, 120, 5);
    page.Add(StrokeCell(ljMiter, lcButt, "ljMiter, lcButt"));
    page.Add(StrokeCell(ljRound, lcRound, "ljRound, lcRound"));
    page.Add(StrokeCell(ljBevel, lcSquare, "ljBevel, lcSquare"));
    page.Add([](TCanvas& C, const TRect& A) {
        const TKwPathData wave = Wave(A);
        TKwStrokeStyle style;
        style.Width = 9;
        style.Cap = lcRound;
        style.Join = ljRound;
        style.Dashes = {18, 8, 0, 8};
        TKwPathData outline;
        KwStrokeOutline(wave, style, outline);
        Fill(C, outline, kInk);
        return std::string("KwStrokeOutline with Dashes {18, 8, 0, 8}, round caps: dashes and "
                           "dots along the curves");
    });
    page.Add([](TCanvas& C, const TRect& A) {
        TKwPathData box, dashed;
        box.AddRectangle(TKwRect(float(A.Left + 30), float(A.Top + 20), float(A.Right - 30),
                                 float(A.Bottom - 20)),
                         20, 20, AllKwCorners, ctRound);
        const float pattern[] = {30, 12};
        KwDashPath(box, pattern, 0, dashed);
        TKwStrokeStyle style;
        style.Width = 7;
        TKwPathData outline;
        KwStrokeOutline(dashed, style, outline);
        Fill(C, outline, kInk);
        Trace(C, box, kAccent, 0.8f);
        return std::string("KwDashPath(rounded rectangle, {30, 12}, 0): the last dash runs on "
                           "into the first");
    });
    page.Add([](TCanvas& C, const TRect& A) {
        const TKwPathData wave = Wave(A);
        Trace(C, wave, kLine, 1.5f);
        const TKwPathMeasure measure(wave);
        const double step = measure.Length() / 12;
        for (int i = 0; i <= 12; ++i) {
            const TKwPathPosition at = measure.PositionAt(i * step);
            TKwPathData tick, dot;
            tick.MoveTo(at.Point);
            tick.LineTo({at.Point.X + 14 * at.Tangent.X, at.Point.Y + 14 * at.Tangent.Y});
            Trace(C, tick, kAccent, 1.5f);
            dot.AddEllipse({at.Point.X - 3, at.Point.Y - 3, at.Point.X + 3, at.Point.Y + 3});
            Fill(C, dot, kInk);
        }
        return "TKwPathMeasure(wave): Length " + Num(std::round(measure.Length() * 10) / 10) +
               ", PositionAt every twelfth: points and unit tangents";
    });
    page.Add([](TCanvas& C, const TRect& A) {
        const TKwPathData wave = Wave(A);
        Trace(C, wave, kLine, 1);
        const TKwPathMeasure measure(wave);
        TKwPathData piece, outline;
        measure.GetPiece(measure.Length() * 0.3, measure.Length() * 0.7, piece);
        TKwStrokeStyle style;
        style.Width = 8;
        style.Cap = lcRound;
        KwStrokeOutline(piece, style, outline);
        Fill(C, outline, kAccent);
        return std::string("GetPiece(0.3 Length, 0.7 Length): the middle of the wave, cut "
                           "from curves into curves");
    });
    page.Add([](TCanvas& C, const TRect& A) {
        const TKwPathData wave = Wave(A);
        TKwStrokeStyle style;
        style.Width = 18;
        style.Join = ljMiter;
        for (int y = A.Top + 3; y < A.Bottom; y += 6)
            for (int x = A.Left + 3; x < A.Right; x += 6) {
                const bool on = KwPointInStroke(wave, style, TKwPoint(float(x), float(y)));
                TKwPathData dot;
                const float r = on ? 2.2f : 1.0f;
                dot.AddEllipse({x - r, y - r, x + r, y + r});
                Fill(C, dot, on ? kAccent : kLine);
            }
        return std::string("KwPointInStroke(wave, {Width 18, ljMiter}, P) at every sixth "
                           "pixel: on the stroke in orange");
    });
    static const char* const opNames[] = {"poUnion", "poIntersection", "poDifference", "poXor"};
    for (int op = poUnion; op <= poXor; ++op)
        page.Add([op](TCanvas& C, const TRect& A) {
            TKwPathData circle, star, result;
            const float cx = float(A.Left + A.Right) / 2, cy = float(A.Top + A.Bottom) / 2;
            circle.AddEllipse({cx - 70, cy - 42, cx + 10, cy + 38});
            circle.ClosePath();
            circle.SetFillMode(fmNonZero);
            star.SetSvgPathString("M0 -55 L32 45 L-52 -17 L52 -17 L-32 45 Z");
            star.Translate(cx + 25, cy + 5);
            star.SetFillMode(fmEvenOdd);
            KwCombinePaths(circle, star, TKwPathOp(op), result);
            Fill(C, result, kPale);
            Trace(C, result, kInk, 1.2f);
            Trace(C, circle, kLine, 0.5f);
            Trace(C, star, kLine, 0.5f);
            return std::string("KwCombinePaths(circle, star (even-odd), ") + opNames[op] +
                   ", Result): flattened figures that never cross";
        });
    for (const TKwFillMode mode : {fmNonZero, fmEvenOdd})
        page.Add([mode](TCanvas& C, const TRect& A) {
            TKwPathData star, simple;
            star.SetSvgPathString("M100 8 L152 112 L20 45 L180 45 L48 112 Z");
            Place(star, A);
            star.SetFillMode(mode);
            KwSimplifyPath(star, simple);
            Fill(C, simple, kPale);
            Trace(C, star, kLine, 0.5f);
            Trace(C, simple, kInk, 1.5f);
            return std::string("KwSimplifyPath(self-crossing star, ") +
                   (mode == fmNonZero ? "nonzero" : "even-odd") +
                   "): " + std::to_string(simple.Count()) +
                   " entries of figures that do not overlap";
        });
    return page;
}

} // namespace kwtool::gallery
