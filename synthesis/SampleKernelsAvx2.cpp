#include "synthesis/SampleKernelsAvx2.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "synthesis/SampleBlocks.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define VOKADLO_AVX2_KERNELS 1
#endif

namespace vokadlo {

#ifdef VOKADLO_AVX2_KERNELS

bool HaveAvx2Kernels() {
    // VOKADLO_PORTABLE_KERNELS set (to anything but "" or "0") keeps the portable kernels, so
    // that both can be compared on one machine.
    static const bool have = [] {
        const char* portable = std::getenv("VOKADLO_PORTABLE_KERNELS");
        const bool forced = portable && *portable && std::strcmp(portable, "0") != 0;
        return !forced && __builtin_cpu_supports("avx2");
    }();
    return have;
}

__attribute__((target("avx2"))) void ScaleSamplesIntoAvx2(const std::uint8_t* in,
                                                          std::uint8_t* const* outs,
                                                          const double* gains, int taps,
                                                          std::size_t count) {
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + 2 * i));
        if (_mm256_testz_si256(x, x)) {  // silence, a quarter of speech: no arithmetic
            for (int t = 0; t < taps; ++t) {
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(outs[t] + 2 * i), x);
            }
            continue;
        }
        const __m256i low = _mm256_cvtepi16_epi32(_mm256_castsi256_si128(x));
        const __m256i high = _mm256_cvtepi16_epi32(_mm256_extracti128_si256(x, 1));
        const __m256d d0 = _mm256_cvtepi32_pd(_mm256_castsi256_si128(low));
        const __m256d d1 = _mm256_cvtepi32_pd(_mm256_extracti128_si256(low, 1));
        const __m256d d2 = _mm256_cvtepi32_pd(_mm256_castsi256_si128(high));
        const __m256d d3 = _mm256_cvtepi32_pd(_mm256_extracti128_si256(high, 1));
        for (int t = 0; t < taps; ++t) {
            const __m256d g = _mm256_set1_pd(gains[t]);
            const __m128i a = _mm_packs_epi32(_mm256_cvtpd_epi32(_mm256_mul_pd(d0, g)),
                                              _mm256_cvtpd_epi32(_mm256_mul_pd(d1, g)));
            const __m128i b = _mm_packs_epi32(_mm256_cvtpd_epi32(_mm256_mul_pd(d2, g)),
                                              _mm256_cvtpd_epi32(_mm256_mul_pd(d3, g)));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(outs[t] + 2 * i),
                                _mm256_set_m128i(b, a));
        }
    }
    for (int t = 0; t < taps; ++t) {
        for (std::size_t j = i; j < count; ++j) {
            SetSampleIn(outs[t], j, RoundSmall(gains[t] * SampleIn(in, j)));
        }
    }
}

__attribute__((target("avx2"))) void AddSamplesSaturatedFromAvx2(std::uint8_t* wet,
                                                                 const std::uint8_t* const* adds,
                                                                 int taps, std::size_t count) {
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        auto* at = reinterpret_cast<__m256i*>(wet + 2 * i);
        __m256i sum = _mm256_loadu_si256(at);
        for (int t = 0; t < taps; ++t) {
            sum = _mm256_adds_epi16(
                sum, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(adds[t] + 2 * i)));
        }
        _mm256_storeu_si256(at, sum);
    }
    for (; i < count; ++i) {
        std::int32_t sum = SampleIn(wet, i);
        for (int t = 0; t < taps; ++t) {
            sum = std::clamp(sum + SampleIn(adds[t], i), -32768, 32767);
        }
        SetSampleIn(wet, i, static_cast<std::int16_t>(sum));
    }
}

#else

bool HaveAvx2Kernels() {
    return false;
}

void ScaleSamplesIntoAvx2(const std::uint8_t*, std::uint8_t* const*, const double*, int,
                          std::size_t) {}

void AddSamplesSaturatedFromAvx2(std::uint8_t*, const std::uint8_t* const*, int, std::size_t) {}

#endif

}  // namespace vokadlo
