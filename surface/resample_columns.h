// The horizontal step of the resample for one result row: each result pixel interpolated in
// single precision between the two source pixels its column lies between, from the row of
// vertically interpolated values (whole numbers 0..255 as floats, 4 to a pixel). An SSE2 form
// works a pixel's four channels at once; the scalar form is its twin for builds without SSE2,
// and the tests hold one to the other.
#pragma once

#include <cstdint>

namespace pixelfilters {

// Where one result column lies: its left source pixel and the weights of that pixel
// (1 - fraction) and of the next (the fraction), each once for every channel.
struct alignas(16) ColumnWeights {
    float low[4];
    float high[4];
    std::int32_t index;
};

// `width` result pixels into `out` (4 bytes each); `vertical` holds 4 floats for every source
// pixel up to the last one a column reads.
void interpolateColumnsScalar(const float* vertical, const ColumnWeights* columns, int width,
                              std::uint8_t* out);
#if defined(__SSE2__)
void interpolateColumnsSse2(const float* vertical, const ColumnWeights* columns, int width,
                            std::uint8_t* out);
#endif

// The fastest form this build has.
void interpolateColumns(const float* vertical, const ColumnWeights* columns, int width,
                        std::uint8_t* out);

} // namespace pixelfilters
