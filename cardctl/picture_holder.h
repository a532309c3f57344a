// The picture holder ItemImage: shows a loaded picture at its own size, unscaled, from its
// top-left corner; without a picture it is transparent and keeps its design size.
#pragma once

#include "cardctl/mouse_source.h"

#include <QImage>

namespace tessel {

class PictureHolder final : public MouseSource {
public:
    PictureHolder(InputRelay* relay, QWidget* parent);

    // Takes the picture's size; the card cuts off what lies beyond its own edge.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    static constexpr QRect kDesignGeometry{7, 6, 100, 100};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace tessel
