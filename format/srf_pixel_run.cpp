#include "format/srf_pixel_run.h"

#include "format/srf_pixel.h"

#include <algorithm>
#include <bit>
#include <cstring>

// The loops are also built for AVX2, picked at load time where the processor has it: twice the
// pixels per instruction of the baseline x86-64 build.
#if defined(__x86_64__) && defined(__linux__) &&                                                   \
    (defined(__clang__) ? __clang_major__ >= 14 : defined(__GNUC__))
#define MOTORHALL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define MOTORHALL_VECTOR_CLONES
#endif

namespace srf {
namespace {

// Pixels and colour words are handled as little-endian values: blue is the low byte of a
// pixel, and the low byte of a colour word comes first in the file.
static_assert(std::endian::native == std::endian::little);

// One pixel as the 32-bit value whose bytes in memory are blue, green, red, alpha.
std::uint32_t packPixel(std::uint8_t blue, std::uint8_t green, std::uint8_t red,
                        std::uint8_t alpha) {
    return std::uint32_t{blue} | std::uint32_t{green} << 8 | std::uint32_t{red} << 16 |
           std::uint32_t{alpha} << 24;
}

std::size_t validPrefixLength(const std::uint8_t* transparency, std::size_t count) {
    // Valid files have no bad byte at all, so one branch-free pass decides the common case and
    // the exact position is searched only when it is needed.
    std::uint8_t worst = 0;
    for (std::size_t i = 0; i < count; ++i)
        worst = std::max(worst, transparency[i]);
    if (worst <= kMaxTransparency)
        return count;
    return static_cast<std::size_t>(
        std::find_if(transparency, transparency + count,
                     [](std::uint8_t t) { return t > kMaxTransparency; }) -
        transparency);
}

} // namespace

MOTORHALL_VECTOR_CLONES
std::size_t decodePixelRun(const std::uint8_t* __restrict colour,
                           const std::uint8_t* __restrict transparency, std::size_t count,
                           std::uint8_t* __restrict out) {
    const std::size_t valid = validPrefixLength(transparency, count);
    for (std::size_t i = 0; i < valid; ++i) {
        // SRFPixelToRGB on the whole little-endian word, computed as the two 16-bit halves of
        // the output pixel so that the vectorised loop works on eight pixels per register: each
        // 5-bit channel moves to the top of its byte (blue bits 4-0, green 10-6, red 15-11).
        std::uint16_t word;
        std::memcpy(&word, colour + 2 * i, sizeof word);
        const auto blueGreen =
            static_cast<std::uint16_t>(((word << 3) & 0x00F8) | ((word << 5) & 0xF800));
        const auto redAlpha = static_cast<std::uint16_t>(
            ((word >> 8) & 0x00F8) | opacityOfValidTransparency(transparency[i]) << 8);
        std::memcpy(out + 4 * i, &blueGreen, sizeof blueGreen);
        std::memcpy(out + 4 * i + 2, &redAlpha, sizeof redAlpha);
    }
    return valid;
}

MOTORHALL_VECTOR_CLONES
void fillPixelRun(std::uint8_t* __restrict out, std::size_t count, std::uint8_t blue,
                  std::uint8_t green, std::uint8_t red, std::uint8_t alpha) {
    const std::uint32_t pixel = packPixel(blue, green, red, alpha);
    for (std::size_t i = 0; i < count; ++i)
        std::memcpy(out + 4 * i, &pixel, sizeof pixel);
}

} // namespace srf
