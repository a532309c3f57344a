// The filters' pixel loops. Built with -O3 so that GCC vectorises them (see CMakeLists.txt).
#include "surface/pixel_filters.h"

#include <vector>

namespace pixelfilters {
namespace {

// The nearest integer, ties to even, clamped to 0..255 first. A NaN (an infinite divisor times a
// zero sum) becomes 0 rather than reaching a conversion it would make undefined. Adding and
// taking away 2^23 rounds a float below 2^23 in the default rounding mode; unlike nearbyint it
// keeps the pixel loops vectorised.
inline float roundToByte(float value) {
    value = value > 0.0f ? value : 0.0f;
    value = value < 255.0f ? value : 255.0f;
    return (value + 8388608.0f) - 8388608.0f;
}

inline std::uint8_t storedByte(float value) {
    return static_cast<std::uint8_t>(roundToByte(value));
}

// Bytes [begin, end) of a row whose pixels all have neighbours left and right.
void interiorBlur(const std::uint8_t* centre, const std::uint16_t* columnSums, int rowsAround,
                  int begin, int end, float centreDivisor, float neighbourDivisor,
                  std::uint8_t* target) {
    const float divisor = static_cast<float>(3 * rowsAround - 1) * neighbourDivisor;
    for (int i = begin; i < end; ++i) {
        const int sum = columnSums[i - 4] + columnSums[i] + columnSums[i + 4] - centre[i];
        target[i] = storedByte(
            (static_cast<float>(sum) / divisor + static_cast<float>(centre[i]) / centreDivisor) /
            2.0f);
    }
}

// The same inside the image with both divisors 1, the blur UnsharpMask uses, in integers:
// (sum / 8 + centre) / 2 = (sum + 8 x centre) / 16, and sum / 8 is exact in single precision,
// so rounding the sixteenths half to even gives what the floating-point formula gives.
void interiorUnitBlur(const std::uint8_t* centre, const std::uint16_t* columnSums, int begin,
                      int end, std::uint8_t* target) {
    for (int i = begin; i < end; ++i) {
        const auto sixteenths = static_cast<std::uint16_t>(columnSums[i - 4] + columnSums[i] +
                                                           columnSums[i + 4] + 7 * centre[i]);
        // + 7, and + 1 more when the integer part is odd: a half goes up only to an even result.
        target[i] = static_cast<std::uint8_t>((sixteenths + 7 + ((sixteenths >> 4) & 1)) >> 4);
    }
}

// One row of the blur: each byte from the neighbours of its pixel inside the image (the centre
// apart) and the centre itself. `columnSums` holds, per byte, the sum over this row and the rows
// above and below that exist; `rowsAround` is how many rows that is.
void blurRow(const std::uint8_t* centre, const std::uint16_t* columnSums, int rowsAround, int width,
             float centreDivisor, float neighbourDivisor, std::uint8_t* target) {
    const auto neighboursOf = [&](int x) { // pixels summed around pixel x
        const int columns = 1 + (x > 0 ? 1 : 0) + (x + 1 < width ? 1 : 0);
        return columns * rowsAround - 1;
    };
    const auto edgePixel = [&](int x) {
        const int n = neighboursOf(x);
        for (int c = 0; c < 4; ++c) {
            const int i = 4 * x + c;
            int sum = columnSums[i] - centre[i];
            if (x > 0)
                sum += columnSums[i - 4];
            if (x + 1 < width)
                sum += columnSums[i + 4];
            // Without neighbours (a 1 x 1 image) the pixel stands for its own surroundings.
            const float mean =
                n > 0 ? static_cast<float>(sum) / (static_cast<float>(n) * neighbourDivisor)
                      : static_cast<float>(centre[i]) / neighbourDivisor;
            target[i] = storedByte((mean + static_cast<float>(centre[i]) / centreDivisor) / 2.0f);
        }
    };
    edgePixel(0);
    if (width == 1)
        return;
    const int end = 4 * (width - 1);
    if (rowsAround == 3 && centreDivisor == 1.0f && neighbourDivisor == 1.0f) {
        interiorUnitBlur(centre, columnSums, 4, end, target);
    } else {
        interiorBlur(centre, columnSums, rowsAround, 4, end, centreDivisor, neighbourDivisor,
                     target);
    }
    edgePixel(width - 1);
}

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

} // namespace

void blur(const PixelRows& source, std::uint8_t* target, float centreDivisor,
          float neighbourDivisor) {
    std::vector<std::uint16_t> columnSums(source.stride);
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* centre = source.row(y);
        const std::uint8_t* below = y > 0 ? source.row(y - 1) : nullptr;
        const std::uint8_t* above = y + 1 < source.height ? source.row(y + 1) : nullptr;
        for (std::size_t i = 0; i < source.stride; ++i)
            columnSums[i] = centre[i];
        if (below != nullptr)
            for (std::size_t i = 0; i < source.stride; ++i)
                columnSums[i] = static_cast<std::uint16_t>(columnSums[i] + below[i]);
        if (above != nullptr)
            for (std::size_t i = 0; i < source.stride; ++i)
                columnSums[i] = static_cast<std::uint16_t>(columnSums[i] + above[i]);
        const int rowsAround = 1 + (below != nullptr ? 1 : 0) + (above != nullptr ? 1 : 0);
        blurRow(centre, columnSums.data(), rowsAround, source.width, centreDivisor,
                neighbourDivisor, target + static_cast<std::size_t>(y) * source.stride);
    }
}

void sharpenWithBlur(const std::uint8_t* source, std::uint8_t* blurred, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        const int value = 2 * source[i] - blurred[i];
        blurred[i] = static_cast<std::uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
    }
}

void resample(const PixelRows& source, std::uint8_t* target, int width, int height) {
    const std::vector<SamplePoint> columns = samplePoints(width, source.width);
    const std::vector<SamplePoint> rows = samplePoints(height, source.height);
    // The vertical step for every byte of the two source rows a result row lies between, done
    // once per result row so that the loop runs over whole rows.
    const std::size_t rowBytes = 4 * static_cast<std::size_t>(source.width);
    std::vector<float> vertical(rowBytes);
    for (int y = 0; y < height; ++y) {
        const SamplePoint row = rows[static_cast<std::size_t>(y)];
        const std::uint8_t* low = source.row(row.index);
        const std::uint8_t* high = source.row(row.index + 1);
        const float dy = row.fraction;
        for (std::size_t i = 0; i < rowBytes; ++i)
            vertical[i] = roundToByte((1.0f - dy) * low[i] + dy * high[i]);
        std::uint8_t* out = target + static_cast<std::size_t>(y) * 4 * width;
        for (int x = 0; x < width; ++x) {
            const SamplePoint column = columns[static_cast<std::size_t>(x)];
            const float dx = column.fraction;
            const float* left = vertical.data() + 4 * static_cast<std::size_t>(column.index);
            for (int c = 0; c < 4; ++c)
                out[4 * x + c] = storedByte((1.0f - dx) * left[c] + dx * left[4 + c]);
        }
    }
}

} // namespace pixelfilters
