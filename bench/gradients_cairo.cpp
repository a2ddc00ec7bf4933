// SPDX-License-Identifier: MIT
// Gradients of a 1000x1000 rectangle with 5 colours on the Cairo canvas, painted band by
// band by the library, against the same gradient filled in one call with a Cairo
// pattern (linear, radial, and a mesh of 16 patches for the concentric rectangles).
// "bands" is the rate of canvas fills the library's painter issues.
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/drawing/Gradients.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <array>
#include <functional>

using namespace kw;

namespace {

constexpr int kSize = 1000;
constexpr std::array<TColor, 5> kColors = {0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000};
const TRect kRect(0, 0, kSize, kSize);

void SetColor(double Rgb[3], TColor C) {
    Rgb[0] = (C & 0xFF) / 255.0;
    Rgb[1] = ((C >> 8) & 0xFF) / 255.0;
    Rgb[2] = ((C >> 16) & 0xFF) / 255.0;
}

void AddStops(cairo_pattern_t* Pattern) {
    for (size_t k = 0; k < kColors.size(); ++k) {
        double rgb[3];
        SetColor(rgb, kColors[k]);
        cairo_pattern_add_color_stop_rgb(Pattern, double(k) / (kColors.size() - 1), rgb[0], rgb[1],
                                         rgb[2]);
    }
}

// The number of canvas operations one painter call issues.
int64_t CountBands(const std::function<void(platform::TCanvas&)>& Paint) {
    platform::TRecordingCanvas recorder;
    Paint(recorder);
    return static_cast<int64_t>(recorder.Calls().size());
}

void RunLibrary(benchmark::State& State, const std::function<void(platform::TCanvas&)>& Paint) {
    platform::TBitmap bitmap(kSize, kSize);
    const int64_t bands = CountBands(Paint);
    for (auto _ : State) {
        Paint(bitmap.Canvas());
        cairo_surface_flush(bitmap.Surface());
        benchmark::ClobberMemory();
    }
    State.counters["bands"] =
        benchmark::Counter(double(bands), benchmark::Counter::kIsIterationInvariantRate);
    State.counters["bands_per_fill"] = double(bands);
}

void RunPattern(benchmark::State& State, cairo_pattern_t* Pattern) {
    platform::TBitmap bitmap(kSize, kSize);
    for (auto _ : State) {
        cairo_t* cr = cairo_create(bitmap.Surface());
        cairo_set_source(cr, Pattern);
        cairo_rectangle(cr, 0, 0, kSize, kSize);
        cairo_fill(cr);
        cairo_destroy(cr);
        cairo_surface_flush(bitmap.Surface());
        benchmark::ClobberMemory();
    }
    cairo_pattern_destroy(Pattern);
}

void BM_LineGradient(benchmark::State& State) {
    RunLibrary(State, [](platform::TCanvas& C) { LineGradient(C, kRect, kColors, 1, diVertical); });
}

void BM_CairoLinearPattern(benchmark::State& State) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kSize);
    AddStops(p);
    RunPattern(State, p);
}

void BM_EllipseGradient(benchmark::State& State) {
    RunLibrary(State, [](platform::TCanvas& C) { EllipseGradient(C, kRect, kColors, 1); });
}

void BM_CairoRadialPattern(benchmark::State& State) {
    cairo_pattern_t* p = cairo_pattern_create_radial(kSize / 2.0, kSize / 2.0, 0, kSize / 2.0,
                                                     kSize / 2.0, kSize / 2.0);
    // The library walks from the outer edge inwards; the radial pattern from the centre.
    for (size_t k = 0; k < kColors.size(); ++k) {
        double rgb[3];
        SetColor(rgb, kColors[kColors.size() - 1 - k]);
        cairo_pattern_add_color_stop_rgb(p, double(k) / (kColors.size() - 1), rgb[0], rgb[1],
                                         rgb[2]);
    }
    RunPattern(State, p);
}

void BM_RectGradient(benchmark::State& State) {
    RunLibrary(State, [](platform::TCanvas& C) { RectGradient(C, kRect, kColors, 1); });
}

// Concentric squares: each of the four sides is a trapezoid from the edge to the centre,
// cut into one patch per colour transition.
void BM_CairoMeshPattern(benchmark::State& State) {
    cairo_pattern_t* p = cairo_pattern_create_mesh();
    const double c = kSize / 2.0;
    const double outer[4][2] = {{0, 0}, {kSize, 0}, {kSize, kSize}, {0, kSize}};
    const size_t segments = kColors.size() - 1;
    for (int side = 0; side < 4; ++side) {
        const double* a = outer[side];
        const double* b = outer[(side + 1) % 4];
        for (size_t k = 0; k < segments; ++k) {
            const double t0 = double(k) / segments, t1 = double(k + 1) / segments;
            auto lerp = [&](const double* P, double T, int Axis) {
                return P[Axis] + (c - P[Axis]) * T;
            };
            double rgb0[3], rgb1[3];
            SetColor(rgb0, kColors[k]);
            SetColor(rgb1, kColors[k + 1]);
            cairo_mesh_pattern_begin_patch(p);
            cairo_mesh_pattern_move_to(p, lerp(a, t0, 0), lerp(a, t0, 1));
            cairo_mesh_pattern_line_to(p, lerp(b, t0, 0), lerp(b, t0, 1));
            cairo_mesh_pattern_line_to(p, lerp(b, t1, 0), lerp(b, t1, 1));
            cairo_mesh_pattern_line_to(p, lerp(a, t1, 0), lerp(a, t1, 1));
            cairo_mesh_pattern_set_corner_color_rgb(p, 0, rgb0[0], rgb0[1], rgb0[2]);
            cairo_mesh_pattern_set_corner_color_rgb(p, 1, rgb0[0], rgb0[1], rgb0[2]);
            cairo_mesh_pattern_set_corner_color_rgb(p, 2, rgb1[0], rgb1[1], rgb1[2]);
            cairo_mesh_pattern_set_corner_color_rgb(p, 3, rgb1[0], rgb1[1], rgb1[2]);
            cairo_mesh_pattern_end_patch(p);
        }
    }
    RunPattern(State, p);
}

} // namespace

BENCHMARK(BM_LineGradient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CairoLinearPattern)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EllipseGradient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CairoRadialPattern)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RectGradient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CairoMeshPattern)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
