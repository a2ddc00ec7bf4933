// SPDX-License-Identifier: MIT
// The path toolbox against Cairo as an independent oracle.
//   - Stroke outlines (and dashes): the outline filled under nonzero winding against
//     cairo_stroke of the same path, width, joins, caps, miter limit and dashes, on random
//     paths and on every icon of the sample: binarised IoU >= 0.99, and every pixel whose
//     coverage differs by more than a quarter lies on the edge (a pixel partly covered in
//     either picture, or next to one).
//   - Stroke hit test: against our outline rasterised by Cairo and against Cairo's own
//     stroke, at pixel centres farther than half a pixel from their borders.
//   - Boolean operations: A and B rasterised by Cairo at pixel centres, their masks combined
//     by the operation, against the rasterised result, away from the edges of A and B (a
//     pixel partly covered in their anti-aliased pictures, its neighbours, and centres within
//     a pixel of an edge); on pairs of icons (curves, both fill rules) and random
//     self-crossing polygons with shared and touching edges.
#include "path/BooleanOracle.h"
#include "path/StrokeOracle.h"
#include "support/IconSample.h"

#include "kwgfx/path/KwPathBoolean.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwStrokeHitTest.h"
#include "kwgfx/path/KwStrokeOutline.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace kw;

namespace {

constexpr int kSize = 256;

// An 8-bit coverage picture drawn by Cairo.
class TMask {
public:
    explicit TMask(bool Antialias) {
        FSurface = cairo_image_surface_create(CAIRO_FORMAT_A8, kSize, kSize);
        FCairo = cairo_create(FSurface);
        cairo_set_antialias(FCairo, Antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
        // Curves flattened within 0.01 (a tenth of Cairo's default), so that the oracle's own
        // flattening (and the arc lengths its dashes are measured by) stays well inside the
        // tolerance of what it checks.
        cairo_set_tolerance(FCairo, 0.01);
    }
    ~TMask() {
        cairo_destroy(FCairo);
        cairo_surface_destroy(FSurface);
    }
    TMask(const TMask&) = delete;
    TMask& operator=(const TMask&) = delete;

    cairo_t* Cairo() { return FCairo; }
    int At(int X, int Y) {
        cairo_surface_flush(FSurface);
        return cairo_image_surface_get_data(
            FSurface)[Y * cairo_image_surface_get_stride(FSurface) + X];
    }
    void AddPath(const TKwPathData& Path) {
        cairo_new_path(FCairo);
        const auto e = Path.Entries();
        for (size_t i = 0; i < e.size(); ++i) {
            const TKwPoint p = e[i].Point;
            switch (e[i].Kind) {
            case ppMoveTo:
                cairo_move_to(FCairo, p.X, p.Y);
                break;
            case ppLineTo:
                cairo_line_to(FCairo, p.X, p.Y);
                break;
            case ppCurveTo: {
                const TKwPoint c2 = e[i + 1].Point, p3 = e[i + 2].Point;
                cairo_curve_to(FCairo, p.X, p.Y, c2.X, c2.Y, p3.X, p3.Y);
                i += 2;
                break;
            }
            case ppClose:
                cairo_close_path(FCairo);
                break;
            }
        }
    }
    void Fill(const TKwPathData& Path, TKwFillMode Mode) {
        AddPath(Path);
        cairo_set_fill_rule(FCairo,
                            Mode == fmNonZero ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill(FCairo);
    }
    void Stroke(const TKwPathData& Path, const TKwStrokeStyle& Style) {
        AddPath(Path);
        cairo_set_line_width(FCairo, Style.Width);
        cairo_set_line_join(FCairo, Style.Join == ljMiter   ? CAIRO_LINE_JOIN_MITER
                                    : Style.Join == ljRound ? CAIRO_LINE_JOIN_ROUND
                                                            : CAIRO_LINE_JOIN_BEVEL);
        cairo_set_line_cap(FCairo, Style.Cap == lcButt    ? CAIRO_LINE_CAP_BUTT
                                   : Style.Cap == lcRound ? CAIRO_LINE_CAP_ROUND
                                                          : CAIRO_LINE_CAP_SQUARE);
        cairo_set_miter_limit(FCairo, Style.MiterLimit);
        const std::vector<double> dashes(Style.Dashes.begin(), Style.Dashes.end());
        cairo_set_dash(FCairo, dashes.data(), int(dashes.size()), Style.DashOffset);
        cairo_stroke(FCairo);
    }

private:
    cairo_surface_t* FSurface;
    cairo_t* FCairo;
};

// Pixels partly covered in M, or next to one: the edge band.
std::vector<bool> EdgeBand(TMask& M) {
    std::vector<bool> band(kSize * kSize, false);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const int a = M.At(x, y);
            if (a == 0 || a == 255) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int u = x + dx, v = y + dy;
                    if (u >= 0 && v >= 0 && u < kSize && v < kSize) band[v * kSize + u] = true;
                }
        }
    return band;
}

struct TStrokeAgreement {
    int Both = 0, Either = 0; // pixels at least half covered in both pictures, in either
    int StrayPixels = 0;      // differing by more than a quarter away from the edge band
    int LargestDifference = 0;
    double IoU() const { return Either > 0 ? double(Both) / Either : 1; }
};

// Our outline filled against Cairo's stroke of the same path.
TStrokeAgreement CompareStroke(const TKwPathData& Path, const TKwStrokeStyle& Style) {
    TKwPathData outline;
    KwStrokeOutline(Path, Style, outline);
    TMask ours(true), cairo(true);
    ours.Fill(outline, fmNonZero);
    cairo.Stroke(Path, Style);
    const std::vector<bool> bandOurs = EdgeBand(ours), bandCairo = EdgeBand(cairo);
    TStrokeAgreement r;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const int a = ours.At(x, y), b = cairo.At(x, y);
            r.Both += a >= 128 && b >= 128;
            r.Either += a >= 128 || b >= 128;
            r.LargestDifference = std::max(r.LargestDifference, std::abs(a - b));
            if (std::abs(a - b) > 64 && !bandOurs[y * kSize + x] && !bandCairo[y * kSize + x])
                ++r.StrayPixels;
        }
    return r;
}

