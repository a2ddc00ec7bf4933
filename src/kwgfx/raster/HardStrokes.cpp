// SPDX-License-Identifier: MIT
// Hard-edged strokes span by span (HardStrokes.h).
//
// Each piece's vertices are the very points the outline is made of (detail/StrokeOutline.h),
// carried into the clip box by the same transform; its edges are cut to the box and rounded
// to floats as the fill does it (detail/EdgeClipping.h), and their crossings come from the
// fill's own VisitHardCrossings. A row of a piece is then one span between an edge running
// down and one running up (or the box's right side). A row with other crossings, or a span
// wound the other way from those before, means rounding bent a piece, and the strokes go to
// the fill.

#include "kwgfx/raster/HardStrokes.h"

#include "kwgfx/raster/detail/EdgeClipping.h"
#include "kwgfx/raster/detail/HardCrossings.h"
#include "kwgfx/raster/detail/StrokeOutline.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kw::raster {

namespace {

// Most pieces painted span by span between resets: the fill counts windings in 16 bits,
// and fewer pieces than that cannot pile up a winding that wraps to zero.
constexpr std::size_t kMaxPieces = 65535;
// Most spans kept between resets (12 MB): lines tangled across a picture, whose pieces
// overlap many times over, are filled as outlines in bounded memory instead.
constexpr std::size_t kMaxSpans = std::size_t(1) << 20;

// A row's count of crossings: one running down and one running up.
constexpr std::int32_t kDownOne = 1, kUpOne = 256;

// Rows of a piece whose crossings are kept on the stack.
constexpr int kFewRows = 16;
// Rows of a piece inside the box taken together, one bit each.
constexpr int kWindowRows = 64;
// Rows of an edge from which its crossings are stepped rather than each a quotient.
constexpr int kSteppedRows = 8;

// Where a point of the outline lies.
constexpr unsigned kInside = 0, kOutside = 1, kNotFinite = 2;

} // namespace

// A point carried into the box, where it is.
[[gnu::always_inline]] inline void THardStrokes::ToBox(TVertex P, TBoxPoint& Out) const {
    // (A move alone gives the same sums: x * 1 + y * 0 is x.)
    const TVertex q = FMoveOnly ? TVertex{P.X + FToBox.X0, P.Y + FToBox.Y0} : FToBox.Apply(P);
    Out.X = q.X, Out.Y = q.Y, Out.FX = float(q.X), Out.FY = float(q.Y);
    if ((q.X >= 0) & (q.X <= FBoxWidth) & (q.Y >= 0) & (q.Y <= FBoxHeight)) {
        Out.Place = kInside;
        Out.Row = detail::Ceiling(double(Out.FY) - 0.5);
    } else {
        Out.Place = q.X - q.X == 0 && q.Y - q.Y == 0 ? kOutside : kNotFinite;
        Out.Row = 0;
    }
}

// Cuts each line into its pieces: the band of every segment, from where the outline leaves
// the corner (or end) before it to where it reaches the one after it; the wedge of every
// outer side of a corner that is not cut. At a corner that is not cut, bands end across
// their segment through the corner point; at a cut corner, along the cut.
struct detail::THardStrokeSink final : detail::TOutlineSink {
    using TBoxPoint = THardStrokes::TBoxPoint;
    THardStrokes& Strokes;
    explicit THardStrokeSink(THardStrokes& S) : Strokes(S) {}

    // A corner's side carried into the box: each point it has on the outline once, for
    // every piece it is in.
    struct TBoxSide {
        TBoxPoint A, Mid, B;
        detail::TSideKind Kind;
        bool Cut;
    };
    [[gnu::always_inline]] void Box(const detail::TCornerSide& S, TBoxSide& Out) const {
        using detail::TSideKind;
        Out.Kind = S.Kind;
        Out.Cut = S.Cut;
        if (S.Cut && S.Kind != TSideKind::Bevel) {
            if (S.Kind == TSideKind::Straight)
                Strokes.ToBox(S.A, Out.A);
            else
                Strokes.ToBox(S.Mid, Out.Mid);
            return;
        }
        Strokes.ToBox(S.A, Out.A);
        if (S.Kind == TSideKind::Miter || S.Cut) Strokes.ToBox(S.Mid, Out.Mid);
        if (S.Kind != TSideKind::Straight) Strokes.ToBox(S.B, Out.B);
    }

