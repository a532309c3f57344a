// The mouse and keyboard codes the form's event handlers receive: the button and shift codes of
// platform/picture/mouse_codes.h, key codes as virtual-key codes.
#pragma once

#include <functional>
#include <Qt>

class QKeyEvent;
class QMouseEvent;

namespace toolkit {

constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;
constexpr int vbMiddleButton = 4;

// Never 0 for a real key: a key press that cancels a running scan must be seen as one.
int keyCode(const QKeyEvent& event);

// A control's mouse event: button and shift codes, position in twips of the control.
using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
// Accepts the event and hands it to handler, when there is one.
void raiseMouseEvent(const MouseHandler& handler, QMouseEvent* event);

} // namespace toolkit
