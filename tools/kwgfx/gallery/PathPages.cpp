// SPDX-License-Identifier: MIT
// Path pages: the path object's shapes and SVG arcs, and spline polygons.
//   - path shapes: ellipses, rectangles with each corner type, arcs and SVG arcs, flattened
//     and drawn as canvas polygons or polylines
//   - spline polygons: DrawBezierPolygon, B-spline or Bezier, open or closed
#include "GalleryLabels.h"
#include "GalleryPages.h"

#include <kwgfx/drawing/DrawBezierPolygon.h>
#include <kwgfx/path/KwPathData.h>
#include <kwgfx/platform/graphics/PixelRounding.h>

#include <functional>
#include <span>
#include <string>

namespace kwtool::gallery {

using namespace kw;
using platform::TCanvas;

// ------------------------------------------------------------------ path shapes

namespace {

// The path's curves flattened into lines half a pixel apart, then one canvas Polygon
// (filled) or Polyline per figure, points rounded.
void PaintPath(TCanvas& C, TKwPathData& Path, bool Fill) {
    Path.Flatten(0.5f);
    for (const TKwPoints& figure : Path.ToPolygons()) {
        TCanvasPoints points;
        for (const TKwPoint& p : figure)
            points.emplace_back(platform::RoundToPixel(p.X), platform::RoundToPixel(p.Y));
        if (Fill)
            C.Polygon(points);
        else
            C.Polyline(points);
    }
}

// Fills (or outlines) a path built by Build and returns the label.
TDrawCell PathCell(std::string Label, bool Fill,
                   std::function<void(TKwPathData&, const TKwRect&)> Build) {
    return [=](TCanvas& C, const TRect& A) {
        const TKwRect r(float(A.Left), float(A.Top), float(A.Right), float(A.Bottom));
        TKwPathData path;
        Build(path, r);
        C.Brush().SetColor(0x9AD0F5);
        C.Pen().SetColor(0x703010);
        C.Pen().SetWidth(Fill ? 1 : 2);
        PaintPath(C, path, Fill);
        return Label + " in " + RectText(A) +
               (Fill ? ", Flatten(0.5), ToPolygons, Polygon"
                     : ", Flatten(0.5), ToPolygons, Polyline");
    };
}

} // namespace

TGalleryPage PathShapesPage() {
    TGalleryPage page("path_shapes.png", "Path shapes", 4, 200, 120, 5);
    page.Add(PathCell("AddEllipse(Rect)", true,
                      [](TKwPathData& P, const TKwRect& R) { P.AddEllipse(R); }));
    static const char* const corners[] = {"ctRound", "ctBevel", "ctInnerRound", "ctInnerLine"};
    for (int t = ctRound; t <= ctInnerLine; ++t)
        page.Add(
            PathCell(std::string("AddRectangle(Rect, 30, 24, all corners, ") + corners[t] + ")",
                     true, [t](TKwPathData& P, const TKwRect& R) {
                         P.AddRectangle(R, 30, 24, AllKwCorners, TKwCornerType(t));
                     }));
    page.Add(PathCell("AddRectangle(Rect, 40, 40, [crTopLeft, crBottomRight], ctRound)", true,
                      [](TKwPathData& P, const TKwRect& R) {
                          P.AddRectangle(R, 40, 40, TKwCorners{crTopLeft, crBottomRight}, ctRound);
                      }));
    page.Add(PathCell("AddArc(centre, radii (80, 50), start 180, sweep 270)", false,
                      [](TKwPathData& P, const TKwRect& R) {
                          P.AddArc(TKwPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2),
                                   TKwPoint(80, 50), 180, 270);
                      }));
    page.Add(PathCell("AddArc(centre, radii (60, 60), start -30, sweep -240)", false,
                      [](TKwPathData& P, const TKwRect& R) {
                          P.AddArc(TKwPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2),
                                   TKwPoint(55, 55), -30, -240);
                      }));
    // SVG arcs: the four choices of large-arc and sweep flags between the same end points.
    for (int flags = 0; flags < 4; ++flags) {
        const int large = flags >> 1, sweep = flags & 1;
        page.Add([=](TCanvas& C, const TRect& A) {
            const std::string text =
                "M" + std::to_string(A.Left + 50) + "," + std::to_string(A.Top + 70) +
                " A50,35 0 " + std::to_string(large) + "," + std::to_string(sweep) + " " +
                std::to_string(A.Left + 130) + "," + std::to_string(A.Top + 50);
            TKwPathData path;
            path.SetPathString(text);
            C.Pen().SetColor(0x2020C0);
            C.Pen().SetWidth(2);
            PaintPath(C, path, false);
            return "SVG arc: SetPathString of " + text + "; Flatten(0.5), ToPolygons, Polyline";
        });
    }
    page.Add([](TCanvas& C, const TRect& A) {
        const std::string text = "M" + std::to_string(A.Left + 10) + "," +
                                 std::to_string(A.Bottom - 10) +
                                 " a25,25 -30 0,1 50,-25 l 20,0 a25,50 -30 0,1 50,-25 z";
        TKwPathData path;
        path.SetPathString(text);
        C.Brush().SetColor(0x80E0B0);
        PaintPath(C, path, true);
        return "Relative SVG arcs: SetPathString of " + text +
               "; Flatten(0.5), ToPolygons, Polygon";
    });
    return page;
}

// ------------------------------------------------------------------ spline polygons

TGalleryPage SplinesPage() {
    TGalleryPage page("splines.png", "Spline polygons", 4, 200, 140, 5);
    for (int closed = 0; closed < 2; ++closed)
        for (int bspline = 1; bspline >= 0; --bspline)
            page.Add([=](TCanvas& C, const TRect& A) {
                const TPoint points[] = {
                    {A.Left + 10, A.Bottom - 20},  {A.Left + 40, A.Top + 10},
                    {A.Left + 100, A.Top + 40},    {A.Left + 150, A.Top + 5},
                    {A.Right - 10, A.Bottom - 30}, {A.Left + 90, A.Bottom - 5}};
                // The control points, joined by a dotted line.
                C.Pen().SetColor(0xA0A0A0);
                C.Pen().SetStyle(platform::psDot);
                C.Polyline(points);
                C.Pen().SetStyle(platform::psSolid);
                C.Brush().SetColor(0xA0A0A0);
                for (const TPoint& p : points)
                    C.FillRect(TRect(p.X - 2, p.Y - 2, p.X + 3, p.Y + 3));
                C.Brush().SetColor(0xB0E0FF);
                C.Pen().SetColor(0x1060C0);
                C.Pen().SetWidth(2);
                DrawBezierPolygon(C, std::span<const TPoint>(points), bspline, closed, closed, 4,
                                  1);
                std::string list;
                for (const TPoint& p : points) list += (list.empty() ? "" : " ") + PointText(p);
                return "DrawBezierPolygon(Canvas, [" + list + "], BSpline " + Bool(bspline) +
                       ", Closed " + Bool(closed) + ", Filled " + Bool(closed) + ", Step 4, 1)";
            });
    return page;
}

} // namespace kwtool::gallery
