#include "tests/support/srf_writer.h"

#include <fstream>
#include <stdexcept>
#include <utility>

namespace srftest {
namespace {

void putInt32(std::vector<std::uint8_t>& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

void putInt16(std::vector<std::uint8_t>& out, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    out.push_back(static_cast<std::uint8_t>(u));
    out.push_back(static_cast<std::uint8_t>(u >> 8));
}

void append(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& more) {
    out.insert(out.end(), more.begin(), more.end());
}

std::vector<std::uint8_t> usualHeaderFields(const Image& image) {
    // The navigator's own layout around the two sizes.
    std::vector<std::uint8_t> h;
    if (image.longHeader) {
        putInt32(h, 13);
        putInt32(h, 20);
    } else {
        putInt32(h, 0);
        putInt32(h, 16);
    }
    putInt32(h, 0);
    putInt16(h, image.height);
    putInt16(h, image.width);
    h.push_back(16);
    h.push_back(8);
    putInt16(h, static_cast<std::int16_t>(2 * image.width));
    putInt32(h, 0);
    if (image.longHeader)
        putInt32(h, 0);
    return h;
}

} // namespace

void Image::set(int x, int y, std::uint16_t v, std::uint8_t t) {
    const std::size_t i = static_cast<std::size_t>(y) * width + x;
    alpha.at(i) = t;
    colour.at(2 * i) = static_cast<std::uint8_t>(v);
    colour.at(2 * i + 1) = static_cast<std::uint8_t>(v >> 8);
}

Image solid(int width, int height, std::uint16_t v, std::uint8_t t) {
    Image image;
    image.width = static_cast<std::int16_t>(width);
    image.height = static_cast<std::int16_t>(height);
    const std::size_t n = static_cast<std::size_t>(width) * height;
    image.alpha.assign(n, t);
    image.colour.resize(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        image.colour[2 * i] = static_cast<std::uint8_t>(v);
        image.colour[2 * i + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    return image;
}

void File::setType(const std::string& text) {
    type.fill(0);
    for (std::size_t i = 0; i < type.size() && i < text.size(); ++i)
        type[i] = static_cast<std::uint8_t>(text[i]);
}

File typical(int frames, int size, int size2d) {
    File f;
    f.setType("GARMIN BITMAP 01");
    f.image3d = solid(frames * size, size, 0x7BCF, 0);
    f.image2d = solid(size2d, size2d, 0x7BCF, 0);
    return f;
}

File vehicle(Image strip, Image flat) {
    File f;
    f.setType("GARMIN BITMAP 01");
    f.image3d = std::move(strip);
    f.image2d = std::move(flat);
    return f;
}

std::vector<std::uint8_t> imageRecord(const Image& image) {
    std::vector<std::uint8_t> out =
        image.headerBytes ? *image.headerBytes : usualHeaderFields(image);
    putInt32(out, static_cast<std::int32_t>(image.transparencyTag));
    putInt32(out,
             image.declaredAlphaLength.value_or(static_cast<std::int32_t>(image.alpha.size())));
    append(out, image.alpha);
    putInt32(out, static_cast<std::int32_t>(image.colourTag));
    putInt32(out,
             image.declaredColourLength.value_or(static_cast<std::int32_t>(image.colour.size())));
    append(out, image.colour);
    return out;
}

std::vector<std::uint8_t> imageHeader(const Image& image) {
    return usualHeaderFields(image);
}

std::vector<std::uint8_t> bytes(const File& file) {
    std::vector<std::uint8_t> out(file.type.begin(), file.type.end());
    if (file.headerBytes) {
        append(out, *file.headerBytes);
    } else {
        // tag 4 length 4 value 2; tag 5 length 3 "578"; tag 6 length 4 "2.40"; tag 7 length 12
        putInt32(out, 4);
        putInt32(out, 4);
        putInt32(out, 2);
        putInt32(out, 5);
        putInt32(out, 3);
        append(out, {'5', '7', '8'});
        putInt32(out, 6);
        putInt32(out, 4);
        append(out, {'2', '.', '4', '0'});
        putInt32(out, 7);
        putInt32(out, 12);
        append(out, {'0', '0', '6', '-', 'D', '0', '5', '7', '8', '-', 'X', 'X'});
    }
    append(out, imageRecord(file.image3d));
    append(out, imageRecord(file.image2d));
    append(out, file.trailing);
    return out;
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void writeFile(const std::string& path, const File& file) {
    writeFile(path, bytes(file));
}

} // namespace srftest
