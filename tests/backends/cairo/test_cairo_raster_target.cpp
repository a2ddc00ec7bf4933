// SPDX-License-Identifier: MIT
// The rasteriser against Cairo, and the raster target that the Cairo canvas fills and strokes
// image surfaces through: hard edges as Cairo's fill without anti-aliasing, smooth edges as
// its anti-aliasing within its sampling error, strokes as its stroke, and through a context
// the transform, the clip, the source and the operator as cairo_fill and cairo_stroke honour
// them; targets that are not images are left to Cairo.
#include "support/AreaOracle.h"

#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/detail/CairoFarClip.h"
#include "kwgfx/backends/cairo/detail/CairoRasterTarget.h"
#include "kwgfx/path/KwPathAreaFill.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/graphics/Colors.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <random>
#include <span>
#include <string>
#include <vector>

using namespace kw;
using kw::platform::TPointD;
using kw::platform::cairo_detail::TCairoRasterTarget;

namespace {

constexpr int W = 96, H = 80;

// Random figures that reach past every border, turn both ways and cross themselves.
test::TFiguresD RandomFigures(std::mt19937& Rng, int Count) {
    std::uniform_real_distribution<double> coord(-30, W + 30);
    std::uniform_int_distribution<int> points(3, 9);
    test::TFiguresD figures(Count);
    for (auto& figure : figures)
        for (int i = points(Rng); i > 0; --i) figure.push_back({coord(Rng), coord(Rng) * H / W});
    return figures;
}

// A star polygon round (Cx, Cy): one figure that never crosses itself.
std::vector<TPointD> Star(double Cx, double Cy, double R, int Spikes, double Turn) {
    std::vector<TPointD> points;
    for (int i = 0; i < 2 * Spikes; ++i) {
        const double a = Turn + i * std::numbers::pi / Spikes;
        const double r = i % 2 ? R * 0.45 : R;
        points.push_back({Cx + r * std::cos(a), Cy + r * std::sin(a)});
    }
    return points;
}

std::vector<std::uint8_t> Rasterise(const test::TFiguresD& Figures, bool Smooth, bool NonZero) {
    raster::TRasterizer raster;
    raster.Reset({0, 0, W, H}, Smooth);
    for (const auto& figure : Figures) raster.AddPolygon(figure);
    std::vector<std::uint8_t> out(std::size_t(W) * H, 0);
    raster.FillMask({out.data(), W, H, W}, 0, 0,
                    NonZero ? raster::TFillRule::NonZero : raster::TFillRule::EvenOdd);
    return out;
}

// Fills Figures (user space of Cr) through the raster target with Cr's source.
void FillThroughTarget(cairo_t* Cr, const test::TFiguresD& Figures, bool NonZero) {
    TCairoRasterTarget target;
    ASSERT_TRUE(target.Begin(Cr, cairo_get_antialias(Cr) != CAIRO_ANTIALIAS_NONE));
    for (const auto& figure : Figures) target.Raster().AddPolygon(figure);
    target.Paint(Cr, NonZero ? raster::TFillRule::NonZero : raster::TFillRule::EvenOdd);
}

// Strokes Lines (user space of Cr) through the raster target with Cr's pen settings.
void StrokeThroughTarget(cairo_t* Cr, const std::vector<std::vector<TPointD>>& Lines) {
    TCairoRasterTarget target;
    ASSERT_TRUE(target.Begin(Cr, cairo_get_antialias(Cr) != CAIRO_ANTIALIAS_NONE));
    for (const auto& line : Lines) {
        std::vector<raster::TVertex> points;
        for (const TPointD& p : line) points.push_back({p.X, p.Y});
        target.AddStroke(Cr, points, false);
    }
    target.Paint(Cr, raster::TFillRule::NonZero);
}

// The same figures filled by Cairo itself into an A8 surface.
std::vector<std::uint8_t> CairoCoverage(const test::TFiguresD& Figures, bool Smooth, bool NonZero) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, W, H);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, Smooth ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, NonZero ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    for (const auto& figure : Figures) {
        cairo_move_to(cr, figure[0].X, figure[0].Y);
        for (const TPointD& p : figure) cairo_line_to(cr, p.X, p.Y);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_surface_flush(surface);
    std::vector<std::uint8_t> out(std::size_t(W) * H);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            out[std::size_t(y) * W + x] = data[y * cairo_image_surface_get_stride(surface) + x];
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return out;
}

