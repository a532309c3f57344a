// A picture in memory as the tool handles pictures: 8-bit red, green, blue, alpha per pixel,
// alpha straight (colours not premultiplied), rows top-down and packed.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace srftool {

class RgbaImage {
public:
    RgbaImage() = default;
    // All pixels transparent black; a size of zero or below gives a null image.
    RgbaImage(int width, int height) {
        if (width <= 0 || height <= 0)
            return;
        width_ = width;
        height_ = height;
        pixels_.assign(4 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    }

    bool isNull() const { return pixels_.empty(); }
    int width() const { return width_; }
    int height() const { return height_; }
    std::ptrdiff_t bytesPerLine() const { return 4 * static_cast<std::ptrdiff_t>(width_); }

    const std::uint8_t* constBits() const { return pixels_.data(); }
    std::uint8_t* bits() { return pixels_.data(); }
    const std::uint8_t* constScanLine(int y) const { return pixels_.data() + y * bytesPerLine(); }
    std::uint8_t* scanLine(int y) { return pixels_.data() + y * bytesPerLine(); }

    // The width x height rectangle at (left, top); a null image unless it lies wholly inside.
    RgbaImage copy(int left, int top, int width, int height) const {
        if (left < 0 || top < 0 || width <= 0 || height <= 0 || width > width_ - left ||
            height > height_ - top)
            return {};
        RgbaImage part(width, height);
        for (int y = 0; y < height; ++y)
            std::copy_n(constScanLine(top + y) + 4 * static_cast<std::ptrdiff_t>(left),
                        part.bytesPerLine(), part.scanLine(y));
        return part;
    }

    bool operator==(const RgbaImage&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};

} // namespace srftool
