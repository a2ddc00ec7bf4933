// SPDX-License-Identifier: MIT
// Internal to the rasteriser: the body of the band loops (RasterKernels.h), included once by
// each RasterKernels*.cpp with KWGFX_RASTER_LEVEL set to 0 (plain C++), 1 (SSE2) or 2 (AVX2)
// and compiled with that instruction set. Everything here has internal linkage and calls no
// inline function of a shared header, so that no code built for a higher level can stand in
// for a lower level's copy at link time.
//
// Sections:
//   1. Coverage from running sums (a pixel at a time, four at a time)
//   2. Pixels: the premultiplied blend
//   3. Spans: one coverage, or a coverage per pixel
//   4. Rows and bands

#ifndef KWGFX_RASTER_LEVEL
#error "set KWGFX_RASTER_LEVEL before including RasterKernelsImpl.h"
#endif

#include "kwgfx/raster/detail/RasterKernels.h"

#include <cstdint>
#include <cstring>

#if KWGFX_RASTER_LEVEL >= 1
#include <emmintrin.h>
#endif
#if KWGFX_RASTER_LEVEL >= 2
#include <immintrin.h>
#endif

namespace kw::raster::detail {
namespace {

inline int MinInt(int A, int B) {
    return A < B ? A : B;
}
inline int MaxInt(int A, int B) {
    return A > B ? A : B;
}

// ---------------------------------------------------------------- 1. coverage

// A coverage byte from a running sum: the winding-weighted area folded by the rule, rounded
// to 1/255.
template <TFillRule Rule>
inline std::uint32_t CoverageOf(std::uint32_t Sum) {
    std::uint32_t a = (Sum & 0x80000000u) ? 0u - Sum : Sum;
    if constexpr (Rule == TFillRule::NonZero) {
        if (a > std::uint32_t(kCoverageOne)) a = kCoverageOne;
    } else {
        a &= 2 * kCoverageOne - 1;
        if (a > std::uint32_t(kCoverageOne)) a = 2 * kCoverageOne - a;
    }
    return ((a << 8) - a + kCoverageOne / 2) >> 16;
}

#if KWGFX_RASTER_LEVEL >= 1
// The same for four sums.
template <TFillRule Rule>
inline __m128i CoverageOf4(__m128i Sum) {
    const __m128i sign = _mm_srai_epi32(Sum, 31);
    __m128i a = _mm_sub_epi32(_mm_xor_si128(Sum, sign), sign);
    const __m128i one = _mm_set1_epi32(kCoverageOne);
    if constexpr (Rule == TFillRule::NonZero) {
        const __m128i over = _mm_cmpgt_epi32(a, one);
        a = _mm_or_si128(_mm_andnot_si128(over, a), _mm_and_si128(over, one));
    } else {
        a = _mm_and_si128(a, _mm_set1_epi32(2 * kCoverageOne - 1));
        const __m128i over = _mm_cmpgt_epi32(a, one);
        const __m128i folded = _mm_sub_epi32(_mm_set1_epi32(2 * kCoverageOne), a);
        a = _mm_or_si128(_mm_andnot_si128(over, a), _mm_and_si128(over, folded));
    }
    const __m128i scaled = _mm_sub_epi32(_mm_slli_epi32(a, 8), a);
    return _mm_srli_epi32(_mm_add_epi32(scaled, _mm_set1_epi32(kCoverageOne / 2)), 16);
}

// Sums a group of four cells onto Running (all four lanes), writes their four coverage
// bytes to Out, zeroes the cells, and returns the new running sum in all lanes.
template <TFillRule Rule>
inline __m128i ResolveGroup(std::uint32_t* Cells, __m128i Running, std::uint8_t* Out) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Cells));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Cells), _mm_setzero_si128());
    v = _mm_add_epi32(v, _mm_slli_si128(v, 4));
    v = _mm_add_epi32(v, _mm_slli_si128(v, 8));
    v = _mm_add_epi32(v, Running);
    const __m128i c = CoverageOf4<Rule>(v);
    const __m128i words = _mm_packs_epi32(c, c);
    const int bytes = _mm_cvtsi128_si32(_mm_packus_epi16(words, words));
    std::memcpy(Out, &bytes, 4);
    return _mm_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 3));
}
#endif

// ---------------------------------------------------------------- 2. pixels

