// The hot loops of a vehicle load: decoding a run of consecutive SRF pixels into 32-bit pixels
// (blue, green, red, alpha in memory order, colours not multiplied by alpha) and filling a run
// with one pixel. They work on whole runs so that the compiler can vectorise them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace srf {

// Converts `count` pixels from `colour` (2 bytes each, low byte first) and `transparency` (one
// byte each) into `out` (4 bytes each), which must not overlap the inputs. Stops at the first
// transparency above 128 without writing that pixel; returns the number of pixels written.
std::size_t decodePixelRun(const std::uint8_t* colour, const std::uint8_t* transparency,
                           std::size_t count, std::uint8_t* out);

// Writes `count` copies of the pixel (blue, green, red, alpha) to `out`.
void fillPixelRun(std::uint8_t* out, std::size_t count, std::uint8_t blue, std::uint8_t green,
                  std::uint8_t red, std::uint8_t alpha);

} // namespace srf
