// SPDX-License-Identifier: MIT
// Path flattening, filling and hit testing against Cairo doing the same work in the same
// run, on the same inputs: 1,000 random cubic curves in a 1000 x 1000 box, and an icon
// (a filled outline icon from the test data, scaled up).
//
// Sections: inputs; flattening (FlattenToPolygon against cairo_copy_path_flat at tolerance
// 0.25, points per second); filling (FillPath on a 500 x 500 bitmap against Cairo filling
// the same integer polygons itself, and FillPathArea's sub-pixel fill, with and without
// anti-aliasing, against Cairo filling the same float polygons as one path); hit testing
// (PointInPath, which tests figures one by one, and PointInPathArea, the hit test of the
// filled area, against cairo_in_fill under the path's fill rule, on a path of 1,000 entries
// and on the icon).
//
// Compare the pairs by their items_per_second (points for flattening, fills or queries
// otherwise).
//
// The icon sample (tests/data/icons/icons.txt, every icon fitted into SIZE x SIZE,
// anti-aliased, under its own fill rule, on a transparent bitmap cleared before each icon)
// is the work of the Skia peer script: BM_FillSvgIcons (path parsed once) and
// BM_ParseFillSvgIcons (parsed every time) against BM_ClearFloor, the clear alone. Their
// "us_per_icon" counters compare directly with the script's figures. BM_FillSvgIconsOver
// fills the icons one over another without clearing: the peer's canvas records its drawing
// and draws it when pixels are read, so that a clear drops the fills recorded before it;
// filled over one another, every icon is drawn. The same icons fitted
// into 256 x 256 are filled with hard edges (FillPath, FillPathArea) and outlined with solid
// pens of 1 and 3 pixels (DrawPath), each against Cairo doing the same work itself.

#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/path/KwPathAreaFill.h>
#include <kwgfx/path/KwPathData.h>
#include <kwgfx/path/KwSvgFill.h>
#include <kwgfx/path/KwSvgPathParser.h>
#include <kwgfx/platform/graphics/RecordingCanvas.h>

#include "support/IconSample.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace kw;

namespace {

// ---------------------------------------------------------------- inputs

// Each curve its own figure, so no curve's shape depends on another's.
void AddRandomCurves(TKwPathData& Path, int Count, float Box, unsigned Seed) {
    std::mt19937 rng(Seed);
    std::uniform_real_distribution<float> c(0, Box);
    Path.BeginUpdate();
    for (int i = 0; i < Count; ++i) {
        Path.MoveTo({c(rng), c(rng)});
        Path.CurveTo({c(rng), c(rng)}, {c(rng), c(rng)}, {c(rng), c(rng)});
    }
    Path.EndUpdate();
}

class TPathSink : public IKwSvgPathSink {
public:
    explicit TPathSink(TKwPathData& Path) : FPath(Path) {}
    void MoveTo(const TKwPoint& P) override { FPath.MoveTo(P); }
    void LineTo(const TKwPoint& P) override { FPath.LineTo(P); }
    void CurveTo(const TKwPoint& A, const TKwPoint& B, const TKwPoint& E) override {
        FPath.CurveTo(A, B, E);
    }
    void ArcTo(const TKwPoint&, const TKwPoint&, float, bool, bool, const TKwPoint& E) override {
        FPath.LineTo(E); // the chosen icon has no arcs
    }
    void ClosePath() override { FPath.ClosePath(); }

private:
    TKwPathData& FPath;
};

// The icon "heart-cog-outline" (24 x 24, lines and curves only) fitted to Box x Box.
void AddIcon(TKwPathData& Path, float Box) {
    for (const kwtest::TIconSample& icon : kwtest::LoadIconSample()) {
        if (icon.Name != "heart-cog-outline") continue;
        TPathSink sink(Path);
        ParseSvgPath(icon.Data, sink);
        Path.Scale(Box / 24, Box / 24);
        return;
    }
    throw std::runtime_error("icon heart-cog-outline not found in the icon sample");
}

struct TInputs {
    TKwPathData Curves;     // in 1000 x 1000
    TKwPathData Icon;       // in 1000 x 1000
    TKwPathData CurvesHalf; // in 500 x 500, for filling
    TKwPathData IconHalf;
    TInputs() {
        AddRandomCurves(Curves, 1000, 1000, 1);
        AddRandomCurves(CurvesHalf, 1000, 500, 1);
        AddIcon(Icon, 1000);
        AddIcon(IconHalf, 500);
    }
};

const TInputs& Inputs() {
    static const TInputs inputs;
    return inputs;
}

const TKwPathData& Pick(const TKwPathData& Curves, const TKwPathData& Icon, int Which) {
    return Which == 0 ? Curves : Icon;
}

const char* InputName(int Which) {
    return Which == 0 ? "1000 random cubics" : "icon";
}

// The path as Cairo path commands.
void ToCairo(cairo_t* Cr, const TKwPathData& Path) {
    cairo_new_path(Cr);
    const auto entries = Path.Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const TKwPoint p = entries[i].Point;
        switch (entries[i].Kind) {
        case ppMoveTo:
            cairo_move_to(Cr, p.X, p.Y);
            break;
        case ppLineTo:
            cairo_line_to(Cr, p.X, p.Y);
            break;
        case ppCurveTo: {
            const TKwPoint b = entries[i + 1].Point, e = entries[i + 2].Point;
            cairo_curve_to(Cr, p.X, p.Y, b.X, b.Y, e.X, e.Y);
            i += 2;
            break;
        }
        case ppClose:
            cairo_close_path(Cr);
            break;
        }
    }
}

