// SPDX-License-Identifier: MIT
#pragma once
// A plain answer to "does this point lie on the stroke?", written from the definition of a
// stroke rather than from the outline: the union of a band around each segment, a wedge at
// each corner (round, bevelled or mitred) and a cap at each open end. Curves are flattened
// finely and their inner points get round corners, which is how a disc swept along a curve
// covers it. The pieces are kept in buckets of a grid, so a query looks at the few pieces
// near the point. Used by the outline tests and the stroke fuzz target; it knows nothing of
// how the outline is built.

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwStrokeStyle.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <unordered_map>
#include <vector>

namespace kw::test {

struct TOraclePoint {
    double X = 0, Y = 0;
};

// A random path for the stroke tests: a start point, 1 to MaxSegments lines and cubics
// with coordinates in [Low, High), closed one time in three.
template <typename TRng>
TKwPathData RandomStrokePath(TRng& Rng, float Low, float High, int MaxSegments) {
    std::uniform_real_distribution<float> coord(Low, High);
    TKwPathData path;
    path.MoveTo({coord(Rng), coord(Rng)});
    const int segments = 1 + int(Rng() % unsigned(MaxSegments));
    for (int k = 0; k < segments; ++k) {
        if (Rng() % 2)
            path.LineTo({coord(Rng), coord(Rng)});
        else
            path.CurveTo({coord(Rng), coord(Rng)}, {coord(Rng), coord(Rng)},
                         {coord(Rng), coord(Rng)});
    }
    if (Rng() % 3 == 0) path.ClosePath();
    return path;
}

class TStrokeOracle {
public:
    // The stroke of Path with Style, for half widths up to Style.Width / 2 + Slack; curves
    // flattened within Flatness.
    TStrokeOracle(const TKwPathData& Path, const TKwStrokeStyle& Style, double Slack,
                  double Flatness = 0.01)
        : FStyle(Style), FMiterLimit(std::max<double>(Style.MiterLimit, 1)) {
        ReadFigures(Path, Flatness);
        // Each piece goes into the buckets its reach touches: half the width (a square cap's
        // corner and a miter's tip reach farther) plus the slack.
        const double h = Style.Width / 2 + Slack;
        FCell = std::max(h + Slack, 0.5);
        for (uint32_t i = 0; i < FPieces.size(); ++i) {
            const TPiece& p = FPieces[i];
            const double reach =
                (p.Kind == TKind::Wedge ? h * FMiterLimit : h * 1.5) + Slack + 1e-9;
            const double l = std::min(p.A.X, p.B.X), r = std::max(p.A.X, p.B.X);
            const double t = std::min(p.A.Y, p.B.Y), b = std::max(p.A.Y, p.B.Y);
            for (int64_t y = Cell(t - reach); y <= Cell(b + reach); ++y)
                for (int64_t x = Cell(l - reach); x <= Cell(r + reach); ++x)
                    FBuckets[Key(x, y)].push_back(i);
        }
    }

    // Whether (X, Y) is on the stroke of half width H.
    bool Inside(double H, double X, double Y) const {
        const auto found = FBuckets.find(Key(Cell(X), Cell(Y)));
        if (found == FBuckets.end()) return false;
        for (const uint32_t i : found->second)
            if (InPiece(FPieces[i], H, X, Y)) return true;
        return false;
    }

    // Whether the answer at (X, Y) stays the same when the point moves by up to Margin in
    // any of eight directions and the half width changes by Margin: the point is clear of
    // the stroke's edge. Inside gets the answer. The moves go to several distances, so that
    // a thin gap between two pieces (a butt end beside a curve's band) is not stepped over.
    bool Clear(double H, double X, double Y, double Margin, bool& In) const {
        In = Inside(H, X, Y);
        if (Inside(H - Margin, X, Y) != In || Inside(H + Margin, X, Y) != In) return false;
        for (const double r : {Margin / 8, Margin / 4, Margin / 2, Margin})
            for (int k = 0; k < 8; ++k) {
                const double a = k * 0.7853981633974483;
                if (Inside(H, X + r * std::cos(a), Y + r * std::sin(a)) != In) return false;
            }
        return true;
    }

private:
    enum class TKind { Band, RoundWedge, Wedge, RoundCap, SquareCap, Disc };
    // Band: from A along T for length L. Wedges at A from direction T (in) to U (out).
    // Caps at A facing T. A disc around A.
    struct TPiece {
        TKind Kind;
        TOraclePoint A, B, T, U;
        double L = 0;
        bool Miter = false;
    };

