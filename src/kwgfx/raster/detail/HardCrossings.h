// SPDX-License-Identifier: MIT
#pragma once
// Internal to the rasteriser: where hard edges cross the centres of pixel rows. The fill
// (Rasterizer.cpp) and the painting of hard strokes span by span (HardStrokes.cpp) find
// their crossings here, so that both put every crossing in the same column.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kw::raster::detail {

// A hard edge in the clip box's coordinates (device pixels less the box's top-left
// corner), as it runs: from (X0, Y0) to (X1, Y1), Y0 != Y1.
struct THardEdge {
    float X0, Y0, X1, Y1;
};

// The smallest whole number at least V, for V within the range of int (std::ceil may be a
// call into the maths library).
inline int Ceiling(double V) {
    const int i = int(V);
    return double(i) < V ? i + 1 : i;
}

// A crossing found by steps along an edge may be off by the rounding of the steps: at most
// about 1e-7 of a pixel for edges within kSteppedReach pixels of the box (and with slopes
// below it) over kStepsPerAnchor rows. Where it comes within kNearCentre of a pixel centre,
// the last bits could decide the column, so it is computed anew as one quotient.
constexpr double kNearCentre = 1e-5;
constexpr double kSteppedReach = 1 << 20;
constexpr int kStepsPerAnchor = 256;
// Rows from which an edge's crossings are stepped rather than each computed as a quotient.
constexpr int kStepsFrom = 2;

// Hard edges whose ends are all on this grid, within kGridReach pixels of the box's corner,
// have their crossings stepped exactly in whole numbers (products stay below 2^51).
constexpr std::int64_t kGrid = 256;
constexpr double kGridReach = 1 << 15;

// Whether the ends of E are all on the grid, within reach.
inline bool OnGrid(const THardEdge& E) {
#if defined(__SSE2__)
    const __m128 v = _mm_loadu_ps(&E.X0);
    const __m128 scaled = _mm_mul_ps(v, _mm_set1_ps(float(kGrid)));
    // Within reach, the scaled values are whole numbers of at most 24 bits, exactly floats.
    const __m128 whole = _mm_cmpeq_ps(_mm_cvtepi32_ps(_mm_cvttps_epi32(scaled)), scaled);
    const __m128 magnitude = _mm_andnot_ps(_mm_set1_ps(-0.0f), v);
    const __m128 near = _mm_cmple_ps(magnitude, _mm_set1_ps(float(kGridReach)));
    return _mm_movemask_ps(_mm_and_ps(whole, near)) == 0xF;
#else
    for (const float v : {E.X0, E.Y0, E.X1, E.Y1}) {
        const double scaled = double(v) * kGrid;
        if (!(std::abs(v) <= kGridReach && double(std::int64_t(scaled)) == scaled)) return false;
    }
    return true;
#endif
}