    // A piece's vertices, and which of its edges (edge k runs from vertex k to the next) are
    // shared with another piece, not on the outline.
    struct TPiece {
        const TBoxPoint* Points[8];
        unsigned Shared = 0;
        int Count = 0;
        // Of a band: where its left side ends (and its end begins).
        int LeftEnd = 0;
        void Add(const TBoxPoint& P) { Points[Count++] = &P; }
        // The edge from the last vertex to the next is shared.
        void ShareNext(bool Shared_ = true) { Shared |= unsigned(Shared_) << (Count - 1); }
    };
    // Where a band leaves a side of the corner before it (or, on the right, after it).
    static void Leave(TPiece& Piece, const TBoxSide& S) {
        using detail::TSideKind;
        if (!S.Cut) {
            Piece.Add(S.Kind == TSideKind::Straight ? S.A : S.B);
        } else if (S.Kind == TSideKind::Bevel) {
            Piece.Add(S.Mid), Piece.Add(S.B);
        } else {
            Piece.Add(S.Kind == TSideKind::Straight ? S.A : S.Mid);
        }
    }
    // Where a band reaches a side of the corner after it (or, on the right, before it), and
    // crosses over to the Other side: through the corner point, or along the cut.
    static void Arrive(TPiece& Piece, const TBoxSide& S, const TBoxPoint& Corner,
                       const TBoxSide& Other) {
        using detail::TSideKind;
        if (!S.Cut) {
            Piece.Add(S.A);
            Piece.ShareNext(S.Kind != TSideKind::Inner);
            Piece.Add(Corner);
            Piece.ShareNext(Other.Kind != TSideKind::Inner);
            return;
        }
        if (S.Kind == TSideKind::Bevel)
            Piece.Add(S.A), Piece.Add(S.Mid);
        else
            Piece.Add(S.Kind == TSideKind::Straight ? S.A : S.Mid);
        Piece.ShareNext();
    }

    // Bands in a row whose corners are all cut share their ends: where they all lie in the
    // box and run the same way down (or up) the picture, they are painted as one piece, whose
    // rows are each one span as long as it stays one (else the bands go one by one). A
    // curve's short segments then cost their rows, not a piece each.
    static constexpr int kMaxRun = 16;
    TPiece Run[kMaxRun];
    int RunCount = 0;
    double RunDown = 0; // the y of the direction of the run's segments (0: level so far)

    void AddRun() {
        if (RunCount == 1) {
            Strokes.AddPiece(Run[0].Points, Run[0].Count, Run[0].Shared);
        } else if (RunCount > 1) {
            // Along the left sides to the last band's end, back along the right sides to the
            // first band's start. Where two bands meet at a cut corner, the one that arrives
            // ends on the point that the one leaving starts from: that point once.
            const TBoxPoint* joined[kMaxRun * 8];
            int count = 0;
            const auto add = [&](const TPiece& Band, int From, int To) {
                std::copy(Band.Points + From, Band.Points + To, joined + count);
                count += To - From;
            };
            add(Run[0], 0, Run[0].LeftEnd);
            for (int b = 1; b < RunCount; ++b)
                add(Run[b], 1, b + 1 == RunCount ? Run[b].Count : Run[b].LeftEnd);
            for (int b = RunCount - 2; b >= 0; --b) add(Run[b], Run[b].LeftEnd + 1, Run[b].Count);
            if (!Strokes.AddJoinedPiece(joined, count))
                for (int b = 0; b < RunCount; ++b)
                    Strokes.AddPiece(Run[b].Points, Run[b].Count, Run[b].Shared);
        }
        RunCount = 0;
    }

