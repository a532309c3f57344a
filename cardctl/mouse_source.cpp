#include "cardctl/mouse_source.h"

#include "cardctl/input_relay.h"
#include "cardctl/tessel_interface.h"
#include "platform/picture/mouse_codes.h"

#include <QMouseEvent>
#include <QPointer>

namespace tessel {

namespace {

// The events carry the codes as 16-bit integers.
std::int16_t buttonCode(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>(mouseButtonsCode(buttons));
}

std::int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>(shiftStateCode(modifiers));
}

// The part that took the last press, and its button, across all cards: the toolkit makes a
// double click of a second press near the first whichever widget it lands on.
QPointer<QWidget> lastPressedPart;
Qt::MouseButton lastPressedButton = Qt::NoButton;

} // namespace

MouseSource::MouseSource(InputRelay* relay, QWidget* parent)
    : QWidget(parent)
    , relay_(relay) {
    setMouseTracking(true);
}

void MouseSource::mousePressEvent(QMouseEvent* event) {
    lastPressedPart = this;
    lastPressedButton = event->button();
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

void MouseSource::mouseDoubleClickEvent(QMouseEvent* event) {
    // The platform reports a double click as MouseDown, MouseUp, Click, MouseUp: the second
    // press is no press of its own, and without it its release is no click. A double click
    // whose first press went elsewhere is this part's first press.
    if (lastPressedPart != this || lastPressedButton != event->button()) {
        mousePressEvent(event);
        return;
    }
    pressedHere_ &= ~event->button();
}

} // namespace tessel
