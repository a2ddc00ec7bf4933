// SPDX-License-Identifier: MIT
// The rasteriser (Rasterizer.h).
//
// Sections:
//   1. State: clip box, bands, cells
//   2. Figures: transform, curves cut down to what is visible, then flattened
//   3. Edges: clipped to the box, kept per band
//   4. Accumulation: smooth edges (area per cell), hard edges (crossings at pixel centres)
//   5. Filling: band by band, accumulate then resolve

#include "kwgfx/raster/Rasterizer.h"

#include "kwgfx/raster/detail/CurveFlattening.h"
#include "kwgfx/raster/detail/EdgeClipping.h"
#include "kwgfx/raster/detail/HardCrossings.h"
#include "kwgfx/raster/detail/RasterKernels.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kw::raster {

using detail::Ceiling;
using detail::ExactFloat;
using detail::kCellsPerBit;
using detail::kCoverageOne;
using detail::kListSlots;
using detail::THardEdge;
using detail::VisitHardCrossings;

namespace {

// A smooth edge in the box's coordinates, top end first: y on the grid of subpixel steps,
// x in pixels as 32.32 fixed point, and the direction as a factor that wraps like the cells
// (1 or -1).
struct TSmoothEdge {
    std::int64_t X0;    // at Y0
    std::int64_t Slope; // x per subpixel step
    std::int32_t Y0, Y1;
    std::uint32_t Sign;
    float Rise; // subpixel steps of height per pixel of width (infinite when upright)
};

// A piece of a curve reaching far out of the box, and how often it was halved.
struct TCurvePiece {
    TVertex P[4];
    int Depth;
};

// Edges kept before the cells of the whole box take them instead (when those cells fit in
// kDirectCellBytes): beyond this, kept edges would take more memory than such cells.
constexpr std::size_t kDirectEdges = std::size_t(1) << 16;
constexpr std::size_t kDirectCellBytes = std::size_t(64) << 20;

// Most points of a figure kept before its edges are made: a bound on memory for figures of
// millions of points.
constexpr std::size_t kMaxBufferedPoints = 4096;

// Rows per band: as many as keep a band's cells within about this many bytes (in the
// second-level cache), a power of two from 4 to 256. Tall bands take each edge in fewer
// pieces; a fill resolves only the rows its edges reach, however tall the band.
constexpr std::size_t kBandCellBytes = 512 * 1024;

// Subpixel steps per pixel in y: smooth edges meet rows and each other on this grid, so
// that each edge's parts add up exactly. A step moves an edge by at most 1/2048 of a
// pixel, an eighth of a level of 255.
constexpr int kSubpixels = 1024;
// A cell's units per subpixel step of height over a whole pixel's width.
constexpr int kUnit = kCoverageOne / kSubpixels;

// Rounds a value known to be at least zero.
inline int RoundUp(double V) {
    return int(V + 0.5);
}

// Marks the groups of cells First..Last as touched in a row's bits.
inline void MarkCells(std::uint64_t* RowBits, int First, int Last) {
    const int g0 = First / kCellsPerBit, g1 = Last / kCellsPerBit;
    const int w0 = g0 >> 6, w1 = g1 >> 6;
    if (w0 == w1) {
        RowBits[w0] |= (~std::uint64_t(0) << (g0 & 63)) & (~std::uint64_t(0) >> (63 - (g1 & 63)));
        return;
    }
    for (int g = g0; g <= g1; ++g) RowBits[g >> 6] |= std::uint64_t(1) << (g & 63);
}

} // namespace

// ---------------------------------------------------------------- 1. state

struct TRasterizer::TState {
    TPixelBox Clip;
    int Width = 0;  // of the clip box
    int Height = 0; // of the clip box
    bool Antialias = true;
    TAffine Transform; // user space to device pixels
    TAffine ToBox;     // user space to the box's coordinates
    double Tolerance = DefaultTolerance;

    // The figure being built, in the box's coordinates: its points are kept until it closes
    // (so that a figure with a point that is not finite can be left out whole), up to
    // kMaxBufferedPoints; a longer figure goes on into edges as its points come (Streaming)
    // and ends at a point that is not finite (Dropped: its later points are ignored).
    std::vector<TVertex> Figure;
    bool Streaming = false;
    bool Dropped = false;
    bool HasLast = false;
    TVertex Start, Last;
    // Pieces of a far-reaching curve still to be cut or flattened (AddCurve).
    std::vector<TCurvePiece> CurveStack;
    // A whole figure handed over at once (FigureBuffer): room that only grows, so that a
    // figure costs no clearing of its points first, and how many it holds.
    std::vector<TVertex> Whole;
    std::size_t WholeCount = 0;

    // Edges (smooth or hard ones, as the fill is) by the band of their first row; bands
    // FirstBand..LastBand may hold or meet some. RightCut when some reached past the right side
    // (so the fill may run up to it). A fill takes each band's edges into the active ones and
    // drops those that end before the next band, so every edge is kept once.
    int BandShift = 5;
    std::vector<std::vector<TSmoothEdge>> SmoothBands;
    std::vector<std::vector<THardEdge>> HardBands;
    std::vector<TSmoothEdge> ActiveSmooth;
    std::vector<THardEdge> ActiveHard;
    // Direct: so many edges that the cells of the whole box take less memory than they do;
    // the cells then hold every row and edges are accumulated as they come, not kept.
    bool Direct = false;
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0; // the edges' box, kept when Direct
    int FirstBand = 0;
    int LastBand = -1;
    // The rows the edges may reach: a fill resolves only these, however tall its bands.
    int RowTop = 0;
    int RowBottom = 0;
    std::size_t Edges = 0;
    bool RightCut = false;

    // One band of cells and touched bits; all zero between fills.
    std::size_t CellStride = 0;
    std::size_t BitWords = 0;
    std::vector<std::uint32_t> Cells;
    // Hard edges count crossings, in cells of 16 bits (laid out as Cells): half the memory,
    // so a band stays in the first-level cache. A winding wraps at 65,536 crossings, as the
    // coverage sums of Cells do.
    std::vector<std::uint16_t> Crossings;
    std::vector<std::uint64_t> Bits;
    // Or, for a band of hard edges, their crossings listed per row (ListHard): row r's are
    // the first ListCounts[r] of Listed[r * kListSlots...].
    std::vector<std::int32_t> Listed;
    std::vector<std::int32_t> ListCounts;

