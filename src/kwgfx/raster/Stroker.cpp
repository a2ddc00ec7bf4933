// SPDX-License-Identifier: MIT
// Outlines of lines with a width (Stroker.h).
//
// The outline of an open line is one figure: along the left side of the line from its
// start, round the end, back along the other side (the left side of the reversed line) and
// round the start. A closed line is two figures, its left side forwards and its right side
// backwards, so that they wind round the band between them alone. At a corner the outer
// side gets the join; the inner side runs through the corner point itself, so that the
// region where the two segments' bands overlap is covered whatever the angle.

#include "kwgfx/raster/Stroker.h"
#include "kwgfx/raster/detail/StrokeOutline.h"

#include <cmath>
#include <vector>

namespace kw::raster {

namespace {

TVertex Direction(TVertex A, TVertex B) {
    const double dx = B.X - A.X, dy = B.Y - A.Y, len = std::sqrt(dx * dx + dy * dy);
    return {dx / len, dy / len};
}

// Computes the corners and ends of lines into one outline, reused from line to line.
class TOutliner {
public:
    TOutliner(const TStrokeStyle& Style, detail::TLineOutline& Outline,
              std::vector<TVertex>& Directions)
        : FOut(Outline), FDirs(Directions), FHalf(Style.Width / 2),
          FMiter(Style.Join == TLineJoin::Miter), FSquare(Style.Cap == TLineCap::Square),
          // A corner is mitred while the miter is at most the limit times the width long:
          // 1 / cos(turn / 2) <= limit, that is cos(turn) >= 2 / limit^2 - 1.
          FMinMiterCos(2 / (Style.MiterLimit * Style.MiterLimit) - 1) {}

    const detail::TLineOutline& Open(std::span<const TVertex> P) {
        Directions(P, false);
        const std::size_t n = P.size();
        const TVertex d0 = FDirs.front(), dn = FDirs.back();
        const double back = FSquare ? FHalf : 0;
        FOut.StartLeft = Offset(P[0], d0, -back);
        for (std::size_t i = 1; i + 1 < n; ++i) {
            FOut.Left[i] = Join(P[i], FDirs[i - 1], FDirs[i]);
            FOut.Right[i] = Join(P[i], Reversed(FDirs[i]), Reversed(FDirs[i - 1]));
        }
        FOut.EndLeft = Offset(P[n - 1], dn, back);
        FOut.EndRight = Offset(P[n - 1], Reversed(dn), -back);
        FOut.StartRight = Offset(P[0], Reversed(d0), back);
        return FOut;
    }

    const detail::TLineOutline& Closed(std::span<const TVertex> P) {
        Directions(P, true);
        const std::size_t n = P.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t before = (i + n - 1) % n;
            FOut.Left[i] = Join(P[i], FDirs[before], FDirs[i]);
            FOut.Right[i] = Join(P[i], Reversed(FDirs[i]), Reversed(FDirs[before]));
        }
        return FOut;
    }

private:
    static TVertex Reversed(TVertex D) { return {-D.X, -D.Y}; }

    void Directions(std::span<const TVertex> P, bool Closed) {
        FDirs.clear();
        for (std::size_t i = 1; i < P.size(); ++i) FDirs.push_back(Direction(P[i - 1], P[i]));
        if (Closed) FDirs.push_back(Direction(P.back(), P.front()));
        FOut.Points = P;
        FOut.Closed = Closed;
        FOut.Left.resize(P.size());
        FOut.Right.resize(P.size());
    }

    // P moved half the width to the left of direction D and Along times D along it.
    TVertex Offset(TVertex P, TVertex D, double Along) const {
        return {P.X - D.Y * FHalf + D.X * Along, P.Y + D.X * FHalf + D.Y * Along};
    }

    // The left side of the line at corner P, from the segment along D1 to the one along D2.
    detail::TCornerSide Join(TVertex P, TVertex D1, TVertex D2) const {
        using detail::TSideKind;
        const TVertex a = Offset(P, D1, 0), b = Offset(P, D2, 0);
        const double cross = D1.X * D2.Y - D1.Y * D2.X;
        const double cos = D1.X * D2.X + D1.Y * D2.Y;
        if (cross == 0 && cos > 0) return {a, a, a, TSideKind::Straight};
        // Turning left: the left side is the inner one.
        if (cross > 0) return {a, P, b, TSideKind::Inner};
        if (FMiter && cos >= FMinMiterCos) {
            const double k = 1 / (1 + cos);
            const TVertex m{P.X + (a.X - P.X + b.X - P.X) * k, P.Y + (a.Y - P.Y + b.Y - P.Y) * k};
            return {a, m, b, TSideKind::Miter};
        }
        return {a, a, b, TSideKind::Bevel};
    }

    detail::TLineOutline& FOut;
    std::vector<TVertex>& FDirs; // each segment's direction
    double FHalf;
    bool FMiter;
    bool FSquare;
    double FMinMiterCos;
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
    thread_local TLineOutline outline;
    distinct.clear();
    for (const TVertex& p : Points) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return;
        if (distinct.empty() || !(distinct.back() == p)) distinct.push_back(p);
    }
    if (Closed && distinct.size() > 1 && distinct.back() == distinct.front()) distinct.pop_back();
    if (distinct.size() < 2) return;
    TOutliner outliner(Style, outline, directions);
    TStrokeStyle butt = Style;
    butt.Cap = TLineCap::Butt;
    TOutliner buttOutliner(butt, outline, directions);
    const auto stroke = [&](std::span<const TVertex> P, bool IsClosed) {
        if (IsClosed && P.size() > 2)
            Sink.Line(outliner.Closed(P));
        else if (IsClosed)
            // There and back: turns of half a circle at both ends, bevelled flat as butt ends.
            Sink.Line(buttOutliner.Open(P));
        else
            Sink.Line(outliner.Open(P));
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
        thread_local std::vector<TVertex> figure;
        figure.clear();
        const std::size_t n = L.Points.size();
        if (L.Closed) {
            for (std::size_t i = 0; i < n; ++i) Side(figure, L.Left[i]);
            FRaster.AddPolygon(figure);
            figure.clear();
            for (std::size_t k = 0; k < n; ++k) Side(figure, L.Right[n - 1 - k]);
            FRaster.AddPolygon(figure);
            return;
        }
        figure.push_back(L.StartLeft);
        for (std::size_t i = 1; i + 1 < n; ++i) Side(figure, L.Left[i]);
        figure.push_back(L.EndLeft);
        figure.push_back(L.EndRight);
        for (std::size_t i = n - 2; i >= 1; --i) Side(figure, L.Right[i]);
        figure.push_back(L.StartRight);
        FRaster.AddPolygon(figure);
    }

private:
    static void Side(std::vector<TVertex>& Figure, const detail::TCornerSide& S) {
        Figure.push_back(S.A);
        if (S.Kind == detail::TSideKind::Straight) return;
        if (S.Kind != detail::TSideKind::Bevel) Figure.push_back(S.Mid);
        Figure.push_back(S.B);
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
