// The mouse and keyboard codes the form's event handlers receive: buttons 1 left, 2 right,
// 4 middle; shift state the sum of 1 Shift, 2 Ctrl, 4 Alt; key codes as virtual-key codes.
#pragma once

#include <functional>
#include <Qt>

class QKeyEvent;
class QMouseEvent;

namespace toolkit {

constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;
constexpr int vbMiddleButton = 4;

int buttonCode(Qt::MouseButton button);
// The buttons held, as the sum of their codes.
int buttonsCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
// Never 0 for a real key: a key press that cancels a running scan must be seen as one.
int keyCode(const QKeyEvent& event);

// A control's mouse event: button and shift codes, position in twips of the control.
using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
// Accepts the event and hands it to handler, when there is one.
void raiseMouseEvent(const MouseHandler& handler, QMouseEvent* event);

} // namespace toolkit
