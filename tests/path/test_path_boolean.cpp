// SPDX-License-Identifier: MIT
// Boolean operations and simplify against a point oracle (BooleanOracle.h): A and B
// flattened finely, each point's winding under each path's own fill rule, combined by the
// operation, must match the result's fill at every grid point farther than the tolerance
// from any edge of A or B. Inputs: random self-crossing polygons, circles and curves, and a
// table of coincident and touching edges. Also: the result's figures never cross, fill the
// same under both rules, keep the area identities, and move exactly with their inputs.
#include "BooleanOracle.h"

#include "kwgfx/path/KwPathBoolean.h"
#include "kwgfx/path/KwPathDash.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathGuarantees.h"
#include "kwgfx/path/KwPathMeasure.h"
#include "kwgfx/path/KwStrokeOutline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace kw;

namespace {

const TKwPathOp kOps[] = {poUnion, poIntersection, poDifference, poXor};
const char* const kOpNames[] = {"union", "intersection", "difference", "xor"};

bool Expected(TKwPathOp Op, bool A, bool B) {
    switch (Op) {
    case poUnion:
        return A || B;
    case poIntersection:
        return A && B;
    case poDifference:
        return A && !B;
    case poXor:
        return A != B;
    }
    return false;
}

// Checks Op(A, B) at grid points clear of every edge; returns the number of points compared.
int CheckAgainstOracle(const TKwPathData& A, const TKwPathData& B, TKwPathOp Op, double Step,
                       const std::string& What) {
    TKwPathData result;
    KwCombinePaths(A, B, Op, result);
    EXPECT_TRUE(KwCheckPathGuarantees(result.Entries()).Ok()) << What;
    EXPECT_EQ(result.FillMode(), fmNonZero);
    const test::TPolys pa = test::FlatPolygons(A), pb = test::FlatPolygons(B);
    const test::TPolys pr = test::FlatPolygons(result);
    EXPECT_FALSE(test::AnyEdgesCross(pr)) << What;
    TKwRect box = A.GetBounds();
    const TKwRect bb = B.GetBounds();
    box = {std::min(box.Left, bb.Left) - 3, std::min(box.Top, bb.Top) - 3,
           std::max(box.Right, bb.Right) + 3, std::max(box.Bottom, bb.Bottom) + 3};
    int compared = 0, failures = 0;
    const double margin = 0.1 + 0.01;
    for (double y = box.Top + 0.0123; y < box.Bottom; y += Step)
        for (double x = box.Left + 0.0371; x < box.Right; x += Step) {
            if (test::DistanceToEdges(pa, x, y) <= margin ||
                test::DistanceToEdges(pb, x, y) <= margin)
                continue;
            ++compared;
            const bool want = Expected(Op, test::Filled(pa, A.FillMode(), x, y),
                                       test::Filled(pb, B.FillMode(), x, y));
            const bool nonzero = test::Filled(pr, fmNonZero, x, y);
            const bool evenOdd = test::Filled(pr, fmEvenOdd, x, y);
            if ((nonzero != want || evenOdd != want) && ++failures <= 3)
                ADD_FAILURE() << What << " at (" << x << ", " << y << "): expected " << want
                              << ", nonzero " << nonzero << ", even-odd " << evenOdd;
        }
    return compared;
}

std::string Describe(const TKwPathData& A, const TKwPathData& B, TKwPathOp Op) {
    const auto rule = [](const TKwPathData& P) {
        return P.FillMode() == fmNonZero ? " (nonzero)" : " (even-odd)";
    };
    return std::string(kOpNames[Op]) + " of " + A.GetSvgPathString() + rule(A) + " and " +
           B.GetSvgPathString() + rule(B);
}

void RandomFigure(TKwPathData& P, std::mt19937& Rng, bool Curves) {
    std::uniform_real_distribution<float> coord(0, 60);
    P.MoveTo({coord(Rng), coord(Rng)});
    const int n = 3 + int(Rng() % 7);
    for (int k = 0; k < n; ++k) {
        if (Curves && Rng() % 2)
            P.CurveTo({coord(Rng), coord(Rng)}, {coord(Rng), coord(Rng)}, {coord(Rng), coord(Rng)});
        else
            P.LineTo({coord(Rng), coord(Rng)});
    }
    P.ClosePath();
}

double Area(const TKwPathData& P) {
    return std::abs(test::SignedArea(test::FlatPolygons(P)));
}

} // namespace

