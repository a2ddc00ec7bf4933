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
//   3. Spans of one coverage, groups of four pixels
//   4. Rows and bands
//   5. Hard edges: rows of whole crossings, or lists of them, as spans

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

// An opaque paint (or any paint replacing the pixel) covering Coverage of a pixel: the two
// mixed in proportion, the coverage taken as 0..256 so that a shift divides.
inline std::uint32_t MixPixel(std::uint32_t Dest, std::uint32_t Color, std::uint32_t Coverage) {
    const std::uint32_t c = Coverage + (Coverage >> 7), k = 256 - c;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= ((((Color >> shift) & 0xFF) * c + ((Dest >> shift) & 0xFF) * k + 128) >> 8) << shift;
    return out;
}

#if KWGFX_RASTER_LEVEL >= 1
// MixPixel for two pixels in 16-bit lanes, C the coverage 0..255 per lane.
inline __m128i Mix2(__m128i Dest, __m128i Color, __m128i C) {
    const __m128i c = _mm_add_epi16(C, _mm_srli_epi16(C, 7));
    const __m128i k = _mm_sub_epi16(_mm_set1_epi16(256), c);
    const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(Color, c), _mm_mullo_epi16(Dest, k));
    return _mm_srli_epi16(_mm_add_epi16(sum, _mm_set1_epi16(128)), 8);
}

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

// Two pixels (as 16-bit lanes) under coverages C (16-bit lanes, one per channel), the paint
// translucent and over them.
template <TTargetKind Kind>
inline __m128i Blend2(__m128i Dest, __m128i Color, __m128i C) {
    const __m128i paint = Mul255x8(Color, C);
    const __m128i used = Kind == TTargetKind::Over ? AlphaLanes(paint) : C;
    const __m128i keep = _mm_sub_epi16(_mm_set1_epi16(255), used);
    return _mm_add_epi16(paint, Mul255x8(Dest, keep));
}

#endif

// ---------------------------------------------------------------- 3. spans and groups

// Count pixels at P (Count >= 0) set to Color. Spans inside shapes are short and start
// anywhere: with vectors, the first and last stores may overlap the others, and the ones
// between are aligned, so that no store crosses a cache line and no loop runs over a tail.
inline void FillPixels(std::uint8_t* P, int Count, std::uint32_t Color) {
#if KWGFX_RASTER_LEVEL >= 1
    std::uint8_t* const end = P + 4 * std::ptrdiff_t(Count);
#if KWGFX_RASTER_LEVEL >= 2
    if (Count >= 8) {
        const __m256i c8 = _mm256_set1_epi32(int(Color));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(P), c8);
        auto* q = reinterpret_cast<std::uint8_t*>((reinterpret_cast<std::uintptr_t>(P) + 32) &
                                                  ~std::uintptr_t(31));
        // Four stores a step, then up to three (the last store covers the rest).
        for (; q + 128 <= end; q += 128) {
            _mm256_store_si256(reinterpret_cast<__m256i*>(q), c8);
            _mm256_store_si256(reinterpret_cast<__m256i*>(q + 32), c8);
            _mm256_store_si256(reinterpret_cast<__m256i*>(q + 64), c8);
            _mm256_store_si256(reinterpret_cast<__m256i*>(q + 96), c8);
        }
        if (q + 64 <= end) {
            _mm256_store_si256(reinterpret_cast<__m256i*>(q), c8);
            _mm256_store_si256(reinterpret_cast<__m256i*>(q + 32), c8);
            q += 64;
        }
        if (q + 32 <= end) _mm256_store_si256(reinterpret_cast<__m256i*>(q), c8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(end - 32), c8);
        return;
    }
#else
    if (Count >= 8) {
        const __m128i c4 = _mm_set1_epi32(int(Color));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(P), c4);
        auto* q = reinterpret_cast<std::uint8_t*>((reinterpret_cast<std::uintptr_t>(P) + 16) &
                                                  ~std::uintptr_t(15));
        for (; q + 16 <= end; q += 16) _mm_store_si128(reinterpret_cast<__m128i*>(q), c4);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(end - 16), c4);
        return;
    }