// Pixel centres (x + 1/2, y + 1/2) within Distance of an edge of Figures.
std::vector<bool> NearCentres(const test::TFiguresD& Figures, double Distance) {
    test::TFiguresD shifted = Figures;
    for (auto& figure : shifted)
        for (TPointD& p : figure) p = {p.X - 0.5, p.Y - 0.5};
    return test::NearEdges(shifted, W, H, Distance);
}

// The pixels of a W x H picture on which Draw strokes, with the raster canvas's pen
// settings (butt ends, mitred corners, limit 2) of the given width, dark red.
std::vector<std::uint32_t> StrokedPixels(bool Smooth, double Width,
                                         const std::function<void(cairo_t*)>& Draw) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, Smooth ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, Width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(cr, 2);
    cairo_set_source_rgb(cr, 0.5, 0, 0);
    Draw(cr);
    cairo_surface_flush(surface);
    std::vector<std::uint32_t> pixels;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            pixels.push_back(*reinterpret_cast<const std::uint32_t*>(
                data + y * cairo_image_surface_get_stride(surface) + 4 * x));
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return pixels;
}

} // namespace

// Hard edges are Cairo's fill without anti-aliasing, up to Cairo's own scan conversion: on
// figures inside the picture (Cairo clips those reaching out approximately), with corners on
// pixel centres and on eighths of a pixel, pixels differ only within a pixel of an edge, and
// in few of them (Cairo's fixed-point steps decide crossings on or near a pixel centre its
// own way; the rasteriser decides them exactly, as the test above holds it to).
TEST(CairoRasterTarget, HardEdgesAreCairosFillWithoutAntialiasing) {
    std::mt19937 rng(4);
    std::uniform_int_distribution<int> x8(0, 8 * W), y8(0, 8 * H);
    int inked = 0, differing = 0;
    for (int round = 0; round < 40; ++round) {
        test::TFiguresD figures(1 + round % 2);
        const bool centres = round % 4 < 2;
        for (auto& figure : figures)
            for (int i = 3 + round % 7; i > 0; --i)
                figure.push_back(centres ? TPointD{x8(rng) / 8 + 0.5, y8(rng) / 8 + 0.5}
                                         : TPointD{x8(rng) / 8.0, y8(rng) / 8.0});
        const bool nonZero = round % 2 == 0;
        const std::vector<std::uint8_t> ours = Rasterise(figures, false, nonZero);
        const std::vector<std::uint8_t> cairo = CairoCoverage(figures, false, nonZero);
        const std::vector<bool> near = NearCentres(figures, 1.0);
        for (std::size_t i = 0; i < ours.size(); ++i) {
            inked += cairo[i] != 0;
            if (ours[i] == cairo[i]) continue;
            ++differing;
            ASSERT_TRUE(near[i]) << "pixel " << i % W << "," << i / W << " round " << round;
        }
    }
    EXPECT_LT(differing, inked / 100);
}

// Hard edges cover a pixel exactly when the figures wind round its centre under the rule;
// only centres on an edge itself may go either way.
TEST(CairoRasterTarget, HardEdgesCoverTheCentresTheFiguresWindRound) {
    std::mt19937 rng(5);
    for (int round = 0; round < 8; ++round) {
        const test::TFiguresD figures = RandomFigures(rng, 2 + round);
        const bool nonZero = round % 2 == 0;
        const std::vector<std::uint8_t> ours = Rasterise(figures, false, nonZero);
        const std::vector<bool> onEdge = NearCentres(figures, 1e-9);
        const auto edges = test::EdgesFor(figures, -1e9, -1e9, 1e9);
        int covered = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const std::size_t i = std::size_t(y) * W + x;
                covered += ours[i] == 255;
                ASSERT_TRUE(ours[i] == 0 || ours[i] == 255);
                if (onEdge[i]) continue;
                const int winding = test::WindingAt(edges, x + 0.5, y + 0.5);
                ASSERT_EQ(ours[i] == 255, nonZero ? winding != 0 : (winding & 1) != 0)
                    << "pixel " << x << "," << y << " round " << round;
            }
        EXPECT_GT(covered, 0) << "round " << round;
    }
}

