// SPDX-License-Identifier: MIT
#pragma once
// A brute-force reference for the rasteriser's tests: the exact area of each pixel that
// closed polygons cover, by slicing.
//
// Within one pixel row, cut the plane at every x where something happens: pixel borders,
// polygon corners, edges crossing the row's top or bottom, edges crossing each other. Between
// two cuts no edge starts, ends or crosses another or the row's borders, so the covered
// height of the row is linear in x and its integral is the width times its value in the
// middle. That value comes from sorting the edges by where they cross the vertical line
// through the middle and walking down it, counting the winding number. Nothing here shares
// code or ideas with the rasteriser beyond the definitions.

#include "kwgfx/raster/RasterTypes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace kw::raster::test {

using TFigure = std::vector<TVertex>;

struct TExactAreas {
    int Width = 0, Height = 0;
    std::vector<double> Signed; // per pixel: the integral of the winding number
    std::vector<double> Ruled;  // per pixel: the area where the rule holds
    std::vector<bool> Mixed;    // the pixel holds windings whose areas the rule cannot fold
                                // from their sum (two different non-zero ones, or 0 and a
                                // winding beyond 1)
    double& S(int X, int Y) { return Signed[std::size_t(Y) * Width + X]; }
    double& R(int X, int Y) { return Ruled[std::size_t(Y) * Width + X]; }
};

inline bool RuleHolds(int Winding, TFillRule Rule) {
    return Rule == TFillRule::NonZero ? Winding != 0 : (Winding & 1) != 0;
}

inline TExactAreas ExactAreas(const std::vector<TFigure>& Figures, int Width, int Height,
                              TFillRule Rule) {
    struct TSeg {
        TVertex A, B;
    };
    std::vector<TSeg> segs;
    for (const TFigure& f : Figures)
        for (std::size_t i = 0; i < f.size(); ++i) segs.push_back({f[i], f[(i + 1) % f.size()]});
    TExactAreas out;
    out.Width = Width, out.Height = Height;
    out.Signed.assign(std::size_t(Width) * Height, 0);
    out.Ruled.assign(std::size_t(Width) * Height, 0);
    out.Mixed.assign(std::size_t(Width) * Height, false);
    for (int py = 0; py < Height; ++py) {
        const double top = py, bottom = py + 1;
        std::vector<double> cuts;
        for (int x = 0; x <= Width; ++x) cuts.push_back(x);
        for (const TSeg& s : segs) {
            cuts.push_back(s.A.X);
            for (const double y : {top, bottom})
                if ((s.A.Y - y) * (s.B.Y - y) < 0)
                    cuts.push_back(s.A.X + (s.B.X - s.A.X) * (y - s.A.Y) / (s.B.Y - s.A.Y));
        }
        for (std::size_t i = 0; i < segs.size(); ++i)
            for (std::size_t j = i + 1; j < segs.size(); ++j) {
                const TSeg &p = segs[i], &q = segs[j];
                const double rx = p.B.X - p.A.X, ry = p.B.Y - p.A.Y;
                const double sx = q.B.X - q.A.X, sy = q.B.Y - q.A.Y;
                const double den = rx * sy - ry * sx;
                if (den == 0) continue;
                const double t = ((q.A.X - p.A.X) * sy - (q.A.Y - p.A.Y) * sx) / den;
                const double u = ((q.A.X - p.A.X) * ry - (q.A.Y - p.A.Y) * rx) / den;
                if (t > 0 && t < 1 && u > 0 && u < 1) cuts.push_back(p.A.X + t * rx);
            }
        std::sort(cuts.begin(), cuts.end());
        // Per pixel of the row: the first non-zero winding with area, whether another one
        // or a zero one had area too.
        std::vector<int> first(std::size_t(Width), 0);
        std::vector<bool> second(std::size_t(Width), false), zero(std::size_t(Width), false);
        for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
            const double xa = std::max(cuts[k], 0.0), xb = std::min(cuts[k + 1], double(Width));
            if (!(xb > xa)) continue;
            const double xm = (xa + xb) / 2;
            const int px = std::min(int(xm), Width - 1);
            // Crossings of the vertical line at xm, top to bottom, each with the change of
            // winding it brings (an edge running right adds one below it).
            std::vector<std::pair<double, int>> crossings;
            for (const TSeg& s : segs) {
                if ((s.A.X - xm) * (s.B.X - xm) >= 0) continue;
                const double y = s.A.Y + (s.B.Y - s.A.Y) * (xm - s.A.X) / (s.B.X - s.A.X);
                crossings.push_back({y, s.B.X > s.A.X ? 1 : -1});
            }
            std::sort(crossings.begin(), crossings.end());
            int winding = 0;
            double from = -1e300;
            double ruled = 0, signedSum = 0;
            const auto interval = [&](double To) {
                const double h = std::min(To, bottom) - std::max(from, top);
                if (h <= 0) return;
                signedSum += h * winding;
                if (RuleHolds(winding, Rule)) ruled += h;
                if (winding == 0)
                    zero[std::size_t(px)] = true;
                else if (first[std::size_t(px)] == 0)
                    first[std::size_t(px)] = winding;
                else if (winding != first[std::size_t(px)])
                    second[std::size_t(px)] = true;
            };
            for (const auto& [y, change] : crossings) {
                interval(y);
                winding += change;
                from = y;
            }
            interval(1e300);
            const double w = xb - xa;
            out.S(px, py) += signedSum * w;
            out.R(px, py) += ruled * w;
        }
        for (int px = 0; px < Width; ++px) {
            const std::size_t i = std::size_t(px);
            out.Mixed[std::size_t(py) * Width + i] =
                second[i] || (zero[i] && std::abs(first[i]) > 1);
        }
    }
    return out;
}

// The coverage byte a rasteriser gives an area share, and the one the accumulation of signed
// areas gives under the rule.
inline int AreaByte(double Share) {
    return int(std::lround(std::clamp(Share, 0.0, 1.0) * 255));
}
inline int FoldedByte(double Signed, TFillRule Rule) {
    double a = std::abs(Signed);
    if (Rule == TFillRule::NonZero)
        a = std::min(a, 1.0);
    else {
        a = std::fmod(a, 2.0);
        if (a > 1) a = 2 - a;
    }
    return AreaByte(a);
}

// Whether the figures wind round the centre of pixel (X, Y) under Rule, an edge counting
// when top <= centre < bottom and its crossing lies at or left of the centre; decided by
// exact products for corners on a fine grid.
inline bool CentreInside(const std::vector<TFigure>& Figures, TFillRule Rule, int X, int Y) {
    const double cx = X + 0.5, cy = Y + 0.5;
    int winding = 0;
    for (const TFigure& f : Figures)
        for (std::size_t i = 0; i < f.size(); ++i) {
            TVertex a = f[i], b = f[(i + 1) % f.size()];
            int dir = 1;
            if (a.Y > b.Y) std::swap(a, b), dir = -1;
            if (!(a.Y <= cy && cy < b.Y)) continue;
            if ((cx - a.X) * (b.Y - a.Y) - (cy - a.Y) * (b.X - a.X) >= 0) winding += dir;
        }
    return RuleHolds(winding, Rule);
}

} // namespace kw::raster::test
