#include "app/toolkit/picture_box.h"

#include "platform/gdi/system_colours.h"

#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

namespace {

gdi::COLORREF colourRef(std::uint32_t oleColour) {
    gdi::COLORREF colour = 0;
    gdi::OleTranslateColor(oleColour, &colour);
    return colour;
}

} // namespace

PictureBox::PictureBox(QWidget* container)
    : QWidget(container)
    , TwipsGeometry(this) {
    setFocusPolicy(Qt::StrongFocus);
    // Every paint covers the whole box, so what lies beneath it is not painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

gdi::HDC PictureBox::hDC() {
    fitImages();
    return autoRedraw_ ? persistent_.hDC() : screen_.hDC();
}

void PictureBox::setBackColor(std::uint32_t oleColour) {
    backColor_ = oleColour;
    update();
}

void PictureBox::Cls() {
    fitImages();
    if (autoRedraw_)
        persistent_.fill(colourRef(backColor_));
    screen_.copyFrom(persistent_);
    update();
}

void PictureBox::Refresh() {
    fitImages();
    screen_.copyFrom(persistent_);
    repaint();
}

void PictureBox::fitImages() {
    if (width() == persistent_.width() && height() == persistent_.height())
        return;
    if (persistent_.create(width(), height()))
        persistent_.fill(colourRef(backColor_));
    if (screen_.create(width(), height()))
        screen_.copyFrom(persistent_);
}

void PictureBox::paintEvent(QPaintEvent*) {
    fitImages();
    QPainter painter(this);
    const QImage image = screen_.toImage();
    if (image.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(0, 0, image);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace toolkit