    int BandRows() const { return 1 << BandShift; }
    // The band of a hard edge's first row (edges above the box start in the first band).
    int HardBand(const THardEdge& E) const {
        const int row = int(std::max(std::min(E.Y0, E.Y1), 0.0f));
        return std::min(row >> BandShift, (Height - 1) >> BandShift);
    }

    void ResetEdges() {
        for (int b = FirstBand; b <= LastBand; ++b) {
            SmoothBands[std::size_t(b)].clear();
            HardBands[std::size_t(b)].clear();
        }
        FirstBand = 0;
        LastBand = -1;
        Edges = 0;
        RightCut = false;
        Figure.clear();
        Streaming = Dropped = HasLast = false;
        Direct = false;
    }

    void AddPoint(TVertex P);
    void GoDirect();
    void AddEdgeBox(double X0, double Y0, double X1, double Y1);

    void AddEdge(TVertex A, TVertex B);
    void AddClippedEdge(double X0, double Y0, double X1, double Y1);
    bool AddFigureInside(const TVertex* Points, std::size_t Count);
    void CloseFigure();
    void AddClosedFigure(const TVertex* Points, std::size_t Count);
    void AddCurve(const TVertex (&Points)[4], int Degree);

    void AccumulateSmooth(const TSmoothEdge& E, int BandTop, int Rows);
    template <std::uint32_t Sign>
    void AccumulateSmoothAs(const TSmoothEdge& E, int BandTop, int Rows);
    void AccumulateHard(const THardEdge& E, int BandTop, int Rows);
    bool ListHard(const std::vector<THardEdge>& Edges, int BandTop, int Rows);
    // Notes edges about to be added reaching rows Top..Bottom-1 (at most), in bands
    // First..Last.
    void Touch(int First, int Last, int Top, int Bottom) {
        if (Edges == 0) FirstBand = First, LastBand = Last, RowTop = Top, RowBottom = Bottom;
        FirstBand = std::min(FirstBand, First);
        LastBand = std::max(LastBand, Last);
        RowTop = std::min(RowTop, Top);
        RowBottom = std::max(RowBottom, Bottom);
    }
    void Fill(detail::TResolveJob Job, std::uint8_t* Origin, std::ptrdiff_t Stride,
              std::ptrdiff_t PixelBytes, int OutLeft, int OutTop, int OutRight, int OutBottom);
};

TRasterizer::TRasterizer() : F(std::make_unique<TState>()) {}

TRasterizer::~TRasterizer() = default;

void TRasterizer::Reset(const TPixelBox& Clip, bool Antialias) {
    TState& s = *F;
    if (s.Direct) {
        // The cells of a whole box may hold edges never filled, and much memory: they go.
        s.Cells = {};
        s.Crossings = {};
        s.Bits = {};
    }
    s.ResetEdges();
    s.Clip = Clip;
    s.Width = Clip.Width();
    s.Height = Clip.Height();
    s.Antialias = Antialias;
    SetTransform({});
    if (s.Width == 0 || s.Height == 0) return;

    // Cells: the columns, the one after the last (where edges on the right side end) and
    // one more, rounded up to whole groups, with a spare group for the vector loops.
    std::size_t groups = (std::size_t(s.Width) + 2 + kCellsPerBit - 1) / kCellsPerBit + 1;
    // Rows of cells an even number of 64-byte lines apart share a few sets of the cache (at
    // 500 pixels, a row is 2 KiB and every other row falls into one set); an odd number of
    // lines spreads them over all: 2 (mod 4) groups of 32 bytes.
    groups += (6 - groups % 4) % 4;
    const std::size_t stride = groups * kCellsPerBit;
    int shift = 8;
    while (shift > 2 && (std::size_t(1) << shift) * stride * 4 > kBandCellBytes) --shift;
    const int bands = ((s.Height - 1) >> shift) + 1;
    const std::size_t words = (groups + 63) / 64;
    const std::size_t rows = std::size_t(1) << shift;
    // Cells and bits are all zero between fills, whatever layout they had.
    if (Antialias && s.Cells.size() < rows * stride) s.Cells.resize(rows * stride);
    if (!Antialias && s.Crossings.size() < rows * stride) s.Crossings.resize(rows * stride);
    if (s.Bits.size() < rows * words) s.Bits.resize(rows * words);
    s.CellStride = stride;
    s.BitWords = words;
    s.BandShift = shift;
    if (s.SmoothBands.size() < std::size_t(bands)) {
        s.SmoothBands.resize(std::size_t(bands));
        s.HardBands.resize(std::size_t(bands));
    }
}

const TPixelBox& TRasterizer::Clip() const {
    return F->Clip;
}

bool TRasterizer::Antialias() const {
    return F->Antialias;
}

const TAffine& TRasterizer::Transform() const {
    return F->Transform;
}

void TRasterizer::SetTransform(const TAffine& Transform) {
    F->Transform = Transform;
    F->ToBox = Transform.Moved(-F->Clip.Left, -F->Clip.Top);
}

void TRasterizer::SetTolerance(double Pixels) {
    F->Tolerance = std::isfinite(Pixels) && Pixels > 1e-3 ? Pixels : DefaultTolerance;
}

// ---------------------------------------------------------------- 2. figures

void TRasterizer::MoveTo(TVertex P) {
    F->CloseFigure();
    LineTo(P);
}

void TRasterizer::LineTo(TVertex P) {
    F->AddPoint(F->ToBox.Apply(P));
}

void TRasterizer::QuadTo(TVertex C, TVertex P) {
    TState& s = *F;
    if (!s.HasLast) return LineTo(P);
    const TVertex points[4] = {s.Last, s.ToBox.Apply(C), s.ToBox.Apply(P), {}};
    s.AddCurve(points, 2);
}

void TRasterizer::CubicTo(TVertex C1, TVertex C2, TVertex P) {
    TState& s = *F;
    if (!s.HasLast) return LineTo(P);
    const TVertex points[4] = {s.Last, s.ToBox.Apply(C1), s.ToBox.Apply(C2), s.ToBox.Apply(P)};
    s.AddCurve(points, 3);
}

