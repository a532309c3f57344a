// PNG files in memory, through libpng.
#pragma once

#include "tools/srftool/output_files.h"
#include "tools/srftool/rgba_image.h"

#include <cstdint>
#include <vector>

namespace srftool {

// The sides a vehicle file can hold: its sizes are signed 16-bit fields.
constexpr int largestSide = 32767;

// An 8-bit RGBA PNG of the image, its bytes exactly as the image holds them.
Failure encodePng(const RgbaImage& image, std::vector<std::uint8_t>& png);

// The picture as 8-bit RGBA with straight alpha, whatever the PNG's own format, or the reason it
// cannot be had: not a PNG, a side larger than largestSide, damaged.
Failure decodePng(const std::vector<std::uint8_t>& png, RgbaImage& image);

} // namespace srftool
