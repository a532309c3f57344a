// Soft, blurred drop shadows behind lettering and shapes.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSize>

namespace artwork {

// A transparent canvas-sized layer holding `shape` moved by `offset`, blurred by `radius` pixels
// (three box-blur passes, close to a Gaussian) and coloured with `colour`, whose alpha scales
// the shadow. Integer arithmetic only, so the layer is the same on every run.
QImage softShadow(const QPainterPath& shape, QSize canvas, QPointF offset, int radius,
                  const QColor& colour);

} // namespace artwork
