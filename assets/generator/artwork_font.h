// The one typeface of the artwork. Sizes are in pixels, never points, so that the pictures come
// out the same whatever the screen's resolution.
#pragma once

#include <QFont>

namespace artwork {

// Liberation Sans (metrically the same as Arial) bold, greyscale antialiasing only: coloured
// sub-pixel fringes would spoil the palette of the watermarks and the light-blue buttons.
QFont artworkFont(int pixelSize);

// False when neither Liberation Sans nor Arial is installed and the font system substituted
// another family; the pictures are still drawn, but will not look as designed.
bool artworkFontIsInstalled();

} // namespace artwork
