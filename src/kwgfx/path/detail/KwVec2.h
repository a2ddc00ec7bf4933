// SPDX-License-Identifier: MIT
#pragma once
// Double-precision points and vectors for the path toolbox (stroke outlines, dashes,
// measuring, boolean operations): the path stores floats, but offsets, arc lengths and
// intersections are worked out in doubles and rounded to float once, at the end.

#include "kwgfx/geometry/KwTypes.h"

#include <cmath>

namespace kw::detail {

struct TVec2 {
    double X = 0, Y = 0;
    constexpr TVec2() = default;
    constexpr TVec2(double AX, double AY) : X(AX), Y(AY) {}
    explicit constexpr TVec2(const TKwPoint& P) : X(P.X), Y(P.Y) {}

    constexpr TVec2 operator+(const TVec2& O) const { return {X + O.X, Y + O.Y}; }
    constexpr TVec2 operator-(const TVec2& O) const { return {X - O.X, Y - O.Y}; }
    constexpr TVec2 operator-() const { return {-X, -Y}; }
    constexpr TVec2 operator*(double S) const { return {X * S, Y * S}; }
    constexpr TVec2& operator+=(const TVec2& O) {
        X += O.X;
        Y += O.Y;
        return *this;
    }
    friend constexpr TVec2 operator*(double S, const TVec2& V) { return V * S; }
    friend constexpr bool operator==(const TVec2&, const TVec2&) = default;
};

constexpr double Dot(const TVec2& A, const TVec2& B) {
    return A.X * B.X + A.Y * B.Y;
}
// The z of the 3D cross product: positive when B turns counter-clockwise from A in a
// y-up frame (clockwise on a y-down screen).
constexpr double Cross(const TVec2& A, const TVec2& B) {
    return A.X * B.Y - A.Y * B.X;
}
// Without hypot's guard against overflow: coordinates come from floats, whose squares
// stay far inside the double range.
inline double Length(const TVec2& V) {
    return std::sqrt(V.X * V.X + V.Y * V.Y);
}
constexpr TVec2 Lerp(const TVec2& A, const TVec2& B, double T) {
    return A + (B - A) * T;
}
// V turned a quarter turn counter-clockwise (y-up): the left normal of a direction.
constexpr TVec2 Perp(const TVec2& V) {
    return {-V.Y, V.X};
}
// V scaled to length 1, or (0,0) when it has no direction (zero or not finite).
inline TVec2 Unit(const TVec2& V) {
    const double l = Length(V);
    if (!(l > 0) || !std::isfinite(l)) return {};
    return {V.X / l, V.Y / l};
}
inline bool IsFinite(const TVec2& V) {
    return std::isfinite(V.X) && std::isfinite(V.Y);
}
// V turned by Angle radians counter-clockwise (y-up).
inline TVec2 Rotate(const TVec2& V, double Angle) {
    const double c = std::cos(Angle), s = std::sin(Angle);
    return {V.X * c - V.Y * s, V.X * s + V.Y * c};
}
// The float point nearest V, with coordinates beyond the float range held at its ends, so
// that an outline of a huge stroke stays finite.
TKwPoint ToFloatPoint(const TVec2& V);

} // namespace kw::detail