#endif
    if (Count >= 4) {
        const __m128i c4 = _mm_set1_epi32(int(Color));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(P), c4);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(end - 16), c4);
        return;
    }
#endif
    for (int i = 0; i < Count; ++i) std::memcpy(P + 4 * i, &Color, 4);
}

// The paint of a job, prepared once for all its rows.
struct TPaint {
    std::uint32_t Color; // premultiplied
    bool Solid;          // full coverage replaces the pixel with Color
#if KWGFX_RASTER_LEVEL >= 1
    __m128i Color16; // Color's channels in 16-bit lanes, twice
#endif
};

template <TTargetKind Kind>
inline TPaint PaintOf(const TResolveJob& Job) {
    TPaint p;
    p.Color = Job.Color;
    p.Solid = Kind == TTargetKind::Source || (Job.Color >> 24) == 255;
#if KWGFX_RASTER_LEVEL >= 1
    p.Color16 = _mm_unpacklo_epi8(_mm_set1_epi32(int(Job.Color)), _mm_setzero_si128());
#endif
    return p;
}

// One pixel (or mask byte) at P under coverage C.
template <TTargetKind Kind>
inline void PutPixel(std::uint8_t* P, std::uint32_t C, const TPaint& Paint) {
    if (C == 0) return;
    if constexpr (Kind == TTargetKind::Mask) {
        *P = std::uint8_t(C);
    } else {
        std::uint32_t d = Paint.Color;
        if (C != 255 || !Paint.Solid) {
            std::memcpy(&d, P, 4);
            d = Paint.Solid ? MixPixel(d, Paint.Color, C)
                            : BlendPixel(d, CoveredPaint<Kind>(Paint.Color, C));
        }
        std::memcpy(P, &d, 4);
    }
}

// A span of pixels From..To-1 of Row under one coverage.
template <TTargetKind Kind>
inline void ConstantSpan(std::uint8_t* Row, int From, int To, std::uint32_t Coverage,
                         const TPaint& Paint) {
    if (Coverage == 0 || From >= To) return;
    if constexpr (Kind == TTargetKind::Mask) {
        std::memset(Row + From, int(Coverage), std::size_t(To - From));
    } else {
        std::uint8_t* p = Row + 4 * std::ptrdiff_t(From);
        const int count = To - From;
        if (Coverage == 255 && Paint.Solid) {
            FillPixels(p, count, Paint.Color);
            return;
        }
        int i = 0;
#if KWGFX_RASTER_LEVEL >= 1
        const __m128i c = _mm_set1_epi16(short(Coverage));
        for (; i + 4 <= count; i += 4) {
            const __m128i zero = _mm_setzero_si128();
            std::uint8_t* q = p + 4 * i;
            const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
            const __m128i dlo = _mm_unpacklo_epi8(d, zero), dhi = _mm_unpackhi_epi8(d, zero);
            const __m128i lo =
                Paint.Solid ? Mix2(dlo, Paint.Color16, c) : Blend2<Kind>(dlo, Paint.Color16, c);
            const __m128i hi =
                Paint.Solid ? Mix2(dhi, Paint.Color16, c) : Blend2<Kind>(dhi, Paint.Color16, c);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(q), _mm_packus_epi16(lo, hi));
        }
#endif
        const TCoveredPaint paint = CoveredPaint<Kind>(Paint.Color, Coverage);
        for (; i < count; ++i) {
            std::uint32_t d;
            std::memcpy(&d, p + 4 * i, 4);
            d = Paint.Solid ? MixPixel(d, Paint.Color, Coverage) : BlendPixel(d, paint);
            std::memcpy(p + 4 * i, &d, 4);
        }
    }
}

