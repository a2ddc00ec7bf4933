// SPDX-License-Identifier: MIT
// TKwPathData: replacing curves by straight segments, in place (Flatten) or into one
// point list with figure separators (FlattenToPolygon).
//
// Both sample each cubic at evenly stepped parameters (KwCubicSampler.h); the number of
// samples is the curve's estimated length divided by the flatness, so Flatness is roughly
// the distance between neighbouring samples.

#include "kwgfx/geometry/KwConstants.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/detail/KwCubicSampler.h"
#include "kwgfx/path/detail/KwPathWalk.h"
#include "kwgfx/platform/base/Math.h"

#include <cmath>

namespace kw {

namespace {

constexpr float MinFlatness = 0.05f;

// A flatness below the floor (or not a number) would make the sample count explode.
float ClampFlatness(float Flatness) {
    return Flatness >= MinFlatness ? Flatness : MinFlatness;
}

// Rebuilds a path through its own building commands from a copy of its old entries.
struct TFlattenRebuilder {
    TKwPathData& Path;
    float Flatness;

    void Move(size_t, const TKwPoint& P) { Path.MoveTo(P); }
    void Line(size_t, const TKwPoint& P) { Path.LineTo(P); }
    void Close(size_t, const TKwPoint&) { Path.ClosePath(); }
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        const detail::TKwCubicSampler cubic(P0, C1, C2, P3);
        const int32_t n = cubic.SampleCount(Flatness);
        if (n >= 2)
            cubic.Sample(n, [this](const TKwPoint& S) { Path.LineTo(S); });
        else
            Path.LineTo(P3);
    }
};

// Writes the point list of FlattenToPolygon.
struct TPolygonWriter {
    TKwPoints& Polygon;
    float Flatness;
    TKwPoint Start;

    // Appends P unless it repeats the last point.
    void Add(const TKwPoint& P) {
        if (!Polygon.empty()) {
            const TKwPoint& last = Polygon.back();
            if (platform::SameValue(last.X, P.X, Epsilon) &&
                platform::SameValue(last.Y, P.Y, Epsilon))
                return;
        }
        Polygon.push_back(P);
    }

    void Move(size_t, const TKwPoint& P) {
        if (!Polygon.empty()) Add(KwClosePolygon);
        Add(P);
        Start = P;
    }
    void Line(size_t, const TKwPoint& P) { Add(P); }
    void Close(size_t, const TKwPoint&) {
        Add(Start);
        Add(KwClosePolygon);
    }
    void Curve(size_t, const TKwPoint& P0, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        const detail::TKwCubicSampler cubic(P0, C1, C2, P3);
        const int32_t n = cubic.SampleCount(Flatness);
        if (n >= 2) {
            cubic.Sample(n, [this](const TKwPoint& S) { Add(S); });
        } else {
            Add(P0);
            Add(P3);
        }
    }
};

} // namespace

void TKwPathData::Flatten(float Flatness) {
    if (FPathData.empty()) return;
    // Re-adding through the commands keeps the close points and the start point right;
    // each command notifies as it always does.
    const std::vector<TKwPathPoint> old = std::move(FPathData);
    FPathData.clear();
    detail::WalkPath(old, TFlattenRebuilder{*this, ClampFlatness(Flatness)});
    Change();
}

TKwPoint TKwPathData::FlattenToPolygon(TKwPoints& Polygon, float Flatness) const {
    Polygon.clear();
    if (FPathData.empty()) return {0, 0};
    detail::WalkPath(FPathData, TPolygonWriter{Polygon, ClampFlatness(Flatness), {}});
    const TKwRect b = GetBounds();
    return {std::fabs(b.Right - b.Left), std::fabs(b.Bottom - b.Top)};
}

} // namespace kw