void TRasterizer::ClosePath() {
    F->CloseFigure();
}

TVertex* TRasterizer::FigureBuffer(std::size_t Count) {
    TState& s = *F;
    s.CloseFigure();
    if (Count > kMaxBufferedPoints) return nullptr;
    if (s.Whole.size() < Count) s.Whole.resize(Count);
    s.WholeCount = Count;
    return s.Whole.data();
}

void TRasterizer::AddBufferedFigure() {
    TState& s = *F;
    TVertex* const points = s.Whole.data();
    for (std::size_t i = 0; i < s.WholeCount; ++i) points[i] = s.ToBox.Apply(points[i]);
    s.AddClosedFigure(points, s.WholeCount);
    s.WholeCount = 0;
}

void TRasterizer::AddPath(const TRasterPath& Path) {
    const std::span<const TPathVerb> verbs = Path.Verbs();
    const std::span<const TVertex> points = Path.Points();
    std::size_t p = 0;
    for (const TPathVerb verb : verbs) {
        switch (verb) {
        case TPathVerb::Move:
            MoveTo(points[p++]);
            break;
        case TPathVerb::Line:
            LineTo(points[p++]);
            break;
        case TPathVerb::Quad:
            QuadTo(points[p], points[p + 1]);
            p += 2;
            break;
        case TPathVerb::Cubic:
            CubicTo(points[p], points[p + 1], points[p + 2]);
            p += 3;
            break;
        case TPathVerb::Close:
            ClosePath();
            break;
        }
    }
    ClosePath();
}

namespace {

struct TCurveBox {
    double Left, Top, Right, Bottom;
};

TCurveBox BoxOf(const TVertex* P, int Count) {
    TCurveBox b{P[0].X, P[0].Y, P[0].X, P[0].Y};
    for (int i = 1; i < Count; ++i) {
        b.Left = std::min(b.Left, P[i].X);
        b.Right = std::max(b.Right, P[i].X);
        b.Top = std::min(b.Top, P[i].Y);
        b.Bottom = std::max(b.Bottom, P[i].Y);
    }
    return b;
}

// Halves of a curve of Degree (2 or 3) at t = 1/2; the outer points stay as they are.
void Split(const TVertex* P, int Degree, TVertex* Left, TVertex* Right) {
    const auto mid = [](TVertex A, TVertex B) { return TVertex{(A.X + B.X) / 2, (A.Y + B.Y) / 2}; };
    if (Degree == 2) {
        const TVertex a = mid(P[0], P[1]), b = mid(P[1], P[2]), m = mid(a, b);
        Left[0] = P[0], Left[1] = a, Left[2] = m;
        Right[0] = m, Right[1] = b, Right[2] = P[2];
        return;
    }
    const TVertex a = mid(P[0], P[1]), b = mid(P[1], P[2]), c = mid(P[2], P[3]);
    const TVertex ab = mid(a, b), bc = mid(b, c), m = mid(ab, bc);
    Left[0] = P[0], Left[1] = a, Left[2] = ab, Left[3] = m;
    Right[0] = m, Right[1] = bc, Right[2] = c, Right[3] = P[3];
}

// Deepest cut of a curve reaching far out of the box: 64 halvings bring any finite curve
// of double coordinates down to within reach of the box or wholly outside it.
constexpr int kMaxCurveDepth = 64;

} // namespace

// A curve lies within the box of its control points. One wholly outside the clip box on one
// side adds to no pixel what its chord would not (the two bound a region outside the box),
// so it becomes its chord; one reaching far beyond the box is cut in halves until each
// piece is either outside or near enough to flatten, so the segments grow with what can be
// seen and not with the coordinates.
void TRasterizer::TState::AddCurve(const TVertex (&Points)[4], int Degree) {
    const int count = Degree + 1;
    for (int i = 1; i < count; ++i)
        if (!std::isfinite(Points[i].X) || !std::isfinite(Points[i].Y)) return AddPoint(Points[i]);
    const auto sink = [this](TVertex P) { AddPoint(P); };
    const auto flatten = [&](const TVertex* P) {
        if (Degree == 2)
            detail::FlattenQuad(P[0], P[1], P[2], Tolerance, sink);
        else
            detail::FlattenCubic(P[0], P[1], P[2], P[3], Tolerance, sink);
    };
    // Near: within the box grown by its own size (at least 256 pixels) on every side.
    const double margin = std::max(256.0, double(std::max(Width, Height)));
    const auto outside = [&](const TCurveBox& B) {
        return B.Right <= 0 || B.Left >= Width || B.Bottom <= 0 || B.Top >= Height;
    };
    const auto near = [&](const TCurveBox& B) {
        return B.Left >= -margin && B.Top >= -margin && B.Right <= Width + margin &&
               B.Bottom <= Height + margin;
    };
    const TCurveBox whole = BoxOf(Points, count);
    if (outside(whole)) {
        AddPoint(Points[Degree]);
        return;
    }
    if (near(whole)) {
        flatten(Points);
        return;
    }
    // Reaching far out: cut in halves, depth first with the left piece on top, so that the
    // pieces come out in order.
    std::vector<TCurvePiece>& stack = CurveStack;
    stack.clear();
    stack.push_back({{Points[0], Points[1], Points[2], Points[3]}, 0});
    while (!stack.empty()) {
        const TCurvePiece piece = stack.back();
        stack.pop_back();
        const TCurveBox b = BoxOf(piece.P, count);
        if (outside(b)) {
            AddPoint(piece.P[Degree]);
        } else if (near(b) || piece.Depth == kMaxCurveDepth) {
            flatten(piece.P);
        } else {
            TCurvePiece left, right;
            Split(piece.P, Degree, left.P, right.P);
            left.Depth = right.Depth = piece.Depth + 1;
            stack.push_back(right);
            stack.push_back(left);
        }
    }
}