struct TCairoImage {
    cairo_surface_t* Surface;
    cairo_t* Cr;
    TCairoImage(int W, int H)
        : Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H)),
          Cr(cairo_create(Surface)) {}
    ~TCairoImage() {
        cairo_destroy(Cr);
        cairo_surface_destroy(Surface);
    }
};

// Adds the closed figure through Points to Cr's path, each point moved onto its pixel's
// centre, as the raster canvas hands points to Cairo.
template <typename TPoints>
void AddCentredFigure(cairo_t* Cr, const TPoints& Points) {
    cairo_move_to(Cr, Points[0].X + 0.5, Points[0].Y + 0.5);
    for (size_t i = 1; i < Points.size(); ++i)
        cairo_line_to(Cr, Points[i].X + 0.5, Points[i].Y + 0.5);
    cairo_close_path(Cr);
}

// ---------------------------------------------------------------- flattening

void BM_FlattenToPolygon(benchmark::State& State) {
    const TKwPathData& path = Pick(Inputs().Curves, Inputs().Icon, int(State.range(0)));
    TKwPoints polygon;
    int64_t points = 0;
    for (auto _ : State) {
        path.FlattenToPolygon(polygon, 0.25f);
        benchmark::DoNotOptimize(polygon.data());
        points += int64_t(polygon.size());
    }
    State.SetItemsProcessed(points);
    State.counters["points"] = double(polygon.size());
    State.SetLabel(InputName(int(State.range(0))));
}
BENCHMARK(BM_FlattenToPolygon)->Arg(0)->Arg(1);

void BM_CairoCopyPathFlat(benchmark::State& State) {
    const TKwPathData& path = Pick(Inputs().Curves, Inputs().Icon, int(State.range(0)));
    TCairoImage image(1000, 1000);
    cairo_set_tolerance(image.Cr, 0.25);
    ToCairo(image.Cr, path);
    int64_t points = 0;
    int lastPoints = 0;
    for (auto _ : State) {
        cairo_path_t* flat = cairo_copy_path_flat(image.Cr);
        // Every element but a close carries one point.
        lastPoints = 0;
        for (int i = 0; i < flat->num_data; i += flat->data[i].header.length)
            lastPoints += flat->data[i].header.type != CAIRO_PATH_CLOSE_PATH;
        points += lastPoints;
        cairo_path_destroy(flat);
    }
    State.SetItemsProcessed(points);
    State.counters["points"] = lastPoints;
    State.SetLabel(InputName(int(State.range(0))));
}
BENCHMARK(BM_CairoCopyPathFlat)->Arg(0)->Arg(1);

// ---------------------------------------------------------------- filling

void BM_FillPath(benchmark::State& State) {
    const TKwPathData& path = Pick(Inputs().CurvesHalf, Inputs().IconHalf, int(State.range(0)));
    platform::TBitmap bitmap(500, 500);
    platform::TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetStyle(platform::psClear);
    canvas.Brush().SetColor(platform::clNavy);
    for (auto _ : State) path.FillPath(canvas, 1);
    State.SetItemsProcessed(int64_t(State.iterations()));
    State.SetLabel(InputName(int(State.range(0))));
}
BENCHMARK(BM_FillPath)->Arg(0)->Arg(1);

