// Both steps of the resample for one result row at once, pixel by pixel: for each result pixel
// the two source pixels its column lies between are interpolated between the two source rows
// (each value rounded), then between each other. Where the result is no wider than the source,
// each source pixel is read about once, and the row of vertical values need not be stored and
// read back. The same operations in the same order as the two separate steps. A scalar form,
// an SSE2 one and an AVX2 one; the fastest the processor runs is picked, and the tests hold each
// to the scalar one.
#pragma once

#include "surface/resample_columns.h"

#include <cstdint>

namespace pixelfilters {

// The two source rows a result row lies between, and the fraction of the way to the second.
struct RowPair {
    const std::uint8_t* low;
    const std::uint8_t* high;
    float fraction;
};

void interpolatePixelsScalar(const RowPair& rows, const ColumnWeights* columns, int width,
                             std::uint8_t* out);
#if defined(__SSE2__)
void interpolatePixelsSse2(const RowPair& rows, const ColumnWeights* columns, int width,
                           std::uint8_t* out);
#endif
#if defined(__x86_64__)
// Only on a processor with AVX2.
void interpolatePixelsAvx2(const RowPair& rows, const ColumnWeights* columns, int width,
                           std::uint8_t* out);
#endif

// The fastest form for this processor.
void interpolatePixels(const RowPair& rows, const ColumnWeights* columns, int width,
                       std::uint8_t* out);

} // namespace pixelfilters
