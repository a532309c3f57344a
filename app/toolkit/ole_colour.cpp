#include "app/toolkit/ole_colour.h"

#include "platform/gdi/system_colours.h"

namespace toolkit {

QColor qColorFromOle(std::uint32_t oleColour) {
    gdi::COLORREF colour = 0;
    if (!gdi::OleTranslateColor(oleColour, &colour))
        return QColor(0, 0, 0);
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

} // namespace toolkit
