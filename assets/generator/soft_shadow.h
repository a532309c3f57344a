// Soft, blurred drop shadows behind lettering and shapes.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSize>

namespace artwork {

// A transparent layer of `canvas` pixels holding `shape` moved by `offset`, blurred by `radius`
// (three box-blur passes, close to a Gaussian) and coloured with `colour`, whose alpha scales
// the shadow. Shape, offset and radius are in units of `scale` pixels, and the layer paints at
// that scale. Integer arithmetic only, so the layer is the same on every run.
QImage softShadow(const QPainterPath& shape, QSize canvas, QPointF offset, int radius,
                  const QColor& colour, int scale = 1);

} // namespace artwork
