// SPDX-License-Identifier: MIT
// Snap rounding (detail/KwSnapRounding.h describes it).
//
// Sections
//   1. Exact arithmetic: floors, fractions, the crossing point, a segment in a grid square
//   2. Finding hot points: end points and rounded crossings (a sweep over x)
//   3. Rerouting each segment through its hot points, splitting at hot points on fragments
//   4. Merging

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

// Calls F(point) for every hot point (sorted) within the box of A and B: a run of the
// sorted points by x, each checked against the box's y extent (hot points rarely share an
// x, so skipping by column would not pay).
template <typename TVisit>
void ForHotPointsIn(const std::vector<TIPoint>& Hot, const TIPoint& A, const TIPoint& B,
                    TVisit&& F) {
    const TSpan s = SpanOf(A, B);
    auto it = std::lower_bound(Hot.begin(), Hot.end(), TIPoint{s.X0, s.Y0});
    for (; it != Hot.end() && it->X <= s.X1; ++it)
        if (it->Y >= s.Y0 && it->Y <= s.Y1) F(*it);
}

// ---------------------------------------------------------------- 3. Rerouting and splitting

// Appends the fragment from P to Q split at the hot points among Near that lie exactly on
// it between its ends, each piece with P < Q.
void AddSplit(TIPoint P, TIPoint Q, TWindings W, const std::vector<TIPoint>& Near,
              std::vector<TFragment>& Out) {
    if (Q < P) {
        std::swap(P, Q);
        W = {-W.A, -W.B};
    }
    const TSpan span = SpanOf(P, Q);
    TIPoint from = P;
    // Near comes sorted by x then y, which along a fragment with P < Q is its order.
    for (const TIPoint& c : Near) {
        if (c.X < span.X0 || c.X > span.X1 || c.Y < span.Y0 || c.Y > span.Y1) continue;
        if (c == P || c == Q || Orient(P, Q, c) != 0) continue;
        Out.push_back({from, c, W});
        from = c;
    }
    Out.push_back({from, Q, W});
}

// Reroutes S through the hot points whose squares it passes, in the order it passes them,
// and splits the fragments at hot points they run through exactly. A fragment lies within
// the box of S (its ends are hot points within half a step of S, on whole coordinates), so
// the hot points in that box are the only ones to look at, once.
struct TPass {
    TBound Entry;
    TIPoint Point;
};

void Reroute(const TISegment& S, const std::vector<TIPoint>& Hot, std::vector<TIPoint>& Near,
             std::vector<TPass>& passes, std::vector<TFragment>& Out) {
    Near.clear();
    passes.clear();
    ForHotPointsIn(Hot, S.From, S.To, [&](const TIPoint& C) {
        Near.push_back(C);
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
        AddSplit(passes[i - 1].Point, passes[i].Point, S.W, Near, Out);
}

} // namespace

// ---------------------------------------------------------------- 4. Merging

std::vector<TFragment> SnapRound(const std::vector<TISegment>& Segments) {
    std::vector<TISegment> segments;
    segments.reserve(Segments.size());
    for (const TISegment& s : Segments)
        if (!(s.From == s.To) && !s.W.Zero()) segments.push_back(s);
    const std::vector<TIPoint> hot = HotPoints(segments);

    std::vector<TFragment> pieces;
    pieces.reserve(segments.size() + segments.size() / 4);
    std::vector<TIPoint> near;
    std::vector<TPass> passes;
    for (const TISegment& s : segments) Reroute(s, hot, near, passes, pieces);

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
