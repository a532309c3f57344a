// The mouse codes that the window's and the card's events carry, as the platform they were made
// for gives them: buttons 1 left, 2 right, 4 middle, summed for buttons held together; the shift
// state the sum of 1 Shift, 2 Ctrl, 4 Alt. Each side gives them the type its events have.
#pragma once

#include <Qt>

// 0 for any other button.
int mouseButtonsCode(Qt::MouseButtons buttons);
int shiftStateCode(Qt::KeyboardModifiers modifiers);
