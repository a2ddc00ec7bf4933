// SPDX-License-Identifier: MIT
// The rasteriser alone, without Cairo or a canvas, on the icon sample
// (tests/data/icons/icons.txt): every icon fitted into SIZE x SIZE, anti-aliased, under its
// own fill rule, onto 32-bit pixels cleared before each icon. BM_RasterClear is the clear
// alone, the floor; BM_RasterIconEdges the figures alone (flattened, clipped and sorted into
// bands, never filled). "us_per_icon" compares with the Skia peer script's figures;
// "segments_per_icon" tells how many line segments the curves became.
//
// BM_RasterIconsLevel runs the same at 256 x 256 with each instruction set the processor
// has (0 plain C++, 1 SSE2, 2 AVX2), BM_RasterIconsHard with hard edges, and
// BM_RasterStrokeIcons outlines the fitted icons with pens of 1 and 3 pixels.

#include <kwgfx/path/KwPathData.h>
#include <kwgfx/path/KwSvgFill.h>
#include <kwgfx/raster/Rasterizer.h>
#include <kwgfx/raster/SimdLevel.h>
#include <kwgfx/raster/Stroker.h>

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace kw;

namespace {

struct TIcon {
    raster::TRasterPath Path;
    TKwRect Bounds;
    raster::TFillRule Rule = raster::TFillRule::NonZero;
};

// The sample's icons as rasteriser paths (arcs already turned into cubics by the path's
// own reader), with their tight bounds.
const std::vector<TIcon>& Icons() {
    static const std::vector<TIcon> icons = [] {
        std::vector<TIcon> list;
        std::ifstream in(std::filesystem::path(KWGFX_TEST_DATA_DIR) / "icons/icons.txt");
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty()) continue;
            TKwPathData path;
            path.SetSvgPathString(line.substr(line.rfind('\t') + 1));
            TIcon& icon = list.emplace_back();
            icon.Bounds = path.GetTightBounds();
            if (line.find("\tevenodd\t") != std::string::npos)
                icon.Rule = raster::TFillRule::EvenOdd;
            const auto entries = path.Entries();
            const auto at = [&](std::size_t I) {
                const TKwPoint p = entries[I].Point;
                return raster::TVertex{p.X, p.Y};
            };
            for (std::size_t i = 0; i < entries.size(); ++i) {
                switch (entries[i].Kind) {
                case ppMoveTo:
                    icon.Path.MoveTo(at(i));
                    break;
                case ppLineTo:
                    icon.Path.LineTo(at(i));
                    break;
                case ppCurveTo:
                    icon.Path.CubicTo(at(i), at(i + 1), at(i + 2));
                    i += 2;
                    break;
                case ppClose:
                    icon.Path.Close();
                    break;
                }
            }
        }
        if (list.empty()) throw std::runtime_error("no icons in the sample");
        return list;
    }();
    return icons;
}

raster::TAffine FitTransform(const TIcon& Icon, int Size) {
    const TKwMatrix m = KwFitMatrix(Icon.Bounds, TKwRect(0, 0, float(Size), float(Size)));
    return {m.M[0].X, m.M[0].Y, m.M[1].X, m.M[1].Y, m.M[2].X, m.M[2].Y};
}

struct TPicture {
    std::vector<std::uint8_t> Pixels;
    raster::TImageView View;
    explicit TPicture(int Size) : Pixels(std::size_t(Size) * Size * 4) {
        View = {Pixels.data(), Size, Size, Size * 4};
    }
    void Clear() {
        std::memset(Pixels.data(), 0, Pixels.size());
        benchmark::ClobberMemory();
    }
};

void Count(benchmark::State& State, std::size_t Icons, std::size_t Segments) {
    State.SetItemsProcessed(int64_t(State.iterations() * Icons));
    State.counters["us_per_icon"] =
        benchmark::Counter(double(Icons) / 1e6, benchmark::Counter::kIsIterationInvariantRate |
                                                    benchmark::Counter::kInvert);
    State.counters["segments_per_icon"] = double(Segments) / double(Icons);
}