#if KWGFX_RASTER_LEVEL >= 1
// Four pixels (or mask bytes) at P under the coverages of the four lanes of C.
template <TTargetKind Kind>
inline void PutGroup(std::uint8_t* P, __m128i C, const TPaint& Paint) {
    const __m128i zero = _mm_setzero_si128();
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(C, zero)) == 0xFFFF) return;
    if constexpr (Kind == TTargetKind::Mask) {
        const __m128i words = _mm_packs_epi32(C, C);
        const int bytes = _mm_cvtsi128_si32(_mm_packus_epi16(words, words));
        std::memcpy(P, &bytes, 4);
    } else {
        if (Paint.Solid && _mm_movemask_epi8(_mm_cmpeq_epi32(C, _mm_set1_epi32(255))) == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(P), _mm_set1_epi32(int(Paint.Color)));
            return;
        }
        const __m128i words = _mm_packs_epi32(C, C);            // c0 c1 c2 c3 c0 c1 c2 c3
        const __m128i pairs = _mm_unpacklo_epi16(words, words); // c0 c0 c1 c1 c2 c2 c3 c3
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P));
        const __m128i dlo = _mm_unpacklo_epi8(d, zero), dhi = _mm_unpackhi_epi8(d, zero);
        const __m128i clo = _mm_unpacklo_epi32(pairs, pairs),
                      chi = _mm_unpackhi_epi32(pairs, pairs);
        const __m128i lo =
            Paint.Solid ? Mix2(dlo, Paint.Color16, clo) : Blend2<Kind>(dlo, Paint.Color16, clo);
        const __m128i hi =
            Paint.Solid ? Mix2(dhi, Paint.Color16, chi) : Blend2<Kind>(dhi, Paint.Color16, chi);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(P), _mm_packus_epi16(lo, hi));
    }
}
#endif

// ---------------------------------------------------------------- 4. rows and bands

#if KWGFX_RASTER_LEVEL >= 2
// The same for eight sums.
template <TFillRule Rule>
inline __m256i CoverageOf8(__m256i Sum) {
    __m256i a = _mm256_abs_epi32(Sum);
    if constexpr (Rule == TFillRule::NonZero) {
        a = _mm256_min_epu32(a, _mm256_set1_epi32(kCoverageOne));
    } else {
        a = _mm256_and_si256(a, _mm256_set1_epi32(2 * kCoverageOne - 1));
        a = _mm256_min_epi32(a, _mm256_sub_epi32(_mm256_set1_epi32(2 * kCoverageOne), a));
    }
    const __m256i scaled = _mm256_sub_epi32(_mm256_slli_epi32(a, 8), a);
    return _mm256_srli_epi32(_mm256_add_epi32(scaled, _mm256_set1_epi32(kCoverageOne / 2)), 16);
}

inline __m256i Mul255x16(__m256i A, __m256i B) {
    const __m256i t = _mm256_add_epi16(_mm256_mullo_epi16(A, B), _mm256_set1_epi16(0x80));
    return _mm256_srli_epi16(_mm256_add_epi16(t, _mm256_srli_epi16(t, 8)), 8);
}

// Four pixels (as 16-bit lanes, two in each half) under coverages C, the paint translucent
// and over them.
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

