// GIF89a files of one image, for the watermark pictures; Qt reads GIF but cannot write it.
#pragma once

#include <QByteArray>
#include <QImage>

namespace artwork {

// One image with a 256-entry global palette built from the image's own colours in the order
// they first appear (unused entries black), LZW-compressed. Alpha is dropped. Empty for a null
// image, a side longer than 65535 pixels, or more than 256 distinct colours.
QByteArray encodeGif89a(const QImage& image);

} // namespace artwork
