// SPDX-License-Identifier: MIT
// Strokes against a reference built from their definition: a pixel centre is covered when it
// lies in a segment's band, a corner's join on the outer side, or an end's cap.
#include "ExactAreaOracle.h"

#include "kwgfx/raster/Stroker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace kw::raster;

namespace {

using TPolygon = std::vector<TVertex>;

// Where P lies against a convex polygon (either winding): inside, and how far from its
// nearest side.
struct TPlace {
    bool Inside;
    double Margin;
};

TPlace PlaceIn(const TPolygon& Polygon, TVertex P) {
    double area = 0;
    for (std::size_t i = 0; i < Polygon.size(); ++i) {
        const TVertex a = Polygon[i], b = Polygon[(i + 1) % Polygon.size()];
        area += a.X * b.Y - b.X * a.Y;
    }
    const double orientation = area > 0 ? 1 : -1;
    bool inside = true;
    double margin = 1e300;
    for (std::size_t i = 0; i < Polygon.size(); ++i) {
        const TVertex a = Polygon[i], b = Polygon[(i + 1) % Polygon.size()];
        const double len = std::hypot(b.X - a.X, b.Y - a.Y);
        if (len == 0) continue;
        const double d =
            orientation * ((b.X - a.X) * (P.Y - a.Y) - (b.Y - a.Y) * (P.X - a.X)) / len;
        inside = inside && d > 0;
        margin = std::min(margin, std::abs(d));
    }
    return {inside && std::abs(area) > 0, margin};
}

// The pieces whose union a stroke covers: a band per segment (reaching half the width past
// an open end with square caps), and the outer wedge of every corner.
std::vector<TPolygon> StrokePieces(const TPolygon& Line, bool Closed, const TStrokeStyle& S) {
    const double h = S.Width / 2;
    const std::size_t n = Line.size();
    std::vector<TPolygon> pieces;
    const auto dir = [&](std::size_t I) {
        const TVertex a = Line[I], b = Line[(I + 1) % n];
        const double len = std::hypot(b.X - a.X, b.Y - a.Y);
        return TVertex{(b.X - a.X) / len, (b.Y - a.Y) / len};
    };
    const std::size_t segments = Closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const TVertex d = dir(i), nrm{-d.Y * h, d.X * h};
        TVertex a = Line[i], b = Line[(i + 1) % n];
        if (!Closed && S.Cap == TLineCap::Square) {
            if (i == 0) a = {a.X - d.X * h, a.Y - d.Y * h};
            if (i + 1 == segments) b = {b.X + d.X * h, b.Y + d.Y * h};
        }
        pieces.push_back({{a.X + nrm.X, a.Y + nrm.Y},
                          {b.X + nrm.X, b.Y + nrm.Y},
                          {b.X - nrm.X, b.Y - nrm.Y},
                          {a.X - nrm.X, a.Y - nrm.Y}});
    }
    const double minCos = 2 / (S.MiterLimit * S.MiterLimit) - 1;
    for (std::size_t i = Closed ? 0 : 1; i < (Closed ? n : n - 1); ++i) {
        const TVertex d1 = dir((i + n - 1) % n), d2 = dir(i), p = Line[i];
        const double cross = d1.X * d2.Y - d1.Y * d2.X, cos = d1.X * d2.X + d1.Y * d2.Y;
        if (cross == 0) continue;
        const double side = cross > 0 ? -1 : 1; // the outer side
        const TVertex a{p.X - d1.Y * h * side, p.Y + d1.X * h * side};
        const TVertex b{p.X - d2.Y * h * side, p.Y + d2.X * h * side};
        if (S.Join == TLineJoin::Miter && cos >= minCos) {
            const double k = 1 / (1 + cos);
            pieces.push_back(
                {p, a, {p.X + (a.X - p.X + b.X - p.X) * k, p.Y + (a.Y - p.Y + b.Y - p.Y) * k}, b});
        } else {
            pieces.push_back({p, a, b});
        }
    }
    return pieces;
}

std::vector<std::uint8_t> Stroked(const TPolygon& Line, bool Closed, const TStrokeStyle& Style,
                                  int W, int H, bool Antialias) {
    TRasterizer raster;
    raster.Reset({0, 0, W, H}, Antialias);
    StrokePolyline(raster, Line, Closed, Style);
    std::vector<std::uint8_t> mask(std::size_t(W) * H, 0);
    raster.FillMask({mask.data(), W, H, W}, 0, 0, TFillRule::NonZero);
    return mask;
}

} // namespace

