#include "app/toolkit/image_control.h"

#include "app/toolkit/mouse_codes.h"
#include "app/toolkit/twips.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

ImageControl::ImageControl(QWidget* container)
    : QWidget(container)
    , TwipsGeometry(this) {}

bool ImageControl::LoadPictureFile(const QString& path) {
    QImageReader reader(path);
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        return false;
    setPicture(picture);
    return true;
}

void ImageControl::setPicture(const QImage& picture) {
    picture_ = picture;
    if (!picture_.isNull())
        setSizePixels(picture_.width(), picture_.height());
    repaint();
}

void ImageControl::clearPicture() {
    picture_ = QImage();
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (MouseDown) {
        const QPointF p = event->position();
        MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                  static_cast<float>(p.x() * TwipsPerPixel),
                  static_cast<float>(p.y() * TwipsPerPixel));
    }
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (MouseUp) {
        const QPointF p = event->position();
        MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()),
                static_cast<float>(p.x() * TwipsPerPixel),
                static_cast<float>(p.y() * TwipsPerPixel));
    }
}

} // namespace toolkit
