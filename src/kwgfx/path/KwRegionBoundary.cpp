// SPDX-License-Identifier: MIT
// The boundary of a region of planar fragments (detail/KwRegionBoundary.h describes it).
//
// Sections
//   1. The sweep: windings of the faces beside every fragment
//   2. Linking boundary edges into contours

#include "kwgfx/path/detail/KwRegionBoundary.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace kw::detail {

namespace {

using i128 = __int128;

TIPoint Minus(const TIPoint& A, const TIPoint& B) {
    return {A.X - B.X, A.Y - B.Y};
}
i128 CrossI(const TIPoint& A, const TIPoint& B) {
    return i128(A.X) * B.Y - i128(A.Y) * B.X;
}
i128 DotI(const TIPoint& A, const TIPoint& B) {
    return i128(A.X) * B.X + i128(A.Y) * B.Y;
}

// ---------------------------------------------------------------- 1. The sweep

// Orders fragments that the sweep line crosses from bottom to top. Fragments do not cross,
// so the later starting one's start lies strictly above or below the other; fragments
// starting together are ordered by slope.
struct TBelow {
    const std::vector<TFragment>* F;
    bool operator()(uint32_t L, uint32_t R) const {
        if (L == R) return false;
        const TFragment &a = (*F)[L], &b = (*F)[R];
        if (a.P == b.P) {
            const i128 c = CrossI(Minus(a.Q, a.P), Minus(b.Q, b.P));
            if (c != 0) return c > 0;
        } else if (a.P < b.P) {
            const i128 o = Orient(a.P, a.Q, b.P);
            if (o != 0) return o > 0;
        } else {
            const i128 o = Orient(b.P, b.Q, a.P);
            if (o != 0) return o < 0;
        }
        return L < R; // only for input that breaks the planar promise: some fixed order
    }
};

struct TEdge {
    TIPoint From, To;
};

std::vector<TEdge> BoundaryEdges(const std::vector<TFragment>& F,
                                 const std::function<bool(const TWindings&)>& Inside) {
    const uint32_t n = uint32_t(F.size());
    std::vector<uint32_t> byStart(n), byEnd(n);
    for (uint32_t i = 0; i < n; ++i) byStart[i] = byEnd[i] = i;
    std::sort(byStart.begin(), byStart.end(), [&F](uint32_t L, uint32_t R) {
        if (!(F[L].P == F[R].P)) return F[L].P < F[R].P;
        return CrossI(Minus(F[L].Q, F[L].P), Minus(F[R].Q, F[R].P)) > 0;
    });
    std::sort(byEnd.begin(), byEnd.end(), [&F](uint32_t L, uint32_t R) { return F[L].Q < F[R].Q; });

    // The fragments the sweep line crosses, bottom to top: a sorted vector, as only a few
    // dozen are ever crossed at once.
    std::vector<uint32_t> status;
    const TBelow lower{&F};
    std::vector<TWindings> above(n);
    std::vector<TEdge> edges;
    size_t s = 0, e = 0;
    while (s < n) {
        const TIPoint v =
            (e < n && F[byEnd[e]].Q <= F[byStart[s]].P) ? F[byEnd[e]].Q : F[byStart[s]].P;
        for (; e < n && F[byEnd[e]].Q == v; ++e)
            status.erase(std::find(status.begin(), status.end(), byEnd[e]));
        for (; s < n && F[byStart[s]].P == v; ++s) {
            const uint32_t i = byStart[s];
            const auto it =
                status.insert(std::lower_bound(status.begin(), status.end(), i, lower), i);
            const TWindings below = it == status.begin() ? TWindings{} : above[*std::prev(it)];
            above[i] = {below.A + F[i].W.A, below.B + F[i].W.B};
            const bool in = Inside(above[i]);
            if (in == Inside(below)) continue;
            // The inside on the left: above a fragment running from P to Q (y-up).
            edges.push_back(in ? TEdge{F[i].P, F[i].Q} : TEdge{F[i].Q, F[i].P});
        }
    }
    return edges;
}

// ---------------------------------------------------------------- 2. Linking

// Whether direction D1 comes before D2 turning clockwise (y-up) from direction R; neither
// points along R.
bool ClockwiseBefore(const TIPoint& R, const TIPoint& D1, const TIPoint& D2) {
    const auto half = [&R](const TIPoint& D) {
        const i128 c = CrossI(R, D);
        if (c < 0) return 0;                       // within half a turn clockwise
        if (c == 0) return DotI(R, D) < 0 ? 1 : 3; // right back, or along R
        return 2;                                  // beyond half a turn
    };
    const int h1 = half(D1), h2 = half(D2);
    if (h1 != h2) return h1 < h2;
    return CrossI(D1, D2) < 0;
}

// Drops points where the contour runs straight on.
void MergeStraightRuns(TContour& C) {
    bool changed = true;
    while (changed && C.size() >= 3) {
        changed = false;
        TContour out;
        out.reserve(C.size());
        const size_t n = C.size();
        for (size_t i = 0; i < n; ++i) {
            const TIPoint& prev = out.empty() ? C[(i + n - 1) % n] : out.back();
            const TIPoint& next = C[(i + 1) % n];
            if (Orient(prev, C[i], next) == 0 && DotI(Minus(C[i], prev), Minus(next, C[i])) > 0) {
                changed = true;
                continue;
            }
            out.push_back(C[i]);
        }
        C.swap(out);
    }
}

} // namespace

std::vector<TContour> RegionBoundary(const std::vector<TFragment>& Fragments,
                                     const std::function<bool(const TWindings&)>& Inside) {
    const std::vector<TEdge> edges = BoundaryEdges(Fragments, Inside);
    // Edges leaving each point, grouped by point.
    std::vector<uint32_t> order(edges.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&edges](uint32_t L, uint32_t R) {
        if (!(edges[L].From == edges[R].From)) return edges[L].From < edges[R].From;
        return L < R;
    });
    const auto leaving = [&](const TIPoint& V) {
        const auto lo =
            std::lower_bound(order.begin(), order.end(), V,
                             [&edges](uint32_t E, const TIPoint& P) { return edges[E].From < P; });
        auto hi = lo;
        while (hi != order.end() && edges[*hi].From == V) ++hi;
        return std::pair(lo, hi);
    };

    std::vector<TContour> contours;
    std::vector<bool> used(edges.size(), false);
    for (const uint32_t first : order) {
        if (used[first]) continue;
        TContour contour;
        uint32_t e = first;
        while (!used[e]) {
            used[e] = true;
            contour.push_back(edges[e].From);
            const TIPoint v = edges[e].To;
            const auto [lo, hi] = leaving(v);
            uint32_t next = UINT32_MAX;
            const TIPoint back = Minus(edges[e].From, v);
            // The geometric successor, used or not: used, it is where the contour began.
            for (auto it = lo; it != hi; ++it) {
                if (next == UINT32_MAX ||
                    ClockwiseBefore(back, Minus(edges[*it].To, v), Minus(edges[next].To, v)))
                    next = *it;
            }
            if (next == UINT32_MAX) break; // cannot happen for a boundary; ends the contour
            e = next;
        }
        MergeStraightRuns(contour);
        if (contour.size() >= 3) contours.push_back(std::move(contour));
    }
    return contours;
}

} // namespace kw::detail
