#include "surface/resample_columns.h"

#include "surface/pixel_rounding.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pixelfilters {

void interpolateColumnsScalar(const float* vertical, const ColumnWeights* columns, int width,
                              std::uint8_t* out) {
    for (int x = 0; x < width; ++x) {
        const ColumnWeights& column = columns[x];
        const float* left = vertical + 4 * static_cast<std::ptrdiff_t>(column.index);
        for (int c = 0; c < 4; ++c)
            out[4 * x + c] = storedByte(column.low[c] * left[c] + column.high[c] * left[4 + c]);
    }
}

#if defined(__SSE2__)
namespace {

// One pixel's four channels: the same products and sum, lane by lane, as the scalar form. The
// weights add up to 1 and the values lie in 0..255, so the clamp of storedByte has nothing to
// do; the conversion rounds to the nearest integer, ties to even, as the default rounding mode
// does for the addition of 2^23 in storedByte.
inline __m128i interpolatedPixel(const float* vertical, const ColumnWeights& column) {
    const float* left = vertical + 4 * static_cast<std::ptrdiff_t>(column.index);
    const __m128 value = _mm_add_ps(_mm_mul_ps(_mm_load_ps(column.low), _mm_loadu_ps(left)),
                                    _mm_mul_ps(_mm_load_ps(column.high), _mm_loadu_ps(left + 4)));
    return _mm_cvtps_epi32(value);
}

} // namespace

void interpolateColumnsSse2(const float* vertical, const ColumnWeights* columns, int width,
                            std::uint8_t* out) {
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        const __m128i first = _mm_packs_epi32(interpolatedPixel(vertical, columns[x]),
                                              interpolatedPixel(vertical, columns[x + 1]));
        const __m128i second = _mm_packs_epi32(interpolatedPixel(vertical, columns[x + 2]),
                                               interpolatedPixel(vertical, columns[x + 3]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * static_cast<std::ptrdiff_t>(x)),
                         _mm_packus_epi16(first, second));
    }
    interpolateColumnsScalar(vertical, columns + x, width - x,
                             out + 4 * static_cast<std::ptrdiff_t>(x));
}
#endif

void interpolateColumns(const float* vertical, const ColumnWeights* columns, int width,
                        std::uint8_t* out) {
#if defined(__SSE2__)
    interpolateColumnsSse2(vertical, columns, width, out);
#else
    interpolateColumnsScalar(vertical, columns, width, out);
#endif
}

} // namespace pixelfilters