TEST(PathBoolean, AgreesWithTheOracleOnRandomSelfCrossingFigures) {
    std::mt19937 rng(77);
    for (int round = 0; round < 24; ++round) {
        TKwPathData a, b;
        const bool curves = round % 2 == 1;
        RandomFigure(a, rng, curves);
        if (round % 3 == 0) RandomFigure(a, rng, curves); // two overlapping figures
        RandomFigure(b, rng, curves);
        a.SetFillMode(round % 4 < 2 ? fmNonZero : fmEvenOdd);
        b.SetFillMode(round % 4 == 1 || round % 4 == 2 ? fmNonZero : fmEvenOdd);
        for (const TKwPathOp op : kOps)
            EXPECT_GT(CheckAgainstOracle(a, b, op, 1.3, Describe(a, b, op)), 500);
    }
}

TEST(PathBoolean, AgreesWithTheOracleOnCoincidentAndTouchingEdges) {
    const struct {
        const char *A, *B;
    } cases[] = {
        {"M0 0H20V20H0Z", "M20 0H40V20H20Z"},                  // sharing an edge
        {"M0 0H20V20H0Z", "M10 0H30V20H10Z"},                  // overlapping, edges on one line
        {"M0 0H20V20H0Z", "M0 0H20V20H0Z"},                    // the same square
        {"M0 0H20V20H0Z", "M0 0V20H20V0Z"},                    // the same square, other way round
        {"M0 0H20V20H0Z", "M20 20H40V40H20Z"},                 // touching at a corner
        {"M0 0H30V30H0Z", "M10 10H20V20H10Z"},                 // inside, no shared edge
        {"M0 0H30V30H0Z", "M0 10H15V20H0Z"},                   // inside, sharing part of an edge
        {"M0 0H30V30H0ZM10 10V20H20V10Z", "M10 10H20V20H10Z"}, // filling a hole exactly
        {"M0 0L40 0 20 20Z", "M20 20 40 40H0Z"},               // touching at a vertex
        {"M0 0H20V20H0ZM20 0H40V20H20Z", "M10 5H30V15H10Z"},   // A's own figures share an edge
        {"M0 0H40L0 0 40 20Z", "M0 5H40V10H0Z"},               // a spike back along an edge
    };
    for (const auto& c : cases)
        for (const TKwFillMode mode : {fmNonZero, fmEvenOdd}) {
            TKwPathData a, b;
            ASSERT_TRUE(a.SetSvgPathString(c.A));
            ASSERT_TRUE(b.SetSvgPathString(c.B));
            a.SetFillMode(mode);
            b.SetFillMode(mode);
            for (const TKwPathOp op : kOps)
                EXPECT_GT(CheckAgainstOracle(a, b, op, 0.77, Describe(a, b, op)), 200);
        }
}

TEST(PathBoolean, AgreesWithTheOracleOnCirclesAndCurves) {
    const struct {
        TKwRect A, B;
    } circles[] = {
        {{0, 0, 40, 40}, {40, 0, 80, 40}},  // touching
        {{0, 0, 40, 40}, {20, 0, 60, 40}},  // overlapping
        {{0, 0, 40, 40}, {0, 0, 40, 40}},   // the same circle
        {{0, 0, 40, 40}, {10, 10, 30, 30}}, // concentric
        {{0, 0, 40, 40}, {0, 10, 20, 30}},  // inside, touching
    };
    for (const auto& c : circles)
        for (const TKwPathOp op : kOps) {
            TKwPathData a, b;
            a.AddEllipse(c.A);
            b.AddEllipse(c.B);
            b.SetFillMode(fmNonZero);
            CheckAgainstOracle(a, b, op, 0.83, Describe(a, b, op));
        }
}

