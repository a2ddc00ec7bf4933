// SPDX-License-Identifier: MIT
// TCairoCanvas's drawing calls, everything but text. The pen and brush sources live in
// CairoPenBrush.cpp, the clipping of far coordinates in CairoFarClip.cpp. On an image
// surface, fills and outlines go through the library's rasteriser (CairoRasterTarget.cpp);
// on other targets Cairo draws them, so that documents keep their vectors.
//
// Sections:
//   1. Life cycle and per-call state
//   2. Lines and polygons
//   3. Box shapes: rectangle, rounded rectangle, ellipse, chord, pie, fill
//   4. Pictures: Draw and StretchDraw
//   5. Triangle gradient fill
#include "kwgfx/backends/cairo/CairoCanvas.h"
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/detail/CairoConvert.h"
#include "kwgfx/backends/cairo/detail/CairoFarClip.h"
#include "kwgfx/backends/cairo/detail/CairoHandles.h"
#include "kwgfx/backends/cairo/detail/CairoPenBrush.h"
#include "kwgfx/backends/cairo/detail/CairoRasterTarget.h"
#include "kwgfx/backends/cairo/detail/CairoShapePath.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <numbers>
#include <vector>

namespace kw::platform {

using namespace cairo_detail;

// ---------------------------------------------------------------- 1. life cycle

TCairoCanvas::TCairoCanvas(cairo_surface_t* Surface)
    : FRaster(std::make_unique<TCairoRasterTarget>()) {
    Attach(Surface);
}

TCairoCanvas::TCairoCanvas(cairo_t* Context) : FRaster(std::make_unique<TCairoRasterTarget>()) {
    Attach(Context);
}

TCairoCanvas::~TCairoCanvas() {
    if (FFace) cairo_font_face_destroy(FFace);
    if (FMeasure) cairo_destroy(FMeasure);
    if (FContext) cairo_destroy(FContext);
    if (FSurface) cairo_surface_destroy(FSurface);
}

void TCairoCanvas::Attach(cairo_surface_t* Surface) {
    const TCairoContextHandle context(cairo_create(Surface));
    Attach(context.get());
}

void TCairoCanvas::Attach(cairo_t* Context) {
    // The target is kept apart from the context: an errored context no longer gives it.
    cairo_t* context = cairo_reference(Context);
    cairo_surface_t* surface = cairo_surface_reference(cairo_get_target(Context));
    if (FContext) cairo_destroy(FContext);
    if (FSurface) cairo_surface_destroy(FSurface);
    FContext = context;
    FSurface = surface;
    if (!FBaseMatrix) FBaseMatrix = std::make_unique<cairo_matrix_t>();
    cairo_get_matrix(FContext, FBaseMatrix.get());
    if (!FMeasure) {
        const TCairoSurfaceHandle pixel(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1));
        FMeasure = cairo_create(pixel.get());
    }
}

// The context's clip extents in canvas coordinates: the bitmap, the document page, or the
// part of a window's context that GTK lets the canvas draw, whatever its transform.
std::optional<TRect> TCairoCanvas::DoClipBox() const {
    if (!FContext) return std::nullopt;
    double l = 0, t = 0, r = 0, b = 0;
    cairo_clip_extents(FContext, &l, &t, &r, &b);
    if (!(l < r && t < b)) return std::nullopt;
    const auto pixel = [](double v) { return static_cast<int32_t>(std::clamp(v, -2e9, 2e9)); };
    return TRect{pixel(std::floor(l)), pixel(std::floor(t)), pixel(std::ceil(r)),
                 pixel(std::ceil(b))};
}

