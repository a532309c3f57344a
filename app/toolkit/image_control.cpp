#include "app/toolkit/image_control.h"

#include "app/toolkit/mouse_codes.h"
#include "platform/picture/focus_ring.h"
#include "platform/picture/picture_file.h"

#include <cmath>
#include <QFile>
#include <QKeyEvent>
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

void ImageControl::makeButton(const QString& name) {
    button_ = true;
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(name);
    setToolTip(name);
}

void ImageControl::press() {
    // A handler may hide the button or close the window; the position lies on the button.
    if (MouseDown)
        MouseDown(vbLeftButton, 0, 0, 0);
    if (MouseUp)
        MouseUp(vbLeftButton, 0, 0, 0);
}

void ImageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
    if (button_ && hasFocus())
        drawFocusRing(painter, rect());
}

void ImageControl::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (button_ && event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        press();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ImageControl::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void ImageControl::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    raiseMouseEvent(MouseDown, event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    raiseMouseEvent(MouseUp, event);
}

} // namespace toolkit
