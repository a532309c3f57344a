#include "cardctl/card_widget.h"

#include "cardctl/persistent_image.h"
#include "cardctl/picture_holder.h"
#include "cardctl/rectangle_outline.h"
#include "cardctl/text_line.h"
#include "platform/com/server_module.h"
#include "platform/picture/focus_ring.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPaintEvent>

namespace tessel {

namespace {

constexpr int kLineLeft = 115;
constexpr int kLineTops[] = {12, 33, 54, 75};
constexpr QSize kLineSize(190, 20);

} // namespace

CardWidget::CardWidget(com::ServerModule& module, const PersistentImage* image, CardEvents* events,
                       QWidget* parent)
    : MouseSource(&relay_, parent)
    , module_(module)
    , relay_(events)
    , image_(image) {
    module_.objectCreated();
    // The parts carry their established names, so a host can find them.
    setObjectName(QStringLiteral("Tessel"));
    setFixedSize(kCardWidth, kCardHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i] = new TextLine(&relay_, this);
        lines_[i]->setObjectName(QStringLiteral("lblData%1").arg(i + 1));
        lines_[i]->setGeometry(QRect(QPoint(kLineLeft, kLineTops[i]), kLineSize));
    }
    shape1_ = new RectangleOutline(QRect(6, 5, 102, 102), 1, this);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    itemImage_ = new PictureHolder(&relay_, this);
    itemImage_->setObjectName(QStringLiteral("ItemImage"));
    shpSelected_ = new RectangleOutline(QRect(1, 1, 306, 110), 5, this);
    shpSelected_->setObjectName(QStringLiteral("shpSelected"));
    shpSelected_->setLineColour(QColor(255, 0, 0));
    shpSelected_->hide();
}

CardWidget::~CardWidget() {
    module_.objectDestroyed();
}

void CardWidget::detach() {
    relay_.cut();
    image_ = nullptr;
}

void CardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage pixels = image_ ? image_->view() : QImage();
    if (pixels.isNull())
        painter.fillRect(event->rect(), palette().window());
    else
        painter.drawImage(event->rect(), pixels, event->rect());
    if (showsFocus())
        drawFocusRing(painter, rect());
}

void CardWidget::focusInEvent(QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::MouseFocusReason:
        focusShown_ = false;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    default:
        focusShown_ = true;
        break;
    }
    update();
    MouseSource::focusInEvent(event);
}

void CardWidget::focusOutEvent(QFocusEvent* event) {
    update();
    MouseSource::focusOutEvent(event);
}

} // namespace tessel
