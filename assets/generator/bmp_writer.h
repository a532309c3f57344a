// Uncompressed 24-bit Windows bitmaps, the format every skinned picture of the window is loaded
// from. Written by hand because the bit depth and header fields must be exactly these whatever
// Qt's own writer prefers.
#pragma once

#include <QByteArray>
#include <QImage>

namespace artwork {

// The file bytes: BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER (24 bits, BI_RGB, rows bottom-up)
// and the pixels in blue-green-red order, each row padded with zero bytes to a multiple of four.
// Alpha is dropped. Empty for a null image or one whose file would not fit a 32-bit size field.
QByteArray encodeBmp24(const QImage& image);

} // namespace artwork
