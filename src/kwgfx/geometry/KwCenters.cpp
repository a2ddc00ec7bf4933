// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwCenters.h"

#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/geometry/detail/IntegerDistance.h"
#include "kwgfx/platform/base/Exceptions.h"

#include <cmath>

namespace kw {

namespace {

template <typename Point>
TKwPoint MeanCenter(std::span<const Point> Points) {
    TKwPoint sum;
    if (Points.empty()) return sum;
    for (const Point& p : Points) {
        sum.X += static_cast<float>(p.X);
        sum.Y += static_cast<float>(p.Y);
    }
    const auto n = static_cast<double>(Points.size());
    return {static_cast<float>(sum.X / n), static_cast<float>(sum.Y / n)};
}

// The incentre from the three side lengths (each already rounded to float):
// (a*A + b*B + c*C) / (c + b + a).
struct TInCentre {
    double X, Y;
};
TInCentre WeightedCentre(double AX, double AY, double BX, double BY, double CX, double CY, float a,
                         float b, float c) {
    const double perimeter = double{c} + b + a;
    return {platform::CheckedDivide(a * AX + b * BX + c * CX, perimeter),
            platform::CheckedDivide(a * AY + b * BY + c * CY, perimeter)};
}

float Length(double DX, double DY) {
    return static_cast<float>(std::sqrt(DX * DX + DY * DY));
}

} // namespace

TKwPoint KwCenterPoint(const TKwRect& R) {
    return {static_cast<float>(R.Left + (double{R.Right} - R.Left) / 2),
            static_cast<float>(R.Top + (double{R.Bottom} - R.Top) / 2)};
}

TKwPoint KwCenterPoint(const TRect& R) {
    return {static_cast<float>(R.Left + (static_cast<double>(R.Right) - R.Left) / 2),
            static_cast<float>(R.Top + (static_cast<double>(R.Bottom) - R.Top) / 2)};
}

TKwPoint KwCenterPoint(std::span<const TKwPoint> Points) {
    return MeanCenter(Points);
}

TKwPoint KwCenterPoint(std::span<const TPoint> Points) {
    return MeanCenter(Points);
}

TKwPoint InCenterPoint(const TKwPoint& A, const TKwPoint& B, const TKwPoint& C) {
    const float a = Length(double{C.X} - B.X, double{C.Y} - B.Y);
    const float b = Length(double{C.X} - A.X, double{C.Y} - A.Y);
    const float c = Length(double{B.X} - A.X, double{B.Y} - A.Y);
    const TInCentre r = WeightedCentre(A.X, A.Y, B.X, B.Y, C.X, C.Y, a, b, c);
    return {static_cast<float>(r.X), static_cast<float>(r.Y)};
}

TPoint InCenterPoint(const TPoint& A, const TPoint& B, const TPoint& C) {
    // Differences and squares in integers, exact for every 32-bit coordinate.
    using detail::IntegerDistance;
    const float a = IntegerDistance(B, C), b = IntegerDistance(A, C), c = IntegerDistance(A, B);
    const TInCentre r = WeightedCentre(A.X, A.Y, B.X, B.Y, C.X, C.Y, a, b, c);
    return {platform::RoundToPixel(r.X), platform::RoundToPixel(r.Y)};
}

} // namespace kw