void TRasterizer::TState::AddPoint(TVertex P) {
    if (Dropped) return;
    const bool finite = std::isfinite(P.X) && std::isfinite(P.Y);
    if (Streaming) {
        if (!finite) {
            // The figure ends at its last finite point, closed back to its start.
            AddEdge(Last, Start);
            Dropped = true;
            return;
        }
        AddEdge(Last, P);
        Last = P;
        return;
    }
    if (!finite) {
        // Left out whole: its points so far go, its later ones are ignored.
        Figure.clear();
        Dropped = true;
        return;
    }
    Figure.push_back(P);
    Last = P;
    HasLast = true;
    if (Figure.size() >= kMaxBufferedPoints && Width > 0 && Height > 0) {
        for (std::size_t i = 1; i < Figure.size(); ++i) AddEdge(Figure[i - 1], Figure[i]);
        Start = Figure.front();
        Figure.clear();
        Streaming = true;
    }
}

void TRasterizer::TState::CloseFigure() {
    if (Streaming && !Dropped)
        AddEdge(Last, Start);
    else if (!Dropped)
        AddClosedFigure(Figure.data(), Figure.size());
    Figure.clear();
    Streaming = Dropped = HasLast = false;
}

// The edges of a closed figure of Count points in the box's coordinates.
void TRasterizer::TState::AddClosedFigure(const TVertex* Points, std::size_t Count) {
    if (Count < 2 || Width <= 0 || Height <= 0 || AddFigureInside(Points, Count)) return;
    // A figure with a point that is not finite is left out whole (points added one by one
    // never get here with one; a whole figure added at once may).
    bool finite = true;
    for (std::size_t i = 0; i < Count; ++i)
        finite &= (Points[i].X - Points[i].X == 0) & (Points[i].Y - Points[i].Y == 0);
    if (!finite) return;
    for (std::size_t i = 1; i < Count; ++i) AddEdge(Points[i - 1], Points[i]);
    AddEdge(Points[Count - 1], Points[0]);
}

// ---------------------------------------------------------------- 3. edges

// Clips the edge to the box (detail/EdgeClipping.h) and keeps what is left.
void TRasterizer::TState::AddEdge(TVertex A, TVertex B) {
    const auto keep = [this](double X0, double Y0, double X1, double Y1) {
        AddClippedEdge(X0, Y0, X1, Y1);
    };
    if (detail::ClipEdge(A, B, Width, Height, !Antialias, keep)) RightCut = true;
}

namespace {

// The smooth edge from (X0, Y0) to (X1, Y1) in the box, on the grid of subpixel steps; false
// when it is flat there and adds nothing.
inline bool MakeSmoothEdge(double X0, double Y0, double X1, double Y1, TSmoothEdge& E) {
    std::uint32_t sign = 1;
    if (Y0 > Y1) std::swap(X0, X1), std::swap(Y0, Y1), sign = ~std::uint32_t(0);
    const int y0 = RoundUp(Y0 * kSubpixels), y1 = RoundUp(Y1 * kSubpixels);
    if (y0 == y1) return false;
    constexpr double one = 4294967296.0; // 2^32
    const double dx = X1 - X0, steps = double(y1 - y0);
    const double scaled = dx * one / steps;
    // Built in registers and stored once: an edge put together on the stack field by field
    // and then copied as a whole would wait for its parts to reach memory.
    E = TSmoothEdge{std::int64_t(X0 * one + 0.5),
                    std::int64_t(scaled < 0 ? scaled - 0.5 : scaled + 0.5),
                    y0,
                    y1,
                    sign,
                    float(steps / std::abs(dx))};
    return true;
}

// The rows a smooth edge reaches: from its first to one past its last (an edge ending
// exactly on a row's top adds nothing to that row).
inline int SmoothTop(const TSmoothEdge& E) {
    return E.Y0 / kSubpixels;
}
inline int SmoothBottom(const TSmoothEdge& E) {
    return (E.Y1 - 1) / kSubpixels + 1;
}

} // namespace

// Keeps an edge in every band whose rows it reaches. A smooth edge lies in the box and goes
// onto the grid of subpixel steps; a hard one may reach beyond the box.
void TRasterizer::TState::AddClippedEdge(double X0, double Y0, double X1, double Y1) {
    const int last = (Height - 1) >> BandShift;
    if (Antialias) {
        TSmoothEdge e;
        if (!MakeSmoothEdge(X0, Y0, X1, Y1, e)) return;
        const int top = SmoothTop(e), bottom = SmoothBottom(e);
        const int first = std::min(top >> BandShift, last);
        Touch(first, std::min((bottom - 1) >> BandShift, last), top, bottom);
        ++Edges;
        if (Direct) {
            AccumulateSmooth(e, 0, Height);
            AddEdgeBox(X0, Y0, X1, Y1);
            return;
        }
        SmoothBands[std::size_t(first)].push_back(e);
        if (Edges >= kDirectEdges) GoDirect();
        return;
    }
    const THardEdge e{float(X0), float(Y0), float(X1), float(Y1)};
    if (e.Y0 == e.Y1) return;
    const float bottom = std::min(std::max(e.Y0, e.Y1), float(Height));
    const int first = HardBand(e);
    const int end = std::max(first, std::min((Ceiling(bottom) - 1) >> BandShift, last));
    Touch(first, end, int(std::max(std::min(e.Y0, e.Y1), 0.0f)), Ceiling(bottom));
    ++Edges;
    if (Direct) {
        AccumulateHard(e, 0, Height);
        AddEdgeBox(X0, Y0, X1, Y1);
        return;
    }
    HardBands[std::size_t(first)].push_back(e);
    if (Edges >= kDirectEdges) GoDirect();
}