// The same integer polygons FillPath hands the canvas, filled by Cairo calls made here,
// the way the raster canvas fills them: through pixel centres, even-odd, no anti-aliasing.
void BM_CairoFillPolygons(benchmark::State& State) {
    const TKwPathData& path = Pick(Inputs().CurvesHalf, Inputs().IconHalf, int(State.range(0)));
    platform::TRecordingCanvas recorder;
    path.FillPath(recorder, 1);
    std::vector<TCanvasPoints> polygons;
    for (const platform::TCanvasCall& call : recorder.Calls()) polygons.push_back(call.Points);
    TCairoImage image(500, 500);
    cairo_t* cr = image.Cr;
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_source_rgb(cr, 0, 0, 0.5);
    for (auto _ : State) {
        for (const TCanvasPoints& p : polygons) {
            cairo_new_path(cr);
            AddCentredFigure(cr, p);
            cairo_fill(cr);
        }
    }
    State.SetItemsProcessed(int64_t(State.iterations()));
    State.SetLabel(InputName(int(State.range(0))));
}
BENCHMARK(BM_CairoFillPolygons)->Arg(0)->Arg(1);

// All figures as one area at their sub-pixel coordinates. Args: input, anti-aliasing.
void BM_FillPathArea(benchmark::State& State) {
    const TKwPathData& path = Pick(Inputs().CurvesHalf, Inputs().IconHalf, int(State.range(0)));
    platform::TBitmap bitmap(500, 500);
    platform::TCairoCanvas& canvas = bitmap.Canvas();
    canvas.SetAntialias(State.range(1) != 0);
    canvas.Pen().SetStyle(platform::psClear);
    canvas.Brush().SetColor(platform::clNavy);
    for (auto _ : State) FillPathArea(canvas, path);
    State.SetItemsProcessed(int64_t(State.iterations()));
    State.SetLabel(std::string(InputName(int(State.range(0)))) +
                   (State.range(1) ? ", antialiased" : ""));
}
BENCHMARK(BM_FillPathArea)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

