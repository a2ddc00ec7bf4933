// TCairoCanvas, everything but text.
//
// Sections:
//   1. Life cycle and per-call state
//   2. Pen and brush sources (dashes, hatch patterns)
//   3. Lines and polygons
//   4. Box shapes: rectangle, rounded rectangle, ellipse, chord, pie, fill
//   5. Pictures: Draw and StretchDraw
//   6. Triangle gradient fill
#include "kwgfx/platform/graphics/cairo/CairoCanvas.h"
#include "kwgfx/platform/graphics/PolygonBoxClip.h"
#include "kwgfx/platform/graphics/cairo/Bitmap.h"
#include "kwgfx/platform/graphics/cairo/detail/CairoConvert.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <numbers>
#include <vector>

namespace kw::platform {

using namespace cairo_detail;

// ---------------------------------------------------------------- 1. life cycle

TCairoCanvas::TCairoCanvas(cairo_surface_t* Surface) {
    Attach(Surface);
}

TCairoCanvas::~TCairoCanvas() {
    if (FFace) cairo_font_face_destroy(FFace);
    if (FContext) cairo_destroy(FContext);
    if (FSurface) cairo_surface_destroy(FSurface);
}

void TCairoCanvas::Attach(cairo_surface_t* Surface) {
    if (FContext) cairo_destroy(FContext);
    if (FSurface) cairo_surface_destroy(FSurface);
    FSurface = cairo_surface_reference(Surface);
    FContext = cairo_create(FSurface);
}

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
    }
}

// ---------------------------------------------------------------- 2. pen and brush

