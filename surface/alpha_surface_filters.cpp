// The surface's pixel filters: Resample, Blur, UnsharpMask and RandomiseBits. They run over the
// pixel memory directly, four bytes to a pixel, rows as stored.
#include "surface/alpha_surface.h"

#include <chrono>
#include <cmath>
#include <random>
#include <vector>

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

struct PixelRows {
    const std::uint8_t* bits;
    std::size_t stride; // bytes per row
    int width;
    int height;

    const std::uint8_t* row(int y) const { return bits + static_cast<std::size_t>(y) * stride; }
};

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
    const float divisor = static_cast<float>(3 * rowsAround - 1) * neighbourDivisor;
    const int end = 4 * (width - 1);
    for (int i = 4; i < end; ++i) {
        const int sum = columnSums[i - 4] + columnSums[i] + columnSums[i + 4] - centre[i];
        target[i] = storedByte(
            (static_cast<float>(sum) / divisor + static_cast<float>(centre[i]) / centreDivisor) /
            2.0f);
    }
    edgePixel(width - 1);
}

// Blurs the whole image into `target` (same layout).
void blurPixels(const PixelRows& source, std::uint8_t* target, float centreDivisor,
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

void resamplePixels(const PixelRows& source, std::uint8_t* target, int width, int height) {
    const std::vector<SamplePoint> columns = samplePoints(width, source.width);
    const std::vector<SamplePoint> rows = samplePoints(height, source.height);
    for (int y = 0; y < height; ++y) {
        const SamplePoint row = rows[static_cast<std::size_t>(y)];
        const std::uint8_t* low = source.row(row.index);
        const std::uint8_t* high = source.row(row.index + 1);
        const float dy = row.fraction;
        std::uint8_t* out = target + static_cast<std::size_t>(y) * 4 * width;
        for (int x = 0; x < width; ++x) {
            const SamplePoint column = columns[static_cast<std::size_t>(x)];
            const float dx = column.fraction;
            const int left = 4 * column.index;
            for (int c = 0; c < 4; ++c) {
                const float leftValue =
                    roundToByte((1.0f - dy) * low[left + c] + dy * high[left + c]);
                const float rightValue =
                    roundToByte((1.0f - dy) * low[left + 4 + c] + dy * high[left + 4 + c]);
                out[4 * x + c] = storedByte((1.0f - dx) * leftValue + dx * rightValue);
            }
        }
    }
}

} // namespace

std::unique_ptr<cAlphaSurface> cAlphaSurface::Resample(std::int32_t newHeight,
                                                       std::int32_t newWidth) const {
    auto result = std::make_unique<cAlphaSurface>();
    if (!result->Create(newWidth, newHeight))
        return nullptr;
    if (newWidth == Width() && newHeight == Height()) {
        result->LoadPictureBlt(hDC_, 0, 0, -1, -1, gdi::SRCCOPY);
        return result;
    }
    if (bits_ == nullptr || Width() < 2 || Height() < 2)
        throw SurfaceSubscriptError(
            "Resample to another size needs a source of at least 2 x 2 pixels");
    resamplePixels({bits_, static_cast<std::size_t>(bytesPerScanLine_), Width(), Height()},
                   result->bits_, newWidth, newHeight);
    return result;
}

std::unique_ptr<cAlphaSurface> cAlphaSurface::Blur(float centreDivisor,
                                                   float neighbourDivisor) const {
    auto result = std::make_unique<cAlphaSurface>();
    if (!result->Create(Width(), Height()))
        return nullptr;
    if (centreDivisor == 0.0f || neighbourDivisor == 0.0f)
        throw SurfaceDivisionByZeroError("Blur: division by zero");
    // A surface released after its size was set has nothing to blur: the result stays zero.
    if (bits_ != nullptr)
        blurPixels({bits_, static_cast<std::size_t>(bytesPerScanLine_), Width(), Height()},
                   result->bits_, centreDivisor, neighbourDivisor);
    return result;
}

std::unique_ptr<cAlphaSurface> cAlphaSurface::UnsharpMask() const {
    auto result = std::make_unique<cAlphaSurface>();
    if (!result->Create(Width(), Height()))
        return nullptr;
    if (bits_ == nullptr)
        return result;
    // The result's memory serves as the buffer for the blur, which is then turned into the
    // sharpened image in place.
    blurPixels({bits_, static_cast<std::size_t>(bytesPerScanLine_), Width(), Height()},
               result->bits_, 1.0f, 1.0f);
    const std::size_t size = static_cast<std::size_t>(bytesPerScanLine_) * Height();
    std::uint8_t* out = result->bits_;
    for (std::size_t i = 0; i < size; ++i) {
        const int value = 2 * bits_[i] - out[i];
        out[i] = static_cast<std::uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
    }
    return result;
}

void cAlphaSurface::RandomiseBits(bool grey) {
    if (bits_ == nullptr)
        return;
    std::mt19937_64 generator(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    // 53 random bits as a fraction in [0, 1).
    const auto draw = [&generator] { return static_cast<double>(generator() >> 11) * 0x1.0p-53; };
    const auto byte = [](double value) { return static_cast<std::uint8_t>(std::nearbyint(value)); };
    const std::size_t size = static_cast<std::size_t>(bytesPerScanLine_) * Height();
    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        std::uint8_t* pixel = bits_ + i;
        if (grey) {
            const double level = std::nearbyint(draw() * 255);
            const double alpha = std::nearbyint(draw() * 255);
            const std::uint8_t colour = byte(alpha * level / 255);
            pixel[0] = pixel[1] = pixel[2] = colour;
            pixel[3] = static_cast<std::uint8_t>(alpha);
        } else {
            const double alpha = std::nearbyint(draw() * 255);
            for (int c = 0; c < 3; ++c)
                pixel[c] = byte(draw() * 255 * alpha / 255);
            pixel[3] = static_cast<std::uint8_t>(alpha);
        }
    }
}
