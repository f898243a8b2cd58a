// The resampling spans eight pixels at a time with AVX-512: the same double operations in the
// same order as the plain spans, so the same pixels, with masks instead of blends.
#include <limits>

#include "Unit2/ResamplingSpans.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VARNO_AVX512_SPANS 1
#endif

namespace varno::resampling {

#ifdef VARNO_AVX512_SPANS

namespace {

#define VARNO_AVX512 __attribute__((target("avx512f,avx512vl,avx2")))

// lower <= value < upper, false for a value that is not a number.
VARNO_AVX512 __mmask8 Within(__m512d value, __m512d lower, __m512d upper) {
    return _mm512_cmp_pd_mask(value, lower, _CMP_GE_OQ) &
           _mm512_cmp_pd_mask(value, upper, _CMP_LT_OQ);
}

// Conversions between doubles and 32-bit integers (truncating toward zero), in their
// zero-masked forms: GCC 12 warns about the undefined vector the plain ones start from.
VARNO_AVX512 __m256i Truncate8(__m512d value) {
    return _mm512_maskz_cvttpd_epi32(0xFF, value);
}
VARNO_AVX512 __m512d Widen8(__m256i value) {
    return _mm512_maskz_cvtepi32_pd(0xFF, value);
}

VARNO_AVX512 __m512d BlueOf8(__m256i colours) {
    return Widen8(_mm256_and_si256(_mm256_srli_epi32(colours, 16), _mm256_set1_epi32(0xFF)));
}

}  // namespace

bool CanUseAvx512(const SourcePicture& source) {
    static const bool hasAvx512 =
        __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl");
    return hasAvx512 && CanUseAvx2(source);
}

VARNO_AVX512 void NearestSpanAvx512(const SourcePicture& source, const Span& span) {
    const __m512d zero = _mm512_setzero_pd();
    const __m512d half = _mm512_set1_pd(0.5);
    const __m512d widthLimit = _mm512_set1_pd(source.width);
    const __m512d heightLimit = _mm512_set1_pd(source.height);
    const __m512d rowX = _mm512_set1_pd(span.rowX);
    const __m512d rowY = _mm512_set1_pd(span.rowY);
    const __m256i width = _mm256_set1_epi32(source.width);
    const __m256i fill = _mm256_set1_epi32(source.fill);
    int k = 0;
    for (; k + 8 <= span.count; k += 8) {
        const __m512d u =
            _mm512_add_pd(_mm512_add_pd(_mm512_loadu_pd(span.columnX + k), rowX), half);
        const __m512d v =
            _mm512_add_pd(_mm512_sub_pd(rowY, _mm512_loadu_pd(span.columnY + k)), half);
        const __mmask8 inside = Within(u, zero, widthLimit) & Within(v, zero, heightLimit);
        const __m256i index =
            _mm256_add_epi32(_mm256_mullo_epi32(Truncate8(v), width), Truncate8(u));
        const __m256i pixels = _mm256_mmask_i32gather_epi32(fill, inside, index, source.pixels, 4);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(span.out + k), pixels);
    }
    NearestSpan(source, {span.columnX + k, span.columnY + k, span.rowX, span.rowY, span.out + k,
                         span.count - k});
}

VARNO_AVX512 void BilinearSpanAvx512(const SourcePicture& source, const Span& span) {
    const __m512d zero = _mm512_setzero_pd();
    const __m512d one = _mm512_set1_pd(1.0);
    const __m512d uLimit = _mm512_set1_pd(source.width - 1);
    const __m512d vLimit = _mm512_set1_pd(source.height - 1);
    const __m512d rowX = _mm512_set1_pd(span.rowX);
    const __m512d rowY = _mm512_set1_pd(span.rowY);
    const __m256i width = _mm256_set1_epi32(source.width);
    const __m256i oneInt = _mm256_set1_epi32(1);
    const __m256i fill = _mm256_set1_epi32(source.fill);
    const __m256i greyFactor = _mm256_set1_epi32(0x010101);
    const int* pixels = source.pixels;
    int k = 0;
    for (; k + 8 <= span.count; k += 8) {
        const __m512d xs = _mm512_add_pd(_mm512_loadu_pd(span.columnX + k), rowX);
        const __m512d ys = _mm512_sub_pd(rowY, _mm512_loadu_pd(span.columnY + k));
        const __mmask8 inside = Within(xs, zero, uLimit) & Within(ys, zero, vLimit);
        if (inside == 0) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(span.out + k), fill);
            continue;
        }
        // Inside, truncation is the floor.
        const __m256i u = Truncate8(xs);
        const __m256i v = Truncate8(ys);
        const __m256i index = _mm256_add_epi32(_mm256_mullo_epi32(v, width), u);
        const __m256i below = _mm256_add_epi32(index, width);
        const __m256i none = _mm256_setzero_si256();
        const __m256i p00 = _mm256_mmask_i32gather_epi32(none, inside, index, pixels, 4);
        const __m256i p10 =
            _mm256_mmask_i32gather_epi32(none, inside, _mm256_add_epi32(index, oneInt), pixels, 4);
        const __m256i p01 = _mm256_mmask_i32gather_epi32(none, inside, below, pixels, 4);
        const __m256i p11 =
            _mm256_mmask_i32gather_epi32(none, inside, _mm256_add_epi32(below, oneInt), pixels, 4);
        const __mmask8 uniform = _mm256_cmpeq_epi32_mask(p00, p10) &
                                 _mm256_cmpeq_epi32_mask(p10, p01) &
                                 _mm256_cmpeq_epi32_mask(p01, p11);

        // InterpolateGrey with x2 - x1 = y2 - y1 = 1, by which dividing changes nothing.
        const __m512d wx = _mm512_sub_pd(Widen8(_mm256_add_epi32(u, oneInt)), xs);
        const __m512d wxRest = _mm512_sub_pd(one, wx);
        const __m512d top =
            _mm512_add_pd(_mm512_mul_pd(wx, BlueOf8(p00)), _mm512_mul_pd(wxRest, BlueOf8(p10)));
        const __m512d bottom =
            _mm512_add_pd(_mm512_mul_pd(wx, BlueOf8(p01)), _mm512_mul_pd(wxRest, BlueOf8(p11)));
        const __m512d wy = _mm512_sub_pd(Widen8(_mm256_add_epi32(v, oneInt)), ys);
        const __m512d g =
            _mm512_add_pd(_mm512_mul_pd(wy, top), _mm512_mul_pd(_mm512_sub_pd(one, wy), bottom));
        const __m256i grey = _mm256_mullo_epi32(Truncate8(g), greyFactor);

        const __m256i sampled = _mm256_mask_blend_epi32(uniform, grey, p00);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(span.out + k),
                            _mm256_mask_blend_epi32(inside, fill, sampled));
    }
    BilinearSpan(source, {span.columnX + k, span.columnY + k, span.rowX, span.rowY, span.out + k,
                          span.count - k});
}

#else

bool CanUseAvx512(const SourcePicture&) {
    return false;
}
void NearestSpanAvx512(const SourcePicture& source, const Span& span) {
    NearestSpan(source, span);
}
void BilinearSpanAvx512(const SourcePicture& source, const Span& span) {
    BilinearSpan(source, span);
}

#endif

}  // namespace varno::resampling
