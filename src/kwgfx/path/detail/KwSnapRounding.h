// SPDX-License-Identifier: MIT
#pragma once
// Snap rounding of segments on an integer grid (KwSnapRounding.cpp), the robust core of the
// boolean operations: whatever the input, the output is a planar set of fragments with
// integer end points that meet only at their ends, computed in exact integer arithmetic.
//
// Every grid point that is an end point of a segment or the nearest grid point to a
// crossing of two segments is "hot". Each grid point owns the half-open square
// [x - 1/2, x + 1/2) x [y - 1/2, y + 1/2) around it. Every segment is rerouted through the
// hot grid points whose squares it passes through, in the order it passes them, so each
// point moves by less than a grid step; fragments rerouted this way never cross (snap
// rounding), though one may pass exactly through a hot point that its segment missed:
// such fragments are split there. Fragments on the same two points are merged, their
// windings added; merged fragments that add no winding are dropped.
//
// Coordinates must lie within +-2^29, which keeps every product of the exact tests within
// 128-bit integers.

#include <cstdint>
#include <vector>

namespace kw::detail {

inline constexpr int64_t MaxSnapCoordinate = int64_t(1) << 29;

// A grid point, ordered by x, then y (spelled out: the sorts and searches of snap rounding
// compare points more than anything else).
struct TIPoint {
    int64_t X = 0, Y = 0;
    friend constexpr bool operator==(const TIPoint&, const TIPoint&) = default;
    friend constexpr bool operator<(const TIPoint& A, const TIPoint& B) {
        return A.X < B.X || (A.X == B.X && A.Y < B.Y);
    }
    friend constexpr bool operator<=(const TIPoint& A, const TIPoint& B) { return !(B < A); }
};

// How much a segment adds to the winding number of each of the two operands, for the
// direction it runs in.
struct TWindings {
    int64_t A = 0, B = 0;
    bool Zero() const { return A == 0 && B == 0; }
};

struct TISegment {
    TIPoint From, To;
    TWindings W;
};

// A fragment of the planar result: P < Q (by x, then y), W for the direction P to Q.
struct TFragment {
    TIPoint P, Q;
    TWindings W;
};

// The orientation of C relative to the line A to B: positive when C lies to the left
// (counter-clockwise, y-up), zero on the line.
inline __int128 Orient(const TIPoint& A, const TIPoint& B, const TIPoint& C) {
    return __int128(B.X - A.X) * (C.Y - A.Y) - __int128(B.Y - A.Y) * (C.X - A.X);
}

std::vector<TFragment> SnapRound(const std::vector<TISegment>& Segments);

} // namespace kw::detail
