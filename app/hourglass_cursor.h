// The busy state: while an instance lives, the screen shows the hourglass pointer, and the
// buttons and drops that start long work do nothing. Holders nest (a preview opened while a scan
// yields holds one inside the scan's): the default pointer returns when the outermost one ends.
#pragma once

class cHourglassCursor {
public:
    cHourglassCursor();
    ~cHourglassCursor();
    cHourglassCursor(const cHourglassCursor&) = delete;
    cHourglassCursor& operator=(const cHourglassCursor&) = delete;
};

// Whether the window is busy: the screen's pointer is the hourglass.
bool isBusy();
