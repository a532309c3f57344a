// The busy state: while an instance lives, the screen shows the hourglass pointer, and the
// buttons that start long work do nothing. Not a counter: when two holders overlap, the end of
// the inner one already brings back the default pointer.
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
