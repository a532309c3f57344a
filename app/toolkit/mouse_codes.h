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

// The shift codes of key events, and the virtual-key codes keyCode gives for the keys the window
// answers to.
constexpr int vbShiftMask = 1;
constexpr int vbCtrlMask = 2;
constexpr int vbAltMask = 4;
constexpr int vbKeyReturn = 0x0D;
constexpr int vbKeyEscape = 0x1B;
constexpr int vbKeySpace = 0x20;
constexpr int vbKeyPageUp = 0x21;
constexpr int vbKeyPageDown = 0x22;
constexpr int vbKeyEnd = 0x23;
constexpr int vbKeyHome = 0x24;
constexpr int vbKeyLeft = 0x25;
constexpr int vbKeyUp = 0x26;
constexpr int vbKeyRight = 0x27;
constexpr int vbKeyDown = 0x28;
constexpr int vbKeyDelete = 0x2E;
constexpr int vbKeyApps = 0x5D; // the Menu key
constexpr int vbKeyF5 = 0x74;
constexpr int vbKeyF10 = 0x79;

// Never 0 for a real key: a key press that cancels a running scan must be seen as one.
int keyCode(const QKeyEvent& event);

// A control's mouse event: button and shift codes, position in twips of the control.
using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
// Accepts the event and hands it to handler, when there is one.
void raiseMouseEvent(const MouseHandler& handler, QMouseEvent* event);

} // namespace toolkit