// The same float polygons FillPathArea hands the canvas, filled by Cairo calls made here
// the way the raster canvas fills them: one path through the pixel-centre offset, under the
// path's fill rule.
void BM_CairoFillFloatPolygons(benchmark::State& State) {
    const TKwPathData& path = Pick(Inputs().CurvesHalf, Inputs().IconHalf, int(State.range(0)));
    const TKwPolygons polygons = path.ToPolygons();
    TCairoImage image(500, 500);
    cairo_t* cr = image.Cr;
    cairo_set_antialias(cr, State.range(1) ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, path.FillMode() == fmNonZero ? CAIRO_FILL_RULE_WINDING
                                                         : CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_source_rgb(cr, 0, 0, 0.5);
    for (auto _ : State) {
        cairo_new_path(cr);
        for (const TKwPoints& p : polygons) {
            AddCentredFigure(cr, p);
        }
        cairo_fill(cr);
    }
    State.SetItemsProcessed(int64_t(State.iterations()));
    State.SetLabel(std::string(InputName(int(State.range(0)))) +
                   (State.range(1) ? ", antialiased" : ""));
}
BENCHMARK(BM_CairoFillFloatPolygons)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

// ---------------------------------------------------------------- the icon sample

struct TSampleIcon {
    std::string Data;
    TKwPathData Path;
    TKwFillMode Rule = fmNonZero;
};

// Every icon of the sample, its path data parsed once; lines are tab-separated, the last
// field the path data, a field "evenodd" the fill rule.
const std::vector<std::unique_ptr<TSampleIcon>>& SampleIcons() {
    static const std::vector<std::unique_ptr<TSampleIcon>> icons = [] {
        std::vector<std::unique_ptr<TSampleIcon>> list;
        for (const kwtest::TIconSample& sample : kwtest::LoadIconSample()) {
            auto icon = std::make_unique<TSampleIcon>();
            icon->Data = sample.Data;
            icon->Path.SetSvgPathString(icon->Data);
            if (sample.FillRule == "evenodd") icon->Rule = fmEvenOdd;
            list.push_back(std::move(icon));
        }
        if (list.empty()) throw std::runtime_error("no icons in the sample");
        return list;
    }();
    return icons;
}

TKwSvgFillOptions IconOptions(const TSampleIcon& Icon, int Size) {
    TKwSvgFillOptions options;
    options.Color = platform::clBlack;
    options.FillRule = Icon.Rule;
    options.FitInto = TKwRect(0, 0, float(Size), float(Size));
    return options;
}

void CountIcons(benchmark::State& State, size_t Icons) {
    State.SetItemsProcessed(int64_t(State.iterations() * Icons));
    // Time per icon in microseconds: the inverse of icons per microsecond.
    State.counters["us_per_icon"] =
        benchmark::Counter(double(Icons) / 1e6, benchmark::Counter::kIsIterationInvariantRate |
                                                    benchmark::Counter::kInvert);
}

// Clears the bitmap to transparent by writing every pixel once, as the Skia peer clears its
// canvas before each icon.
void ClearPixels(platform::TBitmap& Bitmap) {
    cairo_surface_t* surface = Bitmap.Surface();
    cairo_surface_flush(surface);
    std::memset(cairo_image_surface_get_data(surface), 0,
                std::size_t(cairo_image_surface_get_stride(surface)) *
                    std::size_t(cairo_image_surface_get_height(surface)));
    cairo_surface_mark_dirty(surface);
}

// The floor: clearing the picture once per icon, as every fill below does too.
void BM_ClearFloor(benchmark::State& State) {
    const int size = int(State.range(0));
    const size_t icons = SampleIcons().size();
    platform::TBitmap bitmap(size, size, platform::TRGBA::Transparent);
    for (auto _ : State) {
        for (size_t i = 0; i < icons; ++i) ClearPixels(bitmap);
        benchmark::ClobberMemory();
    }
    CountIcons(State, icons);
}
BENCHMARK(BM_ClearFloor)->Arg(32)->Arg(256)->Arg(1024);

// Arg: the picture size. Parse: the path data is read on every fill, as well. Clear: the
// picture is cleared before each icon; otherwise icons are filled one over another.
template <bool Parse, bool Clear = true>
void FillSvgIcons(benchmark::State& State) {
    const int size = int(State.range(0));
    platform::TBitmap bitmap(size, size, platform::TRGBA::Transparent);
    for (auto _ : State) {
        for (const auto& icon : SampleIcons()) {
            if constexpr (Clear) ClearPixels(bitmap);
            if constexpr (Parse)
                FillSvgPath(bitmap.Canvas(), icon->Data, IconOptions(*icon, size));
            else
                FillSvgPath(bitmap.Canvas(), icon->Path, IconOptions(*icon, size));
        }
        cairo_surface_flush(bitmap.Surface());
    }
    CountIcons(State, SampleIcons().size());
}
void BM_FillSvgIcons(benchmark::State& State) {
    FillSvgIcons<false>(State);
}
BENCHMARK(BM_FillSvgIcons)->Arg(32)->Arg(256)->Arg(1024);
void BM_ParseFillSvgIcons(benchmark::State& State) {
    FillSvgIcons<true>(State);
}
BENCHMARK(BM_ParseFillSvgIcons)->Arg(32)->Arg(256)->Arg(1024);
void BM_FillSvgIconsOver(benchmark::State& State) {
    FillSvgIcons<false, false>(State);
}
BENCHMARK(BM_FillSvgIconsOver)->Arg(32)->Arg(256)->Arg(1024);

// The sample's icons fitted into Size x Size, each under its own fill rule: the inputs of
// the hard-edged fills and the outlines below.
const std::vector<std::unique_ptr<TKwPathData>>& FittedIcons(int Size) {
    static std::map<int, std::vector<std::unique_ptr<TKwPathData>>> bySize;
    auto& icons = bySize[Size];
    if (icons.empty())
        for (const auto& icon : SampleIcons()) {
            auto fitted = std::make_unique<TKwPathData>();
            fitted->Assign(icon->Path);
            fitted->ApplyMatrix(
                KwFitMatrix(icon->Path.GetTightBounds(), TKwRect(0, 0, float(Size), float(Size))));
            fitted->SetFillMode(icon->Rule);
            icons.push_back(std::move(fitted));
        }
    return icons;
}

// What FillPath (Arg 0) or DrawPath (Arg 1) hands a canvas for every fitted icon: its
// integer point lists.
std::vector<std::vector<TCanvasPoints>> IconCanvasFigures(int Size, bool Outline) {
    std::vector<std::vector<TCanvasPoints>> all;
    for (const auto& icon : FittedIcons(Size)) {
        platform::TRecordingCanvas recorder;
        if (Outline)
            icon->DrawPath(recorder, 1);
        else
            icon->FillPath(recorder, 1);
        auto& figures = all.emplace_back();
        for (const platform::TCanvasCall& call : recorder.Calls()) figures.push_back(call.Points);
    }
    return all;
}

// Hard-edged fills of every icon at 256 x 256: FillPath (one even-odd polygon per figure),
// FillPathArea (all figures as one area at sub-pixel coordinates), and Cairo filling the
// same polygons itself as the canvas asks it to.
void BM_FillPathIcons(benchmark::State& State) {
    const auto& icons = FittedIcons(256);
    platform::TBitmap bitmap(256, 256);
    platform::TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetStyle(platform::psClear);
    canvas.Brush().SetColor(platform::clNavy);
    for (auto _ : State)
        for (const auto& icon : icons) icon->FillPath(canvas, 1);
    CountIcons(State, icons.size());
}
BENCHMARK(BM_FillPathIcons);

void BM_CairoFillIconPolygons(benchmark::State& State) {
    const auto figures = IconCanvasFigures(256, false);
    TCairoImage image(256, 256);
    cairo_t* cr = image.Cr;
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_source_rgb(cr, 0, 0, 0.5);
    for (auto _ : State)
        for (const auto& icon : figures)
            for (const TCanvasPoints& p : icon) {
                cairo_new_path(cr);
                AddCentredFigure(cr, p);
                cairo_fill(cr);
            }
    CountIcons(State, figures.size());
}
BENCHMARK(BM_CairoFillIconPolygons);

void BM_FillPathAreaIcons(benchmark::State& State) {
    const auto& icons = FittedIcons(256);
    platform::TBitmap bitmap(256, 256);
    platform::TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetStyle(platform::psClear);
    canvas.Brush().SetColor(platform::clNavy);
    for (auto _ : State)
        for (const auto& icon : icons) FillPathArea(canvas, *icon);
    CountIcons(State, icons.size());
}
BENCHMARK(BM_FillPathAreaIcons);

void BM_CairoFillIconFloatPolygons(benchmark::State& State) {
    const auto& icons = FittedIcons(256);
    std::vector<TKwPolygons> polygons;
    for (const auto& icon : icons) polygons.push_back(icon->ToPolygons());
    TCairoImage image(256, 256);
    cairo_t* cr = image.Cr;
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, 0, 0, 0.5);
    for (auto _ : State)
        for (size_t k = 0; k < icons.size(); ++k) {
            cairo_set_fill_rule(cr, icons[k]->FillMode() == fmNonZero ? CAIRO_FILL_RULE_WINDING
                                                                      : CAIRO_FILL_RULE_EVEN_ODD);
            cairo_new_path(cr);
            for (const TKwPoints& p : polygons[k]) {
                AddCentredFigure(cr, p);
            }
            cairo_fill(cr);
        }
    CountIcons(State, icons.size());
}
BENCHMARK(BM_CairoFillIconFloatPolygons);

