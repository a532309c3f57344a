// The screen's mouse pointer and yielding to the event loop.
#pragma once

namespace toolkit {

constexpr int vbDefault = 0;
constexpr int vbHourglass = 11;

// The pointer code last set: vbHourglass while the program is busy, else vbDefault.
int MousePointer();
// Any code other than vbHourglass shows the default pointer.
void setMousePointer(int code);

// Runs the pending events once, then returns.
void DoEvents();

} // namespace toolkit
