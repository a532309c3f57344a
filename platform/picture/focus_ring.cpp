#include "platform/picture/focus_ring.h"

#include <QPainter>
#include <QPen>

void drawFocusRing(QPainter& painter, const QRect& bounds) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // A pen of width 1 on a rectangle of w x h covers its edge pixels with drawRect(x, y, w-1,
    // h-1).
    const QRect outer = bounds.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outer);
    painter.setPen(QPen(kFocusRingColour, 1, Qt::DotLine));
    painter.drawRect(outer);
    painter.setPen(QPen(kFocusRingColour, 1));
    painter.drawRect(outer.adjusted(1, 1, -1, -1));
    painter.restore();
}