// Outlines on images go through the rasteriser, hard-edged ones too. An opaque pen's are
// painted span by span (raster/HardStrokes.h): the outlines of an icon at 256 x 256 take 0.74
// of Cairo's time with a pen of one pixel, 0.79 with one of three (26 against 35 and 32
// against 40 microseconds, bench/path_geometry_cairo.cpp); a translucent pen's are filled as
// outlines, in about Cairo's time. Cairo's time and memory grow with the crossings of the
// lines besides, where the rasteriser's stay bounded (a megabyte of tangled curves outlines
// in a second instead of minutes).

// Every drawing call starts from a clean state, so nothing leaks from one call to the next.
void TCairoCanvas::BeginDrawing() {
    cairo_save(FContext);
    cairo_new_path(FContext);
    cairo_set_antialias(FContext, to_cairo_antialias(FAntialias));
}

// A context that went into an error state refuses all further drawing; start a fresh one
// so that one bad call does not disable the canvas.
void TCairoCanvas::EndDrawing() {
    cairo_restore(FContext);
    if (cairo_status(FContext) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(FContext);
        FContext = cairo_create(FSurface);
        cairo_set_matrix(FContext, FBaseMatrix.get());
    }
}

// ---------------------------------------------------------------- 2. lines and polygons

// Points name pixels: the path runs through pixel centres.
static void PixelCentrePath(cairo_t* Cr, std::span<const TPoint> Points) {
    cairo_move_to(Cr, Points[0].X + 0.5, Points[0].Y + 0.5);
    for (std::size_t i = 1; i < Points.size(); ++i)
        cairo_line_to(Cr, Points[i].X + 0.5, Points[i].Y + 0.5);
}

// Moves P by Distance towards Target (away from it when negative); a P on Target stays.
static void MoveTowards(TPointD& P, const TPointD& Target, double Distance) {
    const double dx = Target.X - P.X, dy = Target.Y - P.Y;
    const double len = std::hypot(dx, dy);
    if (len == 0) return;
    P.X += Distance * dx / len;
    P.Y += Distance * dy / len;
}

// The points of a line or figure on pixel centres, for the rasteriser.
static void ToVertices(std::span<const TPointD> Points, std::vector<raster::TVertex>& Out,
                       double Shift = 0) {
    Out.clear();
    for (const TPointD& p : Points) Out.push_back({p.X + Shift, p.Y + Shift});
}

// An open line through pixel centres that covers its first pixel and leaves out its last:
// both ends move half a pixel back along their segment. Kept in FLinePoints; false for a
// line of fewer than two points.
bool TCairoCanvas::OpenLineCentres(std::span<const TPoint> Points) {
    if (Points.size() < 2) return false;
    std::vector<TPointD>& pts = FLinePoints;
    pts.clear();
    for (const TPoint& p : Points) pts.emplace_back(p.X + 0.5, p.Y + 0.5);
    // The first point moves away from its neighbour, the last one towards its own.
    MoveTowards(pts.front(), pts[1], -0.5);
    MoveTowards(pts.back(), pts[pts.size() - 2], 0.5);
    return true;
}

// Strokes the line in FLinePoints by the rasteriser, begun on the context, and paints it.
void TCairoCanvas::RasterOpenLine(const TBoxD& Reach) {
    const std::vector<TPointD>& pts = FLinePoints;
    if (FigureInsideBox(pts, Reach)) {
        ToVertices(pts, FLine);
        FRaster->AddStroke(FContext, FLine, false);
    } else {
        // A line reaching far out: its pieces in reach, where doubles keep the width, each
        // with its dashes where the whole line has them.
        std::vector<double> along;
        const auto pieces = ClipLineToBox(pts, Reach, &along);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            ToVertices(pieces[i], FLine);
            FRaster->AddStroke(FContext, FLine, false, along[i]);
        }
    }
    FRaster->Paint(FContext, raster::TFillRule::NonZero);
}

