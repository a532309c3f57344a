#include "tools/srftool/png_codec.h"

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

Failure decodePng(const std::vector<std::uint8_t>& png, RgbaImage& decoded) {
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (png.size() < 8 || !std::equal(signature, signature + 8, png.begin()))
        return "not a PNG picture";
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size()))
        return "a damaged PNG picture (" + libpngMessage(image) + ")";
    if (image.width > static_cast<png_uint_32>(largestSide) ||
        image.height > static_cast<png_uint_32>(largestSide)) {
        png_image_free(&image);
        return "the picture is larger than " + std::to_string(largestSide) + " pixels";
    }
    image.format = PNG_FORMAT_RGBA;
    RgbaImage result(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, result.bits(),
                               static_cast<png_int_32>(result.bytesPerLine()), nullptr))
        return "a damaged PNG picture (" + libpngMessage(image) + ")";
    decoded = std::move(result);
    return {};
}

} // namespace srftool
