// SPDX-License-Identifier: MIT
// TKwPathMeasure against brute-force arc length: Simpson's rule on |B'| with 2^18 steps in
// long double (2^14 for the many pieces), on curves with cusps, loops and control points on their
// ends. The point at a distance lies on the path with the length up to it equal to the distance;
// the piece between two distances has the requested length (measured by the same brute force).
#include "kwgfx/path/KwPathMeasure.h"

#include "kwgfx/path/KwPathData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace kw;

namespace {

struct TCurve {
    TKwPoint P[4];
};

long double Speed(const TCurve& C, long double t) {
    const long double u = 1 - t;
    long double d[2];
    for (int k = 0; k < 2; ++k) {
        const auto c = [&](int i) {
            return k == 0 ? (long double)C.P[i].X : (long double)C.P[i].Y;
        };
        d[k] = 3 * (u * u * (c(1) - c(0)) + 2 * u * t * (c(2) - c(1)) + t * t * (c(3) - c(2)));
    }
    return std::sqrt(d[0] * d[0] + d[1] * d[1]);
}

// Arc length from T0 to T1 by Simpson's rule with 2^Bits steps.
double BruteLength(const TCurve& C, double T0 = 0, double T1 = 1, int Bits = 18) {
    const int n = 1 << Bits;
    const long double h = (long double)(T1 - T0) / n;
    long double sum = Speed(C, T0) + Speed(C, T1);
    for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * Speed(C, T0 + i * h);
    return double(sum * h / 3);
}

// The brute-force length of every curve and line of Path, figures closed as drawn.
double BrutePathLength(const TKwPathData& Path, int Bits = 18) {
    double total = 0;
    TKwPoint last, start;
    const auto e = Path.Entries();
    for (size_t i = 0; i < e.size(); ++i) {
        const TKwPoint p = e[i].Point;
        switch (e[i].Kind) {
        case ppMoveTo:
            last = start = p;
            break;
        case ppLineTo:
            total += std::hypot(double(p.X) - last.X, double(p.Y) - last.Y);
            last = p;
            break;
        case ppCurveTo:
            total += BruteLength({{last, p, e[i + 1].Point, e[i + 2].Point}}, 0, 1, Bits);
            last = e[i + 2].Point;
            i += 2;
            break;
        case ppClose:
            total += std::hypot(double(start.X) - last.X, double(start.Y) - last.Y);
            last = start;
            break;
        }
    }
    return total;
}

const TCurve kCurves[] = {
    {{{0, 0}, {30, 60}, {70, -60}, {100, 0}}},              // an S
    {{{0, 0}, {100, 80}, {-20, 80}, {80, 0}}},              // a loop
    {{{0, 0}, {80, 60}, {20, 60}, {100, 0}}},               // a cusp: the control arms cross
    {{{0, 0}, {0, 0}, {50, 50}, {100, 0}}},                 // first control point on the start
    {{{0, 0}, {100, 0}, {-50, 0}, {50, 0}}},                // straight, reversing twice
    {{{10, 10}, {10, 10}, {10, 10}, {10, 10}}},             // a point
    {{{0, 0}, {0.001f, 0}, {0.002f, 0.001f}, {0.003f, 0}}}, // tiny
    {{{-2e4f, 0}, {0, 3e4f}, {1e4f, -3e4f}, {2e4f, 0}}},    // large
    // Found by the fuzzer: straight up and back, the turn where the rules on the halves and
    // on the whole happened to agree, 0.006 short.
    {{{0, -125.64765f}, {0, -.0046352167f}, {0, -.75199497f}, {0, -122}}},
};

} // namespace

TEST(PathMeasure, CurveLengthsAgreeWithBruteForceIntegration) {
    for (const TCurve& c : kCurves) {
        TKwPathData path;
        path.MoveTo(c.P[0]);
        path.CurveTo(c.P[1], c.P[2], c.P[3]);
        const TKwPathMeasure m(path);
        const double brute = BruteLength(c);
        EXPECT_NEAR(m.Length(), brute, 1e-9 * brute + 1e-9) << path.GetSvgPathString();
        EXPECT_EQ(KwPathLength(path), m.Length());
    }
}

