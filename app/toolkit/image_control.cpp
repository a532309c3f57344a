#include "app/toolkit/image_control.h"

#include "app/toolkit/mouse_codes.h"
#include "platform/picture/picture_file.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

ImageControl::ImageControl(QWidget* container)
    : QWidget(container)
    , TwipsGeometry(this) {}

bool ImageControl::LoadPictureFile(const QString& path) {
    // Colours only, as a picture of the drawing layer holds them: transparency is dropped.
    const QImage image = ReadPictureFile(QFile::encodeName(path).toStdString())
                             .convertToFormat(QImage::Format_BGR888);
    if (image.isNull())
        return false;
    setPicture(image);
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
    raiseMouseEvent(MouseDown, event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    raiseMouseEvent(MouseUp, event);
}

} // namespace toolkit