// Smooth edges: whole pixels are as the rule says, and a pixel an edge passes has the share
// of its area that Cairo's anti-aliasing gives it, within Cairo's own sampling error; on
// figures that cross themselves only the whole pixels are held to it.
TEST(CairoRasterTarget, SmoothEdgesAgreeWithCairo) {
    std::mt19937 rng(6);
    for (int round = 0; round < 8; ++round) {
        const bool simple = round < 4, nonZero = round % 2 == 0;
        test::TFiguresD figures;
        if (simple) {
            std::uniform_real_distribution<double> turn(0, 1);
            // Two stars apart from each other: no pixel sees two figures overlap.
            figures.push_back(Star(34, 36, 24 + 2 * round, 5 + round, turn(rng)));
            figures.push_back(Star(80, 64, 12, 3, turn(rng)));
        } else {
            figures = RandomFigures(rng, round);
        }
        const std::vector<std::uint8_t> ours = Rasterise(figures, true, nonZero);
        const std::vector<std::uint8_t> cairo = CairoCoverage(figures, true, nonZero);
        const std::vector<bool> near = NearCentres(figures, 0.75);
        double sum = 0;
        int edgePixels = 0;
        for (std::size_t i = 0; i < ours.size(); ++i) {
            const int diff = std::abs(int(ours[i]) - int(cairo[i]));
            if (!near[i]) {
                ASSERT_LE(diff, 1) << "pixel " << i % W << "," << i / W << " round " << round;
                continue;
            }
            ++edgePixels;
            sum += diff;
            if (simple) {
                ASSERT_LE(diff, 24) << "pixel " << i % W << "," << i / W << " round " << round;
            }
        }
        ASSERT_GT(edgePixels, 0);
        if (simple) {
            EXPECT_LT(sum / edgePixels, 4.0) << "round " << round;
        }
    }
}

// Through a context that is moved, scaled and clipped, the figures land where cairo_fill
// puts them, and everything outside the clip stays as it was: a clip of whole pixels, which
// the target writes into itself, and a round one, which Cairo applies to its mask; a solid
// source and a gradient (through the mask too); the operators over and source.
TEST(CairoRasterTarget, HonoursTheContextsTransformClipSourceAndOperator) {
    std::mt19937 rng(8);
    const test::TFiguresD figures = RandomFigures(rng, 5);
    struct TCase {
        bool Smooth, RoundClip, Gradient;
        cairo_operator_t Operator;
    };
    const TCase cases[] = {
        {false, false, false, CAIRO_OPERATOR_OVER},  {true, false, false, CAIRO_OPERATOR_OVER},
        {true, true, false, CAIRO_OPERATOR_OVER},    {true, false, true, CAIRO_OPERATOR_OVER},
        {true, false, false, CAIRO_OPERATOR_SOURCE}, {false, true, true, CAIRO_OPERATOR_SOURCE}};
    for (const TCase& c : cases) {
        const auto inClip = [&](int X, int Y) {
            if (c.RoundClip) return std::hypot(X + 0.5 - 40, Y + 0.5 - 40) < 30;
            return X >= 9 && X < 69 && Y >= 7 && Y < 57;
        };
        test::TFiguresD device = figures;
        for (auto& figure : device)
            for (TPointD& p : figure) p = {12 + 0.75 * p.X, -5 + 0.75 * p.Y};
        std::vector<bool> near = NearCentres(device, 1.0);
        if (c.RoundClip) {
            // The clip's own edge is anti-aliased by Cairo in both pictures, but lands on
            // pixels the figures' coverage scales differently.
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    if (std::abs(std::hypot(x + 0.5 - 40, y + 0.5 - 40) - 30) < 1.5)
                        near[std::size_t(y) * W + x] = true;
        }
        cairo_surface_t* surfaces[2];
        for (int which = 0; which < 2; ++which) {
            surfaces[which] = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
            cairo_t* cr = cairo_create(surfaces[which]);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
            cairo_paint(cr);
            if (c.RoundClip)
                cairo_arc(cr, 40, 40, 30, 0, 2 * std::numbers::pi);
            else
                cairo_rectangle(cr, 9, 7, 60, 50);
            cairo_clip(cr);
            cairo_translate(cr, 12, -5);
            cairo_scale(cr, 0.75, 0.75);
            cairo_set_antialias(cr, c.Smooth ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
            cairo_set_operator(cr, c.Operator);
            cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 100, 60);
            cairo_pattern_add_color_stop_rgba(gradient, 0, 0, 0, 0.5, 1);
            cairo_pattern_add_color_stop_rgba(gradient, 1, 0.8, 0.2, 0, 0.6);
            if (c.Gradient)
                cairo_set_source(cr, gradient);
            else
                cairo_set_source_rgba(cr, 0, 0, 0.5, c.Operator == CAIRO_OPERATOR_SOURCE ? 0.7 : 1);
            cairo_pattern_destroy(gradient);
            if (which == 0) {
                FillThroughTarget(cr, figures, true);
            } else {
                for (const auto& figure : figures) {
                    cairo_move_to(cr, figure[0].X, figure[0].Y);
                    for (const TPointD& p : figure) cairo_line_to(cr, p.X, p.Y);
                    cairo_close_path(cr);
                }
                cairo_fill(cr);
            }
            cairo_destroy(cr);
            cairo_surface_flush(surfaces[which]);
        }
        int painted = 0;
        const std::uint32_t ground = 0x80808080u;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const auto pixel = [&](int which) {
                    const unsigned char* data = cairo_image_surface_get_data(surfaces[which]);
                    const int stride = cairo_image_surface_get_stride(surfaces[which]);
                    return *reinterpret_cast<const std::uint32_t*>(data + y * stride + 4 * x);
                };
                const std::string where = std::to_string(x) + "," + std::to_string(y) + " smooth " +
                                          std::to_string(c.Smooth) + " round " +
                                          std::to_string(c.RoundClip) + " gradient " +
                                          std::to_string(c.Gradient);
                if (!inClip(x, y) && !near[std::size_t(y) * W + x]) {
                    ASSERT_EQ(pixel(0), ground) << where;
                }
                painted += pixel(0) != ground;
                if (near[std::size_t(y) * W + x]) continue;
                // Inside a figure or clear of it: the same pixel, up to the rounding of the
                // blend (our opaque mix and Cairo's differ by at most one level).
                for (int shift = 0; shift < 32; shift += 8)
                    ASSERT_NEAR(int((pixel(0) >> shift) & 0xFF), int((pixel(1) >> shift) & 0xFF), 1)
                        << where;
            }
        EXPECT_GT(painted, 100);
        for (cairo_surface_t* s : surfaces) cairo_surface_destroy(s);
    }
}

