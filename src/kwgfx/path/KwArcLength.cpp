// SPDX-License-Identifier: MIT
// Arc length along segments (detail/KwArcLength.h describes the method).

#include "kwgfx/path/detail/KwArcLength.h"

#include <algorithm>
#include <cmath>

namespace kw::detail {

namespace {

// The nodes and weights of the 8-point Gauss-Legendre rule on [-1, 1].
constexpr double kNodes[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                              0.9602898564975363};
constexpr double kWeights[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                0.1012285362903763};
constexpr int MaxDepth = 40;

} // namespace

TMeasuredSegment::TMeasuredSegment(const TSegment& Segment) : FSegment(Segment) {
    const TCubic& c = FSegment.C;
    if (!FSegment.Curve) {
        FLength = detail::Length(c.P[3] - c.P[0]);
        return;
    }
    const double polygon = detail::Length(c.P[1] - c.P[0]) + detail::Length(c.P[2] - c.P[1]) +
                           detail::Length(c.P[3] - c.P[2]);
    FT.push_back(0);
    FS.push_back(0);
    if (!(polygon > 0)) {
        FT.push_back(1);
        FS.push_back(0);
        FLength = 0;
        return;
    }
    // |B'| is smooth except where B' vanishes, and nearly so where it nearly does: at the
    // minima of |B'|, the roots of B' . B'' (a cubic) where it turns from falling to rising.
    // Integrating up to each of them and on from there keeps the kink off every interval.
    std::vector<double> cuts;
    const auto slope = [&c](double T) { return Dot(c.Derivative(T), c.Second(T)); };
    constexpr int Samples = 64;
    double prevT = 0, prev = slope(0);
    for (int i = 1; i <= Samples; ++i) {
        const double t = double(i) / Samples, v = slope(t);
        if (prev < 0 && v > 0) {
            double lo = prevT, hi = t;
            for (int k = 0; k < 60; ++k) {
                const double mid = (lo + hi) / 2;
                (slope(mid) < 0 ? lo : hi) = mid;
            }
            cuts.push_back((lo + hi) / 2);
        }
        prevT = t;
        prev = v;
    }
    cuts.push_back(1);
    double from = 0;
    for (const double to : cuts) {
        if (to > from) Subdivide(from, to, Integral(from, to), polygon * 1e-12, 0);
        from = to;
    }
    FLength = FS.back();
}

double TMeasuredSegment::Integral(double T0, double T1) const {
    const double half = (T1 - T0) / 2, mid = (T0 + T1) / 2;
    double sum = 0;
    for (int i = 0; i < 4; ++i) {
        sum += kWeights[i] * (detail::Length(FSegment.C.Derivative(mid - half * kNodes[i])) +
                              detail::Length(FSegment.C.Derivative(mid + half * kNodes[i])));
    }
    return sum * half;
}

void TMeasuredSegment::Subdivide(double T0, double T1, double Whole, double Epsilon, int Depth) {
    const double mid = (T0 + T1) / 2;
    const double left = Integral(T0, mid), right = Integral(mid, T1);
    if (Depth >= MaxDepth || std::abs(left + right - Whole) <= Epsilon * (T1 - T0)) {
        FT.push_back(mid);
        FS.push_back(FS.back() + left);
        FT.push_back(T1);
        FS.push_back(FS.back() + right);
        return;
    }
    Subdivide(T0, mid, left, Epsilon, Depth + 1);
    Subdivide(mid, T1, right, Epsilon, Depth + 1);
}

double TMeasuredSegment::LengthTo(double T) const {
    T = std::clamp(T, 0.0, 1.0);
    if (!FSegment.Curve) return FLength * T;
    const size_t i = size_t(std::upper_bound(FT.begin(), FT.end(), T) - FT.begin());
    if (i >= FT.size()) return FLength;
    const size_t k = i - 1; // FT[k] <= T < FT[i]
    return FS[k] + Integral(FT[k], T);
}

double TMeasuredSegment::ParameterAt(double S) const {
    if (!(FLength > 0)) return 0;
    S = std::clamp(S, 0.0, FLength);
    if (!FSegment.Curve) return S / FLength;
    if (S >= FLength) return 1;
    // The interval whose lengths hold S: FS[k] <= S < FS[k + 1].
    size_t k = size_t(std::upper_bound(FS.begin(), FS.end(), S) - FS.begin());
    k = std::clamp<size_t>(k, 1, FS.size() - 1) - 1;
    double lo = FT[k], hi = FT[k + 1];
    const double span = FS[k + 1] - FS[k];
    double t = span > 0 ? lo + (hi - lo) * (S - FS[k]) / span : lo;
    const double goal = S - FS[k];
    for (int iteration = 0; iteration < 60; ++iteration) {
        const double f = Integral(FT[k], t) - goal;
        if (std::abs(f) <= 1e-13 * FLength) break;
        if (f > 0)
            hi = t;
        else
            lo = t;
        const double slope = detail::Length(FSegment.C.Derivative(t));
        double next = slope > 0 ? t - f / slope : (lo + hi) / 2;
        if (!(next > lo && next < hi)) next = (lo + hi) / 2;
        if (next == t || hi - lo <= 1e-17) break;
        t = next;
    }
    return t;
}

TVec2 TMeasuredSegment::PointAt(double T) const {
    // The ends exactly, so that parts cut at them meet the neighbouring segments.
    if (T <= 0) return FSegment.C.P[0];
    if (T >= 1) return FSegment.C.P[3];
    return FSegment.Curve ? FSegment.C.At(T) : Lerp(FSegment.C.P[0], FSegment.C.P[3], T);
}

TVec2 TMeasuredSegment::TangentAt(double T) const {
    if (!FSegment.Curve) return Unit(FSegment.C.P[3] - FSegment.C.P[0]);
    const TVec2 d = Unit(FSegment.C.Derivative(T));
    if (!(d == TVec2())) return d;
    // A vanishing derivative: where the curve goes from here (or came from, at its end).
    if (T <= 0) return FSegment.C.StartDirection();
    if (T >= 1) return FSegment.C.EndDirection();
    const double step = 1e-7;
    const TVec2 ahead = Unit(FSegment.C.At(std::min(1.0, T + step)) - FSegment.C.At(T));
    if (!(ahead == TVec2())) return ahead;
    return Unit(FSegment.C.At(T) - FSegment.C.At(std::max(0.0, T - step)));
}

TSegment TMeasuredSegment::Part(double T0, double T1) const {
    if (!FSegment.Curve) return TSegment::Line(PointAt(T0), PointAt(T1));
    return TSegment::Cubic(FSegment.C.Piece(T0, T1));
}

} // namespace kw::detail