// Moves the icon's tight bounds onto the picture less a margin, one scale for both axes.
void FitIcon(TKwPathData& Path, float Margin) {
    const TKwRect b = Path.GetTightBounds();
    const float k = (kSize - 2 * Margin) / std::max({b.Right - b.Left, b.Bottom - b.Top, 1e-6f});
    Path.Translate(-b.Left, -b.Top);
    Path.Scale(k, k);
    Path.Translate(Margin, Margin);
}

std::string StyleText(const TKwStrokeStyle& S) {
    std::string dashes;
    for (const float d : S.Dashes) dashes += std::to_string(d) + " ";
    return "width " + std::to_string(S.Width) + " join " + std::to_string(S.Join) + " cap " +
           std::to_string(S.Cap) + " limit " + std::to_string(S.MiterLimit) +
           (dashes.empty() ? "" : " dashes " + dashes);
}

// The outline lies within a tenth of a pixel of the exact one, and Cairo's within a
// hundredth here: pixels on an edge differ by a few levels, which flips about one in fifty
// edge pixels that sit at half coverage. Thin dashed strokes are mostly edge (two long sides
// and two ends per dash), so their IoU is held to 0.98 each and 0.99 taken together.
struct TAgreementTally {
    int Both = 0, Either = 0;
    double WorstIoU = 1;
    int LargestDifference = 0;
    void Add(const TStrokeAgreement& R) {
        Both += R.Both;
        Either += R.Either;
        WorstIoU = std::min(WorstIoU, R.IoU());
        LargestDifference = std::max(LargestDifference, R.LargestDifference);
    }
    double IoU() const { return Either > 0 ? double(Both) / Either : 1; }
};

void ExpectAgreement(const TStrokeAgreement& R, const TKwStrokeStyle& Style,
                     const std::string& What) {
    EXPECT_GE(R.IoU(), Style.Dashes.empty() ? 0.99 : 0.98) << What << " " << StyleText(Style);
    EXPECT_EQ(R.StrayPixels, 0) << What << " " << StyleText(Style);
}

} // namespace

