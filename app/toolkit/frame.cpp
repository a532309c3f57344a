#include "app/toolkit/frame.h"

#include "platform/picture/ole_colour.h"

#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

Frame::Frame(QWidget* container)
    : QWidget(container)
    , TwipsGeometry(this) {}

void Frame::setBackColor(std::uint32_t oleColour) {
    backColor_ = oleColour;
    update();
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), qColorFromOle(backColor_).value_or(Qt::black));
}

void Frame::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace toolkit