// a * b / 255, rounded, for a, b in 0..255 (as pixman rounds it).
inline std::uint32_t Mul255(std::uint32_t A, std::uint32_t B) {
    const std::uint32_t t = A * B + 0x80;
    return ((t >> 8) + t) >> 8;
}

// Each byte of a pixel times Coverage / 255.
inline std::uint32_t ScalePixel(std::uint32_t Pixel, std::uint32_t Coverage) {
    return Mul255(Pixel & 0xFF, Coverage) | Mul255((Pixel >> 8) & 0xFF, Coverage) << 8 |
           Mul255((Pixel >> 16) & 0xFF, Coverage) << 16 | Mul255(Pixel >> 24, Coverage) << 24;
}

// The paint at one coverage, ready to go onto pixels: Dest' = Paint + Dest * Keep / 255.
struct TCoveredPaint {
    std::uint32_t Paint; // the colour times the coverage
    std::uint32_t Keep;  // how much of the pixel there stays, 0..255
};

template <TTargetKind Kind>
inline TCoveredPaint CoveredPaint(std::uint32_t Color, std::uint32_t Coverage) {
    const std::uint32_t paint = ScalePixel(Color, Coverage);
    return {paint, 255 - (Kind == TTargetKind::Over ? paint >> 24 : Coverage)};
}

inline std::uint32_t BlendPixel(std::uint32_t Dest, TCoveredPaint P) {
    return P.Paint + ScalePixel(Dest, P.Keep);
}

#if KWGFX_RASTER_LEVEL >= 1
// a * b / 255 in 16-bit lanes, rounded as Mul255.
inline __m128i Mul255x8(__m128i A, __m128i B) {
    const __m128i t = _mm_add_epi16(_mm_mullo_epi16(A, B), _mm_set1_epi16(0x80));
    return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
}

// Each pixel's 16-bit alpha lane copied to its four lanes.
inline __m128i AlphaLanes(__m128i V) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(V, _MM_SHUFFLE(3, 3, 3, 3)),
                               _MM_SHUFFLE(3, 3, 3, 3));
}

// Two pixels (as 16-bit lanes) under coverages C (16-bit lanes, one per channel).
template <TTargetKind Kind>
inline __m128i Blend2(__m128i Dest, __m128i Color, __m128i C) {
    const __m128i paint = Mul255x8(Color, C);
    const __m128i used = Kind == TTargetKind::Over ? AlphaLanes(paint) : C;
    const __m128i keep = _mm_sub_epi16(_mm_set1_epi16(255), used);
    return _mm_add_epi16(paint, Mul255x8(Dest, keep));
}

// Four pixels at P under the coverage bytes of Coverage4.
template <TTargetKind Kind>
inline void Blend4(std::uint8_t* P, std::uint32_t Coverage4, __m128i Color) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P));
    __m128i c = _mm_cvtsi32_si128(int(Coverage4));
    c = _mm_unpacklo_epi8(c, c);
    c = _mm_unpacklo_epi16(c, c);
    const __m128i lo = Blend2<Kind>(_mm_unpacklo_epi8(d, zero), Color, _mm_unpacklo_epi8(c, zero));
    const __m128i hi = Blend2<Kind>(_mm_unpackhi_epi8(d, zero), Color, _mm_unpackhi_epi8(c, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(P), _mm_packus_epi16(lo, hi));
}
#endif

#if KWGFX_RASTER_LEVEL >= 2
inline __m256i Mul255x16(__m256i A, __m256i B) {
    const __m256i t = _mm256_add_epi16(_mm256_mullo_epi16(A, B), _mm256_set1_epi16(0x80));
    return _mm256_srli_epi16(_mm256_add_epi16(t, _mm256_srli_epi16(t, 8)), 8);
}

template <TTargetKind Kind>
inline __m256i Blend4x16(__m256i Dest, __m256i Color, __m256i C) {
    const __m256i paint = Mul255x16(Color, C);
    const __m256i used =
        Kind == TTargetKind::Over
            ? _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(paint, _MM_SHUFFLE(3, 3, 3, 3)),
                                     _MM_SHUFFLE(3, 3, 3, 3))
            : C;
    const __m256i keep = _mm256_sub_epi16(_mm256_set1_epi16(255), used);
    return _mm256_add_epi16(paint, Mul255x16(Dest, keep));
}

