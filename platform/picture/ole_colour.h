// Colour values of the drawing layer and of the component model as Qt's colours: a direct
// 0x00BBGGRR value (red in the low byte), or 0x800000nn for system colour nn, taken from the one
// fixed table that the card and the window share (platform/gdi/system_colours.h), so both look
// the same everywhere.
#pragma once

#include "platform/gdi/gdi.h"

#include <cstdint>
#include <optional>
#include <QColor>
#include <QRgb>

// The colour as an opaque pixel of a 32-bit DIB, whose bytes blue, green, red, alpha are QRgb's.
constexpr QRgb rgbFromColorRef(gdi::COLORREF colour) {
    return qRgb(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

// None for a value that is not a colour (any other high byte).
std::optional<QColor> qColorFromOle(std::uint32_t oleColour);
