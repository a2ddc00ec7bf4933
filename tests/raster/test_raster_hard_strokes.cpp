// SPDX-License-Identifier: MIT
// Hard strokes painted span by span against the fill of the same outlines: random lines
// (sharp turns, going back on themselves, repeated points, far and tiny coordinates) under
// random pens, transforms and clip boxes must give the very same pixels.
#include "kwgfx/raster/HardStrokes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace kw::raster;

namespace {

constexpr std::uint32_t kBackground = 0xFF204060, kPen = 0xFFC08010;

struct TStroke {
    std::vector<TVertex> Points;
    bool Closed;
};

struct TSize {
    int W, H;
};

std::vector<TVertex> RandomLine(std::mt19937& Rng, TSize Size) {
    const int kW = Size.W, kH = Size.H;
    std::uniform_int_distribution<int> pick(0, 5), count(2, 9);
    std::uniform_real_distribution<double> x(-8, kW + 8), y(-8, kH + 8);
    const int kind = std::uniform_int_distribution<int>(0, 7)(Rng);
    std::vector<TVertex> line;
    if (kind >= 6) {
        // A flattened curve: a spiral's short segments turning a little at each point, now
        // and then a sharper turn.
        std::uniform_real_distribution<double> u(0, 1);
        const TVertex centre{x(Rng), y(Rng)};
        double radius = 1 + u(Rng) * kW / 2, angle = u(Rng) * 7;
        const double step = (u(Rng) < 0.5 ? 1 : -1) * (0.02 + u(Rng) * 0.5),
                     grow = (u(Rng) - 0.5) * radius / 20;
        for (int i = 4 * count(Rng); i > 0; --i, angle += step * (pick(Rng) == 0 ? 3 : 1)) {
            line.push_back(
                {centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)});
            radius = std::max(radius + grow, 0.5);
        }
        return line;
    }
    const int n = count(Rng);
    for (int i = 0; i < n; ++i) {
        TVertex p{x(Rng), y(Rng)};
        if (kind == 1) p = {std::floor(p.X) + 0.5, std::floor(p.Y) + 0.5}; // pixel centres
        if (kind == 2) p = {std::floor(p.X), std::floor(p.Y)};             // pixel corners
        if (kind == 3 && i > 0) p = {line.back().X + (p.X - kW / 2) / 40, line.back().Y + 0.01};
        line.push_back(p);
        if (kind == 4 && i > 1 && pick(Rng) < 3) line.push_back(line[line.size() - 3]); // back
        if (pick(Rng) == 0) line.push_back(line.back());                                // repeat
    }
    if (kind == 5) line.back() = {line.back().X * 1e9, line.back().Y * -1e9}; // far out
    return line;
}

TStrokeStyle RandomPen(std::mt19937& Rng, std::vector<double>& Dashes) {
    std::uniform_int_distribution<int> pick(0, 3);
    std::uniform_real_distribution<double> width(0.05, 9), dash(0, 6);
    TStrokeStyle s;
    const double widths[] = {1, 3, 2, width(Rng)};
    s.Width = widths[pick(Rng)];
    s.Join = pick(Rng) < 2 ? TLineJoin::Miter : TLineJoin::Bevel;
    const double limits[] = {1, 2, 10, 1e6};
    s.MiterLimit = limits[pick(Rng)];
    s.Cap = pick(Rng) < 2 ? TLineCap::Butt : TLineCap::Square;
    Dashes.clear();
    if (pick(Rng) == 0) {
        for (int i = 0; i < 2 + 2 * (pick(Rng) == 0); ++i) Dashes.push_back(dash(Rng));
        s.Dashes = Dashes;
        s.DashOffset = dash(Rng) - 3;
    }
    return s;
}

