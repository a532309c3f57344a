// Reading the PNG pictures a vehicle is made from. The files come from users: each is opened
// without blocking, must be a regular file and is read only up to the size it had when opened.
#pragma once

#include "tools/srftool/output_files.h"
#include "tools/srftool/png_codec.h"
#include "tools/srftool/rgba_image.h"

#include <string>

namespace srftool {

// The picture as 8-bit RGBA with straight alpha, or the reason it cannot be had: not a regular
// file, not a PNG, larger than one vehicle may hold or refused by `check` (both from its header,
// before a pixel is decoded), damaged.
Failure readPng(const std::string& path, RgbaImage& image, const SizeCheck& check = {});

// The size the picture's header declares; no pixel is decoded.
Failure readPngSize(const std::string& path, PictureSize& size);

} // namespace srftool
