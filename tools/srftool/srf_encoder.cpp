#include "tools/srftool/srf_encoder.h"

#include "format/srf_layout.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace srftool {
namespace {

void putInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(u >> shift));
}

void putInt16(std::vector<std::uint8_t>& out, int value) {
    const auto u = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<std::uint8_t>(u));
    out.push_back(static_cast<std::uint8_t>(u >> 8));
}

void putText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t length,
             const char* what) {
    if (text.size() != length)
        throw std::invalid_argument(std::string(what) + " must be " + std::to_string(length) +
                                    " bytes long");
    out.insert(out.end(), text.begin(), text.end());
}

void putRecord(std::vector<std::uint8_t>& out, std::int32_t tag, const std::string& value) {
    putInt32(out, tag);
    putInt32(out, static_cast<std::int32_t>(value.size()));
    out.insert(out.end(), value.begin(), value.end());
}

void putImage(std::vector<std::uint8_t>& out, const SrfImage& image, const char* what) {
    constexpr int largest = 32767; // sizes are signed 16-bit fields
    if (image.width < 1 || image.width > largest || image.height < 1 || image.height > largest)
        throw std::invalid_argument(std::string(what) + " has a size outside 1..32767");
    const std::size_t pixels =
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.transparency.size() != pixels || image.colour.size() != 2 * pixels)
        throw std::invalid_argument(std::string(what) + " has blocks that do not match its size");
    // The tag-0 header record: 16 bytes of image description.
    putInt32(out, 0);
    putInt32(out, 16);
    putInt32(out, 0);
    putInt16(out, image.height);
    putInt16(out, image.width);
    out.push_back(16); // bits per pixel
    out.push_back(8);
    putInt16(out, 2 * image.width); // bytes per line; at most 65534, fits the unsigned field
    putInt32(out, 0);
    putInt32(out, 11);
    putInt32(out, static_cast<std::int32_t>(pixels));
    out.insert(out.end(), image.transparency.begin(), image.transparency.end());
    putInt32(out, 1);
    putInt32(out, static_cast<std::int32_t>(2 * pixels));
    out.insert(out.end(), image.colour.begin(), image.colour.end());
}

// Fill bytes up to the next block boundary and the checksum as the last byte. Records that end
// on a boundary get a whole block, as the checksum needs a byte of its own.
void putTrailer(std::vector<std::uint8_t>& out) {
    const std::size_t length = srf::kFileBlockSize - out.size() % srf::kFileBlockSize;
    out.insert(out.end(), length - 1, srf::kTrailerFill);
    const unsigned sum = std::accumulate(out.begin(), out.end(), 0u);
    out.push_back(static_cast<std::uint8_t>(0u - sum));
}

template <typename EncodePixel>
SrfImage convertRgba(const std::uint8_t* pixels, int width, int height, std::ptrdiff_t bytesPerLine,
                     EncodePixel encode) {
    SrfImage image;
    image.width = width;
    image.height = height;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    image.transparency.reserve(count);
    image.colour.reserve(2 * count);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* line = pixels + y * bytesPerLine;
        for (int x = 0; x < width; ++x) {
            std::uint8_t t = 0;
            std::uint16_t word = 0;
            encode(line + 4 * x, t, word);
            image.transparency.push_back(t);
            image.colour.push_back(static_cast<std::uint8_t>(word));
            image.colour.push_back(static_cast<std::uint8_t>(word >> 8));
        }
    }
    return image;
}

} // namespace

std::uint16_t srfColourWord(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<std::uint16_t>((red >> 3) << 11 | (green >> 3) << 6 | (blue >> 3));
}

std::uint8_t srfTransparency(std::uint8_t alpha) {
    return static_cast<std::uint8_t>(((255 - alpha) * 128 + 127) / 255);
}

std::uint16_t srfNearestColourWord(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    // A channel decodes to 8 x its five bits, 0..248; halfway values go up.
    const auto nearest = [](std::uint8_t v) { return std::min(31, (v + 4) / 8); };
    return static_cast<std::uint16_t>(nearest(red) << 11 | nearest(green) << 6 | nearest(blue));
}

std::uint8_t srfNearestTransparency(std::uint8_t alpha) {
    // Transparency t decodes to opacity 256 - 2t, and 0 to 255.
    if (alpha == 255)
        return 0;
    const int twice = 256 - alpha;
    const int half = twice / 2;
    const int t = twice % 2 == 0 ? half : half + (half & 1); // a half goes to the even one
    return static_cast<std::uint8_t>(std::clamp(t, 1, 128));
}

SrfImage srfImageFromRgba(const std::uint8_t* pixels, int width, int height,
                          std::ptrdiff_t bytesPerLine) {
    return convertRgba(pixels, width, height, bytesPerLine,
                       [](const std::uint8_t* p, std::uint8_t& t, std::uint16_t& word) {
                           t = srfTransparency(p[3]);
                           word = t == 128 ? 0 : srfColourWord(p[0], p[1], p[2]);
                       });
}

SrfImage srfImageNearestFromRgba(const std::uint8_t* pixels, int width, int height,
                                 std::ptrdiff_t bytesPerLine) {
    return convertRgba(pixels, width, height, bytesPerLine,
                       [](const std::uint8_t* p, std::uint8_t& t, std::uint16_t& word) {
                           t = srfNearestTransparency(p[3]);
                           word = srfNearestColourWord(p[0], p[1], p[2]);
                       });
}

std::vector<std::uint8_t> encodeSrf(const SrfFile& file) {
    std::vector<std::uint8_t> out;
    putText(out, file.type, 16, "the type string");
    if (file.version.size() != 4)
        throw std::invalid_argument("the version must be 4 bytes long");
    if (file.productCode.size() != 12)
        throw std::invalid_argument("the product code must be 12 bytes long");
    putInt32(out, 4);
    putInt32(out, 4);
    putInt32(out, 2);
    putRecord(out, 5, "578");
    putRecord(out, 6, file.version);
    putRecord(out, 7, file.productCode);
    putImage(out, file.image3d, "the 3D image");
    putImage(out, file.image2d, "the 2D image");
    putTrailer(out);
    return out;
}

} // namespace srftool
