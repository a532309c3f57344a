#include "app/toolkit/control_font.h"

#include <cmath>

namespace toolkit {

QFont controlFont(const QString& family, double points, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    // Arial is found as its metric-compatible stand-in (Liberation Sans) where it is not
    // installed.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace toolkit
