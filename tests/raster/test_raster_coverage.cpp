// SPDX-License-Identifier: MIT
// The rasteriser against exact references: smooth edges against the brute-force area of
// every pixel (ExactAreaOracle.h), hard edges against the pixel-centre rule evaluated
// exactly, compositing against the premultiplied formula, and every instruction set against
// the others.
#include "ExactAreaOracle.h"

#include "kwgfx/raster/Rasterizer.h"
#include "kwgfx/raster/SimdLevel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <random>
#include <string>
#include <vector>

using namespace kw::raster;
using kw::raster::test::CentreInside;
using kw::raster::test::TFigure;

namespace {

// Kinds of random figures, each a few figures of 3 to 9 corners.
enum class TShape {
    Ordinary, // corners in and round the picture
    Tiny,     // figures smaller than a pixel
    Huge,     // corners up to 1e12 pixels away
    Grid,     // corners on pixel corners and half pixels: edges on pixel borders
    Star      // one figure crossing itself many times
};

std::vector<TFigure> RandomFigures(std::mt19937& Rng, TShape Shape, int W, int H) {
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> corners(3, 9);
    std::vector<TFigure> figures(Shape == TShape::Star ? 1 : 1 + Rng() % 3);
    for (TFigure& f : figures) {
        const int n = corners(Rng);
        const double cx = unit(Rng) * W, cy = unit(Rng) * H, size = 0.01 + unit(Rng) * 0.6;
        for (int i = 0; i < n; ++i) {
            switch (Shape) {
            case TShape::Ordinary:
                f.push_back({-6 + unit(Rng) * (W + 12), -6 + unit(Rng) * (H + 12)});
                break;
            case TShape::Tiny:
                f.push_back({cx + unit(Rng) * size, cy + unit(Rng) * size});
                break;
            case TShape::Huge: {
                const double far = std::pow(10.0, 3 + 9 * unit(Rng));
                f.push_back(i % 2 ? TVertex{(unit(Rng) - 0.5) * far, (unit(Rng) - 0.5) * far}
                                  : TVertex{unit(Rng) * W, unit(Rng) * H});
                break;
            }
            case TShape::Grid:
                f.push_back({std::round(unit(Rng) * W * 2) / 2, std::round(unit(Rng) * H * 2) / 2});
                break;
            case TShape::Star: {
                const double a = 2 * std::numbers::pi * 3 * i / n + unit(Rng);
                const double r = (0.3 + 0.7 * unit(Rng)) * std::min(W, H) / 2;
                f.push_back({W / 2.0 + r * std::cos(a), H / 2.0 + r * std::sin(a)});
                break;
            }
            }
        }
    }
    return figures;
}

std::vector<std::uint8_t> Coverage(const std::vector<TFigure>& Figures, int W, int H,
                                   bool Antialias, TFillRule Rule) {
    TRasterizer raster;
    raster.Reset({0, 0, W, H}, Antialias);
    for (const TFigure& f : Figures) raster.AddPolygon(f);
    std::vector<std::uint8_t> mask(std::size_t(W) * H, 0);
    raster.FillMask({mask.data(), W, H, W}, 0, 0, Rule);
    return mask;
}

const char* ShapeName(TShape S) {
    switch (S) {
    case TShape::Ordinary:
        return "ordinary";
    case TShape::Tiny:
        return "tiny";
    case TShape::Huge:
        return "huge";
    case TShape::Grid:
        return "grid";
    case TShape::Star:
        return "star";
    }
    return "?";
}

} // namespace

