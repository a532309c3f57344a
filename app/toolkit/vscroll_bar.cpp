#include "app/toolkit/vscroll_bar.h"

namespace toolkit {

VScrollBar::VScrollBar(QWidget* container)
    : QScrollBar(Qt::Vertical, container)
    , TwipsGeometry(this) {
    setFocusPolicy(Qt::StrongFocus);
    setRange(0, 32767);
    setSingleStep(1);
    setPageStep(1);
    QScrollBar::setValue(0);
    connect(this, &QAbstractSlider::valueChanged, this, &VScrollBar::valueMoved);
    connect(this, &QAbstractSlider::sliderPressed, this, [this] { valueAtPress_ = value(); });
    connect(this, &QAbstractSlider::sliderReleased, this, &VScrollBar::thumbReleased);
}

bool VScrollBar::setValue(std::int16_t value) {
    if (value < minimum() || value > maximum())
        return false;
    QScrollBar::setValue(value);
    return true;
}

void VScrollBar::valueMoved(int) {
    if (isSliderDown()) {
        if (Scroll)
            Scroll();
    } else if (Change) {
        Change();
    }
}

void VScrollBar::thumbReleased() {
    if (value() != valueAtPress_ && Change)
        Change();
}

} // namespace toolkit