// Calls Visit(Row, Column, Up) for each row centre a hard edge spans (top <= centre < bottom)
// among rows BandTop..BandTop+Rows-1, with the row within the band, the first column whose
// centre lies at or right of the edge's crossing with it (0..Width), and whether the edge
// runs up. The column is found as if the crossing were computed as one quotient in double
// precision, xa + ((y - ya) dx) / dy, so that crossings exactly on a centre count as such;
// most are found by steps of the slope, which cost a division less.
template <typename TVisit>
[[gnu::always_inline]] inline void VisitHardCrossings(const THardEdge& E, int BandTop, int Rows,
                                                      int Width, TVisit&& Visit) {
    // Top end first, chosen without a branch (edges run up and down as often, in no order
    // the processor could learn): the x values as bits, through conditional moves.
    const bool up = E.Y0 > E.Y1;
    const std::uint32_t x0 = std::bit_cast<std::uint32_t>(E.X0),
                        x1 = std::bit_cast<std::uint32_t>(E.X1);
    const std::uint32_t swap = (x0 ^ x1) & (0u - std::uint32_t(up));
    const double xa = std::bit_cast<float>(x0 ^ swap), xb = std::bit_cast<float>(x1 ^ swap);
    const double ya = std::min(E.Y0, E.Y1), yb = std::max(E.Y0, E.Y1);
    // Rows whose centre lies in [ya, yb), within the band: ceil(ya - 1/2) to ceil(yb - 1/2) - 1.
    const int first = std::max(Ceiling(std::max(ya, -1.0) - 0.5), BandTop);
    const int last =
        std::min(Ceiling(std::min(yb, double(BandTop + Rows) + 1) - 0.5) - 1, BandTop + Rows - 1);
    if (first > last) return;
    const double dx = xb - xa, dy = yb - ya, w = Width;
    // ceil(x - 1/2): the first column whose centre is at or right of x, x within reach.
    const auto column = [&](double X) { return Ceiling(std::min(std::max(X, -1.0), w + 1) - 0.5); };
    const auto visit = [&Visit, BandTop, Width, up](int Row, int C) {
        Visit(Row - BandTop, C < 0 ? 0 : C > Width ? Width : C, up);
    };
    if (dx == 0) {
        // Upright: the same column in every row.
        const int c = column(xa);
        for (int row = first; row <= last; ++row) visit(row, c);
        return;
    }
    const auto exact = [&](int Row) { return column(xa + ((Row + 0.5 - ya) * dx) / dy); };
    if (last - first < kStepsFrom) {
        // Across a row or two (the short edges of thin outlines and of flattened curves):
        // the quotients themselves cost less than preparing steps that stand for them.
        for (int row = first; row <= last; ++row) visit(row, exact(row));
        return;
    }
    if (OnGrid(E)) {
        // Ends on the grid of 1/kGrid pixel (points naming pixels, or their centres): the
        // columns are stepped exactly in whole numbers, with no rounding to watch for. With
        // all in units of 1/kGrid, the column is ceil(N / D) for N = (xa - 1/2) dy +
        // (y - ya) dx, D = kGrid dy, and N grows by kGrid dx from row to row; n = N + D - 1
        // is kept as q D + r, 0 <= r < D, so that the column is q.
        const std::int64_t ax = std::int64_t(xa * kGrid), ay = std::int64_t(ya * kGrid);
        const std::int64_t gx = std::int64_t(dx * kGrid), gy = std::int64_t(dy * kGrid);
        const std::int64_t d = kGrid * gy;
        const std::int64_t n =
            (ax - kGrid / 2) * gy + ((std::int64_t(first) * kGrid + kGrid / 2) - ay) * gx + d - 1;
        std::int64_t q = n / d, r = n % d;
        if (r < 0) r += d, --q;
        // The step kGrid gx is (gx / gy) d and kGrid (gx % gy): a division of 32 bits (the
        // ends within kGridReach keep gx and gy below 2^24).
        std::int32_t stepQ = std::int32_t(gx) / std::int32_t(gy);
        std::int32_t part = std::int32_t(gx) % std::int32_t(gy);
        if (part < 0) part += std::int32_t(gy), --stepQ;
        const std::int64_t stepR = kGrid * part;
        const auto steps = [&](auto Clamp) {
            for (int row = first; row <= last; ++row) {
                Visit(row - BandTop, Clamp(q), up);
                q += stepQ;
                r += stepR;
                const bool carry = r >= d;
                q += carry;
                r -= carry ? d : 0;
            }
        };
        // An edge within the columns crosses every row within them (ceil(x - 1/2) lies in
        // 0..Width for x in 0..Width): its columns need no clamping.
        if (xa >= 0 && xb >= 0 && xa <= w && xb <= w)
            steps([](std::int64_t Q) { return int(Q); });
        else
            steps([W = std::int64_t(Width)](std::int64_t Q) {
                return int(Q < 0 ? 0 : Q > W ? W : Q);
            });
        return;
    }
    if (!(std::abs(xa) + std::abs(xb) <= kSteppedReach)) {
        for (int row = first; row <= last; ++row) visit(row, exact(row));
        return;
    }
    const double slope = dx / dy;
    if (!(std::abs(slope) <= kSteppedReach)) {
        // Nearly level: at most two rows.
        for (int row = first; row <= last; ++row) visit(row, exact(row));
        return;
    }
    // x - 1/2 in 32.32 fixed point, stepped by the slope: the column is its ceiling, and it
    // is near a centre when its fraction is within kNearCentre of zero or one.
    constexpr double one = 4294967296.0; // 2^32
    constexpr auto near = std::uint32_t(kNearCentre * one);
    const auto step = std::int64_t(slope * one);
    std::int64_t t = 0;
    for (int row = first; row <= last; ++row, t += step) {
        if ((row - first) % kStepsPerAnchor == 0)
            t = std::int64_t((xa - 0.5 + (row + 0.5 - ya) * slope) * one);
        int c = int((t + std::int64_t(0xFFFFFFFF)) >> 32);
        if (std::uint32_t(std::uint32_t(t) + near) < 2 * near) [[unlikely]]
            c = exact(row);
        visit(row, c);
    }
}

// The crossings VisitHardCrossings finds, for an edge whose ends lie inside the box (0 <= x
// <= Width, 0 <= y <= the box's height), each computed as its quotient: for the few rows of
// a short edge of a thin line, cheaper than steps. Its rows are First..End-1, the rows from
// ceil(y - 1/2) of its upper end to that of its lower end, given from FirstRow; no column
// needs clamping.
template <typename TVisit>
[[gnu::always_inline]] inline void VisitInsideCrossings(const THardEdge& E, int First, int End,
                                                        int FirstRow, TVisit&& Visit) {
    const bool up = E.Y0 > E.Y1;
    const double xa = up ? E.X1 : E.X0, xb = up ? E.X0 : E.X1;
    const double ya = std::min(E.Y0, E.Y1), yb = std::max(E.Y0, E.Y1);
    const double dx = xb - xa, dy = yb - ya;
    for (int row = First; row < End; ++row)
        Visit(row - FirstRow, Ceiling(xa + ((row + 0.5 - ya) * dx) / dy - 0.5), up);
}

} // namespace kw::raster::detail