void TCairoCanvas::StrokeOpenPath(std::span<const TPoint> Points) {
    if (!OpenLineCentres(Points)) return;
    BeginDrawing();
    if (SetPenSource(FContext, Pen())) {
        const TBoxD reach = FarReach(FContext);
        if (FRaster->Begin(FContext, FAntialias)) {
            RasterOpenLine(reach);
        } else {
            const std::vector<TPointD>& pts = FLinePoints;
            if (FigureInsideBox(pts, reach)) {
                cairo_move_to(FContext, pts[0].X, pts[0].Y);
                for (std::size_t i = 1; i < pts.size(); ++i)
                    cairo_line_to(FContext, pts[i].X, pts[i].Y);
            } else {
                AddClippedLine(FContext, pts, reach);
            }
            cairo_stroke(FContext);
        }
    }
    EndDrawing();
}

// Lines on an image: the context set up, and the rasteriser begun, once for all of them;
// each is still stroked and painted by itself. Elsewhere each line is drawn as Polyline
// draws it.
void TCairoCanvas::DoPolylines(std::span<const std::vector<TPoint>> Lines) {
    BeginDrawing();
    const bool byRaster = FRaster->Begin(FContext, FAntialias);
    if (byRaster && SetPenSource(FContext, Pen())) {
        const TBoxD reach = FarReach(FContext);
        bool first = true;
        for (const std::vector<TPoint>& line : Lines) {
            if (!OpenLineCentres(line)) continue;
            if (!first) FRaster->Restart();
            first = false;
            RasterOpenLine(reach);
        }
    }
    EndDrawing();
    if (!byRaster)
        for (const std::vector<TPoint>& line : Lines) StrokeOpenPath(line);
}

void TCairoCanvas::DoLineTo(TPoint From, TPoint To) {
    const TPoint line[] = {From, To};
    StrokeOpenPath(line);
}

void TCairoCanvas::DoPolyline(std::span<const TPoint> Points) {
    StrokeOpenPath(Points);
}

// Fills Figures (spans of points naming pixels) with a solid brush by the rasteriser alone,
// when the canvas draws on an image: the context is only read, so no state is saved or set,
// and the rasteriser fills exactly at any coordinates, so figures reaching far out need no
// cutting down. False, with nothing drawn, otherwise.
template <typename TFigures>
bool TCairoCanvas::FillSolidByRaster(const TFigures& Figures, TPolyFillMode FillMode) {
    if (Brush().Style() != bsSolid ||
        !FRaster->Begin(FContext, FAntialias, raster::TAffine{}.Moved(0.5, 0.5)))
        return false;
    for (const auto& figure : Figures) FRaster->Raster().AddPolygon(figure);
    const TCairoRGB rgb = to_cairo_rgb(Brush().Color());
    FRaster->Paint(FContext,
                   FillMode == pfWinding ? raster::TFillRule::NonZero : raster::TFillRule::EvenOdd,
                   CairoPixelOf(rgb.R, rgb.G, rgb.B, 1));
    return true;
}

void TCairoCanvas::DoPolygon(std::span<const TPoint> Points) {
    if (Points.empty()) return;
    // Without a pen, a fill the rasteriser takes needs no test of the points: it is exact at
    // any coordinates.
    if (Pen().Style() == psClear && FillSolidByRaster(std::span(&Points, 1), pfAlternate)) return;
    if (!PointsInsideBox(Points, FarReach(FContext))) {
        // Filled even-odd, then outlined: the same drawing at exact coordinates, clipped.
        const std::vector<std::vector<TPointD>> figure{ToPointsD(Points)};
        DoPolyPolygonF(figure, pfAlternate);
        return;
    }
    BeginDrawing();
    if (SetBrushSource(FContext, Brush())) {
        if (FRaster->Begin(FContext, FAntialias, raster::TAffine{}.Moved(0.5, 0.5))) {
            FRaster->Raster().AddPolygon(Points);
            FRaster->Paint(FContext, raster::TFillRule::EvenOdd);
        } else {
            PixelCentrePath(FContext, Points);
            cairo_close_path(FContext);
            cairo_set_fill_rule(FContext, CAIRO_FILL_RULE_EVEN_ODD);
            cairo_fill(FContext);
        }
    }
    if (SetPenSource(FContext, Pen())) {
        if (FRaster->Begin(FContext, FAntialias)) {
            StrokeFigure(Points);
            FRaster->Paint(FContext, raster::TFillRule::NonZero);
        } else {
            PixelCentrePath(FContext, Points);
            cairo_close_path(FContext);
            cairo_stroke(FContext);
        }
    }
    EndDrawing();
}