TEST(PathBoolean, KeepsTheAreaIdentities) {
    std::mt19937 rng(5);
    for (int round = 0; round < 12; ++round) {
        TKwPathData a, b, u, i, d, x, sa, sb;
        RandomFigure(a, rng, true);
        RandomFigure(b, rng, round % 2 == 0);
        b.SetFillMode(fmNonZero);
        KwCombinePaths(a, b, poUnion, u);
        KwCombinePaths(a, b, poIntersection, i);
        KwCombinePaths(a, b, poDifference, d);
        KwCombinePaths(a, b, poXor, x);
        KwSimplifyPath(a, sa);
        KwSimplifyPath(b, sb);
        // Each boundary lies within the tolerance: areas agree within it times the length
        // of the boundaries, which stay below 60 * 4 * 10 here.
        const double slack = 0.1 * 2400;
        const std::string what = Describe(a, b, poUnion);
        EXPECT_NEAR(Area(u) + Area(i), Area(sa) + Area(sb), slack) << what;
        EXPECT_NEAR(Area(x), Area(u) - Area(i), slack) << what;
        EXPECT_NEAR(Area(d), Area(u) - Area(sb), slack) << what;
        // The same arrangement decides all four: these hold to rounding.
        EXPECT_NEAR(Area(u), Area(d) + Area(i) + (Area(x) - Area(d)), 1e-6 * Area(u) + 1e-3)
            << what;
    }
}

TEST(PathBoolean, MovesExactlyWithItsInputs) {
    std::mt19937 rng(11);
    for (int round = 0; round < 10; ++round) {
        TKwPathData a, b;
        RandomFigure(a, rng, true);
        RandomFigure(b, rng, true);
        // Coordinates of few bits, so that the moved inputs are exact too.
        for (TKwPathData* p : {&a, &b}) {
            std::vector<TKwPathPoint> e(p->Entries().begin(), p->Entries().end());
            for (TKwPathPoint& q : e) {
                const TKwPoint v = q.Point;
                q.Point = TKwPoint(std::round(v.X * 64) / 64, std::round(v.Y * 64) / 64);
            }
            ASSERT_TRUE(p->SetEntries(e).Ok());
        }
        for (const TKwPathOp op : kOps) {
            TKwPathData r, moved, ma, mb;
            KwCombinePaths(a, b, op, r);
            ma.Assign(a);
            mb.Assign(b);
            const float dx = float(int(rng() % 20000) - 10000), dy = float(int(rng() % 2000));
            ma.Translate(dx, dy);
            mb.Translate(dx, dy);
            KwCombinePaths(ma, mb, op, moved);
            r.Translate(dx, dy);
            ASSERT_EQ(r.Count(), moved.Count()) << Describe(a, b, op);
            for (int32_t k = 0; k < r.Count(); ++k) {
                ASSERT_EQ(r.GetPoint(k).Kind, moved.GetPoint(k).Kind);
                if (r.GetPoint(k).Kind == ppClose) continue; // Translate leaves closes as they were
                const TKwPoint p = r.GetPoint(k).Point, q = moved.GetPoint(k).Point;
                ASSERT_EQ(p.X, q.X) << Describe(a, b, op) << " entry " << k;
                ASSERT_EQ(p.Y, q.Y) << Describe(a, b, op) << " entry " << k;
            }
        }
    }
}

TEST(PathBoolean, MovesWithinTheToleranceByAnyOffset) {
    std::mt19937 rng(13);
    for (int round = 0; round < 6; ++round) {
        TKwPathData a, b, r, moved, ma, mb;
        RandomFigure(a, rng, true);
        RandomFigure(b, rng, true);
        KwCombinePaths(a, b, poXor, r);
        ma.Assign(a);
        mb.Assign(b);
        ma.Translate(0.3183f, -0.7071f);
        mb.Translate(0.3183f, -0.7071f);
        KwCombinePaths(ma, mb, poXor, moved);
        moved.Translate(-0.3183f, 0.7071f);
        EXPECT_NEAR(Area(moved), Area(r), 0.1 * 2400);
        CheckAgainstOracle(ma, mb, poXor, 1.1, Describe(ma, mb, poXor));
    }
}

