// SPDX-License-Identifier: MIT
// Differential fuzzing of the rasteriser against the brute-force area of every pixel
// (tests/raster/ExactAreaOracle.h): random figures, crossing themselves and each other, of
// coordinates from a thousandth of a pixel to millions of pixels away, on small pictures.
//   - smooth edges: every pixel within one level of the winding-weighted area folded by the
//     rule, and within one level of the exact covered area where the pixel's windings let
//     the rule be folded from their sum;
//   - hard edges (coordinates whose products stay exact in double precision): every pixel
//     exactly as the pixel-centre rule decides, by exact products.
#include "FuzzSupport.h"

#include "../tests/raster/ExactAreaOracle.h"

#include <kwgfx/raster/Rasterizer.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace kw::raster;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    kw::fuzz::TInputReader in(Data, Size);
    const int w = 1 + in.Next<uint8_t>() % 32, h = 1 + in.Next<uint8_t>() % 32;
    const uint8_t flags = in.Next<uint8_t>();
    const bool smooth = flags & 1;
    const TFillRule rule = flags & 2 ? TFillRule::EvenOdd : TFillRule::NonZero;
    // Coordinates are 16-bit integers times a power of two from 2^-10 to 2^21.
    const int exponent = int(in.Next<uint8_t>() % 32) - 10;
    const double scale = std::ldexp(1.0, exponent);
    std::vector<test::TFigure> figures;
    while (!in.Empty() && figures.size() < 4) {
        test::TFigure& figure = figures.emplace_back();
        const int points = 1 + in.Next<uint8_t>() % 12;
        for (int i = 0; i < points && !in.Empty(); ++i) {
            const double x = in.Next<int16_t>() * scale, y = in.Next<int16_t>() * scale;
            figure.push_back({x, y});
        }
    }
    // Hard edges are held to the rule only where the reference decides it exactly.
    if (!smooth && (exponent < -4 || exponent > 4)) return 0;

    TRasterizer raster;
    raster.Reset({0, 0, w, h}, smooth);
    for (const test::TFigure& f : figures) raster.AddPolygon(f);
    std::vector<uint8_t> mask(std::size_t(w) * h, 0);
    raster.FillMask({mask.data(), w, h, w}, 0, 0, rule);

    if (smooth) {
        test::TExactAreas exact = test::ExactAreas(figures, w, h, rule);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int got = mask[std::size_t(y) * w + x];
                const std::string where =
                    " at pixel " + std::to_string(x) + "," + std::to_string(y);
                if (std::abs(got - test::FoldedByte(exact.S(x, y), rule)) > 1)
                    kw::fuzz::Fail("coverage differs from the winding-weighted area" + where);
                if (!exact.Mixed[std::size_t(y) * w + x] &&
                    std::abs(got - test::AreaByte(exact.R(x, y))) > 1)
                    kw::fuzz::Fail("coverage differs from the covered area" + where);
            }
        return 0;
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((mask[std::size_t(y) * w + x] == 255) != test::CentreInside(figures, rule, x, y))
                kw::fuzz::Fail("hard edge differs from the pixel-centre rule at pixel " +
                               std::to_string(x) + "," + std::to_string(y));
    return 0;
}
