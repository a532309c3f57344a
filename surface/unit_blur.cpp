#include "surface/unit_blur.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace pixelfilters {

// sixteenths + 7 = the three column sums + 7 x the centre (the centre is in its own column sum
// once already) + 7, at most 16 x 255 + 7: it fits 16 bits. Then + 1 more when the integer
// part is odd, so that a half goes up only to an even result. (Adding 7 first changes bit 4
// only where the remainder is 9 or more, and such a value goes up either way.)
void unitBlurScalar(const UnitBlurRow& row) {
    for (int i = 0; i < row.count; ++i) {
        const int sums = row.columnSums[i - 4] + row.columnSums[i] + row.columnSums[i + 4];
        const int sixteenthsAndSeven = sums + 7 * row.centre[i] + 7;
        const int blurred = (sixteenthsAndSeven + ((sixteenthsAndSeven >> 4) & 1)) >> 4;
        if (row.result == BlurResult::Sharpened) {
            const int value = 2 * row.centre[i] - blurred;
            row.target[i] = static_cast<std::uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
        } else {
            row.target[i] = static_cast<std::uint8_t>(blurred);
        }
        row.nextSums[i] =
            static_cast<std::uint16_t>(row.columnSums[i] - row.leaving[i] + row.entering[i]);
    }
}

#if defined(__SSE2__)
namespace {

inline __m128i loadWords(const std::uint16_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Eight bytes in 16-bit lanes, the scalar form's steps; the saturating pack that stores them
// clamps the sharpened value to 0..255.
inline __m128i storedLanes(BlurResult result, __m128i centre, const std::uint16_t* sums) {
    const __m128i sixteenthsAndSeven = _mm_add_epi16(
        _mm_add_epi16(loadWords(sums - 4), loadWords(sums + 4)),
        _mm_add_epi16(loadWords(sums), _mm_add_epi16(_mm_mullo_epi16(centre, _mm_set1_epi16(7)),
                                                     _mm_set1_epi16(7))));
    const __m128i odd = _mm_and_si128(_mm_srli_epi16(sixteenthsAndSeven, 4), _mm_set1_epi16(1));
    const __m128i blurred = _mm_srli_epi16(_mm_add_epi16(sixteenthsAndSeven, odd), 4);
    return result == BlurResult::Sharpened ? _mm_sub_epi16(_mm_add_epi16(centre, centre), blurred)
                                           : blurred;
}

inline __m128i movedSums(const std::uint16_t* sums, __m128i leaving, __m128i entering) {
    return _mm_add_epi16(_mm_sub_epi16(loadWords(sums), leaving), entering);
}

} // namespace

void unitBlurSse2(const UnitBlurRow& row) {
    // Copies: stores through the byte pointers could otherwise change them for the compiler.
    const UnitBlurRow r = row;
    const __m128i zero = _mm_setzero_si128();
    const auto bytesAt = [](const std::uint8_t* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    };
    int i = 0;
    for (; i + 16 <= r.count; i += 16) {
        const __m128i centre = bytesAt(r.centre + i);
        const __m128i leaving = bytesAt(r.leaving + i);
        const __m128i entering = bytesAt(r.entering + i);
        const __m128i low =
            storedLanes(r.result, _mm_unpacklo_epi8(centre, zero), r.columnSums + i);
        const __m128i high =
            storedLanes(r.result, _mm_unpackhi_epi8(centre, zero), r.columnSums + i + 8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(r.target + i), _mm_packus_epi16(low, high));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(r.nextSums + i),
                         movedSums(r.columnSums + i, _mm_unpacklo_epi8(leaving, zero),
                                   _mm_unpacklo_epi8(entering, zero)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(r.nextSums + i + 8),
                         movedSums(r.columnSums + i + 8, _mm_unpackhi_epi8(leaving, zero),
                                   _mm_unpackhi_epi8(entering, zero)));
    }
    // The last bytes as the last 16 of the row: those done twice get the same values again,
    // since nothing the loop writes is read by it.
    if (i < r.count && r.count >= 16)
        unitBlurSse2(r.from(r.count - 16));
    else
        unitBlurScalar(r.from(i));
}
#endif

#if defined(__x86_64__)
namespace {

[[gnu::target("avx2")]] inline __m256i wideWords(const std::uint16_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

[[gnu::target("avx2")]] inline __m256i widenedBytes(const std::uint8_t* p) {
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
}

// Sixteen bytes: the SSE2 steps, with 7 x centre + 7 from one multiply and add of byte pairs
// (the centre and a 1 in each lane, both times 7).
[[gnu::target("avx2")]] inline __m256i wideStoredLanes(BlurResult result, __m256i centre,
                                                       const std::uint16_t* sums) {
    const __m256i sevenfoldAndSeven = _mm256_maddubs_epi16(
        _mm256_or_si256(centre, _mm256_set1_epi16(0x0100)), _mm256_set1_epi16(0x0707));
    const __m256i sixteenthsAndSeven =
        _mm256_add_epi16(_mm256_add_epi16(wideWords(sums - 4), wideWords(sums + 4)),
                         _mm256_add_epi16(wideWords(sums), sevenfoldAndSeven));
    const __m256i odd =
        _mm256_and_si256(_mm256_srli_epi16(sixteenthsAndSeven, 4), _mm256_set1_epi16(1));
    const __m256i blurred = _mm256_srli_epi16(_mm256_add_epi16(sixteenthsAndSeven, odd), 4);
    return result == BlurResult::Sharpened
               ? _mm256_sub_epi16(_mm256_add_epi16(centre, centre), blurred)
               : blurred;
}

[[gnu::target("avx2")]] inline __m256i wideMovedSums(const std::uint16_t* sums,
                                                     const std::uint8_t* leaving,
                                                     const std::uint8_t* entering) {
    return _mm256_add_epi16(_mm256_sub_epi16(wideWords(sums), widenedBytes(leaving)),
                            widenedBytes(entering));
}

} // namespace

[[gnu::target("avx2")]] void unitBlurAvx2(const UnitBlurRow& row) {
    const UnitBlurRow r = row;
    int i = 0;
    for (; i + 32 <= r.count; i += 32) {
        const __m256i low = wideStoredLanes(r.result, widenedBytes(r.centre + i), r.columnSums + i);
        const __m256i high =
            wideStoredLanes(r.result, widenedBytes(r.centre + i + 16), r.columnSums + i + 16);
        // The pack works within each 128-bit half: quarters 0 and 2 hold the low lanes.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(r.target + i),
                            _mm256_permute4x64_epi64(_mm256_packus_epi16(low, high), 0xD8));
        for (int half = 0; half < 32; half += 16)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(r.nextSums + i + half),
                                wideMovedSums(r.columnSums + i + half, r.leaving + i + half,
                                              r.entering + i + half));
    }
    if (i < r.count && r.count >= 32)
        unitBlurAvx2(r.from(r.count - 32));
    else
        unitBlurSse2(r.from(i));
}

