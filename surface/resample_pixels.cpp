#include "surface/resample_pixels.h"

#include "surface/pixel_rounding.h"
#include "surface/unit_blur.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace pixelfilters {

void interpolatePixelsScalar(const RowPair& rows, const ColumnWeights* columns, int width,
                             std::uint8_t* out) {
    const float lowWeight = 1.0f - rows.fraction;
    for (int x = 0; x < width; ++x) {
        const ColumnWeights& column = columns[x];
        const std::size_t first = 4 * static_cast<std::size_t>(column.index);
        float vertical[8];
        for (int i = 0; i < 8; ++i)
            vertical[i] = roundInRange(lowWeight * rows.low[first + i] +
                                       rows.fraction * rows.high[first + i]);
        for (int c = 0; c < 4; ++c)
            out[4 * x + c] =
                storedByte(column.low[c] * vertical[c] + column.high[c] * vertical[4 + c]);
    }
}

#if defined(__SSE2__)
namespace {

// Four values of a source row as floats.
inline __m128 fourValues(const std::uint8_t* bytes) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i words =
        _mm_unpacklo_epi8(_mm_cvtsi32_si128(*reinterpret_cast<const int*>(bytes)), zero);
    return _mm_cvtepi32_ps(_mm_unpacklo_epi16(words, zero));
}

} // namespace

void interpolatePixelsSse2(const RowPair& rows, const ColumnWeights* columns, int width,
                           std::uint8_t* out) {
    const __m128 lowWeight = _mm_set1_ps(1.0f - rows.fraction);
    const __m128 highWeight = _mm_set1_ps(rows.fraction);
    const __m128 twoTo23 = _mm_set1_ps(8388608.0f);
    // The vertical step for one source pixel, rounded as roundInRange rounds.
    const auto vertical = [&](std::size_t at) {
        const __m128 value = _mm_add_ps(_mm_mul_ps(lowWeight, fourValues(rows.low + at)),
                                        _mm_mul_ps(highWeight, fourValues(rows.high + at)));
        return _mm_sub_ps(_mm_add_ps(value, twoTo23), twoTo23);
    };
    // The horizontal step as in interpolateColumnsSse2.
    const auto pixel = [&](const ColumnWeights& column) {
        const std::size_t first = 4 * static_cast<std::size_t>(column.index);
        return _mm_cvtps_epi32(
            _mm_add_ps(_mm_mul_ps(_mm_load_ps(column.low), vertical(first)),
                       _mm_mul_ps(_mm_load_ps(column.high), vertical(first + 4))));
    };
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        const __m128i first = _mm_packs_epi32(pixel(columns[x]), pixel(columns[x + 1]));
        const __m128i second = _mm_packs_epi32(pixel(columns[x + 2]), pixel(columns[x + 3]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * static_cast<std::ptrdiff_t>(x)),
                         _mm_packus_epi16(first, second));
    }
    interpolatePixelsScalar(rows, columns + x, width - x, out + 4 * static_cast<std::ptrdiff_t>(x));
}
#endif

#if defined(__x86_64__)
namespace {

// Eight values of a source row (two pixels) as floats.
[[gnu::target("avx2")]] inline __m256 eightValues(const std::uint8_t* bytes) {
    return _mm256_cvtepi32_ps(
        _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(bytes))));
}

// One result pixel: its two source pixels' eight values in one register, both steps lane by
// lane, then the halves (the weighted left and right pixels) added.
[[gnu::target("avx2")]] inline __m128i wideInterpolatedPixel(const RowPair& rows, __m256 lowWeight,
                                                             __m256 highWeight,
                                                             const ColumnWeights& column) {
    const __m256 twoTo23 = _mm256_set1_ps(8388608.0f);
    const std::size_t first = 4 * static_cast<std::size_t>(column.index);
    const __m256 vertical = _mm256_sub_ps(
        _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(lowWeight, eightValues(rows.low + first)),
                                    _mm256_mul_ps(highWeight, eightValues(rows.high + first))),
                      twoTo23),
        twoTo23);
    const __m256 weighted = _mm256_mul_ps(_mm256_loadu_ps(column.low), vertical);
    return _mm_cvtps_epi32(
        _mm_add_ps(_mm256_castps256_ps128(weighted), _mm256_extractf128_ps(weighted, 1)));
}

} // namespace

[[gnu::target("avx2")]] void interpolatePixelsAvx2(const RowPair& rows,
                                                   const ColumnWeights* columns, int width,
                                                   std::uint8_t* out) {
    const __m256 lowWeight = _mm256_set1_ps(1.0f - rows.fraction);
    const __m256 highWeight = _mm256_set1_ps(rows.fraction);
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        const __m128i first =
            _mm_packs_epi32(wideInterpolatedPixel(rows, lowWeight, highWeight, columns[x]),
                            wideInterpolatedPixel(rows, lowWeight, highWeight, columns[x + 1]));
        const __m128i second =
            _mm_packs_epi32(wideInterpolatedPixel(rows, lowWeight, highWeight, columns[x + 2]),
                            wideInterpolatedPixel(rows, lowWeight, highWeight, columns[x + 3]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * static_cast<std::ptrdiff_t>(x)),
                         _mm_packus_epi16(first, second));
    }
    interpolatePixelsScalar(rows, columns + x, width - x, out + 4 * static_cast<std::ptrdiff_t>(x));
}
#endif

void interpolatePixels(const RowPair& rows, const ColumnWeights* columns, int width,
                       std::uint8_t* out) {
#if defined(__x86_64__)
    if (processorHasAvx2()) {
        interpolatePixelsAvx2(rows, columns, width, out);
        return;
    }
#endif
#if defined(__SSE2__)
    interpolatePixelsSse2(rows, columns, width, out);
#else
    interpolatePixelsScalar(rows, columns, width, out);
#endif
}

} // namespace pixelfilters
