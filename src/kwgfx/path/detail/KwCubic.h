// SPDX-License-Identifier: MIT
#pragma once
// One cubic Bezier segment in doubles, as the path toolbox uses it: points and derivatives
// at a parameter, splitting, the piece between two parameters, and the number of even steps
// that keep a polyline within a tolerance of it.

#include "kwgfx/path/detail/KwVec2.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace kw::detail {

struct TCubic {
    std::array<TVec2, 4> P;

    TVec2 At(double T) const {
        const double u = 1 - T;
        const double b0 = u * u * u, b1 = 3 * u * u * T, b2 = 3 * u * T * T, b3 = T * T * T;
        return P[0] * b0 + P[1] * b1 + P[2] * b2 + P[3] * b3;
    }
    // The first derivative, B'(t).
    TVec2 Derivative(double T) const {
        const double u = 1 - T;
        return ((P[1] - P[0]) * (u * u) + (P[2] - P[1]) * (2 * u * T) + (P[3] - P[2]) * (T * T)) *
               3.0;
    }
    // The second derivative, B''(t).
    TVec2 Second(double T) const {
        const TVec2 a = P[2] - P[1] * 2.0 + P[0], b = P[3] - P[2] * 2.0 + P[1];
        return (a * (1 - T) + b * T) * 6.0;
    }
    // The direction the curve leaves its start in: towards the first control point that
    // differs from the start (a zero vector for a curve that is a single point).
    TVec2 StartDirection() const {
        for (int i = 1; i < 4; ++i)
            if (!(P[i] == P[0])) return Unit(P[i] - P[0]);
        return {};
    }
    // The direction the curve arrives at its end in, likewise.
    TVec2 EndDirection() const {
        for (int i = 2; i >= 0; --i)
            if (!(P[i] == P[3])) return Unit(P[3] - P[i]);
        return {};
    }
    bool IsPoint() const { return P[0] == P[1] && P[0] == P[2] && P[0] == P[3]; }

    // The halves at T (de Casteljau).
    void Split(double T, TCubic& Left, TCubic& Right) const {
        const TVec2 ab = Lerp(P[0], P[1], T), bc = Lerp(P[1], P[2], T), cd = Lerp(P[2], P[3], T);
        const TVec2 abc = Lerp(ab, bc, T), bcd = Lerp(bc, cd, T);
        const TVec2 m = Lerp(abc, bcd, T);
        Left = {{P[0], ab, abc, m}};
        Right = {{m, bcd, cd, P[3]}};
    }
    // The piece from T0 to T1 (0 <= T0 <= T1 <= 1), its ends exactly At(T0) and At(T1)
    // rounded as the splits round them.
    TCubic Piece(double T0, double T1) const {
        if (T0 <= 0 && T1 >= 1) return *this;
        TCubic left, right;
        if (T1 >= 1) {
            Split(T0, left, right);
            return right;
        }
        Split(T1, left, right);
        if (T0 <= 0) return left;
        TCubic l2, r2;
        left.Split(T0 / T1, l2, r2);
        return r2;
    }
    // The largest second difference of the control points; 6 times it bounds |B''|.
    double SecondDifference() const {
        const TVec2 a = P[2] - P[1] * 2.0 + P[0], b = P[3] - P[2] * 2.0 + P[1];
        return std::max(Length(a), Length(b));
    }
    // Even parameter steps that keep the polyline through the steps within Tolerance of the
    // curve (the chord error of a step h is at most |B''| h^2 / 8), at least 1 and at most
    // MaxSteps.
    int32_t StepsWithin(double Tolerance, int32_t MaxSteps) const {
        const double n = std::ceil(std::sqrt(0.75 * SecondDifference() / Tolerance));
        if (!(n >= 1)) return 1;
        return n > MaxSteps ? MaxSteps : int32_t(n);
    }
};

} // namespace kw::detail
