// The variable-length-code LZW compression of GIF image data, for 8-bit colour indices.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace artwork {

// The code stream for `indices` with a minimum code size of 8: a clear code first, codes of 9 up
// to 12 bits packed least significant bit first, a clear code whenever the table is full, and
// the end-of-information code last. The caller frames it into data sub-blocks.
std::vector<std::uint8_t> lzwEncode(std::span<const std::uint8_t> indices);

} // namespace artwork