// The edges of a figure lying wholly in the box (the common case: shapes drawn where they
// are seen), without the clipping of each edge: the figure's box stands for its edges'
// rows. False, with nothing added, for a figure that needs clipping.
[[gnu::flatten]] bool TRasterizer::TState::AddFigureInside(const TVertex* Points,
                                                           std::size_t Count) {
    if (Direct || Edges + Count >= kDirectEdges) return false;
    double left = Points[0].X, right = left, top = Points[0].Y, bottom = top;
    bool finite = true;
    for (std::size_t i = 0; i < Count; ++i) {
        const TVertex p = Points[i];
        left = p.X < left ? p.X : left, right = p.X > right ? p.X : right;
        top = p.Y < top ? p.Y : top, bottom = p.Y > bottom ? p.Y : bottom;
        // (v - v is not a number exactly when v is not finite.)
        finite &= (p.X - p.X == 0) & (p.Y - p.Y == 0);
    }
    if (!finite) return false;
    if (!(left >= 0 && right <= Width && top >= 0 && bottom <= Height)) {
        // Hard edges at float coordinates are kept whole anyway (AddEdge): a figure of
        // them reaching out of the box, but not wholly above or below it, is taken too.
        if (Antialias || !(bottom > 0 && top < Height)) return false;
        for (std::size_t i = 0; i < Count; ++i)
            if (!ExactFloat(Points[i].X) || !ExactFloat(Points[i].Y)) return false;
        RightCut = RightCut || right > Width;
        top = std::max(top, 0.0), bottom = std::min(bottom, double(Height));
    }
    const int last = (Height - 1) >> BandShift;
    // Rows from the one holding the top to the one holding the bottom: each edge's rows lie
    // within them, after rounding to its grid.
    const int rowTop = std::min(int(top), Height - 1),
              rowBottom = std::max(Ceiling(bottom), rowTop + 1);
    Touch(rowTop >> BandShift, std::min((rowBottom - 1) >> BandShift, last), rowTop, rowBottom);
    TVertex a = Points[Count - 1];
    if (Antialias) {
        for (std::size_t i = 0; i < Count; ++i) {
            const TVertex b = Points[i];
            TSmoothEdge e;
            if (MakeSmoothEdge(a.X, a.Y, b.X, b.Y, e)) {
                SmoothBands[std::size_t(std::min(SmoothTop(e) >> BandShift, last))].push_back(e);
                ++Edges;
            }
            a = b;
        }
    } else {
        for (std::size_t i = 0; i < Count; ++i) {
            const TVertex b = Points[i];
            const THardEdge e{float(a.X), float(a.Y), float(b.X), float(b.Y)};
            if (e.Y0 != e.Y1) {
                HardBands[std::size_t(HardBand(e))].push_back(e);
                ++Edges;
            }
            a = b;
        }
    }
    return true;
}

void TRasterizer::TState::AddEdgeBox(double X0, double Y0, double X1, double Y1) {
    MinX = std::min({MinX, X0, X1}), MaxX = std::max({MaxX, X0, X1});
    MinY = std::min({MinY, Y0, Y1}), MaxY = std::max({MaxY, Y0, Y1});
}

// Goes over to cells for the whole box, when they fit kDirectCellBytes: the edges kept so far
// are accumulated and dropped, later ones accumulated as they come.
void TRasterizer::TState::GoDirect() {
    const std::size_t cells = std::size_t(Height) * CellStride;
    if (Direct || cells * sizeof(std::uint32_t) > kDirectCellBytes) return;
    if (Antialias && Cells.size() < cells) Cells.resize(cells);
    if (!Antialias && Crossings.size() < cells) Crossings.resize(cells);
    if (Bits.size() < std::size_t(Height) * BitWords) Bits.resize(std::size_t(Height) * BitWords);
    MinX = Width, MinY = Height, MaxX = 0, MaxY = 0;
    for (int b = FirstBand; b <= LastBand; ++b) {
        for (const TSmoothEdge& e : SmoothBands[std::size_t(b)]) {
            AccumulateSmooth(e, 0, Height);
            const double x0 = double(e.X0) / 4294967296.0;
            const double x1 = x0 + double(e.Slope) * (e.Y1 - e.Y0) / 4294967296.0;
            AddEdgeBox(x0, double(e.Y0) / kSubpixels, x1, double(e.Y1) / kSubpixels);
        }
        for (const THardEdge& e : HardBands[std::size_t(b)]) {
            AccumulateHard(e, 0, Height);
            AddEdgeBox(e.X0, e.Y0, e.X1, e.Y1);
        }
        SmoothBands[std::size_t(b)].clear();
        HardBands[std::size_t(b)].clear();
    }
    Direct = true;
}

TPixelBox TRasterizer::Bounds() {
    TState& s = *F;
    s.CloseFigure();
    if (s.Edges == 0) return {};
    // The box of the edges' ends, clamped to the clip box.
    double left = s.Width, right = 0, top = s.Height, bottom = 0;
    const auto take = [&](double X0, double Y0, double X1, double Y1) {
        left = std::min({left, X0, X1}), right = std::max({right, X0, X1});
        top = std::min({top, Y0, Y1}), bottom = std::max({bottom, Y0, Y1});
    };
    if (s.Direct) take(s.MinX, s.MinY, s.MaxX, s.MaxY);
    for (int b = s.FirstBand; b <= s.LastBand; ++b) {
        for (const TSmoothEdge& e : s.SmoothBands[std::size_t(b)]) {
            const double x0 = double(e.X0) / 4294967296.0;
            const double x1 = x0 + double(e.Slope) * (e.Y1 - e.Y0) / 4294967296.0;
            take(x0, double(e.Y0) / kSubpixels, x1, double(e.Y1) / kSubpixels);
        }
        for (const THardEdge& e : s.HardBands[std::size_t(b)]) take(e.X0, e.Y0, e.X1, e.Y1);
    }
    const int l = int(std::floor(std::clamp(left, 0.0, double(s.Width))));
    const int t = int(std::floor(std::clamp(top, 0.0, double(s.Height))));
    const int r =
        s.RightCut ? s.Width : std::min(s.Width, int(std::floor(std::max(right, 0.0))) + 1);
    const int bt = int(std::ceil(std::clamp(bottom, 0.0, double(s.Height))));
    if (l >= r || t >= bt) return {};
    return TPixelBox{s.Clip.Left + l, s.Clip.Top + t, s.Clip.Left + r, s.Clip.Top + bt};
}

std::size_t TRasterizer::EdgeCount() {
    F->CloseFigure();
    return F->Edges;
}

// ---------------------------------------------------------------- 4. accumulation

// A smooth edge adds, in each row it crosses and each cell of that row it passes, the area
// it leaves to its right within the cell (to the cell) and the rest of its height (to the
// next cell), in units of kCoverageOne per pixel: summed along the row, that is the covered
// share of every pixel, signed by the edge's direction. Heights are whole subpixel steps
// and x is in 1/65536 of a pixel, so each edge's parts add up exactly to its height and the
// sums of a closed figure return exactly to zero.
void TRasterizer::TState::AccumulateSmooth(const TSmoothEdge& E, int BandTop, int Rows) {
    if (E.Sign == 1)
        AccumulateSmoothAs<1>(E, BandTop, Rows);
    else
        AccumulateSmoothAs<~std::uint32_t(0)>(E, BandTop, Rows);
}

