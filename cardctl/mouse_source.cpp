#include "mouse_source.h"

#include "input_relay.h"
#include "tessel_interface.h"

#include <QMouseEvent>

namespace tessel {

namespace {

// The platform's mouse codes: 1 left, 2 right, 4 middle.
std::int16_t buttonCode(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons & Qt::LeftButton ? 1 : 0) |
                                     (buttons & Qt::RightButton ? 2 : 0) |
                                     (buttons & Qt::MiddleButton ? 4 : 0));
}

// 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                     (modifiers & Qt::ControlModifier ? 2 : 0) |
                                     (modifiers & Qt::AltModifier ? 4 : 0));
}

} // namespace

MouseSource::MouseSource(InputRelay* relay, QWidget* parent)
    : QWidget(parent)
    , relay_(relay) {
    setMouseTracking(true);
}

void MouseSource::mousePressEvent(QMouseEvent* event) {
    pressedHere_ |= event->button();
    const QPointF at = event->position();
    relay_->mouseEvent(DISPID_MouseDown, buttonCode(event->button()), shiftCode(event->modifiers()),
                       static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void MouseSource::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    relay_->mouseEvent(DISPID_MouseMove, buttonCode(event->buttons()),
                       shiftCode(event->modifiers()), static_cast<float>(at.x()),
                       static_cast<float>(at.y()));
}

void MouseSource::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    const bool click = (pressedHere_ & event->button()) && rect().contains(at.toPoint());
    pressedHere_ &= ~event->button();
    relay_->mouseEvent(DISPID_MouseUp, buttonCode(event->button()), shiftCode(event->modifiers()),
                       static_cast<float>(at.x()), static_cast<float>(at.y()));
    if (click)
        relay_->click();
}

} // namespace tessel