// Adds the outline of the closed figure through the pixel centres of Points.
template <typename P>
void TCairoCanvas::StrokeFigure(std::span<const P> Points) {
    FLine.clear();
    for (const P& p : Points) FLine.push_back({double(p.X) + 0.5, double(p.Y) + 0.5});
    FRaster->AddStroke(FContext, FLine, true);
}

// Fills the figures with the brush under FillMode, then outlines each with the pen. On an
// image surface the rasteriser draws both from Figures (point lists, points naming pixels);
// elsewhere AddFigures puts them into Cairo's path, afresh for each pass.
template <typename TFigures>
void TCairoCanvas::FillThenStroke(const std::function<void()>& AddFigures, const TFigures& Figures,
                                  TPolyFillMode FillMode) {
    const raster::TFillRule rule =
        FillMode == pfWinding ? raster::TFillRule::NonZero : raster::TFillRule::EvenOdd;
    if (SetBrushSource(FContext, Brush())) {
        if (FRaster->Begin(FContext, FAntialias, raster::TAffine{}.Moved(0.5, 0.5))) {
            for (const auto& figure : Figures) FRaster->Raster().AddPolygon(figure);
            FRaster->Paint(FContext, rule);
        } else {
            AddFigures();
            cairo_set_fill_rule(FContext, to_cairo_fill_rule(FillMode));
            cairo_fill(FContext);
        }
    }
    if (SetPenSource(FContext, Pen())) {
        if (FRaster->Begin(FContext, FAntialias)) {
            for (const auto& figure : Figures) StrokeFigure(std::span(figure));
            FRaster->Paint(FContext, raster::TFillRule::NonZero);
        } else {
            AddFigures();
            cairo_stroke(FContext);
        }
    }
}

bool TCairoCanvas::DoFillPathCurves(const raster::TRasterPath& Path,
                                    const raster::TAffine& Transform, TColor Color, bool Antialias,
                                    TPolyFillMode FillMode) {
    // Points name pixel centres: half a pixel onto Cairo's pixel edges. The context's state
    // is only read, so it needs no saving.
    if (!FContext || !FRaster->Begin(FContext, Antialias, Transform.Moved(0.5, 0.5))) return false;
    FRaster->Raster().AddPath(Path);
    const TCairoRGB rgb = to_cairo_rgb(Color);
    FRaster->Paint(FContext,
                   FillMode == pfWinding ? raster::TFillRule::NonZero : raster::TFillRule::EvenOdd,
                   CairoPixelOf(rgb.R, rgb.G, rgb.B, 1));
    return true;
}

void TCairoCanvas::DoPolyPolygon(std::span<const std::vector<TPoint>> Polygons,
                                 TPolyFillMode FillMode) {
    if (Pen().Style() == psClear && FillSolidByRaster(Polygons, FillMode)) return;
    const TBoxD reach = FarReach(FContext);
    if (!std::all_of(Polygons.begin(), Polygons.end(), [&](const std::vector<TPoint>& Figure) {
            return PointsInsideBox(Figure, reach);
        })) {
        std::vector<std::vector<TPointD>> figures;
        figures.reserve(Polygons.size());
        for (const std::vector<TPoint>& figure : Polygons) figures.push_back(ToPointsD(figure));
        DoPolyPolygonF(figures, FillMode);
        return;
    }
    BeginDrawing();
    // All figures go into one Cairo path, so the fill rule sees them together.
    const auto addFigures = [&] {
        for (const std::vector<TPoint>& figure : Polygons) {
            if (figure.empty()) continue;
            PixelCentrePath(FContext, figure);
            cairo_close_path(FContext);
        }
    };
    FillThenStroke(addFigures, Polygons, FillMode);
    EndDrawing();
}

