#include "cardctl/rectangle_outline.h"

#include <algorithm>
#include <QPainter>

namespace tessel {

RectangleOutline::RectangleOutline(const QRect& geometry, int lineWidth, QWidget* parent)
    : QWidget(parent)
    , lineWidth_(lineWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(geometry);
}

void RectangleOutline::setLineColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void RectangleOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int t = std::min({lineWidth_, (w + 1) / 2, (h + 1) / 2});
    painter.fillRect(0, 0, w, t, colour_);
    painter.fillRect(0, h - t, w, t, colour_);
    painter.fillRect(0, t, t, h - 2 * t, colour_);
    painter.fillRect(w - t, t, t, h - 2 * t, colour_);
}

} // namespace tessel
