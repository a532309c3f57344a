// Turns the pixels of a surface into images that can be saved: the bytes exactly as the surface
// holds them (colours not premultiplied, not unpremultiplied), top line first.
#pragma once

#include "surface/alpha_surface.h"
#include "tools/srftool/rgba_image.h"

namespace srftool {

// True when the surface has a pixel buffer of at least one pixel.
bool surfaceHasPixels(const cAlphaSurface& surface);

// The rectangle with its top-left corner at (left, top), lines counted from the top, as an
// RGBA8888 image. A null image when the surface has no pixels, the rectangle is empty or not
// wholly inside the surface, or the image cannot be allocated.
RgbaImage surfaceRegionToImage(const cAlphaSurface& surface, int left, int top, int width,
                               int height);

// The number of square frames of the 3D strip that lie wholly inside the surface.
int wholeStripFrames(const cAlphaSurface& surface);

} // namespace srftool
