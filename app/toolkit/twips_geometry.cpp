#include "app/toolkit/twips_geometry.h"

#include "app/toolkit/twips.h"

#include <QWidget>

namespace toolkit {

void TwipsGeometry::setLeft(int twips) {
    left_ = twips;
    apply();
}

void TwipsGeometry::setTop(int twips) {
    top_ = twips;
    apply();
}

void TwipsGeometry::setWidth(int twips) {
    width_ = twips;
    apply();
}

void TwipsGeometry::setHeight(int twips) {
    height_ = twips;
    apply();
}

void TwipsGeometry::Move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    apply();
}

bool TwipsGeometry::Visible() const {
    return !widget_->isHidden();
}

void TwipsGeometry::setSizePixels(int width, int height) {
    width_ = pixelsToTwips(width);
    height_ = pixelsToTwips(height);
    apply();
}

void TwipsGeometry::apply() {
    const int x = twipsToPixels(left_);
    const int y = twipsToPixels(top_);
    // Sizes are measured from the rounded edges, so neighbouring controls never overlap or gap
    // by a rounding pixel.
    const int width = twipsToPixels(left_ + width_) - x;
    const int height = twipsToPixels(top_ + height_) - y;
    widget_->setGeometry(x, y, width < 0 ? 0 : width, height < 0 ? 0 : height);
}

} // namespace toolkit
