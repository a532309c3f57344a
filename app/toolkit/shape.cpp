#include "app/toolkit/shape.h"

#include "platform/picture/ole_colour.h"

#include <QPainter>

namespace toolkit {

Shape::Shape(QWidget* container)
    : QWidget(container)
    , TwipsGeometry(this) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(std::optional<std::uint32_t> oleColour) {
    fillColor_ = oleColour;
    update();
}

void Shape::setBorderColor(std::uint32_t oleColour) {
    borderColor_ = oleColour;
    update();
}

void Shape::setBorderWidth(int pixels) {
    borderWidth_ = pixels < 0 ? 0 : pixels;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fillColor_)
        painter.fillRect(rect(), qColorFromOle(*fillColor_).value_or(Qt::black));
    if (borderWidth_ == 0)
        return;
    const QColor border = qColorFromOle(borderColor_).value_or(Qt::black);
    const int w = width();
    const int h = height();
    const int b = borderWidth_;
    painter.fillRect(0, 0, w, b, border);
    painter.fillRect(0, h - b, w, b, border);
    painter.fillRect(0, 0, b, h, border);
    painter.fillRect(w - b, 0, b, h, border);
}

} // namespace toolkit