    void Line(const detail::TLineOutline& L) override {
        using detail::TSideKind;
        const std::span<const TVertex> p = L.Points;
        const std::size_t n = p.size(), segments = L.Closed ? n : n - 1;
        // The corners of the bands in the run and of the band being cut (each corner once,
        // in turn in these slots), and the ends.
        constexpr int kSlots = kMaxRun + 2;
        TBoxSide lefts[kSlots], rights[kSlots];
        TBoxPoint corners[kSlots], startLeft, startRight, endLeft, endRight;
        // A corner's point is a vertex of the pieces only where the corner is not cut.
        const auto boxCorner = [&](std::size_t I, int Slot) __attribute__((always_inline)) {
            detail::TCornerSide left, right;
            L.Corner(I, left, right);
            Box(left, lefts[Slot]), Box(right, rights[Slot]);
            if (!lefts[Slot].Cut) Strokes.ToBox(p[I], corners[Slot]);
        };
        if (L.Closed) {
            boxCorner(0, 0);
        } else {
            Strokes.ToBox(L.StartLeft(), startLeft), Strokes.ToBox(L.StartRight(), startRight);
            Strokes.ToBox(L.EndLeft(), endLeft), Strokes.ToBox(L.EndRight(), endRight);
        }
        int before = 0;
        for (std::size_t j = 0; j < segments && !Strokes.FFailed; ++j) {
            // (The run's corners stay in their slots until it is added.)
            if (RunCount == kMaxRun) AddRun();
            const int after = before + 1 == kSlots ? 0 : before + 1;
            const std::size_t next = j + 1 == n ? 0 : j + 1;
            const bool cornerBefore = L.Closed || j > 0, cornerAfter = L.Closed || next + 1 < n;
            const TBoxSide &left = lefts[before], &right = rights[before];
            const TBoxSide &leftAfter = lefts[after], &rightAfter = rights[after];
            const TBoxPoint &corner = corners[before], &cornerAfterPoint = corners[after];
            if (cornerAfter) boxCorner(next, after);
            // The band: along the left side, across the end, back along the right side and
            // across the start.
            TPiece band;
            if (cornerBefore)
                Leave(band, left);
            else
                band.Add(startLeft);
            if (cornerAfter) {
                Arrive(band, leftAfter, cornerAfterPoint, rightAfter);
                band.LeftEnd = band.Count;
                Leave(band, rightAfter);
            } else {
                band.Add(endLeft);
                band.LeftEnd = band.Count;
                band.Add(endRight);
            }
            if (cornerBefore)
                Arrive(band, right, corner, left);
            else
                band.Add(startRight);
            unsigned places = 0;
            for (int k = 0; k < band.Count; ++k) places |= band.Points[k]->Place;
            const double down = L.Directions[j].Y;
            if (places != kInside) {
                AddRun();
                Strokes.AddPiece(band.Points, band.Count, band.Shared);
            } else {
                if (RunCount > 0 && down * RunDown < 0) AddRun();
                if (RunCount == 0 || RunDown == 0) RunDown = down;
                Run[RunCount++] = band;
            }
            // The wedges of the corner after it, unless it is cut; their sides through the
            // corner point are shared with the bands.
            if (!cornerAfter || !leftAfter.Cut) AddRun();
            if (cornerAfter && !leftAfter.Cut)
                for (const TBoxSide* side : {&leftAfter, &rightAfter}) {
                    if (side->Kind == TSideKind::Bevel) {
                        const TBoxPoint* wedge[] = {&side->A, &side->B, &cornerAfterPoint};
                        Strokes.AddPiece(wedge, 3, 0b110);
                    } else if (side->Kind == TSideKind::Miter) {
                        const TBoxPoint* wedge[] = {&side->A, &side->Mid, &side->B,
                                                    &cornerAfterPoint};
                        Strokes.AddPiece(wedge, 4, 0b1100);
                    }
                }
            before = after;
        }
        AddRun();
    }
};

void THardStrokes::Reset(const TRasterizer& Raster) {
    FClip = Raster.Clip();
    // As the rasteriser makes its own map into the box (SetTransform).
    FToBox = Raster.Transform().Moved(-FClip.Left, -FClip.Top);
    FMoveOnly = FToBox.IsTranslation();
    FBoxWidth = FClip.Width(), FBoxHeight = FClip.Height();
    FFailed = Raster.Antialias() || FClip.Empty();
    FWindings = 0;
    FPieces = 0;
    FSpanRows.clear();
    FColumnCount = 0;
}

