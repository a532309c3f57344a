#include "app/toolkit/image_control.h"

#include "app/toolkit/mouse_codes.h"
#include "platform/picture/picture_file.h"

#include <cmath>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

ImageControl::ImageControl(QWidget* container)
    : QWidget(container)
    , TwipsGeometry(this) {}

bool ImageControl::LoadPictureFile(const QString& path) {
    return showPicture(ReadPictureFile(QFile::encodeName(path).toStdString()));
}

bool ImageControl::showPicture(const QImage& picture) {
    if (picture.isNull())
        return false;
    // Colours only, as a picture of the drawing layer holds them: transparency is dropped. The
    // conversion keeps the device pixel ratio.
    setPicture(picture.convertToFormat(QImage::Format_BGR888));
    return true;
}

void ImageControl::setPicture(const QImage& picture) {
    picture_ = picture;
    if (!picture_.isNull()) {
        const qreal ratio = picture_.devicePixelRatio();
        setSizePixels(static_cast<int>(std::lround(picture_.width() / ratio)),
                      static_cast<int>(std::lround(picture_.height() / ratio)));
    }
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