// Smooth edges: every pixel is within one level of the folded winding-weighted area, and
// where the pixel's windings let the rule be folded from their sum (no two different
// windings, no winding beyond one beside an empty part), within one level of the exact
// covered area. Pictures of several shapes make several bands and widths of cells.
TEST(RasterCoverage, SmoothEdgesCoverTheExactArea) {
    struct TSize {
        int W, H;
    };
    const TSize sizes[] = {{24, 20}, {7, 150}, {301, 5}};
    std::mt19937 rng(11);
    for (const TShape shape :
         {TShape::Ordinary, TShape::Tiny, TShape::Huge, TShape::Grid, TShape::Star})
        for (int round = 0; round < 12; ++round) {
            const TSize size = sizes[round % 3];
            const TFillRule rule = round % 2 ? TFillRule::EvenOdd : TFillRule::NonZero;
            const std::vector<TFigure> figures = RandomFigures(rng, shape, size.W, size.H);
            const std::vector<std::uint8_t> ours = Coverage(figures, size.W, size.H, true, rule);
            test::TExactAreas exact = test::ExactAreas(figures, size.W, size.H, rule);
            int inked = 0;
            for (int y = 0; y < size.H; ++y)
                for (int x = 0; x < size.W; ++x) {
                    const int got = ours[std::size_t(y) * size.W + x];
                    inked += got != 0;
                    const std::string where = std::string(ShapeName(shape)) + " round " +
                                              std::to_string(round) + " pixel " +
                                              std::to_string(x) + "," + std::to_string(y);
                    ASSERT_NEAR(got, test::FoldedByte(exact.S(x, y), rule), 1) << where;
                    if (!exact.Mixed[std::size_t(y) * size.W + x]) {
                        ASSERT_NEAR(got, test::AreaByte(exact.R(x, y)), 1) << where;
                    }
                }
            if (shape != TShape::Tiny) {
                EXPECT_GT(inked, 0) << ShapeName(shape) << round;
            }
        }
}

// Hard edges: a pixel is whole exactly when the figures wind round its centre under the
// rule, an edge counting for a centre when top <= centre < bottom and its crossing lies at
// or left of the centre. Corners on a grid of quarter pixels put many crossings exactly on
// centres; the reference decides them by exact products. Then rounds that cross each row so
// often (a figure of 150 corners) that the crossings are kept in cells instead of lists,
// rounds of corners anywhere (floats, as hard edges keep them), some of them far out, and
// pictures of several bands, which edges cross from one to the next.
TEST(RasterCoverage, HardEdgesFollowThePixelCentreRule) {
    std::mt19937 rng(12);
    std::uniform_int_distribution<int> quarter(-16, 4 * 40);
    std::uniform_real_distribution<double> anywhere(-4, 40);
    for (int round = 0; round < 60; ++round) {
        const bool tall = round >= 56;
        const int W = 33, H = tall ? 700 : 29;
        const bool dense = round >= 40 && round < 44, floats = round >= 44 && round < 58;
        const TFillRule rule = round % 2 ? TFillRule::EvenOdd : TFillRule::NonZero;
        std::vector<TFigure> figures(dense || tall ? 1 : 1 + round % 3);
        for (TFigure& f : figures)
            for (int i = dense ? 150 : tall ? 3 + round % 2 : 3 + round % 6; i > 0; --i) {
                if (!floats) {
                    f.push_back({quarter(rng) / 4.0, quarter(rng) / 4.0 * (tall ? 20 : 1)});
                    continue;
                }
                const double reach = round >= 52 && i == 1 ? 1e6 : 1;
                f.push_back({double(float(anywhere(rng) * reach)),
                             double(float(anywhere(rng) * (tall ? 20 : 1)))});
            }
        const std::vector<std::uint8_t> ours = Coverage(figures, W, H, false, rule);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const int expected = CentreInside(figures, rule, x, y) ? 255 : 0;
                ASSERT_EQ(ours[std::size_t(y) * W + x], expected)
                    << "round " << round << " pixel " << x << "," << y;
            }
    }
}

