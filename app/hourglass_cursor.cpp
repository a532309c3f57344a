#include "app/hourglass_cursor.h"

#include "app/toolkit/screen.h"

cHourglassCursor::cHourglassCursor() {
    toolkit::setMousePointer(toolkit::vbHourglass);
}

cHourglassCursor::~cHourglassCursor() {
    toolkit::setMousePointer(toolkit::vbDefault);
}

bool isBusy() {
    return toolkit::MousePointer() == toolkit::vbHourglass;
}
