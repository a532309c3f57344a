#include "app/hourglass_cursor.h"

#include "app/toolkit/screen.h"

namespace {

// The holders that live now. One thread: every holder is made and ended on the window's.
int holders = 0;

} // namespace

cHourglassCursor::cHourglassCursor() {
    ++holders;
    toolkit::setMousePointer(toolkit::vbHourglass);
}

cHourglassCursor::~cHourglassCursor() {
    if (--holders == 0)
        toolkit::setMousePointer(toolkit::vbDefault);
}

bool isBusy() {
    return toolkit::MousePointer() == toolkit::vbHourglass;
}
