// SPDX-License-Identifier: MIT
// The Cairo canvas's clipping of figures that reach far outside the surface.
#include "kwgfx/backends/cairo/detail/CairoFarClip.h"

#include <algorithm>
#include <cmath>

namespace kw::platform::cairo_detail {

TBoxD FarReach(cairo_t* Cr) {
    double l = 0, t = 0, r = 0, b = 0;
    cairo_clip_extents(Cr, &l, &t, &r, &b);
    return {l - kFarMargin, t - kFarMargin, r + kFarMargin, b + kFarMargin};
}

bool PointsInsideBox(std::span<const TPoint> Points, const TBoxD& Box) {
    if (Points.empty()) return true;
    // The points' own box first: a loop without branches, which the compiler vectorises.
    std::int32_t left = Points[0].X, right = left, top = Points[0].Y, bottom = top;
    for (const TPoint& p : Points) {
        left = p.X < left ? p.X : left, right = p.X > right ? p.X : right;
        top = p.Y < top ? p.Y : top, bottom = p.Y > bottom ? p.Y : bottom;
    }
    return left >= Box.Left && right <= Box.Right && top >= Box.Top && bottom <= Box.Bottom;
}

std::vector<TPointD> ToPointsD(std::span<const TPoint> Points) {
    std::vector<TPointD> out;
    out.reserve(Points.size());
    for (const TPoint& p : Points) out.emplace_back(p.X, p.Y);
    return out;
}

// Dashes keep the phase they have on the whole line, as each piece starts its stroke at its
// true distance along it.
void AddClippedLine(cairo_t* Cr, std::span<const TPointD> Points, const TBoxD& Reach) {
    const int dashCount = cairo_get_dash_count(Cr);
    std::vector<double> dashes(static_cast<std::size_t>(dashCount));
    double dashOffset = 0, period = 0;
    if (dashCount > 0) {
        cairo_get_dash(Cr, dashes.data(), &dashOffset);
        for (double d : dashes) period += d;
    }
    double travelled = 0; // along the true line to the current segment's start
    bool drawing = false;
    TPointD last;
    for (std::size_t i = 1; i < Points.size(); ++i) {
        const TPointD a = Points[i - 1], b = Points[i];
        TPointD from = a, to = b;
        if (ClipSegmentToBox(from, to, Reach)) {
            if (!drawing || !(from == last)) {
                if (period > 0) {
                    // Dashes restart with each stroke; a stroke of its own per piece lets
                    // each one start at its own phase.
                    if (drawing) cairo_stroke(Cr);
                    const double along = travelled + std::hypot(from.X - a.X, from.Y - a.Y);
                    cairo_set_dash(Cr, dashes.data(), dashCount,
                                   std::fmod(dashOffset + along, period));
                }
                cairo_move_to(Cr, from.X, from.Y);
            }
            cairo_line_to(Cr, to.X, to.Y);
            last = to;
            drawing = true;
        }
        travelled += std::hypot(b.X - a.X, b.Y - a.Y);
    }
}

std::vector<std::vector<TPointD>> ClipLineToBox(std::span<const TPointD> Points, const TBoxD& Reach,
                                                std::vector<double>* Along) {
    std::vector<std::vector<TPointD>> pieces;
    if (Along) Along->clear();
    double travelled = 0; // along the true line to the current segment's start
    for (std::size_t i = 1; i < Points.size(); ++i) {
        const TPointD a = Points[i - 1], b = Points[i];
        TPointD from = a, to = b;
        if (ClipSegmentToBox(from, to, Reach)) {
            if (pieces.empty() || !(from == pieces.back().back())) {
                pieces.push_back({from});
                if (Along) Along->push_back(travelled + std::hypot(from.X - a.X, from.Y - a.Y));
            }
            pieces.back().push_back(to);
        }
        travelled += std::hypot(b.X - a.X, b.Y - a.Y);
    }
    return pieces;
}

void AddClippedFigures(cairo_t* Cr, std::span<const std::vector<TPointD>> Figures,
                       const TBoxD& Reach) {
    for (const std::vector<TPointD>& figure : Figures) {
        if (figure.empty()) continue;
        const std::vector<TPointD> clipped = ClipFigureToBox(figure, Reach);
        if (clipped.empty()) continue;
        cairo_move_to(Cr, clipped[0].X, clipped[0].Y);
        for (std::size_t i = 1; i < clipped.size(); ++i)
            cairo_line_to(Cr, clipped[i].X, clipped[i].Y);
        cairo_close_path(Cr);
    }
}

TFiguresInReach::TFiguresInReach(std::span<const std::vector<TPointD>> Polygons,
                                 const TBoxD& Reach) {
    FClipped.reserve(Polygons.size());
    FFigures.reserve(Polygons.size());
    for (const std::vector<TPointD>& figure : Polygons) {
        if (figure.empty()) continue;
        // A figure inside the (finite) reach has only finite points.
        if (FigureInsideBox(figure, Reach)) {
            FFigures.emplace_back(figure);
            continue;
        }
        if (!std::all_of(figure.begin(), figure.end(), IsFinitePoint)) continue;
        FClipped.push_back(ClipFigureToBox(figure, Reach));
        if (!FClipped.back().empty()) FFigures.emplace_back(FClipped.back());
    }
}

} // namespace kw::platform::cairo_detail
