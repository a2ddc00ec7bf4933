// SPDX-License-Identifier: MIT
// Fills and strokes on image surfaces by the library's rasteriser (detail/CairoRasterTarget.h).
//
// Sections:
//   1. The target: image surfaces only, the drawable box, the context's transform
//   2. Strokes: the context's pen settings
//   3. Painting: straight into the pixels, or through a mask

#include "kwgfx/backends/cairo/detail/CairoRasterTarget.h"
#include "kwgfx/backends/cairo/detail/CairoHandles.h"

#include <algorithm>
#include <cmath>

namespace kw::platform::cairo_detail {

// ---------------------------------------------------------------- 1. the target

namespace {

// The corners of a context's clip in device space: its rectangle when Cairo lists the clip
// as one (or there is none, which Cairo gives as the surface's), its extents otherwise.
struct TClipCorners {
    double Xs[4], Ys[4];
    bool Box; // one rectangle, on whole device pixels
};

TClipCorners ClipCorners(cairo_t* Cr) {
    double l = 0, t = 0, r = 0, b = 0;
    cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(Cr);
    // (Cairo lists the clip only when it is boxes of device space that stay boxes in user
    // space, so a rectangle listed under a shear or rotation does not occur.)
    const bool oneRectangle = list->status == CAIRO_STATUS_SUCCESS && list->num_rectangles == 1;
    if (oneRectangle) {
        const cairo_rectangle_t& rect = list->rectangles[0];
        l = rect.x, t = rect.y, r = rect.x + rect.width, b = rect.y + rect.height;
    } else {
        cairo_clip_extents(Cr, &l, &t, &r, &b);
    }
    cairo_rectangle_list_destroy(list);
    TClipCorners corners{{l, r, l, r}, {t, t, b, b}, oneRectangle};
    // (Whole numbers, tested without a call into the maths library; a clip lies within
    // reach of 64-bit integers.)
    const auto whole = [](double V) { return std::abs(V) < 1e15 && double(std::int64_t(V)) == V; };
    for (int i = 0; i < 4; ++i) {
        cairo_user_to_device(Cr, &corners.Xs[i], &corners.Ys[i]);
        corners.Box = corners.Box && whole(corners.Xs[i]) && whole(corners.Ys[i]);
    }
    return corners;
}

} // namespace

bool TCairoRasterTarget::Begin(cairo_t* Cr, bool Antialias) {
    return Begin(Cr, Antialias, raster::TAffine{});
}

bool TCairoRasterTarget::Begin(cairo_t* Cr, bool Antialias, const raster::TAffine& Transform) {
    cairo_surface_t* target = cairo_get_target(Cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return false;
    double scaleX = 1, scaleY = 1;
    cairo_surface_get_device_scale(target, &scaleX, &scaleY);
    if (scaleX != 1 || scaleY != 1) return false;
    FTarget = target;
    cairo_surface_get_device_offset(target, &FOffsetX, &FOffsetY);
    // The part of the surface the context may draw: its clip, carried to device pixels (the
    // device offset included), rounded out and cut to the surface. Whether it is a box of
    // whole pixels is kept for Paint, which draws before the clip can change.
    const TClipCorners clip = ClipCorners(Cr);
    FClipIsTheBox = clip.Box;
    const double* xs = clip.Xs;
    const double* ys = clip.Ys;
    const double width = cairo_image_surface_get_width(target);
    const double height = cairo_image_surface_get_height(target);
    const double left = std::clamp(std::floor(*std::min_element(xs, xs + 4)), 0.0, width);
    const double top = std::clamp(std::floor(*std::min_element(ys, ys + 4)), 0.0, height);
    const double right = std::clamp(std::ceil(*std::max_element(xs, xs + 4)), 0.0, width);
    const double bottom = std::clamp(std::ceil(*std::max_element(ys, ys + 4)), 0.0, height);
    const bool empty = !(left < right && top < bottom);
    FBox = empty ? raster::TPixelBox{}
                 : raster::TPixelBox{int(left), int(top), int(right), int(bottom)};
    cairo_matrix_t m;
    cairo_get_matrix(Cr, &m);
    const raster::TAffine toDevice{m.xx, m.yx, m.xy, m.yy, m.x0 + FOffsetX, m.y0 + FOffsetY};
    FToDevice = toDevice.After(Transform);
    StartOver(Antialias);
    return true;
}

void TCairoRasterTarget::StartOver(bool Antialias) {
    FRaster.Reset(FBox, Antialias);
    FRaster.SetTransform(FToDevice);
    ForgetStrokes();
}

void TCairoRasterTarget::Restart() {
    // The context is as it was: strokes that went span by span still may (those given up
    // for outlines are asked again, line by line).
    const bool bySpans = FBySpans == TBySpans::Yes;
    StartOver(FRaster.Antialias());
    if (bySpans) {
        FHardStrokes.Reset(FRaster);
        FBySpans = TBySpans::Yes;
    }
}

// ---------------------------------------------------------------- 2. strokes

void TCairoRasterTarget::AddStroke(cairo_t* Cr, std::span<const raster::TVertex> Points,
                                   bool Closed, double Along) {
    raster::TStrokeStyle style;
    style.Width = cairo_get_line_width(Cr);
    style.Join = cairo_get_line_join(Cr) == CAIRO_LINE_JOIN_BEVEL ? raster::TLineJoin::Bevel
                                                                  : raster::TLineJoin::Miter;
    style.MiterLimit = cairo_get_miter_limit(Cr);
    style.Cap = cairo_get_line_cap(Cr) == CAIRO_LINE_CAP_SQUARE ? raster::TLineCap::Square
                                                                : raster::TLineCap::Butt;
    FDashes.resize(std::size_t(cairo_get_dash_count(Cr)));
    if (!FDashes.empty()) {
        cairo_get_dash(Cr, FDashes.data(), &style.DashOffset);
        style.DashOffset += Along;
        style.Dashes = FDashes;
    }
    if (StrokesBySpans(Cr)) {
        if (FHardStrokes.Add(Points, Closed, style)) {
            FKeptPoints.insert(FKeptPoints.end(), Points.begin(), Points.end());
            FKeptStrokes.push_back({FKeptPoints.size(), Closed, style.DashOffset});
            FKeptStyle = style;
            return;
        }
        FillStrokes();
    }
    raster::StrokePolyline(FRaster, Points, Closed, style);
}

void TCairoRasterTarget::ForgetStrokes() {
    FBySpans = TBySpans::Undecided;
    FKeptStrokes.clear();
    FKeptPoints.clear();
}

// Whether this drawing's strokes go span by span: hard edges, an opaque solid colour (or any
// under the operator source) written straight into the pixels, as Paint would write it.
bool TCairoRasterTarget::StrokesBySpans(cairo_t* Cr) {
    if (FBySpans != TBySpans::Undecided) return FBySpans == TBySpans::Yes;
    FBySpans = TBySpans::No;
    const cairo_operator_t op = cairo_get_operator(Cr);
    cairo_pattern_t* source = cairo_get_source(Cr);
    if (FRaster.Antialias() || !FClipIsTheBox ||
        cairo_image_surface_get_format(FTarget) != CAIRO_FORMAT_ARGB32 ||
        cairo_pattern_get_type(source) != CAIRO_PATTERN_TYPE_SOLID ||
        (op != CAIRO_OPERATOR_OVER && op != CAIRO_OPERATOR_SOURCE))
        return false;
    double r = 0, g = 0, b = 0, a = 0;
    cairo_pattern_get_rgba(source, &r, &g, &b, &a);
    FSpanColor = CairoPixelOf(r, g, b, a);
    if (op == CAIRO_OPERATOR_OVER && FSpanColor >> 24 != 255) return false;
    FHardStrokes.Reset(FRaster);
    FBySpans = TBySpans::Yes;
    return true;
}

// Gives up the spans: the strokes kept so far, and all later ones, become outlines to fill.
void TCairoRasterTarget::FillStrokes() {
    FBySpans = TBySpans::No;
    raster::TStrokeStyle style = FKeptStyle;
    std::size_t begin = 0;
    for (const TKeptStroke& s : FKeptStrokes) {
        style.DashOffset = s.DashOffset;
        raster::StrokePolyline(FRaster, std::span(FKeptPoints).subspan(begin, s.End - begin),
                               s.Closed, style);
        begin = s.End;
    }
    FKeptStrokes.clear();
    FKeptPoints.clear();
}

// Paints the strokes kept as spans, unless something else was added or a colour of its own
// is asked for: then they are filled with the rest.
bool TCairoRasterTarget::PaintStrokes(std::optional<std::uint32_t> Color) {
    if (FKeptStrokes.empty()) return false;
    if (Color || FRaster.EdgeCount() != 0) {
        FillStrokes();
        return false;
    }
    cairo_surface_flush(FTarget);
    FHardStrokes.Paint(
        {cairo_image_surface_get_data(FTarget), cairo_image_surface_get_width(FTarget),
         cairo_image_surface_get_height(FTarget), cairo_image_surface_get_stride(FTarget)},
        FSpanColor);
    cairo_surface_mark_dirty(FTarget);
    ForgetStrokes();
    return true;
}

// ---------------------------------------------------------------- 3. painting

std::uint32_t CairoPixelOf(double R, double G, double B, double A) {
    // Cairo keeps a colour's premultiplied channels as 16 bits and paints their top bytes.
    const auto channel = [](double V) {
        return std::uint32_t(std::clamp(V, 0.0, 1.0) * 65535.0 + 0.5) >> 8;
    };
    return channel(A) << 24 | channel(R * A) << 16 | channel(G * A) << 8 | channel(B * A);
}

// Whether the context's clip is exactly the drawable box: no clip at all, or one rectangle
// of whole device pixels. Only then may pixels be written without Cairo's clipping.
bool TCairoRasterTarget::ClipIsTheBox(cairo_t* Cr) const {
    return ClipCorners(Cr).Box;
}

void TCairoRasterTarget::Paint(cairo_t* Cr, raster::TFillRule Rule,
                               std::optional<std::uint32_t> Color) {
    if (PaintStrokes(Color)) return;
    if (FRaster.EdgeCount() == 0) return;
    const cairo_operator_t op = cairo_get_operator(Cr);
    std::optional<std::uint32_t> solid = Color;
    cairo_pattern_t* source = cairo_get_source(Cr);
    if (!solid && cairo_pattern_get_type(source) == CAIRO_PATTERN_TYPE_SOLID) {
        double r = 0, g = 0, b = 0, a = 0;
        cairo_pattern_get_rgba(source, &r, &g, &b, &a);
        solid = CairoPixelOf(r, g, b, a);
    }
    const bool direct = solid && cairo_image_surface_get_format(FTarget) == CAIRO_FORMAT_ARGB32 &&
                        (op == CAIRO_OPERATOR_OVER || op == CAIRO_OPERATOR_SOURCE) && FClipIsTheBox;
    if (direct) {
        cairo_surface_flush(FTarget);
        const raster::TImageView view{
            cairo_image_surface_get_data(FTarget), cairo_image_surface_get_width(FTarget),
            cairo_image_surface_get_height(FTarget), cairo_image_surface_get_stride(FTarget)};
        FRaster.FillSolid(view, *solid, Rule,
                          op == CAIRO_OPERATOR_SOURCE ? raster::TCompositeOp::Source
                                                      : raster::TCompositeOp::Over);
        cairo_surface_mark_dirty(FTarget);
        return;
    }
    // The mask need only hold the pixels the figures may paint.
    const raster::TPixelBox bounds = FRaster.Bounds();
    if (bounds.Empty()) return;
    if (!Color) return PaintMask(Cr, Rule, bounds);
    // A colour of our own that Cairo must composite: it becomes the source for the mask.
    cairo_save(Cr);
    const double a = double(*Color >> 24) / 255;
    const auto channel = [&](int Shift) {
        return a > 0 ? std::min(1.0, double((*Color >> Shift) & 0xFF) / 255 / a) : 0.0;
    };
    cairo_set_source_rgba(Cr, channel(16), channel(8), channel(0), a);
    PaintMask(Cr, Rule, bounds);
    cairo_restore(Cr);
}

bool TCairoRasterTarget::FillBoxes(cairo_t* Cr, std::span<const raster::TPixelBox> Boxes) {
    cairo_surface_t* target = cairo_get_target(Cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(target) != CAIRO_FORMAT_ARGB32)
        return false;
    double scaleX = 1, scaleY = 1, offsetX = 0, offsetY = 0;
    cairo_surface_get_device_scale(target, &scaleX, &scaleY);
    cairo_surface_get_device_offset(target, &offsetX, &offsetY);
    cairo_matrix_t m;
    cairo_get_matrix(Cr, &m);
    const double dx = m.x0 + offsetX, dy = m.y0 + offsetY;
    if (scaleX != 1 || scaleY != 1 || m.xx != 1 || m.yy != 1 || m.xy != 0 || m.yx != 0 ||
        dx != std::round(dx) || dy != std::round(dy) || std::abs(dx) > 1e9 || std::abs(dy) > 1e9)
        return false;
    const cairo_operator_t op = cairo_get_operator(Cr);
    cairo_pattern_t* source = cairo_get_source(Cr);
    if ((op != CAIRO_OPERATOR_OVER && op != CAIRO_OPERATOR_SOURCE) ||
        cairo_pattern_get_type(source) != CAIRO_PATTERN_TYPE_SOLID || !ClipIsTheBox(Cr))
        return false;
    double l = 0, t = 0, r = 0, b = 0;
    cairo_clip_extents(Cr, &l, &t, &r, &b);
    const raster::TPixelBox clip{
        int(std::clamp(l + dx, -1e9, 1e9)), int(std::clamp(t + dy, -1e9, 1e9)),
        int(std::clamp(r + dx, -1e9, 1e9)), int(std::clamp(b + dy, -1e9, 1e9))};
    double red = 0, green = 0, blue = 0, alpha = 0;
    cairo_pattern_get_rgba(source, &red, &green, &blue, &alpha);
    cairo_surface_flush(target);
    const raster::TImageView view{
        cairo_image_surface_get_data(target), cairo_image_surface_get_width(target),
        cairo_image_surface_get_height(target), cairo_image_surface_get_stride(target)};
    for (const raster::TPixelBox& box : Boxes) {
        const raster::TPixelBox moved{box.Left + int(dx), box.Top + int(dy), box.Right + int(dx),
                                      box.Bottom + int(dy)};
        raster::FillBox(view, moved.Intersected(clip), CairoPixelOf(red, green, blue, alpha),
                        op == CAIRO_OPERATOR_SOURCE ? raster::TCompositeOp::Source
                                                    : raster::TCompositeOp::Over);
    }
    cairo_surface_mark_dirty(target);
    return true;
}

// Most mask pixels made at once: a larger drawing is painted in strips of rows.
constexpr double kMaxMaskPixels = 16.0 * 1024 * 1024;

void TCairoRasterTarget::PaintMask(cairo_t* Cr, raster::TFillRule Rule,
                                   const raster::TPixelBox& Bounds) {
    const int width = Bounds.Width();
    const int rows = int(std::clamp(kMaxMaskPixels / width, 1.0, double(Bounds.Height())));
    for (int top = Bounds.Top; top < Bounds.Bottom; top += rows) {
        const int height = std::min(rows, Bounds.Bottom - top);
        const TCairoSurfaceHandle mask(cairo_image_surface_create(CAIRO_FORMAT_A8, width, height));
        if (cairo_surface_status(mask.get()) != CAIRO_STATUS_SUCCESS) return;
        cairo_surface_flush(mask.get());
        FRaster.FillMask({cairo_image_surface_get_data(mask.get()), width, height,
                          cairo_image_surface_get_stride(mask.get())},
                         Bounds.Left, top, Rule);
        cairo_surface_mark_dirty(mask.get());
        // The mask lies on device pixels: it is painted with the source in device space.
        cairo_save(Cr);
        cairo_identity_matrix(Cr);
        cairo_mask_surface(Cr, mask.get(), Bounds.Left - FOffsetX, top - FOffsetY);
        cairo_restore(Cr);
    }
}

} // namespace kw::platform::cairo_detail
