// Colour values of the form's controls: 0x00BBGGRR (red in the low byte), or 0x800000nn for system
// colour nn, taken from the same fixed table as the card's so the window looks the same
// everywhere.
#pragma once

#include <cstdint>
#include <QColor>

namespace toolkit {

// Black for a value that is not a colour.
QColor qColorFromOle(std::uint32_t oleColour);

} // namespace toolkit
