// SPDX-License-Identifier: MIT
// Rendering hostile path texts of about 1 MB (tests/support/HostilePathText.h) at 256 x 256, as the
// program's render command does: read the text, fill it as one area without anti-aliasing
// (and, in BM_RenderHostileStroked, outline it with a one-pixel pen too). The goal is under
// 2 s for each; the peak memory is measured on the program by
// scripts/measure-hostile-render.sh, which calls this program with --write-inputs=DIR to
// write the texts to files.

#include "support/HostilePathText.h"

#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/path/KwPathAreaFill.h>
#include <kwgfx/path/KwPathData.h>

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

using namespace kw;

namespace {

const std::string& CaseText(size_t Index) {
    static std::vector<std::string> texts(kwbench::HostileCases().size());
    if (texts[Index].empty()) texts[Index] = kwbench::HostileCases()[Index].Make();
    return texts[Index];
}

void Render(const std::string& Text, bool Stroke) {
    TKwPathData path;
    path.SetSvgPathString(Text);
    path.SetFillMode(fmNonZero);
    platform::TBitmap picture(256, 256);
    platform::TCairoCanvas& canvas = picture.Canvas();
    canvas.Pen().SetStyle(platform::psClear);
    canvas.Brush().SetColor(platform::clBlack);
    FillPathArea(canvas, path);
    if (Stroke) {
        canvas.Pen().SetStyle(platform::psSolid);
        canvas.Pen().SetColor(platform::clRed);
        path.DrawPath(canvas, 1);
    }
    benchmark::DoNotOptimize(picture.GetPixel(128, 128));
}

void BM_RenderHostile(benchmark::State& State) {
    const size_t index = size_t(State.range(0));
    const std::string& text = CaseText(index);
    for (auto _ : State) Render(text, false);
    State.SetLabel(kwbench::HostileCases()[index].Name);
    State.counters["bytes"] = double(text.size());
}

void BM_RenderHostileStroked(benchmark::State& State) {
    const size_t index = size_t(State.range(0));
    const std::string& text = CaseText(index);
    for (auto _ : State) Render(text, true);
    State.SetLabel(kwbench::HostileCases()[index].Name);
}

void AllCases(benchmark::internal::Benchmark* B) {
    for (size_t i = 0; i < kwbench::HostileCases().size(); ++i) B->Arg(int64_t(i));
    B->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
}
BENCHMARK(BM_RenderHostile)->Apply(AllCases);
BENCHMARK(BM_RenderHostileStroked)->Apply(AllCases);

// Writes each case to DIR/<name>.txt.
int WriteInputs(const std::string& Dir) {
    for (const kwbench::THostileCase& c : kwbench::HostileCases()) {
        const std::string file = Dir + "/" + c.Name + ".txt";
        std::ofstream out(file, std::ios::binary);
        out << c.Make();
        if (!out) {
            std::cerr << "cannot write " << file << "\n";
            return 1;
        }
        std::cout << file << "\t" << c.What << "\n";
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    constexpr const char* write = "--write-inputs=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], write, std::strlen(write)) == 0)
            return WriteInputs(argv[i] + std::strlen(write));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