// A clip of one rectangle of user space under a shear is a parallelogram of device space,
// even with its corners on whole pixels: no box the target may fill up to. A figure
// covering everything paints inside it alone, as cairo_fill does.
TEST(CairoRasterTarget, ShearedRectangleClipIsNoBox) {
    const test::TFiguresD everything = {{{-50, -50}, {150, -50}, {150, 150}, {-50, 150}}};
    cairo_surface_t* surfaces[2];
    for (int which = 0; which < 2; ++which) {
        surfaces[which] = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
        cairo_t* cr = cairo_create(surfaces[which]);
        const cairo_matrix_t shear{1, 0, 1, 1, 0, 0}; // x' = x + y
        cairo_transform(cr, &shear);
        cairo_rectangle(cr, 0, 0, 30, 30);
        cairo_clip(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_source_rgb(cr, 0, 0, 0.5);
        if (which == 0) {
            FillThroughTarget(cr, everything, true);
        } else {
            cairo_rectangle(cr, -50, -50, 200, 200);
            cairo_fill(cr);
        }
        cairo_destroy(cr);
        cairo_surface_flush(surfaces[which]);
    }
    int painted = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const auto pixel = [&](int which) {
                const unsigned char* data = cairo_image_surface_get_data(surfaces[which]);
                return *reinterpret_cast<const std::uint32_t*>(
                    data + y * cairo_image_surface_get_stride(surfaces[which]) + 4 * x);
            };
            painted += pixel(0) != 0;
            // The parallelogram's slanted sides are anti-aliased by Cairo's clip in both.
            const double inside = x + 0.5 - (y + 0.5);
            if (std::abs(inside) < 1.5 || std::abs(inside - 30) < 1.5) continue;
            ASSERT_EQ(pixel(0), pixel(1)) << x << "," << y;
        }
    EXPECT_GT(painted, 500);
    for (cairo_surface_t* s : surfaces) cairo_surface_destroy(s);
}