// Eight pixels at P under the eight coverage bytes of Coverage8.
template <TTargetKind Kind>
inline void Blend8(std::uint8_t* P, std::uint64_t Coverage8, __m256i Color) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(P));
    // Each coverage byte repeated over its pixel's four bytes.
    const __m256i bytes = _mm256_set1_epi64x(std::int64_t(Coverage8));
    const __m256i spread = _mm256_shuffle_epi8(
        bytes, _mm256_setr_epi8(0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5,
                                5, 6, 6, 6, 6, 7, 7, 7, 7));
    const __m256i lo =
        Blend4x16<Kind>(_mm256_unpacklo_epi8(d, zero), Color, _mm256_unpacklo_epi8(spread, zero));
    const __m256i hi =
        Blend4x16<Kind>(_mm256_unpackhi_epi8(d, zero), Color, _mm256_unpackhi_epi8(spread, zero));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(P), _mm256_packus_epi16(lo, hi));
}
#endif

// ---------------------------------------------------------------- 3. spans

inline void FillPixels(std::uint8_t* P, int Count, std::uint32_t Color) {
    int i = 0;
#if KWGFX_RASTER_LEVEL >= 2
    const __m256i c8 = _mm256_set1_epi32(int(Color));
    for (; i + 8 <= Count; i += 8) _mm256_storeu_si256(reinterpret_cast<__m256i*>(P + 4 * i), c8);
#endif
#if KWGFX_RASTER_LEVEL >= 1
    const __m128i c4 = _mm_set1_epi32(int(Color));
    for (; i + 4 <= Count; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(P + 4 * i), c4);
#endif
    for (; i < Count; ++i) std::memcpy(P + 4 * i, &Color, 4);
}

// A span of pixels under one coverage.
template <TTargetKind Kind>
inline void ConstantSpan(const TResolveJob& Job, std::uint8_t* Row, int From, int To,
                         std::uint32_t Coverage) {
    if (Coverage == 0 || From >= To) return;
    if constexpr (Kind == TTargetKind::Mask) {
        std::memset(Row + From, int(Coverage), std::size_t(To - From));
    } else {
        std::uint8_t* p = Row + 4 * std::ptrdiff_t(From);
        const int count = To - From;
        if (Coverage == 255 && (Kind == TTargetKind::Source || (Job.Color >> 24) == 255)) {
            FillPixels(p, count, Job.Color);
            return;
        }
        const TCoveredPaint paint = CoveredPaint<Kind>(Job.Color, Coverage);
        int i = 0;
#if KWGFX_RASTER_LEVEL >= 1
        const std::uint32_t cov4 = Coverage * 0x01010101u;
        const __m128i color =
            _mm_unpacklo_epi8(_mm_set1_epi32(int(Job.Color)), _mm_setzero_si128());
        for (; i + 4 <= count; i += 4) Blend4<Kind>(p + 4 * i, cov4, color);
#endif
        for (; i < count; ++i) {
            std::uint32_t d;
            std::memcpy(&d, p + 4 * i, 4);
            d = BlendPixel(d, paint);
            std::memcpy(p + 4 * i, &d, 4);
        }
    }
}

// A span of pixels under the coverage bytes Coverage[From..To-1].
template <TTargetKind Kind>
inline void VaryingSpan(const TResolveJob& Job, std::uint8_t* Row, int From, int To,
                        const std::uint8_t* Coverage) {
    if (From >= To) return;
    if constexpr (Kind == TTargetKind::Mask) {
        std::memcpy(Row + From, Coverage + From, std::size_t(To - From));
    } else {
        const bool solid = Kind == TTargetKind::Source || (Job.Color >> 24) == 255;
        int x = From;
#if KWGFX_RASTER_LEVEL >= 2
        const __m256i color8 =
            _mm256_unpacklo_epi8(_mm256_set1_epi32(int(Job.Color)), _mm256_setzero_si256());
        for (; x + 8 <= To; x += 8) {
            std::uint64_t c8;
            std::memcpy(&c8, Coverage + x, 8);
            std::uint8_t* p = Row + 4 * std::ptrdiff_t(x);
            if (c8 == 0) continue;
            if (c8 == ~std::uint64_t(0) && solid) {
                FillPixels(p, 8, Job.Color);
                continue;
            }
            Blend8<Kind>(p, c8, color8);
        }
#endif
#if KWGFX_RASTER_LEVEL >= 1
        const __m128i color4 =
            _mm_unpacklo_epi8(_mm_set1_epi32(int(Job.Color)), _mm_setzero_si128());
        for (; x + 4 <= To; x += 4) {
            std::uint32_t c4;
            std::memcpy(&c4, Coverage + x, 4);
            std::uint8_t* p = Row + 4 * std::ptrdiff_t(x);
            if (c4 == 0) continue;
            if (c4 == 0xFFFFFFFFu && solid) {
                FillPixels(p, 4, Job.Color);
                continue;
            }
            Blend4<Kind>(p, c4, color4);
        }
#endif
        for (; x < To; ++x) {
            const std::uint32_t c = Coverage[x];
            if (c == 0) continue;
            std::uint8_t* p = Row + 4 * std::ptrdiff_t(x);
            std::uint32_t d = Job.Color;
            if (c != 255 || !solid) {
                std::memcpy(&d, p, 4);
                d = BlendPixel(d, CoveredPaint<Kind>(Job.Color, c));
            }
            std::memcpy(p, &d, 4);
        }
    }
}