// Eight pixels (or mask bytes) at P under the coverages of the eight lanes of C. Every
// group is blended the same way, without branches on its coverage: a group of the edge of a
// shape is as likely to be partly covered as not, and a mispredicted branch costs more than
// the blend.
template <TTargetKind Kind>
inline void PutGroup8(std::uint8_t* P, __m256i C, __m256i Color16, const TPaint& Paint) {
    const __m256i words = _mm256_packs_epi32(C, C); // c0..c3 c0..c3 | c4..c7 c4..c7
    if constexpr (Kind == TTargetKind::Mask) {
        const __m256i bytes = _mm256_packus_epi16(words, words);
        const __m256i both =
            _mm256_permutevar8x32_epi32(bytes, _mm256_setr_epi32(0, 4, 0, 4, 0, 4, 0, 4));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(P), _mm256_castsi256_si128(both));
    } else if (Paint.Solid) {
        // MixPixel as Dest + ((Color - Dest) c + 128) / 256 rounded down, which one rounding
        // multiply gives from the factor c * 128 (c = 256, a whole pixel, saturates to 32767
        // when packed to 16 bits, which still gives Color exactly).
        const __m256i factor = _mm256_slli_epi32(_mm256_add_epi32(C, _mm256_srli_epi32(C, 7)), 7);
        const __m256i packed = _mm256_packs_epi32(factor, factor);
        const __m256i pairs = _mm256_unpacklo_epi16(packed, packed);
        const __m256i zero = _mm256_setzero_si256();
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(P));
        const __m256i dlo = _mm256_unpacklo_epi8(d, zero), dhi = _mm256_unpackhi_epi8(d, zero);
        const __m256i flo = _mm256_unpacklo_epi32(pairs, pairs);
        const __m256i fhi = _mm256_unpackhi_epi32(pairs, pairs);
        const __m256i lo =
            _mm256_add_epi16(dlo, _mm256_mulhrs_epi16(_mm256_sub_epi16(Color16, dlo), flo));
        const __m256i hi =
            _mm256_add_epi16(dhi, _mm256_mulhrs_epi16(_mm256_sub_epi16(Color16, dhi), fhi));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(P), _mm256_packus_epi16(lo, hi));
    } else {
        const __m256i zero = _mm256_setzero_si256();
        const __m256i pairs = _mm256_unpacklo_epi16(words, words);
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(P));
        const __m256i dlo = _mm256_unpacklo_epi8(d, zero), dhi = _mm256_unpackhi_epi8(d, zero);
        const __m256i clo = _mm256_unpacklo_epi32(pairs, pairs);
        const __m256i chi = _mm256_unpackhi_epi32(pairs, pairs);
        const __m256i lo = Blend4x16<Kind>(dlo, Color16, clo);
        const __m256i hi = Blend4x16<Kind>(dhi, Color16, chi);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(P), _mm256_packus_epi16(lo, hi));
    }
}
#endif

// ---------------------------------------------------------------- 4. rows and bands

