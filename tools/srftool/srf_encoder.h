// Writes vehicle files in the navigator's own layout: the type string, the header records, then
// for the 3D strip and the 2D image a tag-0 header record, a transparency record (tag 11) and a
// colour record (tag 1), then 0xFF bytes up to a whole number of 256-byte blocks, the last byte
// a checksum that makes the byte sum of the file 0 modulo 256. All integers little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace srftool {

struct SrfImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> transparency; // one byte per pixel, rows top-down, 0 opaque..128
    std::vector<std::uint8_t> colour;       // one 16-bit word per pixel, low byte first
};

// Red in bits 15-11, green in 10-6, blue in 4-0: the top five bits of each channel. Bit 5 is
// unused and always 0.
std::uint16_t srfColourWord(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// 0 for opaque up to 128 for fully transparent, rounded to nearest.
std::uint8_t srfTransparency(std::uint8_t alpha);

// Converts RGBA pixels with straight (not premultiplied) alpha, rows top-down. Fully
// transparent pixels get colour word 0, as in the navigator's own files.
SrfImage srfImageFromRgba(const std::uint8_t* pixels, int width, int height,
                          std::ptrdiff_t bytesPerLine);

// The colour word that decodes to the colour nearest the given one: each channel to its five
// bits, bit 5 clear.
std::uint16_t srfNearestColourWord(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// The transparency that decodes to the opacity nearest `alpha`: 0 for 255, otherwise
// round((256 - alpha) / 2), ties to even, within 1..128.
std::uint8_t srfNearestTransparency(std::uint8_t alpha);

// Like srfImageFromRgba, but every pixel to its nearest representable colour and opacity, the
// colour kept also under full transparency: decoding gives back every pixel whose colour and
// opacity are representable.
SrfImage srfImageNearestFromRgba(const std::uint8_t* pixels, int width, int height,
                                 std::ptrdiff_t bytesPerLine);

struct SrfFile {
    std::string type = "GARMIN BITMAP 01"; // exactly 16 bytes
    std::string version = "2.40";          // exactly 4 bytes
    std::string productCode;               // exactly 12 bytes
    SrfImage image3d;
    SrfImage image2d;
};

// Throws std::invalid_argument when a text has the wrong length, an image size is outside
// 1..32767 or a block does not match its image's size.
std::vector<std::uint8_t> encodeSrf(const SrfFile& file);

} // namespace srftool
