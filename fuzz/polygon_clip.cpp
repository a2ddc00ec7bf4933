// SPDX-License-Identifier: MIT
// Fuzzes the clipping of far figures that the raster canvas does before filling at
// sub-pixel precision. Whatever the figure, clipping must not crash or loop, and every
// point it returns must be finite and lie in the box (that is what keeps coordinates in the
// rasteriser's range).
#include "FuzzSupport.h"

#include <kwgfx/platform/graphics/PolygonBoxClip.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace kw::platform;
    kw::fuzz::TInputReader in(Data, Size);
    // One byte picks the scale of the figure, from tiny steps to far beyond the box.
    const double scale = std::ldexp(1.0, int(in.Next<uint8_t>() % 96) - 24);
    const double l = in.Next<int16_t>(), t = in.Next<int16_t>();
    const double r = in.Next<int16_t>(), b = in.Next<int16_t>();
    const TBoxD box{std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
    std::vector<TPointD> figure;
    while (!in.Empty() && figure.size() < 512) {
        const double x = in.Next<int32_t>() * scale, y = in.Next<int32_t>() * scale;
        figure.push_back({x, y});
    }
    if (FigureInsideBox(figure, box)) return 0;
    for (const TPointD& p : ClipFigureToBox(figure, box)) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) kw::fuzz::Fail("clipped point not finite");
        if (p.X < box.Left || p.X > box.Right || p.Y < box.Top || p.Y > box.Bottom)
            kw::fuzz::Fail("clipped point outside the box");
    }
    return 0;
}
