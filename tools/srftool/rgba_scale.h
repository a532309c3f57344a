// Scaling a picture to fit a square, as a file manager's thumbnail wants it.
#pragma once

#include "tools/srftool/rgba_image.h"

namespace srftool {

// The image scaled to fit `size` x `size` with its aspect kept (the longer side becomes `size`,
// the shorter at least 1), by bilinear interpolation between pixel centres. Colours are weighed
// by their opacity, so the colour of a transparent pixel never bleeds into its neighbours. A null
// image for a null image or a size below 1.
RgbaImage scaleToFit(const RgbaImage& image, int size);

} // namespace srftool
