// The two per-pixel conversions of an SRF image: a 16-bit colour word (red 5 bits, green 5 bits,
// one unused bit, blue 5 bits, from the top bit down) and a transparency byte.
#pragma once

#include "format/srf_layout.h"

#include <cstdint>
#include <optional>

namespace srf {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Each 5-bit channel is widened by a shift of three, so channels run 0, 8, ..., 248.
constexpr Rgb SRFPixelToRGB(std::uint8_t lo, std::uint8_t hi) {
    return {static_cast<std::uint8_t>(hi & 0xF8),
            static_cast<std::uint8_t>(((hi & 0x07) << 5) | ((lo & 0xC0) >> 3)),
            static_cast<std::uint8_t>((lo & 0x1F) << 3)};
}

// Opacity of a transparency byte already known to be valid (at most 128).
constexpr std::uint8_t opacityOfValidTransparency(std::uint8_t t) {
    return t == 0 ? std::uint8_t{255} : static_cast<std::uint8_t>(256 - 2 * t);
}

// No value for a transparency above 128: such a pixel makes the whole decode fail.
constexpr std::optional<std::uint8_t> SRFAlphaToOpacity(std::uint8_t t) {
    if (t > kMaxTransparency)
        return std::nullopt;
    return opacityOfValidTransparency(t);
}

} // namespace srf
