// Whether a picture file holds every pixel its header declares. Qt's BMP reader takes a file cut
// short without an error and leaves the rows it could not read as the memory held them, and its
// GIF reader shows a cut image black where the data ends; a file that fails here is unreadable.
// Its PNG, JPEG, PPM and ICO readers fail on a cut file or define every pixel themselves, so any
// other content passes.
#pragma once

#include <cstdint>
#include <span>

// The check for the file's kind, told by its first bytes as Qt's reader tells it.
bool holdsEveryPixel(std::span<const std::uint8_t> file);

// A bitmap file ("BM"): the pixel data, from its offset (or the end of the colour table, where the
// offset points into it), holds every row the header declares. For uncompressed rows (BI_RGB,
// BI_BITFIELDS) that is the exact row size, padding included; run-length data (BI_RLE8, BI_RLE4)
// must lie within the size the header gives it and set every pixel, as Qt's reader leaves the
// pixels a delta or an early end of line skips unset too.
bool bitmapHoldsEveryPixel(std::span<const std::uint8_t> file);

// A GIF file: every block up to the end of the first image's data lies within the file.
bool gifHoldsEveryPixel(std::span<const std::uint8_t> file);