bool processorHasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

namespace {

#define MOTORHALL_AVX512 gnu::target("avx512bw")

[[MOTORHALL_AVX512]] inline __m512i widestWords(const std::uint16_t* p) {
    return _mm512_loadu_si512(p);
}

[[MOTORHALL_AVX512]] inline __m512i widestBytes(const std::uint8_t* p) {
    return _mm512_cvtepu8_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
}

// Thirty-two bytes: the AVX2 steps.
[[MOTORHALL_AVX512]] inline __m512i widestStoredLanes(BlurResult result, __m512i centre,
                                                      const std::uint16_t* sums) {
    const __m512i sevenfoldAndSeven = _mm512_maddubs_epi16(
        _mm512_or_si512(centre, _mm512_set1_epi16(0x0100)), _mm512_set1_epi16(0x0707));
    const __m512i sixteenthsAndSeven =
        _mm512_add_epi16(_mm512_add_epi16(widestWords(sums - 4), widestWords(sums + 4)),
                         _mm512_add_epi16(widestWords(sums), sevenfoldAndSeven));
    const __m512i odd =
        _mm512_and_si512(_mm512_srli_epi16(sixteenthsAndSeven, 4), _mm512_set1_epi16(1));
    const __m512i blurred = _mm512_srli_epi16(_mm512_add_epi16(sixteenthsAndSeven, odd), 4);
    return result == BlurResult::Sharpened
               ? _mm512_sub_epi16(_mm512_add_epi16(centre, centre), blurred)
               : blurred;
}

} // namespace

[[MOTORHALL_AVX512]] void unitBlurAvx512(const UnitBlurRow& row) {
    const UnitBlurRow r = row;
    // The pack works within each 128-bit quarter; this puts the quarters back in order. (The
    // zero-masked permute is the plain one; GCC 12 takes the plain one's undefined starting
    // value for an uninitialised read.)
    const __m512i inOrder = _mm512_set_epi64(7, 5, 3, 1, 6, 4, 2, 0);
    int i = 0;
    for (; i + 64 <= r.count; i += 64) {
        const __m512i low =
            widestStoredLanes(r.result, widestBytes(r.centre + i), r.columnSums + i);
        const __m512i high =
            widestStoredLanes(r.result, widestBytes(r.centre + i + 32), r.columnSums + i + 32);
        _mm512_storeu_si512(r.target + i, _mm512_maskz_permutexvar_epi64(
                                              0xFF, inOrder, _mm512_packus_epi16(low, high)));
        for (int half = 0; half < 64; half += 32)
            _mm512_storeu_si512(
                r.nextSums + i + half,
                _mm512_add_epi16(_mm512_sub_epi16(widestWords(r.columnSums + i + half),
                                                  widestBytes(r.leaving + i + half)),
                                 widestBytes(r.entering + i + half)));
    }
    if (i < r.count && r.count >= 64)
        unitBlurAvx512(r.from(r.count - 64));
    else
        unitBlurAvx2(r.from(i));
}

bool processorHasAvx512() {
    static const bool has = __builtin_cpu_supports("avx512bw");
    return has;
}
#endif

void unitBlur(const UnitBlurRow& row) {
#if defined(__x86_64__)
    if (processorHasAvx512()) {
        unitBlurAvx512(row);
        return;
    }
    if (processorHasAvx2()) {
        unitBlurAvx2(row);
        return;
    }
#endif
#if defined(__SSE2__)
    unitBlurSse2(row);
#else
    unitBlurScalar(row);
#endif
}

} // namespace pixelfilters