bool THardStrokes::Add(std::span<const TVertex> Points, bool Closed, const TStrokeStyle& Style) {
    // (A line of more points than pieces may be has too many pieces.)
    if (FFailed || Points.size() > kMaxPieces) {
        FFailed = true;
        return false;
    }
    detail::THardStrokeSink sink(*this);
    detail::OutlineStroke(Points, Closed, Style, sink);
    return !FFailed;
}

bool THardStrokes::RoomForSpans(int Rows) {
    const std::size_t need = FColumnCount + std::size_t(Rows);
    if (need > kMaxSpans) return false;
    if (need > FColumns.size()) FColumns.resize(std::max(need, 2 * FColumns.size()));
    return true;
}

bool THardStrokes::SameWinding(bool Down, bool Up) {
    FWindings |= unsigned(Down) | unsigned(Up) << 1;
    return FWindings != 3;
}

void THardStrokes::AddPiece(const TBoxPoint* const* Points, int Count, unsigned Shared) {
    unsigned places = 0;
    int first = Points[0]->Row, end = first;
    for (int k = 0; k < Count; ++k) {
        places |= Points[k]->Place;
        first = std::min(first, Points[k]->Row), end = std::max(end, Points[k]->Row);
    }
    // (The fill leaves out a figure with a point that is not finite.)
    if ((places & kNotFinite) || ++FPieces > kMaxPieces) {
        FFailed = true;
        return;
    }
    if (places == kInside) {
        if (first >= end) return;
        if (AddInsidePiece(Points, Count, first, end - first)) return;
    }
    AddPieceByRows(Points, Count, Shared, places, first, end);
}

bool THardStrokes::AddJoinedPiece(const TBoxPoint* const* Points, int Count) {
    int first = Points[0]->Row, end = first;
    for (int k = 0; k < Count; ++k)
        first = std::min(first, Points[k]->Row), end = std::max(end, Points[k]->Row);
    if (++FPieces > kMaxPieces) {
        FFailed = true;
        return true;
    }
    return first >= end || AddInsidePiece(Points, Count, first, end - first);
}

bool THardStrokes::AddInsidePiece(const TBoxPoint* const* Points, int Count, int First, int Rows) {
    if (!RoomForSpans(Rows)) {
        FFailed = true;
        return true;
    }
    const std::size_t before = FColumnCount;
    unsigned windings = 0; // as FWindings has them
    // The rows kWindowRows at a time. In each, the column of each row where an edge runs
    // down (0) and where one runs up (1), and which rows each way's edges cross, as bits: a
    // row crossed twice one way, or not at all, is left to AddPieceByRows (with the spans
    // of the rows before it taken back).
    std::int32_t columns[2][kWindowRows];
    for (int base = First; base < First + Rows; base += kWindowRows) {
        const int rows = std::min(First + Rows - base, kWindowRows);
        std::uint64_t crossed[2] = {0, 0};
        std::uint64_t twice = 0;
        const TBoxPoint* a = Points[Count - 1];
        for (int k = 0; k < Count; a = Points[k++]) {
            const TBoxPoint* b = Points[k];
            const bool up = a->Row > b->Row;
            const TBoxPoint *top = up ? b : a, *bottom = up ? a : b;
            const int from = std::max(top->Row - base, 0), to = std::min(bottom->Row - base, rows);
            if (from >= to) continue;
            const std::uint64_t mask = ~std::uint64_t(0) >> (kWindowRows - (to - from)) << from;
            twice |= crossed[up] & mask;
            crossed[up] |= mask;
            std::int32_t* const out = columns[up];
            if (to - from >= kSteppedRows) {
                // Found by steps, as the fill finds them.
                detail::VisitHardCrossings({a->FX, a->FY, b->FX, b->FY}, base, rows, FClip.Width(),
                                           [out](int Row, int C, bool) { out[Row] = C; });
                continue;
            }
            // As detail::VisitInsideCrossings: the ceiling of xa + ((y - ya) dx) / dy - 1/2.
            const double xa = top->FX, ya = top->FY;
            const double dx = double(bottom->FX) - xa, dy = double(bottom->FY) - ya;
            double y = double(base + from) + 0.5;
            for (int r = from; r < to; ++r, y += 1)
                out[r] = detail::Ceiling(xa + ((y - ya) * dx) / dy - 0.5);
        }
        const std::uint64_t all = ~std::uint64_t(0) >> (kWindowRows - rows);
        if ((twice | (crossed[0] ^ all) | (crossed[1] ^ all)) != 0) {
            FColumnCount = before;
            return false;
        }
        // Each row one span between its two crossings (empty where they are one).
        TSpanColumns* const spans = FColumns.data() + FColumnCount;
        int r = 0;
#if defined(__SSE2__)
        __m128i downUp = _mm_setzero_si128(), upDown = _mm_setzero_si128();
        for (; r + 4 <= rows; r += 4) {
            const __m128i down = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columns[0] + r));
            const __m128i up = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columns[1] + r));
            const __m128i less = _mm_cmplt_epi32(down, up), more = _mm_cmpgt_epi32(down, up);
            const __m128i left =
                _mm_or_si128(_mm_and_si128(less, down), _mm_andnot_si128(less, up));
            const __m128i right =
                _mm_or_si128(_mm_and_si128(less, up), _mm_andnot_si128(less, down));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(spans + r),
                             _mm_unpacklo_epi32(left, right));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(spans + r + 2),
                             _mm_unpackhi_epi32(left, right));
            downUp = _mm_or_si128(downUp, less), upDown = _mm_or_si128(upDown, more);
        }
        windings |= unsigned(_mm_movemask_epi8(downUp) != 0) |
                    unsigned(_mm_movemask_epi8(upDown) != 0) << 1;
