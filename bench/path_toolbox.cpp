// SPDX-License-Identifier: MIT
// The path toolbox on the icon sample, for comparison with a peer run on the same work in
// the same session (Skia's Path2D.stroke() and Path2D.op() through @napi-rs/canvas):
//
//   bench_path_toolbox --benchmark_counters_tabular=true
//
// Every icon is read once, fitted to 256 x 256 (tight bounds, proportions kept, centred)
// and given its own fill rule, as the fill benchmark's peer script does.
//   - StrokeOutline: the outline of each icon stroked 3 wide (miter joins, limit 4, butt
//     caps); the time is per icon.
//   - UnionOfPairs: the union of icon i with icon i + 1 (the last with the first); the time
//     is per pair. The counter "empty" is the number of pairs whose union came out empty.
//   - DashedOutline, Measure, Simplify: the same icons dashed (6, 3) and stroked, measured
//     (total length), and simplified, for reference.

#include <kwgfx/path/KwPathBoolean.h>
#include <kwgfx/path/KwPathData.h>
#include <kwgfx/path/KwPathMeasure.h>
#include <kwgfx/path/KwStrokeOutline.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::unique_ptr<kw::TKwPathData>> LoadIcons() {
    std::ifstream in(std::string(KWGFX_TEST_DATA_DIR) + "/icons/icons.txt");
    if (!in) throw std::runtime_error("icons.txt not found below " KWGFX_TEST_DATA_DIR);
    std::vector<std::unique_ptr<kw::TKwPathData>> icons;
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.rfind('\t');
        if (tab == std::string::npos) continue;
        auto path = std::make_unique<kw::TKwPathData>();
        path->SetSvgPathString(std::string_view(line).substr(tab + 1));
        path->SetFillMode(line.find("\tevenodd\t") != std::string::npos ? kw::fmEvenOdd
                                                                        : kw::fmNonZero);
        // Fitted to 256 x 256 by one scale, centred.
        const kw::TKwRect b = path->GetTightBounds();
        const float w = b.Right - b.Left, h = b.Bottom - b.Top;
        const float k = 256 / std::max({w, h, 1e-6f});
        path->Translate(-(b.Left + b.Right) / 2, -(b.Top + b.Bottom) / 2);
        path->Scale(k, k);
        path->Translate(128, 128);
        icons.push_back(std::move(path));
    }
    return icons;
}

const std::vector<std::unique_ptr<kw::TKwPathData>>& Icons() {
    static const auto icons = LoadIcons();
    return icons;
}

kw::TKwStrokeStyle Style() {
    kw::TKwStrokeStyle s;
    s.Width = 3;
    s.Join = kw::ljMiter;
    s.MiterLimit = 4;
    s.Cap = kw::lcButt;
    return s;
}

void StrokeOutline(benchmark::State& State) {
    const auto& icons = Icons();
    const kw::TKwStrokeStyle style = Style();
    kw::TKwPathData outline;
    int64_t entries = 0;
    for (auto _ : State) {
        entries = 0;
        for (const auto& icon : icons) {
            kw::KwStrokeOutline(*icon, style, outline);
            entries += outline.Count();
        }
    }
    State.SetItemsProcessed(State.iterations() * int64_t(icons.size()));
    State.counters["us_per_icon"] =
        benchmark::Counter(double(State.iterations() * icons.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    State.counters["entries"] = double(entries);
}
BENCHMARK(StrokeOutline)->Unit(benchmark::kMillisecond);

void DashedOutline(benchmark::State& State) {
    const auto& icons = Icons();
    kw::TKwStrokeStyle style = Style();
    style.Dashes = {6, 3};
    kw::TKwPathData outline;
    for (auto _ : State)
        for (const auto& icon : icons) kw::KwStrokeOutline(*icon, style, outline);
    State.SetItemsProcessed(State.iterations() * int64_t(icons.size()));
}
BENCHMARK(DashedOutline)->Unit(benchmark::kMillisecond);

void UnionOfPairs(benchmark::State& State) {
    const auto& icons = Icons();
    kw::TKwPathData result;
    int empty = 0;
    for (auto _ : State) {
        empty = 0;
        for (size_t i = 0; i < icons.size(); ++i) {
            kw::KwCombinePaths(*icons[i], *icons[(i + 1) % icons.size()], kw::poUnion, result);
            empty += result.Count() == 0;
        }
    }
    State.SetItemsProcessed(State.iterations() * int64_t(icons.size()));
    State.counters["us_per_pair"] =
        benchmark::Counter(double(State.iterations() * icons.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    State.counters["empty"] = empty;
}
BENCHMARK(UnionOfPairs)->Unit(benchmark::kMillisecond);

void Simplify(benchmark::State& State) {
    const auto& icons = Icons();
    kw::TKwPathData result;
    for (auto _ : State)
        for (const auto& icon : icons) kw::KwSimplifyPath(*icon, result);
    State.SetItemsProcessed(State.iterations() * int64_t(icons.size()));
}
BENCHMARK(Simplify)->Unit(benchmark::kMillisecond);

void Measure(benchmark::State& State) {
    const auto& icons = Icons();
    double total = 0;
    for (auto _ : State)
        for (const auto& icon : icons) total += kw::TKwPathMeasure(*icon).Length();
    benchmark::DoNotOptimize(total);
    State.SetItemsProcessed(State.iterations() * int64_t(icons.size()));
}
BENCHMARK(Measure)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
