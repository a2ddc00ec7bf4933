// The accumulation rasteriser for fills with very many edges (detail/CoverageRaster.h).
//
// Sections:
//   1. Bands and edges
//   2. Smooth edges: the area each edge cuts off, cell by cell
//   3. Hard edges: crossings at pixel centres
//   4. Summing up the rows

#include "kwgfx/backends/cairo/detail/CoverageRaster.h"

#include <algorithm>
#include <cmath>

namespace kw::platform::cairo_detail {

namespace {

// Cells in a row: the picture's columns, one to the right of them where edges end, and one
// more for the last cell an edge on the right border touches.
int SmoothStride(int Width) {
    return Width + 2;
}
int HardStride(int Width) {
    return Width + 1;
}

int RowsPerBand(int Stride, std::size_t BandCells) {
    return int(std::min<std::size_t>(std::max<std::size_t>(1, BandCells / std::size_t(Stride)),
                                     std::size_t(1) << 30));
}

bool Finite(TPointD P) {
    return std::isfinite(P.X) && std::isfinite(P.Y);
}

// x of the edge from A to B (A.Y < B.Y) at height Y, by the share of the height, so that
// nothing overflows however far the end points lie.
double XAt(TPointD A, TPointD B, double Y) {
    return A.X + (B.X - A.X) * ((Y - A.Y) / (B.Y - A.Y));
}

} // namespace

// ---------------------------------------------------------------- 1. bands and edges

TCoverageRaster::TCoverageRaster(int Width, int Height, bool Smooth, std::size_t BandCells)
    : FWidth(std::max(0, Width)), FHeight(std::max(0, Height)), FSmooth(Smooth) {
    const int stride = FSmooth ? SmoothStride(FWidth) : HardStride(FWidth);
    FBandRows = std::max(1, std::min(FHeight, RowsPerBand(stride, BandCells)));
    if (FBandRows < FHeight) return;
    if (FSmooth)
        FSmoothCells.assign(std::size_t(FHeight) * stride, 0.0f);
    else
        FHardCells.assign(std::size_t(FHeight) * stride, 0);
}

void TCoverageRaster::Accumulate(const TEdge& E, int BandTop, int BandRows) {
    if (FSmooth)
        AccumulateSmooth(E, BandTop, BandRows);
    else
        AccumulateHard(E, BandTop, BandRows);
}

void TCoverageRaster::AddFigure(std::span<const TPointD> Points) {
    if (Points.size() < 2) return;
    for (std::size_t i = 1; i < Points.size(); ++i) AddEdge(Points[i - 1], Points[i]);
    AddEdge(Points.back(), Points.front());
}

void TCoverageRaster::AddEdge(TPointD From, TPointD To) {
    // A horizontal edge changes nothing; one that is not finite cannot be placed.
    if (From.Y == To.Y || !Finite(From) || !Finite(To)) return;
    // Only edges that reach the picture's rows matter.
    if (std::max(From.Y, To.Y) <= 0 || std::min(From.Y, To.Y) >= FHeight) return;
    if (FBandRows < FHeight)
        FEdges.push_back({From, To});
    else
        Accumulate({From, To}, 0, FHeight);
}

// ---------------------------------------------------------------- 2. smooth edges

namespace {

// The mean over x in [A, B] of how much of cell C lies right of x: clamp(C + 1 - x, 0, 1).
double MeanRightOf(double A, double B, int C) {
    const auto antiderivative = [C](double X) {
        const double u = X - C;
        if (u <= 0) return u;
        if (u >= 1) return 0.5;
        return u - u * u / 2;
    };
    if (B - A < 1e-9) return std::clamp(C + 1 - (A + B) / 2, 0.0, 1.0);
    return (antiderivative(B) - antiderivative(A)) / (B - A);
}

// Adds to one row of cells what a piece of edge within that row changes: D is its height
// in the row, signed by its direction, and it runs from x = A to x = B (both in [0, width]).
// Cell c gets F(c) - F(c - 1), where F(c) is the part of pixel c's strip right of the piece;
// from the last cell it touches on, every pixel gets all of D.
void AddRowPiece(float* Row, double A, double B, double D) {
    const double left = std::min(A, B), right = std::max(A, B);
    const int first = int(std::floor(left)), last = int(std::floor(right));
    double before = 0;
    for (int c = first; c <= last; ++c) {
        const double f = D * MeanRightOf(left, right, c);
        Row[c] += float(f - before);
        before = f;
    }
    Row[last + 1] += float(D - before);
}

} // namespace

void TCoverageRaster::AccumulateSmooth(const TEdge& E, int BandTop, int BandRows) {
    TPointD a = E.From, b = E.To;
    double dir = 1;
    if (a.Y > b.Y) std::swap(a, b), dir = -1;
    const double top = std::max<double>(a.Y, BandTop);
    const double bottom = std::min<double>(b.Y, BandTop + BandRows);
    if (!(top < bottom)) return;
    const double width = FWidth;
    const int stride = SmoothStride(FWidth);

    // The edge in pieces between its crossings of the picture's left and right borders: a
    // piece left of the picture acts as if on its left border (it adds its whole height to
    // every pixel), a piece right of it changes no pixel.
    double cuts[4] = {top, top, top, bottom};
    int count = 1;
    for (const double border : {0.0, width}) {
        if ((a.X < border) != (b.X < border) && a.X != b.X) {
            const double y = a.Y + (b.Y - a.Y) * ((border - a.X) / (b.X - a.X));
            if (y > top && y < bottom) cuts[count++] = y;
        }
    }
    if (count == 3 && cuts[1] > cuts[2]) std::swap(cuts[1], cuts[2]);
    cuts[count++] = bottom;
    for (int i = 0; i + 1 < count; ++i) {
        const double y0 = cuts[i], y1 = cuts[i + 1];
        if (!(y0 < y1)) continue;
        const double mid = XAt(a, b, (y0 + y1) / 2);
        if (mid >= width) continue;
        const bool onLeftBorder = mid <= 0;
        for (int row = int(std::floor(y0)); row < y1; ++row) {
            const double yt = std::max<double>(y0, row), yb = std::min<double>(y1, row + 1);
            if (!(yt < yb)) continue;
            double xt = 0, xb = 0;
            if (!onLeftBorder) {
                xt = std::clamp(XAt(a, b, yt), 0.0, width);
                xb = std::clamp(XAt(a, b, yb), 0.0, width);
            }
            float* cells = FSmoothCells.data() + std::size_t(row - BandTop) * stride;
            AddRowPiece(cells, xt, xb, dir * (yb - yt));
        }
    }
}

// ---------------------------------------------------------------- 3. hard edges

void TCoverageRaster::AccumulateHard(const TEdge& E, int BandTop, int BandRows) {
    TPointD a = E.From, b = E.To;
    std::int32_t dir = 1;
    if (a.Y > b.Y) std::swap(a, b), dir = -1;
    // Rows whose centre y + 1/2 lies in [a.Y, b.Y).
    const double first = std::max<double>(std::ceil(a.Y - 0.5), BandTop);
    const double last = std::min<double>(std::ceil(b.Y - 0.5) - 1, BandTop + BandRows - 1);
    const int stride = HardStride(FWidth);
    for (int row = int(first); row <= last; ++row) {
        const double x = XAt(a, b, row + 0.5);
        // Pixel c lies right of the crossing when its centre c + 1/2 is at or past it.
        const double cell = std::ceil(std::clamp(x, -1.0, FWidth + 1.0) - 0.5);
        const int c = int(std::clamp(cell, 0.0, double(FWidth)));
        FHardCells[std::size_t(row - BandTop) * stride + c] += dir;
    }
}

// ---------------------------------------------------------------- 4. summing up

void TCoverageRaster::Resolve(bool NonZero, std::uint8_t* Out, int Stride) {
    if (FWidth == 0 || FHeight == 0) return;
    const int cellStride = FSmooth ? SmoothStride(FWidth) : HardStride(FWidth);
    for (int bandTop = 0; bandTop < FHeight; bandTop += FBandRows) {
        const int rows = std::min(FBandRows, FHeight - bandTop);
        if (FBandRows < FHeight) {
            const std::size_t cells = std::size_t(rows) * cellStride;
            FSmoothCells.assign(FSmooth ? cells : 0, 0.0f);
            FHardCells.assign(FSmooth ? 0 : cells, 0);
            for (const TEdge& e : FEdges) Accumulate(e, bandTop, rows);
        }
        const std::vector<float>& smooth = FSmoothCells;
        const std::vector<std::int32_t>& hard = FHardCells;
        for (int r = 0; r < rows; ++r) {
            std::uint8_t* out = Out + std::ptrdiff_t(bandTop + r) * Stride;
            if (FSmooth) {
                const float* row = smooth.data() + std::size_t(r) * cellStride;
                double sum = 0;
                for (int x = 0; x < FWidth; ++x) {
                    sum += row[x];
                    double v = std::abs(sum);
                    if (NonZero) {
                        v = std::min(v, 1.0);
                    } else {
                        v = std::fmod(v, 2.0);
                        if (v > 1) v = 2 - v;
                    }
                    out[x] = std::uint8_t(std::lround(v * 255));
                }
            } else {
                const std::int32_t* row = hard.data() + std::size_t(r) * cellStride;
                std::int32_t winding = 0;
                for (int x = 0; x < FWidth; ++x) {
                    winding += row[x];
                    const bool inside = NonZero ? winding != 0 : (winding & 1) != 0;
                    out[x] = inside ? 255 : 0;
                }
            }
        }
    }
}

} // namespace kw::platform::cairo_detail
