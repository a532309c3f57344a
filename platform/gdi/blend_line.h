// The pixel loop behind AlphaBlend for the blend every caller of the program asks for: a 32-bit
// target, per-pixel alpha and no constant alpha. Each target channel d becomes
// min(255, c + div255(d x (255 - a))), c the source channel and a the source alpha (the source
// is taken as premultiplied). Internal to the drawing layer; a header so that its tests can hold
// the vector forms (SSE2, and AVX2 or AVX-512 where the processor has it) to the scalar one.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace gdi::blend {

static_assert(std::endian::native == std::endian::little);

// v / 255 rounded to the nearest integer, for v up to 255 x 255.
inline std::uint32_t div255(std::uint32_t v) {
    return (v + 128 + ((v + 128) >> 8)) >> 8;
}

// The scalar form: one pixel, the four channels at once in the 16-bit lanes of a 64-bit word.
inline std::uint64_t spreadChannels(std::uint32_t p) {
    return (p & 0xFFull) | (std::uint64_t{p & 0xFF00u} << 8) |
           (std::uint64_t{p & 0xFF0000u} << 16) | (std::uint64_t{p & 0xFF000000u} << 24);
}

inline std::uint32_t packChannels(std::uint64_t lanes) {
    return static_cast<std::uint32_t>((lanes & 0xFF) | ((lanes >> 8) & 0xFF00) |
                                      ((lanes >> 16) & 0xFF0000) | ((lanes >> 24) & 0xFF000000));
}

inline std::uint32_t blendPixel(std::uint32_t source, std::uint32_t target) {
    const std::uint32_t keep = 255 - (source >> 24);
    constexpr std::uint64_t lowBytes = 0x00FF00FF00FF00FFull;
    std::uint64_t lanes = spreadChannels(target) * keep + 0x0080008000800080ull;
    lanes = ((lanes + ((lanes >> 8) & lowBytes)) >> 8) & lowBytes; // div255, rounded
    lanes += spreadChannels(source);
    const std::uint64_t over = ((lanes >> 8) & 0x0001000100010001ull) * 0xFF;
    return packChannels((lanes | over) & lowBytes);
}

// `count` pixels; `step` is -1 when a line is blended onto itself further right, so that each
// source pixel is read before its own target write. Opaque source pixels are copied and
// transparent black ones skipped, which gives what the formula gives with less work.
inline void blendLineScalar(const std::uint8_t* source, std::uint8_t* target, int count, int step) {
    for (int n = 0; n < count; ++n, source += 4 * step, target += 4 * step) {
        std::uint32_t s;
        std::memcpy(&s, source, 4);
        if (s >> 24 == 255) {
            std::memcpy(target, &s, 4);
            continue;
        }
        if (s == 0)
            continue;
        std::uint32_t d;
        std::memcpy(&d, target, 4);
        d = blendPixel(s, d);
        std::memcpy(target, &d, 4);
    }
}

#if defined(__SSE2__)
// Four pixels in one register, without a branch: a vehicle frame mixes opaque, clear and partly
// clear pixels, so testing for the first two would cost more than it saves. The target's even
// bytes (blue, red) and odd bytes (green, alpha) are worked in the 16-bit lanes of two
// registers, which spares unpacking every channel to 16 bits and packing it back:
// - t = d x keep + 128 is at most 65153, so it fits a lane;
// - div255's (t + (t >> 8)) >> 8 is (t x 257) >> 16, the high half of one product: the exact
//   quotient (t + t / 256) / 256 exceeds (t + (t >> 8)) / 256 by less than 1 / 256, too little
//   to reach the next integer from a numerator that is a whole number;
// - the saturating byte add is the clamp to 255.
inline __m128i blendFourPixels(__m128i source, __m128i target) {
    const __m128i lowBytes = _mm_set1_epi16(0x00FF);
    const __m128i half = _mm_set1_epi16(128);
    const __m128i by257 = _mm_set1_epi16(257);
    // 255 - alpha in both 16-bit lanes of each pixel.
    const __m128i keep32 = _mm_srli_epi32(_mm_xor_si128(source, _mm_set1_epi32(-1)), 24);
    const __m128i keep = _mm_or_si128(keep32, _mm_slli_epi32(keep32, 16));
    const __m128i even = _mm_and_si128(target, lowBytes);
    const __m128i odd = _mm_srli_epi16(target, 8);
    const __m128i evenScaled =
        _mm_mulhi_epu16(_mm_add_epi16(_mm_mullo_epi16(even, keep), half), by257);
    const __m128i oddScaled =
        _mm_mulhi_epu16(_mm_add_epi16(_mm_mullo_epi16(odd, keep), half), by257);
    return _mm_adds_epu8(_mm_or_si128(evenScaled, _mm_slli_epi16(oddScaled, 8)), source);
}

