#include "app/window/pane_input.h"

#include "app/toolkit/mouse_codes.h"
#include "platform/picture/mouse_codes.h"

#include <QKeyEvent>
#include <QWidget>

PaneInput::PaneInput(Locate locate, KeyHandler key, WheelHandler wheel)
    : locate_(std::move(locate))
    , key_(std::move(key))
    , wheel_(std::move(wheel)) {}

void PaneInput::watch(QWidget* widget) {
    if (widget)
        widget->installEventFilter(this);
}

bool PaneInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel)
        return false;
    Target target;
    if (!watched->isWidgetType() || !locate_(static_cast<QWidget*>(watched), &target))
        return false;
    if (event->type() == QEvent::Wheel) {
        wheel_(target, event);
        return true;
    }
    if (target.index == 0)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key_(target, toolkit::keyCode(*key), shiftStateCode(key->modifiers()));
}
