// Fills with very many edges through a coverage mask (detail/CairoCoverageFill.h).

#include "kwgfx/platform/graphics/cairo/detail/CairoCoverageFill.h"
#include "kwgfx/platform/graphics/cairo/detail/CoverageRaster.h"

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

} // namespace

bool FillByCoverage(cairo_t* Cr, std::span<const std::span<const TPointD>> Figures,
                    TPolyFillMode FillMode, double Shift, std::size_t MinEdges) {
    std::size_t edges = 0;
    for (std::span<const TPointD> figure : Figures) edges += figure.size();
    if (edges < MinEdges) return false;
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
    for (std::span<const TPointD> figure : Figures) {
        device.clear();
        for (const TPointD& p : figure) {
            double x = p.X + Shift, y = p.Y + Shift;
            cairo_matrix_transform_point(&m, &x, &y);
            device.emplace_back(x - box.Left, y - box.Top);
        }
        raster.AddFigure(device);
    }

    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, box.Width, box.Height);
    if (cairo_surface_status(mask) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(mask);
        return false;
    }
    cairo_surface_flush(mask);
    raster.Resolve(FillMode == pfWinding, cairo_image_surface_get_data(mask),
                   cairo_image_surface_get_stride(mask));
    cairo_surface_mark_dirty(mask);

    // The mask sits on device pixels: paint it with the source in device space.
    cairo_save(Cr);
    cairo_identity_matrix(Cr);
    cairo_mask_surface(Cr, mask, box.Left, box.Top);
    cairo_restore(Cr);
    cairo_surface_destroy(mask);
    return true;
}

} // namespace kw::platform::cairo_detail
