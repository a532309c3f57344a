// Stand-in for the DrawDib calls of Video for Windows: draws a device-independent bitmap from
// its header and pixel memory onto a context. A surface paints through it only when its DrawDib
// switch is on; it draws exactly like the plain copy.
#pragma once

#include "platform/gdi/gdi.h"

#include <cstdint>

namespace drawdib {

using HDRAWDIB = std::int32_t;

// A new instance, or 0.
HDRAWDIB DrawDibOpen();
// False for a handle that is not open.
bool DrawDibClose(HDRAWDIB instance);

// Copies the source rectangle of the 32-bit bitmap described by `header` and `bits` to the
// destination rectangle of `destination`, clipped to both. Stretching is not supported: the
// two rectangles must have the same size. Fails on a closed instance, an invalid context or a
// bitmap that is not 32-bit uncompressed.
bool DrawDibDraw(HDRAWDIB instance, gdi::HDC destination, int xDst, int yDst, int dxDst, int dyDst,
                 const gdi::BITMAPINFOHEADER* header, const void* bits, int xSrc, int ySrc,
                 int dxSrc, int dySrc, unsigned flags);

} // namespace drawdib
