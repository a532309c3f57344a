#include "assets/generator/artwork_font.h"

#include <QFontInfo>
#include <QStringList>

namespace artwork {

QFont artworkFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

bool artworkFontIsInstalled() {
    const QString family = QFontInfo(artworkFont(20)).family();
    return family == QLatin1String("Liberation Sans") || family == QLatin1String("Arial");
}

} // namespace artwork
