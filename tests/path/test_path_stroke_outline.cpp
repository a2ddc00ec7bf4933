// SPDX-License-Identifier: MIT
// The stroke outline and the stroke hit test against an oracle written from the definition
// of a stroke (StrokeOracle.h): every grid point clear of the stroke's edge must be inside
// the filled outline (PointInPathArea, nonzero) exactly when the oracle says it is on the
// stroke, and the hit test must say the same. Shapes come from a table of hard cases
// (sharp and reversing corners, self-crossing figures, cusps, loops, curves tighter than
// the pen) and from random paths, under every join and cap.
#include "BooleanOracle.h"
#include "StrokeOracle.h"

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathGuarantees.h"
#include "kwgfx/path/KwStrokeHitTest.h"
#include "kwgfx/path/KwStrokeOutline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

using namespace kw;

namespace {

struct TShape {
    const char* Name;
    const char* Data; // SVG path data
};

const TShape kShapes[] = {
    {"zigzag", "M10 60 L30 10 L50 60 L55 12 L90 58"},
    {"reversal", "M10 30 L80 30 L20 30"},
    {"zero-length segments", "M10 10 L10 10 L60 20 L60 20 L60 20 L30 70 L30 70"},
    {"closed star", "M50 5 L63 90 L5 35 L95 35 L37 90 Z"},
    {"closed square", "M20 20 H80 V80 H20 Z"},
    {"s curve", "M10 80 C40 -20 60 120 90 20"},
    {"loop", "M10 60 C120 0 -20 0 90 60"},
    {"cusp", "M10 70 C90 10 10 10 90 70"},
    {"flat reversing cubic", "M10 50 C90 50 0 50 60 50"},
    {"tight circle", "M50 46 C52.2 46 54 47.8 54 50 C54 52.2 52.2 54 50 54 C47.8 54 46 52.2 46 50 "
                     "C46 47.8 47.8 46 50 46 Z"},
    {"arc and line", "M10 50 A30 30 0 0 1 70 50 L90 80"},
    {"curve into corner", "M10 80 Q50 0 50 80 L90 10"},
    {"dot", "M40 40 Z"},
    {"two figures", "M10 10 L40 40 M60 60 C70 90 90 70 60 60"},
};

const TKwLineJoin kJoins[] = {ljMiter, ljRound, ljBevel};
const TKwLineCap kCaps[] = {lcButt, lcRound, lcSquare};

// Compares the outline and the hit test with the oracle on a grid over the path's box
// (the hit test at every 23rd point). Returns the number of points compared.
int CompareWithOracle(const TKwPathData& Path, const TKwStrokeStyle& Style, double Step,
                      const std::string& What) {
    TKwPathData outline;
    KwStrokeOutline(Path, Style, outline);
    EXPECT_TRUE(KwCheckPathGuarantees(outline.Entries()).Ok()) << What;
    // Outline within the tolerance, PointInPathArea's curves within 0.1, the oracle's
    // flattening within 0.01.
    const double margin = Style.Tolerance + 0.1 + 0.02;
    const test::TStrokeOracle oracle(Path, Style, margin);
    const double h = Style.Width / 2;
    const TKwRect box = Path.GetBounds();
    const double reach = h * std::max<double>(Style.MiterLimit, 1.5) + 2;
    int compared = 0, failures = 0;
    for (double y = box.Top - reach; y <= box.Bottom + reach; y += Step)
        for (double x = box.Left - reach; x <= box.Right + reach; x += Step) {
            bool inside = false;
            if (!oracle.Clear(h, x, y, margin, inside)) continue;
            const bool filled = outline.PointInPathArea(float(x), float(y));
            const bool hit = compared % 23 == 0
                                 ? KwPointInStroke(Path, Style, TKwPoint(float(x), float(y)))
                                 : inside;
            ++compared;
            if ((filled != inside || hit != inside) && ++failures <= 3)
                ADD_FAILURE() << What << " at (" << x << ", " << y << "): oracle " << inside
                              << ", outline " << filled << ", hit test " << hit;
        }
    return compared;
}

std::string StyleText(const TKwStrokeStyle& S) {
    static const char* const joins[] = {"miter", "round", "bevel"};
    static const char* const caps[] = {"butt", "round", "square"};
    return "width " + std::to_string(S.Width) + ", " + joins[S.Join] + " join (limit " +
           std::to_string(S.MiterLimit) + "), " + caps[S.Cap] + " cap";
}

} // namespace

