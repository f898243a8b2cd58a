// The resampling spans four pixels at a time with AVX2: the same double operations in the
// same order as the plain spans, so the same pixels, and gathers for the source reads.
#include <cstddef>
#include <limits>

#include "Unit2/ResamplingSpans.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VARNO_AVX2_SPANS 1
#endif

namespace varno::resampling {

#ifdef VARNO_AVX2_SPANS

namespace {

#define VARNO_AVX2 __attribute__((target("avx2")))

// The four 64-bit lane masks of a comparison of doubles as four 32-bit lane masks.
VARNO_AVX2 __m128i NarrowMask(__m256d mask) {
    const __m256i lanes = _mm256_castpd_si256(mask);
    const __m256i low =
        _mm256_permutevar8x32_epi32(lanes, _mm256_setr_epi32(0, 2, 4, 6, 0, 0, 0, 0));
    return _mm256_castsi256_si128(low);
}

// lower <= value < upper, false for a value that is not a number.
VARNO_AVX2 __m256d Within(__m256d value, __m256d lower, __m256d upper) {
    return _mm256_and_pd(_mm256_cmp_pd(value, lower, _CMP_GE_OQ),
                         _mm256_cmp_pd(value, upper, _CMP_LT_OQ));
}

VARNO_AVX2 __m256d BlueOf4(__m128i colours) {
    return _mm256_cvtepi32_pd(_mm_and_si128(_mm_srli_epi32(colours, 16), _mm_set1_epi32(0xFF)));
}

}  // namespace

bool CanUseAvx2(const SourcePicture& source) {
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    const auto pixels =
        static_cast<long long>(source.width) * static_cast<long long>(source.height);
    // The bilinear gathers reach one row and one column past the sample's index.
    return hasAvx2 && pixels + source.width + 1 < std::numeric_limits<int>::max();
}

VARNO_AVX2 void NearestSpanAvx2(const SourcePicture& source, const Span& span) {
    const __m256d zero = _mm256_setzero_pd();
    const __m256d half = _mm256_set1_pd(0.5);
    const __m256d widthLimit = _mm256_set1_pd(source.width);
    const __m256d heightLimit = _mm256_set1_pd(source.height);
    const __m256d rowX = _mm256_set1_pd(span.rowX);
    const __m256d rowY = _mm256_set1_pd(span.rowY);
    const __m128i width = _mm_set1_epi32(source.width);
    const __m128i fill = _mm_set1_epi32(source.fill);
    int k = 0;
    for (; k + 4 <= span.count; k += 4) {
        const __m256d u =
            _mm256_add_pd(_mm256_add_pd(_mm256_loadu_pd(span.columnX + k), rowX), half);
        const __m256d v =
            _mm256_add_pd(_mm256_sub_pd(rowY, _mm256_loadu_pd(span.columnY + k)), half);
        const __m128i inside =
            NarrowMask(_mm256_and_pd(Within(u, zero, widthLimit), Within(v, zero, heightLimit)));
        const __m128i index =
            _mm_add_epi32(_mm_mullo_epi32(_mm256_cvttpd_epi32(v), width), _mm256_cvttpd_epi32(u));
        const __m128i pixels = _mm_mask_i32gather_epi32(fill, source.pixels, index, inside, 4);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(span.out + k), pixels);
    }
    NearestSpan(source, {span.columnX + k, span.columnY + k, span.rowX, span.rowY, span.out + k,
                         span.count - k});
}

VARNO_AVX2 void BilinearSpanAvx2(const SourcePicture& source, const Span& span) {
    const __m256d zero = _mm256_setzero_pd();
    const __m256d one = _mm256_set1_pd(1.0);
    const __m256d uLimit = _mm256_set1_pd(source.width - 1);
    const __m256d vLimit = _mm256_set1_pd(source.height - 1);
    const __m256d rowX = _mm256_set1_pd(span.rowX);
    const __m256d rowY = _mm256_set1_pd(span.rowY);
    const __m128i width = _mm_set1_epi32(source.width);
    const __m128i oneInt = _mm_set1_epi32(1);
    const __m128i fill = _mm_set1_epi32(source.fill);
    const __m128i greyFactor = _mm_set1_epi32(0x010101);
    const int* pixels = source.pixels;
    int k = 0;
    for (; k + 4 <= span.count; k += 4) {
        const __m256d xs = _mm256_add_pd(_mm256_loadu_pd(span.columnX + k), rowX);
        const __m256d ys = _mm256_sub_pd(rowY, _mm256_loadu_pd(span.columnY + k));
        const __m128i inside =
            NarrowMask(_mm256_and_pd(Within(xs, zero, uLimit), Within(ys, zero, vLimit)));
        if (_mm_testz_si128(inside, inside)) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(span.out + k), fill);
            continue;
        }
        // Inside, truncation is the floor.
        const __m128i u = _mm256_cvttpd_epi32(xs);
        const __m128i v = _mm256_cvttpd_epi32(ys);
        const __m128i index = _mm_add_epi32(_mm_mullo_epi32(v, width), u);
        // Four 32-bit gathers measure faster here than two 64-bit ones of neighbour pairs.
        const __m128i none = _mm_setzero_si128();
        const __m128i below = _mm_add_epi32(index, width);
        const __m128i p00 = _mm_mask_i32gather_epi32(none, pixels, index, inside, 4);
        const __m128i p10 =
            _mm_mask_i32gather_epi32(none, pixels, _mm_add_epi32(index, oneInt), inside, 4);
        const __m128i p01 = _mm_mask_i32gather_epi32(none, pixels, below, inside, 4);
        const __m128i p11 =
            _mm_mask_i32gather_epi32(none, pixels, _mm_add_epi32(below, oneInt), inside, 4);
        const __m128i uniform =
            _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi32(p00, p10), _mm_cmpeq_epi32(p10, p01)),
                          _mm_cmpeq_epi32(p01, p11));

        // InterpolateGrey with x2 - x1 = y2 - y1 = 1, by which dividing changes nothing.
        const __m256d wx = _mm256_sub_pd(_mm256_cvtepi32_pd(_mm_add_epi32(u, oneInt)), xs);
        const __m256d wxRest = _mm256_sub_pd(one, wx);
        const __m256d top =
            _mm256_add_pd(_mm256_mul_pd(wx, BlueOf4(p00)), _mm256_mul_pd(wxRest, BlueOf4(p10)));
        const __m256d bottom =
            _mm256_add_pd(_mm256_mul_pd(wx, BlueOf4(p01)), _mm256_mul_pd(wxRest, BlueOf4(p11)));
        const __m256d wy = _mm256_sub_pd(_mm256_cvtepi32_pd(_mm_add_epi32(v, oneInt)), ys);
        const __m256d g =
            _mm256_add_pd(_mm256_mul_pd(wy, top), _mm256_mul_pd(_mm256_sub_pd(one, wy), bottom));
        const __m128i grey = _mm_mullo_epi32(_mm256_cvttpd_epi32(g), greyFactor);

        const __m128i sampled = _mm_blendv_epi8(grey, p00, uniform);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(span.out + k),
                         _mm_blendv_epi8(fill, sampled, inside));
    }
    BilinearSpan(source, {span.columnX + k, span.columnY + k, span.rowX, span.rowY, span.out + k,
                          span.count - k});
}

#else

bool CanUseAvx2(const SourcePicture&) {
    return false;
}
void NearestSpanAvx2(const SourcePicture& source, const Span& span) {
    NearestSpan(source, span);
}
void BilinearSpanAvx2(const SourcePicture& source, const Span& span) {
    BilinearSpan(source, span);
}

#endif

}  // namespace varno::resampling