    static int64_t Key(int64_t X, int64_t Y) { return X * 1000003 + Y; }
    int64_t Cell(double V) const { return int64_t(std::floor(V / FCell)); }

    bool InPiece(const TPiece& p, double H, double X, double Y) const {
        const double dx = X - p.A.X, dy = Y - p.A.Y;
        const double along = dx * p.T.X + dy * p.T.Y, across = -dx * p.T.Y + dy * p.T.X;
        switch (p.Kind) {
        case TKind::Band:
            return along >= 0 && along <= p.L && std::abs(across) <= H;
        case TKind::RoundWedge:
            return dx * dx + dy * dy <= H * H && along >= 0 && dx * p.U.X + dy * p.U.Y <= 0;
        case TKind::Wedge: {
            const double cross = p.T.X * p.U.Y - p.T.Y * p.U.X;
            const double dot = p.T.X * p.U.X + p.T.Y * p.U.Y;
            const double s = cross <= 0 ? H : -H; // the outer side
            const TOraclePoint e1{p.A.X - p.T.Y * s, p.A.Y + p.T.X * s};
            const TOraclePoint e2{p.A.X - p.U.Y * s, p.A.Y + p.U.X * s};
            TOraclePoint poly[4] = {p.A, e1, e2, e2};
            int n = 3;
            if (p.Miter && 1 + dot > 0 && 2 <= FMiterLimit * FMiterLimit * (1 + dot)) {
                const double k = s / (1 + dot);
                poly[2] = {p.A.X + (-p.T.Y - p.U.Y) * k, p.A.Y + (p.T.X + p.U.X) * k};
                poly[3] = e2;
                n = 4;
            }
            bool in = false;
            for (int i = 0, j = n - 1; i < n; j = i++)
                if ((poly[i].Y > Y) != (poly[j].Y > Y) &&
                    X < poly[j].X +
                            (poly[i].X - poly[j].X) * (Y - poly[j].Y) / (poly[i].Y - poly[j].Y))
                    in = !in;
            return in;
        }
        case TKind::RoundCap:
            return along >= 0 && dx * dx + dy * dy <= H * H;
        case TKind::SquareCap:
            return along >= 0 && along <= H && std::abs(across) <= H;
        case TKind::Disc:
            return dx * dx + dy * dy <= H * H;
        }
        return false;
    }

    // Adds the pieces of one figure: points with whether each is a corner of the path.
    void AddFigure(std::vector<TOraclePoint> Points, std::vector<bool> Corner, bool Closed) {
        std::vector<TOraclePoint> pts;
        std::vector<bool> corner;
        for (size_t i = 0; i < Points.size(); ++i) {
            if (!pts.empty() && pts.back().X == Points[i].X && pts.back().Y == Points[i].Y) {
                if (Corner[i]) corner.back() = true;
                continue;
            }
            pts.push_back(Points[i]);
            corner.push_back(Corner[i]);
        }
        if (pts.empty()) return;
        if (pts.size() < 2) {
            if (FStyle.Cap == lcRound) FPieces.push_back({TKind::Disc, pts[0], pts[0], {}, {}});
            return;
        }
        if (Closed && pts.size() > 2 && pts.front().X == pts.back().X &&
            pts.front().Y == pts.back().Y) {
            pts.pop_back();
            corner.front() = true;
        }
        const size_t m = pts.size();
        const bool closed = Closed;
        const size_t segments = closed ? m : m - 1;
        const auto dir = [&](size_t i) {
            const TOraclePoint &a = pts[i % m], &b = pts[(i + 1) % m];
            const double l = std::hypot(b.X - a.X, b.Y - a.Y);
            return TOraclePoint{(b.X - a.X) / l, (b.Y - a.Y) / l};
        };
        for (size_t i = 0; i < segments; ++i) {
            const TOraclePoint a = pts[i], b = pts[(i + 1) % m];
            FPieces.push_back({TKind::Band, a, b, dir(i), {}, std::hypot(b.X - a.X, b.Y - a.Y)});
        }
        for (size_t i = closed ? 0 : 1; i < (closed ? m : m - 1); ++i) {
            const TKwLineJoin join = corner[i] ? FStyle.Join : ljRound;
            const TOraclePoint tin = dir((i + m - 1) % m), tout = dir(i);
            FPieces.push_back({join == ljRound ? TKind::RoundWedge : TKind::Wedge, pts[i], pts[i],
                               tin, tout, 0, join == ljMiter});
        }
        if (closed || FStyle.Cap == lcButt) return;
        const TKind cap = FStyle.Cap == lcRound ? TKind::RoundCap : TKind::SquareCap;
        const TOraclePoint t0 = dir(0), t1 = dir(m - 2);
        FPieces.push_back({cap, pts[0], pts[0], {-t0.X, -t0.Y}, {}});
        FPieces.push_back({cap, pts[m - 1], pts[m - 1], t1, {}});
    }