// Targets that are not image surfaces keep Cairo's own drawing, so that their output stays
// vectors; an image surface takes the rasteriser.
TEST(CairoRasterTarget, LeavesTargetsThatAreNotImagesToCairo) {
    TCairoRasterTarget target;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
    cairo_t* cr = cairo_create(image);
    EXPECT_TRUE(target.Begin(cr, true));
    cairo_destroy(cr);
    cairo_surface_destroy(image);
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cr = cairo_create(recording);
    EXPECT_FALSE(target.Begin(cr, true));
    cairo_destroy(cr);
    cairo_surface_destroy(recording);
}

// A path of tens of thousands of edges, filled as one area on a bitmap: the pixels whose
// centres lie clear of every edge are exactly those the figures wind round.
TEST(CairoRasterTarget, LargePathAreaFillsWhatItEncloses) {
    TKwPathData path;
    path.SetFillMode(fmEvenOdd);
    for (int ring = 0; ring < 6; ++ring) {
        const double r = 100 - 15 * ring;
        path.MoveTo({float(128 + r), 128});
        for (int i = 1; i < 5000; ++i) {
            const double a = 2 * std::numbers::pi * i / 5000;
            const double wobble = r + 3 * std::sin(97 * a);
            path.LineTo({float(128 + wobble * std::cos(a)), float(128 + wobble * std::sin(a))});
        }
        path.ClosePath();
    }
    platform::TBitmap picture(256, 256);
    picture.Canvas().Pen().SetStyle(platform::psClear);
    picture.Canvas().Brush().SetColor(platform::clNavy);
    FillPathArea(picture.Canvas(), path);
    const test::TFiguresD figures = test::AreaFigures(path, platform::TRect{0, 0, 256, 256});
    ASSERT_GE(test::EdgesFor(figures, -1e9, -1e9, 1e9).size(), 30000u);
    const std::vector<bool> near = test::NearEdges(figures, 256, 256, 1.0);
    int painted = 0;
    for (int y = 0; y < 256; ++y) {
        const auto edges = test::EdgesFor(figures, -1e9, y, y);
        for (int x = 0; x < 256; ++x) {
            const bool filled = picture.GetPixel(x, y) == platform::clNavy;
            painted += filled;
            if (near[std::size_t(y) * 256 + x]) continue;
            ASSERT_EQ(filled, (test::WindingAt(edges, x, y) & 1) != 0) << x << "," << y;
        }
    }
    EXPECT_GT(painted, 10000);
}

// Compares a stroke of Line drawn two ways, ours and Cairo's: every pixel that differs lies
// within a pixel of the band's border (half Width from the line), or within Width + 1 of a
// point of Line when Corners is set (a join's or cap's exact shape decides there). Gives the
// number of pixels Cairo's stroke painted.
int ExpectStrokesAgree(const std::vector<std::uint32_t>& Ours,
                       const std::vector<std::uint32_t>& Cairos, const std::vector<TPointD>& Line,
                       double Width, bool Corners, const std::string& What) {
    int painted = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const std::size_t i = std::size_t(y) * W + x;
            painted += Cairos[i] != 0;
            if (Ours[i] == Cairos[i]) continue;
            const double cx = x + 0.5, cy = y + 0.5;
            double toLine = 1e9, toCorner = 1e9;
            for (std::size_t k = 0; k < Line.size(); ++k) {
                toCorner = std::min(toCorner, std::hypot(cx - Line[k].X, cy - Line[k].Y));
                if (k > 0)
                    toLine =
                        std::min(toLine, test::DistanceToSegment(cx, cy, Line[k - 1], Line[k]));
            }
            const bool onBorder = std::abs(toLine - Width / 2) <= 1;
            const bool atCorner = Corners && toCorner <= Width + 1; // a miter reaches 2 h at most
            if (!onBorder && !atCorner) {
                ADD_FAILURE() << "pixel " << x << "," << y << " " << What;
                return painted;
            }
        }
    return painted;
}

