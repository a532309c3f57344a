#include "assets/generator/skin.h"

#include "assets/generator/artwork_font.h"
#include "assets/generator/soft_shadow.h"

#include <algorithm>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

constexpr int kTitlePixelSize = 42;

QPainterPath titleLettering() {
    QFont font = artworkFont(kTitlePixelSize);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromLatin1(kProgramTitle));
    // Centre the lettering vertically in the title band, a little in from the banner's left.
    const QRectF bounds = path.boundingRect();
    const qreal left = kSkinBannerArea.left() + 10 - bounds.left();
    const qreal top = (kSkinBands[0].lastRow + 1 - bounds.height()) / 2.0 - bounds.top() - 1;
    return path.translated(left, top);
}

void drawBanner(QPainter& painter, QImage& skin, int scale) {
    const QPainterPath lettering = titleLettering();
    painter.setClipRect(kSkinBannerArea);

    const QImage shadow =
        softShadow(lettering, skin.size(), QPointF(3.0, 3.5), 4, QColor(20, 22, 28, 230), scale);
    painter.drawImage(0, 0, shadow);
    // A tight, darker contact shadow keeps the letters crisp against the soft one.
    const QImage contact =
        softShadow(lettering, skin.size(), QPointF(1.0, 1.5), 1, QColor(10, 10, 14, 200), scale);
    painter.drawImage(0, 0, contact);

    const QRectF bounds = lettering.boundingRect();
    QLinearGradient face(bounds.topLeft(), bounds.bottomLeft());
    face.setColorAt(0.0, QColor(255, 255, 255));
    face.setColorAt(0.55, QColor(236, 240, 246));
    face.setColorAt(1.0, QColor(196, 206, 222));
    painter.fillPath(lettering, face);
    painter.setClipping(false);
}

} // namespace

QImage drawSkin(int scale) {
    QImage skin = scaledCanvas(QSize(kSkinWidth, kSkinHeight), QImage::Format_RGB32, scale);
    for (const SkinBand& band : kSkinBands) {
        for (int y = band.firstRow * scale; y < (band.lastRow + 1) * scale; ++y) {
            auto* row = reinterpret_cast<QRgb*>(skin.scanLine(y));
            std::fill(row, row + skin.width(), band.colour);
        }
    }
    QPainter painter(&skin);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBanner(painter, skin, scale);
    return skin;
}

} // namespace artwork
