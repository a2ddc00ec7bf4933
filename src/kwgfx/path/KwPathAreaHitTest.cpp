// SPDX-License-Identifier: MIT
// TKwPathData: the hit test of the area FillPathArea paints, on the index the path keeps
// (detail/KwAreaHitIndex.h).

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/detail/KwPathSampleCache.h"

namespace kw {

bool TKwPathData::PointInPathArea(float X, float Y) const {
    if (FPathData.empty()) return false;
    const int32_t winding = Cache().HitIndex(FPathData)->Winding(X, Y);
    return FFillMode == fmNonZero ? winding != 0 : (winding & 1) != 0;
}

bool TKwPathData::PointInPathArea(const TKwPoint& P) const {
    return PointInPathArea(P.X, P.Y);
}

} // namespace kw