// A stroke through the target covers what Cairo's stroke covers: on random open lines, with
// pens of several widths, hard and smooth, pixels differ only along the band's border or
// round a corner or an end (where the join's and cap's exact shapes decide).
TEST(CairoRasterTarget, StrokesCoverWhatCairosStrokeCovers) {
    std::mt19937 rng(9);
    std::uniform_real_distribution<double> coord(-10, W + 10);
    for (int round = 0; round < 12; ++round) {
        std::vector<TPointD> line;
        for (int i = 0; i < 9; ++i) line.push_back({coord(rng), coord(rng) * H / W});
        const double width = 1 + 2 * (round % 4);
        const bool smooth = round % 2 == 1;
        const std::vector<std::uint32_t> pixels[2] = {
            StrokedPixels(smooth, width, [&](cairo_t* Cr) { StrokeThroughTarget(Cr, {line}); }),
            StrokedPixels(smooth, width, [&](cairo_t* Cr) {
                cairo_move_to(Cr, line[0].X, line[0].Y);
                for (const TPointD& p : line) cairo_line_to(Cr, p.X, p.Y);
                cairo_stroke(Cr);
            })};
        const int painted = ExpectStrokesAgree(pixels[0], pixels[1], line, width, true,
                                               "round " + std::to_string(round) + " width " +
                                                   std::to_string(width));
        EXPECT_GT(painted, 50) << "round " << round;
    }
}

// A line that keeps reaching far out of the picture is stroked as its pieces inside the
// far reach, as Cairo strokes them after clipping: a zigzag between points a million
// pixels away, crossing the picture on every leg.
TEST(CairoRasterTarget, FarLinesStrokeAsTheirClippedPieces) {
    using namespace platform::cairo_detail;
    std::mt19937 rng(10);
    std::uniform_real_distribution<double> near(0, W), far(-1e6, 1e6);
    std::vector<TPointD> line;
    for (int i = 0; i < 60; ++i)
        line.push_back(i % 2 ? TPointD{far(rng), far(rng)} : TPointD{near(rng), near(rng) * H / W});
    const platform::TBoxD reach{-kFarMargin, -kFarMargin, W + kFarMargin, H + kFarMargin};
    const std::vector<std::uint32_t> pixels[2] = {
        StrokedPixels(false, 3,
                      [&](cairo_t* Cr) { StrokeThroughTarget(Cr, ClipLineToBox(line, reach)); }),
        StrokedPixels(false, 3, [&](cairo_t* Cr) {
            AddClippedLine(Cr, line, reach);
            cairo_stroke(Cr);
        })};
    const int painted = ExpectStrokesAgree(pixels[0], pixels[1], line, 3, false, "far zigzag");
    EXPECT_GT(painted, 500);
}

// Polygons filled by the canvas with a solid brush and no pen go to the rasteriser without
// the context's source: under every clip, operator and edge kind they are the pixels of the
// same figures filled through the target with the brush as the context's source.
TEST(CairoRasterTarget, PenlessCanvasPolygonsAreTheTargetsFill) {
    std::mt19937 rng(21);
    test::TFiguresD floats = RandomFigures(rng, 3);
    floats.insert(floats.begin(), Star(40, 35, 28, 5, 0.3));
    std::vector<std::vector<platform::TPoint>> ints;
    for (const auto& figure : floats) {
        ints.emplace_back();
        for (const TPointD& p : figure)
            ints.back().push_back({std::int32_t(std::lround(p.X)), std::int32_t(std::lround(p.Y))});
    }
    enum class TCall { Polygon, PolyPolygon, PolyPolygonF };
    for (const TCall call : {TCall::Polygon, TCall::PolyPolygon, TCall::PolyPolygonF})
        for (const bool smooth : {false, true})
            for (const bool round : {false, true})
                for (const cairo_operator_t op : {CAIRO_OPERATOR_OVER, CAIRO_OPERATOR_SOURCE}) {
                    SCOPED_TRACE(testing::Message() << int(call) << smooth << round << op);
                    // What each call draws, as figures of the target's user space: points
                    // name pixels, whose centres lie half a pixel on.
                    test::TFiguresD figures;
                    if (call == TCall::PolyPolygonF)
                        figures = floats;
                    else
                        for (const auto& figure : ints) {
                            figures.emplace_back();
                            for (const auto& p : figure)
                                figures.back().push_back({double(p.X), double(p.Y)});
                            if (call == TCall::Polygon) break;
                        }
                    for (auto& figure : figures)
                        for (TPointD& p : figure) p = {p.X + 0.5, p.Y + 0.5};
                    std::vector<std::uint32_t> pixels[2];
                    for (int which = 0; which < 2; ++which) {
                        cairo_surface_t* surface =
                            cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
                        cairo_t* cr = cairo_create(surface);
                        cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
                        cairo_paint(cr);
                        if (round)
                            cairo_arc(cr, 40, 40, 30, 0, 2 * std::numbers::pi);
                        else
                            cairo_rectangle(cr, 9, 7, 60, 50);
                        cairo_clip(cr);
                        cairo_set_operator(cr, op);
                        if (which == 0) {
                            platform::TCairoCanvas canvas(cr);
                            canvas.SetAntialias(smooth);
                            canvas.Pen().SetStyle(platform::psClear);
                            canvas.Brush().SetColor(platform::clTeal);
                            if (call == TCall::Polygon)
                                canvas.Polygon(ints[0]);
                            else if (call == TCall::PolyPolygon)
                                canvas.PolyPolygon(ints, platform::pfWinding);
                            else
                                canvas.PolyPolygonF(floats, platform::pfAlternate);
                        } else {
                            cairo_set_source_rgb(cr, 0, 128 / 255.0, 128 / 255.0);
                            cairo_set_antialias(cr, smooth ? CAIRO_ANTIALIAS_DEFAULT
                                                           : CAIRO_ANTIALIAS_NONE);
                            FillThroughTarget(cr, figures, call == TCall::PolyPolygon);
                        }
                        cairo_destroy(cr);
                        cairo_surface_flush(surface);
                        const unsigned char* data = cairo_image_surface_get_data(surface);
                        for (int y = 0; y < H; ++y)
                            for (int x = 0; x < W; ++x)
                                pixels[which].push_back(*reinterpret_cast<const std::uint32_t*>(
                                    data + y * cairo_image_surface_get_stride(surface) + 4 * x));
                        cairo_surface_destroy(surface);
                    }
                    ASSERT_EQ(pixels[0], pixels[1]);
                    EXPECT_NE(std::count(pixels[0].begin(), pixels[0].end(), 0x80808080u),
                              std::ptrdiff_t(pixels[0].size()));
                }
}

