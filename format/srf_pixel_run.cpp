#include "format/srf_pixel_run.h"

#include "format/srf_pixel.h"
#include "format/vector_clones.h"

#include <algorithm>
#include <bit>
#include <cstring>

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

// The pixels are decoded in blocks: a block's transparency bytes are checked together while
// they are in registers, then the block is decoded, so the bytes are read in one pass and the
// stop before a bad pixel stays exact. The helpers are inlined into each build of the loop, so
// that the AVX2 one runs them in AVX2 too.
constexpr std::size_t kBlockPixels = 64;

// Branch-free, so that it vectorises.
[[gnu::always_inline]] inline std::uint8_t largestTransparency(const std::uint8_t* transparency,
                                                               std::size_t count) {
    std::uint8_t largest = 0;
    for (std::size_t i = 0; i < count; ++i)
        largest = std::max(largest, transparency[i]);
    return largest;
}

// Valid files have no bad byte at all: the branch-free check decides the common case, and the
// exact position is searched only when it is needed.
[[gnu::always_inline]] inline std::size_t validPrefixLength(const std::uint8_t* transparency,
                                                            std::size_t count) {
    if (largestTransparency(transparency, count) <= kMaxTransparency)
        return count;
    return static_cast<std::size_t>(
        std::find_if(transparency, transparency + count,
                     [](std::uint8_t t) { return t > kMaxTransparency; }) -
        transparency);
}

// `count` pixels whose transparency bytes are all valid.
[[gnu::always_inline]] inline void decodeValidPixels(const std::uint8_t* __restrict colour,
                                                     const std::uint8_t* __restrict transparency,
                                                     std::size_t count,
                                                     std::uint8_t* __restrict out) {
    for (std::size_t i = 0; i < count; ++i) {
        // SRFPixelToRGB on the whole little-endian word, computed as the two 16-bit halves of
        // the output pixel so that the vectorised loop works on eight pixels per register: each
        // 5-bit channel moves to the top of its byte (blue bits 4-0, green 10-6, red 15-11).
        std::uint16_t word;
        std::memcpy(&word, colour + 2 * i, sizeof word);
        const auto blueGreen =
            static_cast<std::uint16_t>(((word << 3) & 0x00F8) | ((word << 5) & 0xF800));
        // opacityOfValidTransparency as 255 - (2t - 1), 255 for t = 0, in byte steps that
        // cannot overflow, which GCC turns into saturating byte operations.
        const std::uint8_t t = transparency[i];
        const auto opacity = static_cast<std::uint8_t>(255 - (t + (t > 0 ? t - 1 : 0)));
        const auto redAlpha = static_cast<std::uint16_t>(((word >> 8) & 0x00F8) | opacity << 8);
        std::memcpy(out + 4 * i, &blueGreen, sizeof blueGreen);
        std::memcpy(out + 4 * i + 2, &redAlpha, sizeof redAlpha);
    }
}

} // namespace

MOTORHALL_VECTOR_CLONES
std::size_t decodePixelRun(const std::uint8_t* __restrict colour,
                           const std::uint8_t* __restrict transparency, std::size_t count,
                           std::uint8_t* __restrict out) {
    std::size_t done = 0;
    for (; done + kBlockPixels <= count; done += kBlockPixels) {
        if (largestTransparency(transparency + done, kBlockPixels) > kMaxTransparency)
            break;
        decodeValidPixels(colour + 2 * done, transparency + done, kBlockPixels, out + 4 * done);
    }
    // The short block at the end, or the block that holds a bad byte, up to that byte.
    const std::size_t valid =
        validPrefixLength(transparency + done, std::min(kBlockPixels, count - done));
    decodeValidPixels(colour + 2 * done, transparency + done, valid, out + 4 * done);
    return done + valid;
}

MOTORHALL_VECTOR_CLONES
void fillPixelRun(std::uint8_t* __restrict out, std::size_t count, std::uint8_t blue,
                  std::uint8_t green, std::uint8_t red, std::uint8_t alpha) {
    const std::uint32_t pixel = packPixel(blue, green, red, alpha);
    for (std::size_t i = 0; i < count; ++i)
        std::memcpy(out + 4 * i, &pixel, sizeof pixel);
}

} // namespace srf