namespace {

template <std::uint32_t Sign>
void AddRowPieceAcross(std::uint32_t* Cells, std::uint64_t* Bits, int Dy, std::int32_t Left,
                       std::int32_t Right, float Rise);

// One piece of a smooth edge within a row: Dy subpixel steps high, from Left to Right
// (16.16, Left <= Right) on the row's cells, signed by Sign.
template <std::uint32_t Sign>
[[gnu::always_inline]] inline void AddRowPiece(std::uint32_t* Cells, std::uint64_t* Bits, int Dy,
                                               std::int32_t Left, std::int32_t Right, float Rise) {
    const int c0 = Left >> 16, c1 = Right >> 16;
    if (c0 == c1) {
        // Within one cell: the area right of the piece is Dy times the mean of its x.
        const int area = (Dy * ((Left + Right) - (c0 << 17))) >> 11;
        Cells[c0] += Sign * std::uint32_t(Dy * kUnit - area);
        Cells[c0 + 1] += Sign * std::uint32_t(area);
        const int g0 = c0 / kCellsPerBit, g1 = (c0 + 1) / kCellsPerBit;
        Bits[g0 >> 6] |= std::uint64_t(1) << (g0 & 63);
        Bits[g1 >> 6] |= std::uint64_t(1) << (g1 & 63);
        return;
    }
    if (c1 == c0 + 1) {
        // Across one border, the common case of a slanted edge: AddRowPieceAcross without
        // cells between, here without a call.
        const float height = float(((c0 + 1) << 16) - Left) * (Rise / 65536.0f);
        const int done = std::min(int(height + 0.5f), Dy);
        const int carry = (done * ((Left & 0xFFFF) + 65536)) >> 11;
        const int part = Dy - done;
        const int area = (part * (Right & 0xFFFF)) >> 11;
        Cells[c0] += Sign * std::uint32_t(done * kUnit - carry);
        Cells[c1] += Sign * std::uint32_t(carry + part * kUnit - area);
        Cells[c1 + 1] += Sign * std::uint32_t(area);
        const int g0 = c0 / kCellsPerBit, g1 = (c1 + 1) / kCellsPerBit;
        Bits[g0 >> 6] |= std::uint64_t(1) << (g0 & 63);
        Bits[g1 >> 6] |= std::uint64_t(1) << (g1 & 63);
        return;
    }
    AddRowPieceAcross<Sign>(Cells, Bits, Dy, Left, Right, Rise);
}

// The piece of AddRowPiece across cells c0..c1 (c0 < c1): each gets the height the piece
// has within it (the heights at the cells' borders rounded, never beyond Dy, the last taking
// the rest) and passes the area right of the piece on to the next cell. Out of line, so
// that the row loops keep their own values in registers.
template <std::uint32_t Sign>
[[gnu::noinline]] void AddRowPieceAcross(std::uint32_t* Cells, std::uint64_t* Bits, int Dy,
                                         std::int32_t Left, std::int32_t Right, float Rise) {
    const int c0 = Left >> 16, c1 = Right >> 16;
    float height = float(((c0 + 1) << 16) - Left) * (Rise / 65536.0f);
    int done = std::min(int(height + 0.5f), Dy);
    int carry = (done * ((Left & 0xFFFF) + 65536)) >> 11;
    Cells[c0] += Sign * std::uint32_t(done * kUnit - carry);
    for (int c = c0 + 1; c < c1; ++c) {
        height += Rise;
        const int now = std::min(int(height + 0.5f), Dy);
        const int part = now - done;
        done = now;
        Cells[c] += Sign * std::uint32_t(carry + part * (kUnit / 2));
        carry = part * (kUnit / 2);
    }
    const int part = Dy - done;
    const int area = (part * (Right & 0xFFFF)) >> 11;
    Cells[c1] += Sign * std::uint32_t(carry + part * kUnit - area);
    Cells[c1 + 1] += Sign * std::uint32_t(area);
    MarkCells(Bits, c0, c1 + 1);
}

} // namespace

template <std::uint32_t Sign>
void TRasterizer::TState::AccumulateSmoothAs(const TSmoothEdge& E, int BandTop, int Rows) {
    static_assert(kSubpixels == 1 << 10);
    const int low = BandTop * kSubpixels;
    int ytop = std::max(E.Y0, low);
    const int yend = std::min(E.Y1, (BandTop + Rows) * kSubpixels);
    if (ytop >= yend) return;
    // x (32.32) at a subpixel row of the edge, and as 16.16 never left of the box.
    std::int64_t x = E.X0 + std::int64_t(ytop - E.Y0) * E.Slope;
    const auto pixels = [](std::int64_t X) { return std::max(std::int32_t(X >> 16), 0); };
    const int row = (ytop - low) >> 10;
    // Locals, so that stores into the cells and bits need not reload them.
    const std::size_t cellStride = CellStride, bitWords = BitWords;
    std::uint32_t* cells = Cells.data() + std::size_t(row) * cellStride;
    std::uint64_t* bits = Bits.data() + std::size_t(row) * bitWords;
    const auto piece = [&](int Ybot) __attribute__((always_inline)) {
        const std::int64_t xbot = Ybot == E.Y1 ? E.X0 + std::int64_t(Ybot - E.Y0) * E.Slope
                                               : x + std::int64_t(Ybot - ytop) * E.Slope;
        const std::int32_t a = pixels(x), b = pixels(xbot);
        AddRowPiece<Sign>(cells, bits, Ybot - ytop, std::min(a, b), std::max(a, b), E.Rise);
        ytop = Ybot;
        x = xbot;
        cells += cellStride;
        bits += bitWords;
    };
    // A first row entered below its top.
    if ((ytop & (kSubpixels - 1)) != 0) piece(std::min(yend, (ytop | (kSubpixels - 1)) + 1));
    // Whole rows: the same height, the same step of x.
    const std::int64_t step = E.Slope * kSubpixels;
    std::int32_t xtop = pixels(x);
    while (ytop + kSubpixels <= yend) {
        x += step;
        const std::int32_t xbot = pixels(x);
        AddRowPiece<Sign>(cells, bits, kSubpixels, std::min(xtop, xbot), std::max(xtop, xbot),
                          E.Rise);
        xtop = xbot;
        ytop += kSubpixels;
        cells += cellStride;
        bits += bitWords;
    }
    // A last row left above its bottom.
    if (ytop < yend) piece(yend);
}