#endif
        for (; r < rows; ++r) {
            const std::int32_t down = columns[0][r], up = columns[1][r];
            spans[r] = {std::min(down, up), std::max(down, up)};
            windings |= unsigned(down < up) | unsigned(up < down) << 1;
        }
        FColumnCount += std::size_t(rows);
    }
    FSpanRows.push_back({First, Rows});
    if (!SameWinding(windings & 1, windings & 2)) FFailed = true;
    return true;
}

void THardStrokes::AddPieceByRows(const TBoxPoint* const* Points, int Count, unsigned Shared,
                                  unsigned Places, int First, int End) {
    const int width = FClip.Width(), height = FClip.Height();
    int first = First, end = End;
    if (Places != kInside) {
        // The rows of the part in the box, as floats (as the edges are rounded).
        double top = height, bottom = 0;
        for (int k = 0; k < Count; ++k)
            top = std::min(top, Points[k]->Y), bottom = std::max(bottom, Points[k]->Y);
        first = detail::Ceiling(double(float(std::max(top, 0.0))) - 0.5);
        end = std::min(detail::Ceiling(double(float(std::min(bottom, double(height)))) - 0.5),
                       height);
    }
    // The rows whose centres lie in [top, bottom): first to end - 1.
    if (first >= end) return;
    const int rows = end - first;
    if (!RoomForSpans(rows)) {
        FFailed = true;
        return;
    }
    // The crossings of the piece's rows: on the stack for a short piece.
    TRowCrossings few[kFewRows];
    if (rows > kFewRows) FRows.resize(std::size_t(rows));
    TRowCrossings* const crossings = rows > kFewRows ? FRows.data() : few;
    std::fill_n(crossings, rows, TRowCrossings{0, 0, 0});
    const auto visit = [crossings](int Row, int C, bool Up) {
        TRowCrossings& r = crossings[Row];
        (Up ? r.Up : r.Down) = C;
        r.Count += Up ? kUpOne : kDownOne;
    };
    if (Places == kInside) {
        // Inside the box the fill keeps every edge whole.
        for (int k = 0; k < Count; ++k) {
            const TBoxPoint &a = *Points[k], &b = *Points[k + 1 == Count ? 0 : k + 1];
            if (a.FY != b.FY)
                detail::VisitInsideCrossings({a.FX, a.FY, b.FX, b.FY}, std::min(a.Row, b.Row),
                                             std::max(a.Row, b.Row), first, visit);
        }
    } else {
        for (int k = 0; k < Count; ++k) {
            const TVertex a{Points[k]->X, Points[k]->Y};
            const TBoxPoint& to = *Points[k + 1 == Count ? 0 : k + 1];
            const TVertex b{to.X, to.Y};
            // An edge on the outline is cut to the box as the fill cuts it, running its way;
            // one shared by two pieces is cut from its upper end, so that both keep the same
            // parts.
            const bool flip = (Shared >> k & 1) && (a.Y > b.Y || (a.Y == b.Y && a.X > b.X));
            const auto keep = [&](double X0, double Y0, double X1, double Y1) {
                const detail::THardEdge e =
                    flip ? detail::THardEdge{float(X1), float(Y1), float(X0), float(Y0)}
                         : detail::THardEdge{float(X0), float(Y0), float(X1), float(Y1)};
                if (e.Y0 != e.Y1) detail::VisitHardCrossings(e, first, rows, width, visit);
            };
            detail::ClipEdge(flip ? b : a, flip ? a : b, width, height, true, keep);
        }
    }
    TSpanColumns* const spans = FColumns.data() + FColumnCount;
    FColumnCount += std::size_t(rows);
    FSpanRows.push_back({first, rows});
    for (int r = 0; r < rows; ++r) {
        spans[r] = {0, 0};
        const TRowCrossings c = crossings[r];
        // Between a crossing running down and one running up the piece winds once, one way
        // or the other; a row whose crossing on the right lay beyond the box winds to its end.
        int from = 0, to = 0;
        bool downUp = false;
        if (c.Count == kDownOne + kUpOne) {
            if (c.Down == c.Up) continue;
            from = std::min(c.Down, c.Up), to = std::max(c.Down, c.Up);
            downUp = c.Down < c.Up;
        } else if (c.Count == kDownOne || c.Count == kUpOne) {
            from = c.Count == kDownOne ? c.Down : c.Up, to = width;
            downUp = c.Count == kDownOne;
            if (from == to) continue;
        } else if (c.Count == 0) {
            continue;
        } else {
            FFailed = true;
            return;
        }
        if (!SameWinding(downUp, !downUp)) {
            FFailed = true;
            return;
        }
        spans[r] = {from, to};
    }
}