// Hard edges on rows wider than one word of touched bits, written through windows that
// start and end anywhere, by every instruction set: the spans between crossings are cut
// to the window and cover exactly the pixels whose centres the figures wind round.
TEST(RasterCoverage, HardSpansFillWindowsOfWideRows) {
    const int W = 700, H = 6;
    std::mt19937 rng(15);
    std::uniform_int_distribution<int> across(-8, 2 * W + 8), down(-2, 2 * H + 2);
    struct TWindow {
        int Left, Right;
    };
    for (const TWindow window : {TWindow{0, W}, TWindow{3, 517}, TWindow{511, 700}}) {
        std::vector<TFigure> figures(3);
        for (TFigure& f : figures)
            for (int i = 0; i < 7; ++i) f.push_back({across(rng) / 2.0, down(rng) / 2.0});
        for (const TFillRule rule : {TFillRule::NonZero, TFillRule::EvenOdd})
            for (int level = 0; level <= int(BestSimdLevel()); ++level) {
                UseSimdLevel(TSimdLevel(level));
                TRasterizer raster;
                raster.Reset({0, 0, W, H}, false);
                for (const TFigure& f : figures) raster.AddPolygon(f);
                const int ww = window.Right - window.Left;
                std::vector<std::uint8_t> mask(std::size_t(ww) * H, 0);
                raster.FillMask({mask.data(), ww, H, ww}, window.Left, 0, rule);
                for (int y = 0; y < H; ++y)
                    for (int x = 0; x < ww; ++x)
                        ASSERT_EQ(mask[std::size_t(y) * ww + x],
                                  CentreInside(figures, rule, window.Left + x, y) ? 255 : 0)
                            << "level " << level << " window " << window.Left << " pixel "
                            << window.Left + x << "," << y;
            }
        UseSimdLevel(BestSimdLevel());
    }
}

// A figure whose corners are not all finite is left out whole; the others still fill.
TEST(RasterCoverage, FiguresWithoutFiniteCornersAreLeftOut) {
    const double nan = std::nan("");
    const std::vector<TFigure> figures = {{{1, 1}, {9, 1}, {9, nan}, {1, 9}},
                                          {{2, 2}, {6, 2}, {6, 6}, {2, 6}}};
    const std::vector<std::uint8_t> ours = Coverage(figures, 12, 12, true, TFillRule::NonZero);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(ours[std::size_t(y) * 12 + x], x >= 2 && x < 6 && y >= 2 && y < 6 ? 255 : 0)
                << x << "," << y;
}

namespace {

// Premultiplied pixels filled through coverage Mask: an opaque paint, or one replacing what
// is there, mixed with it in proportion to the coverage; a translucent one scaled by the
// coverage and laid over it, as Cairo does.
std::uint32_t Mul(std::uint32_t A, std::uint32_t B) {
    const std::uint32_t t = A * B + 0x80;
    return ((t >> 8) + t) >> 8;
}

std::uint32_t Composite(std::uint32_t Dest, std::uint32_t Color, std::uint32_t C, TCompositeOp Op) {
    std::uint32_t out = 0;
    if (Op == TCompositeOp::Source || Color >> 24 == 255) {
        // Mixed in proportion, the coverage taken as 0..256.
        const std::uint32_t c = C + (C >> 7);
        for (int shift = 0; shift < 32; shift += 8)
            out |=
                ((((Color >> shift) & 0xFF) * c + ((Dest >> shift) & 0xFF) * (256 - c) + 128) >> 8)
                << shift;
        return out;
    }
    const std::uint32_t paintAlpha = Mul(Color >> 24, C);
    const std::uint32_t keep = 255 - (Op == TCompositeOp::Over ? paintAlpha : C);
    for (int shift = 0; shift < 32; shift += 8)
        out |= (Mul((Color >> shift) & 0xFF, C) + Mul((Dest >> shift) & 0xFF, keep)) << shift;
    return out;
}

} // namespace

