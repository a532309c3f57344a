#include "app/toolkit/mouse_codes.h"

#include "app/toolkit/twips.h"
#include "platform/picture/mouse_codes.h"

#include <array>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

namespace toolkit {

int keyCode(const QKeyEvent& event) {
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // the virtual-key codes of letters and digits are their upper-case ASCII
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + (key - Qt::Key_F1);
    static constexpr std::array<std::pair<int, int>, 21> table{{
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},    {Qt::Key_Backtab, 0x09},
        {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},  {Qt::Key_Shift, 0x10},
        {Qt::Key_Control, 0x11},   {Qt::Key_Alt, 0x12},    {Qt::Key_Pause, 0x13},
        {Qt::Key_Escape, 0x1B},    {Qt::Key_Space, 0x20},  {Qt::Key_PageUp, 0x21},
        {Qt::Key_PageDown, 0x22},  {Qt::Key_End, 0x23},    {Qt::Key_Home, 0x24},
        {Qt::Key_Left, 0x25},      {Qt::Key_Up, 0x26},     {Qt::Key_Right, 0x27},
        {Qt::Key_Down, 0x28},      {Qt::Key_Delete, 0x2E}, {Qt::Key_Menu, 0x5D},
    }};
    for (const auto& [qtKey, code] : table) {
        if (qtKey == key)
            return code;
    }
    if (key == Qt::Key_Insert)
        return 0x2D;
    // Any other key still counts as a key press.
    const int low = key & 0xFF;
    return low != 0 ? low : 0xFF;
}

void raiseMouseEvent(const MouseHandler& handler, QMouseEvent* event) {
    event->accept();
    if (!handler)
        return;
    const QPointF p = event->position();
    handler(mouseButtonsCode(event->button()), shiftStateCode(event->modifiers()),
            static_cast<float>(p.x() * kTwipsPerPixel), static_cast<float>(p.y() * kTwipsPerPixel));
}

} // namespace toolkit
