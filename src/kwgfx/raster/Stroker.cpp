// SPDX-License-Identifier: MIT
// Outlines of lines with a width (Stroker.h).
//
// The outline of an open line is one figure: along the left side of the line from its
// start, round the end, back along the other side (the left side of the reversed line) and
// round the start. A closed line is two figures, its left side forwards and its right side
// backwards, so that they wind round the band between them alone. At a gentle corner the
// outline passes where the inner sides meet and, on the outer side, the join's point (or
// its bevel). At a sharp one, or one between short segments where the inner sides would
// meet beyond them, the outer side gets the join and the inner side runs through the corner
// point itself, so that the region where the two segments' bands overlap is covered
// whatever the angle.

#include "kwgfx/raster/Stroker.h"
#include "kwgfx/raster/detail/StrokeOutline.h"

#include <cmath>
#include <vector>

namespace kw::raster {

namespace {

// The direction from A to B, and its length.
TVertex Direction(TVertex A, TVertex B, double& Length) {
    const double dx = B.X - A.X, dy = B.Y - A.Y, len = std::sqrt(dx * dx + dy * dy);
    Length = len;
    return {dx / len, dy / len};
}

// Gives each line its directions, its segments' lengths and the pen's measures.
class TOutliner {
public:
    TOutliner(const TStrokeStyle& Style, std::vector<TVertex>& Directions,
              std::vector<double>& Lengths)
        : FDirs(Directions), FLengths(Lengths) {
        FOut.Half = Style.Width / 2;
        FOut.Miter = Style.Join == TLineJoin::Miter;
        // A corner is mitred while the miter is at most the limit times the width long:
        // 1 / cos(turn / 2) <= limit, that is cos(turn) >= 2 / limit^2 - 1.
        FOut.MinMiterCos = 2 / (Style.MiterLimit * Style.MiterLimit) - 1;
        FOut.Back = Style.Cap == TLineCap::Square ? FOut.Half : 0;
    }

    const detail::TLineOutline& Line(std::span<const TVertex> P, bool Closed) {
        const std::size_t segments = Closed ? P.size() : P.size() - 1;
        FDirs.resize(segments);
        FLengths.resize(segments);
        for (std::size_t i = 0; i < segments; ++i)
            FDirs[i] = Direction(P[i], P[i + 1 == P.size() ? 0 : i + 1], FLengths[i]);
        FOut.Points = P;
        FOut.Directions = FDirs;
        FOut.Lengths = FLengths;
        FOut.Closed = Closed;
        return FOut;
    }

private:
    detail::TLineOutline FOut;
    std::vector<TVertex>& FDirs;
    std::vector<double>& FLengths;
};

// Most dashes one line may be cut into; a longer line with a finer pattern is drawn solid,
// a bound on time for patterns far finer than a pixel.
constexpr double kMaxDashes = 1 << 20;

// Calls Piece for every dash of the polyline (open, at least two points each).
template <typename F>
void ForEachDash(std::span<const TVertex> P, bool Closed, std::span<const double> Dashes,
                 double Offset, std::vector<TVertex>& Buffer, F&& Piece) {
    double period = 0;
    for (const double d : Dashes) {
        if (!(d >= 0) || !std::isfinite(d)) return Piece(P, Closed);
        period += d;
    }
    double length = 0;
    const std::size_t segments = Closed ? P.size() : P.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const TVertex a = P[i], b = P[(i + 1) % P.size()];
        length += std::sqrt((b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y));
    }
    if (!(period > 0) || !std::isfinite(length) || length / period > kMaxDashes)
        return Piece(P, Closed);
    // Where in the pattern the line starts.
    std::size_t index = 0;
    double left = std::fmod(std::fmod(Offset, period) + period, period);
    while (left >= Dashes[index]) {
        left -= Dashes[index];
        index = (index + 1) % Dashes.size();
    }
    left = Dashes[index] - left;
    bool on = index % 2 == 0;
    Buffer.clear();
    if (on) Buffer.push_back(P[0]);
    for (std::size_t i = 0; i < segments; ++i) {
        const TVertex a = P[i], b = P[(i + 1) % P.size()];
        const double len = std::sqrt((b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y));
        double at = 0;
        while (len - at > left) {
            at += left;
            const double t = at / len;
            const TVertex cut{a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t};
            Buffer.push_back(cut);
            if (on && Buffer.size() >= 2) Piece(std::span<const TVertex>(Buffer), false);
            Buffer.clear();
            index = (index + 1) % Dashes.size();
            on = !on;
            if (on) Buffer.push_back(cut);
            left = Dashes[index];
        }
        left -= len - at;
        if (on) Buffer.push_back(b);
    }
    if (on && Buffer.size() >= 2) Piece(std::span<const TVertex>(Buffer), false);
}

} // namespace

