// What a vehicle file's pixel must decode to, worked out here from the bit layout of the file
// rather than with the program's own conversions: the colour word holds red in bits 15-11,
// green in bits 10-6 and blue in bits 4-0, each widened to 8 bits by a factor of 8 (bit 5 is
// unused); the transparency byte runs from 0 (opaque) to 128 (clear), higher values are invalid.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace srftest {

// Blue, green, red of the colour word.
inline std::array<int, 3> expectedBgr(std::uint16_t word) {
    return {(word & 0x1F) * 8, (word >> 6 & 0x1F) * 8, (word >> 11 & 0x1F) * 8};
}

// The opacity of a transparency byte; nothing for a byte above 128.
inline std::optional<int> expectedOpacity(std::uint8_t transparency) {
    if (transparency > 128)
        return std::nullopt;
    return transparency == 0 ? 255 : 256 - 2 * transparency;
}

} // namespace srftest