TEST(PathSimplify, GivesFiguresThatDoNotOverlapUnderEitherRule) {
    const struct {
        const char* Data;
        TKwFillMode Mode;
    } cases[] = {
        {"M50 5 L63 90 L5 35 L95 35 L37 90 Z", fmNonZero},
        {"M50 5 L63 90 L5 35 L95 35 L37 90 Z", fmEvenOdd},
        {"M0 0H30V30H0ZM10 10H20V20H10Z", fmNonZero}, // same turn: no hole
        {"M0 0H30V30H0ZM10 10H20V20H10Z", fmEvenOdd}, // a hole
        {"M10 10C80 -20 80 80 10 50C-20 40 60 -10 40 60Z", fmNonZero},
        {"M0 0H10V10H0ZM5 5H15V15H5ZM0 0H10V10H0Z", fmEvenOdd}, // a figure twice
    };
    for (const auto& c : cases) {
        TKwPathData p, s;
        ASSERT_TRUE(p.SetSvgPathString(c.Data));
        p.SetFillMode(c.Mode);
        KwSimplifyPath(p, s);
        const test::TPolys pp = test::FlatPolygons(p), ps = test::FlatPolygons(s);
        EXPECT_FALSE(test::AnyEdgesCross(ps)) << c.Data;
        int compared = 0;
        for (double y = -5.013; y < 100; y += 0.9)
            for (double x = -5.031; x < 100; x += 0.9) {
                if (test::DistanceToEdges(pp, x, y) <= 0.11) continue;
                ++compared;
                const bool want = test::Filled(pp, c.Mode, x, y);
                ASSERT_EQ(test::Filled(ps, fmNonZero, x, y), want)
                    << c.Data << " " << x << "," << y;
                ASSERT_EQ(test::Filled(ps, fmEvenOdd, x, y), want)
                    << c.Data << " " << x << "," << y;
            }
        EXPECT_GT(compared, 1000);
    }
}

TEST(PathBoolean, TakesDegenerateInputWithoutFailing) {
    TKwPathData empty, square, line, point, huge, tiny, broken;
    ASSERT_TRUE(square.SetSvgPathString("M0 0H10V10H0Z"));
    ASSERT_TRUE(line.SetSvgPathString("M0 0L10 10"));
    ASSERT_TRUE(point.SetSvgPathString("M5 5Z"));
    ASSERT_TRUE(huge.SetSvgPathString("M-3e38 -3e38H3e38V3e38H-3e38Z"));
    ASSERT_TRUE(tiny.SetSvgPathString("M0 0H1e-30V1e-30H0Z"));
    broken.MoveTo({0, 0});
    broken.LineTo({NAN, 5});
    broken.LineTo({5, 5});
    for (const TKwPathData* a : {&empty, &square, &line, &point, &huge, &tiny, &broken})
        for (const TKwPathData* b : {&empty, &square, &line, &point, &huge, &tiny, &broken})
            for (const TKwPathOp op : kOps) {
                TKwPathData r;
                KwCombinePaths(*a, *b, op, r);
                EXPECT_TRUE(KwCheckPathGuarantees(r.Entries()).Ok());
            }
    TKwPathData r;
    KwCombinePaths(square, empty, poUnion, r);
    EXPECT_NEAR(Area(r), 100, 1e-9);
    KwCombinePaths(square, line, poDifference, r); // a line has no area
    EXPECT_NEAR(Area(r), 100, 1e-9);
    KwCombinePaths(square, square, poXor, r);
    EXPECT_EQ(r.Count(), 0);
}

TEST(PathToolbox, ValueFormsGiveWhatTheResultFormsDo) {
    TKwPathData a, b, r;
    ASSERT_TRUE(a.SetSvgPathString("M0 0C40 0 40 40 0 40Z"));
    ASSERT_TRUE(b.SetSvgPathString("M10 10H50V30H10Z"));
    KwCombinePaths(a, b, poXor, r);
    EXPECT_TRUE(KwCombinePaths(a, b, poXor) == r);
    KwSimplifyPath(a, r, 0.5f);
    EXPECT_TRUE(KwSimplifyPath(a, 0.5f) == r);
    TKwStrokeStyle style;
    style.Width = 3;
    KwStrokeOutline(a, style, r);
    EXPECT_TRUE(KwStrokeOutline(a, style) == r);
    const float pattern[] = {5, 2};
    KwDashPath(a, pattern, 1, r);
    EXPECT_TRUE(KwDashPath(a, pattern, 1) == r);
    const TKwPathMeasure m(a);
    m.GetPiece(3, 30, r);
    EXPECT_TRUE(m.Piece(3, 30) == r);
}