// Filled and outlined as DoPolyPolygon does, at the exact coordinates.
void TCairoCanvas::DoPolyPolygonF(std::span<const std::vector<TPointD>> Polygons,
                                  TPolyFillMode FillMode) {
    if (Pen().Style() == psClear && FillSolidByRaster(Polygons, FillMode)) return;
    const TFiguresInReach inReach(Polygons, FarReach(FContext));
    BeginDrawing();
    // All figures go into one Cairo path, so the fill rule sees them together.
    const auto addFigures = [&] {
        for (std::span<const TPointD> figure : inReach.Figures()) {
            cairo_move_to(FContext, figure[0].X + 0.5, figure[0].Y + 0.5);
            for (std::size_t i = 1; i < figure.size(); ++i)
                cairo_line_to(FContext, figure[i].X + 0.5, figure[i].Y + 0.5);
            cairo_close_path(FContext);
        }
    };
    FillThenStroke(addFigures, inReach.Figures(), FillMode);
    EndDrawing();
}

// ---------------------------------------------------------------- 3. box shapes

static TRect Normalized(TRect R) {
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    return R;
}

// Fills the shape with the brush, then strokes its outline with the pen inside the box:
// the outline's path is the shape shrunk by half the pen width. A box too small for two
// pen widths is filled with the pen colour instead. A box reaching past the far reach is
// drawn from its flattened, clipped outline; so is every shape the rasteriser draws.
void TCairoCanvas::FillAndOutline(TRect Box, const TBoxPath& Path) {
    Box = Normalized(Box);
    if (Box.Left == Box.Right || Box.Top == Box.Bottom) return;
    const double l = Box.Left, t = Box.Top, r = Box.Right, b = Box.Bottom;
    const TBoxD reach = FarReach(FContext);
    const bool far = l < reach.Left || t < reach.Top || r > reach.Right || b > reach.Bottom;
    const auto addPath = [&](double Inset) {
        if (!far) {
            TShapePath path(FContext);
            Path(path, l, t, r, b, Inset);
            return;
        }
        TShapePath path;
        Path(path, l, t, r, b, Inset);
        AddClippedFigures(FContext, path.Figures(), reach);
    };
    // The shape's flattened figures for the rasteriser, filled or outlined.
    const auto rasterise = [&](double Inset, bool Outline) {
        TShapePath path;
        Path(path, l, t, r, b, Inset);
        for (const std::vector<TPointD>& figure : path.Figures()) {
            if (Outline) {
                ToVertices(figure, FLine);
                FRaster->AddStroke(FContext, FLine, true);
            } else {
                FRaster->Raster().AddPolygon(figure);
            }
        }
        FRaster->Paint(FContext, raster::TFillRule::NonZero);
    };
    BeginDrawing();
    if (SetBrushSource(FContext, Brush())) {
        if (FRaster->Begin(FContext, FAntialias)) {
            rasterise(0, false);
        } else {
            addPath(0);
            cairo_fill(FContext);
        }
    }
    if (const std::optional<int32_t> penWidth = SetPenSource(FContext, Pen())) {
        const int32_t width = *penWidth;
        const bool solid = 2.0 * width >= r - l || 2.0 * width >= b - t;
        if (FRaster->Begin(FContext, FAntialias)) {
            rasterise(solid ? 0 : width / 2.0, !solid);
        } else if (solid) {
            addPath(0);
            cairo_fill(FContext);
        } else {
            addPath(width / 2.0);
            cairo_stroke(FContext);
        }
    }
    EndDrawing();
}