namespace {

// Rows of a band whose crossings are sorted by insertion: rows of icons and shapes hold a
// few; more go to the library's sort.
constexpr std::ptrdiff_t kInsertionSortUpTo = 24;

// Puts A and B in order, without a branch.
inline void Order(std::int32_t& A, std::int32_t& B) {
    const std::int32_t a = A, b = B;
    A = a < b ? a : b;
    B = a < b ? b : a;
}

// Sorts a row's crossings (three or more; rows of two are put in order where they are
// resolved); First has room for at least eight.
void SortCrossings(std::int32_t* First, std::int32_t* Last) {
    // The common rows of shapes (up to eight crossings) by networks of fixed comparisons:
    // the order the edges came in would mispredict the branches of a sort.
    switch (Last - First) {
    case 3:
        Order(First[0], First[1]), Order(First[1], First[2]), Order(First[0], First[1]);
        return;
    case 4:
        Order(First[0], First[1]), Order(First[2], First[3]);
        Order(First[0], First[2]), Order(First[1], First[3]);
        Order(First[1], First[2]);
        return;
    case 5:
    case 6:
    case 7:
    case 8: {
        // Filled up to eight with the largest value (the row has sixteen slots), then a
        // network of nineteen comparisons.
        for (std::int32_t* p = Last; p < First + 8; ++p)
            *p = std::numeric_limits<std::int32_t>::max();
        std::int32_t* const a = First;
        Order(a[0], a[2]), Order(a[1], a[3]), Order(a[4], a[6]), Order(a[5], a[7]);
        Order(a[0], a[4]), Order(a[1], a[5]), Order(a[2], a[6]), Order(a[3], a[7]);
        Order(a[0], a[1]), Order(a[2], a[3]), Order(a[4], a[5]), Order(a[6], a[7]);
        Order(a[2], a[4]), Order(a[3], a[5]);
        Order(a[1], a[4]), Order(a[3], a[6]);
        Order(a[1], a[2]), Order(a[3], a[4]), Order(a[5], a[6]);
        return;
    }
    default:
        break;
    }
    const std::ptrdiff_t count = Last - First;
    if (count > kInsertionSortUpTo) {
        std::sort(First, Last);
        return;
    }
    for (std::int32_t* p = First + 1; p < Last; ++p) {
        const std::int32_t v = *p;
        std::int32_t* q = p;
        for (; q > First && q[-1] > v; --q) *q = q[-1];
        *q = v;
    }
}

} // namespace

// A hard edge adds a whole pixel, signed by its direction, to the first cell whose centre
// lies at or right of its crossing with each row centre it spans.
void TRasterizer::TState::AccumulateHard(const THardEdge& E, int BandTop, int Rows) {
    std::uint16_t* const cells = Crossings.data();
    std::uint64_t* const bits = Bits.data();
    const std::size_t cellStride = CellStride, bitWords = BitWords;
    VisitHardCrossings(E, BandTop, Rows, Width, [&](int Row, int C, bool Up) {
        std::uint16_t& cell = cells[std::size_t(Row) * cellStride + std::size_t(C)];
        cell = std::uint16_t(cell + (Up ? 0xFFFF : 1));
        const int g = C / kCellsPerBit;
        bits[std::size_t(Row) * bitWords + std::size_t(g >> 6)] |= std::uint64_t(1) << (g & 63);
    });
}

// Lists the crossings of hard edges with each row of a band, sorted by column: a row of a
// shape holds a few, and walking them costs less than walking cells. Each row has
// kListSlots places; a band with a row crossed more often (a comb, or hundreds of edges)
// lists nothing and the cells take its edges.
[[gnu::noinline]] bool TRasterizer::TState::ListHard(const std::vector<THardEdge>& Edges,
                                                     int BandTop, int Rows) {
    // Only the rows the edges reach (RowTop..RowBottom-1) are listed and resolved.
    const int lo = std::max(0, RowTop - BandTop), hi = std::min(Rows, RowBottom - BandTop);
    if (ListCounts.size() < std::size_t(Rows)) {
        ListCounts.resize(std::size_t(Rows));
        Listed.resize(std::size_t(Rows) * kListSlots);
    }
    std::int32_t* const counts = ListCounts.data();
    std::int32_t* const listed = Listed.data();
    // Edges crossing more than half the slots of the band's rows on average (a path of
    // thousands of curves) go to the cells at once, without a listing that would fail: the
    // rows an edge spans in the band are at most its height there and one.
    const float bandTop = float(BandTop), bandBottom = float(BandTop + Rows);
    float spans = 0;
    for (const THardEdge& e : Edges) {
        const float top = std::max(std::min(e.Y0, e.Y1), bandTop);
        const float bottom = std::min(std::max(e.Y0, e.Y1), bandBottom);
        spans += std::max(bottom - top, 0.0f) + 1;
    }
    if (spans > float(std::max(hi - lo, 0)) * (kListSlots / 2)) return false;
    std::fill(counts + lo, counts + std::max(lo, hi), 0);
    // A row past its slots still counts on (its list is lost), and gives the band to cells.
    for (const THardEdge& e : Edges)
        VisitHardCrossings(e, BandTop, Rows, Width, [counts, listed](int Row, int C, bool Up) {
            const std::int32_t n = counts[Row];
            counts[Row] = n + 1;
            listed[Row * kListSlots + (n & (kListSlots - 1))] = C * 2 + int(Up);
        });
    // Rows of two crossings, most of a shape's, are put in order as they are resolved.
    std::int32_t most = 0;
    for (int r = lo; r < hi; ++r) {
        const std::int32_t n = counts[r];
        most = std::max(most, n);
        if (n > 2 && n <= kListSlots)
            SortCrossings(listed + r * kListSlots, listed + r * kListSlots + n);
    }
    return most <= kListSlots;
}

// ---------------------------------------------------------------- 5. filling

