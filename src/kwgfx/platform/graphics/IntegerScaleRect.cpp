// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/IntegerScaleRect.h"

#include "kwgfx/platform/graphics/PixelRounding.h"

namespace kw::platform {

TRect ScaleRect(const TRect& R, int32_t DX, int32_t DY) {
    const int64_t leftPart = DX / 2, topPart = DY / 2;
    return {ClampToPixel(int64_t(R.Left) - leftPart), ClampToPixel(int64_t(R.Top) - topPart),
            ClampToPixel(int64_t(R.Right) + (int64_t(DX) - leftPart)),
            ClampToPixel(int64_t(R.Bottom) + (int64_t(DY) - topPart))};
}

} // namespace kw::platform