// Hard lines through the raster target are exactly the fill of their outlines, whichever
// way they go: span by span (an opaque pen, or any under the operator source), filled as
// outlines (a translucent pen), or filled after all when a later line cannot go span by
// span (going straight back under a limit that allows any miter: its miter is not a number,
// and that line is left out, as the fill leaves it out).
TEST(CairoRasterTarget, HardStrokesAreTheFillOfTheirOutlines) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> coord(-10, W + 10);
    const std::vector<raster::TVertex> back{{10, 10}, {50, 10}, {10, 10}};
    for (int round = 0; round < 8; ++round) {
        const double alpha = round % 4 == 1 ? 0.5 : 1;
        const bool source = round % 4 == 2, withBack = round % 4 == 3;
        std::vector<std::vector<raster::TVertex>> lines(3);
        for (auto& line : lines)
            for (int i = 0; i < 7; ++i) line.push_back({coord(rng), coord(rng) * H / W});
        if (withBack) lines.insert(lines.begin() + 1, back);
        raster::TStrokeStyle pen;
        pen.Width = 1 + round / 2;
        pen.MiterLimit = withBack ? 1e300 : 4;
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
        cairo_t* cr = cairo_create(surface);
        cairo_set_source_rgb(cr, 0.2, 0.6, 0.9);
        cairo_paint(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr, pen.Width);
        cairo_set_miter_limit(cr, pen.MiterLimit);
        cairo_set_operator(cr, source ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
        cairo_set_source_rgba(cr, 0.5, 0, 0.25, alpha);
        cairo_surface_flush(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        std::vector<std::uint8_t> expected(cairo_image_surface_get_data(surface),
                                           cairo_image_surface_get_data(surface) + stride * H);
        TCairoRasterTarget target;
        ASSERT_TRUE(target.Begin(cr, false));
        for (const auto& line : lines) target.AddStroke(cr, line, round % 2 == 0);
        target.Paint(cr, raster::TFillRule::NonZero);
        cairo_surface_flush(surface);
        raster::TRasterizer raster;
        raster.Reset({0, 0, W, H}, false);
        for (const auto& line : lines) raster::StrokePolyline(raster, line, round % 2 == 0, pen);
        raster.FillSolid({expected.data(), W, H, stride},
                         platform::cairo_detail::CairoPixelOf(0.5, 0, 0.25, alpha),
                         raster::TFillRule::NonZero,
                         source ? raster::TCompositeOp::Source : raster::TCompositeOp::Over);
        EXPECT_TRUE(
            std::equal(expected.begin(), expected.end(), cairo_image_surface_get_data(surface)))
            << "round " << round;
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
}
