// SPDX-License-Identifier: MIT
// Curves as the rasteriser flattens them: within the tolerance of the true curve, in no more
// segments than even steps of the parameter need, and cheap however far they reach.
#include "ExactAreaOracle.h"

#include "kwgfx/raster/Rasterizer.h"
#include "kwgfx/raster/detail/CurveFlattening.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace kw::raster;

namespace {

double DistanceToSegment(TVertex P, TVertex A, TVertex B) {
    const double dx = B.X - A.X, dy = B.Y - A.Y, l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((P.X - A.X) * dx + (P.Y - A.Y) * dy) / l2, 0.0, 1.0) : 0;
    return std::hypot(P.X - A.X - t * dx, P.Y - A.Y - t * dy);
}

TVertex CubicAt(const TVertex (&C)[4], double T) {
    const double s = 1 - T;
    const double a = s * s * s, b = 3 * s * s * T, c = 3 * s * T * T, d = T * T * T;
    return {a * C[0].X + b * C[1].X + c * C[2].X + d * C[3].X,
            a * C[0].Y + b * C[1].Y + c * C[2].Y + d * C[3].Y};
}

// The farthest a dense sample of the curve lies from the polyline through Points.
template <typename F>
double Stray(const std::vector<TVertex>& Points, F&& At) {
    double worst = 0;
    for (int i = 0; i <= 600; ++i) {
        const TVertex p = At(i / 600.0);
        double best = 1e300;
        for (std::size_t k = 1; k < Points.size(); ++k)
            best = std::min(best, DistanceToSegment(p, Points[k - 1], Points[k]));
        worst = std::max(worst, best);
    }
    return worst;
}

// Even steps of the parameter that keep a cubic within Tolerance: 3/4 of the larger second
// difference of its control points over the square of their number.
int EvenSteps(const TVertex (&C)[4], double Tolerance) {
    const double d1 = std::hypot(C[0].X - 2 * C[1].X + C[2].X, C[0].Y - 2 * C[1].Y + C[2].Y);
    const double d2 = std::hypot(C[1].X - 2 * C[2].X + C[3].X, C[1].Y - 2 * C[2].Y + C[3].Y);
    return std::max(1, int(std::ceil(std::sqrt(0.75 * std::max(d1, d2) / Tolerance))));
}

} // namespace

// Random cubics of every size, loops, cusps and control points on one line among them, at
// three tolerances: the polyline keeps within the tolerance (its approximations of the
// parabola's integral may overshoot it by a few per cent), ends exactly at the end point,
// and takes no more segments in all than even steps would.
TEST(RasterFlatten, CubicsStayWithinToleranceInFewerSegments) {
    std::mt19937 rng(21);
    std::uniform_real_distribution<double> unit(0, 1);
    for (const double tolerance : {0.05, 0.1, 0.25}) {
        long ours = 0, even = 0;
        for (int round = 0; round < 300; ++round) {
            const double size = std::pow(10.0, -1 + 4 * unit(rng));
            TVertex c[4];
            for (TVertex& p : c) p = {unit(rng) * size, unit(rng) * size};
            if (round % 10 == 1) c[1] = c[0], c[2] = c[3]; // a line
            if (round % 10 == 2) {
                // A cusp halfway.
                c[0] = {0, 0}, c[1] = {size, size}, c[2] = {0, size}, c[3] = {size, 0};
            }
            if (round % 10 == 3) {
                // Control points on one line, the curve turning back along it.
                c[1] = {c[0].X + 2 * (c[3].X - c[0].X), c[0].Y + 2 * (c[3].Y - c[0].Y)};
                c[2] = {c[0].X - (c[3].X - c[0].X), c[0].Y - (c[3].Y - c[0].Y)};
            }
            std::vector<TVertex> points{c[0]};
            detail::FlattenCubic(c[0], c[1], c[2], c[3], tolerance,
                                 [&](TVertex P) { points.push_back(P); });
            ASSERT_EQ(points.back(), c[3]);
            const double stray = Stray(points, [&](double T) { return CubicAt(c, T); });
            ASSERT_LE(stray, tolerance * 1.1) << "round " << round << " size " << size;
            ours += long(points.size()) - 1;
            even += EvenSteps(c, tolerance);
        }
        EXPECT_LE(ours, even) << "tolerance " << tolerance;
    }
}

// Quadratic curves, sharp turns at their vertex among them, keep within the tolerance too.
TEST(RasterFlatten, QuadsStayWithinTolerance) {
    std::mt19937 rng(22);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int round = 0; round < 300; ++round) {
        const double size = std::pow(10.0, -1 + 4 * unit(rng));
        TVertex q[3];
        for (TVertex& p : q) p = {unit(rng) * size, unit(rng) * size};
        // Every third a needle: the control point far beyond nearly coinciding ends.
        if (round % 3 == 0) q[2] = {q[0].X + 1e-3 * size, q[0].Y};
        std::vector<TVertex> points{q[0]};
        detail::FlattenQuad(q[0], q[1], q[2], 0.1, [&](TVertex P) { points.push_back(P); });
        ASSERT_EQ(points.back(), q[2]);
        const double stray = Stray(points, [&](double T) {
            const double s = 1 - T;
            return TVertex{s * s * q[0].X + 2 * s * T * q[1].X + T * T * q[2].X,
                           s * s * q[0].Y + 2 * s * T * q[1].Y + T * T * q[2].Y};
        });
        ASSERT_LE(stray, 0.11) << "round " << round << " size " << size;
    }
}

// A curve reaching a trillion pixels out and crossing the picture becomes few segments, and
// a curve wholly outside the picture adds to no pixel what its chord would not.
TEST(RasterFlatten, FarCurvesCostLittleAndChangeNothingOutside) {
    TRasterizer raster;
    raster.Reset({0, 0, 64, 64}, true);
    raster.MoveTo({32, 32});
    raster.CubicTo({-1e12, -1e12}, {1e12, 1e12}, {40, 10});
    raster.ClosePath();
    EXPECT_LT(raster.EdgeCount(), 2000u);

    const auto mask = [](bool Curve) {
        TRasterizer r;
        r.Reset({0, 0, 40, 30}, true);
        r.MoveTo({-5, 3});
        if (Curve)
            r.CubicTo({-60, -20}, {-90, 70}, {-5, 27}); // left of the picture throughout
        else
            r.LineTo({-5, 27});
        r.LineTo({30, 15});
        r.ClosePath();
        std::vector<std::uint8_t> out(40 * 30, 0);
        r.FillMask({out.data(), 40, 30, 40}, 0, 0, TFillRule::NonZero);
        return out;
    };
    EXPECT_EQ(mask(true), mask(false));
}