TEST(PathMeasure, PointsAtDistancesHaveThoseLengthsBeforeThem) {
    for (const TCurve& c : kCurves) {
        TKwPathData path;
        path.MoveTo(c.P[0]);
        path.CurveTo(c.P[1], c.P[2], c.P[3]);
        const TKwPathMeasure m(path);
        const double total = m.Length();
        for (const double f : {0.0, 0.1, 0.37, 0.5, 0.81, 1.0}) {
            const double d = f * total;
            // The piece up to d ends at the point at d, and is d long.
            TKwPathData piece;
            m.GetPiece(0, d, piece);
            const TKwPathPosition at = m.PositionAt(d);
            const double scale = 1e-6 * (std::abs(c.P[0].X) + std::abs(c.P[3].X) + 1);
            if (d > 0 && total > 1e-6) {
                ASSERT_EQ(piece.Count(), 4) << path.GetSvgPathString() << " at " << d;
                EXPECT_NEAR(BrutePathLength(piece), d, 1e-7 * total + 1e-9);
                const TKwPoint end = piece.GetPoint(3).Point;
                EXPECT_NEAR(end.X, at.Point.X, scale);
                EXPECT_NEAR(end.Y, at.Point.Y, scale);
            }
            // The tangent is a unit vector along the way the path goes.
            if (total > 1e-6) {
                EXPECT_NEAR(std::hypot(at.Tangent.X, at.Tangent.Y), 1, 1e-6);
                const double e = total * 1e-4;
                const TKwPathPosition a = m.PositionAt(d - e), b = m.PositionAt(d + e);
                const double dx = double(b.Point.X) - a.Point.X, dy = double(b.Point.Y) - a.Point.Y;
                const double l = std::hypot(dx, dy);
                if (l > 1e-3 * e) { // not at a cusp, where the tangent turns at once
                    EXPECT_GT((dx * at.Tangent.X + dy * at.Tangent.Y) / l, 0.99)
                        << path.GetSvgPathString() << " at " << d;
                }
            }
        }
    }
}

TEST(PathMeasure, PiecesBetweenDistancesHaveTheRequestedLengths) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> coord(-50, 50);
    for (int round = 0; round < 20; ++round) {
        TKwPathData path;
        for (int f = 0; f < 1 + round % 3; ++f) {
            path.MoveTo({coord(rng), coord(rng)});
            for (int k = 0; k < 3; ++k) {
                if (rng() % 2)
                    path.LineTo({coord(rng), coord(rng)});
                else
                    path.CurveTo({coord(rng), coord(rng)}, {coord(rng), coord(rng)},
                                 {coord(rng), coord(rng)});
            }
            if (rng() % 2) path.ClosePath();
        }
        const TKwPathMeasure m(path);
        EXPECT_NEAR(m.Length(), BrutePathLength(path), 1e-8 * m.Length());
        double figures = 0;
        for (int32_t i = 0; i < m.FigureCount(); ++i) figures += m.FigureLength(i);
        EXPECT_NEAR(figures, m.Length(), 1e-9 * m.Length());
        for (int k = 0; k < 5; ++k) {
            double a = std::uniform_real_distribution<double>(0, m.Length())(rng);
            double b = std::uniform_real_distribution<double>(0, m.Length())(rng);
            if (a > b) std::swap(a, b);
            TKwPathData piece;
            m.GetPiece(a, b, piece);
            EXPECT_NEAR(BrutePathLength(piece, 14), b - a, 1e-6 * m.Length())
                << path.GetSvgPathString() << " from " << a << " to " << b;
        }
    }
}