// Hard-edged strokes of random polylines, open and closed, of several widths, joins, miter
// limits and ends: a pixel is covered exactly when its centre lies in one of the pieces
// (centres within a hair of a piece's side may go either way).
TEST(RasterStroke, HardStrokesCoverTheCentresInTheirPieces) {
    const int W = 48, H = 40;
    std::mt19937 rng(31);
    std::uniform_real_distribution<double> coord(-4, 52);
    int covered = 0;
    for (int round = 0; round < 48; ++round) {
        TStrokeStyle style;
        style.Width = 1 + round % 5 + 0.37 * (round % 3);
        style.Join = round % 4 == 3 ? TLineJoin::Bevel : TLineJoin::Miter;
        style.MiterLimit = round % 2 ? 2 : 10;
        style.Cap = round % 3 == 0 ? TLineCap::Square : TLineCap::Butt;
        const bool closed = round % 5 == 1;
        TPolygon line;
        if (round % 3 == 2) {
            // A flattened arc: short segments turning a little at each point, where the
            // outline cuts its corners.
            const double r = 3 + coord(rng) / 3, turn = (round % 2 ? 0.08 : -0.2) * (1 + round % 4);
            for (int i = 0; i < 12 + round % 7; ++i)
                line.push_back({24 + r * std::cos(i * turn), 20 + r * std::sin(i * turn)});
        } else {
            for (int i = 2 + round % 6; i > 0; --i)
                line.push_back({coord(rng), coord(rng) * H / W});
        }
        const std::vector<std::uint8_t> ours = Stroked(line, closed, style, W, H, false);
        const std::vector<TPolygon> pieces = StrokePieces(line, closed, style);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                bool inside = false;
                double margin = 1e300;
                for (const TPolygon& piece : pieces) {
                    const TPlace place = PlaceIn(piece, {x + 0.5, y + 0.5});
                    inside = inside || place.Inside;
                    margin = std::min(margin, place.Margin);
                }
                if (margin < 1e-9) continue;
                covered += inside;
                ASSERT_EQ(ours[std::size_t(y) * W + x], inside ? 255 : 0)
                    << "round " << round << " pixel " << x << "," << y;
            }
    }
    EXPECT_GT(covered, 1000);
}

// A smooth stroke of one segment covers the exact area of its band; a dashed one covers the
// dashes of its pattern, from the offset on, and nothing between them.
TEST(RasterStroke, SmoothBandsAndDashes) {
    const int W = 60, H = 12;
    TStrokeStyle style;
    style.Width = 2.5;
    const TPolygon segment{{3.3, 5.1}, {55.7, 7.9}};
    const std::vector<std::uint8_t> band = Stroked(segment, false, style, W, H, true);
    const TVertex d{52.4 / std::hypot(52.4, 2.8), 2.8 / std::hypot(52.4, 2.8)};
    const TVertex n{-d.Y * 1.25, d.X * 1.25};
    const test::TExactAreas exact = test::ExactAreas({{{3.3 + n.X, 5.1 + n.Y},
                                                       {55.7 + n.X, 7.9 + n.Y},
                                                       {55.7 - n.X, 7.9 - n.Y},
                                                       {3.3 - n.X, 5.1 - n.Y}}},
                                                     W, H, TFillRule::NonZero);
    for (int i = 0; i < W * H; ++i)
        ASSERT_NEAR(band[std::size_t(i)], test::AreaByte(exact.Ruled[std::size_t(i)]), 1) << i;

    // Dashes 5 on, 3 off, starting 2 into the pattern, along row 6 from x = 0.
    const double dashes[] = {5, 3};
    style.Width = 1;
    style.Dashes = dashes;
    style.DashOffset = 2;
    const std::vector<std::uint8_t> dashed =
        Stroked({{0, 6.5}, {60, 6.5}}, false, style, W, H, false);
    for (int x = 0; x < W; ++x) {
        const double along = std::fmod(x + 0.5 + 2, 8);
        ASSERT_EQ(dashed[6 * W + std::size_t(x)], along < 5 ? 255 : 0) << x;
        ASSERT_EQ(dashed[5 * W + std::size_t(x)], 0) << x;
    }
}