// Solid-pen outlines of every icon at 256 x 256, DrawPath with a pen of Args[0] pixels, with
// anti-aliasing when Args[1], and Cairo stroking the same open lines as the canvas asks it
// to: through pixel centres, the first point pushed half a pixel out and the last pulled
// half a pixel back, butt ends, mitred corners up to a limit of 2.
void BM_DrawPathIcons(benchmark::State& State) {
    const auto& icons = FittedIcons(256);
    platform::TBitmap bitmap(256, 256);
    platform::TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetColor(platform::clNavy);
    canvas.Pen().SetWidth(int32_t(State.range(0)));
    canvas.SetAntialias(State.range(1) != 0);
    for (auto _ : State)
        for (const auto& icon : icons) icon->DrawPath(canvas, 1);
    CountIcons(State, icons.size());
}
BENCHMARK(BM_DrawPathIcons)->Args({1, 0})->Args({3, 0})->Args({1, 1})->Args({3, 1});

void BM_CairoStrokeIcons(benchmark::State& State) {
    const auto figures = IconCanvasFigures(256, true);
    TCairoImage image(256, 256);
    cairo_t* cr = image.Cr;
    cairo_set_antialias(cr, State.range(1) ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, double(State.range(0)));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(cr, 2);
    cairo_set_source_rgb(cr, 0, 0, 0.5);
    // Moves End half a pixel along the line from Other.
    const auto moveEnd = [](double& X, double& Y, double OtherX, double OtherY, double Sign) {
        const double dx = X - OtherX, dy = Y - OtherY, len = std::hypot(dx, dy);
        if (len == 0) return;
        X += Sign * 0.5 * dx / len;
        Y += Sign * 0.5 * dy / len;
    };
    for (auto _ : State)
        for (const auto& icon : figures)
            for (const TCanvasPoints& p : icon) {
                if (p.size() < 2) continue;
                const size_t n = p.size();
                double x0 = p[0].X + 0.5, y0 = p[0].Y + 0.5;
                double xn = p[n - 1].X + 0.5, yn = p[n - 1].Y + 0.5;
                moveEnd(x0, y0, p[1].X + 0.5, p[1].Y + 0.5, 1);
                moveEnd(xn, yn, p[n - 2].X + 0.5, p[n - 2].Y + 0.5, -1);
                cairo_new_path(cr);
                cairo_move_to(cr, x0, y0);
                for (size_t i = 1; i + 1 < n; ++i) cairo_line_to(cr, p[i].X + 0.5, p[i].Y + 0.5);
                cairo_line_to(cr, xn, yn);
                cairo_stroke(cr);
            }
    CountIcons(State, figures.size());
}
BENCHMARK(BM_CairoStrokeIcons)->Args({1, 0})->Args({3, 0})->Args({1, 1})->Args({3, 1});

