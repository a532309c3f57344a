#include "platform/picture/ole_colour.h"

#include "platform/gdi/system_colours.h"

std::optional<QColor> qColorFromOle(std::uint32_t oleColour) {
    gdi::COLORREF colour = 0;
    if (!gdi::OleTranslateColor(oleColour, &colour))
        return std::nullopt;
    return QColor(rgbFromColorRef(colour));
}