// Left to right. Within one line the source may lie right of the target: each group of four
// is read whole before it is written, so no source pixel is overwritten before it is read.
inline void blendLineSse2(const std::uint8_t* source, std::uint8_t* target, int count) {
    int n = 0;
    for (; n + 4 <= count; n += 4, source += 16, target += 16) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target), blendFourPixels(s, d));
    }
    blendLineScalar(source, target, count - n, 1);
}
#endif

#if defined(__x86_64__)
// The SSE2 steps on eight pixels at a time, for processors with AVX2.
[[gnu::target("avx2")]] inline __m256i blendEightPixels(__m256i source, __m256i target) {
    const __m256i lowBytes = _mm256_set1_epi16(0x00FF);
    const __m256i half = _mm256_set1_epi16(128);
    const __m256i by257 = _mm256_set1_epi16(257);
    const __m256i keep32 = _mm256_srli_epi32(_mm256_xor_si256(source, _mm256_set1_epi32(-1)), 24);
    const __m256i keep = _mm256_or_si256(keep32, _mm256_slli_epi32(keep32, 16));
    const __m256i even = _mm256_and_si256(target, lowBytes);
    const __m256i odd = _mm256_srli_epi16(target, 8);
    const __m256i evenScaled =
        _mm256_mulhi_epu16(_mm256_add_epi16(_mm256_mullo_epi16(even, keep), half), by257);
    const __m256i oddScaled =
        _mm256_mulhi_epu16(_mm256_add_epi16(_mm256_mullo_epi16(odd, keep), half), by257);
    return _mm256_adds_epu8(_mm256_or_si256(evenScaled, _mm256_slli_epi16(oddScaled, 8)), source);
}

// Only on a processor with AVX2; the same reading order as the SSE2 form.
[[gnu::target("avx2")]] inline void blendLineAvx2(const std::uint8_t* source, std::uint8_t* target,
                                                  int count) {
    int n = 0;
    for (; n + 8 <= count; n += 8, source += 32, target += 32) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(target));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target), blendEightPixels(s, d));
    }
    blendLineSse2(source, target, count - n);
}

inline bool processorHasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

// The same steps on sixteen pixels, for processors with AVX-512 (byte and word instructions).
[[gnu::target("avx512bw")]] inline __m512i blendSixteenPixels(__m512i source, __m512i target) {
    const __m512i lowBytes = _mm512_set1_epi16(0x00FF);
    const __m512i half = _mm512_set1_epi16(128);
    const __m512i by257 = _mm512_set1_epi16(257);
    // (The zero-masked shifts are the plain ones; GCC 12 takes the plain ones' undefined
    // starting value for an uninitialised read.)
    const __m512i keep32 =
        _mm512_maskz_srli_epi32(0xFFFF, _mm512_xor_si512(source, _mm512_set1_epi32(-1)), 24);
    const __m512i keep = _mm512_or_si512(keep32, _mm512_maskz_slli_epi32(0xFFFF, keep32, 16));
    const __m512i even = _mm512_and_si512(target, lowBytes);
    const __m512i odd = _mm512_srli_epi16(target, 8);
    const __m512i evenScaled =
        _mm512_mulhi_epu16(_mm512_add_epi16(_mm512_mullo_epi16(even, keep), half), by257);
    const __m512i oddScaled =
        _mm512_mulhi_epu16(_mm512_add_epi16(_mm512_mullo_epi16(odd, keep), half), by257);
    return _mm512_adds_epu8(_mm512_or_si512(evenScaled, _mm512_slli_epi16(oddScaled, 8)), source);
}

[[gnu::target("avx512bw")]] inline void blendLineAvx512(const std::uint8_t* source,
                                                        std::uint8_t* target, int count) {
    int n = 0;
    for (; n + 16 <= count; n += 16, source += 64, target += 64)
        _mm512_storeu_si512(
            target, blendSixteenPixels(_mm512_loadu_si512(source), _mm512_loadu_si512(target)));
    blendLineAvx2(source, target, count - n);
}

inline bool processorHasAvx512() {
    static const bool has = __builtin_cpu_supports("avx512bw");
    return has;
}
#endif

// The fastest form this build and processor have for the direction asked.
inline void blendLine(const std::uint8_t* source, std::uint8_t* target, int count, int step) {
#if defined(__x86_64__)
    if (step == 1 && processorHasAvx512()) {
        blendLineAvx512(source, target, count);
        return;
    }
    if (step == 1 && processorHasAvx2()) {
        blendLineAvx2(source, target, count);
        return;
    }
#endif
#if defined(__SSE2__)
    if (step == 1) {
        blendLineSse2(source, target, count);
        return;
    }
#endif
    blendLineScalar(source, target, count, step);
}

} // namespace gdi::blend
