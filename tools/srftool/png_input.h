// Reading the PNG pictures a vehicle is made from. The files come from users: each is opened
// without blocking, must be a regular file and is read only up to the size it had when opened.
#pragma once

#include "tools/srftool/output_files.h"

#include <QImage>
#include <string>

namespace srftool {

// The sides a vehicle file can hold: its sizes are signed 16-bit fields.
constexpr int largestSide = 32767;

// The picture as RGBA8888 with straight (not premultiplied) alpha, or the reason it cannot be
// had: not a regular file, not a PNG, a side larger than largestSide, damaged.
Failure readPng(const std::string& path, QImage& image);

} // namespace srftool