TEST(CairoStrokeOutline, FillsLikeCairosStrokeOnEveryIcon) {
    const std::vector<kwtest::TIconSample> icons = kwtest::LoadIconSample();
    ASSERT_GE(icons.size(), 400u);
    TAgreementTally solid, dashed;
    int k = 0;
    for (const kwtest::TIconSample& icon : icons) {
        TKwPathData path;
        ASSERT_TRUE(path.SetSvgPathString(icon.Data)) << icon.Id();
        FitIcon(path, 16);
        TKwStrokeStyle style;
        style.Width = k % 4 == 3 ? 6 : 3;
        style.Join = TKwLineJoin(k % 3);
        style.Cap = TKwLineCap((k / 3) % 3);
        if (k % 5 == 4) style.Dashes = {7, 3, 3, 3};
        style.DashOffset = float(k % 7);
        ++k;
        const TStrokeAgreement r = CompareStroke(path, style);
        (style.Dashes.empty() ? solid : dashed).Add(r);
        ExpectAgreement(r, style, icon.Id());
    }
    EXPECT_GE(solid.IoU(), 0.995);
    EXPECT_GE(dashed.IoU(), 0.99);
    RecordProperty("SolidIoU", std::to_string(solid.IoU()));
    RecordProperty("SolidWorstIoU", std::to_string(solid.WorstIoU));
    RecordProperty("DashedIoU", std::to_string(dashed.IoU()));
    RecordProperty("DashedWorstIoU", std::to_string(dashed.WorstIoU));
    RecordProperty("LargestDifference",
                   std::max(solid.LargestDifference, dashed.LargestDifference));
}

TEST(CairoStrokeOutline, FillsLikeCairosStrokeOnRandomPaths) {
    std::mt19937 rng(99);
    TAgreementTally solid, dashed;
    for (int round = 0; round < 150; ++round) {
        const TKwPathData path = test::RandomStrokePath(rng, 28, 228, 5);
        TKwStrokeStyle style;
        style.Width = 3 + float(rng() % 120) / 10;
        style.Join = TKwLineJoin(rng() % 3);
        style.Cap = TKwLineCap(rng() % 3);
        style.MiterLimit = 1 + float(rng() % 60) / 10;
        if (rng() % 4 == 0) style.Dashes = {float(4 + rng() % 12), float(2 + rng() % 8)};
        const TStrokeAgreement r = CompareStroke(path, style);
        (style.Dashes.empty() ? solid : dashed).Add(r);
        ExpectAgreement(r, style, path.GetSvgPathString());
    }
    EXPECT_GE(solid.IoU(), 0.995);
    EXPECT_GE(dashed.IoU(), 0.99);
}

TEST(CairoStrokeHitTest, AgreesWithTheRasterisedOutlineAndCairosStroke) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> coord(40, 216);
    int compared = 0;
    for (int round = 0; round < 12; ++round) {
        TKwPathData path;
        path.MoveTo({coord(rng), coord(rng)});
        for (int s = 0; s < 3; ++s)
            path.CurveTo({coord(rng), coord(rng)}, {coord(rng), coord(rng)},
                         {coord(rng), coord(rng)});
        TKwStrokeStyle style;
        style.Width = 2 + float(rng() % 100) / 10;
        style.Join = TKwLineJoin(rng() % 3);
        style.Cap = TKwLineCap(rng() % 3);
        if (round % 4 == 3) style.Dashes = {12, 5};
        // Without anti-aliasing Cairo paints a pixel when its centre is inside; with it, a
        // pixel fully covered or empty lies more than half a pixel from the border.
        TKwPathData outline;
        KwStrokeOutline(path, style, outline);
        TMask filled(false), filledSmooth(true), cairo(false), cairoSmooth(true);
        filled.Fill(outline, fmNonZero);
        filledSmooth.Fill(outline, fmNonZero);
        cairo.Stroke(path, style);
        cairoSmooth.Stroke(path, style);
        for (int y = 0; y < kSize; y += 8)
            for (int x = 0; x < kSize; x += 8) {
                const int a = filledSmooth.At(x, y), b = cairoSmooth.At(x, y);
                if ((a != 0 && a != 255) || (b != 0 && b != 255)) continue;
                ++compared;
                const bool hit = KwPointInStroke(path, style, TKwPoint(x + 0.5f, y + 0.5f));
                ASSERT_EQ(hit, filled.At(x, y) != 0)
                    << path.GetSvgPathString() << " " << StyleText(style) << " at " << x << "," << y
                    << ": the rasterised outline";
                ASSERT_EQ(hit, cairo.At(x, y) != 0)
                    << path.GetSvgPathString() << " " << StyleText(style) << " at " << x << "," << y
                    << ": Cairo's stroke";
            }
    }
    EXPECT_GT(compared, 12 * 700);
}

