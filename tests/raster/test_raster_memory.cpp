// SPDX-License-Identifier: MIT
// The rasteriser's memory: once warm it allocates nothing for a fill of the same size, and
// the ways it bounds its memory for huge inputs (figures of thousands of points made into
// edges as they come, the cells of the whole box instead of kept edges) paint the same bytes.
#include "kwgfx/raster/Rasterizer.h"
#include "kwgfx/raster/Stroker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <numbers>
#include <random>
#include <vector>

using namespace kw::raster;

namespace {
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};
} // namespace

// Every allocation of this test program goes through here; only those while counting count.
// (The compiler cannot see that operator new and operator delete below pair malloc and free.)
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t Size) {
    if (gCounting) ++gAllocations;
    if (void* p = std::malloc(Size ? Size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* P) noexcept {
    std::free(P);
}
void operator delete(void* P, std::size_t) noexcept {
    std::free(P);
}

namespace {

std::vector<TVertex> Circle(double Cx, double Cy, double R, int Points, double Wobble = 0) {
    std::vector<TVertex> figure;
    for (int i = 0; i < Points; ++i) {
        const double a = 2 * std::numbers::pi * i / Points;
        const double r = R + Wobble * std::sin(37 * a);
        figure.push_back({Cx + r * std::cos(a), Cy + r * std::sin(a)});
    }
    return figure;
}

} // namespace

// A second fill of figures like the first (curves, a stroke, both edge kinds, every band)
// allocates nothing.
TEST(RasterMemory, AWarmFillAllocatesNothing) {
    const int W = 300, H = 200;
    std::vector<std::uint8_t> pixels(std::size_t(W) * H * 4, 0);
    const std::vector<TVertex> star = Circle(150, 100, 90, 40, 30);
    TRasterizer raster;
    const auto draw = [&](bool Antialias) {
        raster.Reset({0, 0, W, H}, Antialias);
        raster.AddPolygon(star);
        raster.MoveTo({10, 10});
        raster.CubicTo({300, 0}, {-100, 300}, {290, 190});
        raster.ClosePath();
        TStrokeStyle style;
        style.Width = 3;
        StrokePolyline(raster, star, true, style);
        raster.FillSolid({pixels.data(), W, H, W * 4}, 0xFF102030u, TFillRule::NonZero);
    };
    for (const bool antialias : {true, false}) {
        draw(antialias);
        gAllocations = 0;
        gCounting = true;
        draw(antialias);
        gCounting = false;
        EXPECT_EQ(gAllocations, 0) << "antialias " << antialias;
    }
}

// Figures far beyond the edges kept and beyond the points kept per figure paint what the
// same picture painted from few edges does: a small figure on the left half, alone and
// beside a figure of 100,000 points on the right half.
TEST(RasterMemory, HugeInputsPaintTheSameBytes) {
    const int W = 200, H = 100;
    std::mt19937 rng(41);
    std::uniform_real_distribution<double> left(2, 95), row(2, 98);
    std::vector<TVertex> small;
    for (int i = 0; i < 9; ++i) small.push_back({left(rng), row(rng)});
    for (const bool antialias : {true, false}) {
        std::vector<std::uint8_t> masks[2];
        for (int huge = 0; huge < 2; ++huge) {
            TRasterizer raster;
            raster.Reset({0, 0, W, H}, antialias);
            raster.AddPolygon(small);
            if (huge) raster.AddPolygon(Circle(150, 50, 40, 100000, 5));
            masks[huge].assign(std::size_t(W) * H, 0);
            raster.FillMask({masks[huge].data(), W, H, W}, 0, 0, TFillRule::EvenOdd);
        }
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W / 2; ++x)
                ASSERT_EQ(masks[0][std::size_t(y) * W + x], masks[1][std::size_t(y) * W + x])
                    << x << "," << y << " antialias " << antialias;
        int inked = 0;
        for (int y = 0; y < H; ++y)
            for (int x = W / 2; x < W; ++x) inked += masks[1][std::size_t(y) * W + x] != 0;
        EXPECT_GT(inked, 3000);
    }
}

// A box of whole pixels is what the rasteriser paints for the same rectangle, within the
// picture and cut to it.
TEST(RasterMemory, BoxesAreTheirRectangles) {
    const int W = 40, H = 30;
    const TPixelBox boxes[] = {{3, 4, 17, 25}, {-5, 10, 60, 12}, {30, -3, 41, 2}, {8, 8, 8, 20}};
    for (const TPixelBox& box : boxes)
        for (const TCompositeOp op : {TCompositeOp::Over, TCompositeOp::Source}) {
            std::vector<std::uint8_t> pixels[2];
            for (int which = 0; which < 2; ++which) {
                pixels[which].assign(std::size_t(W) * H * 4, 0x40);
                const TImageView view{pixels[which].data(), W, H, W * 4};
                if (which == 0) {
                    FillBox(view, box, 0x80604020u, op);
                    continue;
                }
                TRasterizer raster;
                raster.Reset({0, 0, W, H}, true);
                const TVertex corners[] = {{double(box.Left), double(box.Top)},
                                           {double(box.Right), double(box.Top)},
                                           {double(box.Right), double(box.Bottom)},
                                           {double(box.Left), double(box.Bottom)}};
                raster.AddPolygon(corners);
                raster.FillSolid(view, 0x80604020u, TFillRule::NonZero, op);
            }
            EXPECT_EQ(pixels[0], pixels[1]) << box.Left << "," << box.Top;
        }
}
