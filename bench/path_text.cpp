// SPDX-License-Identifier: MIT
// Path text throughput: SetPathString and GetPathString against same-run floors (a bare
// std::from_chars pass over the same numbers, a bare std::to_chars pass writing them), and
// the cost of growing a path entry by entry.
//
// Sections
//   1. Inputs
//   2. Reading
//   3. Writing
//   4. Building

#include "kwgfx/path/KwPathData.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------- 1. Inputs

// Appends a number with two decimals in [Lo, Hi), then Sep.
void AppendNumber(std::string& Out, std::mt19937& Rng, float Lo, float Hi, char Sep) {
    std::uniform_real_distribution<float> d(Lo, Hi);
    char buf[32];
    const int n = std::snprintf(buf, sizeof buf, "%.2f", d(Rng));
    Out.append(buf, static_cast<size_t>(n));
    Out += Sep;
}

// Absolute moves and lines: "M12.34,56.78 L...".
std::string AbsolutePath(size_t Commands) {
    std::mt19937 rng(1);
    std::string s;
    for (size_t i = 0; i < Commands; ++i) {
        s += i % 50 == 0 ? 'M' : 'L';
        AppendNumber(s, rng, 0, 1000, ',');
        AppendNumber(s, rng, 0, 1000, ' ');
    }
    return s;
}

// Relative commands with curves, in the compact style of hand-optimised text.
std::string RelativePath(size_t Commands) {
    std::mt19937 rng(2);
    std::string s = "m10,10";
    auto pairs = [&](int Count) {
        for (int k = 0; k < Count; ++k) {
            AppendNumber(s, rng, -20, 20, ',');
            AppendNumber(s, rng, -20, 20, ' ');
        }
    };
    for (size_t i = 0; i < Commands; ++i) {
        switch (i % 4) {
        case 0:
            s += 'l';
            pairs(1);
            break;
        case 1:
            s += 'c';
            pairs(3);
            break;
        case 2:
            s += 's';
            pairs(2);
            break;
        default:
            s += 'h';
            AppendNumber(s, rng, -20, 20, 'v');
            AppendNumber(s, rng, -20, 20, ' ');
            break;
        }
    }
    s += 'z';
    return s;
}

// Short paths of the kind found in icon sets, each parsed on its own.
std::vector<std::string> IconPaths(size_t Count) {
    const char* icons[] = {
        "M12 2C6.48 2 2 6.48 2 12s4.48 10 10 10 10-4.48 10-10S17.52 2 12 2zm1 15h-2v-6h2v6zm0-"
        "8h-2V7h2v2z",
        "M19 6.41L17.59 5 12 10.59 6.41 5 5 6.41 10.59 12 5 17.59 6.41 19 12 13.41 17.59 19 19 "
        "17.59 13.41 12z",
        "M10 20v-6h4v6h5v-8h3L12 3 2 12h3v8z",
        "M3 18h18v-2H3v2zm0-5h18v-2H3v2zm0-7v2h18V6H3z",
        "M12 21.35l-1.45-1.32C5.4 15.36 2 12.28 2 8.5 2 5.42 4.42 3 7.5 3c1.74 0 3.41.81 4.5 "
        "2.09C13.09 3.81 14.76 3 16.5 3 19.58 3 22 5.42 22 8.5c0 3.78-3.4 6.86-8.55 11.54L12 "
        "21.35z",
    };
    std::vector<std::string> out;
    for (size_t i = 0; i < Count; ++i) out.emplace_back(icons[i % std::size(icons)]);
    return out;
}

size_t TotalSize(const std::vector<std::string>& Texts) {
    size_t n = 0;
    for (const auto& t : Texts) n += t.size();
    return n;
}

// ---------------------------------------------------------------- 2. Reading

// The floor: walk the text and convert every number with std::from_chars, nothing else.
float FromCharsPass(const std::string& Text) {
    float sum = 0;
    const char* p = Text.data();
    const char* end = p + Text.size();
    while (p < end) {
        const char c = *p;
        if ((c >= '0' && c <= '9') || c == '-' || c == '.') {
            float v = 0;
            const auto r = std::from_chars(p, end, v);
            if (r.ptr == p) {
                ++p;
                continue;
            }
            sum += v;
            p = r.ptr;
        } else {
            ++p;
        }
    }
    return sum;
}

