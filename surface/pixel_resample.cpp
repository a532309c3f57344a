// The resample: for each result row the two source rows it lies between are interpolated into
// a row of values (a loop the compiler vectorises), and the result pixels are interpolated from
// that row (resample_columns); for a result no wider than the source both steps go pixel by
// pixel (resample_pixels).
#include "format/vector_clones.h"
#include "surface/pixel_filters.h"
#include "surface/pixel_rounding.h"
#include "surface/resample_columns.h"
#include "surface/resample_pixels.h"

#include <vector>

namespace pixelfilters {
namespace {

// Where a result column or row falls in the source: the lower neighbour and the fraction of the
// way to the next one, both in single precision.
struct SamplePoint {
    int index;
    float fraction;
};

std::vector<SamplePoint> samplePoints(int count, int sourceCount) {
    const float scale = static_cast<float>(sourceCount - 1) / static_cast<float>(count);
    std::vector<SamplePoint> points(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const float position = static_cast<float>(i) * scale;
        int index = static_cast<int>(position);
        float fraction = position - static_cast<float>(index);
        // In exact arithmetic the position stays below sourceCount - 1; this keeps the next
        // neighbour inside the source should single precision round it up that far.
        if (index > sourceCount - 2) {
            index = sourceCount - 2;
            fraction = 1.0f;
        }
        points[static_cast<std::size_t>(i)] = {index, fraction};
    }
    return points;
}

std::vector<ColumnWeights> columnWeights(int count, int sourceCount) {
    std::vector<ColumnWeights> columns(static_cast<std::size_t>(count));
    const std::vector<SamplePoint> points = samplePoints(count, sourceCount);
    for (std::size_t x = 0; x < columns.size(); ++x) {
        for (int c = 0; c < 4; ++c) {
            columns[x].low[c] = 1.0f - points[x].fraction;
            columns[x].high[c] = points[x].fraction;
        }
        columns[x].index = points[x].index;
    }
    return columns;
}

// The vertical step for every byte of two source rows. Both weights lie in [0, 1] and add up
// to 1 within a few units of the last place, so the value stays in [0, 255.5) and needs no
// clamp.
MOTORHALL_VECTOR_CLONES
void interpolateRows(const std::uint8_t* __restrict low, const std::uint8_t* __restrict high,
                     float fraction, std::size_t count, float* __restrict out) {
    for (std::size_t i = 0; i < count; ++i)
        out[i] = roundInRange((1.0f - fraction) * low[i] + fraction * high[i]);
}

} // namespace

void resample(const PixelRows& source, std::uint8_t* target, int width, int height) {
    const std::vector<ColumnWeights> columns = columnWeights(width, source.width);
    const std::vector<SamplePoint> rows = samplePoints(height, source.height);
    const std::size_t rowBytes = 4 * static_cast<std::size_t>(source.width);
    // No wider than the source, each source pixel is read about once: both steps at once. Wider,
    // a source pixel serves several result pixels: its vertical step is done once and kept.
    const bool onePass = width <= source.width;
    std::vector<float> vertical(onePass ? 0 : rowBytes);
    for (int y = 0; y < height; ++y) {
        const SamplePoint row = rows[static_cast<std::size_t>(y)];
        std::uint8_t* out = target + static_cast<std::size_t>(y) * 4 * width;
        if (onePass) {
            interpolatePixels({source.row(row.index), source.row(row.index + 1), row.fraction},
                              columns.data(), width, out);
            continue;
        }
        interpolateRows(source.row(row.index), source.row(row.index + 1), row.fraction, rowBytes,
                        vertical.data());
        interpolateColumns(vertical.data(), columns.data(), width, out);
    }
}

} // namespace pixelfilters
