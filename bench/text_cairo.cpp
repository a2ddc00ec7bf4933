// SPDX-License-Identifier: MIT
// Canvas text, the Pango path against the simple path in one run: TextWidth of a
// 20-character Latin string (the same string again, as a label repainting measures it: a
// look-up of the measured width; and a new string every call: shaped with HarfBuzz directly,
// no layout), TextOut of it, and DrawText with DT_WORDBREAK of paragraphs of 1,000 and
// 10,000 words (the growth from one to the other should be about linear).
//
//   build/bench/bench_text_cairo --benchmark_filter=Text
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/CairoCanvas.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace kw::platform;

namespace {

const std::string kLatin20 = "Quarterly report: Q3"; // 20 characters

TCairoTextEngine EngineOf(const benchmark::State& State) {
    return State.range(0) ? TCairoTextEngine::Pango : TCairoTextEngine::Simple;
}

void SetUp(TCairoCanvas& C, const benchmark::State& State) {
    C.SetTextEngine(EngineOf(State));
    C.Font().SetHeight(-13);
}

void BM_TextWidthSameString(benchmark::State& State) {
    TBitmap b(16, 16);
    auto& c = static_cast<TCairoCanvas&>(b.Canvas());
    SetUp(c, State);
    for (auto _ : State) benchmark::DoNotOptimize(c.TextWidth(kLatin20));
    State.SetLabel(State.range(0) ? "pango" : "simple");
}

void BM_TextWidthNewStrings(benchmark::State& State) {
    TBitmap b(16, 16);
    auto& c = static_cast<TCairoCanvas&>(b.Canvas());
    SetUp(c, State);
    std::string s = kLatin20;
    uint32_t n = 0;
    for (auto _ : State) {
        // Another 20-character string every call: the last four characters count up.
        ++n;
        for (int k = 0; k < 4; ++k) s[16 + k] = char('a' + (n >> (5 * k)) % 26);
        benchmark::DoNotOptimize(c.TextWidth(s));
    }
    State.SetLabel(State.range(0) ? "pango" : "simple");
}

void BM_TextOut(benchmark::State& State) {
    TBitmap b(200, 30);
    auto& c = static_cast<TCairoCanvas&>(b.Canvas());
    SetUp(c, State);
    for (auto _ : State) c.TextOut(2, 2, kLatin20);
    State.SetLabel(State.range(0) ? "pango" : "simple");
}

std::string Paragraph(int Words) {
    static const char* const kWords[] = {"the",   "quick", "brown", "fox",     "jumps",
                                         "over",  "lazy",  "dogs",  "while",   "seven",
                                         "tired", "owls",  "watch", "silently"};
    std::string s;
    for (int i = 0; i < Words; ++i) {
        if (i) s += ' ';
        s += kWords[(i * 7 + i / 3) % 14];
    }
    return s;
}

void BM_DrawTextWordBreak(benchmark::State& State) {
    TBitmap b(400, 300);
    auto& c = static_cast<TCairoCanvas&>(b.Canvas());
    SetUp(c, State);
    const std::string text = Paragraph(int(State.range(1)));
    for (auto _ : State) {
        TRect r(0, 0, 400, 300);
        benchmark::DoNotOptimize(c.DrawText(text, r, DT_WORDBREAK));
    }
    State.SetLabel(std::string(State.range(0) ? "pango" : "simple") + ", " +
                   std::to_string(State.range(1)) + " words");
}

} // namespace

BENCHMARK(BM_TextWidthSameString)->Arg(0)->Arg(1);
BENCHMARK(BM_TextWidthNewStrings)->Arg(0)->Arg(1);
BENCHMARK(BM_TextOut)->Arg(0)->Arg(1);
BENCHMARK(BM_DrawTextWordBreak)
    ->Args({0, 1000})
    ->Args({0, 10000})
    ->Args({1, 1000})
    ->Args({1, 10000})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