void BM_RasterClear(benchmark::State& State) {
    const int size = int(State.range(0));
    TPicture picture(size);
    for (auto _ : State)
        for (std::size_t i = 0; i < Icons().size(); ++i) picture.Clear();
    Count(State, Icons().size(), 0);
}
BENCHMARK(BM_RasterClear)->Arg(32)->Arg(256)->Arg(1024);

void FillIcons(benchmark::State& State, int Size, bool Antialias) {
    TPicture picture(Size);
    raster::TRasterizer raster;
    std::size_t segments = 0;
    for (auto _ : State) {
        segments = 0;
        for (const TIcon& icon : Icons()) {
            picture.Clear();
            raster.Reset({0, 0, Size, Size}, Antialias);
            raster.SetTransform(FitTransform(icon, Size));
            raster.AddPath(icon.Path);
            segments += raster.EdgeCount();
            raster.FillSolid(picture.View, 0xFF000000u, icon.Rule);
        }
    }
    Count(State, Icons().size(), segments);
}

void BM_RasterIcons(benchmark::State& State) {
    FillIcons(State, int(State.range(0)), true);
}
BENCHMARK(BM_RasterIcons)->Arg(32)->Arg(256)->Arg(1024);

// The figures alone: flattened, clipped and sorted into bands, never filled.
void BM_RasterIconEdges(benchmark::State& State) {
    const int size = int(State.range(0));
    raster::TRasterizer raster;
    std::size_t segments = 0;
    for (auto _ : State) {
        segments = 0;
        for (const TIcon& icon : Icons()) {
            raster.Reset({0, 0, size, size}, true);
            raster.SetTransform(FitTransform(icon, size));
            raster.AddPath(icon.Path);
            segments += raster.EdgeCount();
        }
    }
    Count(State, Icons().size(), segments);
}
BENCHMARK(BM_RasterIconEdges)->Arg(32)->Arg(256)->Arg(1024);

void BM_RasterIconsLevel(benchmark::State& State) {
    const auto level = raster::TSimdLevel(State.range(0));
    if (level > raster::BestSimdLevel()) {
        State.SkipWithError("the processor lacks this instruction set");
        return;
    }
    raster::UseSimdLevel(level);
    FillIcons(State, 256, true);
    raster::UseSimdLevel(raster::BestSimdLevel());
}
BENCHMARK(BM_RasterIconsLevel)->Arg(0)->Arg(1)->Arg(2);

void BM_RasterIconsHard(benchmark::State& State) {
    FillIcons(State, 256, false);
}
BENCHMARK(BM_RasterIconsHard);

// The icons' flattened figures outlined with a solid pen of Arg pixels, butt ends, miters
// up to a limit of 2, hard edges, as the canvas outlines a path.
void BM_RasterStrokeIcons(benchmark::State& State) {
    const int size = 256;
    std::vector<std::vector<std::vector<raster::TVertex>>> outlines;
    for (const TIcon& icon : Icons()) {
        auto& figures = outlines.emplace_back();
        const raster::TAffine fit = FitTransform(icon, size);
        const auto points = icon.Path.Points();
        std::size_t p = 0;
        for (const raster::TPathVerb verb : icon.Path.Verbs()) {
            const int n = verb == raster::TPathVerb::Cubic   ? 3
                          : verb == raster::TPathVerb::Quad  ? 2
                          : verb == raster::TPathVerb::Close ? 0
                                                             : 1;
            if (verb == raster::TPathVerb::Move) figures.emplace_back();
            // The outline runs through the end points only: enough for timing the stroker.
            if (n > 0) figures.back().push_back(fit.Apply(points[p + n - 1]));
            p += std::size_t(n);
        }
    }
    raster::TStrokeStyle style;
    style.Width = double(State.range(0));
    style.MiterLimit = 2;
    TPicture picture(size);
    raster::TRasterizer raster;
    for (auto _ : State)
        for (const auto& figures : outlines) {
            raster.Reset({0, 0, size, size}, false);
            for (const auto& figure : figures) raster::StrokePolyline(raster, figure, true, style);
            raster.FillSolid(picture.View, 0xFF000080u, raster::TFillRule::NonZero);
        }
    Count(State, outlines.size(), 0);
}
BENCHMARK(BM_RasterStrokeIcons)->Arg(1)->Arg(3);

} // namespace

BENCHMARK_MAIN();
