// SPDX-License-Identifier: MIT
// The stroke hit test (KwStrokeHitTest.h): each figure whose box, grown by the farthest the
// stroke reaches from the path, holds the point is outlined by the stroker, and the
// outline's winding number at the point is counted along its lines and flattened curves.

#include "kwgfx/path/KwStrokeHitTest.h"

#include "kwgfx/path/detail/KwDasher.h"
#include "kwgfx/path/detail/KwStroker.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kw {

namespace {

using detail::TVec2;

// How far from its figure's points (control points included) the stroke may reach.
double Reach(const detail::TStrokeParams& P) {
    double k = 1;
    if (P.Join == ljMiter) k = std::max(k, P.MiterLimit);
    if (P.Cap == lcSquare) k = std::max(k, std::numbers::sqrt2);
    return P.HalfWidth * k + P.Tolerance;
}

bool Near(const detail::TSegmentFigure& F, const TVec2& P, double Reach) {
    const auto close = [&](const TVec2& Q) {
        return std::abs(Q.X - P.X) <= Reach && std::abs(Q.Y - P.Y) <= Reach;
    };
    double l = F.Start.X, r = l, t = F.Start.Y, b = t;
    for (const detail::TSegment& s : F.Segments)
        for (const TVec2& q : s.C.P) {
            l = std::min(l, q.X);
            r = std::max(r, q.X);
            t = std::min(t, q.Y);
            b = std::max(b, q.Y);
        }
    return close(TVec2(std::clamp(P.X, l, r), std::clamp(P.Y, t, b)));
}

// The winding number of the outline's figures at P (crossings of the ray from P towards
// +x), curves followed within Tolerance. A curve whose control points all lie above, below
// or to the left of P crosses the ray as often as its chord does (curve and chord bound a
// region that does not reach P); only curves whose control box holds P are halved, and
// only down to the tolerance, so the count costs little per curve away from the point.
int64_t WindingAt(std::span<const TKwPathPoint> Entries, const TVec2& P, double Tolerance) {
    int64_t winding = 0;
    const auto edge = [&](const TVec2& A, const TVec2& B) {
        const bool up = A.Y <= P.Y && P.Y < B.Y, down = B.Y <= P.Y && P.Y < A.Y;
        if (!up && !down) return;
        const double x = A.X + (B.X - A.X) * (P.Y - A.Y) / (B.Y - A.Y);
        if (P.X < x) winding += up ? 1 : -1;
    };
    const auto curve = [&](const detail::TCubic& Curve) {
        struct TItem {
            detail::TCubic C;
            int Depth;
        };
        std::vector<TItem> stack{{Curve, 0}};
        while (!stack.empty()) {
            const TItem item = stack.back();
            stack.pop_back();
            const detail::TCubic& c = item.C;
            double l = c.P[0].X, r = l, t = c.P[0].Y, b = t;
            for (const TVec2& q : c.P) {
                l = std::min(l, q.X);
                r = std::max(r, q.X);
                t = std::min(t, q.Y);
                b = std::max(b, q.Y);
            }
            const bool holds = l <= P.X && P.X <= r && t <= P.Y && P.Y <= b;
            if (!holds || item.Depth >= 24 || c.SecondDifference() * 0.75 <= Tolerance) {
                edge(c.P[0], c.P[3]);
                continue;
            }
            detail::TCubic left, right;
            c.Split(0.5, left, right);
            stack.push_back({right, item.Depth + 1});
            stack.push_back({left, item.Depth + 1});
        }
    };
    TVec2 start, last;
    for (size_t i = 0; i < Entries.size(); ++i) {
        const TVec2 p(Entries[i].Point);
        switch (Entries[i].Kind) {
        case ppMoveTo:
            if (i > 0) edge(last, start);
            start = last = p;
            break;
        case ppLineTo:
            edge(last, p);
            last = p;
            break;
        case ppCurveTo:
            curve({{last, p, TVec2(Entries[i + 1].Point), TVec2(Entries[i + 2].Point)}});
            last = TVec2(Entries[i + 2].Point);
            i += 2;
            break;
        case ppClose:
            edge(last, start);
            last = start;
            break;
        }
    }
    if (!Entries.empty()) edge(last, start);
    return winding;
}

} // namespace

bool KwPointInStroke(const TKwPathData& Path, const TKwStrokeStyle& Style, const TKwPoint& P) {
    const detail::TStrokeParams params = detail::StrokeParams(Style);
    const TVec2 p(P);
    if (!(params.HalfWidth > 0) || !detail::IsFinite(p)) return false;
    std::vector<detail::TSegmentFigure> figures = detail::SegmentFigures(Path.Entries());
    if (detail::IsDashPattern(Style.Dashes))
        figures = detail::DashFigures(figures, Style.Dashes, Style.DashOffset);
    const double reach = Reach(params);
    for (const detail::TSegmentFigure& f : figures) {
        if (!Near(f, p, reach)) continue;
        detail::TEntrySink sink;
        detail::StrokeFigure(f, params, sink);
        // Every contour of the outline turns the same way: the figure holds P when its
        // winding number there is not zero.
        if (WindingAt(sink.Entries(), p, params.Tolerance / 100) != 0) return true;
    }
    return false;
}

} // namespace kw
