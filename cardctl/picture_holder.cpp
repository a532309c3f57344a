#include "cardctl/picture_holder.h"

#include <QPainter>

namespace tessel {

PictureHolder::PictureHolder(InputRelay* relay, QWidget* parent)
    : MouseSource(relay, parent) {
    setGeometry(kDesignGeometry);
}

void PictureHolder::setPicture(const QImage& picture) {
    picture_ = picture;
    resize(picture_.isNull() ? kDesignGeometry.size() : picture_.size());
    update();
}

void PictureHolder::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

} // namespace tessel
