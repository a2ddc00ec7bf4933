// SPDX-License-Identifier: MIT
// Throughput of the matrix functions and of the spline polygon sampler.
//
// Sections: inputs; matrix products, transforms and inverse (with an inline float
// baseline); spline polygon sampling.

#include <kwgfx/KwGraphics.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

using namespace kw;

namespace {

// ---------------------------------------------------------------- inputs

std::vector<TKwMatrix> SampleMatrices(std::size_t Count) {
    std::vector<TKwMatrix> m;
    for (std::size_t i = 0; i < Count; ++i) {
        const float a = 0.01f * float(i);
        m.push_back(KwMatrixMultiply(
            KwMatrixMultiply(CreateScaleKwMatrix(1 + a, 2 - a), CreateRotationKwMatrix(a)),
            CreateTranslateKwMatrix(3 * a, -a)));
    }
    return m;
}

std::vector<TKwPoint> SamplePoints(std::size_t Count) {
    std::vector<TKwPoint> p;
    for (std::size_t i = 0; i < Count; ++i)
        p.emplace_back(float(i % 97) * 3.5f, float(i % 89) * 2.25f);
    return p;
}

// The same product in plain float arithmetic, inlined: what a compiler makes of the
// textbook loop, as a yardstick for the library's double-accumulating version.
TKwMatrix InlineFloatMultiply(const TKwMatrix& A, const TKwMatrix& B) {
    TKwMatrix r;
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            r.M[i].V(j) = A.M[i].X * B.M[0].V(j) + A.M[i].Y * B.M[1].V(j) + A.M[i].W * B.M[2].V(j);
    return r;
}

// ---------------------------------------------------------------- matrices

void BM_MatrixMultiply(benchmark::State& State) {
    const std::vector<TKwMatrix> m = SampleMatrices(256);
    std::size_t i = 0;
    for (auto _ : State) {
        TKwMatrix r = KwMatrixMultiply(m[i & 255], m[(i + 1) & 255]);
        benchmark::DoNotOptimize(r);
        ++i;
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_MatrixMultiply);

void BM_MatrixMultiplyInlineFloatBaseline(benchmark::State& State) {
    const std::vector<TKwMatrix> m = SampleMatrices(256);
    std::size_t i = 0;
    for (auto _ : State) {
        TKwMatrix r = InlineFloatMultiply(m[i & 255], m[(i + 1) & 255]);
        benchmark::DoNotOptimize(r);
        ++i;
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_MatrixMultiplyInlineFloatBaseline);

void BM_TransformPoints(benchmark::State& State) {
    const TKwMatrix m = SampleMatrices(8)[7];
    const std::vector<TKwPoint> pts = SamplePoints(4096);
    std::vector<TKwPoint> out(pts.size());
    for (auto _ : State) {
        for (std::size_t k = 0; k < pts.size(); ++k) out[k] = KwMatrixMultiply(pts[k], m);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    State.SetItemsProcessed(State.iterations() * int64_t(pts.size()));
}
BENCHMARK(BM_TransformPoints);

void BM_TransformVectors(benchmark::State& State) {
    const TKwMatrix m = SampleMatrices(8)[7];
    const std::vector<TKwPoint> pts = SamplePoints(4096);
    std::vector<TKwVector> out(pts.size());
    for (auto _ : State) {
        for (std::size_t k = 0; k < pts.size(); ++k) out[k] = KwMatrixTransform(m, pts[k]);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    State.SetItemsProcessed(State.iterations() * int64_t(pts.size()));
}
BENCHMARK(BM_TransformVectors);

void BM_InvertMatrix(benchmark::State& State) {
    const std::vector<TKwMatrix> m = SampleMatrices(256);
    std::size_t i = 0;
    for (auto _ : State) {
        TKwMatrix r = m[i & 255];
        InvertKwMatrix(r);
        benchmark::DoNotOptimize(r);
        ++i;
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_InvertMatrix);

// ---------------------------------------------------------------- spline polygons

// A closed zig-zag of Range(0) control points about 40 pixels apart; Range(1) is the step.
template <typename P>
std::vector<P> ZigZag(int64_t Count) {
    std::vector<P> pts;
    for (int64_t i = 0; i < Count; ++i)
        pts.emplace_back(P{decltype(P::X)(i * 30), decltype(P::Y)((i % 2) * 27)});
    return pts;
}

template <typename P>
void BM_BezierPolygonPoints(benchmark::State& State, bool BSpline) {
    const std::vector<P> pts = ZigZag<P>(State.range(0));
    const int32_t step = int32_t(State.range(1));
    std::size_t produced = 0;
    for (auto _ : State) {
        auto out = BezierPolygonPoints(pts, BSpline, true, step);
        produced += out.size();
        benchmark::DoNotOptimize(out.data());
    }
    State.SetItemsProcessed(int64_t(produced)); // items = sampled points
}

void BM_BezierCatmullRomFloat(benchmark::State& S) {
    BM_BezierPolygonPoints<TKwPoint>(S, false);
}
void BM_BezierBSplineFloat(benchmark::State& S) {
    BM_BezierPolygonPoints<TKwPoint>(S, true);
}
void BM_BezierCatmullRomInt(benchmark::State& S) {
    BM_BezierPolygonPoints<TPoint>(S, false);
}
BENCHMARK(BM_BezierCatmullRomFloat)->Args({16, 1})->Args({1000, 1})->Args({1000, 8});
BENCHMARK(BM_BezierBSplineFloat)->Args({1000, 1});
BENCHMARK(BM_BezierCatmullRomInt)->Args({1000, 1});

} // namespace

BENCHMARK_MAIN();
