// PNG files in memory, through libpng.
#pragma once

#include "tools/srftool/output_files.h"
#include "tools/srftool/rgba_image.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace srftool {

// The sides a vehicle file can hold: its sizes are signed 16-bit fields.
constexpr int kLargestSide = 32767;

// An 8-bit RGBA PNG of the image, its bytes exactly as the image holds them.
Failure encodePng(const RgbaImage& image, std::vector<std::uint8_t>& png);

// The width and height the PNG's header declares, read without decoding a pixel, or the reason
// they cannot be had: not a PNG, damaged, too large for a vehicle (pictureSizeRefusal).
struct PictureSize {
    int width = 0;
    int height = 0;
};
Failure readPngSize(std::span<const std::uint8_t> png, PictureSize& size);

// Why a picture of this size can be no part of a vehicle: a side larger than kLargestSide, or more
// pixels than one vehicle may hold (srf::kMaxVehicleSurfacePixels); nothing when it can.
Failure pictureSizeRefusal(const PictureSize& size);

// Decides from a picture's declared size, before anything is decoded, whether it may be.
using SizeCheck = std::function<Failure(const PictureSize&)>;

// The picture as 8-bit RGBA with straight alpha, whatever the PNG's own format, or the reason it
// cannot be had: not a PNG, a side larger than kLargestSide, more pixels than one vehicle may hold
// (srf::kMaxVehicleSurfacePixels), refused by `check`, damaged. Each refusal comes from the
// header alone, so a few bytes that declare a huge picture cost nothing.
Failure decodePng(std::span<const std::uint8_t> png, RgbaImage& image, const SizeCheck& check = {});

} // namespace srftool
