// Pictures drawn at a scale: the drawing is laid out in units, and a picture at scale 2 has two
// pixels to a unit, the same drawing at twice the resolution for high-density screens.
#pragma once

#include <QImage>
#include <QSize>

namespace artwork {

// The scales every picture of the Images folder is drawn at; name@2x.ext holds the second.
inline constexpr int singleScale = 1;
inline constexpr int doubleScale = 2;

// A picture of `size` units at `scale` pixels to the unit, which a QPainter paints in units.
inline QImage scaledCanvas(QSize size, QImage::Format format, int scale) {
    QImage canvas(size * scale, format);
    canvas.setDevicePixelRatio(scale);
    return canvas;
}

} // namespace artwork
