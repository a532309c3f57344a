#include "tools/srftool/png_codec.h"

#include "format/srf_limits.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <png.h>
#include <string>

namespace srftool {
namespace {

std::string libpngMessage(const png_image& image) {
    return image.message[0] != '\0' ? std::string(image.message) : std::string("libpng failed");
}

} // namespace

Failure encodePng(const RgbaImage& source, std::vector<std::uint8_t>& png) {
    if (source.isNull())
        return "there is no image to write";
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(source.width());
    image.height = static_cast<png_uint_32>(source.height());
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    const auto stride = static_cast<png_int_32>(source.bytesPerLine());
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, source.constBits(), stride, nullptr))
        return libpngMessage(image);
    png.resize(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, source.constBits(), stride,
                                   nullptr))
        return libpngMessage(image);
    png.resize(size);
    return {};
}

namespace {

// Opens the PNG for reading and checks what its header declares; the image is freed on failure.
Failure beginRead(std::span<const std::uint8_t> png, png_image& image) {
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (png.size() < 8 || !std::equal(signature, signature + 8, png.begin()))
        return "not a PNG picture";
    image = png_image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size()))
        return "a damaged PNG picture (" + libpngMessage(image) + ")";
    return {};
}

} // namespace

Failure pictureSizeRefusal(const PictureSize& size) {
    const std::string pixels = std::to_string(size.width) + " x " + std::to_string(size.height);
    if (size.width > kLargestSide || size.height > kLargestSide)
        return "the picture is larger than " + std::to_string(kLargestSide) + " pixels";
    if (std::int64_t{size.width} * size.height > srf::kMaxVehicleSurfacePixels)
        return "the picture has " + pixels + " pixels, more than the " +
               std::to_string(srf::kMaxVehicleSurfacePixels) + " one vehicle may hold";
    return {};
}

Failure readPngSize(std::span<const std::uint8_t> png, PictureSize& size) {
    png_image image{};
    if (const Failure failure = beginRead(png, image))
        return failure;
    size = {static_cast<int>(std::min<png_uint_32>(image.width, INT32_MAX)),
            static_cast<int>(std::min<png_uint_32>(image.height, INT32_MAX))};
    png_image_free(&image);
    return pictureSizeRefusal(size);
}

Failure decodePng(std::span<const std::uint8_t> png, RgbaImage& decoded, const SizeCheck& check) {
    png_image image{};
    if (const Failure failure = beginRead(png, image))
        return failure;
    const PictureSize size{static_cast<int>(std::min<png_uint_32>(image.width, INT32_MAX)),
                           static_cast<int>(std::min<png_uint_32>(image.height, INT32_MAX))};
    Failure refusal = pictureSizeRefusal(size);
    if (!refusal && check)
        refusal = check(size);
    if (refusal) {
        png_image_free(&image);
        return refusal;
    }
    image.format = PNG_FORMAT_RGBA;
    RgbaImage result(size.width, size.height);
    if (result.isNull()) {
        png_image_free(&image);
        return "the picture cannot be allocated";
    }
    if (!png_image_finish_read(&image, nullptr, result.bits(),
                               static_cast<png_int_32>(result.bytesPerLine()), nullptr))
        return "a damaged PNG picture (" + libpngMessage(image) + ")";
    decoded = std::move(result);
    return {};
}

} // namespace srftool
