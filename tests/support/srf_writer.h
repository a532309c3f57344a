// Test-only SRF writer: builds vehicle files byte by byte, well-formed or damaged on purpose, so
// that tests and the fuzz corpus state exactly which bytes a reader sees.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace srftest {

struct Image {
    std::int16_t height = 0;
    std::int16_t width = 0;
    std::vector<std::uint8_t> alpha;  // transparency bytes, rows top-down, w per row
    std::vector<std::uint8_t> colour; // 16-bit words little-endian, rows top-down
    // The 28-byte header variant (int32 13, int32 20, ...) instead of the usual 24-byte one.
    bool longHeader = false;
    // Bytes of the header's skipped fields; the usual tag-0 record when not given.
    std::optional<std::vector<std::uint8_t>> headerBytes;
    // Declared block lengths when they must differ from the blocks' real lengths.
    std::optional<std::int32_t> declaredAlphaLength;
    std::optional<std::int32_t> declaredColourLength;
    // The four bytes before each block's length, which a reader passes over.
    std::uint32_t transparencyTag = 11;
    std::uint32_t colourTag = 1;

    // Sets the colour word of pixel (x, y) to v (low byte first) and its transparency to t.
    void set(int x, int y, std::uint16_t v, std::uint8_t t);
};

// An image of w x h pixels, every pixel colour word v with transparency t.
Image solid(int width, int height, std::uint16_t v = 0xFFDF, std::uint8_t t = 0);

struct File {
    std::array<std::uint8_t, 16> type{};
    std::optional<std::vector<std::uint8_t>> headerBytes; // the 55 bytes after the type string
    Image image3d;
    Image image2d;
    std::vector<std::uint8_t> trailing; // bytes after the second image record

    void setType(const std::string& text); // first 16 characters, NUL-padded
};

// A file laid out like the navigator's: "GARMIN BITMAP 01", its header records, a strip of
// `frames` square frames of `size` pixels and a `size2d` square 2D image.
File typical(int frames = 36, int size = 80, int size2d = 80);

// A file of type "GARMIN BITMAP 01" with these images: `strip` the 3D strip, `flat` the 2D image.
File vehicle(Image strip, Image flat);

std::vector<std::uint8_t> bytes(const File& file);
std::vector<std::uint8_t> imageRecord(const Image& image);
// The image header the writer produces for `image` when headerBytes is not given (24 or 28
// bytes), as a starting point for a header with other bytes in its skipped fields.
std::vector<std::uint8_t> imageHeader(const Image& image);

// Writes bytes to path (creating or replacing the file); throws std::runtime_error on failure.
void writeFile(const std::string& path, const std::vector<std::uint8_t>& data);
void writeFile(const std::string& path, const File& file);

} // namespace srftest