void TCairoCanvas::DoRectangle(const TRect& Box) {
    // A box on whole pixels with a solid outline (or none) is boxes of whole pixels: the fill,
    // and the four sides of the outline, or all of it when the pen covers it.
    const TRect box = Normalized(Box);
    const TBoxD reach = FarReach(FContext);
    const TPenStyle style = Pen().Style();
    const bool dashed =
        Pen().Width() <= 1 && style != psSolid && style != psClear && style != psInsideFrame;
    if (!dashed && box.Left < box.Right && box.Top < box.Bottom && box.Left >= reach.Left &&
        box.Top >= reach.Top && box.Right <= reach.Right && box.Bottom <= reach.Bottom) {
        BeginDrawing();
        bool done = true;
        const int l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
        if (SetBrushSource(FContext, Brush())) {
            const raster::TPixelBox fill{l, t, r, b};
            done = FRaster->FillBoxes(FContext, {&fill, 1});
        }
        if (done) {
            if (const std::optional<int32_t> pen = SetPenSource(FContext, Pen())) {
                const int w = *pen;
                if (2 * w >= r - l || 2 * w >= b - t) {
                    const raster::TPixelBox all{l, t, r, b};
                    done = FRaster->FillBoxes(FContext, {&all, 1});
                } else {
                    const raster::TPixelBox sides[] = {{l, t, r, t + w},
                                                       {l, b - w, r, b},
                                                       {l, t + w, l + w, b - w},
                                                       {r - w, t + w, r, b - w}};
                    done = FRaster->FillBoxes(FContext, sides);
                }
            }
        }
        EndDrawing();
        // FillBoxes fails only on the target, transform or clip, which the brush's call met
        // first: then nothing was drawn, and the shape is drawn as any other.
        if (done) return;
    }
    FillAndOutline(Box, [](TShapePath& P, double L, double T, double R, double B, double Inset) {
        P.Rectangle(L + Inset, T + Inset, R - L - 2 * Inset, B - T - 2 * Inset);
    });
}

void TCairoCanvas::DoRoundRect(const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) {
    const double cw = std::abs(double(CornerWidth)) / 2, ch = std::abs(double(CornerHeight)) / 2;
    FillAndOutline(Box,
                   [cw, ch](TShapePath& P, double L, double T, double R, double B, double Inset) {
                       L += Inset, T += Inset, R -= Inset, B -= Inset;
                       const double rx = std::clamp(cw - Inset, 0.0, (R - L) / 2);
                       const double ry = std::clamp(ch - Inset, 0.0, (B - T) / 2);
                       constexpr double pi = std::numbers::pi;
                       P.NewSubPath();
                       P.EllipseArc(R - rx, T + ry, rx, ry, -pi / 2, 0, false);
                       P.EllipseArc(R - rx, B - ry, rx, ry, 0, pi / 2, false);
                       P.EllipseArc(L + rx, B - ry, rx, ry, pi / 2, pi, false);
                       P.EllipseArc(L + rx, T + ry, rx, ry, pi, 3 * pi / 2, false);
                       P.ClosePath();
                   });
}

void TCairoCanvas::DoEllipse(const TRect& Box) {
    FillAndOutline(Box, [](TShapePath& P, double L, double T, double R, double B, double Inset) {
        P.NewSubPath();
        P.EllipseArc((L + R) / 2, (T + B) / 2, (R - L) / 2 - Inset, (B - T) / 2 - Inset, 0,
                     2 * std::numbers::pi, false);
        P.ClosePath();
    });
}

