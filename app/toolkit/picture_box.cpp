#include "app/toolkit/picture_box.h"

#include "platform/gdi/system_colours.h"
#include "platform/picture/ole_colour.h"

#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

namespace {

// The background colour as the pixel a clear leaves, with the fourth byte 0 as the drawing
// layer's own fills leave it.
QRgb backgroundPixel(std::uint32_t oleColour) {
    gdi::COLORREF colour = 0;
    gdi::OleTranslateColor(oleColour, &colour);
    return rgbFromColorRef(colour) & RGB_MASK;
}

void clear(MemoryBitmap& bitmap, std::uint32_t oleColour) {
    bitmap.fill(QRect(0, 0, bitmap.width(), bitmap.height()), backgroundPixel(oleColour));
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
        clear(persistent_, backColor_);
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
        clear(persistent_, backColor_);
    if (screen_.create(width(), height()))
        screen_.copyFrom(persistent_);
}

void PictureBox::paintEvent(QPaintEvent*) {
    fitImages();
    QPainter painter(this);
    const QImage image = screen_.opaqueCopy();
    if (image.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(0, 0, image);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace toolkit
