// SPDX-License-Identifier: MIT
// Strict SVG path reading against the same-run floor of a bare std::from_chars pass over
// the same text (every number converted, nothing built).
//
//   bench_svg_path_text --benchmark_counters_tabular=true
//
// Pairs: Icons (the 400 icon paths of the test data, each read into a fresh path) and
// LongPath (one path of 20000 mixed segments in compact icon style). Icons_ReaderOnly reads
// the icons into a sink that keeps nothing: the reader's own cost without building the
// path (arcs are most of the difference: the arc builder's trigonometry).

#include <kwgfx/path/KwPathData.h>

#include "support/IconSample.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The path data of every icon of the sample.
std::vector<std::string> IconPaths() {
    std::vector<std::string> paths;
    for (const kwtest::TIconSample& icon : kwtest::LoadIconSample()) paths.push_back(icon.Data);
    return paths;
}

// Compact path text in the style of icon sets: relative commands, no separator before a
// minus sign, packed arc flags.
std::string LongPath(int Segments) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> d(-20, 20);
    auto num = [&](std::string& s) {
        char buf[32];
        const double v = std::round(d(rng) * 1000) / 1000;
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        if (!s.empty() && s.back() != ' ' && buf[0] != '-' && !std::isalpha(s.back())) s += ' ';
        s.append(buf, r.ptr);
    };
    std::string s = "M0 0";
    for (int i = 0; i < Segments; ++i) {
        switch (i % 6) {
        case 0:
            s += 'l';
            num(s);
            num(s);
            break;
        case 1:
            s += 'c';
            for (int k = 0; k < 6; ++k) num(s);
            break;
        case 2:
            s += 's';
            for (int k = 0; k < 4; ++k) num(s);
            break;
        case 3:
            s += 'h';
            num(s);
            break;
        case 4:
            s += 'a';
            s += "3 4 0 01";
            num(s);
            num(s);
            break;
        default:
            s += 'q';
            for (int k = 0; k < 4; ++k) num(s);
            break;
        }
    }
    return s + 'z';
}

// The floor: find each number and convert it, nothing else.
double FromCharsPass(const std::string& S) {
    double sum = 0;
    const char* p = S.data();
    const char* end = p + S.size();
    while (p < end) {
        const char c = *p;
        if ((c >= '0' && c <= '9') || c == '-' || c == '.') {
            double v;
            auto r = std::from_chars(p, end, v);
            if (r.ec == std::errc()) {
                sum += v;
                p = r.ptr;
                continue;
            }
        }
        ++p;
    }
    return sum;
}

std::size_t TotalBytes(const std::vector<std::string>& Texts) {
    std::size_t n = 0;
    for (const auto& t : Texts) n += t.size();
    return n;
}

void BM_Icons_SetSvgPathString(benchmark::State& State) {
    const auto icons = IconPaths();
    kw::TKwPathData path;
    for (auto _ : State)
        for (const auto& d : icons) {
            path.SetSvgPathString(d);
            benchmark::DoNotOptimize(path.Count());
        }
    State.SetBytesProcessed(int64_t(State.iterations() * TotalBytes(icons)));
}

class TDiscardingSink : public kw::IKwSvgPathSink {
public:
    float Sum = 0;
    void MoveTo(const kw::TKwPoint& P) override { Sum += P.X; }
    void LineTo(const kw::TKwPoint& P) override { Sum += P.X; }
    void CurveTo(const kw::TKwPoint&, const kw::TKwPoint&, const kw::TKwPoint& E) override {
        Sum += E.X;
    }
    void ArcTo(const kw::TKwPoint&, const kw::TKwPoint&, float, bool, bool,
               const kw::TKwPoint& E) override {
        Sum += E.X;
    }
    void ClosePath() override {}
};

void BM_Icons_ReaderOnly(benchmark::State& State) {
    const auto icons = IconPaths();
    TDiscardingSink sink;
    for (auto _ : State)
        for (const auto& d : icons) benchmark::DoNotOptimize(kw::ParseSvgPath(d, sink).Ok);
    benchmark::DoNotOptimize(sink.Sum);
    State.SetBytesProcessed(int64_t(State.iterations() * TotalBytes(icons)));
}

void BM_Icons_FromCharsFloor(benchmark::State& State) {
    const auto icons = IconPaths();
    for (auto _ : State)
        for (const auto& d : icons) benchmark::DoNotOptimize(FromCharsPass(d));
    State.SetBytesProcessed(int64_t(State.iterations() * TotalBytes(icons)));
}

void BM_LongPath_SetSvgPathString(benchmark::State& State) {
    const std::string text = LongPath(20000);
    kw::TKwPathData path;
    for (auto _ : State) {
        path.SetSvgPathString(text);
        benchmark::DoNotOptimize(path.Count());
    }
    State.SetBytesProcessed(int64_t(State.iterations() * text.size()));
}

void BM_LongPath_FromCharsFloor(benchmark::State& State) {
    const std::string text = LongPath(20000);
    for (auto _ : State) benchmark::DoNotOptimize(FromCharsPass(text));
    State.SetBytesProcessed(int64_t(State.iterations() * text.size()));
}

} // namespace

BENCHMARK(BM_Icons_SetSvgPathString);
BENCHMARK(BM_Icons_ReaderOnly);
BENCHMARK(BM_Icons_FromCharsFloor);
BENCHMARK(BM_LongPath_SetSvgPathString);
BENCHMARK(BM_LongPath_FromCharsFloor);
BENCHMARK_MAIN();