    void ReadFigures(const TKwPathData& Path, double Flatness) {
        std::vector<TOraclePoint> pts;
        std::vector<bool> corner;
        TOraclePoint last, start;
        bool open = false, closed = false;
        const auto finish = [&] {
            if (open && (pts.size() > 1 || closed)) AddFigure(pts, corner, closed);
            pts.clear();
            corner.clear();
            open = closed = false;
        };
        const auto add = [&](TOraclePoint P, bool Corner) {
            if (!open) {
                pts.push_back(last);
                corner.push_back(true);
                start = last;
                open = true;
            }
            pts.push_back(P);
            corner.push_back(Corner);
            last = P;
        };
        const auto entries = Path.Entries();
        for (size_t i = 0; i < entries.size(); ++i) {
            const TKwPoint p = entries[i].Point;
            switch (entries[i].Kind) {
            case ppMoveTo:
                finish();
                last = start = {p.X, p.Y};
                pts.push_back(last);
                corner.push_back(true);
                open = true;
                break;
            case ppLineTo:
                add({p.X, p.Y}, true);
                break;
            case ppCurveTo: {
                const TOraclePoint p0 = last;
                const TKwPoint e1 = p, e2 = entries[i + 1].Point, e3 = entries[i + 2].Point;
                const TOraclePoint c1{e1.X, e1.Y}, c2{e2.X, e2.Y}, p3{e3.X, e3.Y};
                // Even steps within Flatness: the chord error is below |B''| h^2 / 8.
                const double ddx =
                    std::max(std::abs(p0.X - 2 * c1.X + c2.X), std::abs(c1.X - 2 * c2.X + p3.X));
                const double ddy =
                    std::max(std::abs(p0.Y - 2 * c1.Y + c2.Y), std::abs(c1.Y - 2 * c2.Y + p3.Y));
                const int n = std::clamp(
                    int(std::ceil(std::sqrt(0.75 * std::hypot(ddx, ddy) / Flatness))), 4, 20000);
                // Extra steps ever closer to both ends, so that the first and last lines run
                // along the curve's own tangents there, as the joins and caps do.
                std::vector<double> ts;
                for (int k = 30; k >= 1; --k) ts.push_back(std::ldexp(1.0, -k) / n);
                for (int k = 1; k < n; ++k) ts.push_back(double(k) / n);
                for (int k = 1; k <= 30; ++k) ts.push_back(1 - std::ldexp(1.0, -k) / n);
                ts.push_back(1);
                // Where the derivative vanishes at an end, the samples crowding it land a few
                // ulps from the end point, in directions that are noise: those are left out.
                const auto near = [](const TOraclePoint& A, const TOraclePoint& B) {
                    const double eps = 1e-9 * (1 + std::max(std::abs(A.X), std::abs(A.Y)));
                    return std::abs(A.X - B.X) <= eps && std::abs(A.Y - B.Y) <= eps;
                };
                for (const double t : ts) {
                    const double u = 1 - t;
                    const bool end = t == 1;
                    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
                    const TOraclePoint q{a * p0.X + b * c1.X + c * c2.X + d * p3.X,
                                         a * p0.Y + b * c1.Y + c * c2.Y + d * p3.Y};
                    if (!end && (near(q, p0) || near(q, p3))) continue;
                    add(q, end);
                }
                i += 2;
                break;
            }
            case ppClose:
                if (open) {
                    add(start, true);
                    closed = true;
                    finish();
                    last = start;
                }
                break;
            }
        }
        finish();
    }

    TKwStrokeStyle FStyle;
    double FMiterLimit;
    double FCell = 1;
    std::vector<TPiece> FPieces;
    std::unordered_map<int64_t, std::vector<uint32_t>> FBuckets;
};

} // namespace kw::test