// Chord and pie: the arc runs counter-clockwise on screen, which is towards smaller Cairo
// angles (Cairo's y axis points down). The radial angles are taken on the box's ellipse,
// so that a point on the radial anywhere gives the same angle.
void TCairoCanvas::DrawArcShape(const TRect& Box, TPoint Start, TPoint End, bool Wedge) {
    const TRect box = Normalized(Box);
    const double cx = (double(box.Left) + box.Right) / 2, cy = (double(box.Top) + box.Bottom) / 2;
    const double rx = (double(box.Right) - box.Left) / 2, ry = (double(box.Bottom) - box.Top) / 2;
    if (rx == 0 || ry == 0) return;
    const double a1 = std::atan2((Start.Y - cy) / ry, (Start.X - cx) / rx);
    double a2 = std::atan2((End.Y - cy) / ry, (End.X - cx) / rx);
    if (a2 >= a1) a2 -= 2 * std::numbers::pi; // equal radials: the whole ellipse
    FillAndOutline(box, [=](TShapePath& P, double, double, double, double, double Inset) {
        if (Wedge)
            P.MoveTo(cx, cy);
        else
            P.NewSubPath();
        P.EllipseArc(cx, cy, rx - Inset, ry - Inset, a1, a2, true);
        P.ClosePath();
    });
}

void TCairoCanvas::DoChord(const TRect& Box, TPoint Start, TPoint End) {
    DrawArcShape(Box, Start, End, false);
}

void TCairoCanvas::DoPie(const TRect& Box, TPoint Start, TPoint End) {
    DrawArcShape(Box, Start, End, true);
}

// The rectangle is clamped to the far reach; its width is taken in double, as the sides
// may lie further apart than an int32 can count.
void TCairoCanvas::DoFillRect(const TRect& Rect) {
    if (Rect.Right <= Rect.Left || Rect.Bottom <= Rect.Top) return;
    const TBoxD reach = FarReach(FContext);
    const double l = std::max<double>(Rect.Left, reach.Left);
    const double t = std::max<double>(Rect.Top, reach.Top);
    const double r = std::min<double>(Rect.Right, reach.Right);
    const double b = std::min<double>(Rect.Bottom, reach.Bottom);
    if (r <= l || b <= t) return;
    BeginDrawing();
    if (SetBrushSource(FContext, Brush())) {
        const raster::TPixelBox box{int(l), int(t), int(r), int(b)};
        if (FRaster->FillBoxes(FContext, {&box, 1})) {
            // Whole pixels: painted without coverage.
        } else if (FRaster->Begin(FContext, FAntialias)) {
            const raster::TVertex corners[] = {{l, t}, {r, t}, {r, b}, {l, b}};
            FRaster->Raster().AddPolygon(corners);
            FRaster->Paint(FContext, raster::TFillRule::NonZero);
        } else {
            cairo_rectangle(FContext, l, t, r - l, b - t);
            cairo_fill(FContext);
        }
    }
    EndDrawing();
}

// ---------------------------------------------------------------- 4. pictures

// A Cairo surface holding the graphic's pixels: a TBitmap's own surface (copied when it
// is the one being drawn on), otherwise a new surface filled through ReadPixels.
static TCairoSurfaceHandle SourceSurface(const TGraphic& Graphic, cairo_surface_t* Target) {
    const auto* bitmap = dynamic_cast<const TBitmap*>(&Graphic);
    if (bitmap && bitmap->Surface() != Target)
        return TCairoSurfaceHandle(cairo_surface_reference(bitmap->Surface()));
    const int w = Graphic.Width(), h = Graphic.Height();
    TCairoSurfaceHandle handle(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    cairo_surface_t* s = handle.get();
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return handle;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(w) * h);
    Graphic.ReadPixels(pixels);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y)
        std::memcpy(data + y * stride, pixels.data() + static_cast<std::size_t>(y) * w,
                    static_cast<std::size_t>(w) * 4);
    cairo_surface_mark_dirty(s);
    return handle;
}