void TRasterizer::TState::Fill(detail::TResolveJob Job, std::uint8_t* Origin, std::ptrdiff_t Stride,
                               std::ptrdiff_t PixelBytes, int OutLeft, int OutTop, int OutRight,
                               int OutBottom) {
    CloseFigure();
    if (Edges == 0) return;
    // The written part, in the box's coordinates.
    const int left = std::max(0, OutLeft - Clip.Left),
              right = std::min(Width, OutRight - Clip.Left);
    const int top = std::max(0, OutTop - Clip.Top), bottom = std::min(Height, OutBottom - Clip.Top);
    if (left >= right || top >= bottom) return;
    Job.Cells = Cells.data();
    Job.Crossings = Crossings.data();
    Job.CellStride = CellStride;
    Job.Bits = Bits.data();
    Job.BitWords = BitWords;
    Job.Columns = Width;
    Job.OutFirst = left;
    Job.OutLast = right;
    Job.OutStride = Stride;
    std::vector<TSmoothEdge>& smooth = ActiveSmooth;
    std::vector<THardEdge>& hard = ActiveHard;
    smooth.clear();
    hard.clear();
    for (int b = FirstBand; b <= LastBand; ++b) {
        const std::vector<TSmoothEdge>& newSmooth = SmoothBands[std::size_t(b)];
        const std::vector<THardEdge>& newHard = HardBands[std::size_t(b)];
        // The last band with edges of its own alone (a picture of one band, most often)
        // takes them where they are kept: nothing follows that needs the active ones.
        const bool last = b == LastBand;
        if (!(last && smooth.empty()))
            smooth.insert(smooth.end(), newSmooth.begin(), newSmooth.end());
        if (!(last && hard.empty())) hard.insert(hard.end(), newHard.begin(), newHard.end());
        const std::vector<TSmoothEdge>& bandSmooth = last && smooth.empty() ? newSmooth : smooth;
        const std::vector<THardEdge>& bandHard = last && hard.empty() ? newHard : hard;
        if (bandSmooth.empty() && bandHard.empty() && !Direct) continue;
        const int bandTop = b << BandShift;
        // With the whole box's cells, the band's rows are already accumulated.
        const std::size_t cellRow = Direct ? std::size_t(bandTop) : 0;
        const int rows = std::min(BandRows(), Height - bandTop);
        for (const TSmoothEdge& e : bandSmooth) AccumulateSmooth(e, bandTop, rows);
        const bool listed = !Antialias && !Direct && ListHard(bandHard, bandTop, rows);
        if (!listed)
            for (const THardEdge& e : bandHard) AccumulateHard(e, bandTop, rows);
        // Edges that end within this band are done.
        if (!last) {
            const int next = (bandTop + rows) * kSubpixels;
            std::erase_if(smooth, [&](const TSmoothEdge& E) { return E.Y1 <= next; });
            std::erase_if(hard, [&](const THardEdge& E) {
                return Ceiling(std::min(std::max(E.Y0, E.Y1), float(Height)) - 0.5) <=
                       bandTop + rows;
            });
        }
        // Rows outside the written part are resolved too (that clears their cells), into a
        // pointer that is never written: their spans are all clipped away. Rows no edge
        // reaches hold nothing and are left alone.
        const int rowEnd = std::min(rows, RowBottom - bandTop);
        for (int r = std::max(0, RowTop - bandTop); r < rowEnd;) {
            const int y = bandTop + r;
            const bool written = y >= top && y < bottom;
            // Up to where the written part starts or ends, or the last row.
            const int run = std::min(rowEnd, (written   ? bottom
                                              : y < top ? top
                                                        : Height) -
                                                 bandTop) -
                            r;
            detail::TResolveJob part = Job;
            part.Cells += Antialias ? (cellRow + std::size_t(r)) * CellStride : 0;
            part.Crossings += Antialias ? 0 : (cellRow + std::size_t(r)) * CellStride;
            part.Bits += (cellRow + std::size_t(r)) * BitWords;
            part.Rows = run;
            if (written) {
                part.Out = Origin + std::ptrdiff_t(Clip.Top + y - OutTop) * Stride +
                           std::ptrdiff_t(Clip.Left + left - OutLeft) * PixelBytes;
            } else {
                part.OutFirst = part.OutLast = 0;
                part.Out = Origin;
                part.OutStride = 0;
            }
            if (Antialias) {
                detail::ResolveBand(part);
            } else if (listed) {
                part.Listed = Listed.data() + std::size_t(r) * kListSlots;
                part.ListCounts = ListCounts.data() + r;
                detail::ResolveListedBand(part);
            } else {
                detail::ResolveHardBand(part);
            }
            r += run;
        }
    }
}

void TRasterizer::FillSolid(const TImageView& Target, std::uint32_t Argb, TFillRule Rule,
                            TCompositeOp Op) {
    detail::TResolveJob job;
    job.Rule = Rule;
    job.Kind = Op == TCompositeOp::Over ? detail::TTargetKind::Over : detail::TTargetKind::Source;
    job.Color = Argb;
    F->Fill(job, Target.Data, Target.Stride, 4, 0, 0, Target.Width, Target.Height);
}

void FillBox(const TImageView& Target, const TPixelBox& Box, std::uint32_t Argb, TCompositeOp Op) {
    const TPixelBox box = Box.Intersected({0, 0, Target.Width, Target.Height});
    if (box.Empty()) return;
    detail::TResolveJob job;
    job.Kind = Op == TCompositeOp::Over ? detail::TTargetKind::Over : detail::TTargetKind::Source;
    job.Color = Argb;
    job.Rows = box.Height();
    job.Columns = box.Width();
    job.Out = Target.Data + std::ptrdiff_t(box.Top) * Target.Stride + std::ptrdiff_t(box.Left) * 4;
    job.OutStride = Target.Stride;
    detail::FillRows(job);
}

void TRasterizer::FillMask(const TMaskView& Mask, int MaskLeft, int MaskTop, TFillRule Rule) {
    detail::TResolveJob job;
    job.Rule = Rule;
    job.Kind = detail::TTargetKind::Mask;
    F->Fill(job, Mask.Data, Mask.Stride, 1, MaskLeft, MaskTop, MaskLeft + Mask.Width,
            MaskTop + Mask.Height);
}

} // namespace kw::raster