// ---------------------------------------------------------------- hit testing

// A path of exactly 1,000 entries: 250 random cubics (move plus three curve entries).
const TKwPathData& HitPath() {
    static const std::unique_ptr<TKwPathData> path = [] {
        auto p = std::make_unique<TKwPathData>();
        AddRandomCurves(*p, 250, 1000, 2);
        return p;
    }();
    return *path;
}

// Arg 0: the 1,000-entry path under even-odd (the path's default); arg 1: the icon in
// 1000 x 1000 under non-zero winding, its own rule.
const TKwPathData& HitInput(int Which) {
    static const std::unique_ptr<TKwPathData> icon = [] {
        auto p = std::make_unique<TKwPathData>();
        AddIcon(*p, 1000);
        p->SetFillMode(fmNonZero);
        return p;
    }();
    return Which == 0 ? HitPath() : *icon;
}

std::vector<TKwPoint> QueryPoints() {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> c(0, 1000);
    std::vector<TKwPoint> q(1024);
    for (TKwPoint& p : q) p = {c(rng), c(rng)};
    return q;
}

void BM_PointInPath(benchmark::State& State) {
    const TKwPathData& path = HitPath();
    const std::vector<TKwPoint> queries = QueryPoints();
    size_t i = 0;
    int inside = 0;
    for (auto _ : State) {
        inside += path.PointInPath(queries[i++ & 1023]);
    }
    benchmark::DoNotOptimize(inside);
    State.SetItemsProcessed(int64_t(State.iterations()));
    State.counters["entries"] = path.Count();
}
BENCHMARK(BM_PointInPath);

// The hit test of the filled area; its index is built by the first query and kept.
void BM_PointInPathArea(benchmark::State& State) {
    const TKwPathData& path = HitInput(int(State.range(0)));
    const std::vector<TKwPoint> queries = QueryPoints();
    size_t i = 0;
    int inside = 0;
    for (auto _ : State) {
        inside += path.PointInPathArea(queries[i++ & 1023]);
    }
    benchmark::DoNotOptimize(inside);
    State.SetItemsProcessed(int64_t(State.iterations()));
    State.counters["entries"] = path.Count();
    State.counters["inside"] = double(inside) / double(State.iterations());
    State.SetLabel(InputName(int(State.range(0)) == 0 ? 0 : 1));
}
BENCHMARK(BM_PointInPathArea)->Arg(0)->Arg(1);

// cairo_in_fill on the same path under the same rule, at Cairo's default tolerance (0.1,
// the tolerance of the path's own sampling).
void BM_CairoInFill(benchmark::State& State) {
    const TKwPathData& path = HitInput(int(State.range(0)));
    const std::vector<TKwPoint> queries = QueryPoints();
    TCairoImage image(1000, 1000);
    cairo_set_fill_rule(image.Cr, path.FillMode() == fmNonZero ? CAIRO_FILL_RULE_WINDING
                                                               : CAIRO_FILL_RULE_EVEN_ODD);
    ToCairo(image.Cr, path);
    size_t i = 0;
    int inside = 0;
    for (auto _ : State) {
        const TKwPoint q = queries[i++ & 1023];
        inside += cairo_in_fill(image.Cr, q.X, q.Y);
    }
    benchmark::DoNotOptimize(inside);
    State.SetItemsProcessed(int64_t(State.iterations()));
    State.counters["inside"] = double(inside) / double(State.iterations());
    State.SetLabel(InputName(int(State.range(0)) == 0 ? 0 : 1));
}
BENCHMARK(BM_CairoInFill)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