void THardStrokes::Paint(const TImageView& Target, std::uint32_t Argb) const {
    if (FFailed || FColumnCount == 0) return;
    const TPixelBox box = FClip.Intersected({0, 0, Target.Width, Target.Height});
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(int(Argb));
#endif
    // Pixels Left..Right-1 of Row: four at a time where there are four (the last four
    // overlapping those before).
    const auto put = [&](std::uint8_t* Row, int Left, int Right) {
        std::uint8_t* p = Row + 4 * std::ptrdiff_t(Left);
        const int count = Right - Left;
#if defined(__SSE2__)
        if (count >= 4) {
            std::uint8_t* const last = p + 4 * std::ptrdiff_t(count - 4);
            for (; p < last; p += 16) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), four);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(last), four);
            return;
        }
#endif
        if (count >= 4) {
            for (int x = 0; x < count; ++x, p += 4) std::memcpy(p, &Argb, 4);
            return;
        }
        // One to three pixels (most spans of thin lines): their first, middle and last,
        // without a loop.
        if (count <= 0) return;
        std::memcpy(p, &Argb, 4);
        std::memcpy(p + 4 * (count / 2), &Argb, 4);
        std::memcpy(p + 4 * (count - 1), &Argb, 4);
    };
    // The spans lie in the clip box: within the target too when the box is.
    const TSpanColumns* columns = FColumns.data();
    const std::ptrdiff_t stride = Target.Stride;
    if (box == FClip) {
        std::uint8_t* const origin =
            Target.Data + std::ptrdiff_t(FClip.Top) * stride + 4 * std::ptrdiff_t(FClip.Left);
        for (const TSpanRows& rows : FSpanRows) {
            std::uint8_t* row = origin + std::ptrdiff_t(rows.First) * stride;
            for (const TSpanColumns* end = columns + rows.Rows; columns != end; ++columns)
                put(row, columns->Left, columns->Right), row += stride;
        }
        return;
    }
    for (const TSpanRows& rows : FSpanRows) {
        for (int r = 0; r < rows.Rows; ++r, ++columns) {
            const int y = FClip.Top + rows.First + r;
            if (y >= box.Top && y < box.Bottom)
                put(Target.Data + std::ptrdiff_t(y) * stride,
                    std::max(FClip.Left + columns->Left, box.Left),
                    std::min(FClip.Left + columns->Right, box.Right));
        }
    }
}

} // namespace kw::raster