namespace {

// Checks Op(A, B) against the combined masks at pixel centres away from A's and B's edges.
int CompareBoolean(const TKwPathData& A, const TKwPathData& B, TKwPathOp Op,
                   const std::string& What) {
    TKwPathData result;
    KwCombinePaths(A, B, Op, result);
    TMask a(false), b(false), r(false), edgesA(true), edgesB(true);
    a.Fill(A, A.FillMode());
    b.Fill(B, B.FillMode());
    r.Fill(result, fmNonZero);
    edgesA.Fill(A, A.FillMode());
    edgesB.Fill(B, B.FillMode());
    const std::vector<bool> bandA = EdgeBand(edgesA), bandB = EdgeBand(edgesB);
    const test::TPolys pa = test::FlatPolygons(A), pb = test::FlatPolygons(B);
    int compared = 0, failures = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            if (bandA[y * kSize + x] || bandB[y * kSize + x]) continue;
            const bool ia = a.At(x, y) != 0, ib = b.At(x, y) != 0;
            const bool want = Op == poUnion          ? ia || ib
                              : Op == poIntersection ? ia && ib
                              : Op == poDifference   ? ia && !ib
                                                     : ia != ib;
            // A centre next to a sliver of an input too thin to show in its anti-aliased
            // picture: still an edge (Cairo's rasteriser rounds the ends of such slivers).
            if ((r.At(x, y) != 0) != want &&
                std::min(test::DistanceToEdges(pa, x + 0.5, y + 0.5),
                         test::DistanceToEdges(pb, x + 0.5, y + 0.5)) < 2)
                continue;
            ++compared;
            if ((r.At(x, y) != 0) != want && ++failures <= 3)
                ADD_FAILURE() << What << " at " << x << "," << y << ": expected " << want;
        }
    return compared;
}

} // namespace

TEST(CairoPathBoolean, AgreesWithCombinedMasksOnIconPairs) {
    const std::vector<kwtest::TIconSample> icons = kwtest::LoadIconSample();
    const char* const ops[] = {"union", "intersection", "difference", "xor"};
    for (size_t i = 0; i < icons.size(); i += 4) {
        const kwtest::TIconSample &ia = icons[i], &ib = icons[(i + 1) % icons.size()];
        TKwPathData a, b;
        ASSERT_TRUE(a.SetSvgPathString(ia.Data));
        ASSERT_TRUE(b.SetSvgPathString(ib.Data));
        a.SetFillMode(ia.FillRule == "evenodd" ? fmEvenOdd : fmNonZero);
        b.SetFillMode(ib.FillRule == "evenodd" ? fmEvenOdd : fmNonZero);
        FitIcon(a, 8);
        FitIcon(b, 40);
        const TKwPathOp op = TKwPathOp((i / 4) % 4);
        EXPECT_GT(
            CompareBoolean(a, b, op, std::string(ops[op]) + " of " + ia.Id() + " and " + ib.Id()),
            kSize * kSize / 2);
    }
}

TEST(CairoPathBoolean, AgreesWithCombinedMasksOnSelfCrossingPolygons) {
    std::mt19937 rng(17);
    std::uniform_int_distribution<int> coord(8, 248);
    for (int round = 0; round < 40; ++round) {
        TKwPathData a, b;
        for (TKwPathData* p : {&a, &b}) {
            p->MoveTo({float(coord(rng)), float(coord(rng))});
            for (int k = 0, n = 3 + int(rng() % 8); k < n; ++k)
                p->LineTo({float(coord(rng)), float(coord(rng))}); // on whole pixels: shared edges
            p->ClosePath();
            p->SetFillMode(rng() % 2 ? fmNonZero : fmEvenOdd);
        }
        CompareBoolean(a, b, TKwPathOp(round % 4),
                       a.GetSvgPathString() + " / " + b.GetSvgPathString());
    }
}