namespace detail {

void OutlineStroke(std::span<const TVertex> Points, bool Closed, const TStrokeStyle& Style,
                   TOutlineSink& Sink) {
    if (!(Style.Width > 0) || !std::isfinite(Style.Width)) return;
    // The points without repeats: segments of no length have no direction.
    thread_local std::vector<TVertex> distinct;
    thread_local std::vector<TVertex> dash;
    thread_local std::vector<TVertex> directions;
    thread_local std::vector<double> lengths;
    distinct.clear();
    for (const TVertex& p : Points) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return;
        if (distinct.empty() || !(distinct.back() == p)) distinct.push_back(p);
    }
    if (Closed && distinct.size() > 1 && distinct.back() == distinct.front()) distinct.pop_back();
    if (distinct.size() < 2) return;
    TOutliner outliner(Style, directions, lengths);
    TStrokeStyle butt = Style;
    butt.Cap = TLineCap::Butt;
    TOutliner buttOutliner(butt, directions, lengths);
    const auto stroke = [&](std::span<const TVertex> P, bool IsClosed) {
        if (IsClosed && P.size() > 2)
            Sink.Line(outliner.Line(P, true));
        else if (IsClosed)
            // There and back: turns of half a circle at both ends, bevelled flat as butt ends.
            Sink.Line(buttOutliner.Line(P, false));
        else
            Sink.Line(outliner.Line(P, false));
    };
    if (Style.Dashes.empty())
        stroke(distinct, Closed);
    else
        ForEachDash(distinct, Closed, Style.Dashes, Style.DashOffset, dash, stroke);
}

} // namespace detail

namespace {

// Adds each line's outline to a rasteriser as whole figures: an open line is one, round
// both ends; a closed line is two, its left side forwards and its right side backwards.
class TFigureSink final : public detail::TOutlineSink {
public:
    explicit TFigureSink(TRasterizer& Raster) : FRaster(Raster) {}

    void Line(const detail::TLineOutline& L) override {
        const std::size_t n = L.Points.size();
        if (L.Closed) {
            Figure(n, [&](auto&& Put) {
                for (std::size_t i = 0; i < n; ++i) Side(Put, L.Left(i));
            });
            Figure(n, [&](auto&& Put) {
                for (std::size_t k = 0; k < n; ++k) Side(Put, L.Right(n - 1 - k));
            });
            return;
        }
        Figure(n, [&](auto&& Put) {
            Put(L.StartLeft());
            for (std::size_t i = 1; i + 1 < n; ++i) Side(Put, L.Left(i));
            Put(L.EndLeft());
            Put(L.EndRight());
            for (std::size_t i = n - 2; i >= 1; --i) Side(Put, L.Right(i));
            Put(L.StartRight());
        });
    }

private:
    // Most points of a line whose figure is gathered and added whole; a longer one goes
    // point by point (the rasteriser would take it so anyway), in bounded memory.
    static constexpr std::size_t kWholeUpTo = 1024;

    // Adds the figure whose points Emit passes to the function it is given.
    template <typename TEmit>
    void Figure(std::size_t Points, TEmit&& Emit) {
        if (Points > kWholeUpTo) {
            bool first = true;
            Emit([&](TVertex P) {
                if (first)
                    FRaster.MoveTo(P);
                else
                    FRaster.LineTo(P);
                first = false;
            });
            FRaster.ClosePath();
            return;
        }
        thread_local std::vector<TVertex> figure;
        figure.clear();
        Emit([&](TVertex P) { figure.push_back(P); });
        FRaster.AddPolygon(figure);
    }

    template <typename TPut>
    static void Side(TPut&& Put, const detail::TCornerSide& S) {
        using detail::TSideKind;
        if (S.Cut && S.Kind != TSideKind::Bevel) {
            // The corner's point on the cut alone.
            Put(S.Kind == TSideKind::Straight ? S.A : S.Mid);
            return;
        }
        Put(S.A);
        if (S.Kind == TSideKind::Straight) return;
        if (S.Kind != TSideKind::Bevel || S.Cut) Put(S.Mid);
        Put(S.B);
    }

    TRasterizer& FRaster;
};

} // namespace

void StrokePolyline(TRasterizer& Raster, std::span<const TVertex> Points, bool Closed,
                    const TStrokeStyle& Style) {
    TFigureSink sink(Raster);
    detail::OutlineStroke(Points, Closed, Style, sink);
}

} // namespace kw::raster