TEST(PathMeasure, RunsAlongFiguresInTurn) {
    TKwPathData path;
    // A square of side 10 (closed: 40 long), a lone move, a zero-length line, a line of 5.
    ASSERT_TRUE(path.SetSvgPathString("M0 0H10V10H0Z M50 50 M20 0L20 0L25 0"));
    const TKwPathMeasure m(path);
    EXPECT_DOUBLE_EQ(m.Length(), 45);
    EXPECT_EQ(m.FigureCount(), 2);
    const struct {
        double D;
        TKwPoint Point, Tangent;
    } cases[] = {
        {0, {0, 0}, {1, 0}},   {5, {5, 0}, {1, 0}},   {10, {10, 0}, {0, 1}}, // the next side counts
        {35, {0, 5}, {0, -1}}, {40, {20, 0}, {1, 0}}, // the end of one figure is the next's start
        {42, {22, 0}, {1, 0}}, {45, {25, 0}, {1, 0}}, {99, {25, 0}, {1, 0}}, // clamped
        {-3, {0, 0}, {1, 0}},
    };
    for (const auto& c : cases) {
        const TKwPathPosition p = m.PositionAt(c.D);
        EXPECT_FLOAT_EQ(p.Point.X, c.Point.X) << c.D;
        EXPECT_FLOAT_EQ(p.Point.Y, c.Point.Y) << c.D;
        EXPECT_FLOAT_EQ(p.Tangent.X, c.Tangent.X) << c.D;
        EXPECT_FLOAT_EQ(p.Tangent.Y, c.Tangent.Y) << c.D;
    }
    TKwPathData piece;
    m.GetPiece(35, 42, piece); // across the two figures
    EXPECT_EQ(piece.GetSvgPathString(), "M0 5 0 0M20 0 22 0");
    m.GetPiece(0, 40, piece); // the closed figure whole stays closed
    EXPECT_EQ(piece.GetSvgPathString(), "M0 0 10 0 10 10 0 10Z");
    m.GetPiece(30, 30, piece);
    EXPECT_EQ(piece.Count(), 0);
    m.GetPiece(NAN, 2, piece);
    EXPECT_EQ(piece.GetSvgPathString(), "M0 0 2 0");
}

TEST(PathMeasure, MeasuresNothingWithoutFailing) {
    TKwPathData empty, point, broken;
    ASSERT_TRUE(point.SetSvgPathString("M3 4Z"));
    broken.MoveTo({0, 0});
    broken.LineTo({INFINITY, 0});
    for (const TKwPathData* p : {&empty, &point, &broken}) {
        const TKwPathMeasure m(*p);
        EXPECT_EQ(m.Length(), 0);
        EXPECT_EQ(m.FigureCount(), 0);
        const TKwPathPosition at = m.PositionAt(1);
        EXPECT_EQ(at.Tangent.X, 0);
        EXPECT_EQ(at.Tangent.Y, 0);
        TKwPathData piece;
        m.GetPiece(0, 1, piece);
        EXPECT_EQ(piece.Count(), 0);
    }
    EXPECT_EQ(TKwPathMeasure(point).PositionAt(0).Point.X, 3);
    TKwPathMeasure moved(point);
    const TKwPathMeasure into(std::move(moved));
    EXPECT_EQ(moved.Length(), 0); // the source measures nothing
}

// Found by the fuzzer: at a scale of 2^-60 the search for a parameter stopped on an
// absolute error, which was larger than the whole path.
TEST(PathMeasure, MeasuresTinyAndHugePathsAlike) {
    for (const float scale : {0x1p-60f, 1.0f, 0x1p60f}) {
        TKwPathData path;
        ASSERT_TRUE(path.SetSvgPathString("M0 0C30 60 70 -60 100 0L100 50C0 80 120 100 0 0Z"));
        path.Scale(scale, scale);
        const TKwPathMeasure m(path);
        for (const double f : {0.1, 0.45, 0.9}) {
            TKwPathData piece;
            m.GetPiece(0, f * m.Length(), piece);
            EXPECT_NEAR(TKwPathMeasure(piece).Length() / m.Length(), f, 1e-6) << scale;
        }
    }
}