TEST(StrokeOutline, AgreesWithTheDefinitionOnHardShapes) {
    for (const TShape& shape : kShapes) {
        TKwPathData path;
        ASSERT_TRUE(path.SetSvgPathString(shape.Data)) << shape.Name;
        // Every join with every cap at the middle width; at a thin and a wide width, each
        // join once, with a cap of its own.
        for (const float width : {1.5f, 9.0f, 24.0f})
            for (const TKwLineJoin join : kJoins)
                for (const TKwLineCap cap : kCaps) {
                    if (width != 9.0f && int(cap) != int(join)) continue;
                    TKwStrokeStyle style;
                    style.Width = width;
                    style.Join = join;
                    style.Cap = cap;
                    const int compared =
                        CompareWithOracle(path, style, 0.9 + width / 8,
                                          std::string(shape.Name) + ", " + StyleText(style));
                    EXPECT_GT(compared, 50) << shape.Name;
                }
    }
}

TEST(StrokeOutline, AgreesWithTheDefinitionOnRandomPaths) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 30; ++round) {
        const TKwPathData path = test::RandomStrokePath(rng, 0, 100, 6);
        TKwStrokeStyle style;
        style.Width = 0.5f + float(rng() % 200) / 10;
        style.Join = kJoins[rng() % 3];
        style.Cap = kCaps[rng() % 3];
        style.MiterLimit = 1 + float(rng() % 80) / 10;
        CompareWithOracle(path, style, 2.3,
                          "random path " + std::to_string(round) + " " + path.GetSvgPathString() +
                              ", " + StyleText(style));
    }
}

TEST(StrokeOutline, KeepsCurvesWhereTheOffsetFits) {
    TKwPathData circle, outline;
    circle.AddEllipse({0, 0, 100, 100});
    circle.ClosePath();
    TKwStrokeStyle style;
    style.Width = 4;
    KwStrokeOutline(circle, style, outline);
    // Two circles of cubics: a handful of curves each, no flattening.
    const auto e = outline.Entries();
    const auto curves = std::count_if(e.begin(), e.end(),
                                      [](const TKwPathPoint& P) { return P.Kind == ppCurveTo; });
    EXPECT_GE(curves, 2 * 4 * 3);
    EXPECT_LE(e.size(), 2 * 16 * 3 + 8u);
    // Its edges lie within the tolerance of the circles of radius 48 and 52.
    const test::TPolys flat = test::FlatPolygons(outline);
    ASSERT_EQ(flat.size(), 2u);
    for (const auto& poly : flat)
        for (const test::TPt& p : poly) {
            const double r = std::hypot(p.X - 50, p.Y - 50);
            EXPECT_LT(std::min(std::abs(r - 48), std::abs(r - 52)), 0.1);
        }
}

TEST(StrokeOutline, GivesSoundOutlinesForDegenerateInput) {
    const struct {
        const char* Data;
        float Width;
    } cases[] = {
        {"M0 0L10 0", 0},
        {"M0 0L10 0", -3},
        {"M0 0L10 0", NAN},
        {"M0 0L10 0", INFINITY},
        {"M0 0L10 0", 1e-6f},
        {"M0 0C10 0 10 10 0 10", 1e6f},
        {"M0 0C0 0 0 0 0 0", 3},
        {"M0 0L0 0L0 0Z", 3},
        {"M1e30 1e30L-1e30 -1e30", 1e30f},
        {"M0 0C1e-30 0 0 1e-30 1e-30 1e-30", 2},
        {"M0 0L10 0L0 0L10 0", 2},
        {"M5 5C5 5 5 5 20 5", 2}, // control points on the start
    };
    for (const auto& c : cases)
        for (const TKwLineJoin join : kJoins)
            for (const TKwLineCap cap : kCaps) {
                TKwPathData path, outline;
                ASSERT_TRUE(path.SetSvgPathString(c.Data));
                TKwStrokeStyle style;
                style.Width = c.Width;
                style.Join = join;
                style.Cap = cap;
                KwStrokeOutline(path, style, outline);
                EXPECT_TRUE(KwCheckPathGuarantees(outline.Entries()).Ok()) << c.Data;
                if (!(c.Width > 0) || std::isinf(c.Width)) {
                    EXPECT_EQ(outline.Count(), 0) << c.Data;
                }
            }
    // A path with a point that is not finite loses that figure only.
    TKwPathData path, outline;
    path.MoveTo({0, 0});
    path.LineTo({NAN, 1});
    path.MoveTo({0, 10});
    path.LineTo({10, 10});
    KwStrokeOutline(path, TKwStrokeStyle{}, outline);
    EXPECT_TRUE(KwCheckPathGuarantees(outline.Entries()).Ok());
    EXPECT_TRUE(outline.PointInPathArea(5, 10));
    // A point with round ends is a disc; with others, nothing.
    TKwPathData dot;
    ASSERT_TRUE(dot.SetSvgPathString("M40 40Z"));
    TKwStrokeStyle round;
    round.Width = 20;
    round.Cap = lcRound;
    KwStrokeOutline(dot, round, outline);
    EXPECT_NEAR(std::abs(test::SignedArea(test::FlatPolygons(outline))), 3.14159265 * 100, 0.5);
    round.Cap = lcSquare;
    KwStrokeOutline(dot, round, outline);
    EXPECT_EQ(outline.Count(), 0);
}