// Sets the pen colour, width, dashes and joins; false for psClear. Width receives the
// width in pixels (at least 1).
bool TCairoCanvas::SetPenSource(int32_t& Width) {
    const TPen& pen = Pen();
    Width = std::max<int32_t>(1, pen.Width());
    if (pen.Style() == psClear) return false;
    to_cairo_source(FContext, pen.Color());
    cairo_set_line_width(FContext, Width);
    cairo_set_line_cap(FContext, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(FContext, CAIRO_LINE_JOIN_MITER);
    // Square corners stay square; sharp polygon tips are bevelled instead of spiking out.
    cairo_set_miter_limit(FContext, 2);
    // Dashed styles apply to one-pixel pens; wider pens draw solid lines.
    static const double dash[] = {18, 6};
    static const double dot[] = {3, 3};
    static const double dashDot[] = {9, 6, 3, 6};
    static const double dashDotDot[] = {9, 3, 3, 3, 3, 3};
    if (Width == 1) {
        switch (pen.Style()) {
        case psDash:
            cairo_set_dash(FContext, dash, 2, 0);
            break;
        case psDot:
            cairo_set_dash(FContext, dot, 2, 0);
            break;
        case psDashDot:
            cairo_set_dash(FContext, dashDot, 4, 0);
            break;
        case psDashDotDot:
            cairo_set_dash(FContext, dashDotDot, 6, 0);
            break;
        default:
            break;
        }
    }
    return true;
}

// An 8 x 8 tile with the hatch lines in Color on a transparent ground, repeated from the
// canvas origin.
static cairo_pattern_t* CreateHatchPattern(TBrushStyle Style, TColor Color) {
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_surface_flush(tile);
    unsigned char* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    const auto c = static_cast<uint32_t>(ColorToRGB(Color));
    const uint32_t argb = 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    auto set = [&](int x, int y) { std::memcpy(data + y * stride + x * 4, &argb, 4); };
    for (int i = 0; i < 8; ++i) {
        const bool horizontal = Style == bsHorizontal || Style == bsCross;
        const bool vertical = Style == bsVertical || Style == bsCross;
        const bool down = Style == bsFDiagonal || Style == bsDiagCross;
        const bool up = Style == bsBDiagonal || Style == bsDiagCross;
        if (horizontal) set(i, 7);
        if (vertical) set(7, i);
        if (down) set(i, i);
        if (up) set(7 - i, i);
    }
    cairo_surface_mark_dirty(tile);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_surface_destroy(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    return pattern;
}

// Sets the brush as source; false for bsClear.
bool TCairoCanvas::SetBrushSource() {
    const TBrush& brush = Brush();
    if (brush.Style() == bsClear) return false;
    if (brush.Style() == bsSolid) {
        to_cairo_source(FContext, brush.Color());
    } else {
        cairo_pattern_t* hatch = CreateHatchPattern(brush.Style(), brush.Color());
        cairo_set_source(FContext, hatch);
        cairo_pattern_destroy(hatch);
    }
    return true;
}

// ---------------------------------------------------------------- 3. lines and polygons

// Cairo holds coordinates in 24.8 fixed point and wraps them beyond about 8 million pixels,
// so figures reaching further than this from the surface are clipped first. The margin
// keeps the clipped edges out of sight of any ordinary pen. It is kept far below that
// limit because the anti-aliased rasteriser already fills edges longer than about 160 000
// pixels wrongly (a wedge of that size loses its slanted side).
static constexpr double kFarMargin = 1 << 14;

// The region that goes to Cairo at exact coordinates: the surface and the margin round it.
static TBoxD FarReach(cairo_surface_t* Surface) {
    return {-kFarMargin, -kFarMargin, cairo_image_surface_get_width(Surface) + kFarMargin,
            cairo_image_surface_get_height(Surface) + kFarMargin};
}

static bool PointsInsideBox(std::span<const TPoint> Points, const TBoxD& Box) {
    return std::all_of(Points.begin(), Points.end(), [&](const TPoint& P) {
        return P.X >= Box.Left && P.X <= Box.Right && P.Y >= Box.Top && P.Y <= Box.Bottom;
    });
}

static std::vector<TPointD> ToPointsD(std::span<const TPoint> Points) {
    std::vector<TPointD> out;
    out.reserve(Points.size());
    for (const TPoint& p : Points) out.emplace_back(p.X, p.Y);
    return out;
}

// Points name pixels: the path runs through pixel centres.
static void PixelCentrePath(cairo_t* Cr, std::span<const TPoint> Points) {
    cairo_move_to(Cr, Points[0].X + 0.5, Points[0].Y + 0.5);
    for (std::size_t i = 1; i < Points.size(); ++i)
        cairo_line_to(Cr, Points[i].X + 0.5, Points[i].Y + 0.5);
}

// An open line through pixel centres that covers its first pixel and leaves out its last:
// both ends move half a pixel back along their segment.
void TCairoCanvas::StrokeOpenPath(std::span<const TPoint> Points) {
    if (Points.size() < 2) return;
    int32_t width = 1;
    BeginDrawing();
    if (SetPenSource(width)) {
        std::vector<TPointD> pts;
        pts.reserve(Points.size());
        for (const TPoint& p : Points) pts.emplace_back(p.X + 0.5, p.Y + 0.5);
        auto pullBack = [](TPointD& End, const TPointD& Other) {
            const double dx = End.X - Other.X;
            const double dy = End.Y - Other.Y;
            const double len = std::hypot(dx, dy);
            if (len == 0) return;
            End.X -= 0.5 * dx / len;
            End.Y -= 0.5 * dy / len;
        };
        auto pushOut = [](TPointD& Start, const TPointD& Next) {
            const double dx = Next.X - Start.X;
            const double dy = Next.Y - Start.Y;
            const double len = std::hypot(dx, dy);
            if (len == 0) return;
            Start.X -= 0.5 * dx / len;
            Start.Y -= 0.5 * dy / len;
        };
        pushOut(pts.front(), pts[1]);
        pullBack(pts.back(), pts[pts.size() - 2]);
        if (FigureInsideBox(pts, FarReach(FSurface))) {
            cairo_move_to(FContext, pts[0].X, pts[0].Y);
            for (std::size_t i = 1; i < pts.size(); ++i)
                cairo_line_to(FContext, pts[i].X, pts[i].Y);
        } else {
            StrokeClippedLine(pts);
        }
        cairo_stroke(FContext);
    }
    EndDrawing();
}

// A line reaching beyond the far reach, stroked piece by piece: each segment is cut to the
// reach, and the pieces that join up run on as one stroke. Dashes keep the phase they have
// on the whole line, as each piece starts its stroke at its true distance along it.
void TCairoCanvas::StrokeClippedLine(std::span<const TPointD> Points) {
    const TBoxD reach = FarReach(FSurface);
    const int dashCount = cairo_get_dash_count(FContext);
    std::vector<double> dashes(static_cast<std::size_t>(dashCount));
    double dashOffset = 0, period = 0;
    if (dashCount > 0) {
        cairo_get_dash(FContext, dashes.data(), &dashOffset);
        for (double d : dashes) period += d;
    }
    double travelled = 0; // along the true line to the current segment's start
    bool drawing = false;
    TPointD last;
    for (std::size_t i = 1; i < Points.size(); ++i) {
        const TPointD a = Points[i - 1], b = Points[i];
        TPointD from = a, to = b;
        if (ClipSegmentToBox(from, to, reach)) {
            if (!drawing || !(from == last)) {
                if (period > 0) {
                    // Dashes restart with each stroke; a stroke of its own per piece lets
                    // each one start at its own phase.
                    if (drawing) cairo_stroke(FContext);
                    const double along = travelled + std::hypot(from.X - a.X, from.Y - a.Y);
                    cairo_set_dash(FContext, dashes.data(), dashCount,
                                   std::fmod(dashOffset + along, period));
                }
                cairo_move_to(FContext, from.X, from.Y);
            }
            cairo_line_to(FContext, to.X, to.Y);
            last = to;
            drawing = true;
        }
        travelled += std::hypot(b.X - a.X, b.Y - a.Y);
    }
}

void TCairoCanvas::DoLineTo(TPoint From, TPoint To) {
    const TPoint line[] = {From, To};
    StrokeOpenPath(line);
}

void TCairoCanvas::DoPolyline(std::span<const TPoint> Points) {
    StrokeOpenPath(Points);
}

void TCairoCanvas::DoPolygon(std::span<const TPoint> Points) {
    if (Points.empty()) return;
    if (!PointsInsideBox(Points, FarReach(FSurface))) {
        // Filled even-odd, then outlined: the same drawing at exact coordinates, clipped.
        const std::vector<std::vector<TPointD>> figure{ToPointsD(Points)};
        DoPolyPolygonF(figure, pfAlternate);
        return;
    }
    BeginDrawing();
    if (SetBrushSource()) {
        PixelCentrePath(FContext, Points);
        cairo_close_path(FContext);
        cairo_set_fill_rule(FContext, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill(FContext);
    }
    int32_t width = 1;
    if (SetPenSource(width)) {
        PixelCentrePath(FContext, Points);
        cairo_close_path(FContext);
        cairo_stroke(FContext);
    }
    EndDrawing();
}

// Fills the figures that AddFigures puts into the path with the brush under FillMode, then
// strokes them with the pen; each pass builds the path afresh.
void TCairoCanvas::FillThenStroke(const std::function<void()>& AddFigures, TPolyFillMode FillMode) {
    if (SetBrushSource()) {
        AddFigures();
        cairo_set_fill_rule(FContext, to_cairo_fill_rule(FillMode));
        cairo_fill(FContext);
    }
    int32_t width = 1;
    if (SetPenSource(width)) {
        AddFigures();
        cairo_stroke(FContext);
    }
}

void TCairoCanvas::DoPolyPolygon(std::span<const std::vector<TPoint>> Polygons,
                                 TPolyFillMode FillMode) {
    const TBoxD reach = FarReach(FSurface);
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
    FillThenStroke(addFigures, FillMode);
    EndDrawing();
}

// Filled and outlined as DoPolyPolygon does, at the exact coordinates.
void TCairoCanvas::DoPolyPolygonF(std::span<const std::vector<TPointD>> Polygons,
                                  TPolyFillMode FillMode) {
    const TBoxD reach = FarReach(FSurface);
    // The figures to draw, in order; clipped copies live in clipped, reserved up front so
    // that the spans into it stay valid.
    std::vector<std::vector<TPointD>> clipped;
    clipped.reserve(Polygons.size());
    std::vector<std::span<const TPointD>> figures;
    figures.reserve(Polygons.size());
    for (const std::vector<TPointD>& figure : Polygons) {
        if (figure.empty() || !std::all_of(figure.begin(), figure.end(), IsFinitePoint)) continue;
        if (FigureInsideBox(figure, reach)) {
            figures.emplace_back(figure);
            continue;
        }
        clipped.push_back(ClipFigureToBox(figure, reach));
        if (!clipped.back().empty()) figures.emplace_back(clipped.back());
    }

    BeginDrawing();
    // All figures go into one Cairo path, so the fill rule sees them together.
    const auto addFigures = [&] {
        for (std::span<const TPointD> figure : figures) {
            cairo_move_to(FContext, figure[0].X + 0.5, figure[0].Y + 0.5);
            for (std::size_t i = 1; i < figure.size(); ++i)
                cairo_line_to(FContext, figure[i].X + 0.5, figure[i].Y + 0.5);
            cairo_close_path(FContext);
        }
    };
    FillThenStroke(addFigures, FillMode);
    EndDrawing();
}

// ---------------------------------------------------------------- 4. box shapes

static TRect Normalized(TRect R) {
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    return R;
}

// A shape's outline as it is built: straight into Cairo for shapes within the far reach,
// otherwise flattened into closed figures at exact coordinates, to be clipped to the reach
// before Cairo sees them. The calls follow Cairo's path calls of the same names.
class TCairoCanvas::TShapePath {
public:
    explicit TShapePath(cairo_t* Cr) : FCr(Cr) {}
    TShapePath() = default;

    std::vector<std::vector<TPointD>>& Figures() { return FFigures; }

    void NewSubPath() {
        if (FCr)
            cairo_new_sub_path(FCr);
        else
            FStartNew = true;
    }
    void MoveTo(double X, double Y) {
        if (FCr) return cairo_move_to(FCr, X, Y);
        FFigures.emplace_back().emplace_back(X, Y);
        FStartNew = false;
    }
    void LineTo(double X, double Y) {
        if (FCr) return cairo_line_to(FCr, X, Y);
        if (FStartNew || FFigures.empty()) FFigures.emplace_back();
        FFigures.back().emplace_back(X, Y);
        FStartNew = false;
    }
    void ClosePath() {
        if (FCr)
            cairo_close_path(FCr);
        else
            FStartNew = true;
    }
    void Rectangle(double X, double Y, double W, double H) {
        if (FCr) return cairo_rectangle(FCr, X, Y, W, H);
        MoveTo(X, Y);
        LineTo(X + W, Y);
        LineTo(X + W, Y + H);
        LineTo(X, Y + H);
        ClosePath();
    }

    // An ellipse arc around (Cx, Cy) with radii Rx, Ry, from angle A1 to A2 (Cairo's angles:
    // clockwise on screen); Negative runs the other way. A line joins it to the current point.
    void EllipseArc(double Cx, double Cy, double Rx, double Ry, double A1, double A2,
                    bool Negative) {
        if (Rx <= 0 || Ry <= 0) return LineTo(Cx, Cy);
        if (FCr) {
            cairo_save(FCr);
            cairo_translate(FCr, Cx, Cy);
            cairo_scale(FCr, Rx, Ry);
            if (Negative)
                cairo_arc_negative(FCr, 0, 0, 1, A1, A2);
            else
                cairo_arc(FCr, 0, 0, 1, A1, A2);
            cairo_restore(FCr);
            return;
        }
        constexpr double twoPi = 2 * std::numbers::pi;
        while (!Negative && A2 < A1) A2 += twoPi;
        while (Negative && A2 > A1) A2 -= twoPi;
        // Chords that stray at most kTolerance pixels from the curve: a step of
        // 2 acos(1 - tolerance / radius) on the larger radius, and never coarser than
        // sixteen to the circle.
        constexpr double kTolerance = 0.05;
        const double r = std::max(Rx, Ry);
        const double step =
            r > kTolerance ? std::min(twoPi / 16, 2 * std::acos(1 - kTolerance / r)) : twoPi / 16;
        const auto n = static_cast<std::size_t>(std::ceil(std::abs(A2 - A1) / step));
        for (std::size_t i = 0; i <= n; ++i) {
            const double a = n == 0 ? A1 : A1 + (A2 - A1) * static_cast<double>(i) / n;
            LineTo(Cx + Rx * std::cos(a), Cy + Ry * std::sin(a));
        }
    }

private:
    cairo_t* FCr = nullptr;
    std::vector<std::vector<TPointD>> FFigures;
    bool FStartNew = true;
};

// Fills the shape with the brush, then strokes its outline with the pen inside the box:
// the outline's path is the shape shrunk by half the pen width. A box too small for two
// pen widths is filled with the pen colour instead. A box reaching past the far reach is
// drawn from its flattened, clipped outline.
void TCairoCanvas::FillAndOutline(TRect Box, const TBoxPath& Path) {
    Box = Normalized(Box);
    if (Box.Left == Box.Right || Box.Top == Box.Bottom) return;
    const double l = Box.Left, t = Box.Top, r = Box.Right, b = Box.Bottom;
    const TBoxD reach = FarReach(FSurface);
    const bool far = l < reach.Left || t < reach.Top || r > reach.Right || b > reach.Bottom;
    const auto addPath = [&](double Inset) {
        if (!far) {
            TShapePath path(FContext);
            Path(path, l, t, r, b, Inset);
            return;
        }
        TShapePath path;
        Path(path, l, t, r, b, Inset);
        for (const std::vector<TPointD>& figure : path.Figures()) {
            if (figure.empty()) continue;
            const std::vector<TPointD> clipped = ClipFigureToBox(figure, reach);
            if (clipped.empty()) continue;
            cairo_move_to(FContext, clipped[0].X, clipped[0].Y);
            for (std::size_t i = 1; i < clipped.size(); ++i)
                cairo_line_to(FContext, clipped[i].X, clipped[i].Y);
            cairo_close_path(FContext);
        }
    };
    BeginDrawing();
    if (SetBrushSource()) {
        addPath(0);
        cairo_fill(FContext);
    }
    int32_t width = 1;
    if (SetPenSource(width)) {
        if (2.0 * width >= r - l || 2.0 * width >= b - t) {
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
    const TBoxD reach = FarReach(FSurface);
    const double l = std::max<double>(Rect.Left, reach.Left);
    const double t = std::max<double>(Rect.Top, reach.Top);
    const double r = std::min<double>(Rect.Right, reach.Right);
    const double b = std::min<double>(Rect.Bottom, reach.Bottom);
    if (r <= l || b <= t) return;
    BeginDrawing();
    if (SetBrushSource()) {
        cairo_rectangle(FContext, l, t, r - l, b - t);
        cairo_fill(FContext);
    }
    EndDrawing();
}

// ---------------------------------------------------------------- 5. pictures

// A Cairo surface holding the graphic's pixels: a TBitmap's own surface (copied when it
// is the one being drawn on), otherwise a new surface filled through ReadPixels.
static cairo_surface_t* SourceSurface(const TGraphic& Graphic, cairo_surface_t* Target) {
    const auto* bitmap = dynamic_cast<const TBitmap*>(&Graphic);
    if (bitmap && bitmap->Surface() != Target) return cairo_surface_reference(bitmap->Surface());
    const int w = Graphic.Width(), h = Graphic.Height();
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return s;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(w) * h);
    Graphic.ReadPixels(pixels);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y)
        std::memcpy(data + y * stride, pixels.data() + static_cast<std::size_t>(y) * w,
                    static_cast<std::size_t>(w) * 4);
    cairo_surface_mark_dirty(s);
    return s;
}

void TCairoCanvas::PaintGraphic(const TGraphic& Graphic, const TRect& Dest) {
    const TRect dest = Normalized(Dest);
    if (Graphic.Empty() || dest.Width() == 0 || dest.Height() == 0) return;
    cairo_surface_t* source = SourceSurface(Graphic, FSurface);
    if (cairo_surface_status(source) == CAIRO_STATUS_SUCCESS) {
        BeginDrawing();
        cairo_rectangle(FContext, dest.Left, dest.Top, dest.Width(), dest.Height());
        cairo_clip(FContext);
        cairo_translate(FContext, dest.Left, dest.Top);
        cairo_scale(FContext, double(dest.Width()) / Graphic.Width(),
                    double(dest.Height()) / Graphic.Height());
        cairo_set_source_surface(FContext, source, 0, 0);
        cairo_pattern_t* pattern = cairo_get_source(FContext);
        cairo_pattern_set_filter(pattern, to_cairo_filter(FAntialias));
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
        cairo_paint(FContext);
        EndDrawing();
    }
    cairo_surface_destroy(source);
}

void TCairoCanvas::DoDraw(int32_t X, int32_t Y, const TGraphic& Graphic) {
    PaintGraphic(Graphic, {X, Y, X + Graphic.Width(), Y + Graphic.Height()});
}

void TCairoCanvas::DoStretchDraw(const TRect& Rect, const TGraphic& Graphic) {
    PaintGraphic(Graphic, Rect);
}

// ---------------------------------------------------------------- 6. gradient fill

// One mesh patch per triangle, its corners coloured from the vertices (alpha is ignored:
// the fill is opaque), painted through a clip of the triangles so that the edges follow
// the canvas's anti-aliasing setting.
void TCairoCanvas::DoGradientFill(std::span<const TTriVertex> Vertices,
                                  std::span<const TGradientTriangle> Triangles) {
    if (Triangles.empty()) return;
    cairo_pattern_t* mesh = cairo_pattern_create_mesh();
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
    cairo_pattern_destroy(mesh);
}

} // namespace kw::platform