TAffine RandomTransform(std::mt19937& Rng, TSize Size) {
    const int kW = Size.W, kH = Size.H;
    std::uniform_int_distribution<int> pick(0, 4);
    std::uniform_real_distribution<double> u(-1, 1);
    switch (pick(Rng)) {
    case 0:
        return {};
    case 1:
        return TAffine{}.Moved(0.5, 0.5);
    case 2:
        return {1, 0, 0, -1, 0, double(kH)}; // mirrored
    case 3:
        return {1e-3, 0, 0, 1e-3, kW / 2.0, kH / 2.0}; // tiny lines, wide pens
    default:
        return {1 + u(Rng) / 2, u(Rng) / 2, u(Rng) / 2, 1 + u(Rng) / 2, u(Rng) * 4, u(Rng) * 4};
    }
}

// Paints Strokes span by span and fills their outlines, on a target W x H (stride of Size's
// width) under Clip and Transform: the first pixel that differs, as text, or "" where they
// agree; nullopt when the strokes do not go span by span.
std::optional<std::string> SpansAgainstFill(TSize Size, const TPixelBox& Clip,
                                            const TAffine& Transform, const TStrokeStyle& Pen,
                                            const std::vector<TStroke>& Strokes, int W, int H,
                                            TCompositeOp Op) {
    const int kW = Size.W, kH = Size.H;
    TRasterizer raster;
    raster.Reset(Clip, false);
    raster.SetTransform(Transform);
    THardStrokes spans;
    spans.Reset(raster);
    bool ok = true;
    for (const TStroke& s : Strokes) ok = spans.Add(s.Points, s.Closed, Pen);
    if (!ok) return std::nullopt;
    std::vector<std::uint32_t> painted(kW * kH, kBackground), filled = painted;
    spans.Paint({reinterpret_cast<std::uint8_t*>(painted.data()), W, H, kW * 4}, kPen);
    for (const TStroke& s : Strokes) StrokePolyline(raster, s.Points, s.Closed, Pen);
    raster.FillSolid({reinterpret_cast<std::uint8_t*>(filled.data()), W, H, kW * 4}, kPen,
                     TFillRule::NonZero, Op);
    for (int i = 0; i < kW * kH; ++i)
        if (painted[std::size_t(i)] != filled[std::size_t(i)])
            return "pixel (" + std::to_string(i % kW) + ", " + std::to_string(i / kW) +
                   ") differs, width " + std::to_string(Pen.Width);
    return std::string();
}

// Random drawings on a target of Size: the spans must paint what the fill of the outlines
// paints; returns how many went span by span.
int CompareWithFill(TSize Size, int Trials, unsigned Seed) {
    const int kW = Size.W, kH = Size.H;
    std::mt19937 rng(Seed);
    std::uniform_int_distribution<int> pick(0, 3), corner(0, 12);
    std::vector<double> dashes;
    int bySpans = 0;
    for (int trial = 0; trial < Trials; ++trial) {
        // The whole target, a box inside it, or one reaching past its sides.
        const int box = pick(rng);
        const TPixelBox clip =
            box == 0   ? TPixelBox{0, 0, kW, kH}
            : box == 1 ? TPixelBox{-corner(rng), -corner(rng), kW + corner(rng), kH + corner(rng)}
                       : TPixelBox{corner(rng), corner(rng), kW - corner(rng), kH - corner(rng)};
        const TAffine transform = RandomTransform(rng, Size);
        const TStrokeStyle pen = RandomPen(rng, dashes);
        std::vector<TStroke> strokes(1 + (pick(rng) == 0));
        for (TStroke& s : strokes) {
            s.Points = RandomLine(rng, Size);
            s.Closed = pick(rng) == 0;
        }
        // Now and then a target smaller than the clip box.
        const int w = pick(rng) == 0 ? kW - corner(rng) : kW, h = kH - (pick(rng) == 0) * 9;
        const TCompositeOp op = pick(rng) == 0 ? TCompositeOp::Source : TCompositeOp::Over;
        const auto differs = SpansAgainstFill(Size, clip, transform, pen, strokes, w, h, op);
        if (!differs) continue;
        ++bySpans;
        if (!differs->empty())
            ADD_FAILURE() << kW << "x" << kH << " trial " << trial << ": " << *differs;
    }
    return bySpans;
}

} // namespace

