// The system colours (0x800000nn in a colour value) from one fixed table of the classic Windows
// defaults, so that a card and the main window render the same on every desktop.
#pragma once

#include "platform/gdi/gdi.h"

namespace gdi {

constexpr std::uint32_t SYSTEM_COLOUR_FLAG = 0x80000000u;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;

// The classic default of system colour `index` as 0x00BBGGRR; black for an index the table
// does not have.
COLORREF GetSysColor(int index);

// An OLE colour (a direct 0x00BBGGRR value or 0x800000nn for system colour nn) as 0x00BBGGRR.
// Any other high byte is not a colour; it gives false and leaves *out untouched.
bool OleTranslateColor(std::uint32_t oleColour, COLORREF* out);

} // namespace gdi