void ParseOne(benchmark::State& State, const std::string& Text) {
    kw::TKwPathData path;
    for (auto _ : State) {
        path.SetPathString(Text);
        benchmark::DoNotOptimize(path.Count());
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

void FloorOne(benchmark::State& State, const std::string& Text) {
    for (auto _ : State) benchmark::DoNotOptimize(FromCharsPass(Text));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}

const std::string& AbsoluteText() {
    static const std::string s = AbsolutePath(20000);
    return s;
}
const std::string& RelativeText() {
    static const std::string s = RelativePath(20000);
    return s;
}
const std::vector<std::string>& IconTexts() {
    static const std::vector<std::string> v = IconPaths(2000);
    return v;
}

void BM_Parse_Absolute(benchmark::State& S) {
    ParseOne(S, AbsoluteText());
}
void BM_Floor_FromChars_Absolute(benchmark::State& S) {
    FloorOne(S, AbsoluteText());
}
void BM_Parse_Relative(benchmark::State& S) {
    ParseOne(S, RelativeText());
}
void BM_Floor_FromChars_Relative(benchmark::State& S) {
    FloorOne(S, RelativeText());
}

void BM_Parse_Icons(benchmark::State& S) {
    kw::TKwPathData path;
    for (auto _ : S)
        for (const auto& t : IconTexts()) {
            path.SetPathString(t);
            benchmark::DoNotOptimize(path.Count());
        }
    S.SetBytesProcessed(static_cast<int64_t>(S.iterations() * TotalSize(IconTexts())));
}
void BM_Floor_FromChars_Icons(benchmark::State& S) {
    for (auto _ : S)
        for (const auto& t : IconTexts()) benchmark::DoNotOptimize(FromCharsPass(t));
    S.SetBytesProcessed(static_cast<int64_t>(S.iterations() * TotalSize(IconTexts())));
}

BENCHMARK(BM_Parse_Absolute);
BENCHMARK(BM_Floor_FromChars_Absolute);
BENCHMARK(BM_Parse_Relative);
BENCHMARK(BM_Floor_FromChars_Relative);
BENCHMARK(BM_Parse_Icons);
BENCHMARK(BM_Floor_FromChars_Icons);

// ---------------------------------------------------------------- 3. Writing

// The floor: the same coordinates written with std::to_chars in the general format with 15
// significant digits, with the same separators, into one growing string.
std::string ToCharsPass(const kw::TKwPathData& Path) {
    std::string out;
    out.reserve(static_cast<size_t>(Path.Count()) * 24);
    char buf[64];
    for (const kw::TKwPathPoint& e : Path.Entries()) {
        out += 'L';
        auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(e.Point.X()),
                               std::chars_format::general, 15);
        out.append(buf, r.ptr);
        out += ',';
        r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(e.Point.Y()),
                          std::chars_format::general, 15);
        out.append(buf, r.ptr);
        out += ' ';
    }
    return out;
}

void WriteOne(benchmark::State& State, const std::string& Text) {
    kw::TKwPathData path;
    path.SetPathString(Text);
    size_t bytes = 0;
    for (auto _ : State) {
        const std::string s = path.GetPathString();
        bytes += s.size();
        benchmark::DoNotOptimize(s.data());
    }
    State.SetBytesProcessed(static_cast<int64_t>(bytes));
}

void WriteFloorOne(benchmark::State& State, const std::string& Text) {
    kw::TKwPathData path;
    path.SetPathString(Text);
    size_t bytes = 0;
    for (auto _ : State) {
        const std::string s = ToCharsPass(path);
        bytes += s.size();
        benchmark::DoNotOptimize(s.data());
    }
    State.SetBytesProcessed(static_cast<int64_t>(bytes));
}

void BM_Write_Absolute(benchmark::State& S) {
    WriteOne(S, AbsoluteText());
}
void BM_Floor_ToChars_Absolute(benchmark::State& S) {
    WriteFloorOne(S, AbsoluteText());
}
void BM_Write_Relative(benchmark::State& S) {
    WriteOne(S, RelativeText());
}
void BM_Floor_ToChars_Relative(benchmark::State& S) {
    WriteFloorOne(S, RelativeText());
}

BENCHMARK(BM_Write_Absolute);
BENCHMARK(BM_Floor_ToChars_Absolute);
BENCHMARK(BM_Write_Relative);
BENCHMARK(BM_Floor_ToChars_Relative);

// ---------------------------------------------------------------- 4. Building

// One million LineTo calls: amortised constant time per entry.
void BM_LineTo(benchmark::State& State) {
    const int64_t n = State.range(0);
    for (auto _ : State) {
        kw::TKwPathData path;
        for (int64_t i = 0; i < n; ++i)
            path.LineTo({static_cast<float>(i), static_cast<float>(i & 1023)});
        benchmark::DoNotOptimize(path.Count());
    }
    State.SetItemsProcessed(State.iterations() * n);
    State.SetComplexityN(n);
}
BENCHMARK(BM_LineTo)->RangeMultiplier(10)->Range(10000, 1000000)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