TEST(RasterHardStrokes, SameAsFilledOutlines) {
    // Nearly every drawing goes span by span; the rest (far points, bent pieces) are filled.
    // The tall target's pieces run down more rows than are taken at once, along edges long
    // enough to be stepped.
    for (const auto& [size, trials] : {std::pair{TSize{61, 47}, 4000}, {TSize{23, 301}, 600}})
        EXPECT_GT(CompareWithFill(size, trials, 2026), trials * 9 / 10);
}

// Lines on the edges of the cut: running straight on, turning by exactly 120 degrees and a
// little more, segments exactly as long as a right-angled cut needs and a little shorter,
// tiny segments, a closed polygon of gentle corners, going straight back, and a curve that
// turns from running down to running up; under each pen, the spans are the fill's pixels.
TEST(RasterHardStrokes, CutCornersAtTheirLimitsAreTheFill) {
    const double root3 = std::sqrt(3.0);
    const auto lines = [&](double Width) {
        std::vector<std::pair<const char*, TStroke>> all = {
            {"straight on", {{{5, 5}, {15, 5.5}, {25, 6}, {35, 6.5}}, false}},
            {"120 degrees", {{{5, 20}, {20, 20}, {27.5, 20 - 7.5 * root3}}, false}},
            {"past 120", {{{5, 20}, {20, 20}, {27.4, 20 - 7.6 * root3}}, false}},
            {"right angle, long enough",
             {{{10, 8}, {10 + Width, 8}, {10 + Width, 8 + Width}, {10, 8 + Width}}, false}},
            {"right angle, short",
             {{{10, 8}, {9.99 + Width, 8}, {9.99 + Width, 7.99 + Width}}, false}},
            {"tiny segments", {{{8, 8}, {8.3, 8.1}, {8.6, 8.3}, {8.8, 8.6}, {9, 9}}, false}},
            {"going back", {{{5, 10}, {30, 12}, {5, 10.5}}, false}},
        };
        TStroke polygon{{}, true}, turning{{}, false};
        for (int i = 0; i < 12; ++i)
            polygon.Points.push_back(
                {20 + 9 * std::cos(i * 0.5236), 16 + 9 * std::sin(i * 0.5236)});
        for (int i = 0; i < 20; ++i)
            turning.Points.push_back({4 + 1.5 * i, 16 + 10 * std::sin(i * 0.3)});
        all.push_back({"closed polygon", polygon});
        all.push_back({"down then up", turning});
        return all;
    };
    const TSize size{40, 32};
    int bySpans = 0, cases = 0;
    for (const double width : {1.0, 3.0, 6.0})
        for (const TLineJoin join : {TLineJoin::Miter, TLineJoin::Bevel})
            for (const auto& [name, stroke] : lines(width)) {
                TStrokeStyle pen;
                pen.Width = width, pen.Join = join, pen.MiterLimit = 10;
                const auto differs = SpansAgainstFill(size, {0, 0, size.W, size.H}, {}, pen,
                                                      {stroke}, size.W, size.H, TCompositeOp::Over);
                ++cases;
                if (!differs) continue;
                ++bySpans;
                EXPECT_EQ(*differs, "") << name << ", join " << int(join);
            }
    EXPECT_EQ(bySpans, cases);
}

TEST(RasterHardStrokes, RefusesSmoothEdgesAndSaysSoUntilReset) {
    TRasterizer raster;
    raster.Reset({0, 0, 8, 8}, true);
    THardStrokes spans;
    spans.Reset(raster);
    const TVertex line[] = {{1, 1}, {6, 5}};
    EXPECT_FALSE(spans.Add(line, false, {}));
    raster.Reset({0, 0, 8, 8}, false);
    spans.Reset(raster);
    EXPECT_TRUE(spans.Add(line, false, {}));
    // Going straight back under a limit that allows any miter: the miter's point is not a
    // number, and the fill leaves such a figure out.
    const TVertex back[] = {{1, 1}, {6, 1}, {1, 1}};
    TStrokeStyle pen;
    pen.MiterLimit = 1e300;
    EXPECT_FALSE(spans.Add(back, false, pen));
    EXPECT_FALSE(spans.Add(line, false, {}));
}
