// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwPointOps.h"

#include "kwgfx/geometry/KwCenters.h"
#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/geometry/detail/IntegerDistance.h"

#include <cmath>

namespace kw {

using detail::Wrap32;
using platform::RoundToPixel;

TKwPoints ScalePoints(std::span<const TKwPoint> Points, float SX, float SY) {
    const TKwPoint c = KwCenterPoint(Points);
    TKwPoints result;
    result.reserve(Points.size());
    for (const TKwPoint& p : Points)
        result.emplace_back(static_cast<float>((double{p.X} - c.X) * SX + c.X),
                            static_cast<float>((double{p.Y} - c.Y) * SY + c.Y));
    return result;
}

TCanvasPoints ScalePoints(std::span<const TPoint> Points, float SX, float SY) {
    const TKwPoint c = KwCenterPoint(Points);
    TCanvasPoints result;
    result.reserve(Points.size());
    for (const TPoint& p : Points)
        result.emplace_back(RoundToPixel((static_cast<double>(p.X) - c.X) * SX + c.X),
                            RoundToPixel((static_cast<double>(p.Y) - c.Y) * SY + c.Y));
    return result;
}

TPoint OffsetPoint(TPoint& P, int32_t DX, int32_t DY) {
    const TPoint old = P;
    P.X = Wrap32(int64_t{P.X} + DX);
    P.Y = Wrap32(int64_t{P.Y} + DY);
    return old;
}

TKwPoint OffsetPoint(TKwPoint& P, float DX, float DY) {
    const TKwPoint old = P;
    P.X += DX;
    P.Y += DY;
    return old;
}

TPoint OffsetPoint(TPoint& P, const TPoint& Target, float Distance) {
    const TPoint old = P;
    const int64_t dx = int64_t{Target.X} - P.X;
    const int64_t dy = int64_t{Target.Y} - P.Y;
    const float d = detail::IntegerDistance(P, Target);
    if (d == 0) return old;
    const float k = static_cast<float>(double{Distance} / d);
    P.Y = Wrap32(P.Y + int64_t{RoundToPixel(double{k} * static_cast<double>(dy))});
    P.X = Wrap32(P.X + int64_t{RoundToPixel(double{k} * static_cast<double>(dx))});
    return old;
}

TKwPoint OffsetPoint(TKwPoint& P, const TKwPoint& Target, float Distance) {
    const TKwPoint old = P;
    const double dx = double{Target.X} - P.X;
    const double dy = double{Target.Y} - P.Y;
    const float d = static_cast<float>(std::sqrt(dx * dx + dy * dy));
    if (d == 0) return old;
    const float k = static_cast<float>(double{Distance} / d);
    P.Y = static_cast<float>(P.Y + double{k} * (double{Target.Y} - P.Y));
    P.X = static_cast<float>(P.X + double{k} * (double{Target.X} - P.X));
    return old;
}

} // namespace kw