// Sums one row of cells, writes its pixels and clears the cells and bits it read. Row
// points at column First, the first one written; columns before First or from Last on are
// summed but not written.
template <TTargetKind Kind, TFillRule Rule>
inline void ResolveRow(const TResolveJob& Job, const TPaint& Paint, std::uint32_t* Cells,
                       std::uint64_t* Bits, std::uint8_t* Row) {
    static_assert(kCellsPerBit == 8);
    constexpr std::ptrdiff_t bytes = Kind == TTargetKind::Mask ? 1 : 4;
    const int first = Job.OutFirst, last = Job.OutLast;
    const auto constant = [&](int From, int To, std::uint32_t Coverage) {
        From = MaxInt(From, first) - first;
        To = MinInt(To, last) - first;
        // The inside of a shape, the common span, is written here: a call would cost the
        // vector registers of the loop below.
        if (Kind != TTargetKind::Mask && Coverage == 255 && Paint.Solid) {
            if (From < To) FillPixels(Row + 4 * std::ptrdiff_t(From), To - From, Paint.Color);
            return;
        }
        ConstantSpan<Kind>(Row, From, To, Coverage, Paint);
    };
    // Pixels of a group that lies partly outside the written columns, one by one.
    const auto clipped = [&](int C, const std::uint32_t* Coverage) {
        for (int k = 0; k < kCellsPerBit; ++k)
            if (C + k >= first && C + k < last)
                PutPixel<Kind>(Row + (C + k - first) * bytes, Coverage[k], Paint);
    };
#if KWGFX_RASTER_LEVEL >= 2
    const __m256i color16 = _mm256_broadcastsi128_si256(Paint.Color16);
    __m256i running = _mm256_setzero_si256();
    const auto total = [&] { return std::uint32_t(_mm256_cvtsi256_si32(running)); };
#elif KWGFX_RASTER_LEVEL >= 1
    __m128i running = _mm_setzero_si128();
    const auto total = [&] { return std::uint32_t(_mm_cvtsi128_si32(running)); };
#else
    std::uint32_t running = 0;
    const auto total = [&] { return running; };
#endif
    int x = 0; // the first column not yet resolved
    for (std::size_t w = 0; w < Job.BitWords; ++w) {
        std::uint64_t word = Bits[w];
        if (word == 0) continue;
        Bits[w] = 0;
        while (word != 0) {
            const int c = (int(w * 64) + __builtin_ctzll(word)) * kCellsPerBit;
            word &= word - 1;
            if (c > x) {
                const std::uint32_t sum = total();
                if (sum != 0) constant(x, c, CoverageOf<Rule>(sum));
            }
            x = c + kCellsPerBit;
            std::uint32_t* cells = Cells + c;
            if (c >= last) {
                // Right of the written columns (where edges on the right side end): the sums
                // are no longer needed, only the cells cleared.
                std::memset(cells, 0, kCellsPerBit * sizeof(std::uint32_t));
                continue;
            }
            const bool inside = c >= first && c + kCellsPerBit <= last;
#if KWGFX_RASTER_LEVEL >= 2
            __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cells));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(cells), _mm256_setzero_si256());
            v = _mm256_add_epi32(v, _mm256_slli_si256(v, 4));
            v = _mm256_add_epi32(v, _mm256_slli_si256(v, 8));
            // The lower half's total onto the upper half, then the running sum onto all.
            // (Shuffles within and across the halves: no index vectors to keep in registers.)
            const __m256i ends = _mm256_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 3));
            v = _mm256_add_epi32(v, _mm256_permute2x128_si256(ends, ends, 0x08));
            // The group's own total is found apart from the running sum, which then takes
            // one addition per group.
            const __m256i totals = _mm256_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 3));
            const __m256i group = _mm256_permute2x128_si256(totals, totals, 0x11);
            v = _mm256_add_epi32(v, running);
            running = _mm256_add_epi32(running, group);
            const __m256i coverage = CoverageOf8<Rule>(v);
            if (inside) {
                std::uint8_t* const at = Row + (c - first) * bytes;
                // The next row's edge pixels lie near these: asked for now, they are in the
                // cache when their turn comes, however large the picture (a prefetch never
                // faults, so the row after the last needs no test).
                _mm_prefetch(reinterpret_cast<const char*>(at + Job.OutStride), _MM_HINT_T0);
                PutGroup8<Kind>(at, coverage, color16, Paint);
            } else {
                alignas(32) std::uint32_t each[kCellsPerBit];
                _mm256_store_si256(reinterpret_cast<__m256i*>(each), coverage);
                clipped(c, each);
            }
#elif KWGFX_RASTER_LEVEL >= 1
            alignas(16) std::uint32_t each[kCellsPerBit];
            for (int half = 0; half < kCellsPerBit; half += 4) {
                __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cells + half));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(cells + half), _mm_setzero_si128());
                v = _mm_add_epi32(v, _mm_slli_si128(v, 4));
                v = _mm_add_epi32(v, _mm_slli_si128(v, 8));
                v = _mm_add_epi32(v, running);
                running = _mm_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 3));
                const __m128i coverage = CoverageOf4<Rule>(v);
                if (inside)
                    PutGroup<Kind>(Row + (c + half - first) * bytes, coverage, Paint);
                else
                    _mm_store_si128(reinterpret_cast<__m128i*>(each + half), coverage);
            }
            if (!inside) clipped(c, each);
#else
            std::uint32_t each[kCellsPerBit];
            for (int k = 0; k < kCellsPerBit; ++k) {
                running += cells[k];
                cells[k] = 0;
                each[k] = CoverageOf<Rule>(running);
            }
            clipped(c, each);
            (void)inside;
#endif
        }
    }
    if (x < Job.Columns) constant(x, Job.Columns, CoverageOf<Rule>(total()));
}

// ---------------------------------------------------------------- 5. hard edges

// Whether a winding (a count of crossings, wrapping) puts a pixel inside under Rule.
template <TFillRule Rule>
inline bool InsideHard(std::uint16_t Winding) {
    if constexpr (Rule == TFillRule::NonZero)
        return Winding != 0;
    else
        return (Winding & 1) != 0;
}