// Every instruction set paints the same bytes, and those are the formula applied to the
// coverage the mask gets: over and source, opaque and translucent paint, on a picture whose
// rows are longer than its width, through a clip box and a transform.
TEST(RasterCoverage, EveryInstructionSetPaintsTheFormula) {
    const int W = 53, H = 31, stride = 4 * 64;
    std::mt19937 rng(13);
    std::vector<std::uint8_t> background(std::size_t(stride) * H);
    for (std::uint8_t& b : background) b = std::uint8_t(rng());
    // Premultiplied: no channel above its alpha.
    for (std::size_t i = 0; i < background.size(); i += 4)
        for (int k = 0; k < 3; ++k)
            background[i + k] = std::min(background[i + k], background[i + 3]);
    const std::vector<TFigure> figures = RandomFigures(rng, TShape::Ordinary, W, H);
    const TPixelBox clip{3, 2, 49, 30};
    const TAffine transform{0.9, 0.1, -0.2, 1.1, 4, -1};
    const auto rasterise = [&](TRasterizer& R, bool Antialias) {
        R.Reset(clip, Antialias);
        R.SetTransform(transform);
        for (const TFigure& f : figures) R.AddPolygon(f);
    };
    for (const bool antialias : {true, false})
        for (const TFillRule rule : {TFillRule::NonZero, TFillRule::EvenOdd}) {
            TRasterizer raster;
            rasterise(raster, antialias);
            std::vector<std::uint8_t> mask(std::size_t(W) * H, 0);
            raster.FillMask({mask.data(), W, H, W}, 0, 0, rule);
            for (const TCompositeOp op : {TCompositeOp::Over, TCompositeOp::Source})
                for (const std::uint32_t color : {0xFF2050C0u, 0x80402000u}) {
                    std::vector<std::uint8_t> expected = background;
                    for (int y = 0; y < H; ++y)
                        for (int x = 0; x < W; ++x) {
                            std::uint32_t d;
                            std::memcpy(&d, &expected[std::size_t(y) * stride + 4 * x], 4);
                            const std::uint32_t c = mask[std::size_t(y) * W + x];
                            if (c == 0) continue;
                            d = Composite(d, color, c, op);
                            std::memcpy(&expected[std::size_t(y) * stride + 4 * x], &d, 4);
                        }
                    for (int level = 0; level <= int(BestSimdLevel()); ++level) {
                        UseSimdLevel(TSimdLevel(level));
                        std::vector<std::uint8_t> pixels = background;
                        raster.FillSolid({pixels.data(), W, H, stride}, color, rule, op);
                        ASSERT_EQ(pixels, expected) << "level " << level << " rule " << int(rule)
                                                    << " op " << int(op) << " aa " << antialias;
                    }
                    UseSimdLevel(BestSimdLevel());
                }
            // Pixels outside the clip box stay as they were; inside, the transform placed
            // the figures as if their corners had been moved first (smooth edges within a
            // level: the corners are not rounded the same way).
            std::vector<TFigure> moved = figures;
            for (TFigure& f : moved)
                for (TVertex& p : f) p = transform.Apply(p);
            TRasterizer plain;
            plain.Reset({0, 0, W, H}, antialias);
            for (const TFigure& f : moved) plain.AddPolygon(f);
            std::vector<std::uint8_t> whole(std::size_t(W) * H, 0);
            plain.FillMask({whole.data(), W, H, W}, 0, 0, rule);
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    const bool inside =
                        x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
                    const int expected = inside ? whole[std::size_t(y) * W + x] : 0;
                    ASSERT_NEAR(mask[std::size_t(y) * W + x], expected, antialias && inside ? 1 : 0)
                        << x << "," << y;
                }
        }
}

// Hard edges painted onto pixels, whether a band keeps them as lists of crossings (a few per
// row) or in cells (a star of hundreds of corners): every target kind, rule and instruction
// set gives the formula applied to the pixel-centre rule, in a picture of two bands, and a
// second fill of the same figures paints the same.
TEST(RasterCoverage, HardEdgesPaintTheCentreRuleAsListsOrCells) {
    const int W = 40, H = 300;
    std::mt19937 rng(17);
    std::uniform_int_distribution<int> across(-8, 4 * W + 8), down(-8, 4 * H + 8);
    for (const int corners : {5, 40, 400}) {
        std::vector<TFigure> figures(1);
        for (int i = 0; i < corners; ++i)
            // On the quarter grid, or (every third corner) anywhere, as the float an edge keeps.
            figures[0].push_back(
                {i % 3 ? across(rng) / 4.0 : double(float(across(rng) / 4.1)), down(rng) / 4.0});
        for (const TFillRule rule : {TFillRule::NonZero, TFillRule::EvenOdd}) {
            std::vector<std::uint8_t> inside(std::size_t(W) * H);
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    inside[std::size_t(y) * W + x] = CentreInside(figures, rule, x, y) ? 255 : 0;
            TRasterizer raster;
            raster.Reset({0, 0, W, H}, false);
            for (const TFigure& f : figures) raster.AddPolygon(f);
            for (int level = 0; level <= int(BestSimdLevel()); ++level) {
                UseSimdLevel(TSimdLevel(level));
                const std::string where = std::to_string(corners) + " corners, rule " +
                                          std::to_string(int(rule)) + ", level " +
                                          std::to_string(level);
                std::vector<std::uint8_t> mask(std::size_t(W) * H, 0);
                raster.FillMask({mask.data(), W, H, W}, 0, 0, rule);
                for (std::size_t i = 0; i < mask.size(); ++i)
                    ASSERT_EQ(mask[i], inside[i]) << where << ", pixel " << i % W << "," << i / W;
                for (const TCompositeOp op : {TCompositeOp::Over, TCompositeOp::Source})
                    for (const std::uint32_t color : {0xFF2050C0u, 0x80402000u}) {
                        const std::uint32_t ground = 0x80604020u;
                        std::vector<std::uint32_t> pixels(std::size_t(W) * H, ground);
                        for (int pass = 0; pass < 2; ++pass) {
                            std::vector<std::uint32_t> before = pixels;
                            raster.FillSolid(
                                {reinterpret_cast<std::uint8_t*>(pixels.data()), W, H, 4 * W},
                                color, rule, op);
                            for (std::size_t i = 0; i < pixels.size(); ++i)
                                ASSERT_EQ(pixels[i], inside[i]
                                                         ? Composite(before[i], color, 255, op)
                                                         : before[i])
                                    << where << ", pass " << pass << ", pixel " << i;
                        }
                    }
            }
            UseSimdLevel(BestSimdLevel());
        }
    }
}