void TCairoCanvas::PaintGraphic(const TGraphic& Graphic, const TRect& Dest) {
    const TRect dest = Normalized(Dest);
    if (Graphic.Empty() || dest.Width() == 0 || dest.Height() == 0) return;
    const TCairoSurfaceHandle source(SourceSurface(Graphic, FSurface));
    if (cairo_surface_status(source.get()) == CAIRO_STATUS_SUCCESS) {
        BeginDrawing();
        cairo_rectangle(FContext, dest.Left, dest.Top, dest.Width(), dest.Height());
        cairo_clip(FContext);
        cairo_translate(FContext, dest.Left, dest.Top);
        cairo_scale(FContext, double(dest.Width()) / Graphic.Width(),
                    double(dest.Height()) / Graphic.Height());
        cairo_set_source_surface(FContext, source.get(), 0, 0);
        cairo_pattern_t* pattern = cairo_get_source(FContext);
        // An image at its own size needs no smoothing. A bitmap target finds that out for
        // itself; a vector target would tell the viewer to smooth it, blurring its edges.
        const bool scaled = dest.Width() != Graphic.Width() || dest.Height() != Graphic.Height();
        cairo_pattern_set_filter(pattern, to_cairo_filter(FAntialias && scaled));
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
        cairo_paint(FContext);
        EndDrawing();
    }
}

void TCairoCanvas::DoDraw(int32_t X, int32_t Y, const TGraphic& Graphic) {
    PaintGraphic(Graphic, {X, Y, X + Graphic.Width(), Y + Graphic.Height()});
}

void TCairoCanvas::DoStretchDraw(const TRect& Rect, const TGraphic& Graphic) {
    PaintGraphic(Graphic, Rect);
}

// ---------------------------------------------------------------- 5. gradient fill

// One mesh patch per triangle, its corners coloured from the vertices (alpha is ignored:
// the fill is opaque), painted through a clip of the triangles so that the edges follow
// the canvas's anti-aliasing setting.
void TCairoCanvas::DoGradientFill(std::span<const TTriVertex> Vertices,
                                  std::span<const TGradientTriangle> Triangles) {
    if (Triangles.empty()) return;
    const TCairoPatternHandle meshHandle(cairo_pattern_create_mesh());
    cairo_pattern_t* mesh = meshHandle.get();
    BeginDrawing();
    for (const TGradientTriangle& t : Triangles) {
        const TTriVertex* corners[] = {&Vertices[t.Vertex1], &Vertices[t.Vertex2],
                                       &Vertices[t.Vertex3]};
        cairo_mesh_pattern_begin_patch(mesh);
        cairo_mesh_pattern_move_to(mesh, corners[0]->x, corners[0]->y);
        cairo_mesh_pattern_line_to(mesh, corners[1]->x, corners[1]->y);
        cairo_mesh_pattern_line_to(mesh, corners[2]->x, corners[2]->y);
        for (unsigned i = 0; i < 3; ++i)
            cairo_mesh_pattern_set_corner_color_rgb(mesh, i, to_cairo_channel(corners[i]->Red),
                                                    to_cairo_channel(corners[i]->Green),
                                                    to_cairo_channel(corners[i]->Blue));
        cairo_mesh_pattern_end_patch(mesh);
        // Every clip triangle runs the same way round, so that their union has no holes.
        const double cross =
            double(corners[1]->x - corners[0]->x) * (corners[2]->y - corners[0]->y) -
            double(corners[1]->y - corners[0]->y) * (corners[2]->x - corners[0]->x);
        if (cross < 0) std::swap(corners[1], corners[2]);
        cairo_move_to(FContext, corners[0]->x, corners[0]->y);
        cairo_line_to(FContext, corners[1]->x, corners[1]->y);
        cairo_line_to(FContext, corners[2]->x, corners[2]->y);
        cairo_close_path(FContext);
    }
    cairo_set_fill_rule(FContext, CAIRO_FILL_RULE_WINDING);
    cairo_clip(FContext);
    cairo_set_source(FContext, mesh);
    cairo_paint(FContext);
    EndDrawing();
}

} // namespace kw::platform
