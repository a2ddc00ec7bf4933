// SPDX-License-Identifier: MIT
// Dashes: each dash as long as the pattern says (measured by TKwPathMeasure), where the
// pattern says, on lines and curves, wrapping round closed figures; and the dashed stroke
// outline against the stroke oracle of the dashed path.
#include "StrokeOracle.h"

#include "kwgfx/path/KwPathDash.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathMeasure.h"
#include "kwgfx/path/KwStrokeOutline.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kw;

namespace {

// The lengths of the figures of Dashed, one per dash.
std::vector<double> DashLengths(const TKwPathData& Dashed) {
    std::vector<double> lengths;
    const auto e = Dashed.Entries();
    std::vector<TKwPathPoint> figure;
    for (size_t i = 0; i <= e.size(); ++i) {
        if (i == e.size() || (e[i].Kind == ppMoveTo && i > 0)) {
            TKwPathData f;
            EXPECT_TRUE(f.SetEntries(figure).Ok());
            lengths.push_back(TKwPathMeasure(f).Length());
            figure.clear();
        }
        if (i < e.size()) figure.push_back(e[i]);
    }
    return lengths;
}

} // namespace

TEST(PathDash, CutsDashesOfThePatternsLengths) {
    const struct {
        const char* Path;
        std::vector<float> Pattern;
        float Offset;
        std::vector<double> Lengths; // of the dashes, in order
    } cases[] = {
        {"M0 0H100", {10, 5}, 0, {10, 10, 10, 10, 10, 10, 10}},
        {"M0 0H100", {10, 5}, 3, {7, 10, 10, 10, 10, 10, 10}},
        {"M0 0H100", {10, 5}, -3, {10, 10, 10, 10, 10, 10, 7}}, // starts 3 before a dash
        {"M0 0H40", {4}, 0, {4, 4, 4, 4, 4}},                   // odd: 4 on, 4 off
        {"M0 0H30", {10, 0}, 0, {10, 10, 10}},                  // no gaps: dashes meet
        {"M0 0H10V10H0Z", {15, 5}, 0, {15, 15}},                // 40 long: ends in a gap
        {"M0 0H10V10H0Z", {14, 4}, 0, {18, 14}},     // the last dash runs on into the first
        {"M0 0H10V10H0Z", {50, 5}, 0, {40}},         // never a gap: the figure whole
        {"M0 0H10M0 5H10", {6, 2}, 0, {6, 2, 6, 2}}, // each figure starts afresh
    };
    for (const auto& c : cases) {
        TKwPathData path, dashed;
        ASSERT_TRUE(path.SetSvgPathString(c.Path));
        KwDashPath(path, c.Pattern, c.Offset, dashed);
        const std::vector<double> lengths = DashLengths(dashed);
        ASSERT_EQ(lengths.size(), c.Lengths.size()) << c.Path << " " << dashed.GetSvgPathString();
        for (size_t i = 0; i < lengths.size(); ++i)
            EXPECT_NEAR(lengths[i], c.Lengths[i], 1e-4) << c.Path << " dash " << i;
    }
    TKwPathData square, dashed;
    ASSERT_TRUE(square.SetSvgPathString("M0 0H10V10H0Z"));
    KwDashPath(square, std::vector<float>{50, 5}, 0, dashed);
    EXPECT_EQ(dashed.GetPoint(dashed.Count() - 1).Kind, ppClose);
}

TEST(PathDash, DashesAlongCurvesAreAsLongAsThePattern) {
    TKwPathData circle, dashed;
    circle.AddEllipse({0, 0, 100, 100}); // about 314 long
    const float pattern[] = {12, 7.5f};
    KwDashPath(circle, pattern, 0, dashed);
    const std::vector<double> lengths = DashLengths(dashed);
    ASSERT_GE(lengths.size(), 16u);
    for (size_t i = 0; i + 1 < lengths.size(); ++i) EXPECT_NEAR(lengths[i], 12, 1e-3) << i;
    // Curves stay curves.
    EXPECT_GT(std::count_if(dashed.Entries().begin(), dashed.Entries().end(),
                            [](const TKwPathPoint& P) { return P.Kind == ppCurveTo; }),
              40);
}

TEST(PathDash, LeavesTheFiguresWholeForPatternsThatDoNotDash) {
    TKwPathData path, dashed;
    ASSERT_TRUE(path.SetSvgPathString("M0 0H10V10H0ZM20 20L30 25"));
    const std::vector<std::vector<float>> patterns = {
        {}, {0, 0}, {-1, 5}, {NAN, 2}, {INFINITY, 1}, {1e-6f, 1e-6f}}; // the last: too many
    for (const auto& p : patterns) {
        KwDashPath(path, p, 0, dashed);
        EXPECT_EQ(dashed.GetSvgPathString(), path.GetSvgPathString());
    }
}

TEST(PathDash, ZeroLengthDashesArePoints) {
    TKwPathData path, dashed;
    ASSERT_TRUE(path.SetSvgPathString("M0 0H20"));
    KwDashPath(path, std::vector<float>{0, 10}, 0, dashed);
    EXPECT_EQ(dashed.GetSvgPathString(), "M0 0 0 0M10 0 10 0M20 0 20 0");
    // Round caps make dots of them, square caps squares along the line.
    TKwStrokeStyle style;
    style.Width = 4;
    style.Dashes = {0, 10};
    for (const TKwLineCap cap : {lcRound, lcSquare}) {
        style.Cap = cap;
        TKwPathData outline;
        KwStrokeOutline(path, style, outline);
        for (const float x : {0.0f, 10.0f, 20.0f}) {
            EXPECT_TRUE(outline.PointInPathArea(x + 1.2f, 1.2f)) << x;
            EXPECT_FALSE(outline.PointInPathArea(x + 5, 0)) << x;
        }
        EXPECT_EQ(outline.PointInPathArea(11.8f, 1.8f), cap == lcSquare); // a corner
    }
}

TEST(PathDash, DashedOutlinesAgreeWithTheStrokeOfTheDashes) {
    const char* const paths[] = {"M10 10H90V60H10Z", "M10 80C40 -20 60 120 90 20",
                                 "M10 50 L50 10 L90 50"};
    for (const char* data : paths)
        for (const TKwLineCap cap : {lcButt, lcRound, lcSquare}) {
            TKwPathData path, dashed, outline;
            ASSERT_TRUE(path.SetSvgPathString(data));
            TKwStrokeStyle style;
            style.Width = 5;
            style.Cap = cap;
            style.Join = ljRound;
            style.Dashes = {9, 4, 2, 4};
            style.DashOffset = 5;
            KwStrokeOutline(path, style, outline);
            KwDashPath(path, style.Dashes, style.DashOffset, dashed);
            const test::TStrokeOracle oracle(dashed, style, 0.3);
            int compared = 0;
            for (double y = 0; y < 100; y += 0.7)
                for (double x = 0; x < 100; x += 0.7) {
                    bool inside = false;
                    if (!oracle.Clear(2.5, x, y, 0.22, inside)) continue;
                    ++compared;
                    ASSERT_EQ(outline.PointInPathArea(float(x), float(y)), inside)
                        << data << " cap " << int(cap) << " at " << x << "," << y;
                }
            EXPECT_GT(compared, 10000);
        }
}