// ---------------------------------------------------------------- 4. rows and bands

// Sums one row of cells, writes its pixels and clears the cells and bits it read.
template <TTargetKind Kind, TFillRule Rule>
inline void ResolveRow(const TResolveJob& Job, std::uint32_t* Cells, std::uint64_t* Bits,
                       std::uint8_t* Row) {
    std::uint8_t* coverage = Job.Scratch;
    const int first = Job.OutFirst, last = Job.OutLast;
    // Spans are clipped to the written columns and counted from the first of them, where
    // Row points.
    const auto constant = [&](int From, int To, std::uint32_t Coverage) {
        ConstantSpan<Kind>(Job, Row, MaxInt(From, first) - first, MinInt(To, last) - first,
                           Coverage);
    };
    const auto varying = [&](int From, int To) {
        VaryingSpan<Kind>(Job, Row, MaxInt(From, first) - first, MinInt(To, last) - first,
                          coverage + first);
    };
    std::uint32_t running = 0;
#if KWGFX_RASTER_LEVEL >= 1
    __m128i runningLanes = _mm_setzero_si128();
#endif
    int x = 0;         // the first column not yet resolved
    int runStart = -1; // the start of the run of touched groups being resolved
    for (std::size_t w = 0; w < Job.BitWords; ++w) {
        std::uint64_t word = Bits[w];
        if (word == 0) continue;
        Bits[w] = 0;
        while (word != 0) {
            const int group = int(w * 64) + __builtin_ctzll(word);
            word &= word - 1;
            const int c = group * kCellsPerBit;
            if (c > x) {
                if (runStart >= 0) varying(runStart, x);
                runStart = -1;
                constant(x, c, CoverageOf<Rule>(running));
            }
            if (runStart < 0) runStart = c;
#if KWGFX_RASTER_LEVEL >= 1
            runningLanes = ResolveGroup<Rule>(Cells + c, runningLanes, coverage + c);
            running = std::uint32_t(_mm_cvtsi128_si32(runningLanes));
#else
            for (int k = 0; k < kCellsPerBit; ++k) {
                running += Cells[c + k];
                Cells[c + k] = 0;
                coverage[c + k] = std::uint8_t(CoverageOf<Rule>(running));
            }
#endif
            x = c + kCellsPerBit;
        }
    }
    if (runStart >= 0) varying(runStart, x);
    if (x < Job.Columns) constant(x, Job.Columns, CoverageOf<Rule>(running));
}

template <TTargetKind Kind, TFillRule Rule>
void ResolveRows(const TResolveJob& Job) {
    for (int r = 0; r < Job.Rows; ++r)
        ResolveRow<Kind, Rule>(Job, Job.Cells + std::size_t(r) * Job.CellStride,
                               Job.Bits + std::size_t(r) * Job.BitWords,
                               Job.Out + r * Job.OutStride);
}

template <TTargetKind Kind>
void ResolveKind(const TResolveJob& Job) {
    if (Job.Rule == TFillRule::NonZero)
        ResolveRows<Kind, TFillRule::NonZero>(Job);
    else
        ResolveRows<Kind, TFillRule::EvenOdd>(Job);
}

void ResolveBandHere(const TResolveJob& Job) {
    switch (Job.Kind) {
    case TTargetKind::Over:
        ResolveKind<TTargetKind::Over>(Job);
        break;
    case TTargetKind::Source:
        ResolveKind<TTargetKind::Source>(Job);
        break;
    case TTargetKind::Mask:
        ResolveKind<TTargetKind::Mask>(Job);
        break;
    }
}

} // namespace
} // namespace kw::raster::detail
