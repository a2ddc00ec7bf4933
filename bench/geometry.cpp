// SPDX-License-Identifier: MIT
// Geometry throughput: the text form of a point (written and read), beside bare
// std::to_chars / std::from_chars passes over the same values as peers; the transform of
// a rectangle and FitRect through a matrix (matrix products and point transforms are in
// matrix.cpp).
#include <kwgfx/KwGraphics.h>

#include <benchmark/benchmark.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr size_t kCount = 4096; // a power of two: index with & (kCount - 1)

// Finite floats of every magnitude (random bit patterns), and plain drawing coordinates.
std::vector<kw::TKwPoint> AnyFloatPoints() {
    std::mt19937 rng(1);
    std::uniform_int_distribution<uint32_t> bits;
    std::vector<kw::TKwPoint> points;
    while (points.size() < kCount) {
        const float x = std::bit_cast<float>(bits(rng)), y = std::bit_cast<float>(bits(rng));
        if (std::isfinite(x) && std::isfinite(y)) points.emplace_back(x, y);
    }
    return points;
}

std::vector<kw::TKwPoint> CanvasPoints() {
    std::mt19937 rng(2);
    std::uniform_int_distribution<int> coord(-20000, 20000);
    std::vector<kw::TKwPoint> points;
    for (size_t i = 0; i < kCount; ++i)
        points.emplace_back(coord(rng) / 8.0f, coord(rng) / 8.0f); // eighths: short texts
    return points;
}

std::vector<std::string> Texts(const std::vector<kw::TKwPoint>& Points) {
    std::vector<std::string> texts;
    for (const kw::TKwPoint& p : Points) texts.push_back(kw::KwPointToString(p));
    return texts;
}

const std::vector<kw::TKwPoint>& PointSet(int Which) {
    static const std::vector<kw::TKwPoint> any = AnyFloatPoints();
    static const std::vector<kw::TKwPoint> canvas = CanvasPoints();
    return Which == 0 ? any : canvas;
}

const char* SetName(int Which) {
    return Which == 0 ? "any float" : "canvas coordinates";
}

// ---------------------------------------------------------------- writing

void BM_KwPointToString(benchmark::State& State) {
    const auto& points = PointSet(static_cast<int>(State.range(0)));
    size_t i = 0;
    for (auto _ : State) {
        std::string s = kw::KwPointToString(points[i++ & (kCount - 1)]);
        benchmark::DoNotOptimize(s);
    }
    State.SetItemsProcessed(State.iterations());
    State.SetLabel(SetName(static_cast<int>(State.range(0))));
}
BENCHMARK(BM_KwPointToString)->Arg(0)->Arg(1);

// Peer: the shortest round-trip text of the two floats, no parentheses, no allocation.
void BM_ToCharsShortestPair(benchmark::State& State) {
    const auto& points = PointSet(static_cast<int>(State.range(0)));
    size_t i = 0;
    char buf[64];
    for (auto _ : State) {
        const kw::TKwPoint& p = points[i++ & (kCount - 1)];
        char* end = std::to_chars(buf, buf + 32, p.X).ptr;
        *end++ = ',';
        end = std::to_chars(end, buf + sizeof buf, p.Y).ptr;
        benchmark::DoNotOptimize(end);
        benchmark::ClobberMemory();
    }
    State.SetItemsProcessed(State.iterations());
    State.SetLabel(SetName(static_cast<int>(State.range(0))));
}
BENCHMARK(BM_ToCharsShortestPair)->Arg(0)->Arg(1);

// ---------------------------------------------------------------- reading

void BM_StringToKwPoint(benchmark::State& State) {
    const auto texts = Texts(PointSet(static_cast<int>(State.range(0))));
    size_t i = 0;
    for (auto _ : State) {
        kw::TKwPoint p = kw::StringToKwPoint(texts[i++ & (kCount - 1)]);
        benchmark::DoNotOptimize(p);
    }
    State.SetItemsProcessed(State.iterations());
    State.SetLabel(SetName(static_cast<int>(State.range(0))));
}
BENCHMARK(BM_StringToKwPoint)->Arg(0)->Arg(1);

// Peer: std::from_chars of the two numbers of the same texts, no validation beyond it.
void BM_FromCharsPair(benchmark::State& State) {
    const auto texts = Texts(PointSet(static_cast<int>(State.range(0))));
    size_t i = 0;
    for (auto _ : State) {
        const std::string& t = texts[i++ & (kCount - 1)];
        const char* first = t.data() + 1;
        const char* last = t.data() + t.size() - 1;
        float x = 0, y = 0;
        const auto rx = std::from_chars(first, last, x);
        std::from_chars(rx.ptr + 1, last, y);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
    }
    State.SetItemsProcessed(State.iterations());
    State.SetLabel(SetName(static_cast<int>(State.range(0))));
}
BENCHMARK(BM_FromCharsPair)->Arg(0)->Arg(1);

// ---------------------------------------------------------------- rectangles through matrices

const kw::TKwMatrix& SomeAffineMatrix() {
    static const kw::TKwMatrix m =
        kw::KwMatrixMultiply(kw::KwMatrixMultiply(kw::CreateScaleKwMatrix(1.5f, 0.75f),
                                                  kw::CreateRotationKwMatrix(0.3f)),
                             kw::CreateTranslateKwMatrix(12, -7));
    return m;
}

void BM_KwMatrixTransformRect(benchmark::State& State) {
    const auto& points = PointSet(1);
    const kw::TKwMatrix& m = SomeAffineMatrix();
    size_t i = 0;
    for (auto _ : State) {
        const kw::TKwPoint& a = points[i++ & (kCount - 1)];
        const kw::TKwPoint& b = points[i++ & (kCount - 1)];
        kw::TKwRect r = kw::KwMatrixTransform(m, kw::TKwRect(a.X, a.Y, b.X, b.Y));
        benchmark::DoNotOptimize(r);
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_KwMatrixTransformRect);

// FitRect through a matrix: two matrix products and a rectangle transform.
void BM_FitRectThroughMatrix(benchmark::State& State) {
    const kw::TKwMatrix& m = SomeAffineMatrix();
    const kw::TKwRect bounds(5, 5, 205, 105);
    float w = 1;
    for (auto _ : State) {
        w = w >= 1000 ? 1 : w + 1;
        kw::TKwRect r = kw::FitRect(m, kw::TKwRect(0, 0, w, w / 2), bounds);
        benchmark::DoNotOptimize(r);
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_FitRectThroughMatrix);

} // namespace

BENCHMARK_MAIN();
