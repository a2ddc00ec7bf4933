// Fills with very many edges through a coverage mask (detail/CairoCoverageFill.h).

#include "kwgfx/backends/cairo/detail/CairoCoverageFill.h"
#include "kwgfx/backends/cairo/detail/CairoHandles.h"
#include "kwgfx/backends/cairo/detail/CoverageRaster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kw::platform::cairo_detail {

namespace {

// Above this many pixels the mask itself would be the problem; Cairo fills such pictures.
constexpr double kMaxMaskPixels = 64.0 * 1024 * 1024;

// The part of the image surface the context may draw, in device pixels: its clip extents
// carried through the transform, rounded out and cut to the surface.
struct TDeviceBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

TDeviceBox DrawableBox(cairo_t* Cr, cairo_surface_t* Target) {
    double l = 0, t = 0, r = 0, b = 0;
    cairo_clip_extents(Cr, &l, &t, &r, &b);
    double xs[4] = {l, r, l, r}, ys[4] = {t, t, b, b};
    for (int i = 0; i < 4; ++i) cairo_user_to_device(Cr, &xs[i], &ys[i]);
    const double left = std::max(0.0, std::floor(*std::min_element(xs, xs + 4)));
    const double top = std::max(0.0, std::floor(*std::min_element(ys, ys + 4)));
    const double right = std::min<double>(cairo_image_surface_get_width(Target),
                                          std::ceil(*std::max_element(xs, xs + 4)));
    const double bottom = std::min<double>(cairo_image_surface_get_height(Target),
                                           std::ceil(*std::max_element(ys, ys + 4)));
    if (!(left < right && top < bottom)) return {};
    return {int(left), int(top), int(right - left), int(bottom - top)};
}

// Rasterises the figures that AddFigures hands to the sink it is given (points in user
// space once Shift is added to both coordinates) and paints the mask with Cr's source. False,
// having drawn nothing, when Cr does not draw on a plain image surface or the picture is too large
// for a mask.
template <typename F>
bool PaintCoverage(cairo_t* Cr, TPolyFillMode FillMode, double Shift, F&& AddFigures) {
    cairo_surface_t* target = cairo_get_target(Cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return false;
    double scaleX = 1, scaleY = 1;
    cairo_surface_get_device_scale(target, &scaleX, &scaleY);
    if (scaleX != 1 || scaleY != 1) return false;
    const TDeviceBox box = DrawableBox(Cr, target);
    if (double(box.Width) * box.Height > kMaxMaskPixels) return false;
    if (box.Width == 0 || box.Height == 0) return true; // nothing of it can be seen

    const bool smooth = cairo_get_antialias(Cr) != CAIRO_ANTIALIAS_NONE;
    TCoverageRaster raster(box.Width, box.Height, smooth);
    cairo_matrix_t m;
    cairo_get_matrix(Cr, &m);
    std::vector<TPointD> device;
    AddFigures([&](std::span<const TPointD> Figure) {
        device.clear();
        for (const TPointD& p : Figure) {
            double x = p.X + Shift, y = p.Y + Shift;
            cairo_matrix_transform_point(&m, &x, &y);
            device.emplace_back(x - box.Left, y - box.Top);
        }
        raster.AddFigure(device);
    });

    const TCairoSurfaceHandle mask(
        cairo_image_surface_create(CAIRO_FORMAT_A8, box.Width, box.Height));
    if (cairo_surface_status(mask.get()) != CAIRO_STATUS_SUCCESS) return false;
    cairo_surface_flush(mask.get());
    raster.Resolve(FillMode == pfWinding, cairo_image_surface_get_data(mask.get()),
                   cairo_image_surface_get_stride(mask.get()));
    cairo_surface_mark_dirty(mask.get());

    // The mask sits on device pixels: paint it with the source in device space.
    cairo_save(Cr);
    cairo_identity_matrix(Cr);
    cairo_mask_surface(Cr, mask.get(), box.Left, box.Top);
    cairo_restore(Cr);
    return true;
}

// Adds Figure to Sink turned so that it winds positively: the pieces of a stroke all wind
// the same way, so where they overlap none cancels another under the nonzero rule.
template <typename Sink>
void AddPositive(Sink& Add, TPointD* Figure, int Count) {
    double area = 0;
    for (int i = 0; i < Count; ++i) {
        const TPointD& a = Figure[i];
        const TPointD& b = Figure[(i + 1) % Count];
        area += a.X * b.Y - b.X * a.Y;
    }
    if (area == 0) return;
    if (area < 0) std::reverse(Figure, Figure + Count);
    Add(std::span<const TPointD>(Figure, std::size_t(Count)));
}

} // namespace

bool FillByCoverage(cairo_t* Cr, std::span<const std::span<const TPointD>> Figures,
                    TPolyFillMode FillMode, double Shift, std::size_t MinEdges) {
    std::size_t edges = 0;
    for (std::span<const TPointD> figure : Figures) edges += figure.size();
    if (edges < MinEdges) return false;
    return PaintCoverage(Cr, FillMode, Shift, [&](auto&& Add) {
        for (std::span<const TPointD> figure : Figures) Add(figure);
    });
}

namespace {

// Adds to Add the pieces that stroke the open line through Points: a band of width
// 2 * Half per segment and the outer wedge of each corner, mitred while its cosine is at
// least MinMiterCos, bevelled otherwise.
template <typename Sink>
void AddStrokePieces(Sink& Add, std::span<const TPointD> Points, double Half, double MinMiterCos) {
    TPointD before{}; // the direction of the last segment with a length, if any
    bool haveBefore = false;
    for (std::size_t i = 1; i < Points.size(); ++i) {
        const TPointD a = Points[i - 1], b = Points[i];
        const double dx = b.X - a.X, dy = b.Y - a.Y, len = std::hypot(dx, dy);
        if (!(len > 0) || !std::isfinite(len)) continue;
        const TPointD d{dx / len, dy / len};
        const TPointD n{-d.Y * Half, d.X * Half};
        TPointD quad[4] = {{a.X + n.X, a.Y + n.Y},
                           {b.X + n.X, b.Y + n.Y},
                           {b.X - n.X, b.Y - n.Y},
                           {a.X - n.X, a.Y - n.Y}};
        AddPositive(Add, quad, 4);
        if (haveBefore) {
            // The join at a fills the wedge on the outer side of the turn.
            const double cross = before.X * d.Y - before.Y * d.X;
            const double cos = before.X * d.X + before.Y * d.Y;
            if (cross != 0) {
                const double side = cross > 0 ? -1 : 1;
                const TPointD n1{-before.Y * Half * side, before.X * Half * side};
                const TPointD n2{n.X * side, n.Y * side};
                const TPointD p1{a.X + n1.X, a.Y + n1.Y}, p2{a.X + n2.X, a.Y + n2.Y};
                if (cos >= MinMiterCos) {
                    const double k = 1 / (1 + cos);
                    TPointD miter[4] = {
                        a, p1, {a.X + (n1.X + n2.X) * k, a.Y + (n1.Y + n2.Y) * k}, p2};
                    AddPositive(Add, miter, 4);
                } else {
                    TPointD bevel[3] = {a, p1, p2};
                    AddPositive(Add, bevel, 3);
                }
            }
        }
        before = d;
        haveBefore = true;
    }
}

// Strokes every line that ForEachLine hands its callback, as StrokeByCoverage describes.
template <typename F>
bool StrokeLines(cairo_t* Cr, F&& ForEachLine) {
    if (cairo_get_dash_count(Cr) != 0 || cairo_get_line_cap(Cr) != CAIRO_LINE_CAP_BUTT ||
        cairo_get_line_join(Cr) != CAIRO_LINE_JOIN_MITER)
        return false;
    const double half = cairo_get_line_width(Cr) / 2;
    // A corner is mitred while the miter's length is at most the limit times the width:
    // 1 / cos(turn / 2) <= limit, that is cos(turn) >= 2 / limit^2 - 1.
    const double limit = cairo_get_miter_limit(Cr);
    const double minMiterCos = 2 / (limit * limit) - 1;
    return PaintCoverage(Cr, pfWinding, 0, [&](auto&& Add) {
        ForEachLine(
            [&](std::span<const TPointD> Line) { AddStrokePieces(Add, Line, half, minMiterCos); });
    });
}

} // namespace

bool StrokeByCoverage(cairo_t* Cr, std::span<const TPointD> Points, std::size_t MinSegments) {
    if (Points.size() < 2 || Points.size() - 1 < MinSegments) return false;
    return StrokeLines(Cr, [&](auto&& Stroke) { Stroke(Points); });
}

bool StrokeByCoverage(cairo_t* Cr, std::span<const std::vector<TPointD>> Lines,
                      std::size_t MinSegments) {
    std::size_t segments = 0;
    for (const std::vector<TPointD>& line : Lines) segments += line.empty() ? 0 : line.size() - 1;
    if (segments == 0 || segments < MinSegments) return false;
    return StrokeLines(Cr, [&](auto&& Stroke) {
        for (const std::vector<TPointD>& line : Lines) Stroke(line);
    });
}

} // namespace kw::platform::cairo_detail