// Whole spans of every length at every offset from a cache line change exactly their own
// pixels, whatever stores the instruction set uses (they may overlap and align).
TEST(RasterCoverage, SpansOfAnyLengthAndPlaceWriteOnlyTheirPixels) {
    constexpr int W = 64, H = 2;
    constexpr std::uint32_t color = 0xFF2050C0u;
    std::vector<std::uint32_t> background(std::size_t(W) * H);
    for (std::size_t i = 0; i < background.size(); ++i) background[i] = 0x01010101u * (i & 0x7F);
    for (int level = 0; level <= int(BestSimdLevel()); ++level) {
        UseSimdLevel(TSimdLevel(level));
        for (int left = 0; left < 17; ++left)
            for (int width = 0; left + width <= W; ++width) {
                std::vector<std::uint32_t> pixels = background;
                FillBox({reinterpret_cast<std::uint8_t*>(pixels.data()), W, H, W * 4},
                        {left, 1, left + width, 2}, color);
                for (int x = 0; x < W; ++x) {
                    const bool inside = x >= left && x < left + width;
                    ASSERT_EQ(pixels[std::size_t(W) + x], inside ? color : background[W + x])
                        << "level " << level << " left " << left << " width " << width;
                    ASSERT_EQ(pixels[std::size_t(x)], background[std::size_t(x)]);
                }
            }
    }
    UseSimdLevel(BestSimdLevel());
}

// A mask placed anywhere over the clip box gets the coverage of its own pixels.
TEST(RasterCoverage, MaskOriginPlacesTheCoverage) {
    std::mt19937 rng(14);
    const std::vector<TFigure> figures = RandomFigures(rng, TShape::Star, 40, 40);
    TRasterizer raster;
    raster.Reset({0, 0, 40, 40}, true);
    for (const TFigure& f : figures) raster.AddPolygon(f);
    std::vector<std::uint8_t> whole(40 * 40, 0);
    raster.FillMask({whole.data(), 40, 40, 40}, 0, 0, TFillRule::NonZero);
    const TPixelBox bounds = raster.Bounds();
    ASSERT_FALSE(bounds.Empty());
    std::vector<std::uint8_t> part(std::size_t(bounds.Width()) * bounds.Height(), 0);
    raster.FillMask({part.data(), bounds.Width(), bounds.Height(), bounds.Width()}, bounds.Left,
                    bounds.Top, TFillRule::NonZero);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inBounds =
                x >= bounds.Left && x < bounds.Right && y >= bounds.Top && y < bounds.Bottom;
            const int v = whole[std::size_t(y) * 40 + x];
            if (!inBounds) {
                ASSERT_EQ(v, 0) << "coverage outside the bounds at " << x << "," << y;
                continue;
            }
            ASSERT_EQ(part[std::size_t(y - bounds.Top) * bounds.Width() + (x - bounds.Left)], v);
        }
}
