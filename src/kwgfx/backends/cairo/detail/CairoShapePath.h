// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: a box shape's outline as it is built. It goes straight into
// Cairo for shapes within the far reach; otherwise it is flattened into closed figures at
// exact coordinates, to be clipped to the reach before Cairo sees them. The calls follow
// Cairo's path calls of the same names.

#include "kwgfx/platform/graphics/PointD.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kw::platform::cairo_detail {

class TShapePath {
public:
    // Builds into Cr's current path.
    explicit TShapePath(cairo_t* Cr) : FCr(Cr) {}
    // Collects flattened figures.
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

} // namespace kw::platform::cairo_detail
