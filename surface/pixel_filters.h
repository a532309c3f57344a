// The pixel kernels behind the surface's filters, on plain buffers of 4-byte pixels. Every
// fraction is rounded to the nearest integer, ties to even, and clamped to 0..255; the four bytes
// of a pixel are treated alike. Each writes every byte of its target.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pixelfilters {

// width x height pixels of 4 bytes, rows `stride` bytes apart.
struct PixelRows {
    const std::uint8_t* bits;
    std::size_t stride;
    int width;
    int height;

    const std::uint8_t* row(int y) const { return bits + static_cast<std::size_t>(y) * stride; }
};

// Each byte becomes (mean of the pixel's neighbours inside the image / neighbourDivisor + its own
// value / centreDivisor) / 2; a pixel without neighbours counts as its own mean. `target` has
// the source's layout. Both divisors non-zero.
void blur(const PixelRows& source, std::uint8_t* target, float centreDivisor,
          float neighbourDivisor);

// Each byte becomes 2 x its value - its blur(1, 1), clamped: the blur is never stored.
void unsharpMask(const PixelRows& source, std::uint8_t* target);

// Bilinear scaling of a source of at least 2 x 2 pixels to width x height (rows 4 x width bytes
// apart): scales (source size - 1) / new size in single precision, the vertical interpolation
// first, each step rounded.
void resample(const PixelRows& source, std::uint8_t* target, int width, int height);

} // namespace pixelfilters
