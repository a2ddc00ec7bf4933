// SPDX-License-Identifier: MIT
// Snap rounding (detail/KwSnapRounding.h describes it).
//
// Sections
//   1. Exact arithmetic: floors, fractions, the crossing point, a segment in a grid square
//   2. Finding hot points: end points and rounded crossings (a sweep over x)
//   3. Rerouting each segment through its hot points
//   4. Splitting at hot points that lie on fragments, merging

#include "kwgfx/path/detail/KwSnapRounding.h"

#include <algorithm>

namespace kw::detail {

namespace {

using i128 = __int128;

// ---------------------------------------------------------------- 1. Exact arithmetic

// floor(N / D) for D > 0.
i128 FloorDiv(i128 N, i128 D) {
    i128 q = N / D;
    if (N % D != 0 && N < 0) --q;
    return q;
}

// A bound of a parameter interval: N / D (D > 0), the bound itself included or not.
struct TBound {
    i128 N, D;
    bool Closed;
};

int Compare(const TBound& A, const TBound& B) {
    const i128 l = A.N * B.D, r = B.N * A.D;
    return l < r ? -1 : (l > r ? 1 : 0);
}

// The grid point that owns the crossing of S and T when they cross properly (neither an
// end point of the other nor collinear with it).
bool CrossingPoint(const TISegment& S, const TISegment& T, TIPoint& Out) {
    const TIPoint &a = S.From, &b = S.To, &c = T.From, &d = T.To;
    const i128 o1 = Orient(a, b, c), o2 = Orient(a, b, d);
    if (o1 == 0 || o2 == 0 || (o1 > 0) == (o2 > 0)) return false;
    const i128 o3 = Orient(c, d, a), o4 = Orient(c, d, b);
    if (o3 == 0 || o4 == 0 || (o3 > 0) == (o4 > 0)) return false;
    // Along a->b the orientation against c->d runs linearly from o3 to o4: zero at o3/(o3-o4).
    i128 num = o3, den = o3 - o4;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    // The owning grid point is floor(coordinate + 1/2).
    Out.X = int64_t(FloorDiv(2 * (i128(a.X) * den + i128(b.X - a.X) * num) + den, 2 * den));
    Out.Y = int64_t(FloorDiv(2 * (i128(a.Y) * den + i128(b.Y - a.Y) * num) + den, 2 * den));
    return true;
}

// The parameters t in [0, 1] at which A + t (B - A) lies in the half-open square of grid
// point C, as an interval [Lo, Hi] whose ends may be open; false when there are none.
// Works in doubled coordinates, where the square is [2C - 1, 2C + 1).
bool SquareInterval(const TIPoint& A, const TIPoint& B, const TIPoint& C, TBound& Lo, TBound& Hi) {
    Lo = {0, 1, true};
    Hi = {1, 1, true};
    const auto raise = [&Lo](const TBound& L) {
        const int c = Compare(L, Lo);
        if (c > 0)
            Lo = L;
        else if (c == 0)
            Lo.Closed = Lo.Closed && L.Closed;
    };
    const auto lower = [&Hi](const TBound& U) {
        const int c = Compare(U, Hi);
        if (c < 0)
            Hi = U;
        else if (c == 0)
            Hi.Closed = Hi.Closed && U.Closed;
    };
    for (int axis = 0; axis < 2; ++axis) {
        const i128 a = 2 * i128(axis == 0 ? A.X : A.Y);
        const i128 d = 2 * i128(axis == 0 ? B.X - A.X : B.Y - A.Y);
        const i128 l = 2 * i128(axis == 0 ? C.X : C.Y) - 1, r = l + 2;
        if (d == 0) {
            if (!(l <= a && a < r)) return false;
        } else if (d > 0) {
            raise({l - a, d, true});
            lower({r - a, d, false});
        } else {
            raise({a - r, -d, false});
            lower({a - l, -d, true});
        }
    }
    const int c = Compare(Lo, Hi);
    return c < 0 || (c == 0 && Lo.Closed && Hi.Closed);
}

struct TSpan {
    int64_t X0, X1, Y0, Y1;
};

TSpan SpanOf(const TIPoint& A, const TIPoint& B) {
    return {std::min(A.X, B.X), std::max(A.X, B.X), std::min(A.Y, B.Y), std::max(A.Y, B.Y)};
}

// ---------------------------------------------------------------- 2. Hot points

std::vector<TIPoint> HotPoints(const std::vector<TISegment>& Segments) {
    std::vector<TIPoint> hot;
    hot.reserve(Segments.size() * 2);
    for (const TISegment& s : Segments) {
        hot.push_back(s.From);
        hot.push_back(s.To);
    }
    // Crossings: segments in order of their left ends, each tested against those still
    // reaching that far right whose vertical extents meet its own.
    std::vector<size_t> order(Segments.size());
    std::vector<TSpan> spans(Segments.size());
    for (size_t i = 0; i < Segments.size(); ++i) {
        order[i] = i;
        spans[i] = SpanOf(Segments[i].From, Segments[i].To);
    }
    std::sort(order.begin(), order.end(),
              [&spans](size_t L, size_t R) { return spans[L].X0 < spans[R].X0; });
    std::vector<size_t> active;
    for (const size_t i : order) {
        const TSpan& s = spans[i];
        size_t kept = 0;
        for (const size_t j : active) {
            const TSpan& t = spans[j];
            if (t.X1 < s.X0) continue; // ends before this one starts: drop it
            active[kept++] = j;
            if (t.Y1 < s.Y0 || s.Y1 < t.Y0) continue;
            TIPoint p;
            if (CrossingPoint(Segments[i], Segments[j], p)) hot.push_back(p);
        }
        active.resize(kept);
        active.push_back(i);
    }
    std::sort(hot.begin(), hot.end());
    hot.erase(std::unique(hot.begin(), hot.end()), hot.end());
    return hot;
}

// Calls F(point) for every hot point (sorted) within the box of A and B.
template <typename TVisit>
void ForHotPointsIn(const std::vector<TIPoint>& Hot, const TIPoint& A, const TIPoint& B,
                    TVisit&& F) {
    const TSpan s = SpanOf(A, B);
    auto it = std::lower_bound(Hot.begin(), Hot.end(), TIPoint{s.X0, s.Y0});
    for (; it != Hot.end() && it->X <= s.X1; ++it) {
        if (it->Y < s.Y0) {
            // Skip to this column's first point in range.
            it = std::lower_bound(it, Hot.end(), TIPoint{it->X, s.Y0}) - 1;
            continue;
        }
        if (it->Y > s.Y1) {
            it = std::lower_bound(it, Hot.end(), TIPoint{it->X + 1, s.Y0}) - 1;
            continue;
        }
        F(*it);
    }
}

// ---------------------------------------------------------------- 3. Rerouting

void Reroute(const TISegment& S, const std::vector<TIPoint>& Hot, std::vector<TISegment>& Out) {
    struct TPass {
        TBound Entry;
        TIPoint Point;
    };
    std::vector<TPass> passes;
    ForHotPointsIn(Hot, S.From, S.To, [&](const TIPoint& C) {
        TBound lo, hi;
        if (SquareInterval(S.From, S.To, C, lo, hi)) passes.push_back({lo, C});
    });
    // Squares are disjoint, so their intervals are too: ordered by where they begin (at a
    // shared bound, the square that holds the bound itself comes first).
    std::sort(passes.begin(), passes.end(), [](const TPass& L, const TPass& R) {
        const int c = Compare(L.Entry, R.Entry);
        if (c != 0) return c < 0;
        return L.Entry.Closed && !R.Entry.Closed;
    });
    for (size_t i = 1; i < passes.size(); ++i)
        Out.push_back({passes[i - 1].Point, passes[i].Point, S.W});
}

// ---------------------------------------------------------------- 4. Splitting and merging

// Splits F at the hot points that lie exactly on it between its ends and appends the pieces,
// each with P < Q.
void SplitAtHotPoints(const TISegment& F, const std::vector<TIPoint>& Hot,
                      std::vector<TFragment>& Out) {
    TIPoint p = F.From, q = F.To;
    TWindings w = F.W;
    if (q < p) {
        std::swap(p, q);
        w = {-w.A, -w.B};
    }
    std::vector<TIPoint> on;
    ForHotPointsIn(Hot, p, q, [&](const TIPoint& C) {
        if (!(C == p) && !(C == q) && Orient(p, q, C) == 0) on.push_back(C);
    });
    // Hot points come sorted by x then y, which along a fragment with P < Q is its order.
    TIPoint from = p;
    for (const TIPoint& c : on) {
        Out.push_back({from, c, w});
        from = c;
    }
    Out.push_back({from, q, w});
}

} // namespace

std::vector<TFragment> SnapRound(const std::vector<TISegment>& Segments) {
    std::vector<TISegment> segments;
    segments.reserve(Segments.size());
    for (const TISegment& s : Segments)
        if (!(s.From == s.To) && !s.W.Zero()) segments.push_back(s);
    const std::vector<TIPoint> hot = HotPoints(segments);

    std::vector<TISegment> rerouted;
    rerouted.reserve(segments.size() + segments.size() / 4);
    for (const TISegment& s : segments) Reroute(s, hot, rerouted);

    std::vector<TFragment> pieces;
    pieces.reserve(rerouted.size());
    for (const TISegment& f : rerouted) SplitAtHotPoints(f, hot, pieces);

    std::sort(pieces.begin(), pieces.end(), [](const TFragment& L, const TFragment& R) {
        if (!(L.P == R.P)) return L.P < R.P;
        return L.Q < R.Q;
    });
    std::vector<TFragment> merged;
    merged.reserve(pieces.size());
    for (const TFragment& f : pieces) {
        if (!merged.empty() && merged.back().P == f.P && merged.back().Q == f.Q) {
            merged.back().W.A += f.W.A;
            merged.back().W.B += f.W.B;
        } else {
            merged.push_back(f);
        }
    }
    std::erase_if(merged, [](const TFragment& F) { return F.W.Zero(); });
    return merged;
}

} // namespace kw::detail