// Which of the eight crossing counts of a group are not zero, one bit each.
inline unsigned NonZeroCells(const std::uint16_t* Cells) {
#if KWGFX_RASTER_LEVEL >= 1
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Cells));
    const __m128i zero = _mm_cmpeq_epi16(v, _mm_setzero_si128());
    return ~unsigned(_mm_movemask_epi8(_mm_packs_epi16(zero, zero))) & 0xFFu;
#else
    unsigned bits = 0;
    for (int k = 0; k < kCellsPerBit; ++k) bits |= unsigned(Cells[k] != 0) << k;
    return bits;
#endif
}

inline void ClearGroup(std::uint16_t* Cells) {
#if KWGFX_RASTER_LEVEL >= 1
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Cells), _mm_setzero_si128());
#else
    std::memset(Cells, 0, kCellsPerBit * sizeof(std::uint16_t));
#endif
}

// A span of whole pixels From..To-1 of Row, clipped to the written columns.
template <TTargetKind Kind>
inline void HardSpan(const TResolveJob& Job, const TPaint& Paint, std::uint8_t* Row, int From,
                     int To) {
    const int first = Job.OutFirst;
    From = MaxInt(From, first) - first;
    To = MinInt(To, Job.OutLast) - first;
    if (From >= To) return;
    if constexpr (Kind == TTargetKind::Mask)
        std::memset(Row + From, 255, std::size_t(To - From));
    else if (Paint.Solid)
        FillPixels(Row + 4 * std::ptrdiff_t(From), To - From, Paint.Color);
    else
        ConstantSpan<Kind>(Row, From, To, 255, Paint);
}

// A row of hard edges: its cells hold whole crossings, so the pixels are spans of full
// coverage between the columns where the rule starts and stops holding. The few cells that
// are not zero are walked one by one, without the sums and blends of the smooth rows; the
// spans are painted as the smooth rows paint whole spans, so the pixels are the same.
template <TTargetKind Kind, TFillRule Rule>
inline void ResolveHardRow(const TResolveJob& Job, const TPaint& Paint, std::uint16_t* Cells,
                           std::uint64_t* Bits, std::uint8_t* Row) {
    const auto span = [&](int From, int To) { HardSpan<Kind>(Job, Paint, Row, From, To); };
    std::uint16_t winding = 0;
    bool inside = false;
    int start = 0; // where the span being inside began
    for (std::size_t w = 0; w < Job.BitWords; ++w) {
        std::uint64_t word = Bits[w];
        if (word == 0) continue;
        Bits[w] = 0;
        while (word != 0) {
            const int c = (int(w * 64) + __builtin_ctzll(word)) * kCellsPerBit;
            word &= word - 1;
            std::uint16_t* cells = Cells + c;
            for (unsigned nonzero = NonZeroCells(cells); nonzero != 0; nonzero &= nonzero - 1) {
                const int k = __builtin_ctz(nonzero);
                winding = std::uint16_t(winding + cells[k]);
                const bool now = InsideHard<Rule>(winding);
                if (now == inside) continue;
                inside = now;
                if (now)
                    start = c + k;
                else
                    span(start, c + k);
            }
            ClearGroup(cells);
        }
    }
    if (inside) span(start, Job.Columns);
}

