#include "kwgfx/platform/IntegerScaleRect.h"

#include <algorithm>
#include <limits>

namespace kw::platform {

namespace {

int32_t Saturate(int64_t V) {
    return int32_t(std::clamp<int64_t>(V, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

} // namespace

TRect ScaleRect(const TRect& R, int32_t DX, int32_t DY) {
    const int64_t leftPart = DX / 2, topPart = DY / 2;
    return {Saturate(int64_t(R.Left) - leftPart), Saturate(int64_t(R.Top) - topPart),
            Saturate(int64_t(R.Right) + (int64_t(DX) - leftPart)),
            Saturate(int64_t(R.Bottom) + (int64_t(DY) - topPart))};
}

} // namespace kw::platform
