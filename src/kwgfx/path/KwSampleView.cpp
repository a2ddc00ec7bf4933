// SPDX-License-Identifier: MIT
// The view a canvas gives curve sampling: its clip box in path units, grown by what the pen
// can reach beyond a point of the outline.

#include "kwgfx/path/detail/KwViewSampler.h"
#include "kwgfx/platform/graphics/Canvas.h"

#include <algorithm>

namespace kw::detail {

namespace {

// The smallest distance the keep box adds round the visible box.
constexpr double MinKeepMargin = 256;

} // namespace

std::optional<TKwSampleView> SampleViewOf(const platform::TCanvas& Canvas) {
    const std::optional<platform::TRect> clip = Canvas.ClipBox();
    if (!clip) return std::nullopt;
    // Pixel (x, y) is the square round the point (x, y). A stroke reaches half its width
    // from the outline, a mitred corner (limit 2) its whole width; points are rounded to
    // whole pixels and line ends pushed half a pixel out. Twice the width and two pixels
    // cover all of it.
    const double width = std::max<int32_t>(1, Canvas.Pen().Width());
    const double reach = 2 * width + 2;
    const TKwBoxD box{double(clip->Left) - 0.5, double(clip->Top) - 0.5, double(clip->Right) - 0.5,
                      double(clip->Bottom) - 0.5};
    const TKwBoxD visible = box.Grown(reach);
    const double keepMargin =
        std::max({MinKeepMargin, visible.Right - visible.Left, visible.Bottom - visible.Top});
    return TKwSampleView{visible, visible.Grown(keepMargin)};
}

} // namespace kw::detail