// A row of hard edges given as its crossings, sorted by column: the rule is walked from one
// to the next. Crossings in one column change no pixel between them, so their order within
// the column does not matter.
template <TTargetKind Kind, TFillRule Rule>
inline void ResolveListedRow(const TResolveJob& Job, const TPaint& Paint, const std::int32_t* From,
                             const std::int32_t* To, std::uint8_t* Row) {
    // A row of two comes unsorted: ordered here, where both are at hand.
    std::int32_t two[2];
    if (To - From == 2) {
        const std::int32_t a = From[0], b = From[1];
        two[0] = a < b ? a : b;
        two[1] = a < b ? b : a;
        From = two, To = two + 2;
    }
    if constexpr (Rule == TFillRule::EvenOdd) {
        // Whatever the edges' directions, the rule holds from each crossing of even place
        // to the next.
        for (; To - From >= 2; From += 2)
            HardSpan<Kind>(Job, Paint, Row, From[0] >> 1, From[1] >> 1);
        if (From != To) HardSpan<Kind>(Job, Paint, Row, From[0] >> 1, Job.Columns);
        return;
    }
    std::uint16_t winding = 0;
    bool inside = false;
    int start = 0;
    for (; From != To; ++From) {
        const std::int32_t crossing = *From;
        winding = std::uint16_t(winding + ((crossing & 1) != 0 ? 0xFFFF : 1));
        const bool now = InsideHard<Rule>(winding);
        if (now == inside) continue;
        inside = now;
        if (now)
            start = crossing >> 1;
        else
            HardSpan<Kind>(Job, Paint, Row, start, crossing >> 1);
    }
    if (inside) HardSpan<Kind>(Job, Paint, Row, start, Job.Columns);
}

// How the edges of a band are held.
enum class TBandEdges : std::uint8_t {
    Smooth, // cells of covered area
    Hard,   // cells of whole crossings
    Listed  // sorted lists of crossings per row
};

// Every row of a band, with the loop for its edges, target and rule.
template <TBandEdges Edges, TTargetKind Kind, TFillRule Rule>
void ResolveRows(const TResolveJob& Job) {
    const TPaint paint = PaintOf<Kind>(Job);
    for (int r = 0; r < Job.Rows; ++r) {
        std::uint64_t* bits = Job.Bits + std::size_t(r) * Job.BitWords;
        std::uint8_t* row = Job.Out + r * Job.OutStride;
        if constexpr (Edges == TBandEdges::Listed)
            ResolveListedRow<Kind, Rule>(
                Job, paint, Job.Listed + std::size_t(r) * kListSlots,
                Job.Listed + std::size_t(r) * kListSlots + Job.ListCounts[r], row);
        else if constexpr (Edges == TBandEdges::Hard)
            ResolveHardRow<Kind, Rule>(Job, paint, Job.Crossings + std::size_t(r) * Job.CellStride,
                                       bits, row);
        else
            ResolveRow<Kind, Rule>(Job, paint, Job.Cells + std::size_t(r) * Job.CellStride, bits,
                                   row);
    }
}

template <TBandEdges Edges, TTargetKind Kind>
void ResolveKind(const TResolveJob& Job) {
    if (Job.Rule == TFillRule::NonZero)
        ResolveRows<Edges, Kind, TFillRule::NonZero>(Job);
    else
        ResolveRows<Edges, Kind, TFillRule::EvenOdd>(Job);
}

template <TBandEdges Edges>
void ResolveBandAs(const TResolveJob& Job) {
    switch (Job.Kind) {
    case TTargetKind::Over:
        ResolveKind<Edges, TTargetKind::Over>(Job);
        break;
    case TTargetKind::Source:
        ResolveKind<Edges, TTargetKind::Source>(Job);
        break;
    case TTargetKind::Mask:
        ResolveKind<Edges, TTargetKind::Mask>(Job);
        break;
    }
}

void ResolveBandHere(const TResolveJob& Job) {
    ResolveBandAs<TBandEdges::Smooth>(Job);
}

void ResolveHardBandHere(const TResolveJob& Job) {
    ResolveBandAs<TBandEdges::Hard>(Job);
}

void ResolveListedBandHere(const TResolveJob& Job) {
    ResolveBandAs<TBandEdges::Listed>(Job);
}

void FillRowsHere(const TResolveJob& Job) {
    for (int r = 0; r < Job.Rows; ++r) {
        std::uint8_t* row = Job.Out + r * Job.OutStride;
        if (Job.Kind == TTargetKind::Source)
            ConstantSpan<TTargetKind::Source>(row, 0, Job.Columns, 255,
                                              PaintOf<TTargetKind::Source>(Job));
        else
            ConstantSpan<TTargetKind::Over>(row, 0, Job.Columns, 255,
                                            PaintOf<TTargetKind::Over>(Job));
    }
}

} // namespace
} // namespace kw::raster::detail
